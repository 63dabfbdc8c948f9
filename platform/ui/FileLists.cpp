#include "FileLists.h"

#include "Paths.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <QVarLengthArray>
#include <algorithm>

namespace plat {

namespace {

// "c:", "c: [System]": a letter, a colon, and after any blanks at most a
// volume name in brackets.
bool isDriveListText(const QString& p)
{
    if (p.size() < 2 || p[0].unicode() > 127 || !p[0].isLetter() || p[1] != u':')
        return false;
    qsizetype i = 2;
    while (i < p.size() && (p[i] == u' ' || (p[i] >= u'\t' && p[i] <= u'\r')))
        ++i;
    return i == p.size() || (p[i] == u'[' && p.endsWith(u']'));
}

// The drive of a folder must be there with a medium in it.
void checkDrive(QChar letter)
{
    const Drive* d = driveFor(letter);
    if (!d || !d->ready)
        raise(err::DeviceUnavailable);
}

// A Windows-style path made whole, the bare drive "D:" taken as that drive's
// current folder; the drive must be ready and the folder must exist.
QString existingFolder(const QString& path, const QString& base)
{
    QString p = path.trimmed();
    // A drive list's text ("c: [System]") names its drive alone.
    if (isDriveListText(p))
        p.truncate(2);
    if (hasDriveLetter(p) && p.size() == 2) {
        checkDrive(p[0]);
        p = currentFolderOn(p[0]);
    }
    const QString folder = normalFolderPath(p, base);
    if (!hasDriveLetter(folder))
        raise(err::PathNotFound);
    checkDrive(folder[0]);
    if (!QFileInfo(toSystemPath(folder)).isDir())
        raise(err::PathNotFound);
    return folder;
}

QString childPath(const QString& folder, const QString& name)
{
    return folder.endsWith(u'\\') ? folder + name : folder + u'\\' + name;
}

// The folder list's 16 x 16 pictures: a closed folder, and an open one with
// its front flap folded down. (The style's own pictures come from the icon
// theme, a search through every theme folder on the machine that would
// hold up the first list shown.)
QIcon folderPicture(bool open)
{
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setPen(QColor(128, 96, 0));
    g.setBrush(open ? QColor(230, 180, 50) : QColor(255, 214, 90));
    g.drawRect(1, 2, 6, 2); // the tab
    g.drawRect(1, 4, open ? 12 : 13, 9);
    if (open) {
        g.setBrush(QColor(255, 230, 140));
        const QPoint flap[] = {{3, 7}, {15, 7}, {13, 13}, {1, 13}};
        g.drawPolygon(flap, 4);
    }
    g.end();
    return QIcon(p);
}

bool nameLess(const QString& a, const QString& b)
{
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

// Draws each folder entry indented by its depth (kept in the item's user
// data), icon and all.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static constexpr int Step = 12; // pixels a level

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem o(option);
        o.rect.adjust(index.data(Qt::UserRole).toInt() * Step, 0, 0, 0);
        QStyledItemDelegate::paint(painter, o, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.rwidth() += index.data(Qt::UserRole).toInt() * Step;
        return s;
    }
};

QString startFolder()
{
    QString cwd = fromSystemPath(QDir::currentPath());
    return normalFolderPath(cwd, cwd);
}
} // namespace

QString normalFolderPath(const QString& path, const QString& base)
{
    QString p = path;
    p.replace(u'/', u'\\');
    QString drive;
    QString rest;
    if (hasDriveLetter(p)) {
        drive = p.left(2).toUpper();
        rest = p.mid(2);
    } else {
        const QString b = QString(base).replace(u'/', u'\\');
        drive = hasDriveLetter(b) ? b.left(2).toUpper() : QStringLiteral("C:");
        rest = p.startsWith(u'\\') ? p : b.mid(hasDriveLetter(b) ? 2 : 0) + u'\\' + p;
    }
    QStringList parts;
    for (const QString& part : rest.split(u'\\', Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (!parts.isEmpty())
                parts.removeLast();
            continue;
        }
        parts << part;
    }
    return drive + u'\\' + parts.join(u'\\');
}

// --- DriveListBox ---

DriveListBox::DriveListBox()
{
    useFieldColours();
}

QWidget* DriveListBox::createWidget(QWidget* parent)
{
    auto* c = new QComboBox(parent);
    QObject::connect(c, &QComboBox::activated, c, [this, self = weakSelf()](int index) {
        auto keep = self.lock();
        if (!keep || showing_ || index < 0 || size_t(index) >= drives().size())
            return;
        choose(drives()[size_t(index)].letter);
    });
    watch(c);
    return c;
}

bool DriveListBox::widgetEvent(QWidget*, QEvent* e)
{
    return routeKeyAndFocusEvent(e, *this, *this);
}

void DriveListBox::sited()
{
    const plat::Drive* d = driveOfSystemPath(QDir::currentPath());
    letter_ = d ? d->letter : QChar(u'C');
    TextControl::sited();
    showDrives();
}

void DriveListBox::showDrives()
{
    auto* c = qobject_cast<QComboBox*>(widget_.data());
    if (!c)
        return;
    showing_ = true;
    c->clear();
    for (const plat::Drive& d : drives())
        c->addItem(d.listText());
    c->setCurrentIndex(ListIndex());
    showing_ = false;
}

void DriveListBox::choose(QChar letter)
{
    if (letter == letter_)
        return;
    letter_ = letter;
    showDrives();
    auto keep = shared_from_this(); // a handler may unload the form
    Change.raise();
}

QString DriveListBox::Drive() const
{
    const plat::Drive* d = driveFor(letter_);
    return d ? d->listText() : QString(letter_.toLower()) + u':';
}

void DriveListBox::setDrive(const QString& drive)
{
    const QString t = drive.trimmed();
    const plat::Drive* d = t.isEmpty() || !t[0].isLetter() ? nullptr : driveFor(t[0]);
    if (!d)
        raise(err::DeviceUnavailable);
    choose(d->letter);
}

int32_t DriveListBox::ListCount() const { return int32_t(drives().size()); }

QString DriveListBox::List(int32_t index) const
{
    return index >= 0 && index < ListCount() ? drives()[size_t(index)].listText() : QString();
}

int32_t DriveListBox::ListIndex() const
{
    const auto& map = drives();
    for (size_t i = 0; i < map.size(); ++i)
        if (map[i].letter == letter_)
            return int32_t(i);
    return -1;
}

Variant DriveListBox::getProperty(const QString& name) const
{
    if (is(name, "Drive"))
        return Variant(Drive());
    if (is(name, "ListCount"))
        return Variant(ListCount());
    if (is(name, "ListIndex"))
        return Variant(ListIndex());
    return TextControl::getProperty(name);
}

void DriveListBox::setProperty(const QString& name, const Variant& value)
{
    if (is(name, "Drive"))
        setDrive(value.toString());
    else
        TextControl::setProperty(name, value);
}

// --- DirListBox ---

DirListBox::DirListBox()
{
    useFieldColours();
}

QWidget* DirListBox::createWidget(QWidget* parent)
{
    auto* w = new QListWidget(parent);
    w->setSelectionMode(QAbstractItemView::SingleSelection);
    w->setItemDelegate(new IndentDelegate(w));
    // A double click opens an entry whatever the style's single-click rule.
    QObject::connect(w, &QListWidget::itemDoubleClicked, w, [this, w, self = weakSelf()](QListWidgetItem* item) {
        if (auto keep = self.lock(); keep && !showing_)
            openEntry(w->row(item));
    });
    watch(w);
    return w;
}

bool DirListBox::widgetEvent(QWidget* w, QEvent* e)
{
    if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)
        return routeFocusEvent(e, *this);
    if (e->type() == QEvent::KeyPress) {
        if (routeKeyEvent(e, *this))
            return true;
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (auto* list = qobject_cast<QListWidget*>(w))
                openEntry(list->currentRow());
            return true;
        }
        return false;
    }
    if (e->type() == QEvent::KeyRelease)
        return routeKeyEvent(e, *this);
    return false;
}

