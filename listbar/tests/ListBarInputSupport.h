// A list bar driven as the host's mouse, keyboard and drag notifications
// would drive it. Every event is logged as "Name(arguments)"; the passes run
// between two events show as "paint" entries, so a log reads in the order
// things happened. Whether the mouse is over the control is the test's to
// say (mouseOver).
#pragma once
#include "ListBarControlSupport.h"

#include <DataObject.h>
#include <TextBox.h>
#include <Timer.h>

#include <QPointF>

namespace listbar::testing {

// Notifiers stay registered for the whole test run; the identifiers of the
// controls made here come from a range of their own, so that the many
// controls of these tests never crowd the range that other tests draw from.
inline void useOwnIdentifierRange()
{
    static int block = 0;
    std::dynamic_pointer_cast<FakeNumbers>(zg::Numbers())->counter = 90000000 + 100000 * ++block;
}

struct InputHarness {
    explicit InputHarness(int width = 150, int height = 400)
    {
        useOwnIdentifierRange();
        control = std::make_shared<InternalZSListBar>();
        control->Size(width * 15.0, height * 15.0);
        control->initialize();
        control->initProperties();
        std::dynamic_pointer_cast<zg::MiscellaneousImpl>(zg::Miscellaneous())
            ->setMouseOverHook([this](const plat::ObjectPtr&) { return mouseOver; });
        InternalZSListBar& c = *control;
        auto name = [](const auto& object) { return object ? object->Caption() : QStringLiteral("-"); };
        auto one = [this, name](const char* event) {
            return [this, name, event](auto& object) { note(QStringLiteral("%1(%2)").arg(event, name(object))); };
        };
        auto withButton = [this, name](const char* event) {
            return [this, name, event](auto& object, int16_t& m) {
                note(QStringLiteral("%1(%2,%3)").arg(event, name(object)).arg(m));
            };
        };
        auto plain = [this](const char* event) { return [this, event] { note(QString::fromLatin1(event)); }; };
        auto mouse = [this](const char* event) {
            return [this, event](int16_t& b, int16_t&, float&, float&) { note(QStringLiteral("%1(%2)").arg(event).arg(b)); };
        };
        auto key = [this](const char* event) {
            return [this, event](int16_t& k, auto&...) { note(QStringLiteral("%1(%2)").arg(event).arg(k)); };
        };
        c.BarSelected.connect(one("BarSelected"));
        c.BarMouseEnter.connect(one("BarMouseEnter"));
        c.BarMouseLeave.connect(one("BarMouseLeave"));
        c.BarMouseClick.connect(withButton("BarMouseClick"));
        c.BarScroll.connect([=, this](LBBarPtr& b, LBButtonPtr& f) { note("BarScroll(" + name(b) + "," + name(f) + ")"); });
        c.ButtonSelected.connect(one("ButtonSelected"));
        c.ButtonMoved.connect(one("ButtonMoved"));
        c.ButtonMouseEnter.connect(one("ButtonMouseEnter"));
        c.ButtonMouseLeave.connect(one("ButtonMouseLeave"));
        c.ButtonMouseClick.connect(withButton("ButtonMouseClick"));
        c.MouseEnter.connect(plain("MouseEnter"));
        c.MouseLeave.connect(plain("MouseLeave"));
        c.DblClick.connect(plain("DblClick"));
        c.MouseDown.connect(mouse("MouseDown"));
        c.MouseUp.connect(mouse("MouseUp"));
        c.MouseMove.connect(mouse("MouseMove"));
        c.KeyDown.connect(key("KeyDown"));
        c.KeyUp.connect(key("KeyUp"));
        c.KeyPress.connect(key("KeyPress"));
        seenPasses = passes();
    }

    ~InputHarness()
    {
        control->terminate();
        control.reset();
    }
    InputHarness(const InputHarness&) = delete;
    InputHarness& operator=(const InputHarness&) = delete;

    double passes() const { return control->state().RedrawCounter; }
    LBBars& bars() const { return *control->Bars(); }

    void note(const QString& entry)
    {
        syncPasses();
        log << entry;
    }
    void syncPasses()
    {
        for (; seenPasses < passes(); seenPasses += 1)
            log << QStringLiteral("paint");
    }
    // What happened since the last take().
    QStringList take()
    {
        syncPasses();
        QStringList taken = log;
        log.clear();
        return taken;
    }

