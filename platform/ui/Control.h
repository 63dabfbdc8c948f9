// The base of every control placed on a form: its extender (name, index,
// position and size, visibility, enabled state, tag, tab order, focus), its
// properties read and written by name, and the routing of its widget's Qt
// events to the control's own handlers.
//
// Positions and sizes are kept in twips and given in the container's scale
// (a picture box with pixel scale holds its controls in pixels). A property a
// control type lacks raises error 438 "Object doesn't support this property
// or method", by name and through the typed accessors alike: code probes
// controls that way (a label has no TabStop, only an image list answers
// ListImages).
#pragma once
#include "Colour.h"
#include "Error.h"
#include "Event.h"
#include "Font.h"
#include "Object.h"
#include "Picture.h"
#include "Variant.h"
#include "Window.h"

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

class QEvent;
class QMouseEvent;
class QPainter;

namespace plat {

// Whether a property, method or event name is `b`, without regard to case.
inline bool is(const QString& a, const char* b) { return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0; }

class Form;
class Control;
using ControlPtr = std::shared_ptr<Control>;

// Something that holds controls: a form, a picture box, a frame, a user
// control (its constituent controls).
class ControlContainer {
public:
    virtual ~ControlContainer() = default;
    // The widget that the contained controls' widgets are children of.
    virtual QWidget* clientWidget() const = 0;
    // Pixel offset of the coordinate origin inside clientWidget() (a border).
    virtual QPoint clientOrigin() const { return {}; }
    // The unit of the contained controls' Left, Top, Width and Height, as a
    // scale code (1 twips, 3 pixels, ...).
    virtual int16_t childScaleMode() const = 0;
    // What the container offers its controls as ambient values.
    virtual FontPtr containerFont() const = 0;
    virtual Colour containerBackColor() const = 0;
    virtual Colour containerForeColor() const = 0;
};

// Twips in one unit of a scale code (1 for twips, 15 for pixels, ...).
double twipsPerUnit(int16_t scaleMode);

// Events of the controls that take mouse input.
struct MouseEvents {
    Event<> Click;
    Event<> DblClick;
    Event<int16_t, int16_t, float, float> MouseDown; // Button, Shift, X, Y
    Event<int16_t, int16_t, float, float> MouseMove;
    Event<int16_t, int16_t, float, float> MouseUp;
};

// Events of the controls that take the keyboard focus.
struct KeyEvents {
    Event<int16_t, int16_t> KeyDown; // KeyCode, Shift
    Event<int16_t> KeyPress;         // KeyAscii
    Event<int16_t, int16_t> KeyUp;
};

struct FocusEvents {
    Event<> GotFocus;
    Event<> LostFocus;
};

class Control : public Object, public WindowObject {
public:
    Control();
    ~Control() override;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // --- Identity ---
    const QString& Name() const { return name_; }
    // Position in a control array; -1 for a control that is not in one.
    int16_t Index() const { return index_; }
    bool isArrayMember() const { return index_ >= 0; }
    // "Name" or "Name(index)".
    QString displayName() const;
    // The design type name ("Label", "ZSButton", ...).
    const QString& typeName() const { return typeName_; }
    // The form the control is on (nullptr once it is gone).
    std::shared_ptr<Form> Parent() const { return form_.lock(); }
    // The form or control that contains this control.
    ObjectPtr Container() const { return container_.lock(); }
    ControlContainer* containerInterface() const;
    // The container's window handle (0 when it has none).
    int64_t ContainerHwnd() const;

    // --- Extender ---
    // In the container's scale.
    double Left() const;
    void setLeft(double v);
    double Top() const;
    void setTop(double v);
    double Width() const;
    void setWidth(double v);
    double Height() const;
    void setHeight(double v);
    void Move(double left);
    void Move(double left, double top);
    void Move(double left, double top, double width, double height);
    // The same in twips and pixels, whatever the container's scale.
    QRectF twipsRect() const { return {left_, top_, width_, height_}; }
    void setTwipsRect(const QRectF& r);
    // Whole pixels relative to the container's origin (halves to even).
    QRect pixelRect() const;

    // The control's own flag: true inside a hidden container as well.
    bool Visible() const;
    void setVisible(bool v);
    bool Enabled() const;
    virtual void setEnabled(bool v);
    const QString& Tag() const { return tag_; }
    void setTag(const QString& t) { tag_ = t; }
    int16_t TabIndex() const;
    void setTabIndex(int16_t v);
    bool TabStop() const;
    void setTabStop(bool v);
    // Gives the control the focus. Raises 5 "Invalid procedure call or
    // argument" for a control that cannot take it (hidden, disabled,
    // windowless, or on a form that is not shown).
    void SetFocus();
    // 0 brings the control in front of its siblings, 1 sends it behind.
    void ZOrder(int16_t position = 0);
    // Repaints the control at once.
    virtual void Refresh();
    // The pointer over the control: 0 default, 11 hourglass, 99 MouseIcon,
    // other standard codes (Application.h, cursorFor). Raises 380 for a code
    // outside the set.
    int16_t MousePointer() const;
    void setMousePointer(int16_t v);
    PicturePtr MouseIcon() const;
    void setMouseIcon(const PicturePtr& p);

