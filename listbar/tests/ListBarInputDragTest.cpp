// Drag and drop on the list bar: the drag data, drop effects, moving buttons
// within and between bars, copies and files from outside with the host's
// confirmation, a drag leaving the control, and one drag run through the
// platform's drag events from a real mouse move.
#include "ListBarInputSupport.h"

#include <Application.h>
#include <Drag.h>
#include <Form.h>
#include <Input.h>
#include <gtest/gtest.h>

namespace listbar::testing {
namespace {

using QL = QStringList;
using plat::dropeffect::Copy;
using plat::dropeffect::Link;
using plat::dropeffect::Move;

class ListBarInputDragTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        c.setAllowUserCustomize(true);
        c.setOLEDropAllowed(true);
        one = h.addBar(QStringLiteral("One"), QStringLiteral("A"), 4);
        two = h.addBar(QStringLiteral("Two"), QStringLiteral("B"), 2);
        c.UserCreateNewButton.connect([this](LBButtonPtr& b, LBBarPtr& bar, QString& key, bool& cancel) {
            h.note("UserCreateNewButton(" + b->Caption() + "," + bar->Caption() + ")");
            key = hostKey;
            cancel = hostCancels;
            if (hostRemoves)
                bar->Buttons()->Remove(b->ButtonOrder());
        });
        c.OLEDropOnButton.connect([this](plat::DataObjectPtr& data, int32_t& effect, LBButtonPtr& b, LBBarPtr& bar) {
            h.note(QStringLiteral("OLEDropOnButton(%1,%2,%3,%4)")
                       .arg(data->Files()->Item(1), QString::number(effect), b->Caption(), bar->Caption()));
        });
        h.take();
    }
    LBButtonPtr button(const LBBarPtr& bar, int position) const { return bar->Buttons()->Item(position); }
    // Points of the button area beside the buttons, at a height.
    static QPointF beside(double y) { return {20, y}; }
    void dragAndDrop(const LBButtonPtr& dragged, QPointF to, int16_t shift = 0)
    {
        const auto data = h.startInternalDrag(one, dragged);
        h.dragOver(data, to, shift);
        h.drop(data, to);
    }

    InputHarness h;
    InternalZSListBar& c = *h.control;
    LBBarPtr one, two;
    QString hostKey;
    bool hostCancels = false;
    bool hostRemoves = false;
};

TEST_F(ListBarInputDragTest, ADraggedButtonCarriesItsIdentifiersAndIsRefusedOnButtonsAndTabs)
{
    const LBButtonPtr a1 = button(one, 1);
    h.move(h.at(component::Button, one, a1));
    auto data = std::make_shared<plat::DataObject>();
    int32_t allowed = 0;
    c.UserControl_OLEStartDrag(data, allowed);
    EXPECT_EQ(allowed, plat::dropeffect::All);
    EXPECT_TRUE(data->GetFormat(plat::cf::Files));
    EXPECT_EQ(data->Files()->list(),
              (QL{"ZSListBar^BarID=" + one->UniqueID(), "ZSListBar^ButtonID=" + a1->UniqueID()}));

    c.state().InternalDrag = c.state().DragInProgress = true;
    EXPECT_EQ(h.dragOver(data, h.at(component::Button, one, button(one, 2))), 0);
    // Hover follows the drag, each change told once.
    h.take();
    EXPECT_EQ(h.dragOver(data, h.at(component::BarTab, one)), 0);
    h.dragOver(data, h.at(component::BarTab, one) + QPointF(3, 0));
    EXPECT_EQ(h.take(), (QL{"ButtonMouseLeave(A2)", "BarMouseEnter(One)"}));
    EXPECT_EQ(h.dragOver(data, beside(300)), Move);
    EXPECT_EQ(h.dragOver(data, beside(300), plat::shift::Ctrl), Copy);

    // Over another bar's tab that bar opens (animated) and is selected.
    h.take();
    h.dragOver(data, h.at(component::BarTab, two));
    EXPECT_TRUE(two->IsActive());
    EXPECT_EQ(h.take().filter(QStringLiteral("Bar")), (QL{"BarMouseLeave(One)", "BarMouseEnter(Two)", "BarSelected(Two)"}));

    // Data of another format is never taken.
    auto text = std::make_shared<plat::DataObject>();
    text->SetData(plat::Variant(QStringLiteral("text")));
    EXPECT_EQ(h.dragOver(text, beside(300)), 0);
}

TEST_F(ListBarInputDragTest, ButtonsMoveWithinTheirBarToTheInsertMark)
{
    const LBButtonPtr a1 = button(one, 1), a4 = button(one, 4);
    // Down past two buttons: after the button whose centre is above the mouse.
    dragAndDrop(a1, beside(200));
    EXPECT_EQ(InputHarness::captions(one), (QL{"A2", "A3", "A1", "A4"}));
    EXPECT_TRUE(h.take().contains(QStringLiteral("ButtonMoved(A1)")));
    // Up: right after the button it lands behind.
    dragAndDrop(a4, beside(100));
    EXPECT_EQ(InputHarness::captions(one), (QL{"A2", "A4", "A3", "A1"}));
    // Above every button's centre: first.
    dragAndDrop(button(one, 3), beside(30));
    EXPECT_EQ(InputHarness::captions(one), (QL{"A3", "A2", "A4", "A1"}));
    // Below the last button: last.
    dragAndDrop(button(one, 1), beside(350));
    EXPECT_EQ(InputHarness::captions(one), (QL{"A2", "A4", "A1", "A3"}));
    EXPECT_FALSE(c.state().DragInProgress);
}

