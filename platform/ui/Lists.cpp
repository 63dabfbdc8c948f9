#include "Lists.h"

#include "Application.h"
#include "Numbers.h"

#include <QComboBox>
#include <QEvent>
#include <QMouseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>

namespace plat {

namespace {

constexpr int32_t InvalidArrayIndex = 381; // "Invalid property array index"
constexpr int32_t TextReadOnly = 383;      // "'Text' property is read-only"

const Variant& argument(const std::vector<Variant>& args, size_t i)
{
    if (args.size() <= i)
        raise(449); // "Argument not optional"
    return args[i];
}
} // namespace

// --- ListControl ---

ListControl::ListControl()
{
    useFieldColours();
}

void ListControl::sited()
{
    TextControl::sited();
    showItems();
}

void ListControl::appearanceChanged()
{
    TextControl::appearanceChanged();
    showFieldBackColor();
}

bool ListControl::widgetEvent(QWidget* w, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonDblClick && dblClick_ && w != widget_.data()) {
        // The first press of the double click chose the entry already;
        // choose it here too in case that press went elsewhere.
        auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() == Qt::LeftButton) {
            auto keep = shared_from_this();
            if (auto* list = listWidget())
                if (auto* item = list->itemAt(me->position().toPoint()))
                    userSelected(list->row(item), false);
            dblClick_->raise();
        }
        return false;
    }
    return routeKeyAndFocusEvent(e, *this, *this);
}

QString ListControl::List(int32_t index) const
{
    if (index < 0 || index >= ListCount())
        return QString();
    return items_[size_t(index)].text;
}

QString ListControl::Text() const { return List(listIndex_); }

void ListControl::setListIndex(int32_t index)
{
    if (index < -1 || index >= ListCount())
        raise(err::InvalidProperty);
    if (index == listIndex_)
        return;
    listIndex_ = index;
    showSelection();
    selectionChanged();
}

void ListControl::setItems(std::vector<Item> items)
{
    items_ = std::move(items);
    listIndex_ = -1;
    showItems();
}

void ListControl::userSelected(int32_t index, bool raiseWhenSame)
{
    if (showing_ || index < -1 || index >= ListCount())
        return;
    if (index == listIndex_ && !raiseWhenSame)
        return;
    listIndex_ = index;
    selectionChanged();
}

void ListControl::selectionChanged()
{
    auto keep = shared_from_this(); // a handler may unload the form
    Click.raise();
}

Variant ListControl::getProperty(const QString& name) const
{
    if (is(name, "ListCount"))
        return Variant(ListCount());
    if (is(name, "ListIndex"))
        return Variant(listIndex_);
    if (is(name, "Text"))
        return Variant(Text());
    return TextControl::getProperty(name);
}

void ListControl::setProperty(const QString& name, const Variant& value)
{
    if (is(name, "ListIndex"))
        setListIndex(value.toLong());
    else
        TextControl::setProperty(name, value);
}

Variant ListControl::callMethod(const QString& name, const std::vector<Variant>& args)
{
    if (is(name, "List") && args.size() == 1)
        return Variant(List(args[0].toLong()));
    return TextControl::callMethod(name, args);
}

namespace {

// The list widget of the list box and the file list. Its selection, never
// its current row, is the control's: the toolkit makes the first row
// current whenever an unselected list takes the focus, and that is not a
// choice of the user's. With nothing selected nothing is current either,
// so the first arrow key selects the first row.
class SelectionList final : public QListWidget {
public:
    using QListWidget::QListWidget;

    int selectedRow() const
    {
        const QModelIndexList rows = selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }

protected:
    void focusInEvent(QFocusEvent* e) override
    {
        QListWidget::focusInEvent(e);
        if (selectedRow() < 0)
            selectionModel()->clearCurrentIndex();
    }
};

} // namespace

