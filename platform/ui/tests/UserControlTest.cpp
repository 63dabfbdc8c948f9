// The user-control base: life cycle from the design data, property bags,
// mouse codes, capture and double-click, focus entering and leaving, ambient
// values, the surface, and OLE drag and drop.
#include "UiTestSupport.h"

#include "Gdi.h"
#include "PropertyBag.h"
#include "Units.h"

#include <QMimeData>
#include <QRegularExpression>
#include <QUrl>
#include <QWindow>

using namespace plat;
using uitest::makeForm;

namespace {

// A user control that records its notifications.
class Probe : public UserControl {
public:
    QStringList log;
    int32_t dragOverEffect = dropeffect::Move;
    QStringList dropped;
    int32_t completedEffect = -1;
    QStringList dragEntries;
    int32_t allowed = dropeffect::All;
    int32_t stored = 0;

    void UserControl_Initialize() override
    {
        log << "Initialize";
        txtEdit = addConstituent<TextBox>(QStringLiteral("txtEdit"), QRectF(0, 0, 600, 300));
        txtEdit->setVisible(false); // shown while something is edited
    }
    void UserControl_InitProperties() override { log << "InitProperties"; }
    void UserControl_ReadProperties(PropertyBag& bag) override
    {
        log << "ReadProperties";
        stored = bag.ReadProperty("Stored", Variant(int32_t(7))).toLong();
    }
    void UserControl_WriteProperties(PropertyBag& bag) override
    {
        bag.WriteProperty("Stored", Variant(stored), Variant(int32_t(7)));
    }
    void UserControl_Resize() override { log << QStringLiteral("Resize %1x%2").arg(ScaleWidth()).arg(ScaleHeight()); }
    void UserControl_Terminate() override { log << "Terminate"; }
    void UserControl_AmbientChanged(QString& name) override { log << "Ambient " + name; }
    void UserControl_Click() override { log << "Click"; }
    void UserControl_DblClick() override { log << "DblClick"; }
    void UserControl_MouseDown(int16_t& b, int16_t& s, float& x, float& y) override { mouse("Down", b, s, x, y); }
    void UserControl_MouseMove(int16_t& b, int16_t& s, float& x, float& y) override { mouse("Move", b, s, x, y); }
    void UserControl_MouseUp(int16_t& b, int16_t& s, float& x, float& y) override { mouse("Up", b, s, x, y); }
    void UserControl_KeyDown(int16_t& k, int16_t& s) override { log << QStringLiteral("KeyDown %1 %2").arg(k).arg(s); }
    void UserControl_KeyPress(int16_t& k) override { log << QStringLiteral("KeyPress %1").arg(k); }
    void UserControl_KeyUp(int16_t& k, int16_t& s) override { log << QStringLiteral("KeyUp %1 %2").arg(k).arg(s); }
    void UserControl_AccessKeyPress(int16_t& k) override { log << QStringLiteral("AccessKey %1").arg(k); }
    void UserControl_GotFocus() override { log << "GotFocus"; }
    void UserControl_LostFocus() override { log << "LostFocus"; }
    void UserControl_EnterFocus() override { log << "EnterFocus"; }
    void UserControl_ExitFocus() override { log << "ExitFocus"; }
    void UserControl_OLEStartDrag(DataObjectPtr& data, int32_t& allowedEffects) override
    {
        for (const auto& e : dragEntries)
            data->Files()->Add(e);
        data->SetData(Variant::missing(), Variant(int16_t(cf::Files)));
        allowedEffects = allowed;
    }
    void UserControl_OLEDragOver(DataObjectPtr& data, int32_t& effect, int16_t&, int16_t&, float&, float&,
                                 int16_t& state) override
    {
        log << QStringLiteral("DragOver %1 %2").arg(state).arg(effect);
        effect = data->GetFormat(cf::Files) ? dragOverEffect : dropeffect::None;
    }
    void UserControl_OLEDragDrop(DataObjectPtr& data, int32_t& effect, int16_t&, int16_t&, float&, float&) override
    {
        log << QStringLiteral("DragDrop %1").arg(effect);
        for (int32_t i = 1; i <= data->Files()->Count(); ++i)
            dropped << data->Files()->Item(i);
    }
    void UserControl_OLECompleteDrag(int32_t& effect) override
    {
        log << QStringLiteral("CompleteDrag %1").arg(effect);
        completedEffect = effect;
    }

