// Creation and teardown of the control, the timing pair of the faded bar
// switch, the three animation styles and the host notifications.
#include "ListBarControlSupport.h"

#include <TextBox.h>
#include <gtest/gtest.h>

namespace listbar::testing {
namespace {

TEST(ListBarControlLifecycleTest, TimingPairFollowsTheProcessorClock)
{
    const struct {
        int16_t mhz;
        FadeTiming timing;
    } cases[] = {{299, {192, 48}}, {300, {240, 30}}, {450, {240, 30}}, {451, {225, 25}}, {550, {225, 25}},
                 {551, {240, 20}}, {700, {240, 20}}, {701, {240, 15}}, {833, {240, 15}}, {834, {240, 10}},
                 {950, {240, 10}}, {951, {240, 6}},  {0, {192, 48}},    {-7, {192, 48}}};
    for (const auto& c : cases)
        EXPECT_EQ(InternalZSListBar::fadeTimingFor(c.mhz), c.timing) << c.mhz << " MHz";

    ListBarHarness fast(150, 400, {834, true});
    EXPECT_EQ(fast.control->state().FadeLimit, 240);
    EXPECT_EQ(fast.control->state().FadeStepFactor, 10);
    ListBarHarness unreadable(150, 400, {1000, false});
    EXPECT_EQ(unreadable.control->state().FadeLimit, 192);
    EXPECT_EQ(unreadable.control->state().FadeStepFactor, 48);
}

TEST(ListBarControlLifecycleTest, FadeBlendsFewerFramesOnSlowerProcessors)
{
    const struct {
        int16_t mhz;
        int frames;
    } cases[] = {{1000, 18}, {400, 3}, {200, 1}};
    for (const auto& c : cases) {
        ListBarHarness h(150, 400, {c.mhz, true});
        h.control->setAnimationStyle(2);
        h.bars().Add(QStringLiteral("First"));
        auto second = h.bars().Add(QStringLiteral("Second"));
        const QImage before = h.control->Picture()->image();
        const double passes = h.passes();

        second->Activate(true);
        EXPECT_EQ(h.library.blends(), c.frames) << c.mhz << " MHz";
        EXPECT_EQ(h.passes(), passes + 2) << "the kept picture and the final one";
        EXPECT_FALSE(h.control->state().FadeTargetPicture);
        EXPECT_NE(h.control->Picture()->image(), before);
        EXPECT_EQ(h.events.last(), QStringLiteral("BarSelected(Second)"));
    }
}

TEST(ListBarControlLifecycleTest, SwitchesWithoutBlendedFrames)
{
    // 60 x 70 pixels above 950 MHz: the step works out at 0.
    ListBarHarness h(60, 70, {1000, true});
    h.control->setAnimationStyle(2);
    h.bars().Add(QStringLiteral("First"));
    auto second = h.bars().Add(QStringLiteral("Second"));
    const double passes = h.passes();
    second->Activate(true);
    EXPECT_EQ(h.library.blends(), 0);
    EXPECT_EQ(h.passes(), passes + 2);
    EXPECT_TRUE(second->IsActive());

    // While redraws are suppressed there is no new picture to blend.
    ListBarHarness suppressed(150, 400, {1000, true});
    suppressed.control->setAnimationStyle(2);
    suppressed.bars().Add(QStringLiteral("First"));
    auto other = suppressed.bars().Add(QStringLiteral("Second"));
    suppressed.control->setPreventRefresh(true);
    other->Activate(true);
    EXPECT_EQ(suppressed.library.blends(), 0);
    EXPECT_TRUE(other->IsActive());

    // Styles other than Scroll and Fade switch with one plain redraw.
    for (int32_t style : {0, 3, -1}) {
        ListBarHarness h;
        h.control->setAnimationStyle(style);
        h.bars().Add(QStringLiteral("First"));
        auto next = h.bars().Add(QStringLiteral("Second"));
        const double before = h.passes();
        next->Activate(true);
        EXPECT_EQ(h.passes(), before + 1) << "style " << style;
    }
}

TEST(ListBarControlLifecycleTest, NotifierOutlivesTheControlAndReachesNothingAfterwards)
{
    ListBarHarness one;
    ListBarHarness two;
    const QString id = one.control->Delegate()->UniqueID();
    EXPECT_EQ(id.size(), 10);
    EXPECT_NE(id, two.control->Delegate()->UniqueID());

    auto bar = one.bars().Add(QStringLiteral("Bar"));
    auto button = bar->Buttons()->Add(QStringLiteral("Button"), 1);
    const double otherPasses = two.passes();
    button->Caption(QStringLiteral("Changed")); // reaches only its own control
    EXPECT_EQ(two.passes(), otherPasses);

    one.control->terminate();
    EXPECT_FALSE(one.control->Bars());
    EXPECT_EQ(DelegateRegistry().Item(id)->UniqueID(), id);
    bar->Caption(QStringLiteral("After")); // a bar the host kept: no control to reach
    button->MakeVisible();
    EXPECT_EQ(bar->Caption(), QStringLiteral("After"));
}

TEST(ListBarControlLifecycleTest, HostNotifications)
{
    ListBarHarness h;
    h.bars().Add(QStringLiteral("Bar"));

    // Of the ambient values only the display name is printed on the control.
    const double before = h.passes();
    QString name = QStringLiteral("BackColor");
    h.control->UserControl_AmbientChanged(name);
    EXPECT_EQ(h.passes(), before);
    name = QStringLiteral("DisplayName");
    h.control->UserControl_AmbientChanged(name);
    EXPECT_EQ(h.passes(), before + 1);
    h.control->Size(160 * 15.0, 400 * 15.0);
    EXPECT_EQ(h.passes(), before + 2);

    // Leaving the control drops an open caption edit.
    ASSERT_TRUE(h.control->txtEdit);
    h.control->txtEdit->setVisible(true);
    h.control->state().EditorVisible = true;
    h.control->UserControl_ExitFocus();
    EXPECT_FALSE(h.control->txtEdit->Visible());
    EXPECT_FALSE(h.control->state().EditorVisible);
}

} // namespace
} // namespace listbar::testing
