#include "Benchmarks.h"

#include "Vexbus/VexbusDlg.h"
#include "VexbusDlgProbe.h"
#include "widgets/LogList.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <thread>

namespace {

// Longer than the log list's frame.
constexpr auto kIdle = std::chrono::milliseconds(60);
constexpr auto kSettleLimit = std::chrono::milliseconds(500);

} // namespace

void ResetLog(CVexbusDlg& dlg)
{
    Probe(dlg).Log()->DeleteAllItems();
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(kIdle);
    QCoreApplication::processEvents();
}

double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double Settle(CVexbusDlg& dlg)
{
    LogList& list = *Probe(dlg).Log();
    bool shown = false;
    const int last = list.GetItemCount() - 1;
    const QMetaObject::Connection announced =
        QObject::connect(list.model(), &QAbstractItemModel::rowsInserted,
                         [&shown, last](const QModelIndex&, int, int end) { shown = shown || end >= last; });
    const double start = ThreadSeconds();
    const auto limit = std::chrono::steady_clock::now() + kSettleLimit;
    while (!shown && std::chrono::steady_clock::now() < limit)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // The repaint that the catch-up asked for.
    QCoreApplication::processEvents();
    const double took = ThreadSeconds() - start;
    QObject::disconnect(announced);
    return took;
}

std::string FormatLine(const char* format, ...)
{
    char buffer[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}
