#pragma once

#include <algorithm>
#include <chrono>
#include <cmath>
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

// Every row of the benchmark has one shape: what was measured, its median, and
// where there is one its floor and their ratio.
inline void heading()
{
    std::printf("  %-50s %13s %13s %7s\n", "", "measured", "floor", "ratio");
}
inline void row(const char *what, double value, const char *unit, double floor = NAN)
{
    if (std::isnan(floor))
        std::printf("  %-50s %9.2f %-3s\n", what, value, unit);
    else
        std::printf("  %-50s %9.2f %-3s %9.2f %-3s %6.2f x\n", what, value, unit, floor, unit,
                    value / floor);
}

// Where the editor benches put their images: on disk, so "Apply" pays for the
// sync, and in memory (/dev/shm, where a sync costs nothing) for the time before it.
struct Folders
{
    std::filesystem::path disk;
    std::filesystem::path memory;
};

} // namespace Bench
