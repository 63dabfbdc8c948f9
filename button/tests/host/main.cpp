// A window of buttons in the three styles, with pictures, shadowed captions,
// toggles and a toggle group, for trying the button under a real display:
// hover, press, click, Tab and the arrow keys. The last events the buttons
// raised are listed at the bottom. Not installed.
//   button_test_host [seconds]   closes itself after that many seconds when given
#include "ZSButton.h"

#include <Application.h>
#include <DesignData.h>
#include <Form.h>
#include <Label.h>
#include <Register.h>

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QStringList>
#include <QTimer>

namespace {

using button::InternalZSButton;

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

// An icon with the three standard greys, which the recoloured copy changes.
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
    d.form.clientHeight = 260 * 15;
    d.form.font = plat::Font::make();
    const struct {
        const char* name;
        const char* type;
        int x, y, w, h;
    } places[] = {
        {"cmdStandard", "ZSButton", 16, 16, 110, 30},  {"cmdShadow", "ZSButton", 16, 56, 110, 30},
        {"cmdToggled", "ZSButton", 16, 96, 110, 30},   {"cmdDisabled", "ZSButton", 16, 136, 110, 30},
        {"cmdFlat", "ZSButton", 140, 16, 110, 30},     {"cmdFlatHover", "ZSButton", 140, 56, 110, 30},
        {"cmdAbove", "ZSButton", 140, 96, 110, 70},    {"cmdPicture", "ZSButton", 270, 16, 120, 69},
        {"cmdPictureOn", "ZSButton", 270, 96, 120, 69}, {"cmdMasked", "ZSButton", 400, 16, 64, 64},
        {"cmdGroupA", "ZSButton", 16, 176, 110, 30},   {"cmdGroupB", "ZSButton", 140, 176, 110, 30},
        {"lblEvents", "Label", 16, 216, 450, 40},
    };
    for (const auto& p : places) {
        plat::ControlDesign c;
        c.name = QString::fromLatin1(p.name);
        c.type = QString::fromLatin1(p.type);
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
        lblEvents = control<plat::Label>(QStringLiteral("lblEvents"));
        lblEvents->setCaption(QString());
        const auto icon = iconPicture();
        auto setUp = [&](const char* name, auto&& configure) {
            auto b = control<InternalZSButton>(QString::fromLatin1(name));
            configure(*b);
            showEvents(b);
        };
        setUp("cmdStandard", [&](InternalZSButton& b) {
            b.setCaption(QStringLiteral("&Standard"));
            b.setButtonImage(icon);
            b.setAcclimateGrayTones(true);
        });
        setUp("cmdShadow", [&](InternalZSButton& b) {
            b.setCaption(QStringLiteral("Drop s&hadow"));
            b.setTextShadow(1);
            b.setColorTextShadow(0x808080);
            b.setButtonImage(icon);
        });
        setUp("cmdToggled", [&](InternalZSButton& b) {
            b.setCaption(QStringLiteral("&Toggle"));
            b.setCaptionToggled(QStringLiteral("Toggled on"));
            b.setButtonToggles(1);
            b.setValue(true);
            b.setTextShadow(2);
        });
        setUp("cmdDisabled", [&](InternalZSButton& b) {
            b.setCaption(QStringLiteral("Disabled"));
            b.setButtonImage(icon);
            b.setEnabled(false);
        });
        setUp("cmdFlat", [&](InternalZSButton& b) {
            b.setButtonStyle(1);
            b.setDrawFocusRectangle(true);
            b.setCaption(QStringLiteral("&Flat"));
            b.setButtonImage(icon);
            b.setButtonPositionImage(1);
        });
        setUp("cmdFlatHover", [&](InternalZSButton& b) {
            b.setButtonStyle(1);
            b.setCaption(QStringLiteral("Flat, engraved"));
            b.setTextShadow(3);
            b.setButtonToggles(1);
            b.setValue(true);
        });
        setUp("cmdAbove", [&](InternalZSButton& b) {
            b.setCaption(QStringLiteral("Image above"));
            b.setButtonImage(iconPicture());
            b.setButtonPositionImage(2);
            b.setTextShadow(5);
        });
        setUp("cmdPicture", [&](InternalZSButton& b) {
            b.setButtonStyle(2);
            b.setUseMaskColor(false);
            b.setCaption(QStringLiteral("Picture"));
            b.setTextShadow(1);
            b.setTextShadowDepth(2);
            b.setColorTextShadow(0);
            b.setForeColor(0xFFFFFF);
            b.setButtonImage(gradientPicture(120, 69, QColor(20, 60, 140), QColor(150, 190, 250), false));
            b.setButtonImageHover(gradientPicture(120, 69, QColor(40, 100, 200), QColor(190, 220, 255), false));
            b.setButtonImageDown(gradientPicture(120, 69, QColor(150, 190, 250), QColor(20, 60, 140), false));
        });
        setUp("cmdPictureOn", [&](InternalZSButton& b) {
            b.setButtonStyle(2);
            b.setUseMaskColor(false);
            b.setCaption(QStringLiteral("Switched on"));
            b.setTextShadow(1);
            b.setColorTextShadow(0);
            b.setForeColor(0x00FFFF);
            b.setButtonImage(gradientPicture(120, 69, QColor(140, 40, 20), QColor(250, 200, 150), false));
            b.setButtonImageToggled(gradientPicture(120, 69, QColor(20, 120, 40), QColor(160, 250, 170), false));
            b.setButtonToggles(1);
            b.setValue(true);
        });
        setUp("cmdMasked", [&](InternalZSButton& b) {
            b.setButtonStyle(2);
            b.setCaption(QStringLiteral("Shaped"));
            b.setButtonImage(gradientPicture(64, 64, QColor(120, 0, 120), QColor(250, 160, 250), true));
        });
        for (const char* name : {"cmdGroupA", "cmdGroupB"})
            setUp(name, [&](InternalZSButton& b) {
                b.setCaption(QString::fromLatin1(name).mid(3));
                b.setButtonToggles(1);
                b.setToggleGroup(QStringLiteral("group"));
            });
        lastEvents.clear();
        lblEvents->setCaption(QString());
    }

private:
    void showEvents(const std::shared_ptr<InternalZSButton>& b)
    {
        const QString n = b->Name().mid(3);
        auto note = [this, n](const QString& what) {
            lastEvents << n + QLatin1Char('.') + what;
            while (lastEvents.size() > 8)
                lastEvents.removeFirst();
            lblEvents->setCaption(lastEvents.join(QStringLiteral("  ")));
        };
        b->Click.connect([note] { note(QStringLiteral("Click")); });
        b->MouseEnter.connect([note] { note(QStringLiteral("MouseEnter")); });
        b->MouseLeave.connect([note] { note(QStringLiteral("MouseLeave")); });
        b->MouseDown.connect(
            [note](int16_t& bt, int16_t&, float&, float&) { note(QStringLiteral("MouseDown(%1)").arg(bt)); });
        b->MouseUp.connect(
            [note](int16_t& bt, int16_t&, float&, float&) { note(QStringLiteral("MouseUp(%1)").arg(bt)); });
        b->KeyDown.connect([note](int16_t& k, int16_t&) { note(QStringLiteral("KeyDown(%1)").arg(k)); });
        b->KeyUp.connect([note](int16_t& k, int16_t&) { note(QStringLiteral("KeyUp(%1)").arg(k)); });
    }

    std::shared_ptr<plat::Label> lblEvents;
    QStringList lastEvents;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    zg::registerLibrary();
    auto form = std::make_shared<frmButtonHost>();
    form->Show();
    if (argc > 1)
        QTimer::singleShot(int(QString::fromLocal8Bit(argv[1]).toDouble() * 1000), [form] { form->Unload(); });
    return plat::runMessageLoop();
}
