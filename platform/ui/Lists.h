// The list controls: the combo box and the list box (and, in FileLists.h,
// the file list built on the same base). Each keeps an ordered list of
// entries and one selected entry (ListIndex, -1 for none).
//
// Click is raised when the user chooses an entry and when code sets
// ListIndex to another value; setting it to the value it has raises nothing.
// Filling or clearing the list raises nothing. Indexes count from 0:
//   - ListIndex out of -1..ListCount-1 raises 380 "Invalid property value";
//   - AddItem at an index beyond ListCount raises 5 "Invalid procedure call or
//     argument";
//   - ItemData(i), and List(i) when set, raise 381 "Invalid property array
//     index" for an index that names no entry; List(i) read there gives "".
#pragma once
#include "TextControl.h"

#include <vector>

class QListWidget;

namespace plat {

// What every list shows and the selection in it.
class ListControl : public TextControl, public KeyEvents, public FocusEvents {
public:
    Event<> Click;

    int32_t ListCount() const { return int32_t(items_.size()); }
    QString List(int32_t index) const;
    int32_t ListIndex() const { return listIndex_; }
    void setListIndex(int32_t index);
    // The selected entry's text ("" with no selection).
    virtual QString Text() const;

    Variant getProperty(const QString& name) const override;
    void setProperty(const QString& name, const Variant& value) override;
    // "List"(i) reads an entry.
    Variant callMethod(const QString& name, const std::vector<Variant>& args = {}) override;

protected:
    ListControl();
    struct Item {
        QString text;
        int32_t data = 0;
    };
    // Replaces the entries; the selection goes (without Click).
    void setItems(std::vector<Item> items);
    // The widget shows the entries again / the selection again.
    virtual void showItems() = 0;
    virtual void showSelection() = 0;
    // The widget shows one entry put in at `index` (and the selection).
    virtual void showInserted(int32_t index) { showItems(); }
    // The user chose entry `index` (-1 none) in the widget; with
    // `raiseWhenSame` a choice of the selected entry raises Click again.
    void userSelected(int32_t index, bool raiseWhenSame);
    // The selection changed, by code or by the user; raises Click.
    virtual void selectionChanged();
    void sited() override;
    bool widgetEvent(QWidget* w, QEvent* e) override;
    void appearanceChanged() override;

    // The list-box look, shared by the list box and the file list: a
    // one-column list whose double click raises `dblClick`.
    QWidget* createListWidget(QWidget* parent, Event<>& dblClick);
    void showItemsInList();
    void showSelectionInList();
    void showInsertedInList(int32_t index);
    QListWidget* listWidget() const;

    std::vector<Item> items_;
    int32_t listIndex_ = -1;
    bool showing_ = false; // the widget is being updated by code

private:
    Event<>* dblClick_ = nullptr;
};

// A list whose entries code adds: AddItem, Clear, ItemData, NewIndex. The
// design data may give the entries as "List", one entry a line, and their
// item data as "ItemData", whole numbers separated by line breaks or commas.
class ItemListControl : public ListControl {
public:
    // Adds an entry at `index`, or at the end when index is -1.
    void AddItem(const QString& item, int32_t index = -1);
    // Removes every entry; ListIndex and NewIndex become -1.
    void Clear();
    void setList(int32_t index, const QString& text);
    int32_t ItemData(int32_t index) const;
    void setItemData(int32_t index, int32_t value);
    // The index of the entry added last (-1 before any, and after Clear).
    int32_t NewIndex() const { return newIndex_; }

    Variant getProperty(const QString& name) const override;
    // "AddItem"(text[, index]), "Clear", "List"(i), "ItemData"(i), and
    // "List"(i, text) / "ItemData"(i, value) to set one.
    Variant callMethod(const QString& name, const std::vector<Variant>& args = {}) override;
    void applyDesignProperty(const QString& name, const Variant& value) override;

private:
    void checkEntry(int32_t index) const;
    int32_t newIndex_ = -1;
};

// The combo box. Style 2 is the drop-down list: the user can only choose an
// entry, and Text is the chosen entry's text. Styles 0 (drop-down combo) and
// 1 (simple combo) let the user type a text of their own as well; typing
// raises Change.
class ComboBox : public ItemListControl {
public:
    Event<> Change;

    // 0 drop-down combo, 1 simple combo, 2 drop-down list (design time).
    int16_t Style() const { return style_; }
    QString Text() const override;
    // Style 2: selects the entry of that text (without regard to case),
    // raising Click; a text that is no entry raises 383 "'Text' property is
    // read-only". Other styles take any text.
    void setText(const QString& t);

    Variant getProperty(const QString& name) const override;
    void setProperty(const QString& name, const Variant& value) override;
    void applyDesignProperty(const QString& name, const Variant& value) override;

protected:
    QWidget* createWidget(QWidget* parent) override;
    void showItems() override;
    void showSelection() override;
    void showInserted(int32_t index) override;
    void selectionChanged() override;

private:
    int16_t style_ = 0;
    QString editText_; // the text of styles 0 and 1
};

// The list box. A double click on an entry raises DblClick after the Click of
// its first press.
class ListBox : public ItemListControl {
public:
    Event<> DblClick;

protected:
    QWidget* createWidget(QWidget* parent) override { return createListWidget(parent, DblClick); }
    void showItems() override { showItemsInList(); }
    void showSelection() override { showSelectionInList(); }
    void showInserted(int32_t index) override { showInsertedInList(index); }
};

} // namespace plat
