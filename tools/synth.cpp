#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

std::int16_t ToSample(double value) {
    return static_cast<std::int16_t>(std::lround(std::clamp(value, -1.0, 1.0) * 32767.0));
}

// A small linear congruential generator, so that noise is the same everywhere.
struct TNoise {
    std::uint32_t State = 12345;
    double Next() {
        State = State * 1664525u + 1013904223u;
        return static_cast<double>(State >> 8) / 8388608.0 - 1.0;
    }
};

} // namespace

std::vector<std::int16_t> SynthMelody(std::size_t frames, double sampleRate) {
    static constexpr double kNotes[] = {261.63, 329.63, 392.00, 523.25, 392.00, 329.63};
    const std::size_t noteLength = static_cast<std::size_t>(sampleRate / 8);
    std::vector<std::int16_t> out(2 * frames);
    for (std::size_t i = 0; i < frames; ++i) {
        const double f = kNotes[(i / noteLength) % std::size(kNotes)];
        const double t = static_cast<double>(i) / sampleRate;
        const double inNote = static_cast<double>(i % noteLength) / sampleRate;
        const double envelope = std::exp(-6.0 * inNote);
        double left = 0;
        double right = 0;
        for (int h = 1; h <= 4; ++h) {
            left += std::sin(kTwoPi * f * h * t) / h;
            right += std::sin(kTwoPi * f / 2 * h * t) / h;
        }
        out[2 * i] = ToSample(0.4 * envelope * left);
        out[2 * i + 1] = ToSample(0.4 * envelope * right);
    }
    return out;
}

std::vector<std::int16_t> SynthSweep(std::size_t frames, double sampleRate) {
    std::vector<std::int16_t> out(2 * frames);
    double phase = 0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double position = frames > 1 ? static_cast<double>(i) / (frames - 1) : 0;
        phase += kTwoPi * (200.0 + 3800.0 * position) / sampleRate;
        const double value = 0.7 * std::sin(phase);
        out[2 * i] = ToSample(value * (1 - position));
        out[2 * i + 1] = ToSample(value * position);
    }
    return out;
}

std::vector<std::int16_t> SynthSpeech(std::size_t frames, double sampleRate) {
    std::vector<std::int16_t> out(2 * frames);
    TNoise noise;
    double pitchPhase = 0;
    double resonance[2][2] = {};
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double syllable = std::fmod(t, 0.3);
        const double loud = syllable < 0.22 ? std::sin(std::numbers::pi * syllable / 0.22) : 0.0;
        pitchPhase += (120.0 + 30.0 * std::sin(kTwoPi * 0.7 * t)) / sampleRate;
        double excitation = 0;
        if (pitchPhase >= 1) {
            pitchPhase -= 1;
            excitation = 1;
        }
        excitation += 0.05 * noise.Next();
        // Two formants moving with the syllable, as two-pole resonators.
        const double formants[2] = {500 + 300 * std::sin(kTwoPi * 3.3 * t),
                                    1500 + 600 * std::cos(kTwoPi * 2.1 * t)};
        double voice = 0;
        for (int k = 0; k < 2; ++k) {
            const double r = 0.97;
            const double c = 2 * r * std::cos(kTwoPi * formants[k] / sampleRate);
            const double y = excitation + c * resonance[k][0] - r * r * resonance[k][1];
            resonance[k][1] = resonance[k][0];
            resonance[k][0] = y;
            voice += y;
        }
        const double value = 0.04 * loud * voice;
        out[2 * i] = ToSample(value);
        out[2 * i + 1] = ToSample(0.8 * value);
    }
    return out;
}

std::vector<std::int16_t> SynthDrums(std::size_t frames, double sampleRate) {
    std::vector<std::int16_t> out(2 * frames);
    TNoise noise;
    const std::size_t beat = static_cast<std::size_t>(sampleRate / 4);
    for (std::size_t i = 0; i < frames; ++i) {
        const double sinceBeat = static_cast<double>(i % beat) / sampleRate;
        const bool kick = (i / beat) % 2 == 0;
        const double body = std::sin(kTwoPi * (kick ? 60.0 : 180.0) * sinceBeat);
        const double hit = std::exp(-(kick ? 18.0 : 30.0) * sinceBeat);
        const double value = hit * (kick ? 0.8 * body + 0.1 * noise.Next() : 0.5 * noise.Next());
        out[2 * i] = ToSample(kick ? value : 0.6 * value);
        out[2 * i + 1] = ToSample(kick ? 0.6 * value : value);
    }
    return out;
}
