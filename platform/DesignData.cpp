#include "DesignData.h"

#include "Error.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>
#include <cmath>
#include <limits>

namespace plat {

namespace {

constexpr int32_t LoadError = 31037; // "Error loading from file"

[[noreturn]] void loadError(const QString& source, const QString& what)
{
    raise(LoadError, {}, QStringLiteral("Error loading from file '%1': %2").arg(source, what));
}

// Line and column (both from 1) of a byte offset into UTF-8 text.
std::pair<int, int> lineAndColumn(const QByteArray& text, qsizetype offset)
{
    offset = std::clamp<qsizetype>(offset, 0, text.size());
    int line = 1;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < offset; ++i) {
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    const int column = int(QString::fromUtf8(text.mid(lineStart, offset - lineStart)).size()) + 1;
    return {line, column};
}

// Members of one JSON object, read with the checks that give a useful
// message naming the element at fault.
class Reader {
public:
    Reader(const QString& source, QString where, QJsonObject o)
        : source_(source), where_(std::move(where)), o_(std::move(o))
    {
    }

    QString text(const char* name, bool required = false) const
    {
        const QJsonValue v = o_.value(QLatin1String(name));
        if (v.isUndefined()) {
            if (required)
                fail(QStringLiteral("\"%1\" is missing").arg(QLatin1String(name)));
            return QString();
        }
        if (!v.isString())
            fail(QStringLiteral("\"%1\" must be a text").arg(QLatin1String(name)));
        return v.toString();
    }

    int32_t whole(const char* name, int32_t fallback) const
    {
        const QJsonValue v = o_.value(QLatin1String(name));
        if (v.isUndefined())
            return fallback;
        // The range is checked before the cast: converting a double outside
        // 32 bits is undefined.
        const double d = v.toDouble(0.5);
        if (!v.isDouble() || std::trunc(d) != d)
            fail(QStringLiteral("\"%1\" must be a whole number").arg(QLatin1String(name)));
        if (d < double(std::numeric_limits<int32_t>::min()) || d > double(std::numeric_limits<int32_t>::max()))
            fail(QStringLiteral("\"%1\" must lie between %2 and %3")
                     .arg(QLatin1String(name))
                     .arg(std::numeric_limits<int32_t>::min())
                     .arg(std::numeric_limits<int32_t>::max()));
        return int32_t(d);
    }

    bool flag(const char* name) const
    {
        const QJsonValue v = o_.value(QLatin1String(name));
        if (v.isUndefined())
            return false;
        if (!v.isBool())
            fail(QStringLiteral("\"%1\" must be true or false").arg(QLatin1String(name)));
        return v.toBool();
    }

    // A value of PropertyBag.h's forms, read under `key`.
    Variant value(const char* name, const QString& key) const
    {
        try {
            return PropertyMap::valueFromJson(key, o_.value(QLatin1String(name)));
        } catch (const RuntimeError& e) {
            fail(e.info().description);
        }
    }

    template <class T>
    T map(const char* name) const
    {
        try {
            return T::fromJson(o_.value(QLatin1String(name)));
        } catch (const RuntimeError& e) {
            fail(QStringLiteral("\"%1\": %2").arg(QLatin1String(name), e.info().description));
        }
    }

    bool has(const char* name) const { return o_.contains(QLatin1String(name)); }

