#pragma once

// Runs the command-line tool as a user would, for the time and the peak memory it takes.

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace varn::bench {

struct Run {
    int exitCode = -1;
    double seconds = 0;
    double cpuSeconds = 0;  // user and system
    // The kernel counts the memory the tool started in, this process's, towards the tool's
    // peak: a benchmark that measures it runs before those that take much memory themselves.
    double peakMegabytes = 0;
};

// Runs the tool with its standard output thrown away.
inline Run runTool(const std::vector<std::string>& arguments) {
    std::vector<char*> argv = {const_cast<char*>(VARN_CLI)};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    Run run;
    if (posix_spawn(&pid, VARN_CLI, &actions, nullptr, argv.data(), environ) != 0) return run;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    posix_spawn_file_actions_destroy(&actions);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024;
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6;
    };
    run.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    return run;
}

// A run as the time of a benchmark that uses manual time, with its peak memory beside the size
// of its input.
inline void report(benchmark::State& state, const Run& run, double inputBytes,
                   int expectedExit = 0) {
    if (run.exitCode != expectedExit) state.SkipWithError("the tool failed");
    state.SetIterationTime(run.seconds);
    benchmark::Counter& cpu = state.counters["tool_cpu_ms"];  // the mean over the runs
    cpu.value += run.cpuSeconds * 1000;
    cpu.flags = benchmark::Counter::kAvgIterations;
    state.counters["peak_MB"] = run.peakMegabytes;
    state.counters["input_MB"] = inputBytes / (1 << 20);
    state.counters["peak_per_input"] = run.peakMegabytes / (inputBytes / (1 << 20));
}

}  // namespace varn::bench
