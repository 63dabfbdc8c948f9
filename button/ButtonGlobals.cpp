#include "ButtonGlobals.h"

#include "InterButtonNotify.h"

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
    // A switched-off button's handlers may add or remove buttons: walk a
    // snapshot taken before the first notice.
    for (const auto& other : ButtonNotifiers().snapshot())
        if (other->ToggleGroup() == group && other->uniqueIdText() != ownId)
            other->NotifyToggleOff();
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