    std::shared_ptr<TextBox> txtEdit;

private:
    void mouse(const char* what, int16_t b, int16_t s, float x, float y)
    {
        log << QStringLiteral("%1 %2 %3 %4,%5").arg(what).arg(b).arg(s).arg(x).arg(y);
    }
};

class UserControlTest : public uitest::UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        registerUserControlType(QStringLiteral("Probe"), [] { return std::make_shared<Probe>(); });
    }
    // A form with a picture box (pixel scale) holding probe "p" (with a
    // bag) and probe "q" (without one), and a text box.
    std::shared_ptr<uitest::LoggingForm> probeForm()
    {
        return makeForm(R"([
          {"name": "pic", "type": "PictureBox", "left": 0, "top": 0, "width": 4500, "height": 3000,
           "properties": [["ScaleMode", 3], ["BorderStyle", 0]]},
          {"name": "p", "index": 3, "type": "Probe", "container": "pic", "left": 150, "top": 150, "width": 1500, "height": 750,
           "bag": [["Stored", 42]]},
          {"name": "q", "type": "Probe", "left": 150, "top": 3150, "width": 1500, "height": 750},
          {"name": "txt", "type": "TextBox", "left": 3000, "top": 3150, "width": 1500, "height": 300}
        ])");
    }
    static QStringList keysOf(const QStringList& log) { return log.filter(QRegularExpression("^Key")); }
    QStringList take(Probe& p)
    {
        QStringList l = p.log;
        p.log.clear();
        return l;
    }
};

TEST_F(UserControlTest, LifeCycleFromTheDesignData)
{
    auto f = probeForm();
    f->Load();
    auto p = f->control<Probe>("p", 3);
    auto q = f->control<Probe>("q");
    EXPECT_EQ(p->log, (QStringList{"Initialize", "ReadProperties", "Resize 100x50"}));
    EXPECT_EQ(q->log, (QStringList{"Initialize", "InitProperties", "Resize 100x50"}));
    EXPECT_EQ(p->stored, 42);
    p->log.clear();
    p->Size(3000, 1500); // twips
    EXPECT_EQ(p->log, QStringList{"Resize 200x100"});
    EXPECT_DOUBLE_EQ(p->Width(), 200); // the container's pixels

    // Saving asks each control for its bag; a default value is left out.
    p->stored = 5;
    q->stored = 7;
    const DesignData& d = f->writeDesign();
    EXPECT_EQ(d.find("p", 3)->bag.ReadProperty("Stored").toLong(), 5);
    EXPECT_FALSE(d.find("q")->bag.contains("Stored"));

    p->log.clear();
    f->Unload();
    EXPECT_EQ(p->log, QStringList{"Terminate"});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(p->txtEdit->widget()); // constituents go with it
}

