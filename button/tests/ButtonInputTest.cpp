// The button between the user and the host: hover and its hand-over, the
// held mouse button, toggling by mouse and keyboard, access keys, arrow-key
// moves among the form's controls and the window-rectangle test.
#include "ButtonHostSupport.h"
#include "QtPrinters.h"

#include <Error.h>
#include <Input.h>

using namespace buttonhost;
using plat::vk::Return;
using plat::vk::Space;

using ButtonInputTest = HostTest;

TEST_F(ButtonInputTest, HoverHandsOverToTheNextButtonBeforeItEnters)
{
    load({{"A", "ZSButton", 10, 10}, {"B", "ZSButton", 100, 10}, {"C", "ZSButton", 190, 10}});
    auto a = button("A"), b = button("B"), c = button("C");

    // A button held since a press elsewhere counts as none.
    pointAt(a, 5, 5);
    move(a, 1);
    EXPECT_EQ(takeLog(), QStringList({"A.MouseEnter", "A.MouseMove(0,0,5,5)"}));
    EXPECT_EQ(look(a), 1);

    int32_t lookOfAWhenBEnters = 99;
    b->MouseEnter.connect([&] {
        lookOfAWhenBEnters = look(a);
        log << "B.MouseEnter";
    });
    pointAt(b, 5, 5);
    move(b);
    EXPECT_EQ(takeLog(), QStringList({"A.MouseLeave", "B.MouseEnter", "B.MouseMove(0,0,5,5)"}));
    EXPECT_EQ(lookOfAWhenBEnters, 0);
    EXPECT_FALSE(hovering(a));

    // A is still one of the two most recent: it leaves once more with B.
    pointAt(c, 5, 5);
    move(c);
    EXPECT_EQ(takeLog(), QStringList({"A.MouseLeave", "B.MouseLeave", "C.MouseEnter", "C.MouseMove(0,0,5,5)"}));
    EXPECT_EQ(look(b), 0);
}

TEST_F(ButtonInputTest, TheTimerEndsTheHoverWhenTheCursorLeavesTheRectangle)
{
    load({{"A", "ZSButton", 10, 10, 80, 30}});
    auto a = button("A");
    const auto r = windowRect(a);
    mouse->cursor = QPoint(r.right, r.bottom); // every edge counts as inside
    move(a);
    tick(a);
    EXPECT_EQ(takeLog(), QStringList({"A.MouseEnter", "A.MouseMove(0,0,5,5)"}));
    EXPECT_TRUE(a->zzzMouseIsOverObject(a));

    mouse->cursor = QPoint(r.right + 1, r.bottom);
    tick(a);
    EXPECT_EQ(takeLog(), QStringList({"A.MouseLeave"}));
    EXPECT_FALSE(hovering(a));
    EXPECT_EQ(look(a), 0);
}

TEST_F(ButtonInputTest, AnObjectWithoutWindowRaises30016WithItsHelp)
{
    load({{"A"}, {"lbl", "Label", 10, 60}});
    const plat::ObjectPtr label = form->findControl(QStringLiteral("lbl"));
    for (const plat::ObjectPtr& object : {label, plat::ObjectPtr()}) {
        try {
            button("A")->zzzMouseIsOverObject(object);
            ADD_FAILURE() << "no error raised";
        } catch (const plat::RuntimeError& e) {
            EXPECT_EQ(e.number(), 30016);
            EXPECT_EQ(e.info().source, "ZSButton.zzzMouseIsOverObject");
            EXPECT_EQ(e.info().description, "Object does not have an associated Window Handle (hWnd).");
            EXPECT_EQ(e.info().helpFile, InternalZSButton::GetSystemDirectoryPath() + "ZorvaneSG3.chm");
            EXPECT_EQ(e.info().helpContext, 1000);
        }
    }
}

