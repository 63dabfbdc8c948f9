#include "Identifiers.h"

#include "Library.h"
#include "ZorvaneNumbers.h"

namespace listbar {

IdentifierDraw drawUniqueID(const std::function<void(const QString&)>& accept)
{
    IdentifierDraw result;
    for (int i = 0; i < MaxIdentifierDraws; ++i) {
        QString id;
        const bool ok = plat::tryStatement([&] {
            id = zg::Numbers()->GenerateRandomID(10);
            // An empty key would enter the collection without a key.
            if (id.isEmpty())
                plat::raise(plat::err::InvalidCall);
            accept(id);
        });
        if (ok) {
            plat::Err::clear();
            result.accepted = true;
            result.id = id;
            return result;
        }
        result.lastFailure = plat::Err::last();
        plat::Err::clear();
    }
    return result;
}

} // namespace listbar
