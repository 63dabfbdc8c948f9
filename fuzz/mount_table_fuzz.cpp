// The drive map's reading of the mount table, against a plain reading of the
// same table done here.
//
// The first byte chooses how the rest is used:
//  - even: the bytes are the table itself (mountinfo or mounts lines, any
//    damage). Every drive of the map must come from one line of the table,
//    its names decoded as the kernel escapes them, and the map must keep its
//    shape (C: the root, then the other drives in the order of their mount
//    points, each point once, then the drives without a medium).
//  - odd: the bytes describe a well-formed table of up to two thousand
//    real mounts with escaped, long and repeated names, mixed with lines the
//    map must pass over; the whole map is known in advance and must come
//    out exactly.
#include "FuzzSupport.h"

#include <Paths.h>

#include <QStringList>
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// ---- the plain reading ----------------------------------------------------

// A field as the kernel writes it: a blank, tab, line feed or backslash
// in it is a backslash and three octal digits.
QString decodeField(const std::string& field)
{
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        const auto octal = [&](size_t k) { return k < field.size() && field[k] >= '0' && field[k] <= '7'; };
        if (field[i] == '\\' && octal(i + 1) && octal(i + 2) && octal(i + 3)) {
            out.push_back(char(((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0')) & 0xFF));
            i += 3;
        } else {
            out.push_back(field[i]);
        }
    }
    return QString::fromUtf8(out.data(), qsizetype(out.size()));
}

struct Line {
    QString mountPoint, fsType, source;
};

// Every reading a line allows: as mountinfo (the fields after " - " name
// the type and source) and as mounts (source, point, type first).
std::vector<Line> readingsOf(const std::string& line)
{
    std::vector<std::string> f;
    size_t at = 0;
    while (at < line.size()) {
        const size_t end = std::min(line.find(' ', at), line.size());
        if (end > at)
            f.push_back(line.substr(at, end - at));
        at = end + 1;
    }
    std::vector<Line> out;
    if (f.size() >= 3)
        out.push_back({decodeField(f[1]), QString::fromUtf8(f[2].data(), qsizetype(f[2].size())), decodeField(f[0])});
    for (size_t dash = 0; dash + 2 < f.size(); ++dash)
        if (f[dash] == "-" && f.size() > 4)
            out.push_back({decodeField(f[4]), QString::fromUtf8(f[dash + 1].data(), qsizetype(f[dash + 1].size())),
                           decodeField(f[dash + 2])});
    return out;
}

bool isUnder(const QString& path, const char* folder)
{
    const QString f = QLatin1String(folder);
    return path == f || path.startsWith(f + u'/');
}

// Checks that hold for any table.
void checkShape(const std::vector<plat::Drive>& map, const std::vector<Line>& lines, bool anyNotReady)
{
    ZG_FUZZ_CHECK(!map.empty() && map.size() <= 24, "the map holds C: and at most 23 more");
    ZG_FUZZ_CHECK(map[0].letter == QChar(u'C') && map[0].mountPoint == QLatin1String("/"), "C: is the root");
    for (size_t i = 0; i < map.size(); ++i)
        ZG_FUZZ_CHECK(map[i].letter == QChar(char16_t(u'C' + i)), "letters follow one another from C:");
    bool rootFound = map[0].source.isEmpty() && map[0].fsType.isEmpty();
    for (const Line& l : lines)
        rootFound = rootFound || (l.mountPoint == QLatin1String("/") && l.source == map[0].source && l.fsType == map[0].fsType);
    ZG_FUZZ_CHECK(rootFound, "the root comes from a line mounted on /");

    bool notReadySeen = false;
    QString previous;
    for (size_t i = 1; i < map.size(); ++i) {
        const plat::Drive& d = map[i];
        if (!d.ready) {
            ZG_FUZZ_CHECK(anyNotReady, "a drive without a medium that the facts do not name");
            ZG_FUZZ_CHECK(d.mountPoint.isEmpty() && d.source.startsWith(QLatin1String("/dev/")),
                          "a drive without a medium has no mount point");
            notReadySeen = true;
            continue;
        }
        ZG_FUZZ_CHECK(!notReadySeen, "mounted drives come before those without a medium");
        ZG_FUZZ_CHECK(d.mountPoint.startsWith(u'/') && d.mountPoint != QLatin1String("/"), "a drive's mount point");
        ZG_FUZZ_CHECK(i == 1 || previous < d.mountPoint, "mount points in order, each once");
        previous = d.mountPoint;
        for (const char* system : {"/proc", "/sys", "/dev"})
            ZG_FUZZ_CHECK(!isUnder(d.mountPoint, system), "a system folder's mount is no drive");
        const bool fromALine = std::any_of(lines.begin(), lines.end(), [&](const Line& l) {
            return l.mountPoint == d.mountPoint && l.source == d.source && l.fsType == d.fsType;
        });
        ZG_FUZZ_CHECK(fromALine, "a drive whose mount point, source and type no line gives");
    }
}

// Facts of a machine with an empty optical drive and an empty card reader.
plat::DriveFacts someFacts()
{
    plat::DriveFacts f;
    f.blocks.insert(QStringLiteral("sr0"), {QStringLiteral("sr0"), true, false});
    f.blocks.insert(QStringLiteral("sdd"), {QStringLiteral("sdd"), true, false});
    f.blocks.insert(QStringLiteral("sda1"), {QStringLiteral("sda"), false, true});
    f.byNumber.insert(QStringLiteral("8:1"), QStringLiteral("sda1"));
    f.opticalDrives = {QStringLiteral("sr0")};
    return f;
}

void anyTable(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // The table as the program reads it: text, from UTF-8.
    const QString table = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    const QByteArray canonical = table.toUtf8();
    std::vector<Line> lines;
    size_t at = 0;
    const std::string text(canonical.constData(), size_t(canonical.size()));
    while (at <= text.size()) {
        const size_t end = std::min(text.find('\n', at), text.size());
        for (Line& l : readingsOf(text.substr(at, end - at)))
            lines.push_back(std::move(l));
        at = end + 1;
    }
    checkShape(plat::buildDriveMap(table, plat::DriveFacts{}), lines, false);
    checkShape(plat::buildDriveMap(table, someFacts()), lines, true);
}

// ---- well-formed tables ---------------------------------------------------

class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    bool done() const { return at_ >= size_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

// A name written as the kernel writes it, and as it reads back.
struct Name {
    std::string written;
    std::string bytes;
};

void addCharacter(Name& n, uint8_t pick)
{
    static const char* const wide[] = {"\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x93\x81", "\xD0\x96"};
    switch (pick % 16) {
    case 0: n.written += "\\040", n.bytes += ' '; break;
    case 1: n.written += "\\011", n.bytes += '\t'; break;
    case 2: n.written += "\\012", n.bytes += '\n'; break;
    case 3: n.written += "\\134", n.bytes += '\\'; break;
    case 4: { // a character beyond ASCII, written as it is
        const char* c = wide[(pick >> 4) % 4];
        n.written += c, n.bytes += c;
        break;
    }
    case 5: { // the same, every byte escaped
        const char* c = wide[(pick >> 4) % 4];
        for (const char* p = c; *p; ++p) {
            const uint8_t b = uint8_t(*p);
            n.written += '\\';
            n.written += char('0' + (b >> 6)), n.written += char('0' + ((b >> 3) & 7)), n.written += char('0' + (b & 7));
        }
        n.bytes += c;
        break;
    }
    case 6: n.written += '/', n.bytes += '/'; break;
    case 7: n.written += "\\x", n.bytes += "\\x"; break; // a backslash the kernel would have escaped: kept
    default: {
        const char c = char('a' + pick % 26);
        n.written += c, n.bytes += c;
    }
    }
}

void wellFormedTable(Input& in)
{
    const uint8_t kind = in.byte();
    const bool mountinfo = kind & 1;
    // Most tables are short, so that the fuzzer runs many; one in sixteen
    // kinds has up to two thousand mounts.
    const size_t wide = size_t(in.byte()) << 8 | in.byte();
    const size_t count = (kind & 0x1E) == 0x1E ? wide % 2001 : wide % 64;
    const size_t nameCount = std::max<size_t>(1, in.byte());
    // A pool of names; mounts draw from it, so that points repeat.
    std::vector<Name> names;
    for (size_t i = 0; i < nameCount; ++i) {
        Name n;
        const size_t length = 1 + in.byte() % 24;
        for (size_t k = 0; k < length; ++k)
            addCharacter(n, in.byte());
        if (in.byte() == 0xFF) // now and then a very long name
            for (int k = 0; k < 4000; ++k)
                addCharacter(n, uint8_t(k * 7 + 8));
        names.push_back(std::move(n));
    }

    std::string table;
    std::map<QString, std::pair<QString, QString>> expected; // mount point -> (source, type); the last wins
    auto line = [&](const std::string& number, const std::string& point, const std::string& type,
                    const std::string& source) {
        if (mountinfo)
            table += "36 25 " + number + " / " + point + " rw,relatime shared:1 - " + type + ' ' + source + " rw\n";
        else
            table += source + ' ' + point + ' ' + type + " rw,relatime 0 0\n";
    };
    line("8:1", "/", "ext4", "/dev/sda1");
    // Thousands of mounts, but not thousands of very long names: 1 MiB.
    for (size_t i = 0; i < count && table.size() < (size_t(1) << 20); ++i) {
        const uint8_t pick = in.byte();
        switch (pick % 8) {
        case 0: // lines the map passes over: damaged, pseudo and system mounts
            table += (pick & 8) ? "garbage\n" : "a b\n";
            line("0:22", "/proc", "proc", "proc");
            line("0:24", "/run/user/1000", "tmpfs", "tmpfs");
            line("0:5", "/dev/shm", "tmpfs", "tmpfs");
            table += "\n  \n";
            break;
        default: {
            const Name& n = names[(size_t(pick) << 8 | in.byte()) % names.size()];
            const std::string number = "9:" + std::to_string(i);
            const std::string device = "vd" + std::to_string(i);
            line(number, "/mnt/" + n.written, "ext4", "/dev/" + device);
            const QString point = QStringLiteral("/mnt/") + QString::fromUtf8(n.bytes.data(), qsizetype(n.bytes.size()));
            expected[point] = {QStringLiteral("/dev/") + QString::fromLatin1(device.c_str()), QStringLiteral("ext4")};
        }
        }
    }

    const auto map = plat::buildDriveMap(QString::fromUtf8(table.data(), qsizetype(table.size())), plat::DriveFacts{});
    // In the order of the mount points (the map's order is QString's).
    std::vector<std::pair<QString, std::pair<QString, QString>>> drives(expected.begin(), expected.end());
    if (drives.size() > 23)
        drives.resize(23);
    ZG_FUZZ_CHECK(map.size() == 1 + drives.size(), "every mount point of the table is a drive, up to Z:");
    ZG_FUZZ_CHECK(map[0].source == QLatin1String("/dev/sda1") && map[0].device == QLatin1String("sda1"), "the root");
    for (size_t i = 0; i < drives.size(); ++i) {
        const plat::Drive& d = map[i + 1];
        ZG_FUZZ_CHECK(d.mountPoint == drives[i].first, "a mount point's name read back");
        ZG_FUZZ_CHECK(d.source == drives[i].second.first, "the last mount on a point is the one in view");
        ZG_FUZZ_CHECK(d.fsType == drives[i].second.second && d.ready, "a drive's type");
        ZG_FUZZ_CHECK(d.device == d.source.mid(5), "a drive's device");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    if (data[0] & 1) {
        Input in(data + 1, size - 1);
        wellFormedTable(in);
    } else {
        anyTable(data + 1, size - 1);
    }
    return 0;
}
