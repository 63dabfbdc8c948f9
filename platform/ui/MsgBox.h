// Message boxes as a dialog of our own, with the runtime's styles and answers,
// a Help button that opens the help topic and leaves the box open, and a hook
// through which tests record each box and answer it. The help viewer shows
// our own HTML pages for a help file and context.
#pragma once
#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class QAbstractButton;

class QWidget;

namespace plat {

// Style bits: buttons (low bits), icon, default button, Help.
namespace mb {
constexpr int32_t OKOnly = 0, OKCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5;
constexpr int32_t Critical = 16, Question = 32, Exclamation = 48, Information = 64;
constexpr int32_t DefaultButton1 = 0, DefaultButton2 = 256, DefaultButton3 = 512;
constexpr int32_t ApplicationModal = 0, SystemModal = 4096, MsgBoxHelpButton = 16384;
// Answers.
constexpr int32_t OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7;
} // namespace mb

struct MsgBoxRequest {
    QString prompt;
    int32_t style = 0;
    QString title; // as shown (the program's title when none was given)
    QString helpFile;
    int32_t context = 0;
};

// Shows a modal message box and returns the answer. The title defaults to
// the program's title (appTitle()).
int32_t MsgBox(const QString& prompt, int32_t style = 0);
int32_t MsgBox(const QString& prompt, int32_t style, const QString& title, const QString& helpFile = {},
               int32_t context = 0);

// Tests: every box goes to the hook instead of the screen; the hook returns
// the answer (nullptr restores the dialog). Without a hook, a program run as
// a test (ZG_TEST set) answers each box with its default button.
using MsgBoxHook = std::function<int32_t(const MsgBoxRequest&)>;
void setMsgBoxHook(MsgBoxHook hook);
// The boxes shown since the last clear (recorded whatever answers them).
const std::vector<MsgBoxRequest>& msgBoxLog();
void clearMsgBoxLog();

// The dialog itself (exposed so that tests can press its buttons).
class MsgBoxDialog : public QDialog {
public:
    explicit MsgBoxDialog(const MsgBoxRequest& request, QWidget* parent = nullptr);
    // The answer of the button pressed (the default button's until then).
    int32_t answer() const { return answer_; }
    QAbstractButton* buttonFor(int32_t answer) const;
    QAbstractButton* helpButton() const { return help_; }
    // Escape and the close box answer Cancel where there is one, OK in a box
    // with only OK, and do nothing otherwise.
    void reject() override;

private:
    MsgBoxRequest request_;
    int32_t answer_ = 1;
    std::vector<std::pair<int32_t, QAbstractButton*>> buttons_;
    QAbstractButton* help_ = nullptr;
};

// Shows the help page of a context: "<folder of the help file>/<base name of
// the help file>.help/<context>.html" in a small window of our own, or "No
// help is available for this topic." when there is no such page.
// `helpFile` is a Windows-style path.
//
// Each help file has one help window, a top-level window of its own: it
// outlives the window that asked for it (a message box closing leaves it
// open), and a second request shows the new page in it and raises it. A new
// help window opens beside the asking window (and the window that owns it),
// on the side of the screen with room, rather than over them.
void showHelp(const QString& helpFile, int32_t context, QWidget* asking = nullptr);
// The open help window of a help file, or nullptr (tests look at it).
QWidget* helpWindowFor(const QString& helpFile);
// The page file that showHelp looks for (a Linux path).
QString helpPagePath(const QString& helpFile, int32_t context);
// Tests: receives the help requests instead of the window (nullptr restores).
void setHelpHook(std::function<void(const QString& helpFile, int32_t context)> hook);

} // namespace plat
