// The shared main of the benchmarks that compare our controls with a Qt
// widget: runs every benchmark with the console report, then prints the
// ratio of each named pair's time per iteration. A benchmark run with
// repetitions is named by its median as "<name>_median".
#pragma once
#include "Register.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace zgbench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& run : runs)
            if ((run.run_type == Run::RT_Iteration && run.iterations > 0) ||
                (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median"))
                nanos_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    void printRatio(const std::string& ours, const std::string& theirs) const
    {
        auto a = nanos_.find(ours), b = nanos_.find(theirs);
        if (a == nanos_.end() || b == nanos_.end() || b->second <= 0)
            return;
        std::printf("%s / %s = %.2f\n", ours.c_str(), theirs.c_str(), a->second / b->second);
    }

private:
    std::map<std::string, double> nanos_;
};

using RatioPairs = std::vector<std::pair<std::string, std::string>>;

inline int runWithRatios(int argc, char** argv, const RatioPairs& pairs)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zg::registerLibrary();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const auto& [ours, theirs] : pairs)
        reporter.printRatio(ours, theirs);
    std::fflush(stdout);
    benchmark::Shutdown();
    return 0;
}

} // namespace zgbench
