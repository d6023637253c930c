// Additive synthesis of the sound effects: each sound is a list of notes, every note a sum of
// harmonics with its own envelope; the mix is normalised well below full scale and faded in
// and out so that it starts and ends without a click.
#include "sounds.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kPeak = 0.8;       // loudest sample, as a share of full scale
constexpr double kEdgeFade = 0.004; // seconds of fade at the very start and end

struct Note {
    double start = 0;    // seconds
    double length = 0.1; // seconds
    double fromHz = 440;
    double toHz = 440; // the pitch glides (exponentially) from fromHz to toHz
    double level = 1;
    std::vector<double> harmonics = {1};
    double attack = 0.005; // seconds to full level
    double decay = 0;      // exponential fall per second after the attack
    double release = 0.02; // seconds of fade at the end of the note
    double vibratoHz = 0;
    double vibratoDepth = 0; // share of the pitch
};

double Envelope(const Note& n, double t) {
    double level = t < n.attack ? t / n.attack : std::exp(-n.decay * (t - n.attack));
    double left = n.length - t;
    if (left < n.release)
        level *= std::max(0.0, left / n.release);
    return level * n.level;
}

// Adds one note to a channel; `detuneCents` spreads the two channels of a stereo sound.
void AddNote(std::vector<double>& out, int rate, const Note& n, double detuneCents) {
    double detune = std::pow(2.0, detuneCents / 1200.0);
    auto first = static_cast<std::size_t>(std::lround(n.start * rate));
    auto count = static_cast<std::size_t>(std::lround(n.length * rate));
    double phase = 0;
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        double t = static_cast<double>(i) / rate;
        double hz = n.fromHz * std::pow(n.toHz / n.fromHz, t / n.length) * detune;
        hz *= 1.0 + n.vibratoDepth * std::sin(2 * kPi * n.vibratoHz * t);
        phase += 2 * kPi * hz / rate;
        double v = 0;
        for (std::size_t h = 0; h < n.harmonics.size(); ++h)
            v += n.harmonics[h] * std::sin(phase * static_cast<double>(h + 1));
        out[first + i] += v * Envelope(n, t);
    }
}

// Normalises all channels together, fades the edges and interleaves them as 16-bit samples.
Sound Finish(std::vector<std::vector<double>> channels, int rate) {
    double peak = 0;
    for (const auto& ch : channels)
        for (double v : ch)
            peak = std::max(peak, std::abs(v));
    std::size_t frames = channels.front().size();
    auto fade = static_cast<std::size_t>(kEdgeFade * rate);
    Sound sound;
    sound.channels = static_cast<int>(channels.size());
    sound.sampleRate = rate;
    for (std::size_t i = 0; i < frames; ++i) {
        double edge = std::min(
            {1.0, static_cast<double>(i) / fade, static_cast<double>(frames - 1 - i) / fade});
        for (const auto& ch : channels) {
            double v = peak > 0 ? ch[i] / peak * kPeak * edge : 0.0;
            sound.samples.push_back(static_cast<std::int16_t>(std::lround(v * 32767.0)));
        }
    }
    return sound;
}

Sound Render(const std::vector<Note>& notes, int channelCount, int rate, double seconds,
             double spreadCents) {
    auto frames = static_cast<std::size_t>(std::lround(seconds * rate));
    std::vector<std::vector<double>> channels(static_cast<std::size_t>(channelCount),
                                              std::vector<double>(frames, 0.0));
    for (std::size_t c = 0; c < channels.size(); ++c) {
        double cents = channelCount == 1 ? 0.0 : (c == 0 ? -spreadCents : spreadCents);
        for (const Note& n : notes)
            AddNote(channels[c], rate, n, cents);
    }
    return Finish(std::move(channels), rate);
}

} // namespace

Sound MakeKeySound() {
    const std::vector<double> bright = {1, 0.4, 0.2, 0.1};
    Note low{0.0, 0.045, 1568, 1568, 0.8, bright, 0.002, 18, 0.008};   // G6
    Note high{0.038, 0.062, 2093, 2150, 1.0, bright, 0.002, 14, 0.03}; // C7, nudged upwards
    return Render({low, high}, 1, 44100, 0.1, 0);
}

Sound MakeDoorSound() {
    const std::vector<double> brass = {1, 0.65, 0.45, 0.3, 0.18, 0.1};
    const double notes[] = {523.25, 659.26, 783.99}; // C5 E5 G5
    std::vector<Note> fanfare;
    for (int i = 0; i < 3; ++i)
        fanfare.push_back(Note{0.1 * i, 0.11, notes[i], notes[i], 0.8, brass, 0.012, 2, 0.025});
    // The closing chord C5 E5 G5 C6, held with a little vibrato.
    for (double hz : {523.25, 659.26, 783.99, 1046.5}) {
        Note n{0.3, 0.53, hz, hz, hz > 1000 ? 0.7 : 0.45, brass, 0.02, 1.2, 0.2};
        n.vibratoHz = 5.5;
        n.vibratoDepth = 0.004;
        fanfare.push_back(n);
    }
    return Render(fanfare, 2, 48000, 0.83, 4);
}

Sound MakeCaughtSound() {
    const std::vector<double> reedy = {1, 0.15, 0.4, 0.08, 0.22, 0.05, 0.12};
    Note first{0.0, 0.17, 392.0, 385.0, 1.0, reedy, 0.01, 2, 0.03};   // G4
    Note second{0.19, 0.17, 370.0, 362.0, 1.0, reedy, 0.01, 2, 0.03}; // F#4
    Note last{0.38, 0.38, 349.2, 174.6, 1.0, reedy, 0.01, 1.5, 0.12}; // F4 sliding an octave down
    last.vibratoHz = 7;
    last.vibratoDepth = 0.025;
    return Render({first, second, last}, 2, 48000, 0.76, 5);
}
