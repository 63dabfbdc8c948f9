// The control's properties: values carried to the bars that still hold the
// old one, the setters that redraw and mark only on a change, the ones that
// mark without comparing, and PreventRefresh.
#include "ListBarControlSupport.h"

#include <gtest/gtest.h>

namespace listbar::testing {
namespace {

TEST(ListBarControlPropertiesTest, SharedColourReachesOnlyBarsOnTheOldValue)
{
    ListBarHarness h;
    auto plain = h.bars().Add(QStringLiteral("Plain"));
    auto custom = h.bars().Add(QStringLiteral("Custom"));
    custom->ColorButton(0x123456);
    h.control->clearChangedProperties();
    const double before = h.passes();

    h.control->setColorButton(0x00FF00);
    EXPECT_EQ(plain->ColorButton(), 0x00FF00u);
    EXPECT_EQ(custom->ColorButton(), 0x123456u);
    EXPECT_EQ(h.control->ColorButton(), 0x00FF00u);
    EXPECT_GT(h.passes(), before);
    EXPECT_EQ(h.changed(), QStringList{QStringLiteral("ColorButton")});
    EXPECT_EQ(h.bars().Add(QStringLiteral("Later"))->ColorButton(), 0x00FF00u);

    // The same value again: no bar, no redraw, no mark.
    h.control->clearChangedProperties();
    const double after = h.passes();
    h.control->setColorButton(0x00FF00);
    EXPECT_EQ(h.passes(), after);
    EXPECT_TRUE(h.changed().isEmpty());

    // The control's own shadow and selection colours never reach a bar.
    h.control->setColorShadow(0x0000FF);
    h.control->setColorSelection(0x0000FF);
    EXPECT_NE(plain->ColorShadow(), 0x0000FFu);
}

TEST(ListBarControlPropertiesTest, ForeColorMovesBarTextAndHoverInOneRedraw)
{
    ListBarHarness h;
    auto following = h.bars().Add(QStringLiteral("Following"));
    auto own = h.bars().Add(QStringLiteral("Own"));
    own->ColorText(0x111111);
    // A new bar's hover colour is the fore colour while the control's text
    // and hover colours are the same.
    ASSERT_EQ(following->ColorTextHover(), h.control->ForeColor());
    const double before = h.passes();

    h.control->setForeColor(0x00AAFF);
    EXPECT_EQ(following->ColorText(), 0x00AAFFu);
    EXPECT_EQ(following->ColorTextHover(), 0x00AAFFu);
    EXPECT_EQ(own->ColorText(), 0x111111u);
    EXPECT_EQ(h.passes(), before + 1); // the bars' own redraw requests stay unpainted
    EXPECT_FALSE(h.control->Delegate()->PreventRefresh);

    h.control->Delegate()->PreventRefresh = true;
    h.control->setBackColor(0x222222);
    EXPECT_EQ(following->ColorShadow(), 0x222222u);
    EXPECT_FALSE(h.control->Delegate()->PreventRefresh); // always cleared afterwards
}

TEST(ListBarControlPropertiesTest, ColorTextTakesTheHoverColourAlongWhileEqual)
{
    ListBarHarness h;
    auto bar = h.bars().Add(QStringLiteral("Bar"));
    const plat::Colour barText = bar->ColorText();

    h.control->setColorText(0x0000FF);
    EXPECT_EQ(h.control->ColorTextHover(), 0x0000FFu);
    EXPECT_EQ(h.changed(), (QStringList{QStringLiteral("ColorTextHover"), QStringLiteral("ColorText")}));
    EXPECT_EQ(bar->ColorText(), barText); // bars follow ForeColor, not ColorText

    h.control->clearChangedProperties();
    h.control->setColorTextHover(0x00FF00);
    h.control->setColorText(0xFF0000);
    EXPECT_EQ(h.control->ColorTextHover(), 0x00FF00u);
    EXPECT_EQ(h.changed(), (QStringList{QStringLiteral("ColorTextHover"), QStringLiteral("ColorText")}));
}

TEST(ListBarControlPropertiesTest, ImageSizeBelowTwoCountsAsTwoForTheBars)
{
    ListBarHarness h;
    h.control->setButtonImageSize(0);
    auto bar = h.bars().Add(QStringLiteral("Bar"));
    EXPECT_EQ(h.control->ButtonImageSize(), 0);
    EXPECT_EQ(bar->ButtonImageSize(), 2);

    h.control->setButtonImageSize(40);
    EXPECT_EQ(bar->ButtonImageSize(), 40);
    EXPECT_EQ(h.control->ButtonImageSize(), 40);
}

TEST(ListBarControlPropertiesTest, FontAttributesFollowOnlyMatchingBarsAndRemeasure)
{
    ListBarHarness h;
    auto plain = h.bars().Add(QStringLiteral("Plain"));
    auto bold = h.bars().Add(QStringLiteral("Bold"));
    bold->ButtonFontBold(true);
    auto button = plain->Buttons()->Add(QStringLiteral("Caption"), 1);
    const int32_t normalWidth = button->TextWidth();
    const plat::FontPtr font = h.control->Font();

    h.control->setFontSize(24);
    EXPECT_FLOAT_EQ(plain->ButtonFontSize(), 24.0f);
    EXPECT_GT(button->TextWidth(), normalWidth); // captions measured again
    EXPECT_EQ(h.control->Font(), font);          // the same object, changed
    EXPECT_DOUBLE_EQ(font->Size(), 24.0);

    h.control->setFontBold(true);
    EXPECT_TRUE(plain->ButtonFontBold());
    h.control->setFontBold(false);
    EXPECT_FALSE(plain->ButtonFontBold());
    EXPECT_FALSE(bold->ButtonFontBold()); // was on the control's value, follows

    h.control->clearChangedProperties();
    h.control->setFontName(font->Name()); // unchanged: nothing
    EXPECT_TRUE(h.changed().isEmpty());
}

TEST(ListBarControlPropertiesTest, FontObjectReplacesEveryBarsFontUnlessAllAttributesMatch)
{
    ListBarHarness h;
    auto bar = h.bars().Add(QStringLiteral("Bar"));
    bar->ButtonFontName(QStringLiteral("Courier New"));

    auto same = h.control->Font()->clone();
    h.control->setFont(same);
    EXPECT_NE(h.control->Font(), same); // equal attributes: the old object stays
    EXPECT_TRUE(h.changed().isEmpty());

    auto other = plat::Font::make(QStringLiteral("Times New Roman"), 12);
    h.control->setFont(other);
    EXPECT_EQ(h.control->Font(), other); // shared with the host
    EXPECT_EQ(bar->ButtonFontName(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(h.changed(), QStringList{QStringLiteral("Font")});

    // A change made on the object itself reaches no bar and marks nothing.
    other->setBold(true);
    EXPECT_FALSE(bar->ButtonFontBold());
    EXPECT_EQ(h.changed(), QStringList{QStringLiteral("Font")});
}

TEST(ListBarControlPropertiesTest, BehaviourSettersRedrawAndMarkByTheirRules)
{
    ListBarHarness h;
    h.bars().Add(QStringLiteral("Bar"));
    double before = h.passes();

    // Cell sizes below 1 are ignored without an error.
    h.control->setPicClipCellWidth(0);
    h.control->setPicClipCellHeight(-5);
    EXPECT_EQ(h.control->PicClipCellWidth(), 32);
    EXPECT_EQ(h.control->PicClipCellHeight(), 32);
    EXPECT_TRUE(h.changed().isEmpty());

    // Marked also when unchanged, never redrawn.
    h.control->setAnimationStyle(h.control->AnimationStyle());
    h.control->setAllowUserCustomize(false);
    h.control->setMousePointer(0);
    h.control->setOLEDropAllowed(false);
    EXPECT_EQ(h.changed(), (QStringList{QStringLiteral("AnimationStyle"), QStringLiteral("AllowUserCustomize"),
                                        QStringLiteral("MousePointer"), QStringLiteral("OLEDropAllowed")}));
    EXPECT_EQ(h.passes(), before);

    // A new picture-clip picture redraws only while it is the image source.
    h.control->setIconSource(2);
    before = h.passes();
    h.control->setPictureClip(plat::Picture::fromImage(QImage(24, 24, QImage::Format_RGB32)));
    EXPECT_EQ(h.passes(), before);
    EXPECT_TRUE(h.changed().contains(QStringLiteral("PictureClip")));
    h.control->setIconSource(1);
    before = h.passes();
    h.control->setPictureClip(nullptr);
    EXPECT_EQ(h.passes(), before + 1);

    // While PreventRefresh is set nothing is drawn, but changes are marked;
    // clearing it draws nothing either.
    h.control->clearChangedProperties();
    before = h.passes();
    h.control->setPreventRefresh(true);
    h.control->setStyle(1);
    h.control->Refresh();
    h.control->setPreventRefresh(false);
    EXPECT_EQ(h.passes(), before);
    EXPECT_EQ(h.changed(), QStringList{QStringLiteral("Style")});
    h.control->Refresh();
    EXPECT_EQ(h.passes(), before + 1);
}

TEST(ListBarControlPropertiesTest, PointerOverTabsUsesTheBarTabIconAndReplacesItOnlyWhenItChanges)
{
    ListBarHarness h;
    h.control->UpdateMousePointer(true);
    EXPECT_EQ(h.control->Control::MousePointer(), 99);
    ASSERT_TRUE(h.control->builtInBarTabCursor());
    EXPECT_EQ(h.control->Control::MouseIcon(), h.control->builtInBarTabCursor());
    // The built-in pointer is a cursor picture: 32 x 32, hot spot on the
    // fingertip.
    const plat::PicturePtr builtIn = h.control->MouseIconBarTab();
    ASSERT_TRUE(builtIn);
    EXPECT_EQ(builtIn->type(), plat::Picture::Cursor);
    EXPECT_EQ(builtIn->widthPixels(), 32);
    EXPECT_EQ(builtIn->hotSpot(), QPoint(15, 10));

    // 99 with no icon: the custom icon goes.
    h.control->setMouseIconBarTab(nullptr);
    h.control->UpdateMousePointer(true);
    EXPECT_EQ(h.control->Control::MousePointer(), 99);
    EXPECT_FALSE(h.control->Control::MouseIcon());

    h.control->UpdateMousePointer(false);
    EXPECT_EQ(h.control->Control::MousePointer(), 0);

    // A code beyond 16 bits cannot be applied.
    h.control->setMousePointer(70000);
    try {
        h.control->UpdateMousePointer(false);
        ADD_FAILURE() << "no error";
    } catch (const plat::RuntimeError& e) {
        EXPECT_EQ(e.number(), plat::err::Overflow);
    }
}

} // namespace
} // namespace listbar::testing
