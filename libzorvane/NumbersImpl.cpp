#include "NumbersImpl.h"

#include "Error.h"

#include <QRandomGenerator>

namespace zg {

namespace {
const char* const Source = "ZorvaneNumbers.GenerateRandomID";

uint32_t systemRandom(uint32_t bound)
{
    return QRandomGenerator::global()->bounded(bound);
}
} // namespace

NumbersImpl::NumbersImpl() : random_(systemRandom) {}

void NumbersImpl::setRandomSource(RandomSource source)
{
    random_ = source ? std::move(source) : RandomSource(systemRandom);
}

QString NumbersImpl::GenerateRandomID(int16_t Count, const plat::Variant& NumberSystem)
{
    int32_t radix = 10;
    if (!NumberSystem.isEmpty() && !NumberSystem.isMissing())
        radix = NumberSystem.toLong();
    if (Count < 0 || radix < 2 || radix > 36)
        plat::raise(plat::err::InvalidCall, QString::fromLatin1(Source));

    static const char digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QString id;
    id.reserve(Count);
    for (int i = 0; i < Count; ++i) {
        const uint32_t d = random_(uint32_t(radix));
        // A source that answers outside the range is folded back into it.
        id.append(QLatin1Char(digits[d % uint32_t(radix)]));
    }
    return id;
}

} // namespace zg