void DirListBox::appearanceChanged()
{
    TextControl::appearanceChanged();
    showFieldBackColor();
}

void DirListBox::sited()
{
    TextControl::sited();
    path_ = startFolder();
    readFolder();
}

void DirListBox::readFolder()
{
    ancestors_.clear();
    // "C:\a\b": "C:\" and "C:\a" above "C:\a\b".
    const QStringList parts = path_.mid(3).split(u'\\', Qt::SkipEmptyParts);
    QString at = path_.left(3);
    for (const QString& part : parts) {
        ancestors_ << at;
        at = childPath(at, part);
    }
    subfolders_ = QDir(toSystemPath(path_)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(subfolders_.begin(), subfolders_.end(), nameLess);
    showFolders();
}

void DirListBox::showFolders()
{
    auto* w = qobject_cast<QListWidget*>(widget_.data());
    if (!w)
        return;
    showing_ = true;
    w->clear();
    const QIcon open = folderPicture(true);
    const QIcon closed = folderPicture(false);
    int depth = 0;
    auto add = [&](const QString& text, const QIcon& icon, int indent) {
        auto* item = new QListWidgetItem(icon, text, w);
        item->setData(Qt::UserRole, indent);
    };
    for (const QString& a : ancestors_) {
        add(depth == 0 ? a : a.mid(a.lastIndexOf(u'\\') + 1), open, depth);
        ++depth;
    }
    add(depth == 0 ? path_ : path_.mid(path_.lastIndexOf(u'\\') + 1), open, depth);
    w->setCurrentRow(depth);
    ++depth;
    for (const QString& s : subfolders_)
        add(s, closed, depth);
    showing_ = false;
}

void DirListBox::openEntry(int row)
{
    const int n = int(ancestors_.size());
    if (row < 0)
        return;
    QString target;
    if (row < n)
        target = ancestors_[row];
    else if (row == n)
        return; // the open folder itself
    else if (row - n - 1 < subfolders_.size())
        target = childPath(path_, subfolders_[row - n - 1]);
    else
        return;
    // A folder that went away since it was listed: show what is there now.
    if (!tryStatement([&] { setPath(target); }))
        readFolder();
}

void DirListBox::setPath(const QString& path)
{
    const QString folder = existingFolder(path, path_);
    const bool changed = folder != path_;
    path_ = folder;
    readFolder();
    if (changed) {
        auto keep = shared_from_this(); // a handler may unload the form
        Change.raise();
    }
}

void DirListBox::Refresh()
{
    readFolder();
    TextControl::Refresh();
}

Variant DirListBox::getProperty(const QString& name) const
{
    if (is(name, "Path"))
        return Variant(path_);
    return TextControl::getProperty(name);
}

void DirListBox::setProperty(const QString& name, const Variant& value)
{
    if (is(name, "Path"))
        setPath(value.toString());
    else
        TextControl::setProperty(name, value);
}

// --- FileListBox ---

FileListBox::FileListBox() = default;

void FileListBox::sited()
{
    path_ = startFolder();
    ListControl::sited();
    readFiles(QString());
}

namespace {

// The characters of a name or pattern, case-folded, into `out`; '*' and '?'
// stay as they are.
template <class Out>
void appendFolded(QStringView text, Out& out)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
        out.push_back(QChar::toCaseFolded(c));
    }
}