TEST_F(ListBarInputDragTest, AButtonMovedToAnotherBarKeepsItsSettingsAndAKeyClashLosesNothing)
{
    const LBButtonPtr a2 = button(one, 2);
    a2->ButtonImageDown(plat::Variant(int32_t(7)));
    a2->ButtonImageHover(plat::Variant(QStringLiteral("hover")));
    a2->Tag(QStringLiteral("tagged"));
    auto data = h.startInternalDrag(one, a2);
    h.dragOver(data, h.at(component::BarTab, two)); // opens Two
    h.dragOver(data, beside(40));                    // before B1
    h.take();
    h.drop(data, beside(40));
    EXPECT_EQ(InputHarness::captions(one), (QL{"A1", "A3", "A4"}));
    EXPECT_EQ(InputHarness::captions(two), (QL{"A2", "B1", "B2"}));
    const LBButtonPtr moved = two->Buttons()->Item(QStringLiteral("A2"));
    EXPECT_NE(moved, a2);
    EXPECT_EQ(moved->ButtonImage().toLong(), 2);
    EXPECT_EQ(moved->ButtonImageDown().toLong(), 7);
    EXPECT_EQ(moved->ButtonImageHover().toString(), QStringLiteral("hover"));
    EXPECT_EQ(moved->Tag(), QStringLiteral("tagged"));
    EXPECT_TRUE(moved->Visible());
    EXPECT_EQ(h.take().filter(QStringLiteral("Moved")), (QL{"ButtonMoved(A2)"}));

    // The other bar already has the key: the button stays where it was.
    two->Buttons()->Add(QStringLiteral("Other A3"), plat::Variant(), QStringLiteral("A3"));
    one->Activate();
    const LBButtonPtr a3 = one->Buttons()->Item(QStringLiteral("A3"));
    data = h.startInternalDrag(one, a3);
    h.dragOver(data, h.at(component::BarTab, two));
    h.dragOver(data, beside(350));
    h.take();
    h.drop(data, beside(350));
    EXPECT_EQ(InputHarness::captions(one), (QL{"A1", "A3", "A4"}));
    EXPECT_EQ(InputHarness::captions(two), (QL{"A2", "B1", "B2", "Other A3"}));
    EXPECT_TRUE(h.take().filter(QStringLiteral("Moved")).isEmpty());
}

TEST_F(ListBarInputDragTest, CopiesAreConfirmedByTheHostWhoChoosesTheKey)
{
    const LBButtonPtr a1 = button(one, 1);
    a1->Tag(QStringLiteral("t"));
    hostKey = QStringLiteral("Copy");
    dragAndDrop(a1, beside(200), plat::shift::Ctrl);
    EXPECT_EQ(InputHarness::captions(one), (QL{"A1", "A2", "A3", "A1", "A4"}));
    const LBButtonPtr copy = one->Buttons()->Item(QStringLiteral("Copy"));
    EXPECT_EQ(copy->ButtonOrder(), 4);
    EXPECT_EQ(copy->Tag(), QStringLiteral("t"));
    EXPECT_TRUE(h.take().contains(QStringLiteral("UserCreateNewButton(A1,One)")));

    hostCancels = true;
    dragAndDrop(a1, beside(200), plat::shift::Ctrl);
    EXPECT_EQ(one->Buttons()->Count(), 5);

    // A key the bar already holds: the new button is not made; nothing
    // that was there is lost.
    hostCancels = false;
    hostKey = QStringLiteral("A2");
    dragAndDrop(a1, beside(200), plat::shift::Ctrl);
    EXPECT_EQ(InputHarness::captions(one), (QL{"A1", "A2", "A3", "A1", "A4"}));

    // The host removes the new button itself: no other button goes with it.
    hostRemoves = true;
    dragAndDrop(a1, beside(200), plat::shift::Ctrl);
    EXPECT_EQ(InputHarness::captions(one), (QL{"A1", "A2", "A3", "A1", "A4"}));
}

