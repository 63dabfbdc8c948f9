#include "SystemImpl.h"

#include "Error.h"
#include "Gdi.h"
#include "Library.h"
#include "Machine.h"
#include "ZorvaneAPM.h"
#include "ZorvaneMemory.h"
#include "ZorvaneScreenModes.h"
#include "Paths.h"
#include "ProgramStart.h"
#include "Units.h"
#include "Window.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDevice>
#include <QInputMethod>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QLocale>
#include <QPointingDevice>
#include <QScreen>
#include <QSysInfo>

#include <algorithm>
#include <cmath>
#include <pwd.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace zg {

namespace {

[[noreturn]] void invalidArgument(const char* member)
{
    plat::raise(plat::err::InvalidCall, QStringLiteral("ZorvaneSystem.") + QLatin1String(member));
}

void rectOut(const QRect& r, int32_t& left, int32_t& top, int32_t& width, int32_t& height)
{
    left = r.left();
    top = r.top();
    width = r.width();
    height = r.height();
}

QRect rectIn(int32_t left, int32_t top, int32_t width, int32_t height, const char* member)
{
    if (width < 0 || height < 0)
        invalidArgument(member);
    // The far edges must be 32-bit coordinates too.
    if (int64_t(left) + width > INT32_MAX || int64_t(top) + height > INT32_MAX)
        plat::raise(plat::err::Overflow, QStringLiteral("ZorvaneSystem.") + QLatin1String(member));
    return QRect(left, top, width, height);
}

const QScreen* screen()
{
    return QGuiApplication::primaryScreen();
}

constexpr int32_t FormatCount = 16;

} // namespace

std::shared_ptr<ZorvaneProcessor> SystemImpl::Processor()
{
    return std::make_shared<ProcessorImpl>(speedSource_);
}

std::shared_ptr<ZorvaneMemory> SystemImpl::Memory() { return createNew<ZorvaneMemory>(); }
std::shared_ptr<ZorvaneAPM> SystemImpl::Power() { return createNew<ZorvaneAPM>(); }
std::shared_ptr<ZorvaneScreenModes> SystemImpl::ScreenModes() { return createNew<ZorvaneScreenModes>(); }

// ---- colours ----

plat::Colour SystemImpl::BlendedColorRGB(plat::Colour Colour1, plat::Colour Colour2, float Ratio)
{
    const plat::Colour a = plat::translateColour(Colour1);
    const plat::Colour b = plat::translateColour(Colour2);
    const double t = std::isnan(Ratio) ? 0.0 : std::clamp(double(Ratio), 0.0, 1.0);
    auto mix = [t](int x, int y) { return int(plat::roundEven(x + (y - x) * t)); };
    return plat::rgb(mix(plat::redOf(a), plat::redOf(b)), mix(plat::greenOf(a), plat::greenOf(b)),
                     mix(plat::blueOf(a), plat::blueOf(b)));
}

plat::Colour SystemImpl::ColorToRGB(plat::Colour Colour)
{
    return plat::translateColour(Colour);
}

void SystemImpl::GetRGBComponents(plat::Colour Colour, int32_t& Red, int32_t& Green, int32_t& Blue)
{
    const plat::Colour c = plat::translateColour(Colour);
    Red = plat::redOf(c);
    Green = plat::greenOf(c);
    Blue = plat::blueOf(c);
}

plat::Colour SystemImpl::MaskColorToRGB(plat::Colour Colour)
{
    return plat::translateColour(Colour);
}

// ---- system values ----

double SystemImpl::AvailableColors()
{
    // A forced value lets the few-colour paths of the programs be run.
    bool ok = false;
    const double forced = qEnvironmentVariable("ZG_AVAILABLE_COLORS").trimmed().toDouble(&ok);
    if (ok && forced > 0)
        return forced;
    int depth = plat::gdi::GetDeviceCaps(0, plat::gdi::BITSPIXEL);
    if (depth <= 0 || depth > 24)
        depth = 24;
    return std::ldexp(1.0, depth);
}

int16_t SystemImpl::BootState()
{
    return 0;
}

QString SystemImpl::ComputerName()
{
    return QSysInfo::machineHostName();
}

QString SystemImpl::ComputerType()
{
    return QSysInfo::currentCpuArchitecture();
}

