// The program's own pictures (resources and the pictures kept in design
// data) read without the toolkit's image reader: the reader looks through
// the installed image plug-ins at its first use, which costs a program's
// start its first picture. Truecolour PNG images of 8 bits a channel go
// through libpng, uncompressed 24-bit bitmaps are copied row by row; each
// gives the image the toolkit's reader gives (RGB32, or ARGB32 with an alpha
// channel).
#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

namespace plat {

// The image in `data`, with its resolution and a PNG's texts, or a null
// image for anything this does not read (other kinds, palettes, other
// depths, colour-space chunks, damage): the caller then gives the data to
// the toolkit's reader.
QImage decodeOwnImage(const QByteArray& data);

} // namespace plat
