#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

// Small timing helpers for the benchmark; not part of the tests.
namespace Bench {

inline double elapsedMs(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since)
        .count();
}

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Runs work `runs` times and gives the median in milliseconds.
template <class Work> double medianMs(int runs, Work &&work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(elapsedMs(start));
    }
    return median(times);
}

inline void row(const char *what, double ms, const char *target = "")
{
    std::printf("  %-46s %9.3f ms  %s\n", what, ms, target);
}

// Where the editor benches put their images: on disk, so "Apply" pays for the
// sync, and in memory (/dev/shm, where a sync costs nothing) for the time before it.
struct Folders
{
    std::filesystem::path disk;
    std::filesystem::path memory;
};

} // namespace Bench
