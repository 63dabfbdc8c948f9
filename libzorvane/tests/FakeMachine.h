// A machine that only records: tests never move the real pointer, confine
// it, change the work area or open anything on the desktop.
#pragma once
#include "Machine.h"

#include <QList>
#include <QStringList>

namespace zgtest {

class FakeMachine : public zg::Machine {
public:
    struct MouseStep {
        int action;
        int button;
        QPoint at;
    };

    QPoint cursorPos() override { return cursor; }
    void setCursorPos(QPoint p) override { cursor = p; }
    std::optional<QRect> cursorConfinement() override { return confinement; }
    void confineCursor(std::optional<QRect> r) override { confinement = r; }
    QRect desktopRect() override { return desktop; }
    QRect workArea() override { return work; }
    void setWorkArea(QRect r) override { work = r; }
    void mouseInput(int action, int button, QPoint p) override { steps.append({action, button, p}); }
    bool openUrl(const QUrl& url) override
    {
        opened.append(url.toString());
        return opens;
    }

    QPoint cursor{0, 0};
    std::optional<QRect> confinement;
    QRect desktop{0, 0, 800, 600};
    QRect work{0, 0, 800, 560};
    QList<MouseStep> steps;
    QStringList opened;
    bool opens = true;
};

} // namespace zgtest
