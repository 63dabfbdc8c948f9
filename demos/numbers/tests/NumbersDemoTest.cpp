// The Numbers demo window: its start, the coupling of conversion and data
// type, the conversions with their four outcomes, random identifiers and
// the key filters, on the real library with the key masks recorded.
#include "StillMachine.h"
#include "frmNumbersDemo.h"

#include <Application.h>
#include <Buttons.h>
#include <Library.h>
#include <Lists.h>
#include <Machine.h>
#include <MsgBox.h>
#include <NumbersImpl.h>
#include <Paths.h>
#include <QtPrinters.h>
#include <Register.h>
#include <SystemImpl.h>
#include <TextBox.h>
#include <ZorvaneStrings.h>

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

using numbersdemo::frmNumbersDemo;

// The key masks as calls: what the demo asked for, and a key it answers
// with (0 drops the key).
class MaskRecordingSystem : public zg::SystemImpl {
public:
    struct Call {
        int16_t key;
        int32_t format;
        QString mask;
    };
    int16_t MaskKeyPress(const plat::ObjectPtr&, int16_t KeyAscii, int32_t Format, const QString& CustomMask,
                         int32_t) override
    {
        presses.push_back({KeyAscii, Format, CustomMask});
        return answer < 0 ? KeyAscii : answer;
    }
    void MaskKeyDownUp(const plat::ObjectPtr&, int16_t& KeyCode, int32_t Format, const QString& CustomMask) override
    {
        downUps.push_back({KeyCode, Format, CustomMask});
    }
    std::vector<Call> presses, downUps;
    int16_t answer = -1;
};

// The real conversions, with the calls counted and the random draws
// recorded.
class CountingNumbers : public zg::NumbersImpl {
public:
    int32_t CUnsignedInteger(int16_t Value) override
    {
        ++calls;
        return NumbersImpl::CUnsignedInteger(Value);
    }
    QString GenerateRandomID(int16_t Count, const plat::Variant& NumberSystem) override
    {
        ++calls;
        lastCount = Count;
        lastRadix = NumberSystem.toLong();
        return NumbersImpl::GenerateRandomID(Count, NumberSystem);
    }
    int calls = 0;
    int lastCount = -1;
    int lastRadix = -1;
};

class NumbersDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        zg::registerLibrary();
        zg::installMachine(std::make_shared<zgtest::StillMachine>());
        zg::installShared<zg::ZorvaneSystem>(system);
        zg::installShared<zg::ZorvaneNumbers>(numbers);
        plat::setLastFormUnloadedHandler([] {});
        plat::setMsgBoxHook([](const plat::MsgBoxRequest&) { return plat::mb::OK; });
        form = plat::formInstance<frmNumbersDemo>();
        form->Load();
        plat::clearMsgBoxLog();
    }
    void TearDown() override
    {
        form.reset();
        plat::resetUiForTests();
        zg::resetForTests();
        zg::installMachine(nullptr);
    }

    void choose(const std::shared_ptr<plat::ComboBox>& box, const QString& text)
    {
        for (int32_t i = 0; i < box->ListCount(); ++i)
            if (box->List(i) == text) {
                box->setListIndex(i);
                return;
            }
        FAIL() << "no entry " << text.toStdString();
    }
    // Converts the text and gives the result box's text.
    QString convert(const char* conversion, const char* type, const char* text)
    {
        choose(form->ddConversion, QString::fromLatin1(conversion));
        if (type)
            choose(form->ddDataType, QString::fromLatin1(type));
        form->txtToConvert->setText(QString::fromLatin1(text));
        form->cmdConvert->Click.raise();
        return form->txtConversion->Text();
    }
    const std::vector<plat::MsgBoxRequest>& boxes() { return plat::msgBoxLog(); }

    std::shared_ptr<MaskRecordingSystem> system = std::make_shared<MaskRecordingSystem>();
    std::shared_ptr<CountingNumbers> numbers = std::make_shared<CountingNumbers>();
    std::shared_ptr<frmNumbersDemo> form;
};

