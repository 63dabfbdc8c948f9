// The data of a drop from another program: MIME data with our private file
// list, a URI list and plain text, read into a data object and then as the
// list bar reads a drop (its two tagged entries split at "=", or the first
// entry as a path). The input is the three parts, each behind a byte that
// says whether the drag carries it, separated by NUL bytes.
#include "FuzzSupport.h"

#include <DataObject.h>
#include <Error.h>
#include <Paths.h>
#include <StringsImpl.h>

#include <QList>
#include <QMimeData>

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
    const QList<QByteArray> parts = zgfuzz::bytes(data, size).split('\0');
    static const char* const types[] = {"application/x-zg-file-list", "text/uri-list", "text/plain"};
    QMimeData mime;
    for (int i = 0; i < 3 && i < parts.size(); ++i) {
        const QByteArray& part = parts[i];
        if (!part.isEmpty() && (part[0] & 1))
            mime.setData(QString::fromLatin1(types[i]), part.mid(1));
    }

    const plat::DataObjectPtr object = plat::DataObject::fromMimeData(&mime);
    for (int16_t format : {plat::cf::Text, plat::cf::Bitmap, plat::cf::Files}) {
        if (object->GetFormat(format))
            statement([&] { (void)object->GetData(format).toString(); });
    }
    const auto files = object->Files();
    zg::StringsImpl strings;
    if (files->Count() == 2) {
        for (int32_t i = 1; i <= 2; ++i) {
            const QString entry = files->Item(i);
            (void)strings.SplitAtDelimiter(entry, QStringLiteral("="), 1);
            (void)strings.SplitAtDelimiter(entry, QStringLiteral("="), 2);
        }
    } else if (files->Count() > 0) {
        (void)plat::toSystemPath(files->Item(1));
    }

    // The entries survive our own drag format exactly, whatever they hold.
    if (files->Count() > 0) {
        std::unique_ptr<QMimeData> ours(object->toMimeData());
        QMimeData copy;
        for (const QString& type : ours->formats())
            copy.setData(type, ours->data(type));
        const plat::DataObjectPtr back = plat::DataObject::fromMimeData(&copy);
        ZG_FUZZ_CHECK(back->Files()->list() == files->list(), "drop entries change through the drag format");
    }
    return 0;
}
