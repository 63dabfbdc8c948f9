// The bars collection and a bar's setters.
#include "FakeLibrary.h"
#include "FakeListBar.h"
#include "Picture.h"
#include "QtPrinters.h"

#include <QImage>
#include <gtest/gtest.h>

#include <limits>

using namespace listbar;
using namespace listbar::testing;

namespace {

struct BarFixture : ::testing::Test {
    FakeLibrary lib;
    FakeListBar control;
    LBBarsPtr bars = control.Bars;

    QStringList captions() const
    {
        QStringList c;
        for (const auto& b : bars->NewEnum())
            c << b->Caption() + QString::number(b->BarOrder());
        return c;
    }
    QStringList active() const
    {
        QStringList a;
        for (const auto& b : bars->NewEnum())
            if (b->IsActive())
                a << b->Caption();
        return a;
    }
    static plat::PicturePtr picture()
    {
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        return plat::Picture::fromImage(image);
    }
};

} // namespace

TEST_F(BarFixture, OneActiveBarWhoeverChangesIt)
{
    auto a = bars->Add("A", "a");
    auto b = bars->Add("B", "b");
    auto c = bars->Add("C", "c");
    EXPECT_EQ(bars->ActiveBar(), a);
    EXPECT_EQ(active(), QStringList{"A"});

    b->Activate();
    EXPECT_EQ(bars->ActiveBarID(), b->UniqueID());
    EXPECT_EQ(active(), QStringList{"B"});

    // Hiding the active bar hands the choice to the first visible bar.
    a->Visible(false);
    b->Visible(false);
    EXPECT_EQ(active(), QStringList{"C"});
    c->Visible(false);
    EXPECT_EQ(active(), QStringList{"C"});
    EXPECT_EQ(bars->VisibleBarCount(), 0);

    bars->Remove("c");
    EXPECT_FALSE(c->IsActive());
    EXPECT_EQ(bars->ActiveBarID(), a->UniqueID());
    EXPECT_EQ(active(), QStringList{"A"});
}

TEST_F(BarFixture, KeysAreTextsComparedWithoutCase)
{
    bars->Add("NoKey");
    bars->Add("EmptyKey", "");
    EXPECT_FALSE(bars->KeyExists(""));
    auto keyed = bars->Add("Keyed", 5); // stored under the text "5"
    EXPECT_EQ(bars->Item("5"), keyed);
    EXPECT_THROW(bars->Item(5), plat::RuntimeError); // a position
    bars->Add("Upper", "CATEGORIES");
    EXPECT_TRUE(bars->KeyExists("categories"));

    control.Delegate->PreventRefresh = true;
    const int draws = lib.numbers->draws;
    control.clear();
    try {
        bars->Add("Again", "categories");
        FAIL() << "no error";
    } catch (const plat::RuntimeError& e) {
        EXPECT_EQ(e.number(), 457);
        EXPECT_EQ(e.info().source, "ZorvaneListBar.LBBars.Add");
        EXPECT_EQ(e.info().description, plat::standardDescription(457));
        EXPECT_TRUE(e.info().helpFile.isEmpty());
    }
    EXPECT_TRUE(control.Delegate->PreventRefresh);
    EXPECT_EQ(bars->Count(), 4);
    EXPECT_EQ(bars->VisibleBarCount(), 4);
    EXPECT_EQ(lib.numbers->draws, draws);
}

