// The button's public members: the toggling Value and its groups, the
// colours that follow each other, clamps and range errors, and which
// changes repaint and notify.
#include "ButtonHostSupport.h"
#include "QtPrinters.h"

#include <Error.h>
#include <Font.h>

using namespace buttonhost;

namespace {

class ButtonPropertiesTest : public HostTest {
protected:
    static int32_t errorOf(const std::function<void()>& f)
    {
        try {
            f();
        } catch (const plat::RuntimeError& e) {
            return e.number();
        }
        return 0;
    }
};

} // namespace

TEST_F(ButtonPropertiesTest, ValueOnAPushButtonClicksAndSpringsBack)
{
    load({{"A"}});
    auto a = button("A");
    a->clearChangedProperties();
    a->setValue(true);
    EXPECT_FALSE(a->Value());
    a->setValue(true);
    a->setValue(false); // the value it has: nothing at all
    EXPECT_EQ(takeLog(), QStringList({"A.Click", "A.Click"}));
    EXPECT_EQ(a->changedProperties(), QStringList({"Value", "Value"}));
}

TEST_F(ButtonPropertiesTest, SwitchingOnTurnsOffTheOtherMembersOfItsGroupOnly)
{
    load({{"A"}, {"B"}, {"Upper"}, {"Plain"}, {"Blank1"}, {"Blank2"}});
    const std::pair<const char*, const char*> members[] = {{"A", "g"},     {"B", "g"},      {"Upper", "G"},
                                                           {"Plain", ""}, {"Blank1", "  "}, {"Blank2", "  "}};
    for (const auto& [name, group] : members) {
        button(name)->setButtonToggles(1);
        button(name)->setToggleGroup(QString::fromLatin1(group));
        if (QLatin1String(name) != QLatin1String("B"))
            button(name)->setValue(true);
    }
    takeLog();
    button("B")->setValue(true);
    EXPECT_EQ(takeLog(), QStringList({"A.Click", "B.Click"}));
    EXPECT_FALSE(button("A")->Value());
    EXPECT_FALSE(button("A")->Delegate()->Value());
    for (const char* n : {"B", "Upper", "Plain", "Blank1", "Blank2"})
        EXPECT_TRUE(button(n)->Value()) << n;

    // Joining a group while on switches its members off as well.
    button("Upper")->setToggleGroup(QStringLiteral("g"));
    EXPECT_EQ(takeLog(), QStringList({"B.Click"}));
}

TEST_F(ButtonPropertiesTest, AHostMayCreateAndRemoveButtonsInsideAGroupClick)
{
    load({{"A"}, {"C"}, {"B"}});
    for (const char* n : {"A", "C", "B"}) {
        button(n)->setButtonToggles(1);
        button(n)->setToggleGroup(QStringLiteral("g"));
    }
    auto a = button("A"), b = button("B");
    auto c = button("C");
    a->setValue(true);
    c->settings().Value = true; // two on at once, as after a careless load
    c->Delegate()->setValue(true);
    ButtonPtr created;
    a->Click.connect([&] {
        log << "A.Click";
        c->terminate(); // the walk has not reached it yet
        created = std::make_shared<InternalZSButton>();
        created->initialize();
        created->setButtonToggles(1);
        created->setToggleGroup(QStringLiteral("g"));
        created->settings().Value = true;
        created->Delegate()->setValue(true);
    });
    takeLog();
    b->setValue(true);
    EXPECT_EQ(takeLog(), QStringList({"A.Click", "B.Click"}));
    EXPECT_TRUE(created->Value()); // joined after the walk began
    created->terminate();
}

TEST_F(ButtonPropertiesTest, ButtonTogglesSetsValueAndLowering)
{
    load({{"A"}});
    auto a = button("A");
    a->setButtonToggles(1);
    a->setValue(true);
    takeLog();
    a->clearChangedProperties();
    a->setButtonToggles(0);
    EXPECT_FALSE(a->Value());
    EXPECT_FALSE(a->Delegate()->Value());
    EXPECT_TRUE(log.isEmpty()); // no Click
    EXPECT_EQ(a->changedProperties(), QStringList({"Value", "ButtonToggles"}));

    a->setButtonToggles(2);
    EXPECT_FALSE(a->LowerToggledContent());
    a->setLowerToggledContent(true);
    a->setButtonToggles(3);
    EXPECT_TRUE(a->LowerToggledContent());
    a->setLowerToggledContent(false);
    a->setButtonToggles(1);
    EXPECT_TRUE(a->LowerToggledContent());
}

TEST_F(ButtonPropertiesTest, TextShadowDepthIsKeptWithinRange)
{
    load({{"A"}});
    auto a = button("A");
    for (const auto& [given, kept] : {std::pair<int16_t, int16_t>{-5, 0}, {100, 64}, {64, 64}, {7, 7}}) {
        a->setTextShadowDepth(given);
        EXPECT_EQ(a->TextShadowDepth(), kept) << given;
    }
}

TEST_F(ButtonPropertiesTest, CaptionColoursFollowTheColourTheyEqualled)
{
    load({{"A"}, {"B"}});
    auto a = button("A");
    a->clearChangedProperties();
    a->setForeColor(0xFF);
    a->setForeColor(0xFF); // unchanged: nothing
    for (plat::Colour c : {a->ForeColor(), a->ColorHoverText(), a->ColorToggledText(), a->ColorToggledHoverText()})
        EXPECT_EQ(c, 0xFFu);
    EXPECT_EQ(a->changedProperties(),
              QStringList({"ColorHoverText", "ColorToggledText", "ColorToggledHoverText", "ForeColor"}));

    // A colour of its own stays; each compares with the old value only.
    auto b = button("B");
    b->setColorHoverText(0xFF00); // the toggled hover colour follows
    b->setForeColor(0xFF);
    EXPECT_EQ(b->ColorHoverText(), 0xFF00u);
    EXPECT_EQ(b->ColorToggledText(), 0xFFu);
    EXPECT_EQ(b->ColorToggledHoverText(), 0xFF00u);
    b->setColorToggledHoverText(0xFF);
    b->setColorToggledText(0x123456);
    EXPECT_EQ(b->ColorToggledHoverText(), 0x123456u);
}