TEST_F(UserControlTest, MouseCodesCaptureAndDoubleClick)
{
    auto f = probeForm();
    uitest::showAndActivate(*f);
    auto q = f->control<Probe>("q");
    QWindow* win = f->widget()->windowHandle();
    const QPoint origin = q->widget()->mapTo(f->widget(), QPoint(0, 0));
    q->SetFocus(); // the clicks below change no focus
    take(*q);

    QTest::mouseMove(win, origin + QPoint(5, 6));
    EXPECT_EQ(take(*q), QStringList{"Move 0 0 5,6"}); // a move with no button held

    QTest::mousePress(win, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, origin + QPoint(5, 6));
    QTest::mouseRelease(win, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, origin + QPoint(5, 6));
    EXPECT_EQ(take(*q), (QStringList{"Down 2 3 5,6", "Up 2 3 5,6"})); // no Click for the right button

    // Held: the control keeps the mouse beyond its edges; a release outside
    // clicks nothing.
    QTest::mousePress(win, Qt::LeftButton, {}, origin + QPoint(5, 6));
    QTest::mouseMove(win, origin + QPoint(150, 70));
    QTest::mouseRelease(win, Qt::LeftButton, {}, origin + QPoint(150, 70));
    EXPECT_EQ(take(*q), (QStringList{"Down 1 0 5,6", "Move 1 0 150,70", "Up 1 0 150,70"}));

    QTest::mouseClick(win, Qt::LeftButton, {}, origin + QPoint(5, 6));
    EXPECT_EQ(take(*q), (QStringList{"Move 0 0 5,6", "Down 1 0 5,6", "Up 1 0 5,6", "Click"}));

    // A double-click: DblClick in place of the second press.
    QTest::mouseDClick(win, Qt::LeftButton, {}, origin + QPoint(5, 6));
    EXPECT_EQ(take(*q), (QStringList{"Down 1 0 5,6", "Up 1 0 5,6", "Click", "DblClick", "Up 1 0 5,6"}));

    // Positions follow the surface's ScaleMode.
    q->setScaleMode(1);
    QTest::mouseMove(win, origin + QPoint(2, 3));
    EXPECT_EQ(take(*q), QStringList{"Move 0 0 30,45"});
}

TEST_F(UserControlTest, KeysCarryVirtualKeyCodes)
{
    auto f = probeForm();
    uitest::showAndActivate(*f);
    auto q = f->control<Probe>("q");
    q->SetFocus();
    take(*q);
    QTest::keyClick(q->widget(), Qt::Key_Space);
    QTest::keyClick(q->widget(), Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(take(*q), (QStringList{"KeyDown 32 0", "KeyPress 32", "KeyUp 32 0", "KeyDown 18 4", "KeyDown 40 4",
                                     "KeyUp 40 4", "KeyUp 18 0"}));
}

TEST_F(UserControlTest, KeysTypedIntoTheControlsOwnChildAreNotTheControls)
{
    auto f = probeForm();
    uitest::showAndActivate(*f);
    auto q = f->control<Probe>("q");
    q->txtEdit->setVisible(true);
    q->txtEdit->SetFocus();
    QStringList childKeys;
    q->txtEdit->KeyDown.connect([&](int16_t& k, int16_t&) { childKeys << QString::number(k); });
    take(*q);
    QTest::keyClick(q->txtEdit->widget(), Qt::Key_Return);
    QTest::keyClick(q->txtEdit->widget(), Qt::Key_Escape);
    EXPECT_EQ(childKeys, (QStringList{"13", "27"}));
    EXPECT_EQ(take(*q), QStringList{});
}

// As the window system delivers them: the child's key handler hides the
// child, so the focus moves to the control while the key is still on its way
// (the box leaves Enter unused, Qt hands it on to the control), and the
// release goes to the control, which now has the focus.
TEST_F(UserControlTest, AKeyWhoseChildHandlerMovesTheFocusIsStillTheChilds)
{
    auto f = probeForm();
    uitest::showAndActivate(*f);
    auto q = f->control<Probe>("q");
    QStringList childKeys;
    q->txtEdit->KeyDown.connect([&](int16_t& k, int16_t&) {
        childKeys << QString::number(k);
        q->txtEdit->setVisible(false);
        q->SetFocus();
    });
    QWindow* window = f->widget()->windowHandle();
    ASSERT_NE(window, nullptr);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        q->txtEdit->setVisible(true);
        q->txtEdit->SetFocus();
        ASSERT_EQ(QApplication::focusWidget(), q->txtEdit->widget());
        take(*q);
        QTest::keyClick(window, key);
        EXPECT_EQ(QApplication::focusWidget(), q->widget());
        EXPECT_EQ(keysOf(take(*q)), QStringList{}) << key;
    }
    EXPECT_EQ(childKeys, (QStringList{"13", "27"}));

    // The control's own keys, delivered the same way, stay its own.
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_EQ(keysOf(take(*q)), (QStringList{"KeyDown 13 0", "KeyPress 13", "KeyUp 13 0"}));
    // A key the box takes and uses (a letter) followed by one for the
    // control: the second is the control's.
    q->txtEdit->setVisible(true);
    q->txtEdit->SetFocus();
    QTest::keyClick(window, Qt::Key_A);
    q->SetFocus();
    take(*q);
    QTest::keyClick(window, Qt::Key_B);
    EXPECT_EQ(keysOf(take(*q)), (QStringList{"KeyDown 66 0", "KeyPress 98", "KeyUp 66 0"}));
}

