#include "RatioReporter.h"

#include <algorithm>
#include <cstdio>

#include <unistd.h>

RatioReporter::RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular)
{
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred || run.run_type != Run::RT_Iteration || run.iterations == 0)
            continue;
        std::string name = run.run_name.function_name;
        if (!run.run_name.args.empty())
            name += "/" + run.run_name.args;
        // A manual time is the benchmark's own measure; otherwise the processor time counts,
        // which a shared machine's other load does not inflate.
        const bool manual = run.run_name.time_type == "manual_time";
        const double seconds =
            (manual ? run.real_accumulated_time : run.cpu_accumulated_time) / static_cast<double>(run.iterations);
        auto [it, fresh] = best.try_emplace(name);
        for (const auto& [key, counter] : run.counters) {
            const auto [low, first] = it->second.lowest.try_emplace(key, counter.value);
            if (!first)
                low->second = std::min(low->second, static_cast<double>(counter.value));
        }
        if (fresh || seconds < it->second.seconds) {
            it->second.seconds = seconds;
            it->second.counters.clear();
            for (const auto& [key, counter] : run.counters)
                it->second.counters[key] = counter.value;
        }
    }
}

bool RatioReporter::Value(const std::string& name, const std::string& counter, bool lowest, double& value) const
{
    const auto it = best.find(name);
    if (it == best.end())
        return false;
    if (counter.empty()) {
        value = it->second.seconds;
        return true;
    }
    const std::map<std::string, double>& counters = lowest ? it->second.lowest : it->second.counters;
    const auto c = counters.find(counter);
    if (c == counters.end())
        return false;
    value = c->second;
    return true;
}

RatioReporter::Verdict RatioReporter::PrintSummary(const std::vector<RatioCheck>& checks) const
{
    Verdict verdict;
    std::printf("\n%-64s %8s %8s  %s\n", "figure", "ratio", "bound", "verdict");
    for (const RatioCheck& check : checks) {
        double subject = 0;
        double baseline = 0;
        if (check.baseline.empty() && Value(check.subject, check.subjectCounter, check.lowestCounters, subject)) {
            std::printf("%-64s %8.1f %8s  %s\n", check.title.c_str(), subject, "-", check.unit.c_str());
            continue;
        }
        if (!Value(check.subject, check.subjectCounter, check.lowestCounters, subject) ||
            !Value(check.baseline, check.baselineCounter, check.lowestCounters, baseline) || baseline <= 0) {
            std::printf("%-64s %8s %8s  no figure\n", check.title.c_str(), "-", "-");
            verdict.figures = false;
            continue;
        }
        const double ratio = subject / baseline;
        if (check.limit <= 0) {
            std::printf("%-64s %8.2f %8s  (reported)\n", check.title.c_str(), ratio, "-");
            continue;
        }
        const bool holds = ratio <= check.limit;
        verdict.held = verdict.held && holds;
        std::printf("%-64s %8.2f %8.2f  %s\n", check.title.c_str(), ratio, check.limit, holds ? "holds" : "MISSES");
    }
    std::fflush(stdout);
    return verdict;
}
