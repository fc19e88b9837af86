#pragma once
// The benchmarks' timing of short work: the best of several runs, so that one run slowed by the
// rest of the machine does not count.
#include <QElapsedTimer>

#include <algorithm>
#include <ctime>
#include <limits>

namespace velmora::bench {

struct Timing
{
    double wall = std::numeric_limits<double>::max(); // milliseconds
    double cpu = std::numeric_limits<double>::max();  // milliseconds of this process's processor
};

// The best of `runs` runs of `run`, each divided by `per`. On a busy machine the wall time
// includes waiting for a processor; the processor time does not.
template <typename Run> Timing bestTiming(int runs, Run&& run, int per = 1)
{
    Timing best;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const std::clock_t cpuStart = std::clock();
        run();
        best.cpu =
            std::min(best.cpu, double(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC / per);
        best.wall = std::min(best.wall, double(timer.nsecsElapsed()) / 1e6 / per);
    }
    return best;
}

// The shortest of `runs` runs of `run`, in milliseconds.
template <typename Run> double bestOfMs(int runs, Run&& run)
{
    return bestTiming(runs, run).wall;
}

} // namespace velmora::bench
