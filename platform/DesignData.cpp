#include "DesignData.h"

#include "Error.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStringList>
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

// A cursor over JSON text that has already been parsed without error, for
// finding where in the text a value stands (the parsed document keeps no
// positions). Strings are compared as written, escapes and all.
class JsonCursor {
public:
    explicit JsonCursor(const QByteArray& text) : t_(text) {}
    qsizetype position() const { return i_; }

    // Moves to the value under `path` (member names, or element positions
    // for lists); false when it is not there.
    bool descend(const QStringList& path)
    {
        for (const QString& step : path) {
            bool isPosition = false;
            const int n = step.toInt(&isPosition);
            if (!(isPosition ? element(n) : member(step.toUtf8())))
                return false;
        }
        return true;
    }

    // The position of the first empty name in the property list at the
    // cursor: an empty member name of an object, or a ["", value] pair of a
    // list. -1 when there is none.
    qsizetype emptyName()
    {
        if (peek() == '{') {
            ++i_;
            while (peek() == '"') {
                const qsizetype at = i_;
                if (string().isEmpty())
                    return at;
                colon();
                skipValue();
                comma();
            }
        } else if (peek() == '[') {
            ++i_;
            while (peek() != ']' && i_ < t_.size()) {
                if (peek() == '[') {
                    const qsizetype pair = i_;
                    ++i_;
                    if (peek() == '"') {
                        const qsizetype at = i_;
                        if (string().isEmpty())
                            return at;
                    }
                    i_ = pair;
                }
                skipValue();
                comma();
            }
        }
        return -1;
    }

private:
    void blanks()
    {
        while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\t' || t_[i_] == '\n' || t_[i_] == '\r'))
            ++i_;
    }
    char peek()
    {
        blanks();
        return i_ < t_.size() ? t_[i_] : '\0';
    }
    void colon()
    {
        if (peek() == ':')
            ++i_;
    }
    void comma()
    {
        if (peek() == ',')
            ++i_;
    }
    // The string at the cursor, as written between its quotes.
    QByteArray string()
    {
        ++i_;
        const qsizetype start = i_;
        while (i_ < t_.size() && t_[i_] != '"')
            i_ += t_[i_] == '\\' ? 2 : 1;
        const QByteArray s = t_.mid(start, i_ - start);
        ++i_;
        return s;
    }
    void skipValue()
    {
        const char c = peek();
        if (c == '"') {
            string();
            return;
        }
        if (c == '{' || c == '[') {
            int depth = 0;
            while (i_ < t_.size()) {
                const char d = t_[i_];
                if (d == '"') {
                    string();
                    continue;
                }
                ++i_;
                if (d == '{' || d == '[')
                    ++depth;
                else if ((d == '}' || d == ']') && --depth == 0)
                    return;
            }
            return;
        }
        while (i_ < t_.size() && !QByteArrayView(",]} \t\r\n").contains(t_[i_]))
            ++i_;
    }
    // The member `name` of the object at the cursor (the last one, as the
    // parser keeps the last of repeated names).
    bool member(const QByteArray& name)
    {
        if (peek() != '{')
            return false;
        ++i_;
        qsizetype found = -1;
        while (peek() == '"') {
            const bool match = string() == name;
            colon();
            if (match)
                found = (blanks(), i_);
            skipValue();
            comma();
        }
        if (found < 0)
            return false;
        i_ = found;
        return true;
    }
    bool element(int n)
    {
        if (peek() != '[')
            return false;
        ++i_;
        for (int k = 0; peek() != ']' && i_ < t_.size(); ++k) {
            if (k == n)
                return true;
            skipValue();
            comma();
        }
        return false;
    }

    const QByteArray& t_;
    qsizetype i_ = 0;
};

// Whether a property list in either of its forms holds an empty name.
bool hasEmptyName(const QJsonValue& list)
{
    if (list.isObject())
        return list.toObject().contains(QString());
    if (list.isArray()) {
        for (const QJsonValue& item : list.toArray()) {
            const QJsonArray pair = item.toArray();
            if (!pair.isEmpty() && pair[0].isString() && pair[0].toString().isEmpty())
                return true;
        }
    }
    return false;
}

// The design text being read, with its name for messages.
struct Source {
    const QString& name;
    const QByteArray& text;
};

// Members of one JSON object, read with the checks that give a useful
// message naming the element at fault. `path` leads from the document to
// the object, for the line and column of a fault.
class Reader {
public:
    Reader(const Source& source, QStringList path, QString where, QJsonObject o)
        : source_(source.name), text_(source.text), path_(std::move(path)), where_(std::move(where)),
          o_(std::move(o))
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
        // A property without a name could not be written back in the list
        // form: refused here, where the place in the text can be named.
        if (hasEmptyName(o_.value(QLatin1String(name)))) {
            QString place;
            JsonCursor cursor(text_);
            if (cursor.descend(path_ + QStringList{QLatin1String(name)})) {
                const qsizetype at = cursor.emptyName();
                if (at >= 0) {
                    const auto [line, column] = lineAndColumn(text_, at);
                    place = QStringLiteral(" at line %1, column %2").arg(line).arg(column);
                }
            }
            fail(QStringLiteral("\"%1\": a property name is empty%2").arg(QLatin1String(name), place));
        }
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
    const QByteArray& text_;
    QStringList path_;
    QString where_;
    QJsonObject o_;
};

FormDesign readForm(const Source& source, const QJsonValue& json)
{
    if (!json.isObject())
        loadError(source.name, QStringLiteral("\"form\" must be an object"));
    const Reader r(source, {QStringLiteral("form")}, QStringLiteral("form"), json.toObject());
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

ControlDesign readControl(const Source& source, int position, const QJsonValue& json)
{
    if (!json.isObject())
        loadError(source.name, QStringLiteral("control %1 must be an object").arg(position));
    const QStringList path{QStringLiteral("controls"), QString::number(position - 1)};
    const QJsonObject o = json.toObject();
    QString where = QStringLiteral("control %1").arg(position);
    if (o.value(QStringLiteral("name")).isString())
        where = QStringLiteral("control '%1'").arg(o.value(QStringLiteral("name")).toString());
    const Reader r(source, path, where, o);
    ControlDesign c;
    c.name = r.text("name", true);
    if (c.name.isEmpty())
        r.fail(QStringLiteral("\"name\" is empty"));
    c.index = r.whole("index", -1);
    if (r.has("index") && c.index < 0)
        r.fail(QStringLiteral("\"index\" must not be negative"));
    const Reader named(source, path, QStringLiteral("control '%1'").arg(c.fullName()), o);
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
    const Source source{sourceName, json};
    d.form = readForm(source, root.value(QStringLiteral("form")));

    const QJsonValue controls = root.value(QStringLiteral("controls"));
    if (!controls.isUndefined() && !controls.isArray())
        loadError(sourceName, QStringLiteral("\"controls\" must be a list"));
    QSet<QString> known; // full names, lower case
    QSet<QString> plainNames, arrayNames;
    const QJsonArray list = controls.toArray();
    for (int i = 0; i < list.size(); ++i) {
        ControlDesign c = readControl(source, i + 1, list[i]);
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
