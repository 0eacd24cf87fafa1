// The file sizes the in-process benchmarks run on, and the fastest repetition, by which
// their growth is judged.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

// The other programs on a shared machine only ever add time, so the fastest repetition is
// the code's own cost; a ratio of two fastest repetitions moves less from one run to
// the next than a ratio of two medians.
inline double fastest(const std::vector<double>& v) {
    return v.empty() ? 0.0 : *std::min_element(v.begin(), v.end());
}

// Files of the given sizes in sections, timed in microseconds.
inline void fileSizes(benchmark::internal::Benchmark* b, std::initializer_list<int> sizes) {
    for (int n : sizes)
        b->Arg(n);
    b->Unit(benchmark::kMicrosecond);
    b->ComputeStatistics("min", fastest);
}
// 100 to 100,000 sections; 1,000 to 100,000 for what is measured against opening the file.
inline void allSizes(benchmark::internal::Benchmark* b) {
    fileSizes(b, {100, 1000, 10000, 100000});
}
inline void largeSizes(benchmark::internal::Benchmark* b) {
    fileSizes(b, {1000, 10000, 100000});
}
