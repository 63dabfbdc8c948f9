// Forms: windows built from their design data (DesignData.h), with the
// runtime's life cycle (Load, Show, modal Show, QueryUnload and Unload, the
// close box), caption, border, position and size in twips, scale mode,
// Picture and persistent drawing, mouse pointer, and their controls (by
// name, and control arrays whose index reaches every event).
//
// A program's form derives from Form, names its design data and overrides
// the handlers it needs:
//
//   class frmMain : public plat::Form {
//   public:
//       frmMain() : Form(":/forms/frmMain.json") {}
//   protected:
//       void bindControls() override {   // after the controls exist, before Form_Load
//           cmdClose = control<plat::CommandButton>("cmdClose");
//           cmdClose->Click.connect([this] { Unload(); });
//       }
//       void Form_Load() override { ... }
//       std::shared_ptr<plat::CommandButton> cmdClose;
//   };
//
// Loaded forms stay alive while loaded; the program ends when the last
// loaded form unloads (Application.h).
#pragma once
#include "Control.h"
#include "DesignData.h"
#include "DrawingHost.h"

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <typeindex>
#include <vector>

namespace plat {

class FormWindow;
class UserControl;

// The members of a control array by index.
template <class T>
class ControlArray {
public:
    ControlArray() = default;
    ControlArray(QString name, std::map<int16_t, std::shared_ptr<T>> items)
        : name_(std::move(name)), items_(std::move(items))
    {
    }
    // Raises 340 "Control array element 'n' doesn't exist".
    std::shared_ptr<T> operator()(int16_t index) const
    {
        auto it = items_.find(index);
        if (it == items_.end())
            raise(340, {}, QStringLiteral("Control array element '%1' doesn't exist").arg(index));
        return it->second;
    }
    int32_t Count() const { return int32_t(items_.size()); }
    int16_t LBound() const { return items_.empty() ? 0 : items_.begin()->first; }
    int16_t UBound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
    const std::map<int16_t, std::shared_ptr<T>>& items() const { return items_; }

    // Connects one handler to an event of every member; the handler gets the
    // member's Index first, then the event's arguments:
    //   NavButton.connect(&button::ZSButton::Click, [this](int16_t Index) { ... });
    template <class C, class... A, class F>
    void connect(Event<A...> C::*event, F handler) const
    {
        static_assert(std::is_base_of_v<C, T>, "the event must belong to the array's control type");
        for (const auto& [index, control] : items_) {
            const int16_t i = index;
            (static_cast<C&>(*control).*event).connect([handler, i](A&... args) { handler(i, args...); });
        }
    }

private:
    QString name_;
    std::map<int16_t, std::shared_ptr<T>> items_;
};

class Form : public Object, public WindowObject, public ControlContainer, public DrawingHost {
public:
    // The design data from a resource path or a file (loaded at the first
    // Load), or given directly.
    explicit Form(QString designPath);
    explicit Form(DesignData design);
    ~Form() override;

    // ===== Life cycle =====
    // Builds the window and its controls from the design data, connects the
    // handlers (bindControls) and runs Form_Load; the window stays hidden.
    // Nothing happens for a loaded form.
    void Load();
    bool isLoaded() const { return loaded_; }
    // 0 modeless: shows, raises and activates the window (loading it first).
    // 1 modal: the same, then a nested message loop until the form is hidden
    // or unloaded; other windows take no input meanwhile.
    void Show(int16_t modal = 0);
    void Hide();
    // Unload: QueryUnload(Cancel, 1), then Unload(Cancel); either may cancel.
    void Unload();
    // The same with another UnloadMode (0 the close box, 1 code, ...).
    // Returns whether the form unloaded.
    bool unloadWith(int16_t unloadMode);
    bool Visible() const;

    // ===== Properties =====
    QString Caption() const { return caption_; }
    void setCaption(const QString& c);
    bool borderless() const { return borderless_; }
    // Position and size of the window in twips (the outer frame).
    double Left() const;
    void setLeft(double v);
    double Top() const;
    void setTop(double v);
    double Width() const;
    void setWidth(double v);
    double Height() const;
    void setHeight(double v);
    void Move(double left, double top);
    void Move(double left, double top, double width, double height);
    const QString& Name() const { return name_; }
    const QString& Tag() const { return tag_; }
    void setTag(const QString& t) { tag_ = t; }
    int16_t MousePointer() const { return mousePointer_; }
    void setMousePointer(int16_t v);
    PicturePtr MouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const PicturePtr& p);
    // Paints the window and its controls at once.
    void Refresh();
    // Brings the window to the front.
    void ZOrder(int16_t position = 0);
    bool Enabled() const;
    void setEnabled(bool v);

