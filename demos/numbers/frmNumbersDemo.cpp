#include "frmNumbersDemo.h"

#include <Buttons.h>
#include <Error.h>
#include <Graphics.h>
#include <Label.h>
#include <Library.h>
#include <Lists.h>
#include <MsgBox.h>
#include <Numbers.h>
#include <TextBox.h>
#include <Variant.h>
#include <ZorvaneFormFunctions.h>
#include <ZorvaneMiscellaneous.h>
#include <ZorvaneNumbers.h>
#include <ZorvaneStrings.h>
#include <ZorvaneSystem.h>

namespace numbersdemo {

namespace {

const QString TooLargeText =
    QStringLiteral("The value you entered was too large for the conversion... try a smaller value.");

QString title()
{
    return QString::fromLatin1(BoxTitle);
}

bool isOneOf(const QString& s, std::initializer_list<const char*> names)
{
    for (const char* n : names)
        if (s == QLatin1String(n))
            return true;
    return false;
}

QString usageText(bool withRoman)
{
    const auto strings = zg::Strings();
    const QString LB2 = strings->LineBreaks(2);
    const QString LB1 = strings->LineBreaks();
    QString t = QStringLiteral(
                    "The text for the value you entered contained characters not accepted as a valid number... "
                    "try a different value.")
        + LB2 + QStringLiteral("USAGE:") + LB2;
    t += withRoman
        ? QStringLiteral("     DecToHex, DecToBin, DecToOct, and DecToRoman only allow characters '0' through '9'")
        : QStringLiteral("     DecToHex, DecToBin, and DecToOct only allow characters '0' through '9'");
    t += LB1 + QStringLiteral("     HexToDec allows '0' through '9' and 'A' through 'F'");
    t += LB1 + QStringLiteral("     OctToDec allows only '0' through '7'");
    t += LB1 + QStringLiteral("     BinToDec only allows '0' and '1'.");
    if (withRoman)
        t += LB1 + QStringLiteral("     RomanToDec only allows 'i','v','x','l','c',and 'm' (Case doesn't matter)");
    t += LB1 + QStringLiteral("     All of the other functions allow only '0' through '9')");
    return t;
}

} // namespace

frmNumbersDemo::frmNumbersDemo()
    : Form(QStringLiteral(":/forms/frmNumbersDemo.json"))
{
}

QString frmNumbersDemo::LongUsageText()
{
    return usageText(true);
}

QString frmNumbersDemo::ShortUsageText()
{
    return usageText(false);
}

void frmNumbersDemo::bindControls()
{
    Label1 = control<plat::Label>(QStringLiteral("Label1"));
    Label2 = control<plat::Label>(QStringLiteral("Label2"));
    lblGeneric = controlArray<plat::Label>(QStringLiteral("lblGeneric"));
    ddNumberSys = control<plat::ComboBox>(QStringLiteral("ddNumberSys"));
    txtNumDigits = control<plat::TextBox>(QStringLiteral("txtNumDigits"));
    cmdRandomID = control<plat::CommandButton>(QStringLiteral("cmdRandomID"));
    txtRandomID = control<plat::TextBox>(QStringLiteral("txtRandomID"));
    txtToConvert = control<plat::TextBox>(QStringLiteral("txtToConvert"));
    ddConversion = control<plat::ComboBox>(QStringLiteral("ddConversion"));
    ddDataType = control<plat::ComboBox>(QStringLiteral("ddDataType"));
    cmdConvert = control<plat::CommandButton>(QStringLiteral("cmdConvert"));
    txtConversion = control<plat::TextBox>(QStringLiteral("txtConversion"));
    cmdClose = control<plat::CommandButton>(QStringLiteral("cmdClose"));
    Shape1 = control<plat::Shape>(QStringLiteral("Shape1"));

    cmdRandomID->Click.connect([this] { cmdRandomID_Click(); });
    ddConversion->Click.connect([this] { ddConversion_Click(); });
    ddDataType->Click.connect([this] { ddDataType_Click(); });
    cmdConvert->Click.connect([this] { cmdConvert_Click(); });
    txtNumDigits->GotFocus.connect([this] { txtNumDigits_GotFocus(); });
    txtNumDigits->KeyPress.connect([this](int16_t& KeyAscii) { txtNumDigits_KeyPress(KeyAscii); });
    txtNumDigits->KeyDown.connect([this](int16_t& KeyCode, int16_t& Shift) { txtNumDigits_KeyDown(KeyCode, Shift); });
    txtToConvert->GotFocus.connect([this] { txtToConvert_GotFocus(); });
    txtToConvert->KeyPress.connect([this](int16_t& KeyAscii) { txtToConvert_KeyPress(KeyAscii); });
    txtToConvert->KeyDown.connect([this](int16_t& KeyCode, int16_t& Shift) { txtToConvert_KeyDown(KeyCode, Shift); });
    txtToConvert->KeyUp.connect([this](int16_t& KeyCode, int16_t& Shift) { txtToConvert_KeyUp(KeyCode, Shift); });
    cmdClose->Click.connect([this] { cmdClose_Click(); });
}

void frmNumbersDemo::Form_Load()
{
    zg::FormFunctions()->CenterFormEx(shared_from_this(), true, false, 0.5f, 0.5f);
    // Each selection raises its box's Click as a user's choice does, so the
    // window opens with the coupling of conversion and data type in place.
    ddNumberSys->setListIndex(4);
    ddDataType->setListIndex(0);
    zg::Miscellaneous()->SelectComboItemByText(ddConversion, QStringLiteral("CUnsignedInteger"));
}

// ===== Random identifiers =====

void frmNumbersDemo::cmdRandomID_Click()
{
    // The leading number of the box, rounded half to even into 16 bits:
    // a count beyond that is an overflow, reported as the handler's error.
    const int16_t Digits = plat::CInt(plat::Val(txtNumDigits->Text()));
    const int32_t Radix = ddNumberSys->ItemData(ddNumberSys->ListIndex());
    txtRandomID->setText(zg::Numbers()->GenerateRandomID(Digits, plat::Variant(Radix)));
}

// ===== Conversion and data type =====

void frmNumbersDemo::ddConversion_Click()
{
    cmdConvert->setEnabled(ddConversion->ListIndex() >= 0 && ddDataType->ListIndex() >= 0);
    const QString Conversion = ddConversion->Text();
    const auto select = [this](const char* type) {
        zg::Miscellaneous()->SelectComboItemByText(ddDataType, QString::fromLatin1(type));
    };
    if (Conversion == QLatin1String("CSignedInteger")) {
        ddDataType->setEnabled(false);
        select("Long");
    } else if (Conversion == QLatin1String("CUnsignedInteger")) {
        ddDataType->setEnabled(false);
        select("Integer");
    } else if (Conversion == QLatin1String("CSignedLong")) {
        ddDataType->setEnabled(false);
        select("ULong");
    } else if (Conversion == QLatin1String("CUnsignedLong")) {
        ddDataType->setEnabled(false);
        select("Long");
    } else if (Conversion == QLatin1String("CSignedLong64")) {
        ddDataType->setEnabled(false);
        select("ULong64");
    } else if (Conversion == QLatin1String("CUnsignedLong64")) {
        ddDataType->setEnabled(false);
        select("Long64");
    } else if (isOneOf(Conversion, {"DecToHex", "DecToOct", "DecToBin"})) {
        ddDataType->setEnabled(true);
        // An unsigned choice moves to its signed twin without a message.
        const int32_t type = ddDataType->ListIndex();
        if (type == 1 || type == 3 || type == 5)
            ddDataType->setListIndex(type - 1);
    } else if (isOneOf(Conversion, {"DecToRoman", "RomanToDec"})) {
        ddDataType->setEnabled(true);
        ddDataType->setListIndex(0);
    } else {
        ddDataType->setEnabled(true);
    }
}

void frmNumbersDemo::ddDataType_Click()
{
    cmdConvert->setEnabled(ddConversion->ListIndex() >= 0 && ddDataType->ListIndex() >= 0);
    const QString Conversion = ddConversion->Text();
    const int32_t type = ddDataType->ListIndex();
    if (isOneOf(Conversion, {"DecToHex", "DecToOct", "DecToBin"})) {
        const char* rest = nullptr;
        switch (type) {
        case 1:
            rest = " function does not accept Unsigned Integers as an input parameter... selecting Integer data type "
                   "instead.";
            break;
        case 3:
            rest = " function does not accept Unsigned Longs as an input parameter... selecting Long data type "
                   "instead.";
            break;
        case 5:
            rest = " function does not accept Unsigned Long64 as an input parameter... selecting Long64 data type "
                   "instead.";
            break;
        default:
            return;
        }
        plat::MsgBox(QStringLiteral("The ") + Conversion + QLatin1String(rest), plat::mb::Information, title());
        ddDataType->setListIndex(type - 1);
    } else if (isOneOf(Conversion, {"RomanToDec", "DecToRoman"}) && type != 0) {
        plat::MsgBox(QStringLiteral("The ") + Conversion
                         + QStringLiteral(" function only supports Integer data types... selecting Integer data type "
                                          "instead."),
                     plat::mb::Information, title());
        ddDataType->setListIndex(0);
    }
}

QString frmNumbersDemo::convert(const QString& Conversion, const plat::Variant& Value)
{
    const auto numbers = zg::Numbers();
    const QString text = txtToConvert->Text();
    int16_t DataType = int16_t(ddDataType->ListIndex());
    if (Conversion == QLatin1String("HexToDec"))
        return numbers->HexToDec(text, DataType).toString();
    if (Conversion == QLatin1String("OctToDec"))
        return numbers->OctToDec(text, DataType).toString();
    if (Conversion == QLatin1String("BinToDec"))
        return numbers->BinToDec(text, DataType).toString();
    if (Conversion == QLatin1String("RomanToDec"))
        return plat::Variant(numbers->RomanToDec(text)).toString();
    if (Conversion == QLatin1String("DecToHex"))
        return numbers->DecToHex(Value);
    if (Conversion == QLatin1String("DecToOct"))
        return numbers->DecToOct(Value);
    if (Conversion == QLatin1String("DecToBin"))
        return numbers->DecToBin(Value);
    if (Conversion == QLatin1String("DecToRoman"))
        return numbers->DecToRoman(Value);
    if (Conversion == QLatin1String("CSignedInteger"))
        return plat::Variant(numbers->CSignedInteger(plat::CLng(Value))).toString();
    if (Conversion == QLatin1String("CSignedLong"))
        return plat::Variant(numbers->CSignedLong(Value)).toString();
    if (Conversion == QLatin1String("CSignedLong64"))
        return numbers->CSignedLong64(Value).toString();
    if (Conversion == QLatin1String("CUnsignedInteger"))
        return plat::Variant(numbers->CUnsignedInteger(plat::CInt(Value))).toString();
    if (Conversion == QLatin1String("CUnsignedLong"))
        return numbers->CUnsignedLong(plat::CLng(Value)).toString();
    return numbers->CUnsignedLong64(Value).toString();
}

void frmNumbersDemo::cmdConvert_Click()
{
    // Errors are trapped statement by statement; the error object tells
    // the outcome.
    plat::Err::clear();
    const QString Conversion = ddConversion->Text();
    if (Conversion.isEmpty())
        return;

    plat::Variant Value;
    if (!isOneOf(Conversion, {"HexToDec", "OctToDec", "BinToDec", "RomanToDec"})) {
        const plat::Variant entered(txtToConvert->Text());
        switch (ddDataType->ListIndex()) {
        case 0:
            plat::tryStatement([&] { Value = plat::Variant(plat::CInt(entered)); });
            break;
        case 1:
        case 2:
            plat::tryStatement([&] { Value = plat::Variant(plat::CLng(entered)); });
            break;
        case 3:
        case 4:
        case 5:
            plat::tryStatement([&] { Value = plat::Variant(plat::CDec(entered)); });
            break;
        default:
            break; // no data type chosen: no value is made
        }
        if (plat::Err::number() == plat::err::TypeMismatch) {
            plat::MsgBox(LongUsageText(), plat::mb::Exclamation);
            return;
        }
        if (plat::Err::number() != 0) {
            plat::MsgBox(TooLargeText, plat::mb::Exclamation);
            return;
        }
    }

    plat::tryStatement([&] { txtConversion->setText(convert(Conversion, Value)); });

    switch (plat::Err::number()) {
    case 0:
        break;
    case zg::ZorvaneNumbers::ErrTooLarge:
        plat::MsgBox(TooLargeText, plat::mb::Exclamation, title());
        break;
    case zg::ZorvaneNumbers::ErrBadDigits:
        plat::MsgBox(ShortUsageText(), plat::mb::Exclamation, title());
        break;
    default:
        plat::MsgBox(plat::Err::last().description, plat::mb::Exclamation, title());
        break;
    }
}

// ===== Key filtering =====

bool frmNumbersDemo::conversionKeyFormat(int32_t& Format, QString& Mask) const
{
    if (ddConversion->ListIndex() < 0)
        return false;
    const QString Conversion = ddConversion->Text();
    Mask.clear();
    if (Conversion == QLatin1String("HexToDec"))
        Format = 14;
    else if (Conversion == QLatin1String("BinToDec"))
        Format = 15;
    else if (Conversion == QLatin1String("RomanToDec"))
        Format = 2;
    else if (Conversion == QLatin1String("DecToRoman")) {
        Format = 99;
        Mask = QStringLiteral("####");
    } else if (isOneOf(Conversion, {"OctToDec", "CSignedInteger", "CSignedLong", "CSignedLong64"}))
        Format = 1;
    else
        Format = 3;
    return true;
}

void frmNumbersDemo::txtNumDigits_GotFocus()
{
    zg::Miscellaneous()->ControlGotFocusHelper(txtNumDigits);
}

void frmNumbersDemo::txtNumDigits_KeyPress(int16_t& KeyAscii)
{
    KeyAscii = zg::System()->MaskKeyPress(txtNumDigits, KeyAscii, 1, QString(), 0);
}

void frmNumbersDemo::txtNumDigits_KeyDown(int16_t& KeyCode, int16_t /*Shift*/)
{
    zg::System()->MaskKeyDownUp(txtNumDigits, KeyCode, 1, QString());
}

void frmNumbersDemo::txtToConvert_GotFocus()
{
    zg::Miscellaneous()->ControlGotFocusHelper(txtToConvert);
}

void frmNumbersDemo::txtToConvert_KeyPress(int16_t& KeyAscii)
{
    int32_t Format = 0;
    QString Mask;
    if (conversionKeyFormat(Format, Mask))
        KeyAscii = zg::System()->MaskKeyPress(txtToConvert, KeyAscii, Format, Mask, 0);
}

void frmNumbersDemo::txtToConvert_KeyDown(int16_t& KeyCode, int16_t /*Shift*/)
{
    int32_t Format = 0;
    QString Mask;
    if (conversionKeyFormat(Format, Mask))
        zg::System()->MaskKeyDownUp(txtToConvert, KeyCode, Format, Mask);
}

void frmNumbersDemo::txtToConvert_KeyUp(int16_t& KeyCode, int16_t /*Shift*/)
{
    int32_t Format = 0;
    QString Mask;
    if (conversionKeyFormat(Format, Mask))
        zg::System()->MaskKeyDownUp(txtToConvert, KeyCode, Format, Mask);
}

void frmNumbersDemo::cmdClose_Click()
{
    Unload();
}

} // namespace numbersdemo
