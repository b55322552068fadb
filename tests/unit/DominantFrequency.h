#pragma once

#include <cmath>
#include <numbers>
#include <vector>

// The frequency (Hz) of the strongest component of `samples` other than the
// constant one, to the resolution of a plain DFT over all of them.
template <typename Sample>
double dominantFrequency(const std::vector<Sample>& samples, int rate) {
    const size_t n = samples.size();
    double mean = 0;
    for (Sample s : samples) mean += s;
    mean /= static_cast<double>(n);
    size_t bestBin = 0;
    double bestPower = -1;
    for (size_t k = 1; k <= n / 2; ++k) {
        double re = 0, im = 0;
        for (size_t i = 0; i < n; ++i) {
            const double angle =
                2 * std::numbers::pi * static_cast<double>(k * i % n) / static_cast<double>(n);
            re += (samples[i] - mean) * std::cos(angle);
            im -= (samples[i] - mean) * std::sin(angle);
        }
        if (re * re + im * im > bestPower) {
            bestPower = re * re + im * im;
            bestBin = k;
        }
    }
    return static_cast<double>(bestBin) * rate / static_cast<double>(n);
}
