// A user control's property bag as design data holds it, read the way the
// controls read their settings: every key converted to each of the types a
// setting is stored as, one statement at a time, then written into a new
// bag and through its text form again.
#include "FuzzSupport.h"

#include <Error.h>
#include <Font.h>
#include <Picture.h>
#include <PropertyBag.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
template <class F>
void statement(F&& f)
{
    try {
        f();
    } catch (const plat::RuntimeError&) {
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(zgfuzz::bytes(data, size), &error);
    if (error.error != QJsonParseError::NoError)
        return 0;
    const QJsonValue json = doc.isArray() ? QJsonValue(doc.array()) : QJsonValue(doc.object());
    plat::PropertyBag bag;
    try {
        bag = plat::PropertyBag::fromJson(json);
    } catch (const plat::RuntimeError&) {
        return 0;
    }

    plat::PropertyBag written;
    for (const QString& key : bag.keys()) {
        const plat::Variant v = bag.ReadProperty(key, plat::Variant(int32_t(0)));
        statement([&] { (void)v.toLong(); });
        statement([&] { (void)v.toInteger(); });
        statement([&] { (void)v.toByte(); });
        statement([&] { (void)v.toBool(); });
        statement([&] { (void)v.toSingle(); });
        statement([&] { (void)v.toDouble(); });
        statement([&] { (void)v.toCurrencyScaled(); });
        statement([&] { (void)v.toDecimal().toString(); });
        statement([&] { (void)v.toString(); });
        statement([&] { (void)plat::bagColour(v); });
        statement([&] {
            if (auto font = plat::bagObject<plat::Font>(v))
                (void)font->qfont();
        });
        statement([&] { (void)plat::bagObject<plat::Picture>(v); });
        written.WriteProperty(key, v, plat::Variant());
    }

    const QByteArray text = QJsonDocument(written.toJson().toArray()).toJson();
    plat::PropertyBag reread;
    try {
        reread = plat::PropertyBag::fromJson(QJsonDocument::fromJson(text).array());
    } catch (const plat::RuntimeError& e) {
        std::fprintf(stderr, "%s\n%s\n", text.constData(), e.what());
        ZG_FUZZ_CHECK(false, "a written bag does not read back");
    }
    ZG_FUZZ_CHECK(QJsonDocument(reread.toJson().toArray()).toJson() == text, "a bag changes through its text form");
    return 0;
}
