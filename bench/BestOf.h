#pragma once
// The benchmarks' timing of short work: the best of several runs, so that one run slowed by the
// rest of the machine does not count.
#include <QElapsedTimer>

#include <algorithm>
#include <limits>

namespace velmora::bench {

// The shortest of `runs` runs of `run`, in milliseconds.
template <typename Run> double bestOfMs(int runs, Run&& run)
{
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

} // namespace velmora::bench
