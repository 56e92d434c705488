// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time and peak memory of the program's window against a bare Qt window of the same size
// built in this project, launched in turn in the same run:
//   - startup: from launching the process to its window being shown, as the probe reports through
//     a pipe once the window is exposed and painted;
//   - calculation: a run that opens the window, calculates once (sides 60, 60, 60) and closes;
//     its time is from launch to exit.
// Counters: the median wall time of each kind of launch, the peak resident memory of each, and
// the ratios program / baseline. The goal is at most 1.3 for both. A second baseline, the same
// bare window with one line of text, shows what of the difference is Qt's font database, which
// any window showing text loads before it is first painted; a window without text loads it only
// when the application quits.
//
// The platform is QT_QPA_PLATFORM's, offscreen when unset; scripts/bench runs it both offscreen
// and on an X server (xcb), where "shown" means mapped and exposed by the server.
//
//   build/bench/startup_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

struct Launch {
    double shownSeconds; // from launch to the window shown
    double exitSeconds;  // from launch to the process gone
    long peakKiB;
};

// Runs the probe to its end; returns its times and its peak resident set size.
Launch launch(const char* kind, const char* extra) {
    int shown[2];
    if (pipe(shown) != 0)
        throw std::runtime_error("cannot make a pipe");
    std::vector<std::string> args{ESFERICA_STARTUP_PROBE, kind, extra, std::to_string(shown[1])};
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        throw std::runtime_error("cannot launch the probe");
    close(shown[1]);
    char byte = 0;
    if (read(shown[0], &byte, 1) != 1)
        throw std::runtime_error("the probe did not show its window");
    const std::chrono::duration<double> toShown = std::chrono::steady_clock::now() - start;
    close(shown[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("the probe failed");
    const std::chrono::duration<double> toExit = std::chrono::steady_clock::now() - start;
    // An X server frees a client's resources after the client has gone; without a pause the next
    // launch would wait for that, and the kind launched after the program would pay for it.
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    return {toShown.count(), toExit.count(), usage.ru_maxrss};
}

double median(std::vector<double> values) {
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// Launches the three kinds in turn, so that a slow spell of the machine falls on all of them, and
// compares the medians of their launches: one launch delayed by another process moves no figure.
void compare(benchmark::State& state, const char* extra) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0); // unless the caller chose a platform
    const bool untilShown = std::string(extra) == "show";
    std::vector<double> formTimes, bareTimes, textTimes;
    long formPeak = 0, barePeak = 0;
    const auto time = [untilShown](const Launch& l) {
        return untilShown ? l.shownSeconds : l.exitSeconds;
    };
    for (auto _ : state) {
        const Launch form = launch("form", extra);
        const Launch bare = launch("bare", extra);
        const Launch text = launch("text", extra);
        formTimes.push_back(time(form));
        bareTimes.push_back(time(bare));
        textTimes.push_back(time(text));
        formPeak = std::max(formPeak, form.peakKiB);
        barePeak = std::max(barePeak, bare.peakKiB);
    }
    const double formTime = median(formTimes), bareTime = median(bareTimes),
                 textTime = median(textTimes);
    state.counters["program_ms"] = formTime * 1e3;
    state.counters["baseline_ms"] = bareTime * 1e3;
    state.counters["time_ratio"] = formTime / bareTime;
    state.counters["text_baseline_ms"] = textTime * 1e3;
    state.counters["time_ratio_text"] = formTime / textTime;
    state.counters["program_peak_KiB"] = static_cast<double>(formPeak);
    state.counters["baseline_peak_KiB"] = static_cast<double>(barePeak);
    state.counters["memory_ratio"] = static_cast<double>(formPeak) / static_cast<double>(barePeak);
}

void startup(benchmark::State& state) {
    compare(state, "show");
}
void calculation(benchmark::State& state) {
    compare(state, "calc");
}

} // namespace

BENCHMARK(startup)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(15);
BENCHMARK(calculation)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(15);
