// Shared set-up of the forms layer's tests: each test starts from a clean
// program state, records message boxes and the end of the program, and
// builds forms from JSON text.
#pragma once
#include "Controls.h"
#include "Paths.h"
#include "QtPrinters.h"

#include <QCoreApplication>
#include <QEvent>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace uitest {

class UiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        plat::resetUiForTests();
        plat::setLastFormUnloadedHandler([this] { ++programEnds; });
        plat::setMsgBoxHook([this](const plat::MsgBoxRequest& r) {
            boxes.push_back(r);
            return answer;
        });
    }
    void TearDown() override
    {
        plat::resetUiForTests();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    int programEnds = 0;
    std::vector<plat::MsgBoxRequest> boxes;
    int32_t answer = plat::mb::OK;
};

// A form from JSON text that records its events in `log`.
class LoggingForm : public plat::Form {
public:
    explicit LoggingForm(const QByteArray& json)
        : Form(plat::DesignData::parse(json, QStringLiteral("test.json")))
    {
    }
    std::vector<std::string> log;
    int16_t cancelQueryUnload = 0;
    int16_t cancelUnload = 0;
    int16_t lastUnloadMode = -1;
    std::function<void()> onLoad;

protected:
    void Form_Load() override
    {
        log.push_back("Load");
        if (onLoad)
            onLoad();
    }
    void Form_QueryUnload(int16_t& Cancel, int16_t& UnloadMode) override
    {
        log.push_back("QueryUnload");
        lastUnloadMode = UnloadMode;
        Cancel = cancelQueryUnload;
    }
    void Form_Unload(int16_t& Cancel) override
    {
        log.push_back("Unload");
        Cancel = cancelUnload;
    }
};

// A form design with the given controls (JSON array text) on a 400 x 300
// pixel form with pixel scale.
inline QByteArray formJson(const char* controls, const char* formProperties = "[[\"ScaleMode\", 3]]")
{
    return QByteArray("{\"form\": {\"name\": \"frmTest\", \"caption\": \"Test\", \"left\": 0, \"top\": 0, "
                      "\"clientWidth\": 6000, \"clientHeight\": 4500, \"properties\": ") +
           formProperties + "}, \"controls\": " + controls + "}";
}

inline std::shared_ptr<LoggingForm> makeForm(const char* controls, const char* formProperties = "[[\"ScaleMode\", 3]]")
{
    return std::make_shared<LoggingForm>(formJson(controls, formProperties));
}

// Shows a form and waits until its window can take input.
inline void showAndActivate(plat::Form& f)
{
    f.Show();
    QWidget* w = f.widget();
    QApplication::setActiveWindow(w);
    (void)QTest::qWaitForWindowExposed(w);
    (void)QTest::qWaitForWindowActive(w);
}

// The number of a RuntimeError that `f` raises (0 when it raises none).
template <class F>
int32_t errorOf(F&& f)
{
    try {
        f();
    } catch (const plat::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

} // namespace uitest
