// The drive, folder and file lists over a drive map of the test's own: C: the
// root, D: a temporary folder standing for a stick, E: an empty CD drive.
#include "UiTestSupport.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QComboBox>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <map>
#include <random>
#include <set>

using namespace plat;
using uitest::errorOf;
using uitest::makeForm;

namespace {

void touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

class FileListsTest : public uitest::UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        ASSERT_TRUE(stick.isValid());
        root = QDir(stick.path()).canonicalPath();
        QDir(root).mkpath("Windows/Media");
        QDir(root).mkpath("Windows/System");
        QDir(root).mkpath("Windows/.hidden");
        QDir(root).mkpath("alpha");
        touch(root + "/Windows/Media/Chimes.WAV");
        touch(root + "/Windows/Media/ding.wav");
        touch(root + "/Windows/Media/notes.txt");
        touch(root + "/Windows/Media/.secret.wav");
        touch(root + "/Windows/explorer.exe");
        touch(root + "/Windows/Shell32.DLL");
        touch(root + "/Windows/app.ico");
        touch(root + "/Windows/README");
        Drive c{u'C', "/", "", "", "", DriveKind::Fixed, true, "", ""};
        Drive d{u'D', root, "/dev/sdb1", "sdb1", "vfat", DriveKind::Removable, true, "STICK", ""};
        Drive e{u'E', "", "/dev/sr0", "sr0", "", DriveKind::Optical, false, "", ""};
        installDriveMap({c, d, e});
    }
    void TearDown() override
    {
        resetDriveMap();
        UiTest::TearDown();
    }

    std::shared_ptr<uitest::LoggingForm> filesForm()
    {
        auto f = makeForm(R"([
          {"name": "Drive1", "type": "DriveListBox", "left": 0, "top": 0, "width": 2500, "height": 315},
          {"name": "Dir1", "type": "DirListBox", "left": 0, "top": 400, "width": 2500, "height": 1800},
          {"name": "File1", "type": "FileListBox", "left": 0, "top": 2300, "width": 2500, "height": 1800,
           "properties": [["Pattern", "*.wav"]]}
        ])");
        f->Load();
        return f;
    }

    QTemporaryDir stick;
    QString root;
};

TEST_F(FileListsTest, DriveListShowsEveryDriveAndChoosesByLetter)
{
    auto f = filesForm();
    auto drive = f->control<DriveListBox>("Drive1");
    int changes = 0;
    drive->Change.connect([&] { ++changes; });
    EXPECT_EQ(drive->Drive(), "c:"); // the working folder is on C:
    auto* box = qobject_cast<QComboBox*>(drive->widget());
    ASSERT_EQ(box->count(), 3);
    EXPECT_EQ(box->itemText(1), "d: [STICK]");
    EXPECT_EQ(drive->List(2), "e:");

    drive->setDrive("d");
    EXPECT_EQ(drive->Drive(), "d: [STICK]");
    EXPECT_EQ(changes, 1);
    drive->setDrive("D:");
    EXPECT_EQ(changes, 1); // the same drive
    drive->setDrive("e:\\"); // a drive without a medium can be chosen
    EXPECT_EQ(drive->driveLetter(), QChar('E'));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(errorOf([&] { drive->setDrive("q:"); }), err::DeviceUnavailable);
    EXPECT_EQ(errorOf([&] { drive->setDrive(""); }), err::DeviceUnavailable);
    EXPECT_EQ(drive->driveLetter(), QChar('E'));

    emit box->activated(0); // the user picks C:
    EXPECT_EQ(drive->Drive(), "c:");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(drive->getProperty("ListIndex").toLong(), 0);
}

