#pragma once

#include <vector>

// Additive note synthesis for the cues: each note is a sum of harmonics under a smooth
// envelope, so every cue starts and ends at rest and never steps.

struct Timbre {
    std::vector<double> harmonics;  // amplitude of harmonic 1, 2, ...
    double attack = 0.01;           // seconds of raised-cosine rise
    double decay = 0.0;             // time constant of the exponential decay; 0 holds the level
    double release = 0.05;          // seconds of raised-cosine fall after the note's length
    double vibratoDepth = 0.0;      // fraction of the frequency
    double vibratoRate = 0.0;       // Hz
    double glide = 0.0;             // semitones the pitch moves over the note's length
};

struct Note {
    double start;      // seconds
    double length;     // seconds until the release begins
    double frequency;  // Hz
    double gain;
};

// Frequency of a note given in semitones from A4 (440 Hz).
double Pitch(int semitonesFromA4);

// Adds the note to `out`, sampled at `rate`. With `wrap` the samples past the end continue at
// the start, which keeps a loop seamless; otherwise they are dropped.
void AddNote(std::vector<double>& out, double rate, const Note& note, const Timbre& timbre,
             bool wrap);

// Scales all channels together so that the largest magnitude becomes `peak`, after removing
// each channel's mean.
void Normalize(std::vector<std::vector<double>*> channels, double peak);