TEST_F(UserControlTest, FocusIntoTheControlsOwnChildIsALostFocusWithoutExitFocus)
{
    auto f = probeForm();
    uitest::showAndActivate(*f);
    auto q = f->control<Probe>("q");
    auto txt = f->control<TextBox>("txt");
    txt->SetFocus();
    q->txtEdit->setVisible(true);
    take(*q);

    q->SetFocus();
    EXPECT_EQ(take(*q), (QStringList{"EnterFocus", "GotFocus"}));
    q->txtEdit->SetFocus();
    EXPECT_EQ(take(*q), QStringList{"LostFocus"});
    q->SetFocus();
    EXPECT_EQ(take(*q), QStringList{"GotFocus"});
    q->txtEdit->SetFocus();
    take(*q);
    txt->SetFocus(); // from the constituent out of the control
    EXPECT_EQ(take(*q), QStringList{"ExitFocus"});

    // The same rules when the platform's focus change is fed directly.
    UserControl::focusMoved(txt->widget(), q->widget());
    UserControl::focusMoved(q->widget(), txt->widget());
    EXPECT_EQ(take(*q), (QStringList{"EnterFocus", "GotFocus", "LostFocus", "ExitFocus"}));
}

TEST_F(UserControlTest, AmbientValuesAndTheirChanges)
{
    auto f = probeForm();
    f->Load();
    auto p = f->control<Probe>("p", 3);
    const AmbientProperties a = p->Ambient();
    EXPECT_EQ(a.DisplayName, "p(3)");
    EXPECT_TRUE(a.UserMode);
    EXPECT_FALSE(a.DisplayAsDefault);
    ASSERT_TRUE(a.Font);
    EXPECT_TRUE(a.Font->sameValue(*f->control<PictureBox>("pic")->Font()));
    EXPECT_NE(a.Font.get(), f->control<PictureBox>("pic")->Font().get()); // a copy

    take(*p);
    p->setDefault(true);
    EXPECT_TRUE(p->Ambient().DisplayAsDefault);
    EXPECT_EQ(take(*p), QStringList{"Ambient DisplayAsDefault"});
    f->setFont(Font::make(QStringLiteral("Arial"), 12));
    EXPECT_EQ(take(*p), QStringList{"Ambient Font"});

    // Enter on the form is the default control's access key 13.
    f->pressDefault();
    EXPECT_EQ(take(*p), QStringList{"AccessKey 13"});
    p->setAccessKeys(QStringLiteral("k"));
    EXPECT_TRUE(f->accessKey(QChar('K'))); // without regard to case
    EXPECT_EQ(take(*p), QStringList{QStringLiteral("AccessKey %1").arg(int('K'))});
}

TEST_F(UserControlTest, PropertyChangesAreObservable)
{
    auto f = probeForm();
    f->Load();
    auto p = f->control<Probe>("p", 3);
    p->PropertyChanged(QStringLiteral("BackColor"));
    p->PropertyChanged(QStringLiteral("ColorButton"));
    EXPECT_EQ(p->changedProperties(), (QStringList{"BackColor", "ColorButton"}));
    EXPECT_TRUE(p->CanPropertyChange(QStringLiteral("DataValue")));
    p->setCanPropertyChangeAnswer([](const QString& n) { return n != "DataValue"; });
    EXPECT_FALSE(p->CanPropertyChange(QStringLiteral("DataValue")));
}