    // A bar with buttons "<prefix>1" ... and keys "<prefix>1" ...
    LBBarPtr addBar(const QString& caption, const QString& prefix, int buttons)
    {
        LBBarPtr bar = bars().Add(caption);
        for (int i = 1; i <= buttons; ++i)
            bar->Buttons()->Add(prefix + QString::number(i), plat::Variant(int32_t(i)), prefix + QString::number(i));
        return bar;
    }

    // The item of the last pass of that kind (and bar and button), or none.
    LBTrackingObjectPtr item(int32_t kind, const LBBarPtr& bar = nullptr, const LBButtonPtr& button = nullptr) const
    {
        for (const auto& i : control->state().TrackingObjects->snapshot())
            if (i->ComponentType == kind && (!bar || i->BarID == bar->UniqueID()) &&
                (!button || i->ButtonID == button->UniqueID()))
                return i;
        return nullptr;
    }
    static QPointF centre(const LBTrackingObjectPtr& i)
    {
        return {i->X + i->Width / 2.0, i->Y + i->Height / 2.0};
    }
    QPointF at(int32_t kind, const LBBarPtr& bar = nullptr, const LBButtonPtr& button = nullptr) const
    {
        const LBTrackingObjectPtr i = item(kind, bar, button);
        EXPECT_TRUE(i) << "no item of kind " << kind;
        return i ? centre(i) : QPointF();
    }

    void move(QPointF p, int16_t button = 0, int16_t shift = 0)
    {
        float x = float(p.x()), y = float(p.y());
        control->UserControl_MouseMove(button, shift, x, y);
    }
    void down(QPointF p, int16_t button = 1, int16_t shift = 0)
    {
        float x = float(p.x()), y = float(p.y());
        control->UserControl_MouseDown(button, shift, x, y);
    }
    void up(QPointF p, int16_t button = 1, int16_t shift = 0)
    {
        float x = float(p.x()), y = float(p.y());
        control->UserControl_MouseUp(button, shift, x, y);
    }
    void click(QPointF p, int16_t button = 1)
    {
        move(p);
        down(p, button);
        up(p, button);
    }

    // Drag notifications as the host delivers them.
    int32_t dragOver(const plat::DataObjectPtr& data, QPointF p, int16_t shift = 0,
                     int16_t state = plat::dragstate::Over)
    {
        plat::DataObjectPtr d = data;
        int32_t effect = plat::dropeffect::All;
        int16_t button = 1;
        float x = float(p.x()), y = float(p.y());
        control->UserControl_OLEDragOver(d, effect, button, shift, x, y, state);
        return effect;
    }
    void drop(const plat::DataObjectPtr& data, QPointF p)
    {
        plat::DataObjectPtr d = data;
        int32_t effect = control->state().LastEffect;
        int16_t button = 1, shift = 0;
        float x = float(p.x()), y = float(p.y());
        control->UserControl_OLEDragDrop(d, effect, button, shift, x, y);
    }
    // The data of a drag of `button`, as the control writes it when the
    // user starts dragging it; the drag then counts as running.
    plat::DataObjectPtr startInternalDrag(const LBBarPtr& bar, const LBButtonPtr& button)
    {
        move(at(component::Button, bar, button));
        down(at(component::Button, bar, button));
        auto data = std::make_shared<plat::DataObject>();
        int32_t allowed = 0;
        control->UserControl_OLEStartDrag(data, allowed);
        control->state().InternalDrag = true;
        control->state().DragInProgress = true;
        return data;
    }
    static plat::DataObjectPtr files(const QStringList& paths)
    {
        auto data = std::make_shared<plat::DataObject>();
        for (const QString& p : paths)
            data->Files()->Add(p);
        data->SetData(plat::Variant::missing(), plat::Variant(plat::cf::Files));
        return data;
    }

    static QStringList captions(const LBBarPtr& bar)
    {
        QStringList c;
        for (const auto& b : bar->Buttons()->NewEnum())
            c << b->Caption();
        return c;
    }

    ControlLibrary library;
    std::shared_ptr<InternalZSListBar> control;
    bool mouseOver = true;
    QStringList log;
    double seenPasses = 0;
};

} // namespace listbar::testing
