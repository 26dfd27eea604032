#include "cue_scores.h"

#include "synth.h"
#include "wave_file.h"

namespace {

constexpr double kPeak = 0.7;  // about 3 dB below full scale

// 34 blocks of 500 frames: the file is whole blocks, so no padding is heard.
std::vector<double> Fanfare(double rate)
{
    std::vector<double> out(34 * 500);
    const Timbre brass{{1.0, 0.6, 0.4, 0.25, 0.15, 0.08}, 0.02, 0.0, 0.06};
    const Timbre held{{1.0, 0.6, 0.4, 0.25, 0.15, 0.08}, 0.03, 1.2, 0.2};
    const Note pickup[] = {{0.00, 0.12, Pitch(-2), 0.8}, {0.16, 0.12, Pitch(3), 0.8},
                           {0.32, 0.12, Pitch(7), 0.8},  {0.48, 0.30, Pitch(10), 0.9},
                           {0.82, 0.12, Pitch(7), 0.8},  {0.98, 0.12, Pitch(10), 0.8}};
    for (const Note& note : pickup)
        AddNote(out, rate, note, brass, false);
    const Note chord[] = {{1.14, 0.75, Pitch(15), 1.0}, {1.14, 0.75, Pitch(10), 0.4},
                          {1.14, 0.75, Pitch(7), 0.4},  {1.14, 0.75, Pitch(3), 0.4}};
    for (const Note& note : chord)
        AddNote(out, rate, note, held, false);
    Normalize({&out}, kPeak);
    return out;
}

std::vector<double> Click(double rate)
{
    std::vector<double> out(544);
    const Timbre tick{{1.0}, 0.0008, 0.006, 0.01};
    const Timbre body{{1.0}, 0.0008, 0.012, 0.01};
    AddNote(out, rate, {0.001, 0.035, 1900.0, 1.0}, tick, false);
    AddNote(out, rate, {0.001, 0.035, 3150.0, 0.5}, tick, false);
    AddNote(out, rate, {0.001, 0.035, 950.0, 0.4}, body, false);
    Normalize({&out}, kPeak);
    return out;
}

// 54 blocks of 1012 frames, sixteen steps. Every note is added around the loop, so its tail
// sounds again at the start and the seam is seamless in both channels.
std::vector<std::vector<double>> Tune(double rate)
{
    const std::size_t frames = 54 * 1012;
    const double step = static_cast<double>(frames) / rate / 16.0;
    std::vector<double> melody(frames);
    std::vector<double> backing(frames);
    const Timbre bell{{1.0, 0.25, 0.08}, 0.004, 0.3, 0.08};
    const Timbre soft{{1.0, 0.15}, 0.01, 0.5, 0.1};
    constexpr int kRest = 99;
    const int tune[16] = {7, 10, 15, 10, 12, 10, 7, kRest, 5, 7, 10, 7, 5, 3, 5, kRest};
    for (int i = 0; i < 16; ++i)
        if (tune[i] != kRest)
            AddNote(melody, rate, {i * step, 0.45, Pitch(tune[i]), 1.0}, bell, true);
    const int bass[4] = {-21, -24, -26, -26};
    const int chords[4][2] = {{-5, -2}, {-5, 0}, {-7, -2}, {-7, 2}};
    for (int bar = 0; bar < 4; ++bar) {
        AddNote(backing, rate, {bar * 4 * step, 0.55, Pitch(bass[bar]), 0.8}, soft, true);
        for (int tone : chords[bar])
            AddNote(backing, rate, {(bar * 4 + 2) * step, 0.3, Pitch(tone), 0.25}, soft, true);
    }
    std::vector<double> left(frames);
    std::vector<double> right(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        left[i] = 0.8 * melody[i] + 0.35 * backing[i];
        right[i] = 0.35 * melody[i] + 0.8 * backing[i];
    }
    Normalize({&left, &right}, kPeak);
    return {left, right};
}

std::vector<double> Lose(double rate)
{
    std::vector<double> out(10240);
    const Timbre horn{{1.0, 0.7, 0.45, 0.3, 0.18, 0.1}, 0.03, 0.0, 0.06};
    Timbre last = horn;
    last.release = 0.09;
    last.vibratoDepth = 0.012;
    last.vibratoRate = 5.5;
    last.glide = -1.0;
    AddNote(out, rate, {0.00, 0.20, Pitch(-2), 1.0}, horn, false);
    AddNote(out, rate, {0.27, 0.20, Pitch(-3), 1.0}, horn, false);
    AddNote(out, rate, {0.54, 0.20, Pitch(-4), 1.0}, horn, false);
    AddNote(out, rate, {0.81, 0.36, Pitch(-5), 1.0}, last, false);
    Normalize({&out}, kPeak);
    return out;
}

}  // namespace

std::vector<std::uint8_t> FanfareWave()
{
    return AdpcmWave({Fanfare(8000.0)}, 8000, 256);
}

std::vector<std::uint8_t> ClickWave()
{
    return Pcm8Wave(Click(11025.0), 11025);
}

std::vector<std::uint8_t> TuneWave()
{
    return AdpcmWave(Tune(22050.0), 22050, 1024);
}

std::vector<std::uint8_t> LoseWave()
{
    return Pcm8Wave(Lose(8000.0), 8000);
}
