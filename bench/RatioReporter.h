#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// A figure of the summary: what is measured against what, and the bound it must keep.
struct RatioCheck {
    std::string title;
    // A benchmark name, and the counter of its run to take; an empty counter takes its time.
    std::string subject;
    std::string subjectCounter;
    // An empty baseline shows the subject's figure as it is, in `unit`.
    std::string baseline;
    std::string baselineCounter;
    std::string unit;
    // The ratio holds at or below this; 0 only reports it.
    double limit = 0;
    // Each counter's lowest value over the benchmark's repetitions, for counters that are the
    // fastest time of one side each; otherwise the counters of its fastest repetition.
    bool lowestCounters = false;
};

// Shows every run as the console reporter does and keeps, for each benchmark, its fastest
// repetition: on a shared machine the fastest run is the one least disturbed by others.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    struct Best {
        double seconds = 0;
        std::map<std::string, double> counters;
        // Each counter's lowest value over the repetitions.
        std::map<std::string, double> lowest;
    };

    // In colour on a terminal only.
    RatioReporter();

    void ReportRuns(const std::vector<Run>& runs) override;

    struct Verdict {
        bool figures = true; // every check has its figure
        bool held = true;    // and every bound holds
    };

    // Prints one line per check.
    Verdict PrintSummary(const std::vector<RatioCheck>& checks) const;

private:
    bool Value(const std::string& name, const std::string& counter, bool lowest, double& value) const;

    std::map<std::string, Best> best;
};
