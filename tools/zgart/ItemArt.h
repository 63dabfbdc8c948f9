// The catalog items' pictures: for every item key the NORMAL, DOWN and HOVER
// looks, 120 x 69, in full colour and reduced to the 16-colour palette.
#pragma once
#include "ArtSet.h"

#include <QString>
#include <vector>

namespace zgart {

struct CatalogItem {
    QString key;
    QString caption; // the words the picture shows
    bool object;     // true for the objects category, false for the global functions
};
const std::vector<CatalogItem>& catalogItems();

enum class ItemState { Normal, Down, Hover };

QImage itemPicture(const CatalogItem& item, int index, ItemState state, bool sixteen);

void addItemArt(ArtSet& set);

} // namespace zgart
