// A list bar control for tests: created, sized and given its defaults as a
// host would, with the library's drawing surface, strings, system and data
// classes real but for the processor clock, and counting identifiers. Every
// drawing surface made is recorded, so a test can count the blended frames
// of a faded bar switch; the control's RedrawCounter counts its passes.
#pragma once
#include "FakeLibrary.h"
#include "GhostCanvas.h"
#include "DataImpl.h"
#include "Library.h"
#include "MiscellaneousImpl.h"
#include "QtPrinters.h"
#include "testing/RecordingCanvas.h"
#include "StringsImpl.h"
#include "SystemImpl.h"
#include "ZSListBar.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace listbar::testing {

// The processor clock the control reads at creation; `readable` false makes
// the read fail as a missing library would.
struct Clock {
    int16_t mhz = 1000;
    bool readable = true;
};

class FakeProcessor : public zg::ProcessorImpl {
public:
    explicit FakeProcessor(Clock clock) : clock_(clock) {}
    int16_t Speed() override
    {
        if (!clock_.readable)
            plat::raise(429);
        return clock_.mhz;
    }

private:
    Clock clock_;
};

class ClockedSystem : public zg::SystemImpl {
public:
    explicit ClockedSystem(Clock clock) : clock_(clock) {}
    std::shared_ptr<zg::ZorvaneProcessor> Processor() override { return std::make_shared<FakeProcessor>(clock_); }

private:
    Clock clock_;
};

// Installs the library for one test and forgets it afterwards.
struct ControlLibrary {
    explicit ControlLibrary(Clock clock = {})
    {
        zg::installShared<zg::ZorvaneNumbers>(std::make_shared<FakeNumbers>());
        zg::installShared<zg::ZorvaneStrings>(std::make_shared<zg::StringsImpl>());
        zg::installShared<zg::ZorvaneSystem>(std::make_shared<ClockedSystem>(clock));
        zg::installShared<zg::ZorvaneData>(std::make_shared<zg::DataImpl>());
        zg::installShared<zg::ZorvaneMiscellaneous>(std::make_shared<zg::MiscellaneousImpl>());
        zg::installFactory<zg::ZorvaneGhostCanvas>([this] {
            auto canvas = std::make_shared<zg::RecordingCanvas>(std::make_shared<zg::GhostCanvas>());
            canvases.push_back(canvas);
            return canvas;
        });
    }
    ~ControlLibrary() { zg::resetForTests(); }

    // How often AlphaBlendPicture was called on any surface so far.
    int blends() const
    {
        int n = 0;
        for (const auto& c : canvases)
            n += int(c->calls(QStringLiteral("AlphaBlendPicture")).size());
        return n;
    }

    std::vector<std::shared_ptr<zg::RecordingCanvas>> canvases;
};

// A control of width x height pixels, created and given the defaults of a
// newly placed control. Events raised are logged as "Name(details)".
struct ListBarHarness {
    explicit ListBarHarness(int width = 150, int height = 400, Clock clock = {}) : library(clock)
    {
        control = std::make_shared<InternalZSListBar>();
        control->Size(width * 15.0, height * 15.0);
        control->initialize();
        control->initProperties();
        control->BarSelected.connect([this](LBBarPtr& bar) { events << "BarSelected(" + caption(bar) + ")"; });
        control->BarScroll.connect([this](LBBarPtr& bar, LBButtonPtr& first) {
            events << "BarScroll(" + caption(bar) + "," + (first ? first->Caption() : QStringLiteral("-")) + ")";
        });
        control->clearChangedProperties();
    }
    ~ListBarHarness()
    {
        control->terminate();
        control.reset();
    }

    static QString caption(const LBBarPtr& bar) { return bar ? bar->Caption() : QStringLiteral("-"); }
    double passes() const { return control->state().RedrawCounter; }
    LBBars& bars() const { return *control->Bars(); }
    QStringList changed() const { return control->changedProperties(); }

    ControlLibrary library;
    std::shared_ptr<InternalZSListBar> control;
    QStringList events;
};

} // namespace listbar::testing