TEST_F(UserControlTest, ParentControlsCountFromZeroAndIncludeTheContainer)
{
    auto f = probeForm();
    f->Load();
    auto p = f->control<Probe>("p", 3);
    auto controls = p->ParentControls();
    ASSERT_EQ(controls->Count(), 4);
    EXPECT_EQ(controls->Item(0)->Name(), "pic");
    EXPECT_EQ(controls->Item(0)->getProperty("hWnd").toLong(), p->ContainerHwnd());
    EXPECT_EQ(uitest::errorOf([&] { controls->Item(4); }), err::SubscriptRange);
}

TEST_F(UserControlTest, TheSurfaceFontPictureAndShape)
{
    auto f = probeForm();
    uitest::showAndActivate(*f);
    auto p = f->control<Probe>("p", 3);
    auto font = Font::make(QStringLiteral("Arial"), 10);
    p->setFont(font);
    EXPECT_EQ(p->Font().get(), font.get()); // the very object

    // Each new Picture reaches the screen at once.
    QImage frame(100, 50, QImage::Format_RGB32);
    const int before = p->repaintCount();
    for (int i = 0; i < 3; ++i) {
        frame.fill(QColor(i * 60, 0, 0));
        p->setPicture(Picture::fromImage(frame));
    }
    EXPECT_EQ(p->repaintCount() - before, 3);
    EXPECT_EQ(fromQRgb(p->surfaceImage().pixel(10, 10)), rgb(120, 0, 0));

    // A transparent back with a mask picture: the window is the pixels that
    // are not the mask colour.
    QImage mask(100, 50, QImage::Format_RGB32);
    mask.fill(QColor(255, 0, 255));
    for (int x = 10; x < 20; ++x)
        mask.setPixel(x, 5, qRgb(0, 0, 0));
    p->setBackStyle(0);
    p->setMaskColor(rgb(255, 0, 255));
    p->setMaskPicture(Picture::fromImage(mask));
    const QRegion shape = p->widget()->mask();
    EXPECT_TRUE(shape.contains(QPoint(10, 5)));
    EXPECT_TRUE(shape.contains(QPoint(19, 5)));
    EXPECT_FALSE(shape.contains(QPoint(20, 5)));
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    p->setBackStyle(1);
    EXPECT_TRUE(p->widget()->mask().isEmpty());
}

TEST_F(UserControlTest, ScaleConversions)
{
    auto f = probeForm();
    f->Load();
    auto p = f->control<Probe>("p", 3); // in a picture box with pixel scale
    EXPECT_DOUBLE_EQ(p->ScaleWidth(), 100);
    EXPECT_NEAR(p->ScaleX(2540), 96, 1e-9);         // HiMetric to the surface's pixels
    EXPECT_DOUBLE_EQ(p->ScaleX(10, 9, 3), 10);      // the container's pixels
    EXPECT_DOUBLE_EQ(p->ScaleY(45, 3, 1), 675);     // pixels to twips
    auto q = f->control<Probe>("q"); // on the form
    EXPECT_DOUBLE_EQ(q->ScaleX(150, 9, 3), 150);
    f->setScaleMode(1);
    EXPECT_DOUBLE_EQ(q->ScaleX(150, 9, 3), 10);
    EXPECT_GT(p->TextWidth(QStringLiteral("Wide text")), p->TextWidth(QStringLiteral("W")));
    p->setScaleMode(1);
    EXPECT_DOUBLE_EQ(p->ScaleWidth(), 1500);
}

