#include "PointerTracker.h"

#include <QWindow>
#include <gtest/gtest.h>

namespace {

TEST(PointerTracker, KnowsThePointerOnlyWhileItIsInsideAWindow)
{
    QWindow a, b;
    a.show();
    b.show();
    zg::PointerTracker t;
    EXPECT_FALSE(t.known()); // nothing seen yet: ask the server

    t.note(QEvent::Enter, &a, {10, 20});
    EXPECT_EQ(t.known(), QPoint(10, 20));
    t.note(QEvent::MouseMove, &a, {15, 25});
    EXPECT_EQ(t.known(), QPoint(15, 25));
    t.moved({40, 50}); // the program moved it
    EXPECT_EQ(t.known(), QPoint(40, 50));

    // Into the next window: the old window's late Leave changes nothing.
    t.note(QEvent::Enter, &b, {300, 10});
    t.note(QEvent::Leave, &a, {});
    EXPECT_EQ(t.known(), QPoint(300, 10));

    // Out of every window: unknown again, moves seen before do not count.
    t.note(QEvent::Leave, &b, {});
    EXPECT_FALSE(t.known());
    t.note(QEvent::MouseMove, &b, {320, 12}); // a drag reported outside
    EXPECT_FALSE(t.known());

    // A window hidden or gone under the pointer tells nothing either.
    t.note(QEvent::Enter, &a, {1, 2});
    a.hide();
    EXPECT_FALSE(t.known());
    {
        QWindow c;
        c.show();
        t.note(QEvent::Enter, &c, {5, 5});
    }
    EXPECT_FALSE(t.known());
}

} // namespace

namespace {

TEST(PointerTracker, AMoveWithoutButtonsInsideAWindowTellsItIsThere)
{
    QWindow a;
    a.show();
    zg::PointerTracker t;
    t.note(QEvent::MouseMove, &a, {7, 8}, true);
    EXPECT_EQ(t.known(), QPoint(7, 8));
    t.note(QEvent::Leave, &a, {});
    t.note(QEvent::MouseMove, &a, {900, 8}, false); // dragged outside
    EXPECT_FALSE(t.known());
    // The program's tracker watches from the application's start.
    EXPECT_NE(&zg::PointerTracker::application(), nullptr);
}

} // namespace