QWidget* ListControl::createListWidget(QWidget* parent, Event<>& dblClick)
{
    auto* w = new SelectionList(parent);
    w->setSelectionMode(QAbstractItemView::SingleSelection);
    w->setUniformItemSizes(true);
    QObject::connect(w, &QListWidget::itemSelectionChanged, w, [this, w, self = weakSelf()] {
        auto keep = self.lock();
        if (!keep || showing_)
            return;
        const int row = w->selectedRow();
        if (row < 0 && listIndex_ >= 0) {
            // A user cannot take the selection away (a control-click on the
            // selected row): it stays where it was.
            showSelectionInList();
            return;
        }
        userSelected(row, false);
    });
    QObject::connect(w, &QListWidget::itemClicked, w, [this, w, self = weakSelf()](QListWidgetItem* item) {
        if (auto keep = self.lock())
            userSelected(w->row(item), false);
    });
    dblClick_ = &dblClick;
    watch(w->viewport()); // double clicks arrive there
    watch(w);
    return w;
}

QListWidget* ListControl::listWidget() const { return qobject_cast<QListWidget*>(widget_.data()); }

void ListControl::showItemsInList()
{
    auto* w = listWidget();
    if (!w)
        return;
    showing_ = true;
    w->clear();
    for (const auto& item : items_)
        w->addItem(item.text);
    w->setCurrentRow(listIndex_);
    showing_ = false;
}

void ListControl::showInsertedInList(int32_t index)
{
    auto* w = listWidget();
    if (!w)
        return;
    showing_ = true;
    w->insertItem(index, items_[size_t(index)].text);
    showing_ = false;
    showSelectionInList();
}

void ListControl::showSelectionInList()
{
    auto* w = listWidget();
    if (!w)
        return;
    showing_ = true;
    w->setCurrentRow(listIndex_);
    if (listIndex_ < 0)
        w->clearSelection();
    else if (auto* item = w->item(listIndex_))
        w->scrollToItem(item);
    showing_ = false;
}

// --- ItemListControl ---

void ItemListControl::checkEntry(int32_t index) const
{
    if (index < 0 || index >= ListCount())
        raise(InvalidArrayIndex, {}, QStringLiteral("Invalid property array index"));
}

void ItemListControl::AddItem(const QString& item, int32_t index)
{
    if (index == -1)
        index = ListCount();
    if (index < 0 || index > ListCount())
        raise(err::InvalidCall);
    items_.insert(items_.begin() + index, Item{item, 0});
    // The selected entry stays selected when an entry goes in before it.
    if (listIndex_ >= index)
        ++listIndex_;
    newIndex_ = index;
    showInserted(index);
}

void ItemListControl::Clear()
{
    items_.clear();
    listIndex_ = -1;
    newIndex_ = -1;
    showItems();
}

void ItemListControl::setList(int32_t index, const QString& text)
{
    checkEntry(index);
    if (text == items_[size_t(index)].text)
        return;
    items_[size_t(index)].text = text;
    showItems();
}

int32_t ItemListControl::ItemData(int32_t index) const
{
    checkEntry(index);
    return items_[size_t(index)].data;
}

void ItemListControl::setItemData(int32_t index, int32_t value)
{
    checkEntry(index);
    items_[size_t(index)].data = value;
}

Variant ItemListControl::getProperty(const QString& name) const
{
    if (is(name, "NewIndex"))
        return Variant(newIndex_);
    return ListControl::getProperty(name);
}

Variant ItemListControl::callMethod(const QString& name, const std::vector<Variant>& args)
{
    if (is(name, "AddItem")) {
        AddItem(argument(args, 0).toString(), args.size() > 1 && !args[1].isMissing() ? args[1].toLong() : -1);
        return {};
    }
    if (is(name, "Clear")) {
        Clear();
        return {};
    }
    if (is(name, "List") && args.size() == 2) {
        setList(args[0].toLong(), args[1].toString());
        return {};
    }
    if (is(name, "ItemData")) {
        const int32_t index = argument(args, 0).toLong();
        if (args.size() == 2) {
            setItemData(index, args[1].toLong());
            return {};
        }
        return Variant(ItemData(index));
    }
    return ListControl::callMethod(name, args);
}

void ItemListControl::applyDesignProperty(const QString& name, const Variant& value)
{
    if (is(name, "List")) {
        Clear();
        const QString text = value.toString();
        if (!text.isEmpty())
            for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r?\n"))))
                AddItem(line);
        newIndex_ = -1;
    } else if (is(name, "ItemData")) {
        const QStringList parts =
            value.toString().split(QRegularExpression(QStringLiteral("[\r\n,]+")), Qt::SkipEmptyParts);
        for (int i = 0; i < parts.size() && i < ListCount(); ++i)
            items_[size_t(i)].data = CLng(Variant(parts[i].trimmed()));
    } else {
        ListControl::applyDesignProperty(name, value);
    }
}