TEST_F(FileListsTest, FolderListOpensFoldersAndRefusesUnavailableDrivesAndMissingFolders)
{
    auto f = filesForm();
    auto dir = f->control<DirListBox>("Dir1");
    int changes = 0;
    dir->Change.connect([&] { ++changes; });

    dir->setPath("D:\\Windows\\");
    EXPECT_EQ(dir->Path(), "D:\\Windows");
    EXPECT_EQ(dir->subfolders(), (QStringList{"Media", "System"})); // no hidden folder
    EXPECT_EQ(changes, 1);
    auto* w = qobject_cast<QListWidget*>(dir->widget());
    ASSERT_EQ(w->count(), 4); // D:\, Windows, Media, System
    EXPECT_EQ(w->item(0)->text(), "D:\\");
    EXPECT_EQ(w->item(1)->text().trimmed(), "Windows");
    EXPECT_EQ(w->currentRow(), 1);

    dir->setPath("d:\\windows\\..\\Windows");
    EXPECT_EQ(changes, 1); // the same folder
    dir->setPath("Media");
    EXPECT_EQ(dir->Path(), "D:\\Windows\\Media");
    dir->setPath("..\\..");
    EXPECT_EQ(dir->Path(), "D:\\");
    EXPECT_EQ(changes, 3);

    // Failures keep the folder shown.
    EXPECT_EQ(errorOf([&] { dir->setPath("E:"); }), err::DeviceUnavailable);
    EXPECT_EQ(errorOf([&] { dir->setPath("E:\\setup"); }), err::DeviceUnavailable);
    EXPECT_EQ(errorOf([&] { dir->setPath("Q:\\"); }), err::DeviceUnavailable);
    EXPECT_EQ(errorOf([&] { dir->setPath("D:\\NoSuchFolder"); }), err::PathNotFound);
    EXPECT_EQ(errorOf([&] { dir->setPath("D:\\Windows\\README"); }), err::PathNotFound);
    EXPECT_EQ(dir->Path(), "D:\\");
    EXPECT_EQ(changes, 3);

    // A bare drive goes to its current folder: the root for a drive that
    // does not hold the working folder.
    dir->setPath("D:\\Windows");
    dir->setPath("D:");
    EXPECT_EQ(dir->Path(), "D:\\");
    dir->setPath("D:\\Windows");
    dir->setPath("d: [STICK]"); // the drive list's text
    EXPECT_EQ(dir->Path(), "D:\\");
    dir->setPath("D:\\Windows");
    dir->setPath("d:[STICK]");
    EXPECT_EQ(dir->Path(), "D:\\");
    // Not a drive list's text: a folder of that name, which is not there.
    EXPECT_FALSE(tryStatement([&] { dir->setPath("d: [STICK"); }));
    EXPECT_EQ(Err::number(), 76);
    EXPECT_EQ(dir->Path(), "D:\\");
    // The trapped failure as the demos' drive-change handlers see it.
    Err::clear();
    EXPECT_FALSE(tryStatement([&] { dir->setProperty("Path", Variant("E:")); }));
    EXPECT_EQ(Err::number(), 68);
    EXPECT_EQ(Err::last().description, "Device unavailable");
}

TEST_F(FileListsTest, DoubleClickingAFolderOpensIt)
{
    auto f = filesForm();
    auto dir = f->control<DirListBox>("Dir1");
    dir->setPath("D:\\Windows");
    QStringList paths;
    dir->Change.connect([&] { paths << dir->Path(); });
    auto* w = qobject_cast<QListWidget*>(dir->widget());
    emit w->itemDoubleClicked(w->item(3)); // System
    emit w->itemDoubleClicked(w->item(0)); // D:\ at the top
    EXPECT_EQ(paths, (QStringList{"D:\\Windows\\System", "D:\\"}));
    w->setCurrentRow(2); // D:\, alpha, Windows: Enter on Windows
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &enter);
    EXPECT_EQ(paths.last(), "D:\\Windows");
}

