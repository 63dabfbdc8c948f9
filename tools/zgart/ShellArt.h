// The catalog program's own pictures besides the item pictures: splash,
// logo band, logos, the list bar's picture-clip strip, the prompt's arrow and
// the hand cursor of the item buttons and the maker logo.
#pragma once
#include "ArtSet.h"

namespace zgart {

QImage splashPicture(bool sixteen);   // 540 x 344
QImage logoBackground();              // 313 x 45, tiles seamlessly
QImage productLogo(bool sixteen);     // 313 x 45 full colour, 274 x 45 in 16 colours on grey
QImage makerLogo(bool sixteen);       // 178 x 38; the 16-colour one on grey
QImage pictureClipStrip();            // 120 x 24, five 24 x 24 cells on the mask colour
QImage promptArrow();                 // 32 x 32, pointing left

void addShellArt(ArtSet& set);

} // namespace zgart
