// The display's modes through the X Resize and Rotate extension, or the
// one mode of Qt's screen where the display has no such extension; the
// switch and the saving of a mode behind one replaceable seam.
#pragma once
#include "ZorvaneScreenModes.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace zg {

// One mode as read from the display, with what a switch needs to find it
// again.
struct DisplayMode {
    int32_t width = 0;
    int32_t height = 0;
    double colors = 0;
    int32_t frequency = 0;
    QByteArray display; // X display name; empty: the mode cannot be switched to
    QByteArray output;  // the output (connector) the mode belongs to
    uint64_t modeId = 0;
};

struct DisplayModeList {
    std::vector<DisplayMode> modes;
    DisplayMode current;
};

// What changes the real display: switching to a mode and keeping it as the
// display setting. Tests install a fake; the real one refuses to run in a
// test program.
class DisplayModeSwitch {
public:
    virtual ~DisplayModeSwitch() = default;
    virtual bool switchTo(const DisplayMode& mode) = 0;
    virtual bool save(const DisplayMode& mode) = 0;
};
std::shared_ptr<DisplayModeSwitch> displayModeSwitch();
// Tests: replace it (nullptr goes back to the real one).
void installDisplayModeSwitch(std::shared_ptr<DisplayModeSwitch> s);
// Tests of the switch itself: the real switch, allowed in a test program
// for the modes of an X server the test started itself (it never saves).
std::shared_ptr<DisplayModeSwitch> xrandrSwitchForPrivateServer();

// The modes of the X display `displayName` through the extension; nothing
// when the display cannot be opened or lacks the extension (1.2 or later).
std::optional<DisplayModeList> readXRandRModes(const QByteArray& displayName);
// The modes of the display Qt shows its windows on: the extension's on X,
// else the one mode of the primary screen.
DisplayModeList readDisplayModes();
// Refresh rate of a mode's timings (pixel clock over the frame's pixels,
// doubled for interlaced and halved for double-scanned modes), whole Hz.
int32_t refreshRate(uint64_t dotClock, uint32_t hTotal, uint32_t vTotal, bool interlaced, bool doubleScan);
// Colours of a display depth in bits.
double colorsOfDepth(int depth);

// Where a saved mode is kept: ZorvaneGlobals/ScreenMode.conf in the user's
// configuration folder (XDG_CONFIG_HOME, normally ~/.config).
QString savedScreenModePath();
bool writeSavedScreenMode(const QString& path, const DisplayMode& mode);
// The saved mode (width, height, frequency, output), if one was saved.
std::optional<DisplayMode> readSavedScreenMode(const QString& path);

class ScreenModeImpl : public ScreenMode {
public:
    explicit ScreenModeImpl(DisplayMode mode) : mode_(std::move(mode)) {}
    int32_t Width() override { return mode_.width; }
    int32_t Height() override { return mode_.height; }
    double Colors() override { return mode_.colors; }
    int32_t Frequency() override { return mode_.frequency; }
    bool MakeCurrent() override;
    bool MakeCurrentAndSave() override;
    const DisplayMode& mode() const { return mode_; }

private:
    DisplayMode mode_;
};

class ScreenModesImpl : public ZorvaneScreenModes {
public:
    // The display's modes as they are now.
    ScreenModesImpl();
    explicit ScreenModesImpl(DisplayModeList list) : list_(std::move(list)) {}

    int16_t ModeCount() override;
    std::shared_ptr<ScreenMode> Item(int16_t& Index) override;
    std::shared_ptr<ScreenMode> CurrentMode() override;

private:
    DisplayModeList list_;
};

} // namespace zg
