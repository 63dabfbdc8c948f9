// The three file-system lists: the drive list, the folder list and the file
// list. They show and take Windows-style paths ("C:\Windows", "D:\") and
// reach the file system through the drive map and path conversion of
// Paths.h.
//
// A drive that is not in the map, or that has no medium, raises 68 "Device
// unavailable"; a folder that does not exist raises 76 "Path not found". A
// refused value leaves the list as it was, so a handler that traps the error
// keeps showing the previous folder.
#pragma once
#include "Lists.h"

#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace plat {

// The drive list: a drop-down of every drive as "c: [volume]".
class DriveListBox : public TextControl, public KeyEvents, public FocusEvents {
public:
    DriveListBox();
    // Raised when the chosen drive changes, by the user or by code.
    Event<> Change;

    // The chosen drive's list text ("c: [System]").
    QString Drive() const;
    // Chooses a drive by a text that starts with its letter ("d", "d:",
    // "D:\Music", "d: [label]"); 68 for a letter that names no drive. A drive
    // without a medium can be chosen.
    void setDrive(const QString& drive);
    // The chosen drive's letter (upper case).
    QChar driveLetter() const { return letter_; }
    int32_t ListCount() const;
    QString List(int32_t index) const;
    int32_t ListIndex() const;

    Variant getProperty(const QString& name) const override;
    void setProperty(const QString& name, const Variant& value) override;

protected:
    QWidget* createWidget(QWidget* parent) override;
    bool widgetEvent(QWidget* w, QEvent* e) override;
    void sited() override;

private:
    void showDrives();
    void choose(QChar letter);
    QChar letter_;
    bool showing_ = false;
};

// The folder list: the open folder's ancestors from the drive's root, the
// open folder, and its subfolders below it. Double-clicking an entry (or
// Enter on it) opens it.
class DirListBox : public TextControl, public KeyEvents, public FocusEvents {
public:
    DirListBox();
    // Raised when Path changes, by the user or by code.
    Event<> Change;

    // The open folder, no trailing backslash except at a root ("C:\").
    QString Path() const { return path_; }
    // Opens a folder: an absolute path, a bare drive ("D:", that drive's
    // current folder; a drive list's text "d: [label]" is taken the same
    // way), or a path relative to the open folder ("..", "sub").
    // 68 for a drive that is unavailable, 76 for a folder that does not
    // exist.
    void setPath(const QString& path);
    // The open folder's subfolders (names only), in list order.
    const QStringList& subfolders() const { return subfolders_; }
    void Refresh() override;

    Variant getProperty(const QString& name) const override;
    void setProperty(const QString& name, const Variant& value) override;

protected:
    QWidget* createWidget(QWidget* parent) override;
    bool widgetEvent(QWidget* w, QEvent* e) override;
    void sited() override;
    void appearanceChanged() override;

private:
    void readFolder();
    void showFolders();
    void openEntry(int row);
    QString path_;
    QStringList subfolders_;
    QStringList ancestors_; // paths from the root down to the open folder's parent
    bool showing_ = false;
};

// A ";" list of wildcard patterns ("*.ico;*.exe;*.dll") as the file list
// matches names against it, without regard to case: "*" stands for any run of
// characters, "?" for any one; "*.*" is every file, and a pattern ending in
// ".*" also takes a name without an extension ("readme.*" takes "README").
// Made once for a list of patterns and used for every name.
class FilePattern {
public:
    explicit FilePattern(const QString& patterns);
    bool matches(QStringView name) const;

private:
    struct Wildcard {
        std::u32string folded;      // the pattern's characters case-folded; '*' and '?' the wildcards
        bool takesBareName = false; // ends in ".*"
    };
    std::vector<Wildcard> wildcards_;
    bool everyFile_ = false;
};

// The file list: the files of Path whose names match Pattern, in name order
// without regard to case. Pattern is one or more wildcard patterns separated
// by ";" ("*.ico;*.exe;*.dll"), matched without regard to case; "*.*" is
// every file. Names starting with "." are hidden files and not listed.
class FileListBox : public ListControl {
public:
    FileListBox();
    Event<> DblClick;

    // The folder, no trailing backslash except at a root.
    QString Path() const { return path_; }
    // Reads the folder; 68 / 76 as above. The selection goes.
    void setPath(const QString& path);
    QString Pattern() const { return pattern_; }
    void setPattern(const QString& pattern);
    // The selected file's name ("" with none).
    QString FileName() const { return Text(); }
    // A name alone selects that file (raising Click); a name with a folder
    // opens the folder first; a name with wildcards becomes the Pattern.
    void setFileName(const QString& name);
    // Reads the folder again, keeping the selected file when it is still
    // there.
    void Refresh() override;
    // Whether a name matches a ";" list of wildcard patterns.
    static bool matchesPattern(const QString& name, const QString& patterns);

    Variant getProperty(const QString& name) const override;
    void setProperty(const QString& name, const Variant& value) override;

protected:
    QWidget* createWidget(QWidget* parent) override { return createListWidget(parent, DblClick); }
    void showItems() override { showItemsInList(); }
    void showSelection() override { showSelectionInList(); }
    void sited() override;

private:
    void readFiles(const QString& keepSelected);
    QString path_;
    QString pattern_ = QStringLiteral("*.*");
    std::optional<FilePattern> filePattern_; // Pattern made ready at its first name

};

// A Windows-style folder path made whole: "\" separators, "." and ".."
// resolved, no trailing backslash except at a root, the drive letter in upper
// case. `base` resolves a relative path. Shared by the folder and file lists.
QString normalFolderPath(const QString& path, const QString& base);

} // namespace plat
