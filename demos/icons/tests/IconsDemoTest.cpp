// The Icons demo's window with fake icon objects, and once with the real
// reader over the suite's sample icons.
#include "frmIconsDemo.h"

#include <Application.h>
#include <Buttons.h>
#include <Containers.h>
#include <Error.h>
#include <FileLists.h>
#include <Label.h>
#include <Library.h>
#include <MsgBox.h>
#include <Paths.h>
#include <QtPrinters.h>
#include <Register.h>
#include <ScrollBar.h>
#include <ZorvaneIcons.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct IconPlan {
    int32_t count = 0;
    bool smallFails = false;
    QStringList files; // every IconFileName set
};

// Icon i in size s is a square of colour (i, s) filled in: 16 or 32 pixels.
class FakeIcons : public zg::ZorvaneIcons {
public:
    explicit FakeIcons(IconPlan& plan) : plan_(plan) {}
    QString IconFileName() const override { return name_; }
    void setIconFileName(const QString& n) override
    {
        name_ = n;
        plan_.files << n;
    }
    int32_t IconCount() override { return plan_.count; }
    plat::PicturePtr GetIcon(int32_t i, int32_t s) override
    {
        if (i < 0 || i >= plan_.count)
            plat::raise(plat::err::SubscriptRange);
        if (s == 0 && plan_.smallFails)
            plat::raise(481);
        QImage image(s ? 32 : 16, s ? 32 : 16, QImage::Format_ARGB32);
        image.fill(qRgb(10 * i, s ? 200 : 100, 0));
        return plat::Picture::fromImage(image, plat::Picture::Icon);
    }

private:
    IconPlan& plan_;
    QString name_;
};

class IconsDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(windows.isValid());
        for (const char* name : {"none.exe", "three.dll", "one.ico", "readme.txt"})
            QFile(windows.filePath(name)).open(QIODevice::WriteOnly);
        qputenv("ZG_WINDOWS_DIR", QFile::encodeName(windows.path()));
        zg::registerLibrary();
        zg::installFactory<zg::ZorvaneIcons>([this] {
            ++made;
            return std::make_shared<FakeIcons>(plan);
        });
        plat::setMsgBoxHook([this](const plat::MsgBoxRequest& r) {
            boxes << r.title + "|" + r.prompt;
            return plat::mb::OK;
        });
    }
    void load()
    {
        form = plat::formInstance<frmIconsDemo>();
        form->Load();
    }
    void TearDown() override
    {
        plat::setMsgBoxHook(nullptr);
        form.reset();
        plat::resetUiForTests();
        plat::resetDriveMap();
        zg::resetForTests();
        qunsetenv("ZG_WINDOWS_DIR");
    }
    void choose(const QString& name)
    {
        for (int32_t i = 0; i < form->File1->ListCount(); ++i)
            if (form->File1->List(i) == name) {
                form->File1->setListIndex(i);
                return;
            }
        FAIL() << name.toStdString();
    }
    QRgb at(int x, int y) const { return form->picIconDrawingArea->drawingImage().pixel(x, y); }

    QTemporaryDir windows;
    IconPlan plan;
    int made = 0;
    QStringList boxes;
    std::shared_ptr<frmIconsDemo> form;
};

TEST_F(IconsDemo, OpensOnTheWindowsFolderWithTheIconPattern)
{
    load();
    EXPECT_EQ(form->Caption(), "ZorvaneGlobals 3.0 - ZorvaneIcons Demo");
    EXPECT_EQ(made, 1);
    EXPECT_EQ(form->Dir1->Path(), plat::windowsDirectory());
    EXPECT_EQ(form->File1->Path(), plat::windowsDirectory());
    EXPECT_EQ(form->File1->Pattern(), "*.exe;*.dll;*.ico;*.ocx;*.cpl");
    EXPECT_EQ(form->File1->ListCount(), 3); // not the text file
    EXPECT_EQ(form->lblIconsCount->Caption(), "No File Selected.");
    EXPECT_EQ(form->lblIconIndex->Caption(), "Icon #?");
}