// Whether `name` matches the wildcard `pattern` whole: a '*' that fails to
// go on is retried one character further along the name, so the time is at
// most the two lengths multiplied.
bool wildcardMatch(std::u32string_view pattern, std::u32string_view name)
{
    size_t p = 0, n = 0;
    size_t star = std::u32string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == U'*') {
            star = p++;
            resume = n;
        } else if (p < pattern.size() && (pattern[p] == U'?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (star != std::u32string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == U'*')
        ++p;
    return p == pattern.size();
}

} // namespace

FilePattern::FilePattern(const QString& patterns)
{
    for (const QStringView part : QStringView(patterns).tokenize(u';', Qt::SkipEmptyParts)) {
        const QStringView p = part.trimmed();
        if (p.isEmpty())
            continue;
        if (p == u"*.*") {
            everyFile_ = true;
            wildcards_.clear();
            return;
        }
        Wildcard w;
        appendFolded(p, w.folded);
        w.takesBareName = p.endsWith(u".*");
        wildcards_.push_back(std::move(w));
    }
}

bool FilePattern::matches(QStringView name) const
{
    if (everyFile_)
        return true;
    if (wildcards_.empty())
        return false;
    QVarLengthArray<char32_t, 128> folded;
    appendFolded(name, folded);
    const bool bare = !name.contains(u'.');
    folded.push_back(U'.'); // for the patterns that take a bare name
    const std::u32string_view whole(folded.data(), size_t(folded.size()) - 1);
    const std::u32string_view withDot(folded.data(), size_t(folded.size()));
    for (const Wildcard& w : wildcards_)
        if (wildcardMatch(w.folded, whole) || (bare && w.takesBareName && wildcardMatch(w.folded, withDot)))
            return true;
    return false;
}

