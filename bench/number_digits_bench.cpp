// DecToBin, DecToOct and DecToHex of 1,000,000 values (a third each 16-bit
// Integers, 32-bit Longs and 64-bit Decimals, spread over their ranges),
// beside the same digits written by Python's format(v, "b" / "o" / "X") of
// the same bit patterns in the same run. Without python3 the anchor is a
// plain C++ loop of std::to_chars, each result made a new QString as ours
// are (as Python makes a new str); the output says which. Each side runs Rounds times; the medians are compared
// and the goal is at most 1.0 times the anchor.
#include <NumbersImpl.h>
#include <Variant.h>

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTextStream>
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int Count = 1000000;
constexpr int Rounds = 7;
constexpr double Goal = 1.0;

struct Values {
    std::vector<plat::Variant> variants;
    std::vector<uint64_t> patterns; // the bits each value is written with
};

uint64_t splitmix(uint64_t& state)
{
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

Values makeValues()
{
    Values v;
    v.variants.reserve(Count);
    v.patterns.reserve(Count);
    uint64_t state = 20240601;
    for (int i = 0; i < Count; ++i) {
        const uint64_t r = splitmix(state);
        // Short and long values alike: the width of the value is drawn too.
        const uint64_t x = r >> (splitmix(state) % 64);
        switch (i % 3) {
        case 0:
            v.variants.emplace_back(int16_t(uint16_t(x)));
            v.patterns.push_back(uint16_t(x));
            break;
        case 1:
            v.variants.emplace_back(int32_t(uint32_t(x)));
            v.patterns.push_back(uint32_t(x));
            break;
        default:
            v.variants.emplace_back(plat::Decimal::fromInteger(int64_t(x)));
            v.patterns.push_back(x);
            break;
        }
    }
    return v;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <class F>
double millisecondsOf(F&& f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

std::vector<double> timeOurs(const Values& values)
{
    zg::NumbersImpl numbers;
    std::vector<double> times;
    size_t digits = 0;
    for (int round = 0; round < Rounds; ++round) {
        times.push_back(millisecondsOf([&] {
            for (const plat::Variant& v : values.variants) {
                digits += size_t(numbers.DecToBin(v).size());
                digits += size_t(numbers.DecToOct(v).size());
                digits += size_t(numbers.DecToHex(v).size());
            }
        }));
    }
    std::printf("(%zu digits written)\n", digits);
    return times;
}

// Python's own timing of its loop over the same patterns, one line of
// milliseconds per round; empty when python3 cannot be run.
std::vector<double> timePython(const Values& values)
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        return {};
    QTemporaryFile file;
    if (!file.open())
        return {};
    {
        QTextStream out(&file);
        for (uint64_t p : values.patterns)
            out << p << '\n';
    }
    file.close();
    const QString script = QStringLiteral(
        "import sys, time\n"
        "values = [int(line) for line in open(sys.argv[1])]\n"
        "for _ in range(%1):\n"
        "    start = time.perf_counter()\n"
        "    for v in values:\n"
        "        format(v, 'b'); format(v, 'o'); format(v, 'X')\n"
        "    print((time.perf_counter() - start) * 1000.0, flush=True)\n")
                               .arg(Rounds);
    QProcess process;
    process.start(python, {QStringLiteral("-c"), script, file.fileName()});
    if (!process.waitForFinished(600000) || process.exitCode() != 0)
        return {};
    std::vector<double> times;
    for (const QByteArray& line : process.readAllStandardOutput().split('\n'))
        if (!line.trimmed().isEmpty())
            times.push_back(line.toDouble());
    return times;
}

std::vector<double> timeToChars(const Values& values)
{
    std::vector<double> times;
    size_t digits = 0;
    for (int round = 0; round < Rounds; ++round) {
        times.push_back(millisecondsOf([&] {
            char buffer[64];
            for (uint64_t p : values.patterns) {
                for (int base : {2, 8, 16}) {
                    const auto result = std::to_chars(buffer, buffer + sizeof buffer, p, base);
                    const QString text = QString::fromLatin1(buffer, result.ptr - buffer);
                    digits += size_t(text.size());
                }
            }
        }));
    }
    std::printf("(%zu digits written)\n", digits);
    return times;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const Values values = makeValues();
    // Ours must write what the anchor writes before it is timed.
    zg::NumbersImpl numbers;
    for (size_t i = 0; i < values.variants.size(); i += 997) {
        char buffer[64];
        const auto hex = std::to_chars(buffer, buffer + sizeof buffer, values.patterns[i], 16);
        if (numbers.DecToHex(values.variants[i]).toLower() != QLatin1String(buffer, hex.ptr - buffer)) {
            std::printf("DecToHex differs for value %zu\n", i);
            return 1;
        }
    }

    const std::vector<double> ours = timeOurs(values);
    std::vector<double> anchor = timePython(values);
    const char* anchorName = "python3 format(v, 'b' / 'o' / 'X')";
    if (anchor.empty()) {
        anchorName = "C++ std::to_chars, each made a QString (python3 not found)";
        anchor = timeToChars(values);
    }
    const double oursMs = median(ours), anchorMs = median(anchor);
    std::printf("DecToBin + DecToOct + DecToHex of %d values, median of %d rounds\n", Count, Rounds);
    std::printf("  ours:   %8.1f ms\n", oursMs);
    std::printf("  anchor: %8.1f ms  (%s)\n", anchorMs, anchorName);
    std::printf("  ours / anchor = %.2f (goal <= %.2f: %s)\n", oursMs / anchorMs, Goal,
                oursMs / anchorMs <= Goal ? "met" : "NOT met");
    return 0;
}