    // --- What the control type has ---
    virtual bool hasWindow() const { return true; }
    virtual bool hasTabIndex() const { return hasWindow(); }
    virtual bool hasTabStop() const { return hasWindow(); }
    virtual bool hasVisible() const { return true; }
    virtual bool hasEnabled() const { return true; }
    virtual bool hasMousePointer() const { return true; }
    // Whether the control can take the focus at all (windowed and focusable).
    virtual bool canTakeFocus() const { return hasTabStop(); }

    // --- Properties by name ---
    // Raises 438 for a property the control type lacks.
    virtual Variant getProperty(const QString& name) const;
    virtual void setProperty(const QString& name, const Variant& value);
    // Calls a method by name ("SetFocus", "Refresh", "ZOrder", "Move");
    // raises 438 for one the control lacks.
    virtual Variant callMethod(const QString& name, const std::vector<Variant>& args = {});
    // Applies one property of the design data; the default applies it by
    // name. Design-only properties (MultiLine, ScrollBars, BorderStyle, ...)
    // are accepted here and nowhere else.
    virtual void applyDesignProperty(const QString& name, const Variant& value) { setProperty(name, value); }

    // The access key a caption names ("&x"; "&&" is a literal "&"), or a
    // null QChar.
    static QChar accessKeyOf(const QString& caption);

    // --- Window ---
    // The window handle; 0 for a windowless control (whose by-name "hWnd"
    // raises 438).
    int64_t hWnd() const override;
    QWidget* widget() const override { return widget_.data(); }

    // --- Siting (the form builder and user controls call these) ---
    // Creates the widget inside `container` (a Form or a container control)
    // and places it. `form` is the form the control belongs to.
    void site(const std::shared_ptr<Form>& form, const ObjectPtr& container, const QString& name,
              int16_t index, const QRectF& twips);
    void setTypeName(const QString& t) { typeName_ = t; }
    // After the design data is applied; user controls run their
    // property-reading steps here.
    virtual void afterDesign() {}
    // Before the form takes the control down.
    virtual void beforeUnload() {}
    // Places the widget again (the container's scale or border changed).
    void applyGeometry();

protected:
    // Creates the control's widget, a child of `parent`; nullptr for a
    // control without one (a timer, an image list).
    virtual QWidget* createWidget(QWidget* parent) = 0;
    // Called after the widget exists and the control is sited.
    virtual void sited() {}
    // Qt events of the widgets the control watches (see watch()). Return
    // true to stop the event.
    virtual bool widgetEvent(QWidget* w, QEvent* e);
    // Routes the Qt events of `w` to widgetEvent().
    void watch(QWidget* w);
    // For callbacks that a widget may run after the control is gone.
    std::weak_ptr<Control> weakSelf() { return std::static_pointer_cast<Control>(shared_from_this()); }
    // The size changed (twips); the widget has been resized already.
    virtual void resized() {}

    // The scale of the X and Y of this control's mouse events: the
    // container's scale, or the control's own ScaleMode for a container.
    virtual int16_t mouseScaleMode() const;
    // Raises MouseDown / MouseMove / MouseUp / Click / DblClick for a Qt
    // mouse event. Returns true when the event was one of them.
    bool routeMouseEvent(QEvent* e, MouseEvents& events);
    bool routeKeyEvent(QEvent* e, KeyEvents& events);
    bool routeFocusEvent(QEvent* e, FocusEvents& events);
    // Raises the focus events or the key events of a Qt event, as the two
    // above do; false for any other event.
    bool routeKeyAndFocusEvent(QEvent* e, KeyEvents& keys, FocusEvents& focus);
    // Pixel to scale-unit conversion for this control's own events.
    float toEventUnits(double pixels) const;
    // Where the coordinates of the control's mouse events start inside its
    // widget (a container's border).
    virtual QPoint eventOrigin() const { return {}; }

    // A form-level access key ("&x" in a caption) for this control. The
    // default does nothing.
    friend class Form;
    virtual void accessKeyPressed(QChar key) {}

    // Raises 438 when `has` is false (for typed accessors of optional
    // properties).
    static void require(bool has);
    double toContainerUnits(double twips) const;
    double fromContainerUnits(double units) const;

    QPointer<QWidget> widget_;

private:
    // Shows MousePointer (with MouseIcon for 99) over the widget.
    void showPointer();

    QString name_;
    QString typeName_;
    int16_t index_ = -1;
    std::weak_ptr<Form> form_;
    std::weak_ptr<Object> container_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0; // twips
    bool visible_ = true;
    bool enabled_ = true;
    bool tabStop_ = true;
    int16_t tabIndex_ = 0;
    QString tag_;
    bool mousePressed_ = false;
    int16_t mousePointer_ = 0;
    PicturePtr mouseIcon_;
};

// Reads and converts a property value as the runtime does when a property is
// set from a Variant (error 13 for a value of the wrong kind).
Colour colourFromVariant(const Variant& v);
FontPtr fontFromVariant(const Variant& v);

} // namespace plat
