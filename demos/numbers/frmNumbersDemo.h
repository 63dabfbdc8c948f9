// The Numbers demo's window: random identifiers in a chosen number system,
// and the conversions between number systems and between signed and
// unsigned values, with the data type each conversion allows.
#pragma once
#include <Form.h>

#include <QString>
#include <cstdint>
#include <memory>

namespace plat {
class ComboBox;
class CommandButton;
class Label;
class Shape;
class TextBox;
} // namespace plat

namespace numbersdemo {

// The title of the demo's own message boxes.
inline constexpr const char* BoxTitle = "ZorvaneNumbers 3.0 Demo";

class frmNumbersDemo : public plat::Form {
public:
    frmNumbersDemo();

    // The explanation shown when the entered text is not a number (all
    // conversions) and when the library finds characters its number
    // system does not allow (the conversions to decimal).
    static QString LongUsageText();
    static QString ShortUsageText();

    // ===== Controls =====
    std::shared_ptr<plat::Label> Label1;
    std::shared_ptr<plat::Label> Label2;
    plat::ControlArray<plat::Label> lblGeneric;
    std::shared_ptr<plat::ComboBox> ddNumberSys;
    std::shared_ptr<plat::TextBox> txtNumDigits;
    std::shared_ptr<plat::CommandButton> cmdRandomID;
    std::shared_ptr<plat::TextBox> txtRandomID;
    std::shared_ptr<plat::TextBox> txtToConvert;
    std::shared_ptr<plat::ComboBox> ddConversion;
    std::shared_ptr<plat::ComboBox> ddDataType;
    std::shared_ptr<plat::CommandButton> cmdConvert;
    std::shared_ptr<plat::TextBox> txtConversion;
    std::shared_ptr<plat::CommandButton> cmdClose;
    std::shared_ptr<plat::Shape> Shape1;

protected:
    void bindControls() override;
    void Form_Load() override;

private:
    // ===== Event procedures =====
    void cmdRandomID_Click();
    void ddConversion_Click();
    void ddDataType_Click();
    void cmdConvert_Click();
    void txtNumDigits_GotFocus();
    void txtNumDigits_KeyPress(int16_t& KeyAscii);
    void txtNumDigits_KeyDown(int16_t& KeyCode, int16_t Shift);
    void txtToConvert_GotFocus();
    void txtToConvert_KeyPress(int16_t& KeyAscii);
    void txtToConvert_KeyDown(int16_t& KeyCode, int16_t Shift);
    void txtToConvert_KeyUp(int16_t& KeyCode, int16_t Shift);
    void cmdClose_Click();

    // The key format and mask of the chosen conversion; false with no
    // conversion chosen.
    bool conversionKeyFormat(int32_t& Format, QString& Mask) const;
    // The conversion's library call; its result as text.
    QString convert(const QString& Conversion, const plat::Variant& Value);
};

} // namespace numbersdemo
