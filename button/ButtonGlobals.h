// Process-wide data shared by every button of the process: the registry of
// the buttons' notifiers, keyed by their identifiers in creation order, and
// the identifiers of the two buttons that most recently started a hover.
#pragma once
#include <Collection.h>

#include <QString>
#include <array>
#include <memory>

namespace button {

class InterButtonNotify;
using NotifierPtr = std::shared_ptr<InterButtonNotify>;

namespace ZorvaneButtonGlobals {

// Every live notifier, keyed by its UniqueID, in the order they were added.
plat::Collection<NotifierPtr>& ButtonNotifiers();

// Position 1 holds the newest identifier, position 0 the one before it.
std::array<QString, 2>& RecentHoverIDs();

// The start of a hover: every notifier named in RecentHoverIDs (position 0,
// then 1) other than `ownId` is told to stop showing its hover look. Names
// that are empty or no longer registered are skipped.
void handOverHover(const QString& ownId);

// Switches off the other members of a toggle group: each notifier, in
// registry order, whose ToggleGroup equals `group` exactly (case-sensitive)
// and whose UniqueID is not `ownId` gets NotifyToggleOff. A group that is
// blank once trimmed of spaces has no members.
void toggleOffGroupMembers(const QString& ownId, const QString& group);

// Tests: empty the registry and the recent-hover list.
void resetForTests();

} // namespace ZorvaneButtonGlobals

// Trim() of the runtime: removes leading and trailing spaces only.
QString trimSpaces(const QString& s);

} // namespace button
