// The combo box, the list box, the scroll bar, the screen pointer scope, and
// label arrays and fonts as the demo windows use them.
#include "UiTestSupport.h"

#include <QComboBox>
#include <QListWidget>
#include <QScrollBar>
#include <stdexcept>

using namespace plat;
using uitest::errorOf;
using uitest::makeForm;

namespace {

class ListsTest : public uitest::UiTest {};

constexpr const char* kCombo = R"([
  {"name": "ddNumberSys", "type": "ComboBox", "left": 0, "top": 0, "width": 2000, "height": 315,
   "properties": [["Style", 2], ["List", "Binary\nOctal\nDecimal\nHexidecimal\nAlphaNumeric"], ["ItemData", "2, 8, 10, 16, 36"]]},
  {"name": "lst", "type": "ListBox", "left": 0, "top": 600, "width": 2000, "height": 1500}
])";

TEST_F(ListsTest, DropDownListSelectionRaisesClickOnlyWhenItChanges)
{
    auto f = makeForm(kCombo);
    f->Load();
    auto dd = f->control<ComboBox>("ddNumberSys");
    int clicks = 0;
    dd->Click.connect([&] { ++clicks; });

    EXPECT_EQ(dd->Style(), 2);
    EXPECT_EQ(dd->ListCount(), 5);
    EXPECT_EQ(dd->ListIndex(), -1);
    EXPECT_EQ(dd->Text(), "");
    EXPECT_EQ(dd->ItemData(4), 36);

    dd->setListIndex(4);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(dd->Text(), "AlphaNumeric");
    EXPECT_EQ(qobject_cast<QComboBox*>(dd->widget())->currentText(), "AlphaNumeric");
    dd->setListIndex(4); // the same value: no Click
    EXPECT_EQ(clicks, 1);

    EXPECT_EQ(errorOf([&] { dd->setListIndex(5); }), err::InvalidProperty);
    EXPECT_EQ(errorOf([&] { dd->setListIndex(-2); }), err::InvalidProperty);
    EXPECT_EQ(dd->ListIndex(), 4); // unchanged by the refused values
    EXPECT_EQ(clicks, 1);

    dd->setListIndex(-1);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(dd->Text(), "");

    // Text selects the entry of that text, without regard to case.
    dd->setText(QStringLiteral("octal"));
    EXPECT_EQ(dd->ListIndex(), 1);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(errorOf([&] { dd->setText(QStringLiteral("Ternary")); }), 383);
    EXPECT_EQ(dd->ListIndex(), 1);
}

TEST_F(ListsTest, AUsersChoiceRaisesClickEvenForTheSelectedEntry)
{
    auto f = makeForm(kCombo);
    f->Load();
    auto dd = f->control<ComboBox>("ddNumberSys");
    std::vector<int32_t> seen;
    dd->Click.connect([&] { seen.push_back(dd->ListIndex()); });
    auto* box = qobject_cast<QComboBox*>(dd->widget());
    emit box->activated(2);
    emit box->activated(2);
    EXPECT_EQ(seen, (std::vector<int32_t>{2, 2}));
    EXPECT_EQ(dd->Text(), "Decimal");
}