// --- ComboBox ---

QWidget* ComboBox::createWidget(QWidget* parent)
{
    auto* c = new QComboBox(parent);
    c->setEditable(style_ != 2);
    c->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(c, &QComboBox::activated, c, [this, self = weakSelf()](int index) {
        if (auto keep = self.lock())
            userSelected(index, true);
    });
    if (auto* edit = c->lineEdit()) {
        QObject::connect(edit, &QLineEdit::textEdited, edit, [this, self = weakSelf()](const QString& t) {
            auto keep = self.lock();
            if (!keep || showing_ || t == editText_)
                return;
            editText_ = t;
            Change.raise();
        });
        watch(edit); // the editor has the keys and the focus
    } else {
        watch(c);
    }
    return c;
}

void ComboBox::showItems()
{
    auto* c = qobject_cast<QComboBox*>(widget_.data());
    if (!c)
        return;
    showing_ = true;
    c->clear();
    for (const auto& item : items_)
        c->addItem(item.text);
    showing_ = false;
    showSelection();
}

void ComboBox::showInserted(int32_t index)
{
    auto* c = qobject_cast<QComboBox*>(widget_.data());
    if (!c)
        return;
    showing_ = true;
    c->insertItem(index, items_[size_t(index)].text);
    showing_ = false;
    showSelection();
}

void ComboBox::showSelection()
{
    auto* c = qobject_cast<QComboBox*>(widget_.data());
    if (!c)
        return;
    showing_ = true;
    c->setCurrentIndex(listIndex_);
    if (c->lineEdit())
        c->lineEdit()->setText(editText_);
    showing_ = false;
}

void ComboBox::selectionChanged()
{
    if (style_ != 2 && listIndex_ >= 0) {
        editText_ = items_[size_t(listIndex_)].text;
        showSelection();
    }
    ListControl::selectionChanged();
}

QString ComboBox::Text() const { return style_ == 2 ? ListControl::Text() : editText_; }

void ComboBox::setText(const QString& t)
{
    if (style_ != 2) {
        if (t == editText_)
            return;
        editText_ = t;
        showSelection();
        auto keep = shared_from_this();
        Change.raise();
        return;
    }
    for (int32_t i = 0; i < ListCount(); ++i)
        if (items_[size_t(i)].text.compare(t, Qt::CaseInsensitive) == 0) {
            setListIndex(i);
            return;
        }
    raise(TextReadOnly, {}, QStringLiteral("'Text' property is read-only"));
}

Variant ComboBox::getProperty(const QString& name) const
{
    if (is(name, "Style"))
        return Variant(style_);
    return ItemListControl::getProperty(name);
}

void ComboBox::setProperty(const QString& name, const Variant& value)
{
    if (is(name, "Text"))
        setText(value.toString());
    else if (is(name, "Style"))
        raise(382, {}, QStringLiteral("'Style' property cannot be set at run time"));
    else
        ItemListControl::setProperty(name, value);
}

void ComboBox::applyDesignProperty(const QString& name, const Variant& value)
{
    if (is(name, "Style")) {
        const int16_t s = value.toInteger();
        if (s < 0 || s > 2)
            raise(err::InvalidProperty);
        style_ = s;
        if (auto* c = qobject_cast<QComboBox*>(widget_.data())) {
            // The editor comes and goes with the style; make the widget again.
            QWidget* parent = c->parentWidget();
            const bool visible = !c->isHidden();
            const bool enabled = c->isEnabled();
            const auto policy = c->focusPolicy();
            const QString objectName = c->objectName();
            c->hide();
            deleteWhenIdle(c);
            widget_ = createWidget(parent);
            widget_->setObjectName(objectName);
            widget_->setFocusPolicy(policy);
            widget_->setEnabled(enabled);
            applyGeometry();
            widget_->setVisible(visible);
            appearanceChanged();
            showItems();
        }
    } else if (is(name, "Text")) {
        if (style_ != 2)
            editText_ = value.toString();
        showSelection();
    } else {
        ItemListControl::applyDesignProperty(name, value);
    }
}

} // namespace plat
