#include "Units.h"

namespace plat {

namespace {
// Twips per unit.
double twipsPer(int unit)
{
    switch (unit) {
    case scale::Points: return 20.0;
    case scale::Pixels: return TwipsPerPixel;
    case scale::Characters: return 120.0;
    case scale::Inches: return 1440.0;
    case scale::Millimeters: return 1440.0 / 25.4;
    case scale::Centimeters: return 1440.0 / 2.54;
    case scale::HiMetric: return 1440.0 / 2540.0;
    default: return 1.0; // twips, user scale and container positions/sizes
    }
}
} // namespace

double convertUnits(double value, int fromUnit, int toUnit)
{
    if (fromUnit == toUnit)
        return value;
    return value * twipsPer(fromUnit) / twipsPer(toUnit);
}

} // namespace plat
