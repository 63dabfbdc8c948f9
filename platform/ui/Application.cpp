#include "Application.h"

#include <QCoreApplication>

#include "Drag.h"
#include "Error.h"
#include "Form.h"
#include "MsgBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <map>

namespace plat {

namespace {

struct AppState {
    std::vector<std::shared_ptr<Form>> loaded;
    std::function<void()> lastFormHandler;
    bool ending = false;
    int16_t screenPointer = 0;
    bool overrideActive = false;
    std::map<std::type_index, std::shared_ptr<Form>> instances;
};

AppState& state()
{
    static AppState s;
    return s;
}

// Alt and a key: the access keys of the active form's labels and user
// controls. (Buttons and check boxes answer theirs through Qt's own
// shortcuts, which come first.)
class AccessKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        auto* ke = static_cast<QKeyEvent*>(e);
        if (!(ke->modifiers() & Qt::AltModifier) || (ke->modifiers() & Qt::ControlModifier))
            return false;
        const QString text = ke->text();
        QChar key = text.isEmpty() ? QChar() : text.at(0);
        if (key.isNull() || !key.isPrint()) {
            if (ke->key() >= Qt::Key_A && ke->key() <= Qt::Key_Z)
                key = QChar(ke->key());
            else if (ke->key() >= Qt::Key_0 && ke->key() <= Qt::Key_9)
                key = QChar(ke->key());
            else
                return false;
        }
        auto* w = qobject_cast<QWidget*>(watched);
        QWidget* window = w ? w->window() : QApplication::activeWindow();
        for (const auto& f : state().loaded)
            if (f->widget() == window)
                return f->accessKey(key);
        return false;
    }
};

void installAccessKeyFilter()
{
    static bool installed = false;
    if (installed || !qApp)
        return;
    installed = true;
    qApp->installEventFilter(new AccessKeyFilter(qApp));
}

} // namespace

std::vector<std::shared_ptr<Form>> loadedForms() { return state().loaded; }

void setLastFormUnloadedHandler(std::function<void()> handler) { state().lastFormHandler = std::move(handler); }

bool programEnding() { return state().ending; }

void noteFormLoaded(const std::shared_ptr<Form>& form)
{
    installAccessKeyFilter();
    // The program ends with its last loaded form, not with its last window
    // (a message box or a help window closing must not end it).
    if (qApp)
        QApplication::setQuitOnLastWindowClosed(false);
    state().ending = false;
    for (const auto& f : state().loaded)
        if (f == form)
            return;
    state().loaded.push_back(form);
}

void noteFormUnloaded(const Form* form)
{
    auto& l = state().loaded;
    const auto before = l.size();
    l.erase(std::remove_if(l.begin(), l.end(), [form](const auto& f) { return f.get() == form; }), l.end());
    if (before != l.size() && l.empty()) {
        state().ending = true;
        if (state().lastFormHandler) {
            auto h = state().lastFormHandler;
            h();
        } else {
            QCoreApplication::exit(0);
        }
    }
}

void noteFormDiscarded(const Form* form)
{
    auto& l = state().loaded;
    l.erase(std::remove_if(l.begin(), l.end(), [form](const auto& f) { return f.get() == form; }), l.end());
}

int runMessageLoop()
{
    int code = 0;
    if (!state().loaded.empty() && !state().ending)
        code = QApplication::exec();
    resetForms();
    return code;
}

std::shared_ptr<Form> formInstanceOf(std::type_index type, const std::function<std::shared_ptr<Form>()>& make)
{
    auto& inst = state().instances[type];
    if (!inst)
        inst = make();
    return inst;
}

void resetForms()
{
    auto loaded = state().loaded;
    for (const auto& f : loaded)
        f->discard();
    state().loaded.clear();
    state().instances.clear();
}

bool isValidPointer(int16_t pointer) { return (pointer >= 0 && pointer <= 15) || pointer == 99; }

QCursor cursorFor(int16_t pointer, const PicturePtr& icon)
{
    switch (pointer) {
    case 0:
    case 1:
    case 4: return QCursor(Qt::ArrowCursor);
    case 2: return QCursor(Qt::CrossCursor);
    case 3: return QCursor(Qt::IBeamCursor);
    case 5:
    case 15: return QCursor(Qt::SizeAllCursor);
    case 6: return QCursor(Qt::SizeBDiagCursor);
    case 7: return QCursor(Qt::SizeVerCursor);
    case 8: return QCursor(Qt::SizeFDiagCursor);
    case 9: return QCursor(Qt::SizeHorCursor);
    case 10: return QCursor(Qt::UpArrowCursor);
    case 11: return QCursor(Qt::WaitCursor);
    case 12: return QCursor(Qt::ForbiddenCursor);
    case 13: return QCursor(Qt::BusyCursor);
    case 14: return QCursor(Qt::WhatsThisCursor);
    case 99: {
        if (!icon || icon->isEmpty())
            return QCursor(Qt::ArrowCursor);
        QPoint hot = icon->hotSpot();
        if (icon->type() == Picture::Icon && hot.isNull())
            hot = QPoint(icon->widthPixels() / 2, icon->heightPixels() / 2);
        return QCursor(QPixmap::fromImage(icon->image()), hot.x(), hot.y());
    }
    default: raise(err::InvalidProperty);
    }
}

namespace Screen {

int16_t MousePointer() { return state().screenPointer; }

void setMousePointer(int16_t pointer)
{
    if (!isValidPointer(pointer) || pointer == 99)
        raise(err::InvalidProperty);
    auto& s = state();
    s.screenPointer = pointer;
    if (pointer == 0) {
        if (s.overrideActive) {
            QApplication::restoreOverrideCursor();
            s.overrideActive = false;
        }
        return;
    }
    const QCursor c = cursorFor(pointer, nullptr);
    if (s.overrideActive)
        QApplication::changeOverrideCursor(c);
    else
        QApplication::setOverrideCursor(c);
    s.overrideActive = true;
}

} // namespace Screen

ScopedScreenPointer::ScopedScreenPointer(int16_t pointer) : previous_(Screen::MousePointer())
{
    Screen::setMousePointer(pointer);
}

ScopedScreenPointer::~ScopedScreenPointer()
{
    // The pointer was valid when it was taken, so putting it back cannot fail.
    if (Screen::MousePointer() != previous_)
        Screen::setMousePointer(previous_);
}

void resetUiForTests()
{
    resetForms();
    auto& s = state();
    s.lastFormHandler = nullptr;
    s.ending = false;
    if (s.screenPointer != 0)
        Screen::setMousePointer(0);
    setMsgBoxHook(nullptr);
    setHelpHook(nullptr);
    setDragDriver(nullptr);
    clearMsgBoxLog();
    // Forms taken down live on until the loop comes round; let them and
    // their windows go now, while the application is fully alive.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace plat

void plat::deleteWhenIdle(QObject* object)
{
    if (!object)
        return;
    if (!QCoreApplication::instance() || QCoreApplication::closingDown())
        delete object;
    else
        object->deleteLater();
}
