// makesounds: synthesises the game's three sounds as 16-bit mono WAV files.
// Usage: makesounds FOLDER  (writes slider.wav, shuffle.wav, complete.wav)
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace {
constexpr int Rate = 22050;
constexpr double Pi = 3.14159265358979323846;
using Samples = std::vector<double>;

// A repeatable noise source, so the files come out the same every time.
double noise()
{
    static std::uint32_t state = 12345;
    state = state * 1664525u + 1013904223u;
    return static_cast<double>(state >> 8) / (1u << 23) - 1.0;
}

Samples silence(double seconds)
{
    return Samples(static_cast<std::size_t>(seconds * Rate), 0.0);
}

// A soft whoosh: filtered noise that swells and fades, under a falling tone.
Samples slider()
{
    Samples out = silence(0.16);
    double low = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / out.size();
        low += 0.18 * (noise() - low);
        const double envelope = std::sin(Pi * t);
        const double tone = std::sin(2 * Pi * (520 - 220 * t) * i / Rate);
        out[i] = envelope * (0.55 * low + 0.25 * tone);
    }
    return out;
}

// Two wooden clacks, as of tiles knocking together.
Samples shuffle()
{
    Samples out = silence(0.14);
    for (const double start : {0.0, 0.065}) {
        const auto first = static_cast<std::size_t>(start * Rate);
        for (std::size_t i = 0; i < static_cast<std::size_t>(0.05 * Rate); ++i) {
            const double t = static_cast<double>(i) / Rate;
            const double decay = std::exp(-t * 90);
            out[first + i] += decay * (0.6 * std::sin(2 * Pi * 1150 * t) +
                                       0.25 * std::sin(2 * Pi * 1870 * t) + 0.2 * noise());
        }
    }
    return out;
}

// A note with a few harmonics, a quick attack and a gentle decay.
void addNote(Samples& out, double start, double length, double frequency, double volume)
{
    const auto first = static_cast<std::size_t>(start * Rate);
    const auto count = static_cast<std::size_t>(length * Rate);
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double envelope =
            std::min(1.0, t * 80) * std::exp(-t * 2.2) * std::min(1.0, (length - t) * 30);
        double wave = 0;
        for (int harmonic = 1; harmonic <= 4; ++harmonic)
            wave += std::sin(2 * Pi * frequency * harmonic * t) / (harmonic * harmonic);
        out[first + i] += volume * envelope * wave;
    }
}

// A little fanfare: a rising arpeggio, then the full chord.
Samples complete()
{
    Samples out = silence(1.5);
    const double notes[] = {523.25, 659.25, 783.99, 1046.5};
    for (int i = 0; i < 4; ++i)
        addNote(out, i * 0.14, 0.16, notes[i], 0.35);
    for (const double note : notes)
        addNote(out, 0.6, 0.9, note, 0.2);
    return out;
}

void put(std::ofstream& file, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        file.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool writeWav(const std::string& path, const Samples& samples)
{
    std::ofstream file(path, std::ios::binary);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    file << "RIFF";
    put(file, 36 + dataBytes, 4);
    file << "WAVEfmt ";
    put(file, 16, 4);
    put(file, 1, 2); // PCM
    put(file, 1, 2); // mono
    put(file, Rate, 4);
    put(file, Rate * 2, 4);
    put(file, 2, 2);
    put(file, 16, 2);
    file << "data";
    put(file, dataBytes, 4);
    for (const double sample : samples) {
        const double clipped = std::max(-1.0, std::min(1.0, sample));
        put(file, static_cast<std::uint16_t>(static_cast<std::int16_t>(clipped * 30000)), 2);
    }
    return static_cast<bool>(file);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const std::string folder = std::string(argv[1]) + "/";
    const bool ok = writeWav(folder + "slider.wav", slider()) &&
                    writeWav(folder + "shuffle.wav", shuffle()) &&
                    writeWav(folder + "complete.wav", complete());
    return ok ? 0 : 1;
}
