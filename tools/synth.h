// Synthesised stereo test signals: interleaved 16-bit samples, the same on every run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Notes of a melody with harmonics and a decaying envelope, the right channel an octave lower.
std::vector<std::int16_t> SynthMelody(std::size_t frames, double sampleRate);

// A sine sweep from 200 Hz to 4 kHz panned from left to right.
std::vector<std::int16_t> SynthSweep(std::size_t frames, double sampleRate);

// A speech-like signal: a pulse train with moving formants, in syllables separated by pauses.
std::vector<std::int16_t> SynthSpeech(std::size_t frames, double sampleRate);

// Noise bursts with a sharp attack, as of drums, differently on the two channels.
std::vector<std::int16_t> SynthDrums(std::size_t frames, double sampleRate);
