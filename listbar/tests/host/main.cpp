// A window with three filled list bars (bevelled, picture style, and tabs
// side by side) for looking at the list bar under a real display and for
// driving it with a real X client. Every event of the list bars is printed
// to stdout, one line each, prefixed with the control's name. Not installed.
//   listbar_test_host [seconds]   closes itself after that many seconds when given
#include "ZSListBar.h"

#include <Application.h>
#include <DesignData.h>
#include <Form.h>
#include <Register.h>

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>
#include <QTimer>
#include <cstdio>

namespace {

constexpr int CellSize = 24;
constexpr int CellCount = 8;
const QRgb MaskRgb = qRgb(255, 0, 255);

// A strip of icon cells on the mask colour: circles, squares and diamonds
// in different colours.
plat::PicturePtr iconStrip()
{
    QImage img(CellSize * CellCount, CellSize, QImage::Format_RGB32);
    img.fill(MaskRgb);
    QPainter p(&img);
    const QColor colours[] = {QColor(200, 40, 40), QColor(40, 150, 40), QColor(40, 80, 200), QColor(220, 160, 20),
                              QColor(130, 40, 160), QColor(20, 150, 160), QColor(90, 90, 90), QColor(230, 100, 40)};
    for (int i = 0; i < CellCount; ++i) {
        const QRect cell(i * CellSize + 2, 2, CellSize - 4, CellSize - 4);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(colours[i]);
        if (i % 3 == 0)
            p.drawEllipse(cell);
        else if (i % 3 == 1)
            p.drawRect(cell.adjusted(1, 1, -1, -1));
        else
            p.drawPolygon(QPolygon({QPoint(cell.center().x(), cell.top()), QPoint(cell.right(), cell.center().y()),
                                    QPoint(cell.center().x(), cell.bottom()), QPoint(cell.left(), cell.center().y())}));
    }
    p.end();
    return plat::Picture::fromImage(img);
}

plat::PicturePtr gradient(int w, int h, QColor from, QColor to)
{
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    p.fillRect(img.rect(), g);
    p.setPen(to.darker(160));
    p.drawRect(0, 0, w - 1, h - 1);
    p.end();
    return plat::Picture::fromImage(img);
}

plat::PicturePtr arrow(bool up, QColor ground)
{
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(ground);
    QPainter p(&img);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    if (up)
        p.drawPolygon(QPolygon({QPoint(8, 3), QPoint(13, 11), QPoint(3, 11)}));
    else
        p.drawPolygon(QPolygon({QPoint(3, 4), QPoint(13, 4), QPoint(8, 12)}));
    p.end();
    return plat::Picture::fromImage(img);
}

plat::ControlDesign listBarDesign(const char* name, int x, int y, int w, int h)
{
    plat::ControlDesign c;
    c.name = QString::fromLatin1(name);
    c.type = QStringLiteral("ZSListBar");
    c.left = x * 15;
    c.top = y * 15;
    c.width = w * 15;
    c.height = h * 15;
    return c;
}

plat::DesignData hostDesign()
{
    plat::DesignData d;
    d.form.name = QStringLiteral("frmListBarHost");
    d.form.caption = QStringLiteral("List bars");
    d.form.clientWidth = 560 * 15;
    d.form.clientHeight = 520 * 15;
    d.form.font = plat::Font::make();
    d.controls.push_back(listBarDesign("NavBar", 10, 10, 160, 380));
    d.controls.push_back(listBarDesign("PicBar", 190, 10, 160, 380));
    d.controls.push_back(listBarDesign("WideBar", 10, 400, 540, 110));
    return d;
}

void log(const QString& line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

QString name(const listbar::LBBarPtr& bar) { return bar ? bar->Caption() : QStringLiteral("-"); }
QString name(const listbar::LBButtonPtr& button) { return button ? button->Caption() : QStringLiteral("-"); }

class frmListBarHost : public plat::Form {
public:
    frmListBarHost() : Form(hostDesign()) {}

protected:
    void Form_Load() override
    {
        const plat::PicturePtr icons = iconStrip();
        for (const char* n : {"NavBar", "PicBar", "WideBar"}) {
            auto bar = control<listbar::InternalZSListBar>(QString::fromLatin1(n));
            setUp(*bar, QString::fromLatin1(n), icons);
        }
    }

private:
    void setUp(listbar::InternalZSListBar& c, const QString& who, const plat::PicturePtr& icons)
    {
        c.setPreventRefresh(true);
        c.setIconSource(1);
        c.setPicClipCellWidth(CellSize);
        c.setPicClipCellHeight(CellSize);
        c.setPictureClip(icons);
        c.setMaskColor(0xFF00FF);
        c.setUseMaskColor(true);
        c.setButtonImageSize(CellSize);
        c.setAllowUserCustomize(true);
        c.setOLEDropAllowed(true);
        c.setAnimationStyle(1);
        const bool pictures = who == QLatin1String("PicBar");
        const bool wide = who == QLatin1String("WideBar");
        if (pictures) {
            c.setStyle(1);
            c.setColorText(0xFFFFFF);
            c.setColorSelection(0x00FFFF);
        }
        if (wide) {
            c.setOrientation(1);
            c.setButtonTextPosition(1);
        }

        const struct {
            const char* caption;
            int buttons;
        } bars[] = {{"Categories", 3}, {"Tools", 9}, {"Favourites", 4}};
        int cell = 1;
        for (const auto& b : bars) {
            auto bar = c.Bars()->Add(QString::fromLatin1(b.caption));
            if (pictures) {
                bar->CaptionImage(gradient(160, 24, QColor(70, 90, 160), QColor(20, 30, 90)));
                bar->CaptionImageHover(gradient(160, 24, QColor(100, 130, 210), QColor(40, 60, 140)));
                bar->CaptionImageDown(gradient(160, 24, QColor(20, 30, 90), QColor(70, 90, 160)));
                bar->ScrollUpImage(arrow(true, QColor(190, 190, 190)));
                bar->ScrollUpImageHover(arrow(true, QColor(230, 230, 160)));
                bar->ScrollDownImage(arrow(false, QColor(190, 190, 190)));
                bar->ScrollDownImageHover(arrow(false, QColor(230, 230, 160)));
            }
            for (int i = 1; i <= b.buttons; ++i) {
                const QString caption = QStringLiteral("%1 %2").arg(QString::fromLatin1(b.caption).left(4)).arg(i);
                bar->Buttons()->Add(caption, plat::Variant(int32_t(cell)), QStringLiteral("K%1_%2").arg(bar->BarOrder()).arg(i));
                cell = cell % CellCount + 1;
            }
        }
        c.setPreventRefresh(false);
        c.Refresh();
        connectEvents(c, who);
    }

    static void connectEvents(listbar::InternalZSListBar& c, const QString& who)
    {
        using namespace listbar;
        auto say = [who](const QString& what) { log(who + QLatin1Char(' ') + what); };
        c.BarSelected.connect([say](LBBarPtr& b) { say("BarSelected " + name(b)); });
        c.BarMouseEnter.connect([say](LBBarPtr& b) { say("BarMouseEnter " + name(b)); });
        c.BarMouseLeave.connect([say](LBBarPtr& b) { say("BarMouseLeave " + name(b)); });
        c.BarMouseClick.connect(
            [say](LBBarPtr& b, int16_t& m) { say(QStringLiteral("BarMouseClick %1 %2").arg(name(b)).arg(m)); });
        c.BarScroll.connect([say](LBBarPtr& b, LBButtonPtr& f) { say("BarScroll " + name(b) + " " + name(f)); });
        c.BarCaptionEdit.connect(
            [say](LBBarPtr& b, QString& t, bool&) { say("BarCaptionEdit " + name(b) + " -> " + t); });
        c.ButtonSelected.connect([say](LBButtonPtr& b) { say("ButtonSelected " + name(b)); });
        c.ButtonMoved.connect([say](LBButtonPtr& b) {
            say(QStringLiteral("ButtonMoved %1 order %2").arg(name(b)).arg(b ? b->ButtonOrder() : 0));
        });
        c.ButtonMouseEnter.connect([say](LBButtonPtr& b) { say("ButtonMouseEnter " + name(b)); });
        c.ButtonMouseLeave.connect([say](LBButtonPtr& b) { say("ButtonMouseLeave " + name(b)); });
        c.ButtonMouseClick.connect([say, &c](LBButtonPtr& b, int16_t& m) {
            say(QStringLiteral("ButtonMouseClick %1 %2").arg(name(b)).arg(m));
            // A right click edits the caption in place.
            if (m == 2 && b)
                b->EditCaption();
        });
        c.ButtonCaptionEdit.connect(
            [say](LBButtonPtr& b, QString& t, bool&) { say("ButtonCaptionEdit " + name(b) + " -> " + t); });
        c.UserCreateNewButton.connect([say](LBButtonPtr& b, LBBarPtr& bar, QString&, bool&) {
            say("UserCreateNewButton " + name(b) + " in " + name(bar));
        });
        c.OLEDropOnButton.connect([say](plat::DataObjectPtr&, int32_t& e, LBButtonPtr& b, LBBarPtr&) {
            say(QStringLiteral("OLEDropOnButton %1 effect %2").arg(name(b)).arg(e));
        });
        c.MouseEnter.connect([say] { say(QStringLiteral("MouseEnter")); });
        c.MouseLeave.connect([say] { say(QStringLiteral("MouseLeave")); });
        c.MouseDown.connect([say](int16_t& b, int16_t& s, float& x, float& y) {
            say(QStringLiteral("MouseDown %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y));
        });
        c.MouseUp.connect([say](int16_t& b, int16_t& s, float& x, float& y) {
            say(QStringLiteral("MouseUp %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y));
        });
        c.Click.connect([say] { say(QStringLiteral("Click")); });
        c.DblClick.connect([say] { say(QStringLiteral("DblClick")); });
        c.KeyDown.connect([say](int16_t& k, int16_t& s) { say(QStringLiteral("KeyDown %1 %2").arg(k).arg(s)); });
        c.KeyUp.connect([say](int16_t& k, int16_t& s) { say(QStringLiteral("KeyUp %1 %2").arg(k).arg(s)); });
        c.KeyPress.connect([say](int16_t& k) { say(QStringLiteral("KeyPress %1").arg(k)); });
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    zg::registerLibrary();
    listbar::registerListBarControl();
    auto form = std::make_shared<frmListBarHost>();
    form->Show();
    if (argc > 1)
        QTimer::singleShot(int(QString::fromLocal8Bit(argv[1]).toDouble() * 1000), [form] { form->Unload(); });
    return plat::runMessageLoop();
}
