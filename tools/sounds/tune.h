// The background tune as notes: a bright 32-bar melody over simple chords, with bass and drums.
// Four eight-bar sections: the theme, the theme dressed up, a gentler middle, the theme in full;
// the last bar turns back to the first so the tune can go round for ever.
#pragma once
#include <string>
#include <vector>

constexpr int TuneBars = 32;
constexpr int BeatsPerBar = 4;
constexpr double TuneTempo = 120.0;  // beats a minute: 32 bars last 64 seconds

enum class Part { Lead, Glock, Bass, Stab, Pad, MusicBox, Kick, Snare, Hat, OpenHat };

struct NoteEvent {
    Part part;
    double beat;    // from the start of the tune
    double beats;   // held this long
    int midi;       // pitch; unused by drums
    float level;    // 0..1
};

struct Chord {
    double beat, beats;
    std::vector<int> midi;  // the triad (or seventh) in the middle register
    int root;               // bass root, low octave
};

std::vector<NoteEvent> TuneNotes();
std::vector<Chord> TuneChords();

// Exposed for checks: "E5" -> 76, "Bb3" -> 58.
int ParsePitch(const std::string& name);