    [[noreturn]] void fail(const QString& what) const { loadError(source_, where_ + QStringLiteral(": ") + what); }

private:
    const QString& source_;
    QString where_;
    QJsonObject o_;
};

FormDesign readForm(const QString& source, const QJsonValue& json)
{
    if (!json.isObject())
        loadError(source, QStringLiteral("\"form\" must be an object"));
    const Reader r(source, QStringLiteral("form"), json.toObject());
    FormDesign f;
    f.name = r.text("name", true);
    if (f.name.isEmpty())
        r.fail(QStringLiteral("\"name\" is empty"));
    f.caption = r.text("caption");
    f.left = r.whole("left", 0);
    f.top = r.whole("top", 0);
    f.clientWidth = r.whole("clientWidth", 0);
    f.clientHeight = r.whole("clientHeight", 0);
    if (r.has("backColor")) {
        const Variant c = r.value("backColor", QStringLiteral("BackColor"));
        if (c.type() != VarType::Long)
            r.fail(QStringLiteral("\"backColor\" must be a colour"));
        f.backColor = Colour(uint32_t(int32_t(c.rawInteger())));
    }
    if (r.has("font")) {
        f.font = r.value("font", QStringLiteral("Font")).objectAs<Font>();
        if (!f.font)
            r.fail(QStringLiteral("\"font\" must be a font"));
    } else {
        f.font = Font::make();
    }
    f.borderless = r.flag("borderless");
    f.properties = r.map<PropertyMap>("properties");
    return f;
}

ControlDesign readControl(const QString& source, int position, const QJsonValue& json)
{
    if (!json.isObject())
        loadError(source, QStringLiteral("control %1 must be an object").arg(position));
    const QJsonObject o = json.toObject();
    QString where = QStringLiteral("control %1").arg(position);
    if (o.value(QStringLiteral("name")).isString())
        where = QStringLiteral("control '%1'").arg(o.value(QStringLiteral("name")).toString());
    const Reader r(source, where, o);
    ControlDesign c;
    c.name = r.text("name", true);
    if (c.name.isEmpty())
        r.fail(QStringLiteral("\"name\" is empty"));
    c.index = r.whole("index", -1);
    if (r.has("index") && c.index < 0)
        r.fail(QStringLiteral("\"index\" must not be negative"));
    const Reader named(source, QStringLiteral("control '%1'").arg(c.fullName()), o);
    c.type = named.text("type", true);
    if (c.type.isEmpty())
        named.fail(QStringLiteral("\"type\" is empty"));
    c.container = named.text("container");
    c.left = named.whole("left", 0);
    c.top = named.whole("top", 0);
    c.width = named.whole("width", 0);
    c.height = named.whole("height", 0);
    c.properties = named.map<PropertyMap>("properties");
    c.hasBag = named.has("bag");
    if (c.hasBag)
        c.bag = named.map<PropertyBag>("bag");
    return c;
}

QJsonObject fontObject(const FontPtr& font)
{
    return PropertyMap::valueToJson(QStringLiteral("Font"), Variant(font)).toObject();
}

} // namespace

QString ControlDesign::fullName() const
{
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

DesignData DesignData::parse(const QByteArray& json, const QString& sourceName)
{
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &pe);
    if (pe.error != QJsonParseError::NoError) {
        const auto [line, column] = lineAndColumn(json, pe.offset);
        loadError(sourceName, QStringLiteral("%1 at line %2, column %3").arg(pe.errorString()).arg(line).arg(column));
    }
    if (!doc.isObject())
        loadError(sourceName, QStringLiteral("the design must be a JSON object"));
    const QJsonObject root = doc.object();

    DesignData d;
    d.source = sourceName;
    d.form = readForm(sourceName, root.value(QStringLiteral("form")));

    const QJsonValue controls = root.value(QStringLiteral("controls"));
    if (!controls.isUndefined() && !controls.isArray())
        loadError(sourceName, QStringLiteral("\"controls\" must be a list"));
    QSet<QString> known; // full names, lower case
    QSet<QString> plainNames, arrayNames;
    const QJsonArray list = controls.toArray();
    for (int i = 0; i < list.size(); ++i) {
        ControlDesign c = readControl(sourceName, i + 1, list[i]);
        const QString full = c.fullName().toLower();
        const QString base = c.name.toLower();
        if (known.contains(full) || (c.isArrayMember() ? plainNames.contains(base) : arrayNames.contains(base)))
            loadError(sourceName, QStringLiteral("control '%1' is defined twice").arg(c.fullName()));
        if (!c.container.isEmpty() && !known.contains(c.container.toLower()))
            loadError(sourceName, QStringLiteral("control '%1': container '%2' is not an earlier control")
                                      .arg(c.fullName(), c.container));
        known.insert(full);
        (c.isArrayMember() ? arrayNames : plainNames).insert(base);
        d.controls.push_back(std::move(c));
    }
    return d;
}

DesignData DesignData::load(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        raise(err::FileNotFound, {}, QStringLiteral("File not found: '%1'").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        raise(75, {}, QStringLiteral("Path/File access error: '%1'").arg(path));
    return parse(file.readAll(), path);
}

QByteArray DesignData::toJson() const
{
    QJsonObject form;
    form.insert(QStringLiteral("name"), this->form.name);
    form.insert(QStringLiteral("caption"), this->form.caption);
    form.insert(QStringLiteral("left"), this->form.left);
    form.insert(QStringLiteral("top"), this->form.top);
    form.insert(QStringLiteral("clientWidth"), this->form.clientWidth);
    form.insert(QStringLiteral("clientHeight"), this->form.clientHeight);
    form.insert(QStringLiteral("backColor"),
                PropertyMap::valueToJson(QStringLiteral("BackColor"), Variant(uint32_t(this->form.backColor))));
    if (this->form.font)
        form.insert(QStringLiteral("font"), fontObject(this->form.font));
    if (this->form.borderless)
        form.insert(QStringLiteral("borderless"), true);
    if (!this->form.properties.isEmpty())
        form.insert(QStringLiteral("properties"), this->form.properties.toJson());

    QJsonArray list;
    for (const ControlDesign& c : controls) {
        QJsonObject o;
        o.insert(QStringLiteral("name"), c.name);
        if (c.isArrayMember())
            o.insert(QStringLiteral("index"), c.index);
        o.insert(QStringLiteral("type"), c.type);
        if (!c.container.isEmpty())
            o.insert(QStringLiteral("container"), c.container);
        o.insert(QStringLiteral("left"), c.left);
        o.insert(QStringLiteral("top"), c.top);
        o.insert(QStringLiteral("width"), c.width);
        o.insert(QStringLiteral("height"), c.height);
        if (!c.properties.isEmpty())
            o.insert(QStringLiteral("properties"), c.properties.toJson());
        if (c.hasBag)
            o.insert(QStringLiteral("bag"), c.bag.toJson());
        list.append(o);
    }
    QJsonObject root;
    root.insert(QStringLiteral("form"), form);
    root.insert(QStringLiteral("controls"), list);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

void DesignData::save(const QString& filePath) const
{
    const QByteArray data = toJson();
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        raise(75, {}, QStringLiteral("Path/File access error: '%1'").arg(filePath));
}

ControlDesign* DesignData::find(const QString& name, int32_t index)
{
    for (ControlDesign& c : controls)
        if (c.index == index && c.name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

const ControlDesign* DesignData::find(const QString& name, int32_t index) const
{
    return const_cast<DesignData*>(this)->find(name, index);
}

} // namespace plat