TEST_F(ButtonPropertiesTest, BackColorAndColorButtonAreOneSetting)
{
    load({{"A"}});
    auto a = button("A");
    a->clearChangedProperties();
    a->setBackColor(0x00FF00);
    EXPECT_EQ(a->ColorButton(), 0x00FF00u);
    a->setColorButton(0x0000FF);
    EXPECT_EQ(a->BackColor(), 0x0000FFu);
    EXPECT_EQ(a->changedProperties(), QStringList({"BackColor", "ColorButton", "BackColor", "ColorButton"}));
    EXPECT_EQ(a->Picture()->image().pixel(10, 10) & 0xFFFFFF, 0xFF0000u);
}

TEST_F(ButtonPropertiesTest, TheFlatStyleTurnsTheFocusRectangleOffForGood)
{
    load({{"A"}});
    auto a = button("A");
    a->clearChangedProperties();
    a->setButtonStyle(1);
    a->setButtonStyle(0);
    a->setButtonStyle(0); // unchanged: nothing
    EXPECT_FALSE(a->DrawFocusRectangle());
    EXPECT_EQ(a->changedProperties(), QStringList({"DrawFocusRectangle", "ButtonStyle", "ButtonStyle"}));
}

TEST_F(ButtonPropertiesTest, WithoutAMouseIconTheSurfaceShowsTheDefaultCursor)
{
    load({{"A"}});
    auto a = button("A");
    a->setMouseIcon(nullptr);
    EXPECT_EQ(a->MouseIcon(), nullptr);
    ASSERT_TRUE(a->plat::Control::MouseIcon());
    EXPECT_EQ(a->plat::Control::MouseIcon()->hotSpot(), QPoint(15, 10));
    const auto icon = buttontest::solidPicture(32, 32, qRgb(1, 2, 3));
    a->setMouseIcon(icon);
    EXPECT_EQ(a->MouseIcon(), icon);
    EXPECT_EQ(a->plat::Control::MouseIcon(), icon);
}

TEST_F(ButtonPropertiesTest, SixteenBitSettingsRaiseOverflowAndKeepTheirValue)
{
    load({{"A"}});
    auto a = button("A");
    a->setMousePointer(11);
    a->clearChangedProperties();
    EXPECT_EQ(errorOf([&] { a->setMousePointer(40000); }), plat::err::Overflow);
    EXPECT_EQ(errorOf([&] { a->setOLEDropMode(70000); }), plat::err::Overflow);
    EXPECT_EQ(errorOf([&] { a->setPaletteMode(-40000); }), plat::err::Overflow);
    EXPECT_EQ(a->MousePointer(), 11);
    EXPECT_EQ(a->OLEDropMode(), 0);
    EXPECT_EQ(a->PaletteMode(), 3);
    EXPECT_TRUE(a->changedProperties().isEmpty());
}

TEST_F(ButtonPropertiesTest, DataValueChangesOnlyWhenTheContainerAllows)
{
    load({{"A"}});
    auto a = button("A");
    a->setCanPropertyChangeAnswer([](const QString& name) { return name != QLatin1String("DataValue"); });
    a->setDataValue(true);
    EXPECT_FALSE(a->DataValue());
    // A toggle's Value goes into DataValue through the same question.
    a->setCanPropertyChangeAnswer(nullptr);
    a->setButtonToggles(1);
    a->setValue(true);
    EXPECT_TRUE(a->DataValue());
}

TEST_F(ButtonPropertiesTest, FontIsTheSurfacesOwnObject)
{
    load({{"A"}});
    auto a = button("A");
    auto f = plat::Font::make(QStringLiteral("Arial"), 12);
    a->setFont(f);
    a->setFontBold(true);
    EXPECT_EQ(a->Font(), f);
    EXPECT_TRUE(f->Bold());
}

TEST_F(ButtonPropertiesTest, SettersRepaintEvenWhenUnchangedButSomeOnlyNotify)
{
    load({{"A"}});
    auto a = button("A");
    countPaints();
    a->setAlignment(2);
    a->setAlignment(2);
    a->RefreshButton();
    EXPECT_EQ(paints, 3);

    paints = 0;
    a->clearChangedProperties();
    a->setDisplayPersistentHover(false);
    a->setToggleGroup(QStringLiteral("x"));
    a->setOLEDropMode(1);
    a->setScaleMode(3);
    a->setPalette(nullptr);
    EXPECT_EQ(paints, 0);
    EXPECT_EQ(a->changedProperties(),
              QStringList({"DisplayPersistentHover", "ToggleGroup", "OLEDropMode", "ScaleMode", "Palette"}));
    EXPECT_EQ(a->Delegate()->ToggleGroup(), "x");
}

TEST_F(ButtonPropertiesTest, SettingsBeforeTheFirstSizingOnlyStore)
{
    auto b = std::make_shared<InternalZSButton>();
    b->initialize();
    countPaints();
    b->setCaption(QStringLiteral("&Later"));
    b->setButtonStyle(1);
    EXPECT_EQ(paints, 0);
    EXPECT_EQ(b->AccessKeys(), "L");
    b->Size(60 * 15, 20 * 15); // the first sizing paints
    EXPECT_EQ(paints, 1);
    b->terminate();
}