TEST_F(FileListsTest, FileListFollowsPathAndPatternWithoutRegardToCase)
{
    auto f = filesForm();
    auto file = f->control<FileListBox>("File1");
    file->setPath("D:\\Windows\\Media");
    EXPECT_EQ(file->ListCount(), 2);
    EXPECT_EQ(file->List(0), "Chimes.WAV");
    EXPECT_EQ(file->List(1), "ding.wav");
    EXPECT_EQ(file->ListIndex(), -1);
    EXPECT_EQ(file->FileName(), "");

    file->setPath("D:\\Windows");
    file->setPattern("*.ico;*.exe;*.dll");
    EXPECT_EQ(file->ListCount(), 3);
    EXPECT_EQ(file->List(0), "app.ico");
    EXPECT_EQ(file->List(2), "Shell32.DLL");
    file->setPattern("*.*");
    EXPECT_EQ(file->ListCount(), 4); // README without an extension too

    EXPECT_EQ(errorOf([&] { file->setPath("E:\\"); }), err::DeviceUnavailable);
    EXPECT_EQ(file->Path(), "D:\\Windows");
    EXPECT_EQ(file->ListCount(), 4);

    EXPECT_TRUE(FileListBox::matchesPattern("README", "readme.*"));
    EXPECT_TRUE(FileListBox::matchesPattern("Chimes.WAV", "*.wav"));
    EXPECT_TRUE(FileListBox::matchesPattern("a.b", " *.x ; a.? "));
    EXPECT_FALSE(FileListBox::matchesPattern("ding.wave", "*.wav"));
    EXPECT_FALSE(FileListBox::matchesPattern("x", ""));
}

TEST_F(FileListsTest, FileSelectionRaisesClickAndARefreshKeepsIt)
{
    auto f = filesForm();
    auto file = f->control<FileListBox>("File1");
    file->setPath("D:\\Windows\\Media");
    QStringList log;
    file->Click.connect([&] { log << "Click " + file->FileName(); });
    file->DblClick.connect([&] { log << "DblClick " + file->FileName(); });

    file->setListIndex(1);
    file->setFileName("CHIMES.wav");
    EXPECT_EQ(log, (QStringList{"Click ding.wav", "Click Chimes.WAV"}));
    EXPECT_EQ(errorOf([&] { file->setFileName("missing.wav"); }), err::FileNotFound);

    touch(root + "/Windows/Media/alarm.wav");
    file->Refresh();
    EXPECT_EQ(file->ListCount(), 3);
    EXPECT_EQ(file->FileName(), "Chimes.WAV");
    EXPECT_EQ(file->ListIndex(), 1);
    EXPECT_EQ(log.size(), 2); // no Click for the refresh

    // A name with a folder opens it; a wildcard becomes the pattern.
    file->setFileName("D:\\Windows\\*.exe");
    EXPECT_EQ(file->Path(), "D:\\Windows");
    EXPECT_EQ(file->Pattern(), "*.exe");
    EXPECT_EQ(file->ListCount(), 1);
}

TEST_F(FileListsTest, DriveFolderAndFileListsChainedAsTheDemosDo)
{
    auto f = filesForm();
    auto drive = f->control<DriveListBox>("Drive1");
    auto dir = f->control<DirListBox>("Dir1");
    auto file = f->control<FileListBox>("File1");
    QStringList boxes;
    drive->Change.connect([&] {
        Err::clear();
        if (!tryStatement([&] { dir->setPath(drive->Drive().left(1) + ":"); })) {
            boxes << "Drive Not Ready";
            return;
        }
        file->setPath(dir->Path());
    });
    dir->Change.connect([&] { file->setPath(dir->Path()); });

    drive->setDrive("d");
    EXPECT_EQ(dir->Path(), "D:\\");
    dir->setPath("D:\\Windows\\Media");
    EXPECT_EQ(file->ListCount(), 2);
    drive->setDrive("e");
    EXPECT_EQ(boxes, QStringList{"Drive Not Ready"});
    EXPECT_EQ(drive->driveLetter(), QChar('E')); // the list keeps the new drive
    EXPECT_EQ(dir->Path(), "D:\\Windows\\Media");
    EXPECT_EQ(file->ListCount(), 2);

    EXPECT_EQ(QString(file->Path() + "\\" + file->List(0)), "D:\\Windows\\Media\\Chimes.WAV");
    EXPECT_EQ(toSystemPath(file->Path() + "\\" + file->List(0)), root + "/Windows/Media/Chimes.WAV");
}

