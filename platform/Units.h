// Units and rounding. One fixed 96 DPI: 15 twips a pixel, 2540 HiMetric an
// inch. Conversions to whole numbers round halves to even, never away from 0.
#pragma once
#include <cmath>
#include <cstdint>

namespace plat {

constexpr int TwipsPerPixel = 15;
constexpr int Dpi = 96;
constexpr double HiMetricPerPixel = 2540.0 / Dpi;

// Nearest whole number, halves to the even neighbour (no range check).
inline double roundEven(double v) { return std::nearbyint(v); }

inline double twipsToPixels(double twips) { return twips / TwipsPerPixel; }
inline double pixelsToTwips(double pixels) { return pixels * TwipsPerPixel; }
inline double himetricToPixels(double hm) { return hm / HiMetricPerPixel; }
inline double pixelsToHimetric(double px) { return px * HiMetricPerPixel; }

// Whole-pixel and whole-HiMetric forms, so that a picture of n pixels
// reports n pixels back after a round trip.
inline int32_t pixelsToHimetricWhole(int32_t px) { return int32_t(roundEven(pixelsToHimetric(px))); }
inline int32_t himetricToPixelsWhole(double hm) { return int32_t(roundEven(himetricToPixels(hm))); }

// ScaleX/ScaleY unit codes of the runtime.
namespace scale {
constexpr int User = 0, Twips = 1, Points = 2, Pixels = 3, Characters = 4, Inches = 5, Millimeters = 6,
              Centimeters = 7, HiMetric = 8, ContainerPosition = 9, ContainerSize = 10;
}

// Converts a length between two of the codes above (Twips, Points, Pixels,
// Inches, Millimeters, Centimeters, HiMetric; the container codes count as
// twips, which is what every container here uses).
double convertUnits(double value, int fromUnit, int toUnit);

} // namespace plat
