#include "Error.h"
#include "FormFunctionsImpl.h"
#include "QtPrinters.h"
#include "TestWindowObject.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QRegion>
#include <QStyle>
#include <QWidget>
#include <gtest/gtest.h>

#include "HostileShapes.h"
#include <random>

namespace {

using zgtest::windowObject;

const char* const Star =
    "(0,200)-(100,180)-(10,80)-(150,130)-(140,0)-(240,130)-(290,0)-(320,110)-(430,10)-(420,130)-(540,100)-"
    "(460,160)-(560,190)-(420,220)-(520,290)-(340,270)-(380,360)-(280,300)-(220,400)-(170,310)-(85,370)-"
    "(140,270)-(30,290)-(120,230)";

TEST(FormShape, TheStarTextGivesItsTwentyFourPointsAndTheMaskFollowsThePolygon)
{
    const auto polygon = zg::FormFunctionsImpl::parseShapePoints(QString::fromLatin1(Star));
    ASSERT_TRUE(polygon);
    ASSERT_EQ(polygon->size(), 24);
    EXPECT_EQ(polygon->at(0), QPoint(0, 200));
    EXPECT_EQ(polygon->at(23), QPoint(120, 230));

    QWidget form;
    form.resize(570, 410);
    zg::FormFunctionsImpl ff;
    ASSERT_TRUE(ff.SetFormShapeFromPoints(windowObject(&form), QString::fromLatin1(Star)));
    const QRegion mask = form.mask();
    EXPECT_TRUE(mask.contains(QPoint(280, 200)));  // the middle
    EXPECT_FALSE(mask.contains(QPoint(5, 5)));      // a corner
    EXPECT_FALSE(mask.contains(QPoint(200, 50)));   // between two spikes
    EXPECT_FALSE(mask.contains(QPoint(565, 405)));
    // Every point well inside or outside an edge agrees with the polygon.
    int inside = 0;
    for (int y = 2; y < 410; y += 8)
        for (int x = 2; x < 570; x += 8) {
            const QPointF c(x + 0.5, y + 0.5);
            const bool in = polygon->containsPoint(c.toPoint(), Qt::OddEvenFill);
            bool nearEdge = false;
            for (int dy = -2; dy <= 2 && !nearEdge; ++dy)
                for (int dx = -2; dx <= 2 && !nearEdge; ++dx)
                    nearEdge = polygon->containsPoint(QPoint(x + dx, y + dy), Qt::OddEvenFill) != in;
            if (nearEdge)
                continue;
            inside += in;
            EXPECT_EQ(mask.contains(QPoint(x, y)), in) << x << "," << y;
        }
    EXPECT_GT(inside, 100);
}

TEST(FormShape, TextThatIsNoPolygonGivesFalseAndLeavesTheWindowAlone)
{
    QWidget form;
    form.resize(100, 100);
    zg::FormFunctionsImpl ff;
    const auto obj = windowObject(&form);
    ASSERT_TRUE(ff.SetFormShapeFromPoints(obj, " ( 0 , 0 ) - (90,0) -(0,90) "));
    const QRegion kept = form.mask();
    EXPECT_TRUE(kept.contains(QPoint(10, 10)));

    const QString big = QStringLiteral("(0,0)-") + QString::number(99999999999LL) + QStringLiteral(",1)-(5,5)");
    QString tooMany;
    for (int i = 0; i <= zg::FormFunctionsImpl::MaxShapePoints; ++i)
        tooMany += (i ? QStringLiteral("-") : QString()) + QStringLiteral("(%1,%2)").arg(i % 50).arg(i % 7);
    const QStringList bad = {
        "", "   ", "(0,0)-(10,0)", "(0,0)-(10,0)-(5,x)", "(0,0)(10,0)(5,5)", "(0,0)-(10,0)-(5,5)-",
        "0,0-10,0-5,5", "(0,0)-(10,0)-(5,5", "(0,0)-(10,0)-(5;5)", "(1.5,0)-(10,0)-(5,5)", "(0,0)-(40000,0)-(5,5)",
        "(--1,0)-(10,0)-(5,5)", QString::fromUtf8("(\u0661,0)-(10,0)-(5,5)"), big, tooMany,
        "(0,0)-(10,10)-(20,20)", // three points on a line enclose nothing
    };
    for (const QString& text : bad) {
        EXPECT_FALSE(ff.SetFormShapeFromPoints(obj, text)) << text.left(60).toStdString();
        EXPECT_EQ(form.mask(), kept) << text.left(60).toStdString();
    }
    // Negative numbers and a join before a negative one are fine.
    EXPECT_TRUE(zg::FormFunctionsImpl::parseShapePoints("(-5,-5)-(-10,20)-(30,-1)"));
}

using zgtest::comb;
using zgtest::zigZag;

TEST(FormShape, TheShapeOnTheWindowIsPixelForPixelThePolygonsRegionThere)
{
    // Small polygons reaching in and out of a small window: the shape built
    // for the window is the polygon's full region cut to the window.
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> coordinate(-25, 65), count(3, 12);
    const QSize window(40, 30);
    for (int round = 0; round < 3000; ++round) {
        QPolygon polygon;
        const int n = count(random);
        for (int i = 0; i < n; ++i)
            polygon << QPoint(coordinate(random), coordinate(random));
        const QRegion expected = QRegion(polygon, Qt::OddEvenFill) & QRect(QPoint(0, 0), window);
        const QRegion shape = zg::FormFunctionsImpl::shapeRegion(polygon, window);
        ASSERT_TRUE((shape ^ expected).isEmpty()) << "round " << round;
    }
    // A polygon wholly on its window is all there; a window of no size
    // has no shape.
    const auto star = zg::FormFunctionsImpl::parseShapePoints(QString::fromLatin1(Star));
    ASSERT_TRUE(star);
    EXPECT_EQ(zg::FormFunctionsImpl::shapeRegion(*star, QSize(570, 410)), QRegion(*star, Qt::OddEvenFill));
    EXPECT_TRUE(zg::FormFunctionsImpl::shapeRegion(*star, QSize(0, 410)).isEmpty());
    // Rectangles, given as four corners or five, keep their right and
    // bottom edges outside.
    const QPolygon square({ QPoint(-5, 2), QPoint(10, 2), QPoint(10, 12), QPoint(-5, 12), QPoint(-5, 2) });
    EXPECT_EQ(zg::FormFunctionsImpl::shapeRegion(square, QSize(20, 20)), QRegion(0, 2, 10, 10));
}

TEST(FormShape, PolygonsFarBeyondTheWindowShapeOnlyWhatTheWindowShows)
{
    // Zig-zags across the whole range of the numbers: the window keeps the
    // parts of the strokes that cross it, and the call comes back.
    QWidget form;
    form.resize(1280, 1024);
    zg::FormFunctionsImpl ff;
    const auto obj = windowObject(&form);
    for (const int points : { 10, 50, 400 }) {
        const QString text = zigZag(points);
        const auto polygon = zg::FormFunctionsImpl::parseShapePoints(text);
        ASSERT_TRUE(polygon);
        ASSERT_TRUE(ff.SetFormShapeFromPoints(obj, text)) << points;
        const QRegion mask = form.mask();
        EXPECT_TRUE(QRect(0, 0, 1280, 1024).contains(mask.boundingRect())) << points;
        // Every pixel away from the strokes' edges agrees with the polygon.
        int checked = 0, inside = 0;
        for (int y = 3; y < 1024; y += 37)
            for (int x = 5; x < 1280; x += 41) {
                const bool in = polygon->containsPoint(QPoint(x, y), Qt::OddEvenFill);
                bool nearEdge = false;
                for (int d = -2; d <= 2 && !nearEdge; ++d)
                    nearEdge = polygon->containsPoint(QPoint(x + d, y), Qt::OddEvenFill) != in
                        || polygon->containsPoint(QPoint(x, y + d), Qt::OddEvenFill) != in;
                if (nearEdge)
                    continue;
                ++checked;
                inside += in;
                EXPECT_EQ(mask.contains(QPoint(x, y)), in) << points << ": " << x << "," << y;
            }
        EXPECT_GT(checked, 500) << points;
        EXPECT_GT(inside, 0) << points;
        EXPECT_LT(inside, checked) << points;
    }

    // As many points as taken, every stroke crossing every row.
    EXPECT_TRUE(ff.SetFormShapeFromPoints(obj, comb(zg::FormFunctionsImpl::MaxShapePoints, 1280)));
    EXPECT_TRUE(QRect(0, 0, 1280, 1024).contains(form.mask().boundingRect()));

    // A polygon wholly off the window would leave nothing of it to see: the
    // window keeps the shape it had.
    const QRegion kept = form.mask();
    EXPECT_FALSE(ff.SetFormShapeFromPoints(obj, "(-32767,-32767)-(-100,-32767)-(-100,-100)"));
    EXPECT_FALSE(ff.SetFormShapeFromPoints(obj, "(2000,0)-(32767,0)-(32767,900)"));
    EXPECT_EQ(form.mask(), kept);
}

TEST(LentControls, SetParentMovesTheControlAndAWindowGoingDownSendsItHome)
{
    QWidget home;
    auto* button = new QPushButton(QStringLiteral("Switch Owners!"), &home);
    button->move(7, 9);
    home.show();
    auto* owner = new QWidget;
    owner->show();
    zg::FormFunctionsImpl ff;
    const auto buttonObj = windowObject(button);

    EXPECT_TRUE(ff.SetParent(buttonObj, windowObject(owner)));
    EXPECT_EQ(button->parentWidget(), owner);
    EXPECT_EQ(button->pos(), QPoint(7, 9));
    EXPECT_TRUE(button->isVisible());

    // The owner is destroyed without giving the button back first.
    QPointer<QPushButton> alive(button);
    delete owner;
    ASSERT_TRUE(alive);
    EXPECT_EQ(button->parentWidget(), &home);
    EXPECT_TRUE(button->isVisible());

    // Lent and given back: a later end of the other window leaves it alone.
    auto* second = new QWidget;
    second->show();
    EXPECT_TRUE(ff.SetParent(buttonObj, windowObject(second)));
    EXPECT_TRUE(ff.SetParent(buttonObj, windowObject(&home)));
    EXPECT_EQ(button->parentWidget(), &home);
    delete second;
    ASSERT_TRUE(alive);
    EXPECT_EQ(button->parentWidget(), &home);

    // Lent twice over: home is still where it started.
    auto* a = new QWidget;
    auto* b = new QWidget;
    EXPECT_TRUE(ff.SetParent(buttonObj, windowObject(a)));
    EXPECT_TRUE(ff.SetParent(buttonObj, windowObject(b)));
    EXPECT_TRUE(ff.SetParent(buttonObj, windowObject(b)));
    delete a;
    EXPECT_EQ(button->parentWidget(), b);
    delete b;
    ASSERT_TRUE(alive);
    EXPECT_EQ(button->parentWidget(), &home);

    // Into itself or a window of its own: refused.
    EXPECT_FALSE(ff.SetParent(buttonObj, buttonObj));
}

TEST(LentControls, ObjectsWithoutAWindowRaise424)
{
    zg::FormFunctionsImpl ff;
    auto* w = new QWidget;
    const auto gone = windowObject(w);
    delete w;
    QWidget form;
    try {
        ff.SetParent(gone, windowObject(&form));
        FAIL() << "no error";
    } catch (const plat::RuntimeError& e) {
        EXPECT_EQ(e.number(), 424);
    }
}

TEST(DesktopMetrics, ComeFromTheStyleAndTheFontSettings)
{
    zg::FormFunctionsImpl ff;
    EXPECT_GE(ff.DefaultBorderSize(), 0.0f);
    EXPECT_GT(ff.DefaultMenuItemHeight(), 0);
    EXPECT_EQ(ff.DefaultScrollBarHeight(), QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    EXPECT_EQ(ff.DefaultScrollBarWidth(), ff.DefaultScrollBarHeight());
    EXPECT_GT(ff.DefaultTitleBarButtonHeight(), 0);
    EXPECT_GT(ff.DefaultTitleBarButtonWidth(), 0);
    EXPECT_GT(ff.SmallTitleBarButtonHeight(), 0);
    EXPECT_LE(ff.SmallTitleBarButtonHeight(), ff.DefaultTitleBarButtonHeight());
    EXPECT_EQ(ff.DesktopHWnd(), 0); // the offscreen platform has no root window
    EXPECT_EQ(ff.DesktopHDC(), 0);

    // Before the window is shown: the style's title bar and two borders.
    QWidget form;
    const auto obj = windowObject(&form);
    const int border = QApplication::style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    EXPECT_EQ(ff.NonClientAreaWidth(obj).toLong(), 2 * border);
    EXPECT_GT(ff.NonClientAreaHeight(obj).toLong(), ff.NonClientAreaWidth(obj).toLong());

    for (const plat::FontPtr& f : {ff.DefaultTitleBarFont(), ff.SmallTitleBarFont(), ff.DefaultMenuFont()}) {
        ASSERT_TRUE(f);
        EXPECT_FALSE(f->Name().isEmpty());
        EXPECT_GT(f->Size(), 0.0);
    }
    // A new object each call: a label changing its font changes no other.
    EXPECT_NE(ff.DefaultMenuFont(), ff.DefaultMenuFont());
}

} // namespace