TEST_F(ButtonInputTest, DraggingOutAndBackInWithTheButtonHeld)
{
    load({{"A"}});
    auto a = button("A");
    pointAt(a, 5, 5);
    move(a);
    press(a);
    EXPECT_EQ(look(a), -1);
    takeLog();

    // Out: the hover look stays, the timer runs on, MouseLeave comes once.
    pointAway();
    move(a, 1);
    EXPECT_EQ(look(a), 1);
    tick(a);
    tick(a);
    EXPECT_TRUE(hovering(a));
    // Back in: pressed again.
    pointAt(a, 6, 6);
    move(a, 1);
    EXPECT_EQ(look(a), -1);
    EXPECT_EQ(takeLog(), QStringList({"A.MouseMove(1,0,5,5)", "A.MouseLeave", "A.MouseEnter", "A.MouseMove(1,0,5,5)"}));

    // Released outside: no Click; a release without a press does nothing.
    a->setDisplayPersistentHover(false);
    pointAway();
    move(a, 1);
    EXPECT_EQ(look(a), 0);
    release(a);
    release(a);
    EXPECT_EQ(takeLog(), QStringList({"A.MouseMove(1,0,5,5)", "A.MouseUp(1,0,5,5)"}));
}

TEST_F(ButtonInputTest, ClickingAToggleFlipsItBeforeMouseUp)
{
    load({{"A"}});
    auto a = button("A");
    a->settings().ButtonToggles = 1;
    pointAt(a, 5, 5);
    a->clearChangedProperties();
    press(a);
    release(a);
    EXPECT_EQ(takeLog(), QStringList({"A.MouseDown(1,0,5,5)", "A.Click", "A.MouseUp(1,0,5,5)"}));
    EXPECT_TRUE(a->Value());
    EXPECT_TRUE(a->Delegate()->Value());
    EXPECT_TRUE(a->changedProperties().isEmpty()); // stored directly

    press(a);
    release(a);
    EXPECT_FALSE(a->Value());
    EXPECT_FALSE(a->Delegate()->Value());
}

TEST_F(ButtonInputTest, ADoubleClickIsASecondPressWithFixedArguments)
{
    load({{"A"}});
    auto a = button("A");
    pointAt(a, 5, 5);
    a->UserControl_DblClick();
    release(a);
    EXPECT_EQ(takeLog(), QStringList({"A.MouseDown(1,0,1,1)", "A.Click", "A.MouseUp(1,0,5,5)"}));
}

TEST_F(ButtonInputTest, AShapedButtonHoversOverItsPictureButClicksOnItsRectangle)
{
    load({{"A", "ZSButton", 10, 10, 40, 40}});
    auto a = button("A");
    // A red square inside a border of the mask colour.
    QImage img(40, 40, QImage::Format_RGB32);
    img.fill(qRgb(0xC0, 0xC0, 0xC0));
    for (int y = 10; y < 30; ++y)
        for (int x = 10; x < 30; ++x)
            img.setPixel(x, y, qRgb(255, 0, 0));
    a->setButtonStyle(2);
    a->setButtonImage(plat::Picture::fromImage(img));

    pointAt(a, 2, 2);
    move(a);
    EXPECT_EQ(takeLog(), QStringList({"A.MouseMove(0,0,5,5)"}));
    tick(a);
    EXPECT_FALSE(hovering(a));
    EXPECT_FALSE(a->runtime().HasHoverSnapshot);

    pointAt(a, 20, 20);
    move(a);
    press(a);
    pointAt(a, 1, 1);
    release(a);
    tick(a);
    EXPECT_EQ(takeLog(), QStringList({"A.MouseEnter", "A.MouseMove(0,0,5,5)", "A.MouseDown(1,0,5,5)", "A.Click",
                                      "A.MouseUp(1,0,5,5)", "A.MouseLeave"}));
}

TEST_F(ButtonInputTest, SpaceAndEnterClickOnReleaseOfAKeyPressedHere)
{
    load({{"A"}});
    auto a = button("A");
    pointAway();
    keyDown(a, Space);
    EXPECT_EQ(look(a), -1);
    keyUp(a, Space);
    EXPECT_EQ(look(a), 0);
    keyUp(a, Return); // went down elsewhere: nothing
    keyDown(a, Return);
    keyUp(a, Return);
    keyDown(a, 65);
    keyUp(a, 65);
    EXPECT_EQ(takeLog(), QStringList({"A.KeyDown(32)", "A.Click", "A.KeyUp(32)", "A.KeyDown(13)", "A.Click",
                                      "A.KeyUp(13)", "A.KeyDown(65)", "A.KeyUp(65)"}));
}

