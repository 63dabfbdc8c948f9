// Shows a form built from design data: the intrinsic controls, a container
// with pixel scale, persistent drawing and a small user control.
#include "Controls.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>

namespace {

// A user control that paints a colour ramp into its Picture.
class DemoSwatch : public plat::UserControl {
public:
    void UserControl_Resize() override
    {
        QImage img(std::max(1, int(ScaleWidth())), std::max(1, int(ScaleHeight())), QImage::Format_RGB32);
        QPainter p(&img);
        QLinearGradient g(0, 0, img.width(), 0);
        g.setColorAt(0, QColor(30, 60, 160));
        g.setColorAt(1, QColor(200, 230, 255));
        p.fillRect(img.rect(), g);
        p.setPen(Qt::white);
        p.drawText(img.rect(), Qt::AlignCenter, QStringLiteral("user control"));
        p.end();
        setPicture(plat::Picture::fromImage(img));
    }
};

class frmExample : public plat::Form {
public:
    frmExample() : Form(QStringLiteral(":/forms/frmExample.json")) {}

protected:
    void bindControls() override
    {
        control<plat::CommandButton>("cmdClose")->Click.connect([this] { Unload(); });
        auto timer = control<plat::Timer>("timerTick");
        timer->Tick.connect([this] {
            auto l = control<plat::Label>("lblTitle");
            l->setForeColor(l->ForeColor() == 0xFFFFu ? 0xFFu : 0xFFFFu);
        });
    }
    void Form_Load() override
    {
        auto pic = control<plat::PictureBox>("picBox");
        pic->Line(10, 40, 220, 40, 0xFFu);
        pic->Line(10, 50, 220, 100, 0x00C000u, LineKind::FilledBox);
        Line(0, 0, 4, 4, 0xFF0000u, LineKind::FilledBox);
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    plat::registerUserControlType(QStringLiteral("DemoSwatch"), [] { return std::make_shared<DemoSwatch>(); });
    plat::formInstance<frmExample>()->Show();
    return plat::runMessageLoop();
}
