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
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <map>

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

// Help windows by help file (its Linux path, so that spellings of one
// file share a window).
std::map<QString, QPointer<QTextBrowser>>& helpWindows()
{
    static std::map<QString, QPointer<QTextBrowser>> windows;
    return windows;
}

QString helpWindowKey(const QString& helpFile)
{
    return QFileInfo(toSystemPath(helpFile)).absoluteFilePath();
}

// Moves a new help window beside `around` (the asking window and its owner):
// to its right, left, below or above, the first side with room for the whole
// window. Where no side has that room, the window is narrowed (or made
// lower) to the side with the most room, when that leaves a readable page;
// failing that it goes to the right edge of the screen.
void placeBeside(QWidget* help, QRect around, const QScreen* screen)
{
    const QRect area = screen ? screen->availableGeometry() : QRect(around.topLeft(), QSize(4096, 4096));
    const QSize frame = help->frameGeometry().size();
    const QSize extra = frame - help->size(); // the window manager's frame, if any
    constexpr int gap = 8;
    constexpr int minWidth = 240, minHeight = 160;
    struct Side {
        QRect room;
        bool horizontal;
    };
    const Side sides[] = {
        {QRect(QPoint(around.right() + 1 + gap, area.top()), area.bottomRight()), true},
        {QRect(area.topLeft(), QPoint(around.left() - 1 - gap, area.bottom())), true},
        {QRect(QPoint(area.left(), around.bottom() + 1 + gap), area.bottomRight()), false},
        {QRect(area.topLeft(), QPoint(area.right(), around.top() - 1 - gap)), false},
    };
    auto place = [&](const Side& side, QSize size) {
        const QRect r = side.room;
        QPoint at;
        if (side.horizontal)
            at = QPoint(r.left() == area.left() ? r.right() + 1 - size.width() : r.left(),
                        std::max(r.top(), std::min(around.top(), r.bottom() + 1 - size.height())));
        else
            at = QPoint(std::max(r.left(), std::min(around.left(), r.right() + 1 - size.width())),
                        r.top() == area.top() ? r.bottom() + 1 - size.height() : r.top());
        if (size != frame)
            help->resize(size - extra);
        help->move(at);
    };
    for (const Side& side : sides)
        if (side.room.width() >= frame.width() && side.room.height() >= frame.height())
            return place(side, frame);
    const Side* best = nullptr;
    QSize bestSize;
    for (const Side& side : sides) {
        const QSize fits = frame.boundedTo(side.room.size());
        if (fits.width() >= minWidth && fits.height() >= minHeight &&
            (!best || fits.width() * fits.height() > bestSize.width() * bestSize.height())) {
            best = &side;
            bestSize = fits;
        }
    }
    if (best)
        return place(*best, bestSize);
    help->move(area.right() + 1 - frame.width(), std::max(area.top(), around.top()));
}

void openHelpWindow(const QString& helpFile, int32_t context, QWidget* asking)
{
    QPointer<QTextBrowser>& window = helpWindows()[helpWindowKey(helpFile)];
    const bool fresh = !window;
    if (fresh) {
        // No parent: the page stays when the asking window goes.
        window = new QTextBrowser(nullptr);
        window->setObjectName(QStringLiteral("helpWindow"));
        window->setWindowFlag(Qt::Window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->resize(520, 400);
        // Closed with the program rather than left behind it.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, &QObject::deleteLater);
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
    QWidget* asker = asking ? asking->window() : QApplication::activeWindow();
    if (fresh && asker) {
        QRect around = asker->frameGeometry();
        if (QWidget* owner = asker->parentWidget())
            around |= owner->window()->frameGeometry();
        placeBeside(window, around, asker->screen());
    }
    // Stacked with the asking window (a modal box leaves its help usable);
    // the link goes with that window, the help window stays.
    window->winId();
    if (window->windowHandle() && asker && asker != window)
        window->windowHandle()->setTransientParent(asker->windowHandle());
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

void showHelp(const QString& helpFile, int32_t context, QWidget* asking)
{
    if (helpHook()) {
        auto h = helpHook();
        h(helpFile, context);
        return;
    }
    openHelpWindow(helpFile, context, asking);
}

QWidget* helpWindowFor(const QString& helpFile)
{
    const auto it = helpWindows().find(helpWindowKey(helpFile));
    return it == helpWindows().end() ? nullptr : it->second.data();
}

void setHelpHook(std::function<void(const QString&, int32_t)> h) { helpHook() = std::move(h); }

} // namespace plat
