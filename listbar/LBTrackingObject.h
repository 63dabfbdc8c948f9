// Hit-test items: one per interactive region of the last redraw (bar tabs,
// the open bar's button area, its buttons and the two scroll arrows), and
// the list that holds them in painting order. The mouse, drag, timer and
// caption-editing code work only from these items.
#pragma once
#include "Collection.h"
#include "Object.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace listbar {

// Kinds of region (ComponentType).
namespace component {
constexpr int32_t ClientArea = 0;
constexpr int32_t BarTab = 1;
constexpr int32_t Button = 2;
constexpr int32_t ScrollUp = 3;   // towards earlier buttons
constexpr int32_t ScrollDown = 4; // towards later buttons
} // namespace component

// Mouse states of a region (MouseState).
namespace mousestate {
constexpr int32_t Idle = 0;
constexpr int32_t Hover = 1;
constexpr int32_t Pressed = 2;
} // namespace mousestate

class LBTrackingObject : public plat::Object {
public:
    int32_t ComponentType = 0;
    int32_t MouseState = 0;
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    QString BarID;    // UniqueID of the bar
    QString ButtonID; // UniqueID of the button; "" for other kinds
    bool Locked = false;
    int16_t MouseButton = 0;
    bool IsTop = false;
    bool IsBottom = false;
    int32_t ButtonsDisplayed = 0;
    bool ScrollsUp = false;
    bool ScrollsDown = false;
    int32_t ButtonOrder = 0;

    // Half-open tests of the mouse position: left and top edges inside,
    // right and bottom edges outside. The edge tests use a band of 20 units
    // inward from that edge and check only the two bounds named. Every sum
    // is formed first; one that leaves 32 bits raises error 6 (Overflow).
    bool HitTest(int32_t MouseX, int32_t MouseY) const;
    bool HitTestBottom(int32_t MouseX, int32_t MouseY) const;
    bool HitTestTop(int32_t MouseX, int32_t MouseY) const;
    bool HitTestLeft(int32_t MouseX, int32_t MouseY) const;
    bool HitTestRight(int32_t MouseX, int32_t MouseY) const;

    // Width of the edge bands.
    static constexpr int32_t EdgeBand = 20;
};

using LBTrackingObjectPtr = std::shared_ptr<LBTrackingObject>;

// The control's list of hit-test items, 1-based, without keys. It holds the
// items themselves: an item also kept elsewhere is one shared object.
class LBTrackingObjects : public plat::Object {
public:
    void Add(const LBTrackingObjectPtr& NewTrackingObject) { items_.Add(NewTrackingObject); }
    // Position outside 1 to Count: error 9, the list unchanged.
    const LBTrackingObjectPtr& Item(int32_t Index) const { return items_.Item(Index); }
    void Remove(int32_t Index) { items_.Remove(Index); }
    int32_t Count() const { return items_.Count(); }

    // A copy of the items, for walks during which the list may change.
    std::vector<LBTrackingObjectPtr> snapshot() const { return items_.snapshot(); }

private:
    plat::List<LBTrackingObjectPtr> items_;
};

} // namespace listbar