// A caption that TextWidth says fits a box is drawn in it on one line (the
// list bar lays out its captions so): the control measures in the font its
// device context draws with.
TEST_F(UserControlTest, TextIsMeasuredAsTheDeviceContextDrawsIt)
{
    auto f = probeForm();
    f->Load();
    auto p = f->control<Probe>("q");
    for (const char* face : {"MS Sans Serif", "Arial"})
        for (const double size : {8.25, 9.75, 12.0}) {
            p->setFont(Font::make(QString::fromLatin1(face), size));
            const int64_t dc = p->hDC();
            for (const char* caption : {"Global Functions", "Objects && Creatable Classes", "Various System"}) {
                const QString text = QString::fromLatin1(caption);
                gdi::Size extent;
                gdi::GetTextExtentPoint32A(dc, text, extent);
                EXPECT_DOUBLE_EQ(p->ScaleX(p->TextWidth(text), -1, scale::Pixels), extent.cx)
                    << face << " " << size << " " << caption;
            }
        }
}

TEST_F(UserControlTest, DrawingThroughTheDeviceContextLeavesNoHandles)
{
    const int brushes = gdi::liveBrushes(), fonts = gdi::liveFonts(), dcs = gdi::liveDCs();
    {
        auto f = probeForm();
        f->Load();
        auto p = f->control<Probe>("p", 3);
        const int64_t dc = p->hDC();
        EXPECT_EQ(p->hDC(), dc); // one for the control's life
        gdi::HBRUSH brush = gdi::CreateSolidBrush(rgb(0, 0, 255));
        gdi::FillRect(dc, gdi::Rect{0, 0, 4, 4}, brush);
        gdi::DeleteObject(brush);
        gdi::LogFont lf;
        lf.height = -12;
        gdi::setFaceName(lf, QStringLiteral("Arial"));
        gdi::HFONT font = gdi::CreateFontIndirectA(lf);
        gdi::HGDIOBJ old = gdi::SelectObject(dc, font);
        gdi::TextOutA(dc, 10, 10, QStringLiteral("x"));
        gdi::SelectObject(dc, old);
        gdi::DeleteObject(font);
        EXPECT_EQ(fromQRgb(p->surfaceImage().pixel(3, 3)), rgb(0, 0, 255));
        EXPECT_EQ(fromQRgb(p->surfaceImage().pixel(4, 4)), translateColour(p->BackColor()));
        f->Unload();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    plat::resetUiForTests();
    EXPECT_EQ(gdi::liveBrushes(), brushes);
    EXPECT_EQ(gdi::liveFonts(), fonts);
    EXPECT_EQ(gdi::liveDCs(), dcs);
}

TEST_F(UserControlTest, AnErrorInANotificationIsReported)
{
    struct Failing : UserControl {
        void UserControl_Resize() override { plat::raise(err::Overflow); }
    };
    registerUserControlType(QStringLiteral("Failing"), [] { return std::make_shared<Failing>(); });
    auto f = makeForm(R"([{"name": "x", "type": "Failing", "left": 0, "top": 0, "width": 300, "height": 300}])");
    f->Load();
    EXPECT_TRUE(f->isLoaded());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].prompt, "Run-time error '6':\n\nOverflow");
    EXPECT_EQ(uitest::errorOf([] { createControl(QStringLiteral("Unregistered")); }), 711);
}

// --- Drag and drop ---

TEST_F(UserControlTest, OurOwnDragCarriesTheEntriesVerbatim)
{
    auto f = probeForm();
    f->Show();
    auto source = f->control<Probe>("q");
    auto target = f->control<Probe>("p", 3);
    target->setOLEDropMode(1);
    source->dragEntries = {QStringLiteral("ZSListBar^BarID=k3x9QZ0a1b"), QStringLiteral("ZSListBar^ButtonID=a=b^c%20d")};
    setDragDriver([&](DragRequest& r) {
        EXPECT_EQ(r.source, source->widget());
        EXPECT_EQ(r.allowedEffects, dropeffect::All);
        return deliverDrag(target->widget(), r.mime, QPoint(10, 10), Qt::CopyAction | Qt::MoveAction);
    });
    take(*target);
    source->OLEDrag();
    EXPECT_EQ(target->dropped, source->dragEntries);
    // The target saw the source's allowed effects, chose Move, and the
    // source learnt the result.
    EXPECT_EQ(take(*target), (QStringList{"DragOver 0 -1", "DragOver 2 -1", "DragDrop 2"}));
    EXPECT_EQ(source->completedEffect, dropeffect::Move);
}

