// A long paste into the command line, which keeps only what fits its width, against a short one.
#include "Benchmarks.h"

#include "Vexbus/VexbusDlg.h"
#include "VexbusDlgProbe.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace {

// "10^5" for 100000.
std::string PowerOfTen(int n)
{
    int exponent = 0;
    for (; n >= 10; n /= 10)
        ++exponent;
    return "10^" + std::to_string(exponent);
}

std::string PasteName(int n)
{
    return "edit/paste_into_command_line/" + std::to_string(n);
}

} // namespace

void RegisterEditBenchmarks(CVexbusDlg& dlg, const BenchSizes& sizes, std::vector<RatioCheck>& checks)
{
    auto* b = benchmark::RegisterBenchmark("edit/paste_into_command_line", [&dlg](benchmark::State& state) {
        const auto n = static_cast<qsizetype>(state.range(0));
        // Characters of every width the command line sees.
        const QString command = QStringLiteral("i2cw 1A 00 FF; ");
        QString text;
        while (text.size() < n)
            text += command;
        text.truncate(n);
        QApplication::clipboard()->setText(text);
        QLineEdit* edit = Probe(dlg).CmdLine();
        edit->setFocus();
        double total = 0;
        for (auto _ : state) {
            edit->clear();
            QApplication::processEvents();
            const double start = ThreadSeconds();
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            // The edit's repaint with its new text.
            QApplication::processEvents();
            const double took = ThreadSeconds() - start;
            total += took;
            state.SetIterationTime(took);
        }
        state.counters["paste_ms"] = total / static_cast<double>(state.iterations()) * 1e3;
        state.counters["kept"] = static_cast<double>(edit->text().size());
        edit->clear();
        QApplication::clipboard()->clear();
    });
    for (int n : sizes.pasteChars)
        b->Arg(n);
    b->UseManualTime()->Repetitions(sizes.repetitions)->Unit(benchmark::kMillisecond);
    if (sizes.iterations > 0)
        b->Iterations(sizes.iterations);

    const int shortest = sizes.pasteChars.front();
    const int longest = sizes.pasteChars.back();
    checks.push_back(
        {"10. edit: paste of " + PowerOfTen(longest) + " characters into the command line / of " + PowerOfTen(shortest),
         PasteName(longest), "", PasteName(shortest), "", "", 1000});
    checks.push_back({"10. edit: paste of " + PowerOfTen(longest) + " characters into the command line",
                      PasteName(longest), "paste_ms", "", "", "ms", 0});
}
