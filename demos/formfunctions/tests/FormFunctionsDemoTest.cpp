// The form functions demo with a library whose metrics and fonts are fixed
// and whose window functions are the real ones (on the offscreen platform).
#include "frmCustom.h"
#include "frmFormFunctionsDemo.h"
#include "frmNewOwner.h"

#include <Application.h>
#include <Buttons.h>
#include <Containers.h>
#include <Error.h>
#include <FormFunctionsImpl.h>
#include <Label.h>
#include <Library.h>
#include <Lists.h>
#include <MsgBox.h>
#include <QtPrinters.h>
#include <Register.h>

#include <QCoreApplication>
#include <QEvent>
#include <gtest/gtest.h>

namespace {

class FixedFormFunctions : public zg::FormFunctionsImpl {
public:
    std::vector<plat::ObjectPtr> floated;
    std::vector<QString> shapes;

    float DefaultBorderSize() override { return 1.5f; }
    int16_t DefaultMenuItemHeight() override { return 19; }
    int16_t DefaultScrollBarHeight() override { return 16; }
    int16_t DefaultScrollBarWidth() override { return 17; }
    int16_t DefaultTitleBarButtonHeight() override { return 21; }
    int16_t DefaultTitleBarButtonWidth() override { return 22; }
    int32_t DesktopHDC() override { return 1234; }
    int32_t DesktopHWnd() override { return 5678; }
    plat::Variant NonClientAreaHeight(const plat::ObjectPtr&) override { return plat::Variant(int32_t(30)); }
    plat::Variant NonClientAreaWidth(const plat::ObjectPtr&) override { return plat::Variant(int32_t(8)); }
    int16_t SmallTitleBarButtonHeight() override { return 13; }
    int16_t SmallTitleBarButtonWidth() override { return 14; }
    plat::FontPtr DefaultTitleBarFont() override { return plat::Font::make("Title Face", 12, true); }
    plat::FontPtr SmallTitleBarFont() override { return plat::Font::make("Tool Face", 7); }
    plat::FontPtr DefaultMenuFont() override { return plat::Font::make("Menu Face", 9); }
    bool SetFloatingWindow(const plat::ObjectPtr& Form, const plat::Variant& Floating) override
    {
        EXPECT_TRUE(Floating.isMissing());
        floated.push_back(Form);
        return FormFunctionsImpl::SetFloatingWindow(Form, Floating);
    }
    bool SetFormShapeFromPoints(const plat::ObjectPtr& Form, const QString& Points) override
    {
        shapes.push_back(Points);
        return FormFunctionsImpl::SetFormShapeFromPoints(Form, Points);
    }
};

class FormFunctionsDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        zg::registerLibrary();
        zg::installShared<zg::ZorvaneFormFunctions>(ff);
        plat::setLastFormUnloadedHandler([] {});
        plat::setMsgBoxHook([](const plat::MsgBoxRequest&) { return plat::mb::OK; });
        plat::clearMsgBoxLog();
        main = plat::formInstance<frmFormFunctionsDemo>();
        main->Show();
    }
    void TearDown() override
    {
        plat::resetUiForTests();
        idle();
        zg::resetForTests();
    }
    static void idle()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::shared_ptr<frmNewOwner> owner() { return plat::formInstance<frmNewOwner>(); }
    QWidget* switchParent() { return main->cmdSwitch->widget()->parentWidget(); }
    bool switchHome() { return switchParent() == main->picOriginalOwner->widget(); }

    std::shared_ptr<FixedFormFunctions> ff = std::make_shared<FixedFormFunctions>();
    std::shared_ptr<frmFormFunctionsDemo> main;
};

TEST_F(FormFunctionsDemo, TwelveLinesOfWindowInformationAndTheThreeFonts)
{
    const QStringList expected = {
        "DefaultBorderSize = 1.5",         "DefaultMenuItemHeight = 19",
        "DefaultScrollBarHeight = 16",     "DefaultScrollBarWidth = 17",
        "DefaultTitleBarButtonHeight = 21", "DefaultTitleBarButtonWidth = 22",
        "DesktopHDC = 1234",               "DesktopHWnd = 5678",
        "NonClientAreaHeight (Me) = 30",   "NonClientAreaWidth (Me) = 8",
        "SmallTitleBarButtonHeight = 13",  "SmallTitleBarButtonWidth = 14",
    };
    QStringList lines;
    for (int32_t i = 0; i < main->lstWindowInfo->ListCount(); ++i)
        lines << main->lstWindowInfo->List(i);
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(main->lblDefTitleBarFont->Font()->Name(), "Title Face");
    EXPECT_TRUE(main->lblDefTitleBarFont->Font()->Bold());
    EXPECT_EQ(main->lblSmallTitleBarFont->Font()->Name(), "Tool Face");
    EXPECT_EQ(main->lblDefMenuFont->Font()->Name(), "Menu Face");
    EXPECT_EQ(main->lblDefMenuFont->Font()->Size(), 9.0);
    EXPECT_EQ(main->Caption(), "ZorvaneGlobals 3.0 - ZorvaneFormFunctions Demo");
}