TEST_F(ButtonInputTest, KeyboardPressesOfAToggleClickTwice)
{
    load({{"A"}});
    auto a = button("A");
    a->settings().ButtonToggles = 1;
    pointAway();
    int16_t key = 'a';
    a->UserControl_AccessKeyPress(key);
    EXPECT_TRUE(a->Value());
    keyDown(a, Space);
    keyUp(a, Space);
    EXPECT_FALSE(a->Value());
    EXPECT_EQ(takeLog(), QStringList({"A.Click", "A.Click", "A.KeyDown(32)", "A.Click", "A.Click", "A.KeyUp(32)"}));

    // A push button clicks once and shows the hover look under the mouse.
    a->settings().ButtonToggles = 0;
    pointAt(a, 5, 5);
    a->UserControl_AccessKeyPress(key);
    EXPECT_EQ(takeLog(), QStringList({"A.Click"}));
    EXPECT_EQ(look(a), 1);
}

TEST_F(ButtonInputTest, TheAccessKeyIsTheLetterAfterTheFirstSingleAmpersand)
{
    load({{"A"}});
    auto a = button("A");
    const std::pair<const char*, const char*> cases[] = {{"&Go", "G"}, {"a&&b&c", "c"}, {"x&&&y", "y"},
                                                         {"&&x", ""},  {"abc&", ""},    {"plain", ""}};
    for (const auto& [caption, key] : cases) {
        a->setCaption(QString::fromLatin1(caption));
        EXPECT_EQ(a->AccessKeys(), QString::fromLatin1(key)) << caption;
    }
}

TEST_F(ButtonInputTest, ArrowKeysMoveTheFocusAmongControlsThatCanTakeIt)
{
    // Tab order: A, lbl, Off, Hidden, NoStop, B, C.
    load({{"A", "ZSButton", 10, 10},
          {"lbl", "Label", 10, 50},
          {"Off", "ZSButton", 100, 10, 80, 30, std::nullopt, {{"Enabled", false}}},
          {"Hidden", "ZSButton", 190, 10, 80, 30, std::nullopt, {{"Visible", false}}},
          {"NoStop", "ZSButton", 280, 10, 80, 30, std::nullopt, {{"TabStop", false}}},
          {"B", "ZSButton", 10, 100},
          {"C", "ZSButton", 100, 100}});
    showAndActivate();
    auto focused = [&] {
        for (const char* n : {"A", "B", "C", "Off", "Hidden", "NoStop"})
            if (button(n)->widget()->hasFocus())
                return QString::fromLatin1(n);
        return QString();
    };
    button("A")->SetFocus();
    const std::pair<int16_t, const char*> steps[] = {{plat::vk::Right, "B"}, {plat::vk::Down, "C"},
                                                     {plat::vk::Right, "A"}, {plat::vk::Left, "C"},
                                                     {plat::vk::Up, "B"},    {plat::vk::Up, "A"}};
    for (const auto& [key, expected] : steps) {
        keyDown(button(focused().toLatin1().constData()), key);
        EXPECT_EQ(focused(), expected);
    }

    // The host cancels the key: no move, and no pressed look for Space.
    auto a = button("A");
    a->KeyDown.connect([](int16_t& KeyCode, int16_t&) { KeyCode = 0; });
    keyDown(a, plat::vk::Right);
    keyDown(a, Space);
    EXPECT_EQ(focused(), "A");
    EXPECT_NE(look(a), -1);
}

TEST_F(ButtonInputTest, AFocusedFlatButtonKeepsItsFocusLookWhileTheMouseIsElsewhere)
{
    load({{"A"}});
    auto a = button("A");
    a->settings().ButtonStyle = 1;
    a->settings().DrawFocusRectangle = true;
    pointAway();
    a->UserControl_GotFocus();
    EXPECT_EQ(look(a), 2);
    pointAt(a, 5, 5);
    move(a);
    EXPECT_EQ(look(a), 1);
    pointAway();
    move(a);
    EXPECT_EQ(look(a), 1); // a move outside leaves that look alone
    tick(a);
    EXPECT_EQ(look(a), 2);
    a->UserControl_LostFocus();
    EXPECT_EQ(look(a), 0);
}
