#include "MsgBox.h"

#include "Event.h"
#include "Paths.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace plat {

namespace {

MsgBoxHook& hook()
{
    static MsgBoxHook h;
    return h;
}

std::vector<MsgBoxRequest>& log()
{
    static std::vector<MsgBoxRequest> l;
    return l;
}

std::function<void(const QString&, int32_t)>& helpHook()
{
    static std::function<void(const QString&, int32_t)> h;
    return h;
}

// The answers of a style's buttons, left to right.
std::vector<int32_t> answersOf(int32_t style)
{
    switch (style & 7) {
    case mb::OKCancel: return {mb::OK, mb::Cancel};
    case mb::AbortRetryIgnore: return {mb::Abort, mb::Retry, mb::Ignore};
    case mb::YesNoCancel: return {mb::Yes, mb::No, mb::Cancel};
    case mb::YesNo: return {mb::Yes, mb::No};
    case mb::RetryCancel: return {mb::Retry, mb::Cancel};
    default: return {mb::OK};
    }
}

int32_t defaultAnswer(int32_t style)
{
    const auto answers = answersOf(style);
    const size_t i = size_t((style >> 8) & 3);
    return answers[i < answers.size() ? i : 0];
}

QString textOf(int32_t answer)
{
    switch (answer) {
    case mb::OK: return QStringLiteral("OK");
    case mb::Cancel: return QStringLiteral("Cancel");
    case mb::Abort: return QStringLiteral("&Abort");
    case mb::Retry: return QStringLiteral("&Retry");
    case mb::Ignore: return QStringLiteral("&Ignore");
    case mb::Yes: return QStringLiteral("&Yes");
    case mb::No: return QStringLiteral("&No");
    default: return {};
    }
}

void openHelpWindow(const QString& helpFile, int32_t context, QWidget* parent)
{
    static QPointer<QTextBrowser> window;
    if (!window) {
        window = new QTextBrowser(parent);
        window->setWindowFlag(Qt::Window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->resize(520, 400);
    } else if (parent && window->parentWidget() != parent) {
        window->setParent(parent, Qt::Window);
    }
    const QString page = helpPagePath(helpFile, context);
    window->setWindowTitle(QFileInfo(toSystemPath(helpFile)).completeBaseName() + QStringLiteral(" Help"));
    QFile f(page);
    if (f.open(QIODevice::ReadOnly)) {
        window->setSearchPaths({QFileInfo(page).absolutePath()});
        window->setHtml(QString::fromUtf8(f.readAll()));
    } else {
        window->setPlainText(QStringLiteral("No help is available for this topic."));
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void setMsgBoxHook(MsgBoxHook h) { hook() = std::move(h); }
const std::vector<MsgBoxRequest>& msgBoxLog() { return log(); }
void clearMsgBoxLog() { log().clear(); }

MsgBoxDialog::MsgBoxDialog(const MsgBoxRequest& request, QWidget* parent) : QDialog(parent), request_(request)
{
    setWindowTitle(request.title);
    setModal(true);
    answer_ = defaultAnswer(request.style);

    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    QStyle::StandardPixmap icon = QStyle::SP_CustomBase;
    switch (request.style & 0x70) {
    case mb::Critical: icon = QStyle::SP_MessageBoxCritical; break;
    case mb::Question: icon = QStyle::SP_MessageBoxQuestion; break;
    case mb::Exclamation: icon = QStyle::SP_MessageBoxWarning; break;
    case mb::Information: icon = QStyle::SP_MessageBoxInformation; break;
    default: break;
    }
    if (icon != QStyle::SP_CustomBase) {
        auto* iconLabel = new QLabel(this);
        iconLabel->setObjectName(QStringLiteral("icon"));
        iconLabel->setPixmap(style()->standardIcon(icon).pixmap(32, 32));
        iconLabel->setAlignment(Qt::AlignTop);
        row->addWidget(iconLabel);
    }
    auto* text = new QLabel(request.prompt, this);
    text->setObjectName(QStringLiteral("prompt"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(request.prompt.size() > 80);
    row->addWidget(text, 1);
    layout->addLayout(row);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int32_t a : answersOf(request.style)) {
        auto* b = new QPushButton(textOf(a), this);
        b->setAutoDefault(false);
        b->setDefault(a == answer_);
        connect(b, &QPushButton::clicked, this, [this, a] {
            answer_ = a;
            accept();
        });
        buttons_.emplace_back(a, b);
        buttons->addWidget(b);
    }
    if (request.style & mb::MsgBoxHelpButton) {
        auto* b = new QPushButton(QStringLiteral("Help"), this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this] {
            // The box stays open while the help shows.
            if (helpHook())
                helpHook()(request_.helpFile, request_.context);
            else
                openHelpWindow(request_.helpFile, request_.context, this);
        });
        help_ = b;
        buttons->addWidget(b);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    for (auto& [a, b] : buttons_)
        if (a == answer_)
            b->setFocus();
}

QAbstractButton* MsgBoxDialog::buttonFor(int32_t answer) const
{
    for (const auto& [a, b] : buttons_)
        if (a == answer)
            return b;
    return nullptr;
}

void MsgBoxDialog::reject()
{
    if (buttonFor(mb::Cancel))
        answer_ = mb::Cancel;
    else if (buttons_.size() == 1)
        answer_ = buttons_.front().first;
    else
        return;
    QDialog::reject();
}

int32_t MsgBox(const QString& prompt, int32_t style) { return MsgBox(prompt, style, appTitle()); }

int32_t MsgBox(const QString& prompt, int32_t style, const QString& title, const QString& helpFile, int32_t context)
{
    MsgBoxRequest r{prompt, style, title.isNull() ? appTitle() : title, helpFile, context};
    log().push_back(r);
    if (hook()) {
        MsgBoxHook h = hook();
        return h(r);
    }
    if (qEnvironmentVariableIsSet("ZG_TEST"))
        return defaultAnswer(style);
    // On the heap and watched: the owner window may be destroyed while the
    // box is open (a timer unloading its form), and takes the box with it.
    QPointer<MsgBoxDialog> dialog = new MsgBoxDialog(r, QApplication::activeWindow());
    dialog->exec();
    if (!dialog)
        return defaultAnswer(style);
    const int32_t answer = dialog->answer();
    delete dialog.data();
    return answer;
}

void reportRuntimeError(const ErrorInfo& info)
{
    MsgBox(QStringLiteral("Run-time error '%1':\n\n%2").arg(info.number).arg(info.description), mb::OKOnly,
           appTitle());
}

QString helpPagePath(const QString& helpFile, int32_t context)
{
    const QFileInfo fi(toSystemPath(helpFile));
    return fi.absolutePath() + QLatin1Char('/') + fi.completeBaseName() + QStringLiteral(".help/") +
           QString::number(context) + QStringLiteral(".html");
}

void showHelp(const QString& helpFile, int32_t context)
{
    if (helpHook()) {
        auto h = helpHook();
        h(helpFile, context);
        return;
    }
    openHelpWindow(helpFile, context, nullptr);
}

void setHelpHook(std::function<void(const QString&, int32_t)> h) { helpHook() = std::move(h); }

} // namespace plat