TEST_F(IconsDemo, AFileWithoutIconsDisablesTheScrollBarAndClearsTheArea)
{
    load();
    plan.count = 3;
    choose("three.dll");
    plan.count = 0;
    choose("none.exe");
    EXPECT_EQ(plan.files.last(), plat::windowsDirectory() + "\\none.exe");
    EXPECT_EQ(form->lblIconsCount->Caption(), "No Icons Found!");
    EXPECT_EQ(form->lblIconIndex->Caption(), "Icon #?");
    EXPECT_EQ(form->IconScroll->Max(), 0);
    EXPECT_EQ(form->IconScroll->Value(), 0);
    EXPECT_FALSE(form->IconScroll->Enabled());
    EXPECT_EQ(at(10, 10), qRgb(255, 255, 255));
    EXPECT_EQ(at(50, 10), qRgb(255, 255, 255));
}

TEST_F(IconsDemo, ThreeIconsOfferZeroToTwoAndDrawBothSizesOfTheChosenOne)
{
    load();
    plan.count = 3;
    choose("three.dll");
    EXPECT_EQ(form->lblIconsCount->Caption(), "Specify the Icon you want to display (0 to 2):");
    EXPECT_EQ(form->IconScroll->Max(), 2);
    EXPECT_TRUE(form->IconScroll->Enabled());
    EXPECT_EQ(form->lblIconIndex->Caption(), "Icon #0");
    EXPECT_EQ(at(2, 1), qRgb(0, 100, 0));
    EXPECT_EQ(at(17, 16), qRgb(0, 100, 0));
    EXPECT_EQ(at(18, 17), qRgb(255, 255, 255));
    EXPECT_EQ(at(40, 1), qRgb(0, 200, 0));
    EXPECT_EQ(at(71, 32), qRgb(0, 200, 0));
    form->IconScroll->setValue(2);
    EXPECT_EQ(form->lblIconIndex->Caption(), "Icon #2");
    EXPECT_EQ(at(2, 1), qRgb(20, 100, 0));
    EXPECT_EQ(at(40, 1), qRgb(20, 200, 0));

    // One icon: the value is already 0, and it is drawn all the same.
    plan.count = 1;
    choose("one.ico");
    EXPECT_EQ(form->lblIconsCount->Caption(), "Specify the Icon you want to display (0 to 0):");
    EXPECT_EQ(at(2, 1), qRgb(0, 100, 0));
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(IconsDemo, AFailingSmallSizeStillDrawsTheLargeOne)
{
    load();
    plan.count = 2;
    plan.smallFails = true;
    choose("three.dll");
    EXPECT_EQ(at(2, 1), qRgb(255, 255, 255));
    EXPECT_EQ(at(40, 1), qRgb(0, 200, 0));
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(IconsDemo, ADriveThatIsNotReadyShowsTheMessageAndKeepsTheList)
{
    plat::Drive c, e;
    c.letter = 'C';
    c.mountPoint = "/";
    e.letter = 'E';
    e.kind = plat::DriveKind::Optical;
    e.ready = false;
    plat::installDriveMap({c, e});
    load();
    const int32_t files = form->File1->ListCount();
    form->Drive1->setDrive("e");
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0], "Drive Not Ready|Drive not available (Or isn't ready)");
    EXPECT_EQ(form->File1->ListCount(), files);
    EXPECT_EQ(form->File1->Path(), plat::windowsDirectory());
}

TEST_F(IconsDemo, TheRealReaderShowsTheSampleLibrary)
{
    zg::installFactory<zg::ZorvaneIcons>(nullptr);
    // The build's own Windows folder, beside the tests' folder.
    qputenv("ZG_WINDOWS_DIR", QFile::encodeName(QCoreApplication::applicationDirPath() + "/../bin/windows"));
    load();
    choose("ZorvaneSuiteIcons.dll");
    EXPECT_EQ(form->lblIconsCount->Caption(), "Specify the Icon you want to display (0 to 22):");
    // The tile's opaque centre in both sizes, its transparent corner white.
    EXPECT_NE(at(2 + 8, 1 + 8), qRgb(255, 255, 255));
    EXPECT_NE(at(40 + 16, 1 + 16), qRgb(255, 255, 255));
    EXPECT_EQ(at(40, 1), qRgb(255, 255, 255));
}

} // namespace
