// The 39 settings in a property bag: defaults, loading key by key, saving,
// and a round trip.
#include "ListBarControlSupport.h"

#include <PropertyBag.h>
#include <gtest/gtest.h>

namespace listbar::testing {
namespace {

// Every setting as text, in the order of the keys.
QStringList settings(const InternalZSListBar& c)
{
    auto hex = [](plat::Colour v) { return QStringLiteral("&H%1").arg(v, 8, 16, QLatin1Char('0')).toUpper(); };
    const plat::FontPtr font = c.Font();
    auto picture = [](const plat::PicturePtr& p) {
        return p ? QStringLiteral("pic%1x%2").arg(p->widthPixels()).arg(p->heightPixels()) : QStringLiteral("none");
    };
    return {hex(c.BackColor()), hex(c.ForeColor()), hex(c.ColorButton()), hex(c.ColorHighlight()),
            hex(c.ColorShadow()), hex(c.ColorOutline()), hex(c.ColorText()), hex(c.ColorTextShadow()),
            hex(c.ColorTextHover()), hex(c.ColorSelection()), hex(c.ColorInsertLines()),
            QString::number(c.Style()), font ? font->Name() + QString::number(font->Size()) : QStringLiteral("none"),
            QString::number(c.AcclimateGrayTones()), hex(c.MaskColor()), QString::number(c.UseMaskColor()),
            QString::number(c.IconSource()), c.ImageListControl(), picture(c.PictureClip()),
            QString::number(c.BorderStyle()), QString::number(c.ButtonTextPosition()),
            QString::number(c.Orientation()), QString::number(c.AnimationStyle()),
            QString::number(c.AllowUserCustomize()), QString::number(c.ActiveBarOnTop()),
            QString::number(c.ActiveButtons()), QString::number(c.ButtonMarginLeftTop()),
            QString::number(c.ButtonMarginRightBottom()), QString::number(c.TextShadow()),
            QString::number(c.TextShadowDepth()), QString::number(c.ButtonImageSize()),
            QString::number(c.PicClipCellWidth()), QString::number(c.PicClipCellHeight()),
            QString::number(c.Enabled()), picture(c.MouseIcon()), picture(c.MouseIconBarTab()),
            QString::number(c.MousePointer()), QString::number(c.MousePointerBarTab()),
            QString::number(c.OLEDropAllowed())};
}

const QStringList Defaults = {
    "&H80000010", "&H80000005", "&H8000000F", "&H80000014", "&H80000010", "&H80000015", "&H80000012",
    "&H80000010", "&H80000012", "&H80000012", "&H80000015", "0", "MS Sans Serif8.25", "0", "&H00C0C0C0", "1",
    "1", "", "none", "2", "1", "0", "1", "0", "0", "1", "0", "0", "0", "0", "32", "32", "32", "1", "none",
    "pic32x32", "0", "99", "0"};

// A control created as a host loads a stored one (no defaults first).
std::shared_ptr<InternalZSListBar> loaded(plat::PropertyBag& bag)
{
    auto c = std::make_shared<InternalZSListBar>();
    c->initialize();
    c->readProperties(bag);
    return c;
}

TEST(ListBarControlPersistenceTest, DefaultsOfANewControlOfAnEmptyBagAndWhenSaved)
{
    ListBarHarness h;
    ASSERT_EQ(Defaults.size(), 39);
    EXPECT_EQ(settings(*h.control), Defaults);
    EXPECT_TRUE(h.changed().isEmpty());

    plat::PropertyBag empty;
    auto c = loaded(empty);
    EXPECT_EQ(settings(*c), Defaults);
    EXPECT_EQ(c->state().RedrawCounter, 0); // loading draws nothing
    c->terminate();

    // Saved defaults store nothing but the font, which is the host's own
    // object and never equal to a new ambient copy.
    plat::PropertyBag bag;
    h.control->writeProperties(bag);
    EXPECT_EQ(bag.keys(), QStringList{"Font"});
    c = loaded(bag);
    EXPECT_EQ(settings(*c), Defaults);
    c->terminate();
}

TEST(ListBarControlPersistenceTest, ChangedSettingsRoundTripWithoutTheSetters)
{
    ListBarHarness h;
    InternalZSListBar& c = *h.control;
    c.setBackColor(0x010203);
    c.setColorTextHover(0x0000FF);
    c.setStyle(1);
    c.setFont(plat::Font::make(QStringLiteral("Arial"), 12, true));
    c.setMaskColor(0xFF00FF);
    c.setUseMaskColor(false);
    c.setIconSource(0);
    c.setPictureClip(plat::Picture::fromImage(QImage(120, 24, QImage::Format_RGB32)));
    c.setOrientation(1);
    c.setAnimationStyle(2);
    c.setAllowUserCustomize(true);
    c.setButtonMarginLeftTop(3);
    c.setTextShadow(4);
    c.setButtonImageSize(24);
    c.setPicClipCellWidth(24);
    c.setEnabled(false);
    c.setMouseIconBarTab(nullptr);
    c.setMousePointerBarTab(0);
    c.setOLEDropAllowed(true);
    plat::PropertyBag bag;
    c.writeProperties(bag);
    // A stored value that the setter would refuse, and a name that no
    // control of the form has, load as they are.
    bag.WriteProperty(QStringLiteral("PicClipCellHeight"), plat::Variant(int32_t(0)), plat::Variant(int16_t(32)));
    bag.WriteProperty(QStringLiteral("ImageListControl"), QStringLiteral("imlMissing"), QString());

    auto copy = loaded(bag);
    QStringList expected = settings(c);
    expected[17] = QStringLiteral("imlMissing");
    expected[32] = QStringLiteral("0");
    EXPECT_EQ(settings(*copy), expected);
    EXPECT_TRUE(copy->changedProperties().isEmpty());
    copy->terminate();
}

TEST(ListBarControlPersistenceTest, AKeyThatCannotConvertKeepsTheValueOfCreation)
{
    plat::PropertyBag bag;
    bag.WriteProperty(QStringLiteral("BorderStyle"), QStringLiteral("thick"), 2);
    bag.WriteProperty(QStringLiteral("AnimationStyle"), 2, 1);
    bag.WriteProperty(QStringLiteral("ButtonImageSize"), 70000, 32); // beyond 16 bits
    bag.WriteProperty(QStringLiteral("Font"), QStringLiteral("not a font"));
    ListBarHarness library; // the library for the loaded control
    auto c = loaded(bag);
    EXPECT_EQ(c->BorderStyle(), 0);
    EXPECT_EQ(c->ButtonImageSize(), 0);
    EXPECT_FALSE(c->Font());
    EXPECT_EQ(c->AnimationStyle(), 2);
    EXPECT_EQ(c->Style(), 0);
    EXPECT_EQ(c->IconSource(), 1); // the other keys take their defaults
    c->terminate();
}

} // namespace
} // namespace listbar::testing
