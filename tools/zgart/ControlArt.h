// Pictures of the two controls: the list bar's insert-mark arrows and
// bar-tab cursor, the button's dither pattern and default cursor.
#pragma once
#include "ArtSet.h"

namespace zgart {

// The 32 x 32 two-colour hand pointing up, hot spot at the fingertip.
QImage handCursor();
inline const QPoint HandHotSpot{15, 10};

void addListBarArt(ArtSet& set);
void addButtonArt(ArtSet& set);

} // namespace zgart
