// A small window of buttons in the three styles, with pictures and shadowed
// captions, for looking at the button under a real display. Not installed.
//   button_host [seconds]   closes itself after that many seconds when given
#include "ZSButton.h"

#include <Application.h>
#include <DesignData.h>
#include <Form.h>
#include <Register.h>

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>

namespace {

// The button as a host form drives it, with a way to paint after the
// settings below are stored.
class HostButton : public button::InternalZSButton {
public:
    void apply()
    {
        CalculateMaxImageSize();
        BuildAcclimatedImage();
        RedrawButton(GetDrawState());
    }
};

plat::PicturePtr gradientPicture(int w, int h, QColor from, QColor to, bool maskBorder)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(qRgb(0xC0, 0xC0, 0xC0));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    const QRectF r = maskBorder ? QRectF(3, 3, w - 6, h - 6) : QRectF(0, 0, w, h);
    p.setBrush(g);
    p.setPen(QPen(Qt::black, 1));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), maskBorder ? 14 : 3, maskBorder ? 14 : 3);
    p.end();
    return plat::Picture::fromImage(img);
}

// An icon with the three standard greys, which the acclimated copy recolours.
plat::PicturePtr iconPicture()
{
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(qRgb(0xC0, 0xC0, 0xC0));
    QPainter p(&img);
    p.fillRect(3, 3, 10, 10, QColor(0, 0, 160));
    p.fillRect(5, 5, 6, 6, QColor(255, 255, 255));
    p.fillRect(7, 7, 2, 2, QColor(0x80, 0x80, 0x80));
    p.end();
    return plat::Picture::fromImage(img);
}

plat::DesignData hostDesign()
{
    plat::DesignData d;
    d.form.name = QStringLiteral("frmButtonHost");
    d.form.caption = QStringLiteral("Buttons");
    d.form.clientWidth = 480 * 15;
    d.form.clientHeight = 200 * 15;
    d.form.font = plat::Font::make();
    const struct {
        const char* name;
        int x, y, w, h;
    } places[] = {
        {"cmdStandard", 16, 16, 110, 30},  {"cmdShadow", 16, 56, 110, 30},   {"cmdToggled", 16, 96, 110, 30},
        {"cmdDisabled", 16, 136, 110, 30}, {"cmdFlat", 140, 16, 110, 30},    {"cmdFlatHover", 140, 56, 110, 30},
        {"cmdAbove", 140, 96, 110, 70},    {"cmdPicture", 270, 16, 120, 69}, {"cmdPictureOn", 270, 96, 120, 69},
        {"cmdMasked", 400, 16, 64, 64},
    };
    for (const auto& p : places) {
        plat::ControlDesign c;
        c.name = QString::fromLatin1(p.name);
        c.type = QStringLiteral("ZSButton");
        c.left = p.x * 15;
        c.top = p.y * 15;
        c.width = p.w * 15;
        c.height = p.h * 15;
        d.controls.push_back(c);
    }
    return d;
}

class frmButtonHost : public plat::Form {
public:
    frmButtonHost() : Form(hostDesign()) {}

protected:
    void Form_Load() override
    {
        const auto icon = iconPicture();
        auto setUp = [&](const char* name, auto&& configure) {
            auto b = control<HostButton>(QString::fromLatin1(name));
            auto& s = b->settings();
            configure(s, *b);
            b->apply();
        };
        using S = button::InternalZSButton::Settings;
        setUp("cmdStandard", [&](S& s, HostButton&) {
            s.Caption = QStringLiteral("&Standard");
            s.ButtonImage = icon;
            s.AcclimateGrayTones = true;
        });
        setUp("cmdShadow", [&](S& s, HostButton&) {
            s.Caption = QStringLiteral("Drop shadow");
            s.TextShadow = 1;
            s.ColorTextShadow = 0x808080;
            s.ButtonImage = icon;
        });
        setUp("cmdToggled", [&](S& s, HostButton&) {
            s.Caption = QStringLiteral("Toggle");
            s.CaptionToggled = QStringLiteral("Toggled on");
            s.ButtonToggles = 1;
            s.Value = true;
            s.TextShadow = 2;
        });
        setUp("cmdDisabled", [&](S& s, HostButton& b) {
            s.Caption = QStringLiteral("Disabled");
            s.ButtonImage = icon;
            b.setEnabled(false);
        });
        setUp("cmdFlat", [&](S& s, HostButton&) {
            s.ButtonStyle = 1;
            s.Caption = QStringLiteral("Flat");
            s.ButtonImage = icon;
            s.ButtonPositionImage = 1;
        });
        setUp("cmdFlatHover", [&](S& s, HostButton&) {
            s.ButtonStyle = 1;
            s.Caption = QStringLiteral("Flat, engraved");
            s.TextShadow = 3;
            s.Value = true;
            s.ButtonToggles = 1;
        });
        setUp("cmdAbove", [&](S& s, HostButton&) {
            s.Caption = QStringLiteral("Image above");
            s.ButtonImage = iconPicture();
            s.ButtonPositionImage = 2;
            s.TextShadow = 5;
        });
        setUp("cmdPicture", [&](S& s, HostButton& b) {
            s.ButtonStyle = 2;
            s.UseMaskColor = false;
            s.Caption = QStringLiteral("Picture");
            s.TextShadow = 1;
            s.TextShadowDepth = 2;
            s.ColorTextShadow = 0;
            b.setForeColor(0xFFFFFF);
            s.ButtonImage = gradientPicture(120, 69, QColor(20, 60, 140), QColor(150, 190, 250), false);
        });
        setUp("cmdPictureOn", [&](S& s, HostButton& b) {
            s.ButtonStyle = 2;
            s.UseMaskColor = false;
            s.Caption = QStringLiteral("Switched on");
            s.ButtonToggles = 1;
            s.Value = true;
            s.TextShadow = 1;
            s.ColorTextShadow = 0;
            b.setForeColor(0x00FFFF);
            s.ButtonImage = gradientPicture(120, 69, QColor(140, 40, 20), QColor(250, 200, 150), false);
            s.ButtonImageToggled = gradientPicture(120, 69, QColor(20, 120, 40), QColor(160, 250, 170), false);
        });
        setUp("cmdMasked", [&](S& s, HostButton&) {
            s.ButtonStyle = 2;
            s.Caption = QStringLiteral("Shaped");
            s.ButtonImage = gradientPicture(64, 64, QColor(120, 0, 120), QColor(250, 160, 250), true);
        });
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    zg::registerLibrary();
    plat::registerUserControlType(QStringLiteral("ZSButton"), [] { return std::make_shared<HostButton>(); });
    auto form = std::make_shared<frmButtonHost>();
    form->Show();
    if (argc > 1)
        QTimer::singleShot(int(QString::fromLocal8Bit(argv[1]).toDouble() * 1000), [form] { form->Unload(); });
    return plat::runMessageLoop();
}