TEST_F(BarFixture, NewBarTakesTheControlsSettings)
{
    auto& n = *control.Delegate;
    n.ButtonImageSize = 24;
    n.ColorShadow = 0x444444;
    n.BackColor = 0x555555;
    n.ForeColor = 0x666666;
    n.ColorText = n.ColorTextHover = 0x888888;
    n.TextShadowDepth = 3;
    n.BarFont = plat::Font::make("Arial", 10, true);

    auto bar = bars->Add("Bar");
    EXPECT_EQ(control.paints, 1);
    EXPECT_FALSE(n.PreventRefresh);
    EXPECT_EQ(bar->ButtonImageSize(), 24);
    EXPECT_EQ(bar->ColorShadow(), 0x555555u);
    EXPECT_EQ(bar->ColorText(), 0x666666u);
    EXPECT_EQ(bar->ColorTextHover(), 0x666666u); // the control's text and hover colours agree
    EXPECT_EQ(bar->TextShadowDepth(), 3);
    EXPECT_TRUE(bar->ButtonFontBold());
    EXPECT_EQ(bar->BarOrder(), 1);
    EXPECT_EQ(bar->Buttons()->BarID(), bar->UniqueID());

    // The bar keeps a copy: changing the control's font leaves it alone.
    n.BarFont->setName("Courier New");
    EXPECT_EQ(bar->ButtonFontName(), "Arial");

    n.ColorTextHover = 0xABCDEF;
    n.PreventRefresh = true;
    EXPECT_EQ(bars->Add("Second")->ColorTextHover(), 0xABCDEFu);
    EXPECT_TRUE(n.PreventRefresh);
}

TEST_F(BarFixture, RemoveRenumbersAndPassesCollectionErrorsOn)
{
    EXPECT_THROW(bars->ActiveBar(), plat::RuntimeError);
    for (const char* c : {"A", "B", "C", "D"})
        bars->Add(c, c);
    bars->Remove(2);
    EXPECT_EQ(captions(), (QStringList{"A1", "C2", "D3"}));
    EXPECT_EQ(control.names().last(), "KillTrackingObject");

    try {
        bars->Remove("missing");
        FAIL() << "no error";
    } catch (const plat::RuntimeError& e) {
        EXPECT_EQ(e.number(), 5);
        EXPECT_TRUE(e.info().source.isEmpty());
    }
    EXPECT_THROW(bars->Remove(4), plat::RuntimeError);
    EXPECT_EQ(bars->Count(), 3);

    bars->Remove("a");
    EXPECT_EQ(active(), QStringList{"C"});
    bars->Remove(1);
    bars->Remove(1);
    EXPECT_EQ(bars->Count(), 0);
    EXPECT_EQ(bars->ActiveBarID(), "");
    EXPECT_THROW(bars->ActiveBar(), plat::RuntimeError);
}

TEST_F(BarFixture, BarOrderAsksTheControlToMove)
{
    for (const char* c : {"A", "B", "C", "D"})
        bars->Add(c);
    auto d = bars->Item(4);
    control.clear();
    d->BarOrder(0);
    d->BarOrder(4);
    EXPECT_TRUE(control.requests.empty());
    d->BarOrder(2);
    EXPECT_EQ(control.names(), QStringList{"OrderChange"});
    EXPECT_EQ(captions(), (QStringList{"A1", "D2", "B3", "C4"}));
    d->BarOrder(5);
    EXPECT_EQ(captions(), (QStringList{"A1", "D2", "B3", "C4"}));
    bars->Item(1)->BarOrder(4);
    EXPECT_EQ(captions(), (QStringList{"D1", "B2", "C3", "A4"}));
}

TEST_F(BarFixture, IdentifierFailureAddsNoBar)
{
    bars->Add("A");
    lib.numbers->failing = true;
    EXPECT_THROW(bars->Add("B", "b"), plat::RuntimeError);
    EXPECT_EQ(bars->Count(), 1);
    EXPECT_FALSE(bars->KeyExists("b"));
    EXPECT_EQ(bars->VisibleBarCount(), 1);
    EXPECT_FALSE(control.Delegate->PreventRefresh);
}

