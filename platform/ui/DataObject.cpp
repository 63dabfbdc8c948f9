#include "DataObject.h"

#include "Error.h"
#include "Paths.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QUrl>

namespace plat {

namespace {

// MIME data of a drag that this process started: the target takes the very
// data object (and the effects the source allowed) from it.
class OwnMimeData : public QMimeData {
public:
    OwnMimeData(DataObjectPtr data) : data_(std::move(data)) {}
    DataObjectPtr data() const { return data_; }

private:
    DataObjectPtr data_;
};

bool isWindowsAbsolutePath(const QString& s)
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z]:\\\\"));
    return re.match(s).hasMatch();
}

} // namespace

// --- DataObjectFiles ---

void DataObjectFiles::Add(const QString& filename, const Variant& index)
{
    if (index.isMissing() || index.isEmpty()) {
        files_.append(filename);
        return;
    }
    const int32_t i = index.toLong();
    if (i < 1 || i > Count() + 1)
        raise(err::SubscriptRange);
    files_.insert(i - 1, filename);
}

QString DataObjectFiles::Item(int32_t index) const
{
    if (index < 1 || index > Count())
        raise(err::SubscriptRange);
    return files_.at(index - 1);
}

void DataObjectFiles::Remove(int32_t index)
{
    if (index < 1 || index > Count())
        raise(err::SubscriptRange);
    files_.removeAt(index - 1);
}

// --- DataObject ---

DataObject::DataObject() : files_(std::make_shared<DataObjectFiles>()) {}

const char* DataObject::fileListMimeType() { return "application/x-zg-file-list"; }

bool DataObject::GetFormat(int16_t format) const
{
    if (format == cf::Files && files_->Count() > 0)
        return true;
    auto it = declared_.find(format);
    return (it != declared_.end() && it->second) || data_.count(format) > 0;
}

Variant DataObject::GetData(int16_t format)
{
    if (!GetFormat(format))
        raise(461, {}, QStringLiteral("Specified format doesn't match format of data"));
    const bool empty = format == cf::Files ? files_->Count() == 0 : data_.count(format) == 0;
    if (empty && onSetData)
        onSetData(format); // the source supplies the declared data now
    if (format == cf::Files)
        return Variant(files_->list().join(QStringLiteral("\r\n")));
    auto it = data_.find(format);
    return it == data_.end() ? Variant() : it->second;
}

void DataObject::SetData(const Variant& value, const Variant& format)
{
    const bool noValue = value.isMissing();
    const bool noFormat = format.isMissing() || format.isEmpty();
    if (noValue && noFormat)
        raise(err::InvalidCall);
    int16_t f = 0;
    if (noFormat)
        f = value.isObject() ? cf::Bitmap : cf::Text;
    else
        f = format.toInteger();
    declared_[f] = true;
    if (noValue)
        return;
    if (f == cf::Files) {
        files_->Clear();
        for (const QString& s : value.toString().split(QRegularExpression(QStringLiteral("\r\n|\n")),
                                                       Qt::SkipEmptyParts))
            files_->Add(s);
        return;
    }
    data_[f] = value;
}

void DataObject::Clear()
{
    files_->Clear();
    data_.clear();
    declared_.clear();
}

QMimeData* DataObject::toMimeData() const
{
    auto self = std::const_pointer_cast<DataObject>(std::static_pointer_cast<const DataObject>(shared_from_this()));
    auto* mime = new OwnMimeData(self);
    if (files_->Count() > 0) {
        // The entries exactly as written, whatever they hold.
        QJsonArray entries;
        for (const QString& f : files_->list())
            entries.append(f);
        mime->setData(QString::fromLatin1(fileListMimeType()), QJsonDocument(entries).toJson(QJsonDocument::Compact));
        // Real paths also as URLs, for other programs.
        QList<QUrl> urls;
        for (const QString& f : files_->list())
            if (isWindowsAbsolutePath(f))
                urls.append(QUrl::fromLocalFile(toSystemPath(f)));
        if (!urls.isEmpty())
            mime->setUrls(urls);
    }
    auto text = data_.find(cf::Text);
    if (text != data_.end())
        mime->setText(text->second.toString());
    return mime;
}

bool DataObject::isOwnMimeData(const QMimeData* mime) { return dynamic_cast<const OwnMimeData*>(mime) != nullptr; }

DataObjectPtr DataObject::fromMimeData(const QMimeData* mime)
{
    if (auto* own = dynamic_cast<const OwnMimeData*>(mime))
        return own->data();
    auto data = std::make_shared<DataObject>();
    if (!mime)
        return data;
    const QString ownType = QString::fromLatin1(fileListMimeType());
    if (mime->hasFormat(ownType)) {
        const auto doc = QJsonDocument::fromJson(mime->data(ownType));
        for (const auto& v : doc.array())
            data->files_->Add(v.toString());
        data->declared_[cf::Files] = true;
    } else if (mime->hasUrls()) {
        for (const QUrl& u : mime->urls())
            if (u.isLocalFile())
                data->files_->Add(fromSystemPath(u.toLocalFile()));
        if (data->files_->Count() > 0)
            data->declared_[cf::Files] = true;
    }
    if (mime->hasText() && !mime->hasUrls())
        data->data_[cf::Text] = Variant(mime->text());
    return data;
}

// --- Effects ---

Qt::DropActions dropActionsOf(int32_t effects)
{
    Qt::DropActions a;
    if (effects & dropeffect::Copy)
        a |= Qt::CopyAction;
    if (effects & dropeffect::Move)
        a |= Qt::MoveAction;
    if (effects & dropeffect::Link)
        a |= Qt::LinkAction;
    return a;
}

Qt::DropAction dropActionOf(int32_t effect)
{
    if (effect & dropeffect::Move)
        return Qt::MoveAction;
    if (effect & dropeffect::Copy)
        return Qt::CopyAction;
    if (effect & dropeffect::Link)
        return Qt::LinkAction;
    return Qt::IgnoreAction;
}

int32_t effectsOf(Qt::DropActions actions)
{
    int32_t e = 0;
    if (actions & Qt::CopyAction)
        e |= dropeffect::Copy;
    if (actions & Qt::MoveAction)
        e |= dropeffect::Move;
    if (actions & Qt::LinkAction)
        e |= dropeffect::Link;
    return e;
}

} // namespace plat
