// A host form for the button's input, property and persistence tests: built
// from design data as a program's is (the forms layer initialises the
// buttons, gives them their settings and sizes them), with the real library
// but a mouse that stays where the test puts it. Every event a button
// raises is logged as "Name.Event(args)".
#pragma once
#include "ButtonTestSupport.h"

#include <Form.h>
#include <Gdi.h>
#include <MsgBox.h>
#include <Timer.h>

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <optional>
#include <utility>
#include <vector>

namespace buttonhost {

using button::InternalZSButton;
using ButtonPtr = std::shared_ptr<InternalZSButton>;

// One control of the host form; sizes in pixels.
struct Place {
    const char* name;
    const char* type = "ZSButton";
    int x = 0, y = 0, w = 80, h = 30;
    std::optional<plat::PropertyBag> bag = std::nullopt;
    std::vector<std::pair<const char*, plat::Variant>> properties = {}; // "Visible", "TabStop", ...
};

class HostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        zg::registerLibrary();
        zg::resetForTests();
        button::ZorvaneButtonGlobals::resetForTests();
        button::registerButtonControl();
        mouse = std::make_shared<buttontest::StillMouse>();
        zg::installMachine(mouse);
        plat::clearMsgBoxLog();
    }
    void TearDown() override
    {
        if (form)
            form->discard();
        form.reset();
        zg::installMachine(nullptr);
        zg::resetForTests();
        button::ZorvaneButtonGlobals::resetForTests();
        // No run-time error reached the user.
        EXPECT_TRUE(plat::msgBoxLog().empty()) << plat::msgBoxLog().front().prompt.toStdString();
        plat::clearMsgBoxLog();
    }

    // Loads the form (its window stays hidden) and logs the buttons' events.
    void load(std::initializer_list<Place> places)
    {
        plat::DesignData d;
        d.form.name = QStringLiteral("frmHost");
        d.form.clientWidth = 400 * 15;
        d.form.clientHeight = 300 * 15;
        d.form.font = plat::Font::make();
        for (const auto& p : places) {
            plat::ControlDesign c;
            c.name = QString::fromLatin1(p.name);
            c.type = QString::fromLatin1(p.type);
            c.left = p.x * 15;
            c.top = p.y * 15;
            c.width = p.w * 15;
            c.height = p.h * 15;
            c.hasBag = p.bag.has_value();
            c.bag = p.bag.value_or(plat::PropertyBag());
            for (const auto& [key, value] : p.properties)
                c.properties.set(QString::fromLatin1(key), value);
            d.controls.push_back(c);
        }
        loadDesign(d);
    }
    void loadDesign(const plat::DesignData& d)
    {
        form = std::make_shared<plat::Form>(d);
        form->Load();
        for (const auto& c : form->Controls())
            if (auto b = std::dynamic_pointer_cast<InternalZSButton>(c))
                logEvents(b);
    }
    void showAndActivate()
    {
        form->Show();
        QWidget* w = form->widget();
        QApplication::setActiveWindow(w);
        (void)QTest::qWaitForWindowExposed(w);
        (void)QTest::qWaitForWindowActive(w);
    }

    ButtonPtr button(const char* name) const { return form->control<InternalZSButton>(QString::fromLatin1(name)); }

    void logEvents(const ButtonPtr& b)
    {
        const QString n = b->Name();
        auto logMouse = [this, n](const char* event) {
            return [this, n, event](int16_t& bt, int16_t& s, float& x, float& y) {
                log << n + QStringLiteral(".%1(%2,%3,%4,%5)").arg(QLatin1String(event)).arg(bt).arg(s).arg(x).arg(y);
            };
        };
        auto logKey = [this, n](const char* event) {
            return [this, n, event](int16_t& k, int16_t&) {
                log << n + QStringLiteral(".%1(%2)").arg(QLatin1String(event)).arg(k);
            };
        };
        b->Click.connect([this, n] { log << n + ".Click"; });
        b->MouseEnter.connect([this, n] { log << n + ".MouseEnter"; });
        b->MouseLeave.connect([this, n] { log << n + ".MouseLeave"; });
        b->MouseDown.connect(logMouse("MouseDown"));
        b->MouseMove.connect(logMouse("MouseMove"));
        b->MouseUp.connect(logMouse("MouseUp"));
        b->KeyDown.connect(logKey("KeyDown"));
        b->KeyUp.connect(logKey("KeyUp"));
        b->KeyPress.connect([this, n](int16_t& k) { log << n + QStringLiteral(".KeyPress(%1)").arg(k); });
    }

    // The button's window in screen pixels (right and bottom exclusive).
    static plat::gdi::Rect windowRect(const ButtonPtr& b)
    {
        plat::gdi::Rect r;
        plat::gdi::GetWindowRect(b->hWnd(), r);
        return r;
    }
    void pointAt(const ButtonPtr& b, int x, int y)
    {
        const auto r = windowRect(b);
        mouse->cursor = QPoint(r.left + x, r.top + y);
    }
    void pointAway() { mouse->cursor = QPoint(-1000, -1000); }

    // The mouse and keys as the surface delivers them.
    static void move(const ButtonPtr& b, int16_t held = 0) { deliver(b, &InternalZSButton::UserControl_MouseMove, held); }
    static void press(const ButtonPtr& b) { deliver(b, &InternalZSButton::UserControl_MouseDown, 1); }
    static void release(const ButtonPtr& b) { deliver(b, &InternalZSButton::UserControl_MouseUp, 1); }
    template <class Handler>
    static void deliver(const ButtonPtr& b, Handler handler, int16_t button)
    {
        int16_t shift = 0;
        float x = 5, y = 5;
        ((*b).*handler)(button, shift, x, y);
    }
    static void keyDown(const ButtonPtr& b, int16_t code)
    {
        int16_t shift = 0;
        b->UserControl_KeyDown(code, shift);
    }
    static void keyUp(const ButtonPtr& b, int16_t code)
    {
        int16_t shift = 0;
        b->UserControl_KeyUp(code, shift);
    }
    static void tick(const ButtonPtr& b) { b->HoverTest->fire(); }
    static bool hovering(const ButtonPtr& b) { return b->HoverTest->Enabled(); }
    static int32_t look(const ButtonPtr& b) { return b->runtime().DrawState; }

    // Counts the drawing surfaces made from now on (one per paint).
    void countPaints()
    {
        zg::installFactory<zg::ZorvaneGhostCanvas>([this] {
            ++paints;
            return std::static_pointer_cast<zg::ZorvaneGhostCanvas>(std::make_shared<zg::GhostCanvas>());
        });
    }

    QStringList takeLog() { return std::exchange(log, {}); }

    std::shared_ptr<buttontest::StillMouse> mouse;
    std::shared_ptr<plat::Form> form;
    QStringList log;
    int paints = 0;
};

} // namespace buttonhost