TEST_F(NumbersDemo, OpensWithCUnsignedIntegerOnAFixedIntegerAndAlphaNumericIds)
{
    EXPECT_EQ(form->Caption(), "ZorvaneGlobals 3.0 - ZorvaneNumbers Demo");
    EXPECT_EQ(form->ddConversion->Text(), "CUnsignedInteger");
    EXPECT_EQ(form->ddDataType->ListIndex(), 0);
    EXPECT_FALSE(form->ddDataType->Enabled());
    EXPECT_TRUE(form->cmdConvert->Enabled());
    EXPECT_EQ(form->ddNumberSys->Text(), "AlphaNumeric");
    EXPECT_EQ(form->txtNumDigits->Text(), "16");
    EXPECT_EQ(form->ddConversion->ListCount(), 14);
    EXPECT_EQ(form->ddConversion->List(13), "CUnsignedLong64");
    EXPECT_EQ(form->ddNumberSys->ItemData(3), 16);
    EXPECT_EQ(form->lblGeneric.Count(), 8);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(NumbersDemo, ConversionsGiveExactResultsAtTheRangeEdges)
{
    EXPECT_EQ(convert("CUnsignedInteger", nullptr, "-1"), "65535");
    EXPECT_EQ(convert("CSignedInteger", nullptr, "65535"), "-1");
    EXPECT_EQ(convert("CSignedLong", nullptr, "4294967295"), "-1");
    EXPECT_EQ(convert("CUnsignedLong", nullptr, "-2147483648"), "2147483648");
    EXPECT_EQ(convert("CSignedLong64", nullptr, "18446744073709551615"), "-1");
    EXPECT_EQ(convert("CUnsignedLong64", nullptr, "-1"), "18446744073709551615");
    EXPECT_EQ(convert("DecToHex", "Integer", "-1"), "FFFF");
    EXPECT_EQ(convert("DecToHex", "Long", "-1"), "FFFFFFFF");
    EXPECT_EQ(convert("DecToHex", "Long64", "-1"), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(convert("DecToOct", "Long64", "9223372036854775807"), "777777777777777777777");
    EXPECT_EQ(convert("DecToBin", "Integer", "-32768"), "1000000000000000");
    EXPECT_EQ(convert("HexToDec", "UInteger", "ffff"), "65535");
    EXPECT_EQ(convert("HexToDec", "ULong64", "FFFFFFFFFFFFFFFF"), "18446744073709551615");
    EXPECT_EQ(convert("OctToDec", "Integer", "177777"), "-1");
    EXPECT_EQ(convert("BinToDec", "Long", "11111111111111111111111111111111"), "-1");
    EXPECT_EQ(convert("RomanToDec", nullptr, "mcmxciv"), "1994");
    EXPECT_EQ(convert("DecToRoman", nullptr, "3999"), "MMMCMXCIX");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(NumbersDemo, AValueTooLargeForTheIntegerIsReportedUntitledWithoutCallingTheLibrary)
{
    form->txtConversion->setText("before");
    EXPECT_EQ(convert("CUnsignedInteger", nullptr, "70000"), "before");
    EXPECT_EQ(numbers->calls, 0);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].prompt, "The value you entered was too large for the conversion... try a smaller value.");
    EXPECT_EQ(boxes()[0].title, plat::appTitle());
    EXPECT_EQ(boxes()[0].style, plat::mb::Exclamation);
}

TEST_F(NumbersDemo, TextThatIsNoNumberShowsTheLongUsageText)
{
    EXPECT_EQ(convert("DecToHex", "Integer", "12x"), "");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].title, plat::appTitle());
    const QString LB1 = zg::Strings()->LineBreaks();
    const QString text = boxes()[0].prompt;
    EXPECT_TRUE(text.startsWith("The text for the value you entered contained characters not accepted as a valid "
                                "number... try a different value."
                                + zg::Strings()->LineBreaks(2) + "USAGE:" + zg::Strings()->LineBreaks(2)
                                + "     DecToHex, DecToBin, DecToOct, and DecToRoman only allow characters '0' "
                                  "through '9'"
                                + LB1));
    EXPECT_TRUE(text.contains(LB1 + "     RomanToDec only allows 'i','v','x','l','c',and 'm' (Case doesn't matter)"
                              + LB1));
    EXPECT_TRUE(text.endsWith(LB1 + "     All of the other functions allow only '0' through '9')"));
    EXPECT_EQ(text.split(LB1).size(), 10); // two double breaks and five single ones
    EXPECT_EQ(frmNumbersDemo::ShortUsageText().split(LB1).size(), 9);
    EXPECT_FALSE(frmNumbersDemo::ShortUsageText().contains("Roman"));
}

TEST_F(NumbersDemo, LibraryErrorsShowTheTitledWarnings)
{
    form->txtConversion->setText("before");
    EXPECT_EQ(convert("HexToDec", "Integer", "10000"), "before");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].title, "ZorvaneNumbers 3.0 Demo");
    EXPECT_EQ(boxes()[0].prompt, "The value you entered was too large for the conversion... try a smaller value.");

    EXPECT_EQ(convert("HexToDec", "Integer", "12G"), "before");
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[1].title, "ZorvaneNumbers 3.0 Demo");
    EXPECT_EQ(boxes()[1].prompt, frmNumbersDemo::ShortUsageText());

    // Any other error: its description.
    EXPECT_EQ(convert("DecToRoman", nullptr, "0"), "before");
    ASSERT_EQ(boxes().size(), 3u);
    EXPECT_EQ(boxes()[2].title, "ZorvaneNumbers 3.0 Demo");
    EXPECT_EQ(boxes()[2].prompt, "Roman numerals stand for the whole numbers 1 to 3999.");
}

