// Text read as a number: the conversions of a Variant holding the text, Val,
// and what follows from the value (whole numbers, dates, currency, decimals,
// the text written back). Each either gives a value or raises a run-time
// error; none may read a value it cannot hold.
#include "FuzzSupport.h"

#include <Error.h>
#include <Numbers.h>
#include <Variant.h>

#include <cmath>

namespace {
template <class F>
bool statement(F&& f)
{
    try {
        f();
        return true;
    } catch (const plat::RuntimeError&) {
        return false;
    }
}

void followOn(double d)
{
    statement([&] { (void)plat::CInt(d); });
    statement([&] { (void)plat::CLng(d); });
    statement([&] { (void)plat::CByte(d); });
    statement([&] { (void)plat::Variant::date(d).toString(); });
    statement([&] { (void)plat::Variant::currencyFromDouble(d).toString(); });
    statement([&] { (void)plat::Decimal::fromDouble(d).toString(); });
    statement([&] { (void)plat::Variant(d).toLongLong(); });
    statement([&] { (void)plat::IntDiv(d, 3); });
    statement([&] { (void)plat::Mod(d, 7); });
    (void)plat::numberText(d);
    (void)plat::singleText(float(d));
    (void)plat::formatThousands(d);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = zgfuzz::text(data, size);
    const plat::Variant v(text);
    (void)plat::isNumericText(text);
    statement([&] { (void)v.toBool(); });
    statement([&] { (void)v.toByte(); });
    statement([&] { (void)v.toInteger(); });
    statement([&] { (void)v.toLong(); });
    statement([&] { (void)v.toLongLong(); });
    statement([&] { (void)v.toSingle(); });
    statement([&] { (void)v.toCurrencyScaled(); });
    statement([&] {
        const plat::Decimal dec = v.toDecimal();
        (void)dec.toString();
        (void)dec.toDouble();
    });

    double d = 0;
    if (statement([&] { d = v.toDouble(); })) {
        ZG_FUZZ_CHECK(std::isfinite(d), "text read as a Double that is not finite");
        followOn(d);
    }
    double val = 0;
    if (statement([&] { val = plat::Val(text); })) {
        ZG_FUZZ_CHECK(std::isfinite(val), "Val gave a value that is not finite");
        followOn(val);
    }
    return 0;
}
