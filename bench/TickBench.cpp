// Times a refresh timer's tick in the running window: `tick_bench chart [seconds]` the memory
// chart's (Timer3Timer, with the memory page in front), `tick_bench second [seconds]` the
// one-second tick of the disk and other pages (Timer5Timer, with the disk page in front).
// The main window is made and shown as the program does, and for a minute (or the seconds
// given) the timer is replaced by one of the same interval that times each call of its
// handler and, apart from it, the repaint the tick asked for. Real ticks rather than a loop
// of direct calls: they come between the other timers' work, as in the program.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "app/UnitFormMain.h"

namespace {

using Clock = std::chrono::steady_clock;

double Microseconds(Clock::duration duration) { return std::chrono::duration<double, std::micro>(duration).count(); }

// Median and 95th percentile by nearest rank.
void PrintFigures(const char* what, std::vector<double> samples) {
    if (samples.empty()) {
        std::printf("%s: no samples\n", what);
        return;
    }
    std::sort(samples.begin(), samples.end());
    const auto rank = [&](double share) {
        const auto index = static_cast<std::size_t>(share * static_cast<double>(samples.size()) + 0.999999);
        return samples[std::max<std::size_t>(index, 1) - 1];
    };
    std::printf("%s: %zu samples, median %.1f us, p95 %.1f us, max %.1f us\n", what, samples.size(), rank(0.5),
                rank(0.95), samples.back());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const bool second = argc > 1 && std::wstring(argv[1]) == L"second";
    const int seconds = argc > 2 ? std::max(1, static_cast<int>(std::wcstol(argv[2], nullptr, 10))) : 60;

    ui::Application application;
    TFormMain form(application);
    application.Show(form);
    form.TabbedNotebook1.SelectPage(second ? kDiskPage : kMemoryPage);
    ui::Timer& timer = second ? form.Timer5 : form.Timer3;
    const auto handler = second ? &TFormMain::Timer5Timer : &TFormMain::Timer3Timer;
    HWND repainted = second ? form.TabbedNotebook1.Pages(kDiskPage).Handle() : form.GroupBox3.Handle();

    std::vector<double> ticks;
    std::vector<double> repaints;
    timer.SetEnabled(false);
    ui::Timer timed;
    timed.Create(form, timer.Interval(), [&] {
        const Clock::time_point start = Clock::now();
        (form.*handler)();
        const Clock::time_point ticked = Clock::now();
        RedrawWindow(repainted, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const Clock::time_point painted = Clock::now();
        ticks.push_back(Microseconds(ticked - start));
        repaints.push_back(Microseconds(painted - ticked));
    });

    const Clock::time_point end = Clock::now() + std::chrono::seconds(seconds);
    while (Clock::now() < end && IsWindow(form.Handle())) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) application.Deliver(form, message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }

    std::printf("%s over %d s at a %u ms interval\n", second ? "one-second tick" : "memory chart", seconds,
                timer.Interval());
    PrintFigures(second ? "Timer5Timer" : "Timer3Timer", ticks);
    PrintFigures("repaint of what the tick invalidated", repaints);
    return 0;
}
