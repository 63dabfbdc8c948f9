// The notifier every button owns. It sits in the process-wide registry so
// that other buttons can reach it: they tell it to drop its hover look
// (hover hand-over) or to switch off (toggle groups), and it passes those
// requests to its own button through two events.
#pragma once
#include "ButtonGlobals.h"

#include <Object.h>
#include <Variant.h>

#include <QString>
#include <functional>
#include <memory>

namespace button {

class InterButtonNotify : public plat::Object {
public:
    // How many identifiers construction draws before it gives up and leaves
    // the notifier out of the registry.
    static constexpr int MaxRegistrationAttempts = 64;

    // Creates a notifier and registers it under a fresh ten-digit base-36
    // identifier. Never fails outward: when no identifier can be registered
    // the notifier works unregistered with an empty UniqueID, so other
    // buttons cannot reach it.
    static std::shared_ptr<InterButtonNotify> create();

    // Events, handled only by the owning button. Raised synchronously.
    std::function<void()> QuitDisplayingHover;
    std::function<void()> ToggledToFalse;

    // Raises QuitDisplayingHover when Hovering is True.
    void NotifyDontHover();
    bool Hovering() const { return hovering_; }
    // Stores the value and pushes UniqueID into RecentHoverIDs (whatever
    // the value).
    void setHovering(bool newHovering);
    // Raises ToggledToFalse when Value is True.
    void NotifyToggleOff();
    // Removes this notifier from the registry; nothing happens when it is
    // not there.
    void RemoveFromCollection();
    QString ToggleGroup() const { return toggleGroup_; }
    void setToggleGroup(const QString& newToggleGroup) { toggleGroup_ = newToggleGroup; }
    plat::Variant UniqueID() const { return plat::Variant(uniqueId_); }
    const QString& uniqueIdText() const { return uniqueId_; }
    bool Value() const { return value_; }
    void setValue(bool newValue) { value_ = newValue; }

    bool isRegistered() const { return registered_; }

private:
    InterButtonNotify() = default;
    void registerInCollection();
    void raise(const std::function<void()>& event);

    QString uniqueId_;
    bool hovering_ = false;
    bool value_ = false;
    QString toggleGroup_;
    bool registered_ = false;
};

} // namespace button
