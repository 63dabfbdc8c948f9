// The button's settings in the host's design data: the defaults of a new
// button, what is written and in which order, reading back with the steps
// that follow it, and the life cycle around them.
#include "ButtonHostSupport.h"
#include "QtPrinters.h"

#include <Font.h>
#include <PropertyBag.h>

using namespace buttonhost;

namespace {

class ButtonPersistenceTest : public HostTest {
protected:
    // A button standing alone that reads `values`; its Clicks are logged.
    ButtonPtr readAlone(const char* name, std::initializer_list<std::pair<const char*, plat::Variant>> values)
    {
        plat::PropertyBag bag;
        for (const auto& [key, value] : values)
            bag.WriteProperty(QString::fromLatin1(key), value, plat::Variant::missing());
        auto b = std::make_shared<InternalZSButton>();
        b->initialize();
        const QString n = QString::fromLatin1(name);
        b->Click.connect([this, n] { log << n + ".Click"; });
        b->readProperties(bag);
        alone.push_back(b);
        return b;
    }
    void TearDown() override
    {
        for (const auto& b : alone)
            b->terminate();
        HostTest::TearDown();
    }
    static plat::PropertyBag written(const ButtonPtr& b)
    {
        plat::PropertyBag bag;
        b->writeProperties(bag);
        return bag;
    }
    std::vector<ButtonPtr> alone;
};

} // namespace

TEST_F(ButtonPersistenceTest, ANewButtonAndAnEmptyBagGiveTheDefaultsAndWriteOnlyTheFont)
{
    load({{"Fresh"}, {"Empty", "ZSButton", 100, 10, 80, 30, plat::PropertyBag()}});
    for (const char* n : {"Fresh", "Empty"}) {
        SCOPED_TRACE(n);
        auto b = button(n);
        // Every value equals its default, so only the font object is kept.
        EXPECT_EQ(written(b).keys(), QStringList({"Font"}));
        EXPECT_EQ(b->Caption(), n);
        EXPECT_TRUE(b->Font()->sameValue(*form->containerFont()));
        EXPECT_NE(b->Font(), form->containerFont());
        ASSERT_TRUE(b->MouseIcon());
        EXPECT_TRUE(b->MouseIcon()->isEmpty());
        EXPECT_EQ(b->plat::Control::MouseIcon()->hotSpot(), QPoint(15, 10));
        EXPECT_EQ(b->Alignment(), 2);
        EXPECT_TRUE(b->DisplayPersistentHover());
        EXPECT_TRUE(b->UseMaskColor());
        EXPECT_EQ(b->MaskColor(), 0xC0C0C0u);
        EXPECT_EQ(b->PaletteMode(), 3);
        EXPECT_TRUE(b->Picture()); // painted once sized
    }
}

TEST_F(ButtonPersistenceTest, ARoundTripKeepsEverySettingInTheWritingOrder)
{
    load({{"A"}});
    auto a = button("A");
    using buttontest::solidPicture;
    a->setButtonStyle(1); // turns DrawFocusRectangle off
    a->setButtonStyle(2);
    a->setButtonPositionImage(3);
    a->setButtonContentSpacing(4);
    a->setCaption(QStringLiteral("&Hello"));
    a->setCaptionToggled(QStringLiteral("On"));
    a->setAutoSize(true);
    a->setBackColor(0x112233);
    a->setForeColor(0x445566);
    a->setEnabled(false);
    a->setFont(plat::Font::make(QStringLiteral("Arial"), 12));
    a->setFontUnderline(true);
    a->setFontTransparent(false);
    a->setFontStrikethru(true);
    a->setFontItalic(true);
    a->setFontBold(true);
    a->setMouseIcon(solidPicture(32, 32, qRgb(9, 9, 9)));
    a->setMousePointer(99);
    a->setOLEDropMode(1);
    a->setBackStyle(0);
    a->setButtonImage(solidPicture(20, 10, qRgb(255, 0, 0)));
    a->setButtonImageUp(solidPicture(21, 10, qRgb(0, 255, 0)));
    a->setButtonImageDown(solidPicture(22, 10, qRgb(0, 0, 255)));
    a->setButtonImageHover(solidPicture(23, 10, qRgb(255, 255, 0)));
    a->setColorHighlight(0x010101);
    a->setColorHoverText(0x020202);
    a->setColorShadow(0x030303);
    a->setColorOutline(0x040404);
    a->setButtonToggles(1);
    a->setValue(true); // DataValue follows
    a->setButtonToggles(2);
    a->setAcclimateGrayTones(true);
    a->setDisplayPersistentHover(false);
    a->setAlignment(0);
    a->setAlignmentVertical(1);
    a->setScaleMode(1);
    a->setDisabledImageExtraction(3);
    a->setMaskColor(0xFF00FF);
    a->setUseMaskColor(false);
    a->setRightToLeft(true);
    a->setButtonImageToggled(solidPicture(24, 10, qRgb(0, 255, 255)));
    a->setColorToggledText(0x050505);
    a->setColorToggledHoverText(0x060606);
    a->setTextShadow(1);
    a->setTextShadowDepth(5);
    a->setColorTextShadow(0x070707);
    a->setAlignmentIgnoreImage(true);
    a->setToggleGroup(QStringLiteral("grp"));
    a->setPalette(solidPicture(4, 4, qRgb(1, 2, 3)));
    a->setPaletteMode(1);

    const plat::DesignData saved = form->writeDesign();
    const plat::PropertyBag before = saved.find(QStringLiteral("A"))->bag;
    EXPECT_EQ(before.keys(),
              QStringList({"ButtonStyle", "ButtonPositionImage", "ButtonContentSpacing", "Caption", "AutoSize",
                           "BackColor", "ForeColor", "Enabled", "FontUnderline", "FontTransparent", "FontStrikethru",
                           "FontSize", "FontName", "FontItalic", "FontBold", "Font", "MouseIcon", "MousePointer",
                           "OLEDropMode", "BackStyle", "ButtonImage", "ButtonImageUp", "ButtonImageDown",
                           "ButtonImageHover", "ColorButton", "ColorHighlight", "ColorHoverText", "ColorShadow",
                           "ColorOutline", "Value", "DataValue", "ButtonToggles", "AcclimateGrayTones",
                           "DisplayPersistentHover", "Alignment", "AlignmentVertical", "DrawFocusRectangle",
                           "ScaleMode", "DisabledImageExtraction", "MaskColor", "UseMaskColor", "RightToLeft",
                           "ButtonImageToggled", "ColorToggledText", "ColorToggledHoverText", "LowerToggledContent",
                           "TextShadow", "TextShadowDepth", "ColorTextShadow", "AlignmentIgnoreImage",
                           "CaptionToggled", "ToggleGroup", "Palette", "PaletteMode"}));

    // Loaded again and written again, the same values come out.
    form->discard();
    loadDesign(saved);
    auto b = button("A");
    const plat::PropertyBag after = written(b);
    ASSERT_EQ(after.keys(), before.keys());
    for (const QString& key : before.keys())
        EXPECT_EQ(plat::PropertyMap::valueToJson(key, after.ReadProperty(key)),
                  plat::PropertyMap::valueToJson(key, before.ReadProperty(key)))
            << key.toStdString();
    // What goes beyond the fields: the notifier, the access key, the surface.
    EXPECT_TRUE(b->Delegate()->Value());
    EXPECT_EQ(b->Delegate()->ToggleGroup(), "grp");
    EXPECT_EQ(b->AccessKeys(), "H");
    EXPECT_FALSE(b->Enabled());
    EXPECT_EQ(b->plat::Control::MousePointer(), 99);
}

