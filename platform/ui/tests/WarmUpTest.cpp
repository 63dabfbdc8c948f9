// The start's read-ahead thread: it may run while the program already
// measures text, its results are the ones the program then uses, and it
// ends cleanly however the start goes.
#include "UiTestSupport.h"

#include <Paths.h>
#include <WarmUp.h>

#include <QFont>
#include <QFontMetrics>

#include <fontconfig/fontconfig.h>

using namespace plat;

namespace {

class WarmUpTest : public uitest::UiTest {};

TEST_F(WarmUpTest, TextMeasuredWhileTheFontConfigurationIsReadMeasuresAsAfterwards)
{
    const QString text = QStringLiteral("Select A Category");
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);

    WarmUp warmUp;
    // The toolkit's font database and the read-ahead use the font library
    // at the same time here.
    const int during = QFontMetrics(font).horizontalAdvance(text);
    warmUp.wait();
    const int after = QFontMetrics(font).horizontalAdvance(text);

    EXPECT_GT(during, 0);
    EXPECT_EQ(during, after);
    EXPECT_NE(FcConfigGetCurrent(), nullptr);
}

TEST_F(WarmUpTest, TheDriveMapReadAheadIsTheOneThePathsUse)
{
    resetDriveMap();
    WarmUp warmUp;
    warmUp.wait();
    const auto& map = drives();
    ASSERT_FALSE(map.empty());
    EXPECT_EQ(map.front().letter, QChar(u'C'));
    // Read once: asking again gives the very same map.
    EXPECT_EQ(&drives(), &map);
    EXPECT_EQ(toSystemPath(QStringLiteral("C:\\")), QStringLiteral("/"));
}

TEST_F(WarmUpTest, WaitingTwiceOrNotAtAllEndsTheThread)
{
    {
        WarmUp warmUp;
        warmUp.wait();
        warmUp.wait();
    }
    {
        // A start that fails before it waits: the thread is still joined.
        WarmUp warmUp;
    }
    SUCCEED();
}

} // namespace