TEST_F(ListsTest, EntriesItemDataAndIndexesThatNameNoEntry)
{
    auto f = makeForm(kCombo);
    f->Load();
    auto lst = f->control<ListBox>("lst");
    int clicks = 0;
    lst->Click.connect([&] { ++clicks; });

    EXPECT_EQ(lst->NewIndex(), -1);
    lst->AddItem(QStringLiteral("640 x 480"));
    lst->setItemData(lst->NewIndex(), 1);
    lst->AddItem(QStringLiteral("800 x 600"));
    lst->setItemData(lst->NewIndex(), 2);
    EXPECT_EQ(lst->NewIndex(), 1);
    lst->setListIndex(1);
    // An entry put in before the selected one keeps that one selected.
    lst->AddItem(QStringLiteral("320 x 200"), 0);
    EXPECT_EQ(lst->NewIndex(), 0);
    EXPECT_EQ(lst->ListIndex(), 2);
    EXPECT_EQ(lst->Text(), "800 x 600");
    EXPECT_EQ(lst->ItemData(2), 2);
    EXPECT_EQ(lst->ItemData(0), 0);
    EXPECT_EQ(qobject_cast<QListWidget*>(lst->widget())->count(), 3);
    EXPECT_EQ(clicks, 1); // filling raises nothing

    EXPECT_EQ(errorOf([&] { lst->AddItem(QStringLiteral("x"), 4); }), err::InvalidCall);
    EXPECT_EQ(errorOf([&] { lst->ItemData(3); }), 381);
    EXPECT_EQ(errorOf([&] { lst->setItemData(-1, 0); }), 381);
    EXPECT_EQ(errorOf([&] { lst->setList(3, QStringLiteral("x")); }), 381);
    EXPECT_EQ(lst->List(3), "");
    EXPECT_EQ(lst->List(-1), "");

    lst->Clear();
    EXPECT_EQ(lst->ListCount(), 0);
    EXPECT_EQ(lst->ListIndex(), -1);
    EXPECT_EQ(lst->NewIndex(), -1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ListsTest, PropertiesAndMethodsByName)
{
    auto f = makeForm(kCombo);
    f->Load();
    ControlPtr dd = f->findControl(QStringLiteral("ddNumberSys"));
    dd->callMethod(QStringLiteral("AddItem"), {Variant("Base64")});
    EXPECT_EQ(dd->getProperty(QStringLiteral("ListCount")).toLong(), 6);
    EXPECT_EQ(dd->getProperty(QStringLiteral("NewIndex")).toLong(), 5);
    dd->callMethod(QStringLiteral("ItemData"), {Variant(5), Variant(64)});
    EXPECT_EQ(dd->callMethod(QStringLiteral("ItemData"), {Variant(5)}).toLong(), 64);
    EXPECT_EQ(dd->callMethod(QStringLiteral("List"), {Variant(5)}).toString(), "Base64");
    dd->setProperty(QStringLiteral("ListIndex"), Variant(5));
    EXPECT_EQ(dd->getProperty(QStringLiteral("Text")).toString(), "Base64");
    EXPECT_EQ(errorOf([&] { dd->getProperty(QStringLiteral("Value")); }), err::NotSupported);
    EXPECT_EQ(errorOf([&] { dd->setProperty(QStringLiteral("Style"), Variant(0)); }), 382);
    EXPECT_EQ(errorOf([&] { f->findControl(QStringLiteral("lst"))->getProperty(QStringLiteral("Style")); }),
              err::NotSupported);
}

TEST_F(ListsTest, ListBoxClickAndDoubleClickByTheMouseAndArrowKeys)
{
    auto f = makeForm(kCombo);
    uitest::showAndActivate(*f);
    auto lst = f->control<ListBox>("lst");
    for (const char* mode : {"640 x 480", "800 x 600", "1024 x 768"})
        lst->AddItem(QString::fromLatin1(mode));
    QStringList log;
    lst->Click.connect([&] { log << QStringLiteral("Click %1").arg(lst->ListIndex()); });
    lst->DblClick.connect([&] { log << QStringLiteral("DblClick %1").arg(lst->ListIndex()); });

    auto* w = qobject_cast<QListWidget*>(lst->widget());
    QWindow* win = f->widget()->windowHandle();
    auto centreOf = [&](int row) { return w->viewport()->mapTo(f->widget(), w->visualItemRect(w->item(row)).center()); };
    QTest::mouseClick(win, Qt::LeftButton, {}, centreOf(1));
    EXPECT_EQ(log, QStringList{"Click 1"});
    QTest::mouseClick(win, Qt::LeftButton, {}, centreOf(1)); // already selected
    EXPECT_EQ(log, QStringList{"Click 1"});
    QTest::mouseDClick(win, Qt::LeftButton, {}, centreOf(2));
    EXPECT_EQ(log, (QStringList{"Click 1", "Click 2", "DblClick 2"}));

    log.clear();
    lst->SetFocus();
    QTest::keyClick(w, Qt::Key_Up);
    EXPECT_EQ(log, QStringList{"Click 1"});
}

// The row a list shows highlighted (-1 for none).
int highlightedRow(const QListWidget* w)
{
    const QList<QListWidgetItem*> items = w->selectedItems();
    return items.isEmpty() ? -1 : w->row(items.first());
}

TEST_F(ListsTest, AListSelectsNothingByItselfAndItsHighlightIsItsListIndex)
{
    auto f = makeForm(kCombo);
    uitest::showAndActivate(*f);
    auto lst = f->control<ListBox>("lst");
    auto dd = f->control<ComboBox>("ddNumberSys");
    for (const char* mode : {"640 x 480", "800 x 600", "1024 x 768"})
        lst->AddItem(QString::fromLatin1(mode));
    int clicks = 0;
    lst->Click.connect([&] { ++clicks; });
    auto* w = qobject_cast<QListWidget*>(lst->widget());

    // Taking the focus by the keyboard, as a tab into the list does, makes
    // no choice: nothing is highlighted and ListIndex stays -1.
    dd->SetFocus();
    lst->SetFocus();
    ASSERT_TRUE(w->hasFocus());
    EXPECT_EQ(lst->ListIndex(), -1);
    EXPECT_EQ(highlightedRow(w), -1);
    EXPECT_EQ(clicks, 0);

    // The first arrow key chooses the first row.
    QTest::keyClick(w, Qt::Key_Down);
    EXPECT_EQ(lst->ListIndex(), 0);
    EXPECT_EQ(highlightedRow(w), 0);
    EXPECT_EQ(clicks, 1);

    // Code moves the highlight with ListIndex; a refill or Clear selects
    // nothing, and the focus coming back selects nothing either.
    lst->setListIndex(2);
    EXPECT_EQ(highlightedRow(w), 2);
    lst->Clear();
    for (const char* mode : {"640 x 480", "800 x 600"})
        lst->AddItem(QString::fromLatin1(mode));
    EXPECT_EQ(lst->ListIndex(), -1);
    EXPECT_EQ(highlightedRow(w), -1);
    dd->SetFocus();
    lst->SetFocus();
    EXPECT_EQ(lst->ListIndex(), -1);
    EXPECT_EQ(highlightedRow(w), -1);
    EXPECT_EQ(clicks, 2); // the arrow key and ListIndex = 2; Clear raises nothing

    // A control-click on the selected row does not take the selection away.
    lst->setListIndex(1);
    const QPoint row1 = w->viewport()->mapTo(f->widget(), w->visualItemRect(w->item(1)).center());
    QTest::mouseClick(f->widget()->windowHandle(), Qt::LeftButton, Qt::ControlModifier, row1);
    EXPECT_EQ(lst->ListIndex(), 1);
    EXPECT_EQ(highlightedRow(w), 1);

    // The drop-down list too: the focus chooses nothing, the first arrow
    // key chooses the first entry.
    dd->SetFocus();
    EXPECT_EQ(dd->ListIndex(), -1);
    QTest::keyClick(qobject_cast<QComboBox*>(dd->widget()), Qt::Key_Down);
    EXPECT_EQ(dd->ListIndex(), 0);
}

TEST_F(ListsTest, AClickHandlerMayUnloadTheForm)
{
    auto f = makeForm(kCombo);
    f->Load();
    auto dd = f->control<ComboBox>("ddNumberSys");
    dd->Click.connect([&] { f->Unload(); });
    std::weak_ptr<ComboBox> weak = dd;
    dd.reset();
    weak.lock()->setListIndex(0);
    EXPECT_FALSE(f->isLoaded());
}

TEST_F(ListsTest, DropDownComboTakesTypedText)
{
    auto f = makeForm(R"([{"name": "cmb", "type": "ComboBox", "left": 0, "top": 0, "width": 2000, "height": 315,
                           "properties": [["List", "One\nTwo"], ["Text", "Start"]]}])");
    f->Load();
    auto cmb = f->control<ComboBox>("cmb");
    int changes = 0, clicks = 0;
    cmb->Change.connect([&] { ++changes; });
    cmb->Click.connect([&] { ++clicks; });
    EXPECT_EQ(cmb->Style(), 0);
    EXPECT_EQ(cmb->Text(), "Start");
    cmb->setText(QStringLiteral("Three"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(cmb->ListIndex(), -1);
    cmb->setListIndex(1);
    EXPECT_EQ(cmb->Text(), "Two");
    EXPECT_EQ(clicks, 1);
}

// --- The scroll bar ---

constexpr const char* kScroll = R"([
  {"name": "IconScroll", "type": "HScrollBar", "left": 0, "top": 0, "width": 3000, "height": 255,
   "properties": [["Max", 10], ["LargeChange", 3]]}
])";