TEST_F(ButtonPersistenceTest, TheCaptionDefaultsToTheControlsCurrentName)
{
    load({{"A"}});
    plat::DesignData saved = form->writeDesign();
    form->discard();
    plat::ControlDesign* d = saved.find(QStringLiteral("A"));
    EXPECT_FALSE(d->bag.contains(QStringLiteral("Caption")));
    d->name = QStringLiteral("Renamed");
    loadDesign(saved);
    EXPECT_EQ(button("Renamed")->Caption(), "Renamed");
}

TEST_F(ButtonPersistenceTest, OfTwoSavedGroupMembersThatAreOnTheLaterWins)
{
    auto first = readAlone("First", {{"ButtonToggles", 1}, {"Value", true}, {"ToggleGroup", "g"}});
    auto second = readAlone("Second", {{"ButtonToggles", 1}, {"Value", true}, {"ToggleGroup", "g"}});
    EXPECT_FALSE(first->Value());
    EXPECT_TRUE(second->Value());
    // The earlier one switched off through its Value: host code ran.
    EXPECT_EQ(takeLog(), QStringList({"First.Click"}));
}

TEST_F(ButtonPersistenceTest, ReadingTakesValuesAsSaved)
{
    auto b = readAlone("B", {{"Value", true},
                             {"TextShadowDepth", int16_t(100)},
                             {"MouseIcon", plat::Picture::empty()},
                             {"Caption", "&Save"},
                             {"Alignment", "left"},
                             {"ButtonStyle", "1"}});
    EXPECT_TRUE(b->Value()); // no correction for a push button, no Click
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(b->TextShadowDepth(), 100); // not clamped
    EXPECT_TRUE(b->MouseIcon()->isEmpty());
    EXPECT_FALSE(b->plat::Control::MouseIcon()->isEmpty());
    EXPECT_EQ(b->AccessKeys(), "S");
    EXPECT_EQ(b->Alignment(), 2);   // unreadable: kept
    EXPECT_EQ(b->ButtonStyle(), 1); // converted
}

TEST_F(ButtonPersistenceTest, SizingPaintsUnlessTheButtonIsSizingItself)
{
    load({{"A"}});
    auto a = button("A");
    countPaints();
    a->runtime().IsAutoSizing = true;
    a->runtime().BackgroundDirty = false;
    a->UserControl_Resize();
    EXPECT_EQ(paints, 0);
    EXPECT_TRUE(a->runtime().BackgroundDirty);
    a->runtime().IsAutoSizing = false;
    a->UserControl_Resize();
    EXPECT_EQ(paints, 1);
}

TEST_F(ButtonPersistenceTest, UnloadingTakesTheNotifiersOutOfTheRegistry)
{
    load({{"A"}, {"B"}});
    EXPECT_EQ(button::ZorvaneButtonGlobals::ButtonNotifiers().Count(), 2);
    form->discard();
    EXPECT_EQ(button::ZorvaneButtonGlobals::ButtonNotifiers().Count(), 0);
}
