// Measures Pause on the real window layer: how late each pause returns after its deadline, and how
// much processor time the waiting costs. Run under Wine: pause-bench.exe [rounds]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ui/handlers.h"
#include "win32/hue-weaver/form1.h"

namespace {

double ProcessorSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto seconds = [](const FILETIME& time) {
        return static_cast<double>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
                                   time.dwLowDateTime) /
               1e7;
    };
    return seconds(kernel) + seconds(user);
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
    hue::win32::Form1 form(GetModuleHandleW(nullptr));
    if (!form.Create()) return 1;

    std::vector<double> lateness;
    const double startCpu = ProcessorSeconds();
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < rounds; ++round) {
        // The start-up's three pauses, 1.7 seconds in all.
        for (double seconds : {0.1, 0.9, 0.7}) {
            const auto before = std::chrono::steady_clock::now();
            hue::ui::Pause(form, seconds);
            const double took =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count();
            lateness.push_back((took - seconds) * 1000);
        }
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = ProcessorSeconds() - startCpu;
    std::sort(lateness.begin(), lateness.end());
    std::printf("pauses: %zu, each returned %.2f to %.2f ms after its deadline (median %.2f ms)\n",
                lateness.size(), lateness.front(), lateness.back(), lateness[lateness.size() / 2]);
    std::printf("processor time while waiting: %.3f s of %.3f s, %.2f%% of one core\n", cpu, wall,
                100 * cpu / wall);
    return 0;
}
