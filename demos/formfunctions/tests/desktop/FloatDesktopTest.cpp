// The form functions demo clicked as a user clicks it on a real desktop:
// its check box takes a click anywhere in its box, far right of its caption
// too, and a checked "New Owner Floats" makes the new owner float above
// the other windows.
#include "frmFormFunctionsDemo.h"
#include "frmNewOwner.h"

#include <Application.h>
#include <Buttons.h>
#include <DesktopTier.h>
#include <Form.h>
#include <Library.h>
#include <Register.h>

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

// The X headers come last: their macros would clash with the toolkit's.
#include <X11TestClient.h>

namespace {

// Runs the application's events until `done` holds, at most `timeoutMs`.
bool eventually(const std::function<bool()>& done, int timeoutMs = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

class FloatingOwner : public ::testing::Test {
protected:
    void TearDown() override
    {
        plat::resetUiForTests();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        zg::resetForTests();
    }

    // Where on the screen a point of a control of the shown form lies.
    QPoint onScreen(zgtest::X11TestClient& screen, const plat::Form& form, QWidget* control, QPoint local)
    {
        return screen.clientRect(form.widget()->winId()).topLeft() + control->mapTo(form.widget(), local);
    }

    // Clicks there through the X server, then lets the program take it.
    void clickAt(zgtest::X11TestClient& screen, QPoint p)
    {
        screen.click(p);
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < 300)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
};

TEST_F(FloatingOwner, TheCheckBoxTakesAClickRightOfItsCaptionAndTheCheckedOwnerFloats)
{
    ZG_REQUIRE_DESKTOP();
    zgtest::X11TestClient screen(zgtest::desktop::display());
    ASSERT_TRUE(screen.isOpen());
    ASSERT_TRUE(screen.managed()) << "the tier runs a window manager";
    zg::registerLibrary();
    plat::setLastFormUnloadedHandler([] {});

    const auto main = plat::formInstance<frmFormFunctionsDemo>();
    main->Load();
    main->Show();
    ASSERT_TRUE(eventually([&] { return screen.frameExtents(main->widget()->winId()).has_value(); }, 20000))
        << "the main window was not framed";

    // A point inside the check box's design rectangle, well right of where
    // its caption's text ends.
    auto* box = qobject_cast<QCheckBox*>(main->chkFloat->widget());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->width(), 3360 / 15);
    QStyleOptionButton option;
    option.initFrom(box);
    const int textEnd = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, box)
                        + box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, box)
                        + box->fontMetrics().horizontalAdvance(QStringLiteral("New Owner Floats"));
    const QPoint local(box->width() - 12, box->height() / 2);
    ASSERT_GT(local.x(), textEnd + 20);
    const QPoint rightOfCaption = onScreen(screen, *main, box, local);

    int clicks = 0;
    main->chkFloat->Click.connect([&] { ++clicks; });
    EXPECT_EQ(main->chkFloat->Value(), 0);
    clickAt(screen, rightOfCaption);
    EXPECT_TRUE(eventually([&] { return clicks == 1; }));
    EXPECT_EQ(main->chkFloat->Value(), 1);
    clickAt(screen, rightOfCaption);
    EXPECT_TRUE(eventually([&] { return clicks == 2; }));
    EXPECT_EQ(main->chkFloat->Value(), 0);
    EXPECT_EQ(clicks, 2);

    // Checked there again, then "Show New Owner": the new owner floats.
    clickAt(screen, rightOfCaption);
    ASSERT_TRUE(eventually([&] { return main->chkFloat->Value() == 1; }));
    QWidget* show = main->cmdShowNewOwner->widget();
    clickAt(screen, onScreen(screen, *main, show, show->rect().center()));
    const auto owner = plat::formInstance<frmNewOwner>();
    ASSERT_TRUE(eventually([&] { return owner->widget() && owner->widget()->isVisible(); }))
        << "Show New Owner was not clicked";
    // The window the manager knows: the toolkit makes its window anew when
    // it changes the floating hint.
    const Atom above = XInternAtom(screen.display(), "_NET_WM_STATE_ABOVE", False);
    EXPECT_TRUE(eventually(
        [&] {
            const auto state = screen.cardinals(owner->widget()->windowHandle()->winId(), "_NET_WM_STATE", XA_ATOM);
            return std::find(state.begin(), state.end(), long(above)) != state.end();
        },
        10000))
        << "the window manager does not keep the new owner above";
}

} // namespace