TEST_F(ListBarInputDragTest, FilesFromOutsideNeedBothSwitchesForTheButtonArea)
{
    const auto file = InputHarness::files({QStringLiteral("C:\\docs\\report.txt")});
    const QPointF onA2 = h.at(component::Button, one, button(one, 2));
    auto leave = [&] { h.dragOver(file, beside(350), 0, plat::dragstate::Leave); };
    const struct {
        bool dropAllowed, customize;
        int32_t area, onButton;
    } cases[] = {{false, false, 0, 0}, {false, true, 0, 0}, {true, false, 0, Move}, {true, true, Link, Move}};
    for (const auto& k : cases) {
        c.setOLEDropAllowed(k.dropAllowed);
        c.setAllowUserCustomize(k.customize);
        EXPECT_EQ(h.dragOver(file, beside(350)), k.area) << k.dropAllowed << k.customize;
        EXPECT_EQ(h.dragOver(file, onA2), k.onButton) << k.dropAllowed << k.customize;
        leave();
    }
    EXPECT_EQ(h.dragOver(file, onA2, plat::shift::Ctrl), Copy);
    EXPECT_EQ(h.dragOver(file, onA2, plat::shift::Ctrl | plat::shift::Shift), Link);

    // On a button: the host gets the data and the effect.
    h.take();
    h.drop(file, onA2);
    EXPECT_TRUE(h.take().contains(QStringLiteral("OLEDropOnButton(C:\\docs\\report.txt,4,A2,One)")));

    // On the button area: a new button named by the path.
    h.dragOver(file, beside(100));
    h.drop(file, beside(100));
    EXPECT_EQ(InputHarness::captions(one), (QL{"A1", "C:\\docs\\report.txt", "A2", "A3", "A4"}));
}

TEST(ListBarInputDragLeaveTest, ADragLeavingTheControlLeavesNothingBehind)
{
    InputHarness h(150, 200);
    InternalZSListBar& c = *h.control;
    c.setAllowUserCustomize(true);
    c.setOLEDropAllowed(true);
    h.addBar(QStringLiteral("Long"), QStringLiteral("L"), 8);
    const auto file = InputHarness::files({QStringLiteral("C:\\a.txt")});

    // Held near the last edge, the drag scrolls every 55 ms, at once.
    h.dragOver(file, {20, 190});
    EXPECT_EQ(c.state().DragScrollDirection, 1);
    EXPECT_TRUE(c.timerScroll->Enabled());
    h.take();
    c.timerScroll->fire();
    EXPECT_EQ(h.take().filter(QStringLiteral("BarScroll")), (QL{"BarScroll(Long,L2)"}));
    h.dragOver(file, {20, 100});
    EXPECT_TRUE(c.state().InsertShown);

    h.dragOver(file, {20, 190});
    const double before = h.passes();
    h.dragOver(file, {20, 190}, 0, plat::dragstate::Leave);
    EXPECT_FALSE(c.timerScroll->Enabled());
    EXPECT_EQ(c.state().DragScrollDirection, 0);
    EXPECT_FALSE(c.state().InsertShown);
    EXPECT_EQ(h.passes(), before + 1);
    EXPECT_FALSE(c.state().DragInProgress);

    // The host turns drops off: the next drag from outside is refused.
    c.setOLEDropAllowed(false);
    EXPECT_EQ(h.dragOver(file, {20, 100}), 0);
}

// The whole road: a mouse move starts the drag, the platform delivers it
// to the control's window as drag events, and the drop reorders.
TEST(ListBarInputDragFormTest, AMouseDragThroughThePlatformReordersButtons)
{
    plat::resetUiForTests();
    registerListBarControl();
    ControlLibrary library;
    useOwnIdentifierRange();
    const QByteArray json = R"({
      "form": {"name": "frmDrag", "caption": "Drag", "clientWidth": 2250, "clientHeight": 6000,
               "properties": [["ScaleMode", 3]]},
      "controls": [{"name": "NavBar", "type": "ZSListBar", "left": 0, "top": 0, "width": 2250, "height": 6000,
                    "bag": [["AllowUserCustomize", true], ["AnimationStyle", 0]]}]
    })";
    auto form = std::make_shared<plat::Form>(plat::DesignData::parse(json, QStringLiteral("frmDrag.json")));
    form->Load();
    auto navBar = form->control<InternalZSListBar>(QStringLiteral("NavBar"));
    ASSERT_TRUE(navBar && navBar->widget());
    EXPECT_EQ(navBar->OLEDropMode(), 1);
    auto bar = navBar->Bars()->Add(QStringLiteral("One"));
    for (const char* k : {"A1", "A2", "A3"})
        bar->Buttons()->Add(QString::fromLatin1(k), plat::Variant(), QString::fromLatin1(k));

    QStringList moved;
    navBar->ButtonMoved.connect([&](LBButtonPtr& b) { moved << b->Caption(); });
    plat::setDragDriver([&](plat::DragRequest& r) {
        return plat::deliverDrag(navBar->widget(), r.mime, QPoint(20, 300), plat::dropActionsOf(r.allowedEffects));
    });
    int16_t none = 0, left = 1, shift = 0;
    float x = 75, y = 55; // A1
    navBar->UserControl_MouseMove(none, shift, x, y);
    navBar->UserControl_MouseDown(left, shift, x, y);
    y += 10;
    navBar->UserControl_MouseMove(left, shift, x, y);
    plat::setDragDriver(nullptr);

    EXPECT_EQ(InputHarness::captions(bar), (QL{"A2", "A3", "A1"}));
    EXPECT_EQ(moved, QL{"A1"});
    EXPECT_FALSE(navBar->state().DragInProgress);

    navBar.reset();
    form.reset();
    plat::resetUiForTests();
}

} // namespace
} // namespace listbar::testing
