#include "ButtonGlobals.h"

#include "InterButtonNotify.h"

#include <vector>

namespace button {

namespace ZorvaneButtonGlobals {

plat::Collection<NotifierPtr>& ButtonNotifiers()
{
    static plat::Collection<NotifierPtr> notifiers;
    return notifiers;
}

std::array<QString, 2>& RecentHoverIDs()
{
    static std::array<QString, 2> recent;
    return recent;
}

void handOverHover(const QString& ownId)
{
    for (int position = 0; position < 2; ++position) {
        const QString key = RecentHoverIDs()[size_t(position)];
        if (key.isEmpty())
            continue;
        // Looked up afresh each time: the previous hand-over may have
        // removed buttons.
        auto other = ButtonNotifiers().find(key);
        if (other && (*other)->uniqueIdText() != ownId)
            (*other)->NotifyDontHover();
    }
}

void toggleOffGroupMembers(const QString& ownId, const QString& group)
{
    if (trimSpaces(group).isEmpty())
        return;
    // A switched-off button raises Click, and its host may create or remove
    // buttons there: walk the identifiers as they were before the first
    // notice and look each one up again, so a removed button is skipped.
    std::vector<QString> ids;
    for (const auto& entry : ButtonNotifiers())
        ids.push_back(entry.key);
    for (const auto& id : ids) {
        auto other = ButtonNotifiers().find(id);
        if (other && (*other)->ToggleGroup() == group && (*other)->uniqueIdText() != ownId)
            (*other)->NotifyToggleOff();
    }
}

void resetForTests()
{
    ButtonNotifiers().clear();
    RecentHoverIDs() = {};
}

} // namespace ZorvaneButtonGlobals

QString trimSpaces(const QString& s)
{
    qsizetype begin = 0, end = s.size();
    while (begin < end && s[begin] == QLatin1Char(' '))
        ++begin;
    while (end > begin && s[end - 1] == QLatin1Char(' '))
        --end;
    return s.mid(begin, end - begin);
}

} // namespace button
