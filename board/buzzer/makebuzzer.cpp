// Writes the buzzer sound: a loud two-tone horn of about a second and a quarter, as a 16-bit
// mono wave file. Our own synthesis, so the program ships no sound it did not make.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

constexpr int SampleRate = 44100;
constexpr double HornSeconds = 1.25;
// Players may cut the last moments of a sound; silence at the end keeps the horn whole.
constexpr double TrailingSilence = 0.25;

void writeLittleEndian(std::ofstream &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

double envelope(double t)
{
    const double attack = 0.03;
    const double release = 0.12;
    if (t < attack) {
        return t / attack;
    }
    if (t > HornSeconds - release) {
        return std::max(0.0, (HornSeconds - t) / release);
    }
    return 1.0;
}

// A brassy tone: odd and even harmonics falling off, as a horn's reed makes them.
double horn(double frequency, double t)
{
    double sample = 0;
    for (int harmonic = 1; harmonic <= 8; ++harmonic) {
        sample += std::sin(2 * std::numbers::pi * frequency * harmonic * t) / harmonic;
    }
    return sample;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makebuzzer <output.wav>\n");
        return 2;
    }
    const auto hornSamples = static_cast<int>(HornSeconds * SampleRate);
    const auto totalSamples = hornSamples + static_cast<int>(TrailingSilence * SampleRate);
    std::vector<std::int16_t> samples(static_cast<std::size_t>(totalSamples), 0);
    for (int i = 0; i < hornSamples; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        // Two horns a minor third apart beat against each other like a stadium horn.
        double value = 0.5 * horn(233.0, t) + 0.5 * horn(277.0, t);
        // Soft clipping makes it loud without harsh digital distortion.
        value = std::tanh(1.6 * value) * envelope(t) * 0.92;
        samples[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(value * 32767);
    }

    std::ofstream out(argv[1], std::ios::binary);
    if (!out) {
        std::fprintf(stderr, "makebuzzer: cannot write %s\n", argv[1]);
        return 1;
    }
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    writeLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    writeLittleEndian(out, 16, 4); // format chunk size
    writeLittleEndian(out, 1, 2); // PCM
    writeLittleEndian(out, 1, 2); // mono
    writeLittleEndian(out, SampleRate, 4); // samples per second
    writeLittleEndian(out, SampleRate * 2, 4); // bytes per second
    writeLittleEndian(out, 2, 2); // block align
    writeLittleEndian(out, 16, 2); // bits per sample
    out.write("data", 4);
    writeLittleEndian(out, dataBytes, 4);
    for (const std::int16_t sample : samples) {
        writeLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
    }
    return out ? 0 : 1;
}