TEST_F(UserControlTest, ARefusedOrEmptyDragCompletesWithNoEffect)
{
    auto f = probeForm();
    f->Show();
    auto source = f->control<Probe>("q");
    auto target = f->control<Probe>("p", 3);
    target->setOLEDropMode(1);
    target->dragOverEffect = dropeffect::None;
    source->dragEntries = {QStringLiteral("x")};
    int driven = 0;
    setDragDriver([&](DragRequest& r) {
        ++driven;
        return deliverDrag(target->widget(), r.mime, QPoint(10, 10), Qt::MoveAction);
    });
    source->OLEDrag();
    EXPECT_EQ(source->completedEffect, 0);
    EXPECT_TRUE(target->dropped.isEmpty());
    EXPECT_TRUE(target->log.contains("DragOver 1 0")); // the leave

    // Nothing in the data object or no allowed effect: no drag at all.
    source->allowed = 0;
    source->OLEDrag();
    EXPECT_EQ(driven, 1);
    EXPECT_EQ(source->completedEffect, 0);
}

TEST_F(UserControlTest, FilesFromOtherProgramsArriveAsWindowsPaths)
{
    auto f = probeForm();
    f->Show();
    auto target = f->control<Probe>("p", 3);
    target->setOLEDropMode(1);
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a b/report.txt"))});
    const int32_t effect = deliverDrag(target->widget(), &mime, QPoint(5, 5), Qt::CopyAction);
    EXPECT_EQ(effect, dropeffect::Copy); // the proposed action, within the effect the target allowed
    EXPECT_EQ(target->dropped, QStringList{QStringLiteral("C:\\tmp\\a b\\report.txt")});

    // Data without a file list is refused.
    target->dropped.clear();
    QMimeData text;
    text.setText(QStringLiteral("hello"));
    EXPECT_EQ(deliverDrag(target->widget(), &text, QPoint(5, 5), Qt::CopyAction), 0);
    EXPECT_TRUE(target->dropped.isEmpty());
    // A surface without OLEDropMode 1 takes no drops.
    auto other = f->control<Probe>("q");
    EXPECT_EQ(deliverDrag(other->widget(), &mime, QPoint(5, 5), Qt::CopyAction), 0);
}

TEST(DataObjectTest, FormatsFilesAndDeclaredData)
{
    auto d = std::make_shared<DataObject>();
    EXPECT_FALSE(d->GetFormat(cf::Files));
    EXPECT_EQ(uitest::errorOf([&] { d->GetData(cf::Text); }), 461);
    d->Files()->Add(QStringLiteral("b"));
    d->Files()->Add(QStringLiteral("a"), Variant(1));
    EXPECT_EQ(d->Files()->Item(1), "a");
    EXPECT_EQ(d->Files()->Count(), 2);
    EXPECT_EQ(uitest::errorOf([&] { d->Files()->Item(0); }), err::SubscriptRange);
    EXPECT_TRUE(d->GetFormat(cf::Files));
    // A declared format's data comes from the source when it is asked for.
    int asked = 0;
    d->onSetData = [&](int16_t format) {
        ++asked;
        d->SetData(Variant("late"), Variant(format));
    };
    d->SetData(Variant::missing(), Variant(int16_t(cf::Text)));
    EXPECT_TRUE(d->GetFormat(cf::Text));
    EXPECT_EQ(d->GetData(cf::Text).toString(), "late");
    EXPECT_EQ(asked, 1);
    d->Clear();
    EXPECT_FALSE(d->hasData());
}

} // namespace
