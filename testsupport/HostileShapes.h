// Polygon texts for window shapes that cost the most to build, shared by
// the tests and the benchmark of shaped windows.
#pragma once
#include <QString>
#include <cstdint>

namespace zgtest {

// A zig-zag of `points` points from one end of the numbers taken to the
// other and back, climbing from the lowest to the highest: every stroke is
// tens of thousands of pixels long, and a few of them cross a window at the
// origin.
inline QString zigZag(int points)
{
    QString text;
    for (int i = 0; i < points; ++i) {
        const int x = i % 2 ? 32767 : -32767;
        const int y = -32767 + int(int64_t(i) * 65534 / (points - 1));
        text += (i ? QStringLiteral("-") : QString()) + QStringLiteral("(%1,%2)").arg(x).arg(y);
    }
    return text;
}

// Strokes from the top of the range to the bottom, one column apart over
// the window's width: every row of the window crosses every stroke.
inline QString comb(int points, int width)
{
    QString text;
    for (int i = 0; i < points; ++i)
        text += (i ? QStringLiteral("-") : QString())
            + QStringLiteral("(%1,%2)").arg(i % width).arg(i % 2 ? 32767 : -32767);
    return text;
}

} // namespace zgtest
