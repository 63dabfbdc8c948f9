// The display's modes, reached through ZorvaneSystem::ScreenModes (a new
// object at every use, read from the display when it is made), and one
// mode of it.
#pragma once
#include <QString>
#include <cstdint>
#include <memory>

namespace zg {

class ScreenMode {
public:
    static constexpr const char* InterfaceId = "{FF3FCA47-2FC0-49C6-9B37-126BB8925D06}";
    static constexpr const char* ClassName = "ScreenMode";

    virtual ~ScreenMode() = default;

    // The mode's size in pixels.
    virtual int32_t Width() = 0;
    virtual int32_t Height() = 0;
    // The number of colours of the display's depth (16,777,216 for 24 bits
    // and for 32, whose last 8 bits carry no colour).
    virtual double Colors() = 0;
    // The refresh rate in whole Hz, from the mode's timings.
    virtual int32_t Frequency() = 0;
    // Switches the display to the mode; True on success. False where the
    // display cannot switch (no Resize and Rotate extension: offscreen,
    // Wayland) or refused the mode.
    virtual bool MakeCurrent() = 0;
    // The same, and on success keeps the mode as the display setting in the
    // user's configuration folder for the suite's next start.
    virtual bool MakeCurrentAndSave() = 0;
};

class ZorvaneScreenModes {
public:
    static constexpr const char* ClassId = "{6E93B0D8-1A47-4C2E-B5F1-0D8C7A34E269}";
    static constexpr const char* InterfaceId = "{87E7BD94-4C90-11D4-8111-005004D78BE4}";
    static constexpr const char* ClassName = "ZorvaneScreenModes";

    virtual ~ZorvaneScreenModes() = default;

    // The number of modes of the display's output (at least 1: the mode in
    // use where the display tells no others).
    virtual int16_t ModeCount() = 0;
    // Mode Index, from 1 to ModeCount. Raises 9 "Subscript out of range"
    // naming the index and the count for any other index (a list filled
    // from an earlier object may be longer than the display's modes now).
    virtual std::shared_ptr<ScreenMode> Item(int16_t& Index) = 0;
    // The mode in use.
    virtual std::shared_ptr<ScreenMode> CurrentMode() = 0;
};

} // namespace zg
