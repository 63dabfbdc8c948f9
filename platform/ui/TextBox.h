// The text box: one line, or several with scroll bars. Its Text is kept
// exactly as set (line breaks "\r\n" included); what the user types joins it
// with "\r\n" line breaks.
//
// A key goes KeyDown(KeyCode, Shift), then KeyPress(KeyAscii) for a key that
// types a character, then KeyUp. A handler that sets KeyAscii to 0 swallows
// the character; one that changes it gets the new character typed instead
// (8 a backspace, 22 a paste, 13 a line break in a multi-line box). Ctrl+V
// arrives as KeyPress 22. Text from an input method goes through KeyPress
// character by character in the same way. Tab moves the focus and is not
// reported.
#pragma once
#include "TextControl.h"

namespace plat {

class TextBox : public TextControl, public KeyEvents, public FocusEvents, public MouseEvents {
public:
    TextBox();
    Event<> Change;

    QString Text() const { return text_; }
    // Raises Change when the text differs.
    void setText(const QString& t);
    // Design time only: several lines, and their scroll bars (0 none,
    // 1 horizontal, 2 vertical, 3 both; without a horizontal bar long lines
    // wrap).
    bool MultiLine() const { return multiLine_; }
    int16_t ScrollBars() const { return scrollBars_; }
    // 0 none, 1 fixed single.
    int16_t BorderStyle() const { return borderStyle_; }
    bool Locked() const { return locked_; }
    void setLocked(bool v);
    int32_t MaxLength() const { return maxLength_; }
    void setMaxLength(int32_t v);
    // 0 left, 1 right, 2 centred.
    int16_t Alignment() const { return alignment_; }
    // The selection, in characters of Text.
    int32_t SelStart() const;
    void setSelStart(int32_t v);
    int32_t SelLength() const;
    void setSelLength(int32_t v);
    QString SelText() const;
    void setSelText(const QString& s);

    Variant getProperty(const QString& name) const override;
    void setProperty(const QString& name, const Variant& value) override;
    void applyDesignProperty(const QString& name, const Variant& value) override;
    void afterDesign() override;

protected:
    QWidget* createWidget(QWidget* parent) override;
    bool widgetEvent(QWidget* w, QEvent* e) override;
    void appearanceChanged() override;

private:
    QWidget* makeEditor(QWidget* parent);
    void rebuild();
    void showText();
    void putText();
    void takePendingText() const;
    void userEdited();
    QString widgetText() const;
    // Types one character (or its editing action) into the box.
    void typeChar(int16_t keyAscii);
    bool filterInputMethod(QEvent* e);
    int toWidgetPos(int32_t textPos) const;
    int32_t fromWidgetPos(int widgetPos) const;

    QString text_;
    bool multiLine_ = false;
    int16_t scrollBars_ = 0;
    int16_t borderStyle_ = 1;
    bool locked_ = false;
    int32_t maxLength_ = 0;
    int16_t alignment_ = 0;
    bool settingText_ = false;
    // Text not yet put in the hidden multi-line editor (see showText()).
    bool textPending_ = false;
    // The design named the kind of editor; it is made in afterDesign().
    bool editorChosen_ = false;
    bool redispatching_ = false;
};

} // namespace plat