TEST_F(ListsTest, ScrollBarValueRangeAndChange)
{
    auto f = makeForm(kScroll);
    f->Load();
    auto sb = f->control<HScrollBar>("IconScroll");
    std::vector<int16_t> changes;
    sb->Change.connect([&] { changes.push_back(sb->Value()); });

    EXPECT_EQ(sb->Min(), 0);
    EXPECT_EQ(sb->Max(), 10);
    EXPECT_EQ(sb->SmallChange(), 1);
    EXPECT_EQ(sb->LargeChange(), 3);
    sb->setValue(7);
    sb->setValue(7);
    EXPECT_EQ(changes, std::vector<int16_t>{7});
    EXPECT_EQ(errorOf([&] { sb->setValue(11); }), err::InvalidProperty);
    EXPECT_EQ(errorOf([&] { sb->setValue(-1); }), err::InvalidProperty);
    EXPECT_EQ(errorOf([&] { sb->setSmallChange(0); }), err::InvalidProperty);
    EXPECT_EQ(sb->Value(), 7);

    // A smaller Max pulls the value in and says so.
    sb->setMax(0);
    EXPECT_EQ(sb->Value(), 0);
    EXPECT_EQ(changes, (std::vector<int16_t>{7, 0}));
    sb->setEnabled(false);
    EXPECT_FALSE(sb->widget()->isEnabled());

    // Min above Max: values between them are valid.
    sb->setMin(5);
    EXPECT_EQ(sb->Value(), 0);
    sb->setValue(3);
    EXPECT_EQ(sb->Value(), 3);
    EXPECT_TRUE(qobject_cast<QScrollBar*>(sb->widget())->invertedAppearance());
    EXPECT_EQ(errorOf([&] { sb->setValue(6); }), err::InvalidProperty);
    EXPECT_EQ(sb->getProperty(QStringLiteral("Value")).toLong(), 3);
}

