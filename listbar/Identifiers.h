// Identifiers of notifiers, bars and buttons: ten random digits from the
// library's GenerateRandomID (its default number system), drawn again while
// the collection that is to hold them refuses them.
#pragma once
#include "Error.h"

#include <QString>
#include <functional>

namespace listbar {

// A caller gives up after this many draws; a clash among ten random digits
// is so rare that reaching it means the library or the collection is broken.
constexpr int MaxIdentifierDraws = 100;

struct IdentifierDraw {
    bool accepted = false;
    QString id;                 // the accepted identifier
    plat::ErrorInfo lastFailure; // why the last draw failed, when none was accepted
};

// Draws identifiers and offers each to `accept`, which raises when it
// refuses one. A failing draw (the library's error, or an empty identifier,
// counted as error 5) is tried again like a refused one.
IdentifierDraw drawUniqueID(const std::function<void(const QString&)>& accept);

} // namespace listbar
