// Message boxes: the test hook, the dialog's buttons and answers, the Help
// button that leaves the box open, and the help pages.
#include "UiTestSupport.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QPointer>
#include <QTimer>

using namespace plat;

namespace {

class MsgBoxTest : public uitest::UiTest {};

TEST_F(MsgBoxTest, TheHookRecordsEachBoxAndAnswersIt)
{
    answer = mb::No;
    EXPECT_EQ(MsgBox(QStringLiteral("Sure?"), mb::YesNo | mb::Question), mb::No);
    EXPECT_EQ(MsgBox(QStringLiteral("Could not find or execute the specified demo."), 16432,
                     QStringLiteral("Sorry!  Can't Do That!"), QStringLiteral("C:\\Windows\\System\\ZorvaneSG3.chm"),
                     1095),
              mb::No);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].title, appTitle()); // no title given
    EXPECT_EQ(boxes[0].style, mb::YesNo | mb::Question);
    EXPECT_EQ(boxes[1].title, "Sorry!  Can't Do That!");
    EXPECT_EQ(boxes[1].helpFile, "C:\\Windows\\System\\ZorvaneSG3.chm");
    EXPECT_EQ(boxes[1].context, 1095);
    EXPECT_EQ(msgBoxLog().size(), 2u);
    // An empty title given is an empty title.
    MsgBox(QStringLiteral("x"), 0, QStringLiteral(""));
    EXPECT_EQ(boxes[2].title, "");
}

TEST_F(MsgBoxTest, WithoutAHookATestRunAnswersTheDefaultButton)
{
    setMsgBoxHook(nullptr);
    EXPECT_EQ(MsgBox(QStringLiteral("q"), mb::YesNoCancel | mb::DefaultButton2), mb::No);
    EXPECT_EQ(MsgBox(QStringLiteral("q"), mb::AbortRetryIgnore | mb::DefaultButton3), mb::Ignore);
    EXPECT_EQ(MsgBox(QStringLiteral("q"), mb::OKOnly), mb::OK);
}

TEST_F(MsgBoxTest, TheDialogShowsTheStylesButtonsAndAnswersTheOnePressed)
{
    MsgBoxDialog box({QStringLiteral("Overwrite?"), mb::YesNoCancel | mb::Exclamation | mb::DefaultButton2,
                      QStringLiteral("Title"), {}, 0});
    EXPECT_EQ(box.windowTitle(), "Title");
    EXPECT_EQ(box.answer(), mb::No); // the default until a button is pressed
    ASSERT_NE(box.buttonFor(mb::Yes), nullptr);
    ASSERT_NE(box.buttonFor(mb::Cancel), nullptr);
    EXPECT_EQ(box.buttonFor(mb::OK), nullptr);
    EXPECT_EQ(box.helpButton(), nullptr);
    EXPECT_NE(box.findChild<QLabel*>(QStringLiteral("icon")), nullptr);
    box.buttonFor(mb::Yes)->click();
    EXPECT_EQ(box.answer(), mb::Yes);
    EXPECT_EQ(box.result(), QDialog::Accepted);

    MsgBoxDialog escape({QStringLiteral("x"), mb::OKCancel, QStringLiteral("t"), {}, 0});
    escape.reject();
    EXPECT_EQ(escape.answer(), mb::Cancel);
    MsgBoxDialog yesNo({QStringLiteral("x"), mb::YesNo, QStringLiteral("t"), {}, 0});
    yesNo.show();
    yesNo.reject(); // Escape does nothing where there is no Cancel
    EXPECT_TRUE(yesNo.isVisible());
}

TEST_F(MsgBoxTest, TheBoxSurvivesItsOwnerWindowBeingDestroyedWhileItIsOpen)
{
    setMsgBoxHook(nullptr);
    const QByteArray testRun = qgetenv("ZG_TEST");
    qunsetenv("ZG_TEST"); // the real dialog
    auto* owner = new QWidget;
    owner->show();
    QApplication::setActiveWindow(owner);
    ASSERT_EQ(QApplication::activeWindow(), owner);
    // While the box is open, the owner goes (as a form unloaded by a timer).
    QTimer::singleShot(0, owner, [owner] { owner->deleteLater(); });
    const int32_t answer = MsgBox(QStringLiteral("Still there?"), mb::YesNo | mb::DefaultButton2);
    qputenv("ZG_TEST", testRun);
    EXPECT_EQ(answer, mb::No);
}

