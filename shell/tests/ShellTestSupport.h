// Stand-ins for the library members the shell calls, and a fixture that
// installs them around each test: the display's colour count, the Windows
// and system directories, program starts and sounds are all the test's.
#pragma once
#include "StillMachine.h"
#include "Catalog.h"
#include "ShellControls.h"
#include "ZGDemoCode.h"
#include "frmZGDemo.h"
#include "frmZGSplash.h"

#include <Application.h>
#include <Error.h>
#include <Form.h>
#include <Graphics.h>
#include <Label.h>
#include <Library.h>
#include <Machine.h>
#include <MsgBox.h>
#include <Register.h>
#include <ShellTexts.h>
#include <SystemImpl.h>
#include <ZSListBar.h>
#include <ZorvaneFilesAndFolders.h>
#include <ZorvaneFormFunctions.h>
#include <ZorvaneMultimedia.h>

#include <QCoreApplication>
#include <QEvent>
#include <QStringList>
#include <QtPrinters.h>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

namespace shelltest {

[[noreturn]] inline void unreachable(const char* member)
{
    plat::raise(429, QString::fromLatin1(member), QStringLiteral("Can't create object"));
}

// The system functions the shell uses; program starts answer `startCode`
// when it is set and go to the real library otherwise.
class FakeSystem : public zg::SystemImpl {
public:
    double colours = 16777216.0;
    bool failing = false; // every member below raises
    std::optional<int32_t> startCode;
    QStringList started; // the paths given to ExecuteApplication
    QStringList documents; // the documents given to ExecuteDocument
    bool realSystemDirectory = false;

    double AvailableColors() override
    {
        if (failing)
            unreachable("ZorvaneSystem.AvailableColors");
        return colours;
    }
    QString WindowsDirectory() override
    {
        if (failing)
            unreachable("ZorvaneSystem.WindowsDirectory");
        return QStringLiteral("C:\\zgwin");
    }
    QString SystemDirectory() override
    {
        if (failing)
            unreachable("ZorvaneSystem.SystemDirectory");
        return realSystemDirectory ? SystemImpl::SystemDirectory() : QStringLiteral("C:\\zgwin\\system32");
    }
    int32_t ExecuteApplication(const QString& Path, const QString& Parameters, const QString& WorkingDirectory) override
    {
        if (failing)
            unreachable("ZorvaneSystem.ExecuteApplication");
        started << Path;
        EXPECT_EQ(Parameters, QString());
        EXPECT_EQ(WorkingDirectory, QString());
        return startCode ? *startCode : SystemImpl::ExecuteApplication(Path, Parameters, WorkingDirectory);
    }
    int32_t ExecuteDocument(const QString& Document, const plat::Variant&) override
    {
        if (failing)
            unreachable("ZorvaneSystem.ExecuteDocument");
        documents << Document;
        return 42;
    }
};

class FakeMultimedia : public zg::ZorvaneMultimedia {
public:
    QStringList played; // full paths
    bool failing = false;

    bool PlayWaveFile(const QString& Path, bool Synchronous, bool Interrupt) override
    {
        if (failing)
            unreachable("ZorvaneMultimedia.PlayWaveFile");
        EXPECT_FALSE(Synchronous);
        EXPECT_TRUE(Interrupt);
        played << Path;
        return true;
    }
    // The file names played, in order.
    QStringList names() const
    {
        QStringList n;
        for (const auto& p : played)
            n << p.mid(p.lastIndexOf(QLatin1Char('\\')) + 1);
        return n;
    }
};

class FakeFormFunctions : public zg::ZorvaneFormFunctions {
public:
    struct Centring {
        plat::ObjectPtr form;
        bool useWorkArea;
        bool relativeToOwner;
        float x, y;
    };
    std::vector<Centring> centred;
    std::vector<plat::ObjectPtr> floated;
    bool failing = false;

    void CenterFormEx(const plat::ObjectPtr& Form, bool UseWorkArea, bool RelativeToOwner, float XRatio,
                      float YRatio) override
    {
        if (failing)
            unreachable("ZorvaneFormFunctions.CenterFormEx");
        centred.push_back({ Form, UseWorkArea, RelativeToOwner, XRatio, YRatio });
    }
    bool SetFloatingWindow(const plat::ObjectPtr& Form, const plat::Variant& Floating) override
    {
        if (failing)
            unreachable("ZorvaneFormFunctions.SetFloatingWindow");
        EXPECT_TRUE(Floating.isEmpty() || Floating.isMissing());
        floated.push_back(Form);
        return true;
    }
};

// The pointer stays far away, so no button sees the mouse.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        zg::registerLibrary();
        shell::registerShellControls();
        zg::installMachine(std::make_shared<zgtest::StillMachine>());
        zg::installShared<zg::ZorvaneSystem>(system);
        zg::installShared<zg::ZorvaneMultimedia>(multimedia);
        zg::installShared<zg::ZorvaneFormFunctions>(formFunctions);
        plat::setLastFormUnloadedHandler([] {});
        plat::setMsgBoxHook([](const plat::MsgBoxRequest&) { return plat::mb::OK; });
        plat::clearMsgBoxLog();
        shell::ZGDemoCode::AppFolder.clear();
    }
    void TearDown() override
    {
        plat::resetUiForTests();
        // Forms taken down leave deferred deletions behind; run them now,
        // while the application is fully alive.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        zg::resetForTests();
        zg::installMachine(nullptr);
        shell::ZGDemoCode::AppFolder.clear();
    }

    // The catalog window loaded as the start-up loads it (without showing).
    std::shared_ptr<shell::frmZGDemo> loadCatalog()
    {
        auto demo = plat::formInstance<shell::frmZGDemo>();
        demo->Load();
        return demo;
    }
    // The category button of the list bar with that key.
    static listbar::LBButtonPtr category(const shell::frmZGDemo& demo, const char* key)
    {
        return demo.NavBar->Bars()->Item(plat::Variant(int32_t(1)))->Buttons()->Item(plat::Variant(key));
    }
    static void choose(shell::frmZGDemo& demo, const char* key)
    {
        auto button = category(demo, key);
        demo.NavBar->ButtonSelected.raise(button);
    }

    std::shared_ptr<FakeSystem> system = std::make_shared<FakeSystem>();
    std::shared_ptr<FakeMultimedia> multimedia = std::make_shared<FakeMultimedia>();
    std::shared_ptr<FakeFormFunctions> formFunctions = std::make_shared<FakeFormFunctions>();
};

// Whether two pictures have the same pixels.
inline bool samePixels(const plat::PicturePtr& a, const plat::PicturePtr& b)
{
    return a && b
        && a->image().convertToFormat(QImage::Format_RGB32) == b->image().convertToFormat(QImage::Format_RGB32);
}

} // namespace shelltest
