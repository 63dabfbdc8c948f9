// Mouse, keyboard and timers of the list bar: hover, clicks on buttons and
// tabs with their events in order, held scroll arrows, the hover check when
// the mouse leaves, drag thresholds, double-clicks and keys.
#include "ListBarInputSupport.h"

#include <gtest/gtest.h>

namespace listbar::testing {
namespace {

using QL = QStringList;

class ListBarInputMouseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        one = h.addBar(QStringLiteral("One"), QStringLiteral("A"), 3);
        two = h.addBar(QStringLiteral("Two"), QStringLiteral("B"), 2);
        a1 = one->Buttons()->Item(1);
        a2 = one->Buttons()->Item(2);
        h.take();
    }
    QPointF emptyArea() const { return h.at(component::ClientArea) + QPointF(0, 150); }
    int32_t stateOf(const LBButtonPtr& b) const { return h.item(component::Button, one, b)->MouseState; }

    InputHarness h;
    LBBarPtr one, two;
    LBButtonPtr a1, a2;
};

TEST_F(ListBarInputMouseTest, ClicksOnAButtonRaiseTheirEventsInOrder)
{
    const QPointF p = h.at(component::Button, one, a1);
    h.move(p);
    EXPECT_EQ(h.take(), (QL{"MouseEnter", "ButtonMouseEnter(A1)", "paint", "MouseMove(0)"}));
    h.down(p);
    EXPECT_EQ(h.take(), (QL{"paint", "MouseDown(1)"}));
    EXPECT_EQ(stateOf(a1), mousestate::Pressed);
    h.up(p);
    EXPECT_EQ(h.take(), (QL{"ButtonMouseClick(A1,1)", "ButtonSelected(A1)", "paint", "MouseUp(1)"}));
    EXPECT_EQ(stateOf(a1), mousestate::Hover);

    h.down(p, 2); // a right click selects nothing
    h.up(p, 2);
    EXPECT_EQ(h.take(), (QL{"paint", "MouseDown(2)", "ButtonMouseClick(A1,2)", "paint", "MouseUp(2)"}));

    // Leaving with the button held sets it idle, coming back presses it
    // again, a release away from it clicks nothing.
    h.down(p);
    h.move(emptyArea(), 1);
    h.move(p, 1);
    EXPECT_EQ(stateOf(a1), mousestate::Pressed);
    h.move(emptyArea(), 1);
    h.take();
    h.up(emptyArea());
    EXPECT_EQ(h.take(), (QL{"MouseUp(1)"}));
    EXPECT_FALSE(h.control->state().CurrentItem);

    h.up(p); // no press on the control: not the control's release
    EXPECT_TRUE(h.take().isEmpty());
}

TEST_F(ListBarInputMouseTest, HoverMovesBetweenAreaButtonsAndTabs)
{
    h.move(emptyArea());
    EXPECT_EQ(h.take(), (QL{"MouseEnter", "BarMouseEnter(One)", "paint", "MouseMove(0)"}));
    h.move(h.at(component::Button, one, a2));
    EXPECT_EQ(h.take(), (QL{"BarMouseLeave(One)", "ButtonMouseEnter(A2)", "paint", "MouseMove(0)"}));
    h.move(h.at(component::Button, one, a1));
    EXPECT_EQ(h.take(), (QL{"ButtonMouseLeave(A2)", "ButtonMouseEnter(A1)", "paint", "MouseMove(0)"}));
    h.move(emptyArea());
    EXPECT_EQ(h.take(), (QL{"ButtonMouseLeave(A1)", "BarMouseEnter(One)", "paint", "MouseMove(0)"}));
    h.move(h.at(component::BarTab, two));
    EXPECT_EQ(h.take(), (QL{"BarMouseLeave(One)", "BarMouseEnter(Two)", "paint", "MouseMove(0)"}));
}

TEST_F(ListBarInputMouseTest, TabClicksSwitchBarsOnlyWithTheLeftButton)
{
    const QPointF tab = h.at(component::BarTab, two);
    h.move(tab);
    h.down(tab, 2);
    h.take();
    h.up(tab, 2);
    EXPECT_EQ(h.take(), (QL{"BarMouseClick(Two,2)", "paint", "MouseUp(2)"}));
    EXPECT_TRUE(one->IsActive());

    // The Scroll animation: two stepped pictures, then the final one.
    h.down(tab);
    h.take();
    h.up(tab);
    EXPECT_EQ(h.take(), (QL{"BarMouseClick(Two,1)", "paint", "paint", "paint", "BarSelected(Two)", "paint",
                            "MouseUp(1)"}));
    EXPECT_TRUE(two->IsActive());

    const QPointF activeTab = h.at(component::BarTab, two);
    h.click(activeTab);
    EXPECT_TRUE(h.take().filter(QStringLiteral("BarSelected")).isEmpty());
}

TEST_F(ListBarInputMouseTest, TheHoverCheckEndsTheHoverWhenTheMouseHasLeft)
{
    const QPointF p = h.at(component::Button, one, a1);
    h.move(p);
    ASSERT_TRUE(h.control->timerMouseHoverCheck->Enabled());
    EXPECT_EQ(h.control->timerMouseHoverCheck->scheduledInterval(), 10); // 1 ms asked, the platform's floor
    h.take();
    h.control->timerMouseHoverCheck_Timer(); // still over the control
    EXPECT_TRUE(h.take().isEmpty());

    h.mouseOver = false;
    h.control->timerMouseHoverCheck_Timer();
    EXPECT_EQ(h.take(), (QL{"ButtonMouseLeave(A1)", "paint", "MouseLeave"}));
    EXPECT_FALSE(h.control->timerMouseHoverCheck->Enabled());
    EXPECT_FALSE(h.control->state().CurrentItem);

    // With a press held the pressed item stays for the release.
    h.mouseOver = true;
    h.move(p);
    h.down(p);
    h.mouseOver = false;
    h.control->timerMouseHoverCheck_Timer();
    EXPECT_TRUE(h.control->state().CurrentItem);
}