    int64_t hWnd() const override;
    QWidget* widget() const override;

    // ===== Controls =====
    // Every control of the form in creation order (the runtime's Controls,
    // positions from 0).
    const std::vector<ControlPtr>& Controls() const { return controls_; }
    // The control of that name (and index for an array member), or nullptr.
    ControlPtr findControl(const QString& name, int16_t index = -1) const;
    // The same, typed; raises 424 "Object required" naming the control when
    // it is missing or of another type.
    template <class T>
    std::shared_ptr<T> control(const QString& name, int16_t index = -1) const
    {
        auto c = std::dynamic_pointer_cast<T>(findControl(name, index));
        if (!c)
            missingControl(name, index);
        return c;
    }
    template <class T>
    ControlArray<T> controlArray(const QString& name) const
    {
        std::map<int16_t, std::shared_ptr<T>> items;
        for (const auto& c : controls_)
            if (c->isArrayMember() && c->Name().compare(name, Qt::CaseInsensitive) == 0)
                if (auto t = std::dynamic_pointer_cast<T>(c))
                    items[c->Index()] = t;
        if (items.empty())
            missingControl(name, -1);
        return ControlArray<T>(name, std::move(items));
    }

    // ===== Design data =====
    const DesignData& design() const { return design_; }
    // Asks every user control to write its property bag into the design
    // data (UserControl_WriteProperties) and returns the result.
    const DesignData& writeDesign();

    // The default button (Enter) and cancel button (Escape) of the form.
    void pressDefault();
    void pressCancel();
    // An Alt+key access key pressed on the form; returns whether a control
    // of the form answered it. The program's key handling calls it (tests
    // may too).
    bool accessKey(QChar key);
    // Takes the form down without raising its events (tests' reset).
    void discard();

    // ControlContainer
    QWidget* clientWidget() const override;
    int16_t childScaleMode() const override { return scaleMode_; }
    FontPtr containerFont() const override { return font_; }
    Colour containerBackColor() const override { return BackColor(); }
    Colour containerForeColor() const override { return foreColor_; }

    // Tab order changes (Control::setTabIndex).
    void renumberTabIndex(Control* control, int16_t newIndex);
    void applyTabOrder();
    // Every user control's ambient value changed.
    void notifyAmbientChanged(const QString& name);

protected:
    // After the controls are built from the design data and before
    // Form_Load: look up controls and connect their handlers.
    virtual void bindControls() {}
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(int16_t& Cancel, int16_t& UnloadMode) {}
    virtual void Form_Unload(int16_t& Cancel) {}
    virtual void Form_Resize() {}

    // DrawingHost
    QSize clientPixels() const override;
    void drawingChanged() override;
    void scaleModeChanged() override;
    void fontChanged() override;

private:
    friend class FormWindow;
    void build();
    void applyFormDesign();
    void buildControls();
    void stackControls();
    void closeRequested();
    void windowResized();
    void takeDown(bool notify);
    [[noreturn]] static void missingControl(const QString& name, int16_t index);
    void updateCursor();

    QString designPath_;
    DesignData design_;
    bool designLoaded_ = false;
    bool loaded_ = false;
    bool loading_ = false;
    bool unloading_ = false;
    FormWindow* window_ = nullptr;
    std::vector<ControlPtr> controls_;
    QString name_;
    QString caption_;
    bool borderless_ = false;
    int16_t borderStyle_ = 2;
    QString tag_;
    int16_t mousePointer_ = 0;
    PicturePtr mouseIcon_;
    int modalDepth_ = 0;
};

using FormPtr = std::shared_ptr<Form>;

// The default instance of a form class, made on first reference as the
// runtime makes a program's forms; it lives until resetForms().
std::shared_ptr<Form> formInstanceOf(std::type_index type, const std::function<std::shared_ptr<Form>()>& make);
template <class F>
std::shared_ptr<F> formInstance()
{
    return std::static_pointer_cast<F>(formInstanceOf(typeid(F), [] { return std::make_shared<F>(); }));
}

} // namespace plat
