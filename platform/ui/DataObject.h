// The data object of drag and drop: data by clipboard format, with the file
// list (format 15) as a collection of its own; the drop effects and states;
// and the conversion to and from Qt's MIME data.
//
// Our own drags carry the file-list entries verbatim under a private MIME
// type, so that entries which are not paths ("ZSListBar^BarID=...") come back
// exactly as written. Files dragged from other programs arrive as
// text/uri-list and become Windows-style paths.
#pragma once
#include "Object.h"
#include "Variant.h"

#include <QMimeData>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>

namespace plat {

// Clipboard formats.
namespace cf {
constexpr int16_t Text = 1, Bitmap = 2, Metafile = 3, DIB = 8, Palette = 9, EMetafile = 14, Files = 15;
}
// Drop effects (bits).
namespace dropeffect {
constexpr int32_t None = 0, Copy = 1, Move = 2, Link = 4;
constexpr int32_t Scroll = int32_t(0x80000000u);
constexpr int32_t All = int32_t(0xFFFFFFFFu);
} // namespace dropeffect
// The State argument of OLEDragOver.
namespace dragstate {
constexpr int16_t Enter = 0, Leave = 1, Over = 2;
}

// The file list of a data object; positions count from 1.
class DataObjectFiles : public Object {
public:
    int32_t Count() const { return int32_t(files_.size()); }
    // Adds at the end, or before the 1-based position `index` when given.
    void Add(const QString& filename, const Variant& index = Variant::missing());
    // Raises 9 outside 1..Count.
    QString Item(int32_t index) const;
    QString operator()(int32_t index) const { return Item(index); }
    void Remove(int32_t index);
    void Clear() { files_.clear(); }
    const QStringList& list() const { return files_; }

private:
    QStringList files_;
};

class DataObject;
using DataObjectPtr = std::shared_ptr<DataObject>;

class DataObject : public Object {
public:
    DataObject();

    // Whether data of the format is there (or declared by SetData without a
    // value). The file list counts as there while it holds entries.
    bool GetFormat(int16_t format) const;
    // The data of a format: the text for cf::Text, for cf::Files the entries
    // joined by "\r\n". A declared format without data first asks the drag
    // source (OLESetData). Raises 461 "Specified format doesn't match format
    // of data" when the format is not there.
    Variant GetData(int16_t format);
    // SetData(value, format) stores data; SetData(missing, format) declares
    // the format (its data comes later); SetData(value) with a text stores
    // text.
    void SetData(const Variant& value = Variant::missing(), const Variant& format = Variant::missing());
    void Clear();
    std::shared_ptr<DataObjectFiles> Files() const { return files_; }
    // Whether anything is there or declared (a drag of an empty object does
    // not start).
    bool hasData() const { return files_->Count() > 0 || !data_.empty() || !declared_.empty(); }

    // The drag source asked when a declared format's data is wanted:
    // (format) -> nothing; it fills the object through SetData or Files.
    std::function<void(int16_t)> onSetData;

    // Qt MIME data for a drag of this object (our private file-list type,
    // plus text/uri-list for entries that are paths, plus text).
    QMimeData* toMimeData() const;
    // The data object for MIME data: ours (the same object) when the drag
    // came from this process, else a new one from the MIME data.
    static DataObjectPtr fromMimeData(const QMimeData* mime);
    // Whether the MIME data belongs to a drag started in this process.
    static bool isOwnMimeData(const QMimeData* mime);

    // The private MIME type of our file lists.
    static const char* fileListMimeType();

private:
    std::shared_ptr<DataObjectFiles> files_;
    std::map<int16_t, Variant> data_;
    std::map<int16_t, bool> declared_;
};

// Drop effects <-> Qt drop actions.
Qt::DropActions dropActionsOf(int32_t effects);
Qt::DropAction dropActionOf(int32_t effect);
int32_t effectsOf(Qt::DropActions actions);

} // namespace plat
