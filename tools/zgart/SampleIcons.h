// The suite's own icons as files of the Windows folder, so the icon viewer
// has something to show on a fresh machine: a few icon files (.ico) and a
// resource-only library (.dll) holding one icon group per catalog item.
#pragma once
#include <QImage>
#include <QString>

namespace zgart {

// The icon of the catalog item `key` at `side` x `side` pixels (32-bit with
// alpha); `sixteen` limits it to the classic 16 colours with hard edges.
QImage itemIcon(const QString& key, int index, int side, bool sixteen);

// Writes the icon files and the library into `dir`; false with `error`
// filled on failure.
bool writeSampleIcons(const QString& dir, QString* error);

} // namespace zgart