TEST_F(MsgBoxTest, HelpOpensTheTopicAndLeavesTheBoxOpen)
{
    std::vector<std::pair<QString, int32_t>> helps;
    setHelpHook([&](const QString& file, int32_t context) { helps.emplace_back(file, context); });
    MsgBoxDialog box({QStringLiteral("failed"), 16432, QStringLiteral("t"), QStringLiteral("C:\\h\\ZorvaneSG3.chm"), 1095});
    box.show();
    ASSERT_NE(box.helpButton(), nullptr);
    box.helpButton()->click();
    EXPECT_TRUE(box.isVisible());
    ASSERT_EQ(helps.size(), 1u);
    EXPECT_EQ(helps[0].first, "C:\\h\\ZorvaneSG3.chm");
    EXPECT_EQ(helps[0].second, 1095);
    box.buttonFor(mb::OK)->click();
    EXPECT_FALSE(box.isVisible());
}

TEST_F(MsgBoxTest, HelpPagesLieBesideTheHelpFile)
{
    EXPECT_EQ(helpPagePath(QStringLiteral("C:\\tmp\\x\\ZorvaneSG3.chm"), 1095),
              "/tmp/x/ZorvaneSG3.help/1095.html");

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkpath(QStringLiteral("Guide.help"));
    QFile page(dir.path() + QStringLiteral("/Guide.help/1000.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><body><p>Error 30016 explained</p></body></html>");
    page.close();
    const QString helpFile = fromSystemPath(dir.path() + QStringLiteral("/Guide.chm"));

    auto browser = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* b = qobject_cast<QTextBrowser*>(w); b && b->isVisible())
                return b;
        return static_cast<QTextBrowser*>(nullptr);
    };
    showHelp(helpFile, 1000);
    ASSERT_NE(browser(), nullptr);
    EXPECT_TRUE(browser()->toPlainText().contains("Error 30016 explained"));
    showHelp(helpFile, 4242);
    EXPECT_EQ(browser()->toPlainText(), "No help is available for this topic.");
    browser()->close();
}

} // namespace

namespace {

// The help window of a failure box: its own window, alive after the box and
// its owner, one per help file, placed beside the asking windows.
TEST_F(MsgBoxTest, AHelpWindowOutlivesTheBoxAndIsOnePerHelpFile)
{
    const QString helpFile = QStringLiteral("C:\\nowhere\\ZorvaneSG3.chm");
    auto* owner = new QWidget;
    owner->setGeometry(20, 40, 200, 150);
    owner->show();
    auto* box = new MsgBoxDialog({QStringLiteral("failed"), 16432, QStringLiteral("t"), helpFile, 1095}, owner);
    box->move(60, 60);
    box->show();
    box->helpButton()->click();

    QPointer<QWidget> help = helpWindowFor(helpFile);
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->parentWidget(), nullptr);
    EXPECT_FALSE(help->frameGeometry().intersects(owner->frameGeometry()));
    EXPECT_FALSE(help->frameGeometry().intersects(box->frameGeometry()));

    // OK closes the box only.
    box->buttonFor(mb::OK)->click();
    delete box;
    EXPECT_TRUE(help);
    EXPECT_TRUE(help->isVisible());

    // Asked again: the same window shows the new page; the owner going
    // changes nothing.
    const QPoint placed = help->pos();
    help->lower();
    showHelp(helpFile, 4242);
    EXPECT_EQ(helpWindowFor(helpFile), help.data());
    EXPECT_EQ(help->pos(), placed);
    delete owner;
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->isVisible());

    // Another help file has a window of its own.
    const QString other = QStringLiteral("C:\\nowhere\\Other.chm");
    showHelp(other, 1);
    ASSERT_NE(helpWindowFor(other), nullptr);
    EXPECT_NE(helpWindowFor(other), help.data());

    // Closing one forgets it: the next request opens a new one.
    helpWindowFor(other)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(helpWindowFor(other), nullptr);
    help->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(help);
}

} // namespace
