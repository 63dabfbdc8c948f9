#include "PropertyBag.h"

#include "ImageDecode.h"

#include "Error.h"
#include "Font.h"
#include "Numbers.h"
#include "Picture.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonObject>
#include <cmath>
#include <functional>
#include <limits>

namespace plat {

namespace {

bool isColourKey(const QString& key) { return key.contains(QLatin1String("Color"), Qt::CaseInsensitive); }

[[noreturn]] void badValue(const QString& key, const QString& why)
{
    raise(err::InvalidProperty, {}, QStringLiteral("Invalid property value for '%1': %2").arg(key, why));
}

QJsonValue fontToJson(const Font& f)
{
    QJsonObject o;
    o.insert(QStringLiteral("Name"), f.Name());
    o.insert(QStringLiteral("Size"), f.Size());
    o.insert(QStringLiteral("Bold"), f.Bold());
    o.insert(QStringLiteral("Italic"), f.Italic());
    o.insert(QStringLiteral("Underline"), f.Underline());
    o.insert(QStringLiteral("Strikethrough"), f.Strikethrough());
    o.insert(QStringLiteral("Weight"), f.Weight());
    o.insert(QStringLiteral("Charset"), f.Charset());
    return o;
}

FontPtr fontFromJson(const QString& key, const QJsonObject& o)
{
    auto f = Font::make();
    const QJsonValue name = o.value(QStringLiteral("Name"));
    if (!name.isString())
        badValue(key, QStringLiteral("a font needs a Name"));
    f->setName(name.toString());
    // Each number goes through the font's own setter, which refuses what the
    // font cannot hold (380); the message names the field.
    auto number = [&](const char* field, const std::function<void(double)>& set) {
        const QJsonValue v = o.value(QLatin1String(field));
        if (v.isUndefined())
            return;
        const double d = v.toDouble(std::numeric_limits<double>::quiet_NaN());
        try {
            if (!v.isDouble())
                raise(err::InvalidProperty);
            set(d);
        } catch (const RuntimeError&) {
            badValue(key, QStringLiteral("the font's %1 cannot be %2")
                              .arg(QLatin1String(field), v.isDouble() ? numberText(d) : QStringLiteral("that")));
        }
    };
    auto whole = [&](const char* field, void (Font::*set)(int32_t)) {
        number(field, [&](double d) {
            if (std::trunc(d) != d || d < -2147483648.0 || d > 2147483647.0)
                raise(err::InvalidProperty);
            (f.get()->*set)(int32_t(d));
        });
    };
    number("Size", [&](double d) { f->setSize(d); });
    f->setBold(o.value(QStringLiteral("Bold")).toBool(false));
    f->setItalic(o.value(QStringLiteral("Italic")).toBool(false));
    f->setUnderline(o.value(QStringLiteral("Underline")).toBool(false));
    f->setStrikethrough(o.value(QStringLiteral("Strikethrough")).toBool(false));
    // An explicit weight is finer than Bold and wins over it.
    whole("Weight", &Font::setWeight);
    whole("Charset", &Font::setCharset);
    return f;
}

QJsonValue pictureToJson(const PicturePtr& p)
{
    if (!p)
        return QJsonValue(QJsonValue::Null);
    QJsonObject o;
    if (p->isEmpty()) {
        o.insert(QStringLiteral("empty"), true);
        return o;
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    p->image().save(&buffer, "PNG");
    o.insert(QStringLiteral("png"), QString::fromLatin1(png.toBase64()));
    if (p->type() != Picture::Bitmap)
        o.insert(QStringLiteral("type"), int(p->type()));
    if (!p->hotSpot().isNull())
        o.insert(QStringLiteral("hotSpot"), QJsonArray{p->hotSpot().x(), p->hotSpot().y()});
    return o;
}

PicturePtr pictureFromJson(const QString& key, const QJsonObject& o)
{
    if (o.value(QStringLiteral("empty")).toBool(false))
        return Picture::empty();
    if (o.contains(QStringLiteral("resource")))
        return loadResPicture(o.value(QStringLiteral("resource")).toString());
    const QByteArray data = QByteArray::fromBase64(o.value(QStringLiteral("png")).toString().toLatin1());
    QImage image = data.startsWith("\x89PNG") ? decodeOwnImage(data) : QImage();
    if (data.isEmpty() || (image.isNull() && !image.loadFromData(data, "PNG")))
        badValue(key, QStringLiteral("the picture data is not a PNG image"));
    const int type = o.value(QStringLiteral("type")).toInt(Picture::Bitmap);
    if (type < Picture::Bitmap || type > Picture::Cursor)
        badValue(key, QStringLiteral("unknown picture type %1").arg(type));
    auto p = Picture::fromImage(image, Picture::Type(type));
    const QJsonArray hs = o.value(QStringLiteral("hotSpot")).toArray();
    if (hs.size() == 2)
        p->setHotSpot(QPoint(hs[0].toInt(), hs[1].toInt()));
    return p;
}

// A 32-bit pattern from a JSON number: whole numbers up to 2^32 - 1 wrap to
// the signed Long they stand for under colour names (OLE colours are
// written unsigned).
bool wholeJsonNumber(double d, bool colour, int32_t& out)
{
    if (std::trunc(d) != d)
        return false;
    if (d >= std::numeric_limits<int32_t>::min() && d <= std::numeric_limits<int32_t>::max()) {
        out = int32_t(d);
        return true;
    }
    if (colour && d >= 0 && d <= 4294967295.0) {
        out = int32_t(uint32_t(d));
        return true;
    }
    return false;
}

// "&H8000000F&" (or without the closing "&") as a 32-bit pattern.
bool colourText(const QString& s, int32_t& out)
{
    QString t = s.trimmed();
    if (!t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
        return false;
    t = t.mid(2);
    if (t.endsWith(u'&'))
        t.chop(1);
    if (t.isEmpty() || t.size() > 8)
        return false;
    bool ok = false;
    const uint32_t v = t.toUInt(&ok, 16);
    if (!ok)
        return false;
    out = int32_t(v);
    return true;
}

double numberMember(const QString& key, const QJsonValue& v, const char* type)
{
    if (v.isDouble())
        return v.toDouble();
    if (v.isString()) {
        bool ok = false;
        const double d = v.toString().toDouble(&ok);
        if (ok)
            return d;
    }
    badValue(key, QStringLiteral("%1 needs a number").arg(QLatin1String(type)));
}

Variant typedFromJson(const QString& key, const QString& type, const QJsonValue& v)
{
    // Text conversions give the exact values (and the runtime's range errors)
    // for the types that a double cannot hold exactly.
    auto text = [&]() { return v.isString() ? v.toString() : numberText(v.toDouble()); };
    try {
        if (type == QLatin1String("Integer"))
            return Variant(CInt(numberMember(key, v, "Integer")));
        if (type == QLatin1String("Byte"))
            return Variant(CByte(numberMember(key, v, "Byte")));
        if (type == QLatin1String("Long"))
            return Variant(CLng(numberMember(key, v, "Long")));
        if (type == QLatin1String("Single"))
            return Variant(Variant(numberMember(key, v, "Single")).toSingle());
        if (type == QLatin1String("Double"))
            return Variant(numberMember(key, v, "Double"));
        if (type == QLatin1String("Date"))
            return Variant::date(numberMember(key, v, "Date"));
        if (type == QLatin1String("LongLong"))
            return Variant(Variant(text()).toLongLong());
        if (type == QLatin1String("Currency"))
            return Variant::currency(Variant(text()).toCurrencyScaled());
        if (type == QLatin1String("Decimal"))
            return Variant(Variant(text()).toDecimal());
    } catch (const RuntimeError& e) {
        if (e.number() == err::InvalidProperty)
            throw;
        badValue(key, QStringLiteral("%1 cannot hold %2").arg(type, text()));
    }
    if (type == QLatin1String("Empty"))
        return Variant();
    if (type == QLatin1String("Null"))
        return Variant::null();
    badValue(key, QStringLiteral("unknown value type '%1'").arg(type));
}

bool isTypeWrapper(const QJsonObject& o)
{
    static const QStringList types = {QStringLiteral("Integer"),  QStringLiteral("Byte"),
                                      QStringLiteral("Long"),     QStringLiteral("Single"),
                                      QStringLiteral("Double"),   QStringLiteral("Date"),
                                      QStringLiteral("LongLong"), QStringLiteral("Currency"),
                                      QStringLiteral("Decimal"),  QStringLiteral("Empty"),
                                      QStringLiteral("Null")};
    return o.size() == 1 && types.contains(o.begin().key());
}

} // namespace

// ---------------------------------------------------------------------------
// PropertyMap

int PropertyMap::indexOf(const QString& key) const { return index_.value(key.toCaseFolded(), -1); }

Variant PropertyMap::value(const QString& key, const Variant& fallback) const
{
    const int i = indexOf(key);
    return i < 0 ? fallback : entries_[size_t(i)].second;
}

void PropertyMap::set(const QString& key, const Variant& value)
{
    const int i = indexOf(key);
    if (i < 0) {
        index_.insert(key.toCaseFolded(), int(entries_.size()));
        entries_.emplace_back(key, value);
    } else {
        entries_[size_t(i)].second = value;
    }
}

bool PropertyMap::remove(const QString& key)
{
    const int i = indexOf(key);
    if (i < 0)
        return false;
    index_.remove(key.toCaseFolded());
    entries_.erase(entries_.begin() + i);
    for (auto it = index_.begin(); it != index_.end(); ++it)
        if (it.value() > i)
            --it.value();
    return true;
}

QStringList PropertyMap::keys() const
{
    QStringList k;
    for (const auto& e : entries_)
        k << e.first;
    return k;
}

QJsonValue PropertyMap::valueToJson(const QString& key, const Variant& v)
{
    auto wrap = [](const char* type, const QJsonValue& inner) {
        QJsonObject o;
        o.insert(QLatin1String(type), inner);
        return QJsonValue(o);
    };
    switch (v.type()) {
    case VarType::Empty:
        return wrap("Empty", true);
    case VarType::Null:
        return wrap("Null", true);
    case VarType::Boolean:
        return QJsonValue(v.toBool());
    case VarType::Byte:
        return wrap("Byte", int(v.rawInteger()));
    case VarType::Integer:
        return wrap("Integer", int(v.rawInteger()));
    case VarType::Long: {
        const int32_t n = int32_t(v.rawInteger());
        if (isColourKey(key) && n != 0 && n != -1)
            return QStringLiteral("&H%1&").arg(QString::number(uint32_t(n), 16).toUpper(), 8, u'0');
        return QJsonValue(n);
    }
    case VarType::LongLong:
        return wrap("LongLong", QString::number(v.rawInteger()));
    case VarType::Single:
        return wrap("Single", double(float(v.rawDouble())));
    case VarType::Double: {
        const double d = v.rawDouble();
        // A whole double would read back as a Long.
        if (std::isfinite(d) && std::trunc(d) == d)
            return wrap("Double", d);
        return QJsonValue(d);
    }
    case VarType::Currency:
        return wrap("Currency", v.toString());
    case VarType::Decimal:
        return wrap("Decimal", v.rawDecimal().toString());
    case VarType::Date:
        return wrap("Date", v.rawDouble());
    case VarType::String:
        return QJsonValue(v.rawString());
    case VarType::Object: {
        const ObjectPtr& obj = v.rawObject();
        if (!obj)
            return QJsonValue(QJsonValue::Null);
        if (auto f = std::dynamic_pointer_cast<Font>(obj))
            return fontToJson(*f);
        if (auto p = std::dynamic_pointer_cast<Picture>(obj))
            return pictureToJson(p);
        raise(err::TypeMismatch, {}, QStringLiteral("'%1' holds an object that cannot be stored").arg(key));
    }
    case VarType::Error:
        break;
    }
    raise(err::TypeMismatch, {}, QStringLiteral("'%1' holds a value that cannot be stored").arg(key));
}

Variant PropertyMap::valueFromJson(const QString& key, const QJsonValue& json)
{
    const bool colour = isColourKey(key);
    switch (json.type()) {
    case QJsonValue::Null:
        return Variant::nothing();
    case QJsonValue::Bool:
        return Variant(json.toBool());
    case QJsonValue::Double: {
        const double d = json.toDouble();
        int32_t n = 0;
        if (wholeJsonNumber(d, colour, n))
            return Variant(n);
        return Variant(d);
    }
    case QJsonValue::String: {
        int32_t n = 0;
        if (colour && colourText(json.toString(), n))
            return Variant(n);
        return Variant(json.toString());
    }
    case QJsonValue::Object: {
        const QJsonObject o = json.toObject();
        if (isTypeWrapper(o))
            return typedFromJson(key, o.begin().key(), o.begin().value());
        if (o.contains(QStringLiteral("Name")))
            return Variant(fontFromJson(key, o));
        if (o.contains(QStringLiteral("png")) || o.contains(QStringLiteral("resource")) ||
            o.contains(QStringLiteral("empty")))
            return Variant(pictureFromJson(key, o));
        badValue(key, QStringLiteral("an object that is neither a typed value, a font nor a picture"));
    }
    case QJsonValue::Array:
        badValue(key, QStringLiteral("a list is not a value"));
    case QJsonValue::Undefined:
        break;
    }
    badValue(key, QStringLiteral("no value given"));
}

QJsonValue PropertyMap::toJson() const
{
    QJsonArray a;
    for (const auto& [key, value] : entries_)
        a.append(QJsonArray{key, valueToJson(key, value)});
    return a;
}

PropertyMap PropertyMap::fromJson(const QJsonValue& json)
{
    PropertyMap m;
    if (json.isUndefined() || json.isNull())
        return m;
    if (json.isObject()) {
        // Both forms take the same names: a name the list form refuses
        // would be accepted here and then never read back after a save.
        const QJsonObject o = json.toObject();
        for (auto it = o.begin(); it != o.end(); ++it) {
            if (it.key().isEmpty())
                raise(err::InvalidProperty, {}, QStringLiteral("a property name must not be empty"));
            m.set(it.key(), valueFromJson(it.key(), it.value()));
        }
        return m;
    }
    if (!json.isArray())
        raise(err::InvalidProperty, {}, QStringLiteral("a list of [name, value] pairs was expected"));
    for (const QJsonValue& item : json.toArray()) {
        const QJsonArray pair = item.toArray();
        if (!item.isArray() || pair.size() != 2 || !pair[0].isString())
            raise(err::InvalidProperty, {}, QStringLiteral("each entry must be a [name, value] pair"));
        if (pair[0].toString().isEmpty())
            raise(err::InvalidProperty, {}, QStringLiteral("a property name must not be empty"));
        const QString key = pair[0].toString();
        m.set(key, valueFromJson(key, pair[1]));
    }
    return m;
}

// ---------------------------------------------------------------------------
// PropertyBag

namespace {
// What a bag keeps of a value: Booleans as -1 / 0, fonts and pictures as
// copies that later changes to the caller's objects do not reach.
Variant storedForm(const QString& key, const Variant& v)
{
    switch (v.type()) {
    case VarType::Boolean:
        return Variant(int32_t(v.rawInteger()));
    case VarType::Error:
        raise(err::TypeMismatch, {}, QStringLiteral("'%1' holds a value that cannot be stored").arg(key));
    case VarType::Object: {
        const ObjectPtr& obj = v.rawObject();
        if (!obj)
            return v;
        if (auto f = std::dynamic_pointer_cast<Font>(obj))
            return Variant(f->clone());
        if (auto p = std::dynamic_pointer_cast<Picture>(obj))
            return Variant(p->copy());
        raise(err::TypeMismatch, {}, QStringLiteral("'%1' holds an object that cannot be stored").arg(key));
    }
    default:
        return v;
    }
}

Variant freshCopy(const Variant& v)
{
    if (!v.isObject() || !v.rawObject())
        return v;
    if (auto f = std::dynamic_pointer_cast<Font>(v.rawObject()))
        return Variant(f->clone());
    if (auto p = std::dynamic_pointer_cast<Picture>(v.rawObject()))
        return Variant(p->copy());
    return v;
}
} // namespace

Variant PropertyBag::ReadProperty(const QString& key, const Variant& defaultValue) const
{
    if (!values_.contains(key))
        return defaultValue;
    return freshCopy(values_.value(key));
}

void PropertyBag::WriteProperty(const QString& key, const Variant& value, const Variant& defaultValue)
{
    if (sameValue(value, defaultValue)) {
        values_.remove(key);
        return;
    }
    values_.set(key, storedForm(key, value));
}

PropertyBag PropertyBag::fromJson(const QJsonValue& json)
{
    PropertyBag bag;
    const PropertyMap m = PropertyMap::fromJson(json);
    for (const auto& [key, value] : m.entries())
        bag.values_.set(key, value.type() == VarType::Boolean ? Variant(int32_t(value.rawInteger())) : value);
    return bag;
}

} // namespace plat
