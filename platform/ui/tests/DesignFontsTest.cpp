// The faces that stand in for the design's faces measure the suite's
// captions as the design measured them: over the design data of every
// window, each caption meant for one line fits the box it was given.
#include "Font.h"
#include "Units.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStyle>
#include <gtest/gtest.h>
#include <map>
#include <vector>

using namespace plat;

namespace {

// One control of a design as far as its caption's look goes.
struct DesignCaption {
    QString where; // "frmSystem.Label7"
    QString type;
    QString caption;
    FontPtr font; // its own, else its container's, else the form's
    QString container; // "" for the form
    QRect box;         // pixels in its container
    QSize room;        // the inside of its container, pixels
    bool autoSize = false, wordWrap = false, border = false;
};

// A design's properties come as [[name, value], ...] or as an object.
QJsonObject propertiesOf(const QJsonValue& v)
{
    if (v.isObject())
        return v.toObject();
    QJsonObject o;
    for (const QJsonValue& pair : v.toArray())
        o.insert(pair.toArray().at(0).toString(), pair.toArray().at(1));
    return o;
}

FontPtr fontOf(const QJsonValue& v, const FontPtr& inherited)
{
    if (!v.isObject())
        return inherited;
    const QJsonObject o = v.toObject();
    return Font::make(o.value("Name").toString("MS Sans Serif"), o.value("Size").toDouble(8.25),
                      o.value("Bold").toBool());
}

std::vector<DesignCaption> suiteCaptions()
{
    std::vector<DesignCaption> all;
    QStringList files;
    const QDir root(QStringLiteral(ZG_DEMOS_DIR));
    for (const QString& demo : root.entryList({"*"}, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        for (const QString& f : QDir(root.filePath(demo + "/forms")).entryList({"*.json"}, QDir::Files))
            files << root.filePath(demo + "/forms/" + f);
    QDir shellForms(QStringLiteral(ZG_SHELL_FORMS_DIR));
    for (const QString& f : shellForms.entryList({"*.json"}, QDir::Files))
        files << shellForms.filePath(f);

    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QJsonObject design = QJsonDocument::fromJson(file.readAll()).object();
        const QJsonObject form = design.value("form").toObject();
        const QString formName = form.value("name").toString();
        // The fonts and inner sizes of the containers so far.
        std::map<QString, FontPtr> fonts;
        std::map<QString, QSize> rooms;
        const FontPtr formFont = fontOf(form.value("font"), Font::make());
        const QSize formRoom(int(roundEven(form.value("clientWidth").toDouble() / TwipsPerPixel)),
                             int(roundEven(form.value("clientHeight").toDouble() / TwipsPerPixel)));
        for (const QJsonValue& cv : design.value("controls").toArray()) {
            const QJsonObject c = cv.toObject();
            const QJsonObject p = propertiesOf(c.value("properties"));
            QString name = c.value("name").toString();
            if (c.contains("index"))
                name += QStringLiteral("(%1)").arg(c.value("index").toInt());
            const QString container = c.value("container").toString().toLower();
            const FontPtr inherited = fonts.count(container) ? fonts[container] : formFont;
            auto px = [&](const char* key) { return int(roundEven(c.value(key).toDouble() / TwipsPerPixel)); };
            DesignCaption d;
            d.where = formName + "." + name;
            d.type = c.value("type").toString();
            d.caption = p.value("Caption").toString();
            d.font = fontOf(p.value("Font"), inherited);
            d.container = formName + "." + container;
            d.box = QRect(px("left"), px("top"), px("width"), px("height"));
            d.room = rooms.count(container) ? rooms[container] : formRoom;
            d.autoSize = p.value("AutoSize").toBool();
            d.wordWrap = p.value("WordWrap").toBool();
            d.border = p.value("BorderStyle").toInt() == 1;
            fonts[name.toLower()] = d.font;
            // A frame's etched border takes two pixels of each edge.
            const int inset = d.type == "Frame" ? 2 : 0;
            rooms[name.toLower()] = QSize(d.box.width() - inset, d.box.height() - inset);
            all.push_back(d);
        }
    }
    return all;
}

// The width of a caption as drawn: "&&" shows one "&", a single "&" none.
int shownWidth(const DesignCaption& d)
{
    const QFontMetrics fm(d.font->qfont());
    return fm.boundingRect(QRect(0, 0, 100000, 1000), Qt::TextShowMnemonic | Qt::TextSingleLine, d.caption).width();
}

int lineHeight(const DesignCaption& d) { return QFontMetrics(d.font->qfont()).height(); }

class DesignFonts : public ::testing::Test {
protected:
    static void SetUpTestSuite() { captions = new std::vector<DesignCaption>(suiteCaptions()); }
    static void TearDownTestSuite()
    {
        delete captions;
        captions = nullptr;
    }
    static std::vector<DesignCaption>* captions;
};
std::vector<DesignCaption>* DesignFonts::captions = nullptr;

TEST_F(DesignFonts, EveryWindowsDesignIsRead)
{
    int forms = 0, labels = 0;
    QStringList seen;
    for (const auto& d : *captions) {
        const QString form = d.where.section('.', 0, 0);
        if (!seen.contains(form)) {
            seen << form;
            ++forms;
        }
        labels += d.type == "Label";
    }
    // The catalog, the splash and the fifteen windows of the demo programs.
    EXPECT_EQ(forms, 17) << seen.join(", ").toStdString();
    EXPECT_GT(labels, 100);
}

// A label of a fixed size whose box holds one line shows its whole caption
// on that line.
TEST_F(DesignFonts, FixedOneLineLabelsShowTheirWholeCaption)
{
    int checked = 0;
    for (const auto& d : *captions) {
        if (d.type != "Label" || d.caption.isEmpty() || d.autoSize || d.wordWrap)
            continue;
        if (d.box.height() >= 2 * lineHeight(d))
            continue; // a box of several lines: the caption wraps by design
        const int room = d.box.width() - (d.border ? 2 : 0);
        EXPECT_LE(shownWidth(d), room) << d.where.toStdString() << " \"" << d.caption.toStdString() << "\" in "
                                        << d.font->Name().toStdString() << " " << d.font->Size();
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

// A label that sizes itself to one line stays inside its container and off
// every control beside it that its design box kept off.
TEST_F(DesignFonts, SelfSizingLabelsRunIntoNothing)
{
    int checked = 0;
    for (const auto& d : *captions) {
        if (d.type != "Label" || d.caption.isEmpty() || !d.autoSize || d.wordWrap)
            continue;
        const QRect shown(d.box.topLeft(), QSize(shownWidth(d) + (d.border ? 2 : 0), d.box.height()));
        const std::string what = d.where.toStdString() + " \"" + d.caption.toStdString() + "\"";
        EXPECT_LE(shown.x() + shown.width(), d.room.width()) << what << " passes its container's edge";
        for (const auto& other : *captions) {
            if (&other != &d && other.container == d.container && other.type != "Timer" &&
                !other.box.intersects(d.box)) {
                EXPECT_FALSE(shown.intersects(other.box)) << what << " runs into " << other.where.toStdString();
            }
        }
        ++checked;
    }
    EXPECT_GE(checked, 15);
}

// Buttons, check boxes and frames leave their captions a margin.
TEST_F(DesignFonts, ButtonAndFrameCaptionsKeepWithinTheirBoxes)
{
    QStyle* style = QApplication::style();
    const int checkBoxText =
        style->pixelMetric(QStyle::PM_IndicatorWidth) + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    int checked = 0;
    for (const auto& d : *captions) {
        if (d.caption.isEmpty())
            continue;
        int room = 0;
        if (d.type == "CommandButton")
            room = d.box.width() - 8;
        else if (d.type == "CheckBox")
            room = d.box.width() - checkBoxText;
        else if (d.type == "Frame")
            room = d.box.width() - 16; // the caption starts 8 pixels in
        else
            continue;
        EXPECT_LE(shownWidth(d), room) << d.where.toStdString() << " \"" << d.caption.toStdString() << "\"";
        ++checked;
    }
    EXPECT_GT(checked, 40);
}

} // namespace