TEST_F(ListBarInputMouseTest, DragsStartOnlyBeyondTheThresholdAndWhenAllowed)
{
    // Without a window the drag starts and completes at once, ending the press.
    h.control->setAllowUserCustomize(true);
    const QPointF p = h.at(component::Button, one, a1);
    h.move(p);
    h.down(p);
    h.move(p + QPointF(0, 5), 1);
    EXPECT_TRUE(h.control->state().MouseIsDown);
    h.take();
    h.move(p + QPointF(6, 0), 1);
    EXPECT_TRUE(h.take().isEmpty()); // no MouseMove after a drag
    EXPECT_FALSE(h.control->state().MouseIsDown);
    h.up(p + QPointF(6, 0));
    EXPECT_TRUE(h.take().isEmpty());
    // The press ended with the drag: the hover moves on from the button.
    h.move(h.at(component::Button, one, a2));
    h.move(emptyArea());
    EXPECT_EQ(h.take(), (QL{"ButtonMouseLeave(A1)", "ButtonMouseEnter(A2)", "paint", "MouseMove(0)",
                            "ButtonMouseLeave(A2)", "BarMouseEnter(One)", "paint", "MouseMove(0)"}));

    // Off the button, 5 units from the press are enough.
    const LBTrackingObjectPtr button = h.item(component::Button, one, a1);
    const QPointF nearEdge(button->X + 2, button->Y + 2);
    h.move(nearEdge);
    h.down(nearEdge);
    h.move(nearEdge - QPointF(5, 0), 1);
    EXPECT_FALSE(h.control->state().MouseIsDown);

    h.control->setAllowUserCustomize(false);
    h.move(p);
    h.down(p);
    h.move(p + QPointF(0, 100), 1);
    EXPECT_TRUE(h.control->state().MouseIsDown);
}

TEST_F(ListBarInputMouseTest, DoubleClicksAndKeys)
{
    const QPointF p = h.at(component::Button, one, a1);
    h.click(p);
    h.take();
    h.control->UserControl_DblClick(); // the second press: DblClick, no MouseDown
    EXPECT_EQ(h.take(), (QL{"paint", "DblClick"}));
    EXPECT_EQ(stateOf(a1), mousestate::Pressed);

    int16_t key = 65, shift = 0, ascii = 97;
    h.control->UserControl_KeyUp(key, shift); // its KeyDown went elsewhere
    h.control->UserControl_KeyDown(key, shift);
    h.control->UserControl_KeyPress(ascii);
    h.control->UserControl_KeyUp(key, shift);
    EXPECT_EQ(h.take(), (QL{"KeyDown(65)", "KeyPress(97)", "KeyUp(65)"}));
}

TEST(ListBarScrollArrowTest, AHeldArrowStepsAtThePressThenRepeatsAfterTheTrigger)
{
    InputHarness h(150, 200);
    h.addBar(QStringLiteral("Long"), QStringLiteral("L"), 8);
    InternalZSListBar& c = *h.control;
    EXPECT_EQ(c.timerScrollTrigger->Interval(), 445);
    EXPECT_EQ(c.timerScroll->Interval(), 55);
    auto arrow = [&] { return h.at(component::ScrollDown); };

    h.click(arrow()); // a short click: one step
    EXPECT_EQ(h.take().filter(QStringLiteral("BarScroll")), (QL{"BarScroll(Long,L2)"}));
    h.down(arrow());
    EXPECT_EQ(h.take(), (QL{"paint", "paint", "BarScroll(Long,L3)", "MouseDown(1)"}));
    EXPECT_TRUE(c.timerScrollTrigger->Enabled());

    // 445 ms: the trigger only starts the repeat; then a step every 55 ms.
    c.timerScrollTrigger->fire();
    EXPECT_FALSE(c.timerScrollTrigger->Enabled());
    EXPECT_TRUE(h.take().isEmpty());
    c.timerScroll->fire();
    EXPECT_EQ(h.take(), (QL{"paint", "BarScroll(Long,L4)"}));

    // Sliding off stops the repeat; sliding back steps and repeats at once.
    h.move(h.at(component::BarTab), 1);
    EXPECT_FALSE(c.timerScroll->Enabled());
    h.take();
    h.move(arrow(), 1);
    EXPECT_TRUE(c.timerScroll->Enabled());
    EXPECT_EQ(h.take().filter(QStringLiteral("BarScroll")), (QL{"BarScroll(Long,L5)"}));

    // Held until the last buttons show: the arrow is gone and so is the repeat.
    for (int i = 0; i < 10 && h.item(component::ScrollDown); ++i)
        c.timerScroll->fire();
    EXPECT_FALSE(h.item(component::ScrollDown));
    EXPECT_FALSE(c.timerScroll->Enabled());

    // Leaving the control while an arrow is pressed stops it too.
    h.move(h.at(component::ScrollUp));
    h.down(h.at(component::ScrollUp));
    c.timerScrollTrigger->fire();
    h.mouseOver = false;
    c.timerMouseHoverCheck_Timer();
    EXPECT_FALSE(c.timerScroll->Enabled());
}

} // namespace
} // namespace listbar::testing