// The matching the file list always had, one regular expression for each
// pattern and name: the reference the wildcard matcher is held to. (It took
// the pattern's characters whole; see the test of characters beyond 16 bits.)
bool matchesByExpression(const QString& name, const QString& patterns)
{
    for (QString p : patterns.split(u';', Qt::SkipEmptyParts)) {
        p = p.trimmed();
        if (p.isEmpty())
            continue;
        if (p == QLatin1String("*.*"))
            return true;
        QString expression;
        for (char32_t c : p.toUcs4())
            expression += c == U'*'   ? QStringLiteral(".*")
                          : c == U'?' ? QStringLiteral(".")
                                      : QRegularExpression::escape(QString::fromUcs4(&c, 1));
        const QRegularExpression re(QRegularExpression::anchoredPattern(expression),
                                    QRegularExpression::CaseInsensitiveOption);
        if (re.match(name).hasMatch())
            return true;
        if (p.endsWith(QLatin1String(".*")) && !name.contains(u'.') && re.match(name + u'.').hasMatch())
            return true;
    }
    return false;
}

QString text(std::initializer_list<char32_t> codePoints)
{
    return QString::fromUcs4(std::data(codePoints), qsizetype(codePoints.size()));
}

TEST(FilePattern, EveryCasedCharacterMatchesItsOtherCasesAsTheExpressionDid)
{
    // Every character that has another case, against each of its cases and
    // every character that folds as it does, in the middle of a name.
    std::map<char32_t, std::vector<char32_t>> byFold;
    std::vector<char32_t> cased;
    for (char32_t c = 1; c <= 0x10FFFF; ++c) {
        if (QChar::isSurrogate(c) || c == U'*' || c == U'?' || c == U';')
            continue;
        if (QChar::toCaseFolded(c) != c || QChar::toUpper(c) != c || QChar::toLower(c) != c ||
            QChar::toTitleCase(c) != c) {
            cased.push_back(c);
            byFold[QChar::toCaseFolded(c)].push_back(c);
        }
    }
    ASSERT_GT(cased.size(), 2000u);
    int compared = 0;
    QStringList differ;
    for (char32_t c : cased) {
        std::set<char32_t> others{QChar::toUpper(c), QChar::toLower(c), QChar::toTitleCase(c),
                                  QChar::toCaseFolded(c), U'x'};
        const auto& fold = byFold[QChar::toCaseFolded(c)];
        others.insert(fold.begin(), fold.end());
        const QString pattern = text({U'a', c, U'?', U'*'});
        for (char32_t o : others) {
            const QString name = text({U'A', o, o, U'b'});
            ++compared;
            if (FileListBox::matchesPattern(name, pattern) != matchesByExpression(name, pattern))
                differ << QStringLiteral("%1/%2").arg(uint(c), 0, 16).arg(uint(o), 0, 16);
        }
    }
    EXPECT_GT(compared, 5000);
    EXPECT_EQ(differ.mid(0, 20), QStringList());
}