bool FileListBox::matchesPattern(const QString& name, const QString& patterns)
{
    return FilePattern(patterns).matches(name);
}

void FileListBox::readFiles(const QString& keepSelected)
{
    QStringList names;
    QDirIterator it(toSystemPath(path_), QDir::Files);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (!filePattern_)
            filePattern_.emplace(pattern_);
        if (filePattern_->matches(name))
            names << name;
    }
    std::sort(names.begin(), names.end(), nameLess);
    std::vector<Item> items;
    items.reserve(size_t(names.size()));
    for (const QString& n : names)
        items.push_back(Item{n, 0});
    setItems(std::move(items));
    if (!keepSelected.isEmpty())
        for (int32_t i = 0; i < ListCount(); ++i)
            if (items_[size_t(i)].text == keepSelected) {
                listIndex_ = i;
                showSelection();
            }
}

void FileListBox::setPath(const QString& path)
{
    path_ = existingFolder(path, path_);
    readFiles(QString());
}

void FileListBox::setPattern(const QString& pattern)
{
    const QString p = pattern.isEmpty() ? QStringLiteral("*.*") : pattern;
    if (p != pattern_) {
        pattern_ = p;
        filePattern_.reset();
    }
    readFiles(QString());
}

void FileListBox::setFileName(const QString& name)
{
    QString n = QString(name).replace(u'/', u'\\');
    const int slash = int(n.lastIndexOf(u'\\'));
    if (slash >= 0 || (hasDriveLetter(n) && n.size() == 2)) {
        setPath(slash >= 0 ? n.left(slash + 1) : n);
        n = slash >= 0 ? n.mid(slash + 1) : QString();
    } else if (hasDriveLetter(n)) {
        setPath(n.left(2));
        n = n.mid(2);
    }
    if (n.isEmpty())
        return;
    if (n.contains(u'*') || n.contains(u'?')) {
        setPattern(n);
        return;
    }
    for (int32_t i = 0; i < ListCount(); ++i)
        if (items_[size_t(i)].text.compare(n, Qt::CaseInsensitive) == 0) {
            setListIndex(i);
            return;
        }
    raise(err::FileNotFound);
}

void FileListBox::Refresh()
{
    readFiles(FileName());
    ListControl::Refresh();
}

Variant FileListBox::getProperty(const QString& name) const
{
    if (is(name, "Path"))
        return Variant(path_);
    if (is(name, "Pattern"))
        return Variant(pattern_);
    if (is(name, "FileName"))
        return Variant(FileName());
    return ListControl::getProperty(name);
}

void FileListBox::setProperty(const QString& name, const Variant& value)
{
    if (is(name, "Path"))
        setPath(value.toString());
    else if (is(name, "Pattern"))
        setPattern(value.toString());
    else if (is(name, "FileName"))
        setFileName(value.toString());
    else
        ListControl::setProperty(name, value);
}

} // namespace plat