QString SystemImpl::CurrentWindowsUser()
{
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

QString SystemImpl::DisplayID()
{
    const QScreen* s = screen();
    return s ? s->name() : QString();
}

// The handles that always name the calling process and thread.
int32_t SystemImpl::hProcess()
{
    return -1;
}

int32_t SystemImpl::ProcessID()
{
    return int32_t(::getpid());
}

int32_t SystemImpl::hThread()
{
    return -2;
}

int32_t SystemImpl::ThreadID()
{
    return int32_t(::syscall(SYS_gettid));
}

bool SystemImpl::IsMSOfficeApplication()
{
    return false;
}

// The display server's layout of the current keyboard group; without one
// (no X11 display), the input method's locale.
QString SystemImpl::KeyboardID()
{
    const QString layout = machine()->keyboardLayout();
    if (!layout.isEmpty())
        return layout;
    const QInputMethod* im = qGuiApp ? QGuiApplication::inputMethod() : nullptr;
    return (im ? im->locale() : QLocale::system()).name();
}

// The language of the user's locale ("en_US").
QString SystemImpl::LanguageID()
{
    return QLocale::system().name();
}

// The pointing devices as the display server tells them (buttons without
// the wheel's); otherwise what the toolkit knows of the primary device.
int16_t SystemImpl::MouseButtonCount()
{
    if (const auto d = machine()->pointerDevices())
        return int16_t(std::clamp(d->buttons, 0, 32767));
    const QPointingDevice* d = QPointingDevice::primaryPointingDevice();
    return d ? int16_t(std::clamp(d->buttonCount(), 0, 32767)) : 0;
}

QString SystemImpl::MouseID()
{
    if (const auto d = machine()->pointerDevices())
        return d->name;
    const QPointingDevice* d = QPointingDevice::primaryPointingDevice();
    return d ? d->name() : QString();
}

bool SystemImpl::MouseWheelPresentNT()
{
    if (const auto d = machine()->pointerDevices())
        return d->wheel;
    const QPointingDevice* d = QPointingDevice::primaryPointingDevice();
    return d && d->capabilities().testFlag(QInputDevice::Capability::Scroll);
}

QString SystemImpl::NetworkID()
{
    char name[256] = {};
    if (::getdomainname(name, sizeof name - 1) != 0)
        return QString();
    const QString domain = QString::fromLocal8Bit(name);
    return domain == QLatin1String("(none)") ? QString() : domain;
}

bool SystemImpl::PenWindowsPresent()
{
    const auto devices = QInputDevice::devices();
    return std::any_of(devices.begin(), devices.end(), [](const QInputDevice* d) {
        return d->type() == QInputDevice::DeviceType::Stylus || d->type() == QInputDevice::DeviceType::Airbrush;
    });
}

int32_t SystemImpl::ScreenResolutionX()
{
    const QScreen* s = screen();
    return s ? s->geometry().width() : 0;
}

int32_t SystemImpl::ScreenResolutionY()
{
    const QScreen* s = screen();
    return s ? s->geometry().height() : 0;
}

bool SystemImpl::SlowMachine()
{
    return false;
}

QString SystemImpl::SystemDirectory()
{
    return plat::systemDirectory();
}

QString SystemImpl::TempDirectory()
{
    return plat::tempDirectory();
}

QString SystemImpl::WindowsDirectory()
{
    return plat::windowsDirectory();
}

// ---- mouse ----

void SystemImpl::GetMouseScreenCoordinates(int32_t& X, int32_t& Y)
{
    const QPoint p = machine()->cursorPos();
    X = p.x();
    Y = p.y();
}

void SystemImpl::SetMouseScreenCoordinates(int32_t X, int32_t Y)
{
    machine()->setCursorPos(QPoint(X, Y));
}

void SystemImpl::GetMouseScreenBoundries(int32_t& Left, int32_t& Top, int32_t& Width, int32_t& Height)
{
    const std::shared_ptr<Machine> m = machine();
    rectOut(m->cursorConfinement().value_or(m->desktopRect()), Left, Top, Width, Height);
}

void SystemImpl::SetMouseScreenBoundries(int32_t Left, int32_t Top, int32_t Width, int32_t Height)
{
    machine()->confineCursor(rectIn(Left, Top, Width, Height, "SetMouseScreenBoundries"));
}

void SystemImpl::FreeMouseScreenBoundries()
{
    machine()->confineCursor(std::nullopt);
}

void SystemImpl::SimulateMouseActivity(int32_t Action, int32_t Button, int32_t X, int32_t Y)
{
    if (Action != MousePress && Action != MouseMoveTo && Action != MouseRelease)
        invalidArgument("SimulateMouseActivity");
    if (Button != 1 && Button != 2 && Button != 4)
        invalidArgument("SimulateMouseActivity");
    machine()->mouseInput(Action, Button, QPoint(X, Y));
}

// ---- desktop ----

void SystemImpl::GetDesktopWorkArea(int32_t& Left, int32_t& Top, int32_t& Width, int32_t& Height)
{
    rectOut(machine()->workArea(), Left, Top, Width, Height);
}

void SystemImpl::SetDesktopWorkArea(int32_t Left, int32_t Top, int32_t Width, int32_t Height)
{
    machine()->setWorkArea(rectIn(Left, Top, Width, Height, "SetDesktopWorkArea"));
}

// ---- keyboard filtering ----

bool SystemImpl::keyAllowed(QChar c, int32_t format, const QString& customMask)
{
    if (c.unicode() < 32 || c.unicode() == 127)
        return true;
    if (!customMask.isEmpty())
        return maskPlaceAllows(customMask, -1, c);
    const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
    auto oneOf = [c](const char* set) { return QLatin1String(set).contains(c); };
    switch (format) {
    case 0: // All
        return true;
    case 1: // Numbers
        return digit;
    case 2: // Letters
        return c.isLetter();
    case 3: // Mathematical
        return digit || oneOf("+-*/^().=% ");
    case 4: // Currency
        return digit || oneOf(".,-$");
    case 5: // Date
        return digit || oneOf("/-.");
    case 6: // Time12Hour
    case 7: // Time12HourShort
        return digit || oneOf(": AaPpMm");
    case 8: // Time24Hour
    case 9: // Time24HourShort
        return digit || c == QLatin1Char(':');
    case 10: // PhoneParenthesis
        return digit || oneOf("()- ");
    case 11: // PhoneDashesOnly
        return digit || c == QLatin1Char('-');
    case 12: // PhoneDecimalsOnly
        return digit || c == QLatin1Char('.');
    case 13: // USPostalCode
        return digit || c == QLatin1Char('-');
    case 14: // Hex
        return digit || oneOf("ABCDEFabcdef");
    case 15: // Binary
        return c == QLatin1Char('0') || c == QLatin1Char('1');
    default:
        return false;
    }
}

namespace {

// The mask's places: a placeholder, or a literal (escaped with "\").
struct MaskPlace {
    QChar ch;
    bool literal;
};

QList<MaskPlace> maskPlaces(const QString& mask)
{
    QList<MaskPlace> places;
    for (qsizetype i = 0; i < mask.size(); ++i) {
        if (mask[i] == QLatin1Char('\\') && i + 1 < mask.size())
            places.append({ mask[++i], true });
        else
            places.append({ mask[i], QStringLiteral("#?AH&").indexOf(mask[i]) < 0 });
    }
    return places;
}

bool placeAllows(const MaskPlace& place, QChar c)
{
    if (place.literal)
        return c == place.ch;
    const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
    switch (place.ch.unicode()) {
    case '#':
        return digit;
    case '?':
        return c.isLetter();
    case 'A':
        return digit || c.isLetter();
    case 'H':
        return digit || QLatin1String("ABCDEFabcdef").contains(c);
    default: // '&'
        return c.isPrint();
    }
}

// The text, caret and selection of a text box's editor (a one-line or a
// multi-line editor inside the control's widget).
struct EditorState {
    qsizetype length = 0;
    qsizetype caret = 0; // where a typed character goes
    qsizetype selected = 0;
};

// The two multi-line editors share no base with these members.
template <class Edit>
EditorState multiLineState(const Edit& e)
{
    const QTextCursor cur = e.textCursor();
    return EditorState{ e.toPlainText().size(), cur.selectionStart(), cur.selectionEnd() - cur.selectionStart() };
}

std::optional<EditorState> editorState(const plat::ObjectPtr& box)
{
    auto* window = dynamic_cast<plat::WindowObject*>(box.get());
    QWidget* w = window ? window->widget() : nullptr;
    if (!w)
        return std::nullopt;
    QList<QWidget*> candidates{ w };
    candidates += w->findChildren<QWidget*>();
    for (QWidget* c : candidates) {
        if (auto* e = qobject_cast<QLineEdit*>(c)) {
            const qsizetype start = e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
            return EditorState{ e->text().size(), start, e->selectedText().size() };
        }
        if (auto* e = qobject_cast<QPlainTextEdit*>(c))
            return multiLineState(*e);
        if (auto* e = qobject_cast<QTextEdit*>(c))
            return multiLineState(*e);
    }
    return std::nullopt;
}

} // namespace

bool SystemImpl::maskPlaceAllows(const QString& mask, qsizetype position, QChar c)
{
    const QList<MaskPlace> places = maskPlaces(mask);
    if (position >= 0)
        return position < places.size() && placeAllows(places[position], c);
    return std::any_of(places.begin(), places.end(), [c](const MaskPlace& p) { return placeAllows(p, c); });
}

int16_t SystemImpl::MaskKeyPress(const plat::ObjectPtr& TextBox, int16_t KeyAscii, int32_t Format,
                                 const QString& CustomMask, int32_t Reserved)
{
    if (CustomMask.isEmpty() && (Format < 0 || Format >= FormatCount))
        invalidArgument("MaskKeyPress");
    if (KeyAscii < 0)
        return 0;
    const QChar c{ char16_t(KeyAscii) };
    if (c.unicode() < 32 || c.unicode() == 127)
        return KeyAscii;
    if (!CustomMask.isEmpty()) {
        // A custom mask holds one place per character of the text: the
        // typed character must fit the place it lands on, and the text
        // never grows past the mask.
        const std::optional<EditorState> ed = editorState(TextBox);
        if (!ed)
            return keyAllowed(c, Format, CustomMask) ? KeyAscii : 0;
        if (ed->length - ed->selected + 1 > maskPlaces(CustomMask).size())
            return 0;
        return maskPlaceAllows(CustomMask, ed->caret, c) ? KeyAscii : 0;
    }
    if (!keyAllowed(c, Format, CustomMask))
        return 0;
    // Hex digits are entered in capitals.
    if (Format == 14 && c.isLower())
        return int16_t(c.toUpper().unicode());
    return KeyAscii;
}

void SystemImpl::MaskKeyDownUp(const plat::ObjectPtr& TextBox, int16_t& KeyCode, int32_t Format,
                               const QString& CustomMask)
{
    // Key-down and key-up pass unchanged: the typed characters are filtered
    // by MaskKeyPress.
    if (CustomMask.isEmpty() && (Format < 0 || Format >= FormatCount))
        invalidArgument("MaskKeyDownUp");
}

// ---- programs and documents ----

int32_t SystemImpl::ExecuteApplication(const QString& Path, const QString& Parameters,
                                       const QString& WorkingDirectory)
{
    if (Path.isEmpty())
        return startcode::FileNotFound;
    const QString dir = WorkingDirectory.isEmpty() ? QString() : plat::toSystemPath(WorkingDirectory);
    return startProgram(plat::toSystemPath(Path), Parameters, dir);
}

int32_t SystemImpl::ExecuteDocument(const QString& Document, const plat::Variant& Operation)
{
    if (Document.isEmpty())
        return startcode::FileNotFound;
    // A web or other address goes to the opener as it is; anything else is
    // a file path.
    const QUrl asUrl(Document, QUrl::StrictMode);
    const bool address = asUrl.isValid() && asUrl.scheme().size() > 1 && !asUrl.isLocalFile();
    QUrl url = asUrl;
    if (!address) {
        const QFileInfo file(plat::toSystemPath(Document));
        if (!QFileInfo(file.absolutePath()).isDir())
            return startcode::PathNotFound;
        if (!file.exists())
            return startcode::FileNotFound;
        url = QUrl::fromLocalFile(file.absoluteFilePath());
    }
    return machine()->openUrl(url) ? startcode::Started : startcode::NoAssociation;
}

int32_t SystemImpl::ExploreFolder(const QString& Folder, bool SinglePane, bool Rooted, const plat::Variant& SelectItem)
{
    const QFileInfo folder(plat::toSystemPath(Folder));
    if (Folder.isEmpty() || !folder.isDir())
        return startcode::PathNotFound;
    return machine()->openUrl(QUrl::fromLocalFile(folder.absoluteFilePath())) ? startcode::Started
                                                                                : startcode::NoAssociation;
}

} // namespace zg