TEST(FilePattern, WildcardsAndListsMatchAsTheExpressionDid)
{
    // Names and pattern lists drawn at random from characters that try the
    // wildcards' backtracking, case folding beyond ASCII and characters
    // outside the 16-bit range.
    const char32_t nameChars[] = {U'a', U'A', U'b', U'.', U'\u00e9', U'\u00c9', U'\u00df', U'\u1e9e', U'*', U'?',
                                  U'\U00010400', U'\U00010428', U'k', U'\u212a', U' '};
    const char32_t patternChars[] = {U'a', U'B', U'.', U'.', U'*', U'*', U'?', U'\u00c9', U'\u1e9e',
                                     U'\U00010428', U'K', U';', U' '};
    std::mt19937 random(20240611);
    auto draw = [&random](const auto& chars, int maxLength) {
        std::u32string s(size_t(random() % unsigned(maxLength + 1)), U' ');
        for (char32_t& c : s)
            c = chars[random() % std::size(chars)];
        return QString::fromUcs4(s.data(), qsizetype(s.size()));
    };
    int matched = 0;
    QStringList differ;
    for (int i = 0; i < 20000; ++i) {
        const QString name = draw(nameChars, 9);
        const QString patterns = draw(patternChars, 7);
        const bool expected = matchesByExpression(name, patterns);
        matched += expected;
        if (FileListBox::matchesPattern(name, patterns) != expected)
            differ << QStringLiteral("'%1' ~ '%2'").arg(name, patterns);
    }
    EXPECT_GT(matched, 1000); // the draw gives matches as well as misses
    EXPECT_EQ(differ.mid(0, 20), QStringList());

    // The cases the list relies on, one by one.
    EXPECT_TRUE(FileListBox::matchesPattern("*ab", "*b"));
    EXPECT_TRUE(FileListBox::matchesPattern("aXbXc", "a*b*c"));
    EXPECT_FALSE(FileListBox::matchesPattern("aXbXd", "a*b*c"));
    EXPECT_TRUE(FileListBox::matchesPattern("Makefile", "makefile.*;*.txt"));
    EXPECT_FALSE(FileListBox::matchesPattern("Makefile", "makefile.?"));
    EXPECT_TRUE(FileListBox::matchesPattern("anything", " ; *.* "));
    EXPECT_FALSE(FileListBox::matchesPattern("anything", " ; ; "));
}

TEST(FilePattern, CharactersBeyondSixteenBitsMatchLikeAnyOther)
{
    // Such a character in a pattern once made it match no name at all.
    const QString lower = text({U'\U00010428', U'.', U'w', U'a', U'v'});
    const QString upper = text({U'\U00010400', U'.', U'W', U'A', U'V'});
    EXPECT_TRUE(FileListBox::matchesPattern(lower, lower));
    EXPECT_TRUE(FileListBox::matchesPattern(upper, lower));
    EXPECT_TRUE(FileListBox::matchesPattern(lower, text({U'?', U'.', U'*'})));
    EXPECT_TRUE(FileListBox::matchesPattern(text({U'\U0001F3B5', U'.', U'w', U'a', U'v'}), text({U'\U0001F3B5', U'*'})));
    EXPECT_FALSE(FileListBox::matchesPattern(text({U'\U0001F3B5', U'\U0001F3B5'}), text({U'?'})));
}

TEST(FilePattern, AWildcardTakesLineBreaksInANameAsAnyOtherCharacter)
{
    // A file's name may hold a line break; "*.*" always listed it, and the
    // other patterns now take it as well.
    for (const char16_t breakChar : {u'\n', u'\r', u'\u2028'}) {
        const QString name = QStringLiteral("notes") + QChar(breakChar) + QStringLiteral("old.txt");
        EXPECT_TRUE(FileListBox::matchesPattern(name, "*.*"));
        EXPECT_TRUE(FileListBox::matchesPattern(name, "*.txt"));
        EXPECT_TRUE(FileListBox::matchesPattern(name, "notes?old.*"));
        EXPECT_FALSE(FileListBox::matchesPattern(name, "notes?.txt"));
    }
}

TEST_F(FileListsTest, FolderPathsAreMadeWhole)
{
    EXPECT_EQ(normalFolderPath("d:/a/./b/../c\\", ""), "D:\\a\\c");
    EXPECT_EQ(normalFolderPath("..\\..\\..", "C:\\x"), "C:\\");
    EXPECT_EQ(normalFolderPath("\\top", "D:\\x\\y"), "D:\\top");
    EXPECT_EQ(normalFolderPath("sub", "D:\\"), "D:\\sub");
    EXPECT_EQ(normalFolderPath("C:", ""), "C:\\");
}

} // namespace
