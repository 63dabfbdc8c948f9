#include "TextBox.h"

#include "Application.h"

#include "Input.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

namespace plat {

TextBox::TextBox()
{
    useFieldColours();
}

QWidget* TextBox::createWidget(QWidget* parent) { return makeEditor(parent); }

void TextBox::appearanceChanged()
{
    TextControl::appearanceChanged();
    showFieldBackColor();
}

QWidget* TextBox::makeEditor(QWidget* parent)
{
    QWidget* w = nullptr;
    if (multiLine_) {
        auto* e = new QPlainTextEdit(parent);
        e->setLineWrapMode(scrollBars_ & 1 ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        e->setHorizontalScrollBarPolicy(scrollBars_ & 1 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        e->setVerticalScrollBarPolicy(scrollBars_ & 2 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        e->setFrameShape(borderStyle_ ? QFrame::StyledPanel : QFrame::NoFrame);
        e->setReadOnly(locked_);
        e->setTabChangesFocus(true);
        QObject::connect(e, &QPlainTextEdit::textChanged, e, [this, self = weakSelf()] {
            if (auto keep = self.lock(); keep && !settingText_)
                userEdited();
        });
        w = e;
    } else {
        auto* e = new QLineEdit(parent);
        e->setFrame(borderStyle_ != 0);
        e->setReadOnly(locked_);
        if (maxLength_ > 0)
            e->setMaxLength(maxLength_);
        e->setAlignment(alignment_ == 1 ? Qt::AlignRight : alignment_ == 2 ? Qt::AlignHCenter : Qt::AlignLeft);
        QObject::connect(e, &QLineEdit::textEdited, e, [this, self = weakSelf()] {
            if (auto keep = self.lock(); keep && !settingText_)
                userEdited();
        });
        w = e;
    }
    w->setAttribute(Qt::WA_InputMethodEnabled, true);
    watch(w);
    return w;
}

void TextBox::rebuild()
{
    // MultiLine and the scroll bars choose the editor: make it again.
    QWidget* old = widget_.data();
    if (!old)
        return;
    QWidget* parent = old->parentWidget();
    const bool visible = !old->isHidden();
    const bool enabled = old->isEnabled();
    const auto policy = old->focusPolicy();
    widget_ = makeEditor(parent);
    widget_->setObjectName(old->objectName());
    widget_->setFocusPolicy(policy);
    widget_->setEnabled(enabled);
    old->hide();
    deleteWhenIdle(old);
    applyGeometry();
    widget_->setVisible(visible);
    appearanceChanged();
    showText();
}

void TextBox::showText()
{
    if (!widget_)
        return;
    // A multi-line editor not yet on the screen (its form still loading)
    // takes its text when it is shown or asked for its caret: a form that
    // fills a box line by line has it laid out once, not once a line.
    if (qobject_cast<QPlainTextEdit*>(widget_.data()) && !widget_->isVisible()) {
        textPending_ = true;
        return;
    }
    putText();
}

void TextBox::takePendingText() const
{
    if (textPending_)
        const_cast<TextBox*>(this)->putText();
}

void TextBox::putText()
{
    textPending_ = false;
    // New text shows from its start, the caret before its first character
    // (the editors would leave it, and the view, at the end).
    settingText_ = true;
    if (auto* e = qobject_cast<QPlainTextEdit*>(widget_.data())) {
        QString shown = text_;
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        e->setPlainText(shown);
        e->moveCursor(QTextCursor::Start);
        e->horizontalScrollBar()->setValue(0);
        e->verticalScrollBar()->setValue(0);
    } else if (auto* l = qobject_cast<QLineEdit*>(widget_.data())) {
        l->setText(text_);
        l->setCursorPosition(0);
    }
    settingText_ = false;
}

QString TextBox::widgetText() const
{
    takePendingText();
    if (auto* e = qobject_cast<QPlainTextEdit*>(widget_.data())) {
        QString t = e->toPlainText();
        t.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        return t;
    }
    if (auto* l = qobject_cast<QLineEdit*>(widget_.data()))
        return l->text();
    return text_;
}

void TextBox::userEdited()
{
    const QString t = widgetText();
    if (t == text_)
        return;
    text_ = t;
    Change.raise();
}

void TextBox::setText(const QString& t)
{
    if (t == text_)
        return;
    text_ = t;
    showText();
    Change.raise();
}

void TextBox::setLocked(bool v)
{
    if (v == locked_)
        return;
    locked_ = v;
    if (auto* e = qobject_cast<QPlainTextEdit*>(widget_.data()))
        e->setReadOnly(v);
    else if (auto* l = qobject_cast<QLineEdit*>(widget_.data()))
        l->setReadOnly(v);
}

void TextBox::setMaxLength(int32_t v)
{
    if (v < 0)
        raise(err::InvalidProperty);
    if (v == maxLength_)
        return;
    maxLength_ = v;
    if (auto* l = qobject_cast<QLineEdit*>(widget_.data()))
        l->setMaxLength(v > 0 ? v : 32767);
}

// Positions: the multi-line editor holds "\n" where Text holds "\r\n".
int TextBox::toWidgetPos(int32_t textPos) const
{
    if (!multiLine_)
        return textPos;
    int pos = 0;
    for (int i = 0; i < textPos && i < text_.size(); ++i)
        if (!(text_[i] == QLatin1Char('\r') && i + 1 < text_.size() && text_[i + 1] == QLatin1Char('\n')))
            ++pos;
    return pos;
}

int32_t TextBox::fromWidgetPos(int widgetPos) const
{
    if (!multiLine_)
        return widgetPos;
    int32_t i = 0;
    for (int pos = 0; pos < widgetPos && i < text_.size(); ++pos) {
        if (text_[i] == QLatin1Char('\r') && i + 1 < text_.size() && text_[i + 1] == QLatin1Char('\n'))
            ++i;
        ++i;
    }
    return i;
}

int32_t TextBox::SelStart() const
{
    takePendingText();
    if (auto* e = qobject_cast<QPlainTextEdit*>(widget_.data()))
        return fromWidgetPos(e->textCursor().selectionStart());
    if (auto* l = qobject_cast<QLineEdit*>(widget_.data()))
        return l->hasSelectedText() ? l->selectionStart() : l->cursorPosition();
    return 0;
}

int32_t TextBox::SelLength() const
{
    takePendingText();
    if (auto* e = qobject_cast<QPlainTextEdit*>(widget_.data())) {
        const auto c = e->textCursor();
        return fromWidgetPos(c.selectionEnd()) - fromWidgetPos(c.selectionStart());
    }
    if (auto* l = qobject_cast<QLineEdit*>(widget_.data()))
        return l->selectedText().size();
    return 0;
}

QString TextBox::SelText() const { return text_.mid(SelStart(), SelLength()); }

void TextBox::setSelStart(int32_t v)
{
    if (v < 0)
        raise(err::InvalidProperty);
    v = std::min<int32_t>(v, int32_t(text_.size()));
    takePendingText();
    if (auto* e = qobject_cast<QPlainTextEdit*>(widget_.data())) {
        auto c = e->textCursor();
        c.setPosition(toWidgetPos(v));
        e->setTextCursor(c);
    } else if (auto* l = qobject_cast<QLineEdit*>(widget_.data())) {
        l->deselect();
        l->setCursorPosition(v);
    }
}

void TextBox::setSelLength(int32_t v)
{
    if (v < 0)
        raise(err::InvalidProperty);
    const int32_t start = SelStart();
    const int32_t end = int32_t(std::min<int64_t>(int64_t(start) + v, int64_t(text_.size())));
    if (auto* e = qobject_cast<QPlainTextEdit*>(widget_.data())) {
        auto c = e->textCursor();
        c.setPosition(toWidgetPos(start));
        c.setPosition(toWidgetPos(end), QTextCursor::KeepAnchor);
        e->setTextCursor(c);
    } else if (auto* l = qobject_cast<QLineEdit*>(widget_.data())) {
        l->setSelection(start, end - start);
    }
}

void TextBox::setSelText(const QString& s)
{
    const int32_t start = SelStart();
    const int32_t len = SelLength();
    setText(text_.left(start) + s + text_.mid(start + len));
    setSelStart(start + int32_t(s.size()));
}

void TextBox::typeChar(int16_t keyAscii)
{
    takePendingText();
    auto* e = qobject_cast<QPlainTextEdit*>(widget_.data());
    auto* l = qobject_cast<QLineEdit*>(widget_.data());
    if (locked_ && keyAscii != 3 && keyAscii != 1)
        return;
    switch (keyAscii) {
    case 1: // Ctrl+A
        if (e)
            e->selectAll();
        if (l)
            l->selectAll();
        return;
    case 3: // Ctrl+C
        if (e)
            e->copy();
        if (l)
            l->copy();
        return;
    case 8:
        if (e)
            e->textCursor().deletePreviousChar();
        if (l)
            l->backspace();
        break;
    case 13:
        if (e)
            e->insertPlainText(QStringLiteral("\n"));
        break;
    case 22: // Ctrl+V
        if (e)
            e->paste();
        if (l)
            l->paste();
        break;
    case 24: // Ctrl+X
        if (e)
            e->cut();
        if (l)
            l->cut();
        break;
    default:
        if (keyAscii > 0 && keyAscii < 32)
            return; // other control codes type nothing
        if (e)
            e->insertPlainText(QString(charOfKeyAscii(keyAscii)));
        if (l)
            l->insert(QString(charOfKeyAscii(keyAscii)));
        break;
    }
    // QLineEdit reports programmatic changes through textChanged only.
    if (l)
        userEdited();
}

bool TextBox::filterInputMethod(QEvent* e)
{
    auto* im = static_cast<QInputMethodEvent*>(e);
    if (redispatching_ || im->commitString().isEmpty())
        return false;
    QString filtered;
    bool changed = false;
    for (const QChar c : im->commitString()) {
        int16_t ascii = int16_t(c.unicode());
        const int16_t before = ascii;
        KeyPress.raise(ascii);
        if (ascii != before)
            changed = true;
        if (ascii != 0)
            filtered.append(charOfKeyAscii(ascii));
    }
    if (!changed)
        return false;
    QInputMethodEvent replacement(im->preeditString(), im->attributes());
    replacement.setCommitString(filtered, im->replacementStart(), im->replacementLength());
    redispatching_ = true;
    if (widget_)
        QCoreApplication::sendEvent(widget_.data(), &replacement);
    redispatching_ = false;
    return true;
}

bool TextBox::widgetEvent(QWidget*, QEvent* e)
{
    switch (e->type()) {
    case QEvent::Show:
        takePendingText();
        return false;
    case QEvent::KeyPress: {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab)
            return false;
        int16_t code = virtualKeyCode(*ke), shift = shiftBits(ke->modifiers());
        KeyDown.raise(code, shift);
        int16_t ascii = keyAsciiOf(*ke);
        if (ascii == 0)
            return false;
        const int16_t typed = ascii;
        KeyPress.raise(ascii);
        if (ascii == 0)
            return true;
        if (ascii == typed)
            return false;
        typeChar(ascii);
        return true;
    }
    case QEvent::KeyRelease: {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (ke->isAutoRepeat() || ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab)
            return false;
        int16_t code = virtualKeyCode(*ke), shift = shiftBits(ke->modifiers());
        KeyUp.raise(code, shift);
        return false;
    }
    case QEvent::InputMethod: return filterInputMethod(e);
    case QEvent::FocusIn:
    case QEvent::FocusOut: return routeFocusEvent(e, *this);
    default: return false;
    }
}

Variant TextBox::getProperty(const QString& name) const
{
    if (is(name, "Text"))
        return Variant(text_);
    if (is(name, "MultiLine"))
        return Variant(multiLine_);
    if (is(name, "ScrollBars"))
        return Variant(scrollBars_);
    if (is(name, "BorderStyle"))
        return Variant(borderStyle_);
    if (is(name, "Locked"))
        return Variant(locked_);
    if (is(name, "MaxLength"))
        return Variant(maxLength_);
    if (is(name, "Alignment"))
        return Variant(alignment_);
    if (is(name, "SelStart"))
        return Variant(SelStart());
    if (is(name, "SelLength"))
        return Variant(SelLength());
    if (is(name, "SelText"))
        return Variant(SelText());
    return TextControl::getProperty(name);
}

void TextBox::setProperty(const QString& name, const Variant& value)
{
    if (is(name, "Text"))
        setText(value.toString());
    else if (is(name, "Locked"))
        setLocked(value.toBool());
    else if (is(name, "MaxLength"))
        setMaxLength(value.toLong());
    else if (is(name, "SelStart"))
        setSelStart(value.toLong());
    else if (is(name, "SelLength"))
        setSelLength(value.toLong());
    else if (is(name, "SelText"))
        setSelText(value.toString());
    else if (is(name, "MultiLine") || is(name, "ScrollBars") || is(name, "BorderStyle") || is(name, "Alignment"))
        raise(383, {}, QStringLiteral("'%1' property is read-only").arg(name));
    else
        TextControl::setProperty(name, value);
}

// The editor these choose is made once, when the whole design is applied.
void TextBox::applyDesignProperty(const QString& name, const Variant& value)
{
    if (is(name, "MultiLine"))
        multiLine_ = value.toBool();
    else if (is(name, "ScrollBars"))
        scrollBars_ = value.toInteger();
    else if (is(name, "BorderStyle"))
        borderStyle_ = value.toInteger();
    else if (is(name, "Alignment"))
        alignment_ = value.toInteger();
    else {
        setProperty(name, value);
        return;
    }
    editorChosen_ = true;
}

void TextBox::afterDesign()
{
    if (editorChosen_) {
        editorChosen_ = false;
        rebuild();
    }
}

} // namespace plat
