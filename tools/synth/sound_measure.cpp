// sound_measure.cpp -- level, spectrum share, ending and click figures of a stereo sound.
#include "sound_measure.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

#include "dsp.h"

namespace synth {
namespace {

double ToDb(double power) {
    return power > 1e-20 ? 10.0 * std::log10(power) : -200.0;
}

// In-place iterative radix-2 FFT; the size must be a power of two.
void Fft(std::vector<std::complex<double>>& a) {
    const size_t n = a.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (size_t len = 2; len <= n; len <<= 1) {
        const std::complex<double> w = std::polar(1.0, -2.0 * kPi / static_cast<double>(len));
        for (size_t i = 0; i < n; i += len) {
            std::complex<double> wk = 1.0;
            for (size_t k = 0; k < len / 2; ++k) {
                const std::complex<double> u = a[i + k], v = a[i + k + len / 2] * wk;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
                wk *= w;
            }
        }
    }
}

// Steps of one channel. Played once, a sound starts from and falls back to silence, so the
// steps at both ends count; played as a loop, the step across the seam counts instead.
std::vector<double> Steps(const std::vector<double>& x, bool looped) {
    std::vector<double> d;
    const size_t n = x.size();
    if (n == 0) return d;
    d.reserve(n + 1);
    d.push_back(x[0] - (looped ? x[n - 1] : 0.0));
    for (size_t i = 1; i < n; ++i)
        d.push_back(x[i] - x[i - 1]);
    if (!looped) d.push_back(-x[n - 1]);
    return d;
}

constexpr long kClickWindow = 220;  // 5 ms on each side
constexpr double kClickFactor = 8.0;
constexpr double kClickFloor = 0.01;  // -40 dBFS

// Squared steps with the window's margin on both sides (wrapped round for a loop, silence
// otherwise) and their running sums, so the RMS step around any step is two look-ups.
class StepWindow {
  public:
    StepWindow(const std::vector<double>& d, bool looped) : n_(static_cast<long>(d.size())) {
        sums_.assign(static_cast<size_t>(n_ + 2 * kClickWindow + 1), 0.0);
        for (long k = -kClickWindow; k < n_ + kClickWindow; ++k) {
            double v = 0.0;
            if (k >= 0 && k < n_)
                v = d[k];
            else if (looped && n_ > 0)
                v = d[((k % n_) + n_) % n_];
            sums_[k + kClickWindow + 1] = sums_[k + kClickWindow] + v * v;
        }
    }
    // RMS step of the 5 ms on each side of step i, leaving step i out.
    double Around(long i, double step) const {
        const double sum = sums_[i + 2 * kClickWindow + 1] - sums_[i] - step * step;
        return std::sqrt(std::max(0.0, sum) / (2.0 * kClickWindow));
    }

  private:
    long n_;
    std::vector<double> sums_;
};

}  // namespace

double PeakDb(const StereoBuffer& sound) {
    double top = 0.0;
    for (size_t i = 0; i < sound.Frames(); ++i)
        top = std::max({top, std::fabs(sound.left[i]), std::fabs(sound.right[i])});
    return ToDb(top * top);
}

double LevelDb(const StereoBuffer& sound) {
    const size_t block = static_cast<size_t>(0.010 * kRate);
    std::vector<double> energy;
    for (size_t at = 0; at < sound.Frames(); at += block) {
        const size_t end = std::min(sound.Frames(), at + block);
        double sum = 0.0;
        for (size_t i = at; i < end; ++i)
            sum += sound.left[i] * sound.left[i] + sound.right[i] * sound.right[i];
        energy.push_back(sum / (2.0 * static_cast<double>(end - at)));
    }
    if (energy.empty()) return -200.0;
    const double floor = *std::max_element(energy.begin(), energy.end()) * 1e-4;
    double sum = 0.0;
    size_t count = 0;
    for (double e : energy)
        if (e >= floor) {
            sum += e;
            ++count;
        }
    return ToDb(count ? sum / static_cast<double>(count) : 0.0);
}

double TailDb(const StereoBuffer& sound, double seconds) {
    const size_t n = std::min(sound.Frames(), static_cast<size_t>(seconds * kRate));
    double sum = 0.0;
    for (size_t i = sound.Frames() - n; i < sound.Frames(); ++i)
        sum += sound.left[i] * sound.left[i] + sound.right[i] * sound.right[i];
    return ToDb(n ? sum / (2.0 * static_cast<double>(n)) : 0.0);
}

double ShareAbove(const StereoBuffer& sound, double hz) {
    constexpr size_t kSize = 8192, kHop = kSize / 2;
    std::vector<double> window(kSize);
    for (size_t i = 0; i < kSize; ++i)
        window[i] = 0.5 - 0.5 * std::cos(2.0 * kPi * static_cast<double>(i) / kSize);
    const size_t firstHigh = static_cast<size_t>(std::ceil(hz * kSize / kRate));
    double high = 0.0, total = 0.0;
    std::vector<std::complex<double>> frame(kSize);
    for (const auto* channel : {&sound.left, &sound.right}) {
        for (size_t at = 0; at == 0 || at + kSize / 2 < channel->size(); at += kHop) {
            for (size_t i = 0; i < kSize; ++i)
                frame[i] = at + i < channel->size() ? (*channel)[at + i] * window[i] : 0.0;
            Fft(frame);
            for (size_t k = 0; k <= kSize / 2; ++k) {
                const double p = std::norm(frame[k]);
                total += p;
                if (k >= firstHigh) high += p;
            }
        }
    }
    return total > 0.0 ? high / total : 0.0;
}

int CountClicks(const StereoBuffer& sound, bool looped) {
    // A click in both channels, or an up and a down step of one spike, is one click.
    std::vector<long> at;
    for (const auto* channel : {&sound.left, &sound.right}) {
        const std::vector<double> d = Steps(*channel, looped);
        const StepWindow window(d, looped);
        for (long i = 0; i < static_cast<long>(d.size()); ++i) {
            const double step = std::fabs(d[i]);
            if (step > kClickFloor && step > kClickFactor * window.Around(i, step)) at.push_back(i);
        }
    }
    std::sort(at.begin(), at.end());
    int clicks = 0;
    for (size_t k = 0; k < at.size(); ++k)
        if (k == 0 || at[k] - at[k - 1] > kClickWindow / 4) ++clicks;
    return clicks;
}

double SeamStepRatio(const StereoBuffer& sound) {
    double worst = 0.0;
    for (const auto* channel : {&sound.left, &sound.right}) {
        const std::vector<double> d = Steps(*channel, true);
        if (d.empty()) continue;
        const double local = StepWindow(d, true).Around(0, d[0]);
        worst = std::max(worst, local > 0.0 ? std::fabs(d[0]) / local : 0.0);
    }
    return worst;
}

}  // namespace synth
