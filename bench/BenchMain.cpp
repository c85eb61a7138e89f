// The benchmarks of what the user waits for, each figure a ratio against a baseline measured in
// the same run. `--smoke` runs every benchmark once on tiny sizes and judges no ratio; it fails
// only when a benchmark gives no figure.
#include "Benchmarks.h"
#include "RatioReporter.h"

#include "Ch341Emulator.h"
#include "ProfileFolder.h"
#include "ScriptedResponder.h"
#include "Vexbus/VexbusDlg.h"
#include "platform/UiServices.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const BenchSizes
    kFull{{1000, 10000, 100000, 1000000}, 100000, 0xFFFF, 9, 3, 0, {1000, 10000, 100000}, 3, 12, 400, {100, 100000}};
const BenchSizes kSmoke{{100, 1000}, 200, 0xFF, 1, 1, 1, {100, 1000}, 1, 1, 4, {100, 1000}};

} // namespace

int main(int argc, char** argv)
{
    bool smoke = false;
    // Repetitions of the benchmarks run in a shuffled order, so that a slow spell of the machine
    // does not fall on one side of a ratio only; the command line may say otherwise.
    std::vector<char*> args{argv[0], const_cast<char*>("--benchmark_enable_random_interleaving=true")};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--smoke") == 0)
            smoke = true;
        else
            args.push_back(argv[i]);
    }
    const BenchSizes& sizes = smoke ? kSmoke : kFull;

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const ProfileFolder profile("vexbus-bench");
    if (profile.Path().empty())
        return EXIT_FAILURE;
    const char* folder = profile.Path().c_str();

    RatioReporter::Verdict verdict;
    std::size_t unexpectedBoxes = 0;
    {
        int qtArgc = 1;
        QApplication app(qtArgc, argv);
        ScriptedResponder ui;
        // The boxes of start-up (a missing parallel port) belong to no benchmark.
        SetUiResponder(&ui);
        ui.boxes.clear();
        SetAppName(ExecutableBaseName());

        Ch341Emulator::Instance().Reset();
        CVexbusDlg dlg;
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        QApplication::processEvents();

        std::vector<RatioCheck> checks;
        RegisterCommandBenchmarks(dlg, sizes, checks);
        RegisterLogListBenchmarks(dlg, sizes, checks);
        RegisterBatchBenchmarks(dlg, sizes, folder, checks);
        RegisterRangeReadBenchmarks(dlg, sizes, checks);
        RegisterEditBenchmarks(dlg, sizes, checks);
        RegisterUsbBenchmarks(checks);
        RegisterTQ7730Benchmarks(sizes, checks);
        RegisterTQ4120Benchmarks(sizes, checks);
        RegisterTQ7790Benchmarks(sizes, checks);

        int benchArgc = static_cast<int>(args.size());
        benchmark::Initialize(&benchArgc, args.data());
        RatioReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        verdict = reporter.PrintSummary(checks);

        for (const ScriptedResponder::Box& box : ui.boxes)
            std::fprintf(stderr, "unexpected box: %s\n", box.text.c_str());
        unexpectedBoxes = ui.boxes.size();
        SetUiResponder(nullptr);
    }
    // A smoke run fails only when a benchmark could not give its figure.
    if (unexpectedBoxes > 0 || !verdict.figures)
        return EXIT_FAILURE;
    return verdict.held || smoke ? EXIT_SUCCESS : EXIT_FAILURE;
}