TEST_F(NumbersDemo, ConversionAndDataTypeStayCoupled)
{
    choose(form->ddConversion, "HexToDec");
    EXPECT_TRUE(form->ddDataType->Enabled());
    choose(form->ddDataType, "ULong64");
    choose(form->ddConversion, "DecToBin");
    EXPECT_EQ(form->ddDataType->Text(), "Long64");
    EXPECT_TRUE(boxes().empty());

    choose(form->ddDataType, "ULong");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].title, "ZorvaneNumbers 3.0 Demo");
    EXPECT_EQ(boxes()[0].style, plat::mb::Information);
    EXPECT_EQ(boxes()[0].prompt, "The DecToBin function does not accept Unsigned Longs as an input parameter... "
                                 "selecting Long data type instead.");
    EXPECT_EQ(form->ddDataType->Text(), "Long");

    choose(form->ddConversion, "RomanToDec");
    EXPECT_EQ(form->ddDataType->Text(), "Integer");
    choose(form->ddDataType, "Long64");
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[1].prompt, "The RomanToDec function only supports Integer data types... selecting Integer "
                                 "data type instead.");
    EXPECT_EQ(form->ddDataType->Text(), "Integer");

    choose(form->ddConversion, "CSignedLong64");
    EXPECT_EQ(form->ddDataType->Text(), "ULong64");
    EXPECT_FALSE(form->ddDataType->Enabled());
    choose(form->ddConversion, "CSignedInteger");
    EXPECT_EQ(form->ddDataType->Text(), "Long");
    EXPECT_EQ(boxes().size(), 2u);
}

TEST_F(NumbersDemo, RandomIdsTakeTheRoundedLeadingNumberAndTheRadix)
{
    choose(form->ddNumberSys, "Binary");
    form->cmdRandomID->Click.raise();
    EXPECT_EQ(numbers->lastCount, 16);
    EXPECT_EQ(numbers->lastRadix, 2);
    EXPECT_EQ(form->txtRandomID->Text().size(), 16);

    const std::pair<const char*, int> counts[] = {{"", 0}, {"2.5", 2}, {"3.5", 4}, {"12 digits", 12}, {"abc", 0}};
    for (const auto& [text, count] : counts) {
        form->txtNumDigits->setText(text);
        form->cmdRandomID->Click.raise();
        EXPECT_EQ(numbers->lastCount, count) << text;
    }
    EXPECT_TRUE(boxes().empty());
}

TEST_F(NumbersDemo, ADigitCountBeyondSixteenBitsIsReportedAndTheProgramGoesOn)
{
    form->txtRandomID->setText("old");
    form->txtNumDigits->setText("70000");
    form->cmdRandomID->Click.raise();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(boxes()[0].prompt.startsWith("Run-time error '6':"));
    EXPECT_EQ(form->txtRandomID->Text(), "old");
    EXPECT_EQ(numbers->calls, 0);

    form->txtNumDigits->setText("8");
    form->cmdRandomID->Click.raise();
    EXPECT_EQ(form->txtRandomID->Text().size(), 8);
}

TEST_F(NumbersDemo, KeysAreFilteredByTheChosenConversionsFormat)
{
    struct Case {
        const char* conversion;
        int32_t format;
        const char* mask;
    } cases[] = {{"HexToDec", 14, ""}, {"BinToDec", 15, ""}, {"RomanToDec", 2, ""}, {"DecToRoman", 99, "####"},
                 {"OctToDec", 1, ""},  {"CSignedLong64", 1, ""}, {"DecToHex", 3, ""}, {"CUnsignedLong", 3, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.conversion);
        choose(form->ddConversion, QString::fromLatin1(c.conversion));
        system->presses.clear();
        system->downUps.clear();
        int16_t key = 'G';
        system->answer = 0;
        form->txtToConvert->KeyPress.raise(key);
        EXPECT_EQ(key, 0);
        int16_t code = 71, shift = 0;
        form->txtToConvert->KeyDown.raise(code, shift);
        form->txtToConvert->KeyUp.raise(code, shift);
        ASSERT_EQ(system->presses.size(), 1u);
        EXPECT_EQ(system->presses[0].format, c.format);
        EXPECT_EQ(system->presses[0].mask, c.mask);
        ASSERT_EQ(system->downUps.size(), 2u);
        EXPECT_EQ(system->downUps[1].format, c.format);
    }
    // No conversion chosen: keys pass unfiltered.
    form->ddConversion->setListIndex(-1);
    system->presses.clear();
    int16_t key = 'x';
    form->txtToConvert->KeyPress.raise(key);
    EXPECT_EQ(key, 'x');
    EXPECT_TRUE(system->presses.empty());

    // The digit count takes numbers; it has no key-up filter.
    int16_t digit = '5', code = 53, shift = 0;
    system->answer = -1;
    system->downUps.clear();
    form->txtNumDigits->KeyPress.raise(digit);
    form->txtNumDigits->KeyDown.raise(code, shift);
    form->txtNumDigits->KeyUp.raise(code, shift);
    ASSERT_EQ(system->presses.size(), 1u);
    EXPECT_EQ(system->presses[0].format, 1);
    ASSERT_EQ(system->downUps.size(), 1u);
    EXPECT_EQ(system->downUps[0].format, 1);
}

} // namespace