TEST_F(BarFixture, SettersCompareThenRedraw)
{
    auto bar = bars->Add("Caption");
    control.clear();
    bar->Caption("Caption");
    EXPECT_TRUE(control.requests.empty());
    bar->Caption("caption");
    EXPECT_EQ(control.names(), QStringList{"RedrawRequested"});

    bar->ColorText(0xFF);
    bar->ColorText(0xFF0000);
    EXPECT_EQ(bar->ColorTextHover(), 0xFF0000u);
    bar->ColorTextHover(0xFF);
    bar->ForeColor(0xFF00);
    EXPECT_EQ(bar->ColorTextHover(), 0xFFu);

    control.clear();
    bar->ButtonImageSize(3);
    bar->ButtonImageSize(0);
    bar->ButtonImageSize(1);
    EXPECT_EQ(bar->ButtonImageSize(), 2);
    EXPECT_EQ(control.requests.size(), 3u);
}

TEST_F(BarFixture, PicturesFallBackAndScrollArrowsNeverRedraw)
{
    auto bar = bars->Add("Bar");
    control.clear();
    auto p = picture();
    bar->ScrollUpImageHover(p);
    EXPECT_TRUE(control.requests.empty());
    EXPECT_EQ(bar->ScrollUpImage(), p);
    EXPECT_EQ(bar->ScrollUpImageDown(), p);

    bar->CaptionImageDown(p);
    bar->CaptionImageHover(picture());
    EXPECT_EQ(bar->CaptionImage(), bar->CaptionImageHover());
    EXPECT_EQ(bars->FirstCaptionImage(), bar->CaptionImageHover());

    control.clear();
    bar->BarImage(p);
    bar->BarImage(std::make_shared<plat::Picture>(*p)); // the same handle
    bar->BarImage(nullptr);
    EXPECT_EQ(bar->BarImage(), nullptr);
    EXPECT_EQ(control.requests.size(), 2u);
}

TEST_F(BarFixture, ButtonFontIsTheBarsOwn)
{
    control.Delegate->BarFont = plat::Font::make("Arial", 8.25);
    auto bar = bars->Add("Bar");
    auto copy = bar->ButtonFont();
    EXPECT_NE(copy, bar->ButtonFont());
    copy->setBold(true);
    EXPECT_FALSE(bar->ButtonFontBold());

    control.clear();
    bar->ButtonFont(plat::Font::make("Arial", 8.25));
    bar->ButtonFontSize(8.25f);
    EXPECT_TRUE(control.requests.empty());
    bar->ButtonFont(copy);
    copy->setItalic(true);
    EXPECT_TRUE(bar->ButtonFontBold());
    EXPECT_FALSE(bar->ButtonFontItalic());
    EXPECT_EQ(control.requests.size(), 1u);

    // A size the font cannot hold is refused and changes nothing.
    control.clear();
    for (float bad : {std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN(), 1e30f}) {
        try {
            bar->ButtonFontSize(bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const plat::RuntimeError& e) {
            EXPECT_EQ(e.number(), 380);
        }
    }
    EXPECT_FLOAT_EQ(bar->ButtonFontSize(), 8.25f);
    EXPECT_TRUE(control.requests.empty());
}

TEST_F(BarFixture, ShowingAHiddenBarDirectlyKeepsTheVisibleCount)
{
    auto a = bars->Add("A");
    auto b = bars->Add("B");
    b->Visible(false);
    EXPECT_EQ(bars->VisibleBarCount(), 1);
    control.clear();
    b->Activate(true);
    EXPECT_EQ(control.names(), QStringList{"BarActivated"});
    EXPECT_TRUE(control.last().flag);
    EXPECT_EQ(control.last().visibleBars, 2);
    EXPECT_TRUE(b->IsActive());

    a->Visible(false);
    EXPECT_EQ(bars->VisibleBarCount(), 1);
    control.clear();
    a->EditCaption();
    EXPECT_EQ(control.names(), QStringList{"EditCaption"});
    EXPECT_EQ(control.last().visibleBars, 2);
    EXPECT_EQ(bars->VisibleBarCount(), 2);
}
