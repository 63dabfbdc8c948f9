// What the controls that show text share: back and fore colours and the font
// (the control's own font object; changing an attribute through the
// Font* setters shows at once, changing the object directly shows at the
// next Refresh).
#pragma once
#include "Control.h"

namespace plat {

class TextControl : public Control {
public:
    Colour BackColor() const { return backColor_; }
    void setBackColor(Colour c);
    Colour ForeColor() const { return foreColor_; }
    void setForeColor(Colour c);
    FontPtr Font() const { return font_; }
    void setFont(const FontPtr& f);
    QString FontName() const { return font_->Name(); }
    void setFontName(const QString& v);
    double FontSize() const { return font_->Size(); }
    void setFontSize(double v);
    bool FontBold() const { return font_->Bold(); }
    void setFontBold(bool v);
    bool FontItalic() const { return font_->Italic(); }
    void setFontItalic(bool v);
    bool FontUnderline() const { return font_->Underline(); }
    void setFontUnderline(bool v);
    bool FontStrikethru() const { return font_->Strikethrough(); }
    void setFontStrikethru(bool v);

    void Refresh() override;
    Variant getProperty(const QString& name) const override;
    void setProperty(const QString& name, const Variant& value) override;

protected:
    TextControl();
    // The look changed (colours, font): apply it to the widget.
    virtual void appearanceChanged();
    // Paints the back colour as the widget's field colour (the Base of an
    // edit field or a list), for controls whose text sits on a field.
    void showFieldBackColor();
    // Starts the control with a field's colours (the window colour and the
    // window text colour) in place of a button face's.
    void useFieldColours();
    void sited() override;

    Colour backColor_ = 0x8000000Fu;
    Colour foreColor_ = 0x80000012u;
    FontPtr font_;
    bool fontGiven_ = false;
};

} // namespace plat