TEST_F(FormFunctionsDemo, SwitchBeforeTheNewOwnerIsShownAsksForItFirst)
{
    main->cmdSwitch_Click();
    ASSERT_EQ(plat::msgBoxLog().size(), 1u);
    EXPECT_EQ(plat::msgBoxLog()[0].prompt, "You must load the New Owner window first.");
    EXPECT_EQ(plat::msgBoxLog()[0].title, "ZorvaneFormFunctions Demo");
    EXPECT_EQ(plat::msgBoxLog()[0].style, plat::mb::Information);
    EXPECT_TRUE(switchHome());
    EXPECT_FALSE(main->away());
}

TEST_F(FormFunctionsDemo, ShowSwitchSwitchHandsTheButtonOverAndBack)
{
    main->cmdShowNewOwner_Click();
    ASSERT_TRUE(owner()->Visible());
    EXPECT_EQ(owner()->Caption(), "New Window Owner!");
    EXPECT_EQ(main->Tag(), "LOADED");
    EXPECT_TRUE(ff->floated.empty());

    main->cmdSwitch_Click();
    EXPECT_EQ(switchParent(), owner()->widget());
    EXPECT_TRUE(main->cmdSwitch->widget()->isVisible());
    EXPECT_EQ(owner()->Tag(), "YOU HAVE IT");
    EXPECT_TRUE(main->away());

    main->cmdSwitch_Click();
    EXPECT_TRUE(switchHome());
    EXPECT_TRUE(main->cmdSwitch->widget()->isVisible());
    EXPECT_EQ(owner()->Tag(), "");
    EXPECT_FALSE(main->away());
    EXPECT_TRUE(plat::msgBoxLog().empty());
}

TEST_F(FormFunctionsDemo, ClosingTheNewOwnerBringsTheButtonHomeAndLeavesTheFlag)
{
    main->cmdShowNewOwner_Click();
    main->cmdSwitch_Click();
    ASSERT_TRUE(owner()->unloadWith(0)); // the close box
    EXPECT_FALSE(owner()->isLoaded());
    EXPECT_TRUE(switchHome());
    EXPECT_EQ(main->Tag(), "");
    EXPECT_TRUE(main->away());

    main->cmdSwitch_Click(); // no message, nothing visible changes
    EXPECT_TRUE(plat::msgBoxLog().empty());
    EXPECT_TRUE(switchHome());
    EXPECT_FALSE(main->away());

    main->cmdSwitch_Click();
    EXPECT_EQ(plat::msgBoxLog().size(), 1u);
}

TEST_F(FormFunctionsDemo, ANewOwnerTakenDownWithoutItsUnloadHandlerLeavesNoDanglingButton)
{
    main->cmdShowNewOwner_Click();
    main->cmdSwitch_Click();
    ASSERT_EQ(switchParent(), owner()->widget());
    owner()->discard(); // no QueryUnload: the window simply goes
    idle();
    ASSERT_NE(main->cmdSwitch->widget(), nullptr);
    EXPECT_TRUE(switchHome());
    EXPECT_EQ(main->Tag(), "LOADED"); // nobody told the main window yet

    main->cmdSwitch_Click(); // takes back what it had given
    EXPECT_TRUE(switchHome());
    EXPECT_FALSE(main->away());
    // The window is gone: the demo asks for it again instead of handing the
    // button to a window that no longer exists.
    EXPECT_NO_THROW(main->cmdSwitch_Click());
    EXPECT_EQ(plat::msgBoxLog().size(), 1u);
    EXPECT_TRUE(switchHome());
    EXPECT_EQ(main->Tag(), "");
}

TEST_F(FormFunctionsDemo, TheNewOwnerFloatsWhenTheBoxIsChecked)
{
    main->chkFloat->setValue(1);
    main->cmdShowNewOwner_Click();
    ASSERT_EQ(ff->floated.size(), 1u);
    EXPECT_EQ(ff->floated[0], owner());
    EXPECT_TRUE(owner()->widget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(owner()->Visible());
    main->cmdShowNewOwner_Click(); // shown again while loaded: floated again
    EXPECT_EQ(ff->floated.size(), 2u);
}

TEST_F(FormFunctionsDemo, TheCustomWindowTakesThePolygonAndClosesWithItsButton)
{
    main->cmdCustom_Click();
    const auto custom = plat::formInstance<frmCustom>();
    ASSERT_TRUE(custom->Visible());
    EXPECT_EQ(custom->Caption(), "Form1");
    ASSERT_EQ(ff->shapes.size(), 1u);
    EXPECT_EQ(ff->shapes[0], QString::fromLatin1(frmCustom::ShapePoints));
    const QRegion mask = custom->widget()->mask();
    EXPECT_TRUE(mask.contains(QPoint(280, 200)));
    EXPECT_FALSE(mask.contains(QPoint(5, 5)));
    EXPECT_FALSE(mask.contains(QPoint(200, 50)));
    // The close button lies inside the shape.
    EXPECT_TRUE(mask.contains(custom->cmdClose->widget()->geometry().center()));
    custom->cmdClose->Click.raise();
    EXPECT_FALSE(custom->isLoaded());
}

TEST_F(FormFunctionsDemo, ClosingTheMainWindowUnloadsTheOthersFirst)
{
    main->cmdShowNewOwner_Click();
    main->cmdSwitch_Click();
    main->cmdCustom_Click();
    main->cmdClose_Click();
    EXPECT_FALSE(main->isLoaded());
    EXPECT_FALSE(owner()->isLoaded());
    EXPECT_FALSE(plat::formInstance<frmCustom>()->isLoaded());
}

} // namespace
