// Named values as the design data keeps them: a control's properties
// (PropertyMap) and a user control's property bag (PropertyBag).
//
// Both keep their entries in insertion order and compare names without
// regard to case. Their JSON form is an array of [name, value] pairs, so the
// order survives a save; an object {name: value} is accepted on reading for
// hand-written data (Qt hands its members over in alphabetical order).
// Neither form takes an empty name, so whatever reads also writes back.
//
// Values in JSON:
//   "text"                          String
//   5 (whole, 32-bit)               Long
//   1.5                             Double
//   true / false                    Boolean (a bag turns it into -1 / 0)
//   "&H8000000F&" or 2147483663     Long, under a name containing "Color"
//   {"Integer": 5} {"Byte": 5} {"Single": 8.25} {"Double": 5}
//   {"LongLong": "5"} {"Currency": "1.5"} {"Decimal": "1.5"} {"Date": 36526}
//   {"Empty": true} {"Null": true}
//   {"Name": "Arial", "Size": 9, "Bold": true, ...}   Font (Name, Size, Bold,
//                                   Italic, Underline, Strikethrough, Weight, Charset)
//   {"resource": "NAME"}            Picture from the program's resources
//   {"png": "<base64>", "type": 4, "hotSpot": [15, 10]}   Picture
//   {"empty": true}                 an empty picture (Handle 0)
//   null                            Nothing
#pragma once
#include "Colour.h"
#include "Error.h"
#include "Variant.h"

#include <QHash>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace plat {

class PropertyMap {
public:
    using Entry = std::pair<QString, Variant>;

    bool contains(const QString& key) const { return indexOf(key) >= 0; }
    // The stored value, or `fallback` when the key is absent.
    Variant value(const QString& key, const Variant& fallback = Variant()) const;
    // Replaces the value in place (keeping its position), or appends.
    void set(const QString& key, const Variant& value);
    bool remove(const QString& key);
    void clear()
    {
        entries_.clear();
        index_.clear();
    }
    int count() const { return int(entries_.size()); }
    bool isEmpty() const { return entries_.empty(); }
    QStringList keys() const;
    const std::vector<Entry>& entries() const { return entries_; }

    QJsonValue toJson() const;
    // Raises a RuntimeError (380 "Invalid property value", the description
    // naming the key) for a value it cannot read.
    static PropertyMap fromJson(const QJsonValue& json);

    // One value in JSON and back (see the table above). `key` decides the
    // colour forms. toJson raises 13 for an object that is neither a font
    // nor a picture, and for error values.
    static QJsonValue valueToJson(const QString& key, const Variant& value);
    static Variant valueFromJson(const QString& key, const QJsonValue& json);

private:
    int indexOf(const QString& key) const;
    std::vector<Entry> entries_;
    // Position of each entry by its case-folded name, so that reading a long
    // list does not search it once for every name added.
    QHash<QString, int> index_;
};

// The host's keyed store of a user control's design data.
class PropertyBag {
public:
    // The stored value, typed as it was stored, or `defaultValue` when the key
    // is absent. Fonts and pictures come back as new objects on each read, so
    // what the caller does with them never changes the bag. A stored value of
    // the wrong kind for the caller shows when the caller converts it (a text
    // under a numeric key raises 13 in toLong()), one key at a time.
    Variant ReadProperty(const QString& key, const Variant& defaultValue = Variant()) const;
    // Stores `value` unless it equals `defaultValue` (sameValue); an equal
    // value removes what an earlier write stored under the key. Booleans are
    // stored as -1 / 0; fonts and pictures as snapshots. Raises 13 for a value
    // that cannot be stored (an object other than a font or picture).
    void WriteProperty(const QString& key, const Variant& value, const Variant& defaultValue = Variant());

    bool contains(const QString& key) const { return values_.contains(key); }
    int count() const { return values_.count(); }
    bool isEmpty() const { return values_.isEmpty(); }
    QStringList keys() const { return values_.keys(); }
    const PropertyMap& values() const { return values_; }
    void clear() { values_.clear(); }

    QJsonValue toJson() const { return values_.toJson(); }
    static PropertyBag fromJson(const QJsonValue& json);

private:
    PropertyMap values_;
};

// Reading stored values into typed fields. A stored colour is a Long
// holding the 32-bit pattern.
inline Colour bagColour(const Variant& v) { return Colour(uint32_t(v.toLong())); }

// A stored object as a font or picture: Nothing gives none, any other kind of
// value is a type mismatch (13), so the caller's field keeps its value.
template <class T>
std::shared_ptr<T> bagObject(const Variant& v)
{
    if (!v.isObject())
        raise(err::TypeMismatch);
    if (!v.rawObject())
        return nullptr;
    auto object = v.objectAs<T>();
    if (!object)
        raise(err::TypeMismatch);
    return object;
}

} // namespace plat
