// The runtime's keyed ordered collection: 1-based positions, keys unique
// without regard to case, Item by position (a number) or key (a text).
// Errors: duplicate key 457, missing key 5, position out of range 9.
#pragma once
#include "Error.h"
#include "Variant.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace plat {

template <class T>
class Collection {
public:
    struct Entry {
        T value;
        QString key; // "" when the entry has no key
        bool hasKey = false;
    };

    int32_t Count() const { return int32_t(entries_.size()); }

    // Adds at the end, or before the 1-based position `before` when given.
    // A key of numeric type is stored as its text; an Empty/Missing key
    // means no key.
    void Add(T value, const Variant& key = Variant::missing(), const Variant& before = Variant::missing())
    {
        Entry e{std::move(value), QString(), false};
        if (!key.isMissing() && !key.isEmpty()) {
            e.key = key.toString();
            e.hasKey = true;
            if (indexOfKey(e.key) >= 0)
                raise(err::DuplicateKey);
        }
        if (before.isMissing() || before.isEmpty()) {
            if (e.hasKey)
                keyIndex_.insert(e.key.toCaseFolded(), entries_.size());
            entries_.push_back(std::move(e));
            return;
        }
        size_t pos = resolve(before);
        entries_.insert(entries_.begin() + pos, std::move(e));
        reindex();
    }
    void Add(T value, const QString& key) { Add(std::move(value), Variant(key)); }

    // Item(position) for a number, Item(key) for a text.
    const T& Item(const Variant& index) const { return entries_[resolve(index)].value; }
    T& Item(const Variant& index) { return entries_[resolve(index)].value; }
    const T& at(int32_t position) const { return Item(Variant(position)); }

    void Remove(const Variant& index)
    {
        entries_.erase(entries_.begin() + resolve(index));
        reindex();
    }
    void clear()
    {
        entries_.clear();
        keyIndex_.clear();
    }

    bool containsKey(const QString& key) const { return indexOfKey(key) >= 0; }
    // The value under `key`, or nothing (no error).
    std::optional<T> find(const QString& key) const
    {
        int i = indexOfKey(key);
        if (i < 0)
            return std::nullopt;
        return entries_[size_t(i)].value;
    }
    // 1-based position of `key`, 0 when absent.
    int32_t positionOfKey(const QString& key) const { return indexOfKey(key) + 1; }
    QString keyAt(int32_t position) const
    {
        if (position < 1 || position > Count())
            raise(err::SubscriptRange);
        return entries_[size_t(position - 1)].key;
    }

    // Enumeration in order.
    auto begin() const { return entries_.begin(); }
    auto end() const { return entries_.end(); }
    // A copy of the values, for walks during which host code may change the
    // collection.
    std::vector<T> snapshot() const
    {
        std::vector<T> v;
        v.reserve(entries_.size());
        for (const auto& e : entries_)
            v.push_back(e.value);
        return v;
    }

private:
    // Keys are found through an index of their case-folded text.
    int indexOfKey(const QString& key) const
    {
        auto it = keyIndex_.constFind(key.toCaseFolded());
        return it == keyIndex_.constEnd() ? -1 : int(it.value());
    }

    void reindex()
    {
        keyIndex_.clear();
        for (size_t i = 0; i < entries_.size(); ++i)
            if (entries_[i].hasKey)
                keyIndex_.insert(entries_[i].key.toCaseFolded(), i);
    }

    size_t resolve(const Variant& index) const
    {
        if (index.isString()) {
            int i = indexOfKey(index.rawString());
            if (i < 0)
                raise(err::InvalidCall);
            return size_t(i);
        }
        if (index.isObject() || index.isNull() || index.isMissing())
            raise(err::TypeMismatch);
        const int32_t pos = index.toLong();
        if (pos < 1 || pos > Count())
            raise(err::SubscriptRange);
        return size_t(pos - 1);
    }

    std::vector<Entry> entries_;
    QHash<QString, size_t> keyIndex_;
};

// An unkeyed list of the same shape (1-based positions, error 9 outside).
template <class T>
class List {
public:
    int32_t Count() const { return int32_t(items_.size()); }
    void Add(T value) { items_.push_back(std::move(value)); }
    const T& Item(int32_t position) const
    {
        if (position < 1 || position > Count())
            raise(err::SubscriptRange);
        return items_[size_t(position - 1)];
    }
    void Remove(int32_t position)
    {
        if (position < 1 || position > Count())
            raise(err::SubscriptRange);
        items_.erase(items_.begin() + (position - 1));
    }
    void clear() { items_.clear(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    std::vector<T> snapshot() const { return items_; }

private:
    std::vector<T> items_;
};

} // namespace plat