TEST_F(ListsTest, ScrollBarUserMovesRaiseChangeAndADraggedThumbOnceAtTheEnd)
{
    auto f = makeForm(kScroll);
    f->Load();
    auto sb = f->control<HScrollBar>("IconScroll");
    std::vector<int16_t> changes;
    sb->Change.connect([&] { changes.push_back(sb->Value()); });
    auto* w = qobject_cast<QScrollBar*>(sb->widget());

    w->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    w->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(changes, (std::vector<int16_t>{1, 4}));
    w->triggerAction(QAbstractSlider::SliderToMinimum);
    w->triggerAction(QAbstractSlider::SliderSingleStepSub); // already at the end
    EXPECT_EQ(changes, (std::vector<int16_t>{1, 4, 0}));

    changes.clear();
    w->setSliderDown(true);
    w->setValue(5);
    w->setValue(6);
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(sb->Value(), 0);
    w->setSliderDown(false);
    EXPECT_EQ(changes, std::vector<int16_t>{6});
}

// --- The screen pointer while a long call runs ---

TEST_F(ListsTest, ScopedScreenPointerShowsTheHourglassAndPutsBackThePointerOnEveryPath)
{
    {
        ScopedScreenPointer busy;
        EXPECT_EQ(Screen::MousePointer(), 11);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(Screen::MousePointer(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    EXPECT_EQ(errorOf([] {
                  ScopedScreenPointer busy;
                  raise(30001, QStringLiteral("ZorvaneMultimedia"), QStringLiteral("no MIDI output"));
              }),
              30001);
    EXPECT_EQ(Screen::MousePointer(), 0);
    EXPECT_THROW(
        {
            ScopedScreenPointer busy;
            throw std::runtime_error("not a run-time error");
        },
        std::runtime_error);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Nested scopes give back what they found.
    Screen::setMousePointer(13);
    {
        ScopedScreenPointer busy;
        EXPECT_EQ(Screen::MousePointer(), 11);
    }
    EXPECT_EQ(Screen::MousePointer(), 13);
    EXPECT_EQ(errorOf([] { ScopedScreenPointer bad(42); }), err::InvalidProperty);
    EXPECT_EQ(Screen::MousePointer(), 13);
}

// --- Label arrays and fonts from font objects ---

TEST_F(ListsTest, LabelArrayMembersByIndexAndFontsFromDesignAndFromFontObjects)
{
    auto f = makeForm(R"([
      {"name": "lblGeneric", "index": 65, "type": "Label", "left": 0, "top": 0, "width": 2200, "height": 195,
       "properties": [["Caption", "Various System Characteristics:"]]},
      {"name": "lblGeneric", "index": 66, "type": "Label", "left": 0, "top": 300, "width": 2200, "height": 195,
       "properties": [["Caption", "GetMouseScreenCoordinates:"]]},
      {"name": "Label1", "type": "Label", "left": 0, "top": 600, "width": 3000, "height": 330,
       "properties": [["Caption", "ZorvaneSystem Class"], ["Font", {"Name": "Arial", "Size": 14.25, "Bold": true}]]}
    ])");
    f->Load();
    auto labels = f->controlArray<Label>(QStringLiteral("lblGeneric"));
    EXPECT_EQ(labels.Count(), 2);
    EXPECT_EQ(labels(66)->Caption(), "GetMouseScreenCoordinates:");
    EXPECT_EQ(errorOf([&] { labels(67); }), 340);

    auto title = f->control<Label>("Label1");
    EXPECT_EQ(title->FontName(), "Arial");
    EXPECT_DOUBLE_EQ(title->FontSize(), 14.25);
    EXPECT_TRUE(title->FontBold());

    // A font object from elsewhere (a library's title-bar font) is shared.
    FontPtr menu = Font::make(QStringLiteral("Tahoma"), 9);
    labels(65)->setFont(menu);
    EXPECT_EQ(labels(65)->Font(), menu);
    labels(66)->setProperty(QStringLiteral("Font"), Variant(menu));
    EXPECT_EQ(labels(66)->FontName(), "Tahoma");
    EXPECT_EQ(errorOf([&] { labels(66)->setFont(nullptr); }), err::ObjectRequired);
}

} // namespace
