#include "tune.h"

#include <cmath>
#include <sstream>
#include <stdexcept>

namespace {

// The melody, one bar a line, in eighth notes: "G5/2" is G5 for two eighths, "r" a rest.
const char* const Melody[TuneBars] = {
    // The theme
    "C5/1 E5/1 G5/2 E5/1 G5/1 C6/2", "B5/2 G5/2 D5/2 G5/2", "A5/1 G5/1 E5/2 C5/1 E5/1 A5/2",
    "G5/2 F5/1 E5/1 F5/4", "E5/1 F5/1 G5/2 C6/2 G5/2", "F5/1 E5/1 D5/2 B4/2 D5/2",
    "C5/1 D5/1 E5/1 F5/1 D5/2 G5/2", "C5/4 r/2 G4/2",
    // The theme reaching higher, ending open
    "C5/1 E5/1 G5/2 E5/1 G5/1 E6/2", "D6/2 B5/2 G5/2 B5/1 D6/1", "C6/2 A5/2 E5/2 A5/1 B5/1",
    "C6/2 A5/2 F5/4", "G5/1 A5/1 G5/1 E5/1 C5/2 E5/2", "F5/1 G5/1 F5/1 D5/1 A4/2 D5/2",
    "B4/1 C5/1 D5/1 E5/1 F5/2 D5/2", "G5/4 F5/2 D5/2",
    // The middle: longer, singing notes
    "A5/3 G5/1 F5/2 A5/2", "G5/3 F5/1 D5/2 B4/2", "E5/3 F5/1 G5/2 B5/2", "A5/4 C6/2 A5/2",
    "F5/3 E5/1 D5/2 F5/2", "D5/3 C5/1 B4/2 D5/2", "E5/2 G5/2 C6/2 E6/2", "D6/4 r/2 G4/2",
    // The theme once more, turning back to the start
    "C5/1 E5/1 G5/2 E5/1 G5/1 C6/2", "B5/2 G5/2 D5/2 G5/2", "A5/1 G5/1 E5/2 C5/1 E5/1 A5/2",
    "G5/2 F5/1 E5/1 F5/2 A5/2", "G5/1 A5/1 G5/1 E5/1 C6/2 G5/2", "A5/1 G5/1 A5/2 C6/2 A5/2",
    "F5/2 E5/2 D5/2 B4/2", "D5/2 G4/1 A4/1 B4/2 D5/2",
};

// The chords, one bar a line; two names share the bar half and half.
const char* const Harmony[TuneBars] = {
    "C", "G", "Am", "F", "C", "G", "F G", "C",
    "C", "G", "Am", "F", "C", "Dm", "G", "G7",
    "F", "G", "Em", "Am", "Dm", "G", "C", "G",
    "C", "G", "Am", "F", "C", "F", "Dm G", "G7",
};

int PitchClass(char letter) {
    switch (letter) {
        case 'C': return 0;
        case 'D': return 2;
        case 'E': return 4;
        case 'F': return 5;
        case 'G': return 7;
        case 'A': return 9;
        case 'B': return 11;
    }
    throw std::invalid_argument(std::string("not a note letter: ") + letter);
}

Chord ParseChord(const std::string& name, double beat, double beats) {
    std::size_t i = 0;
    int root = PitchClass(name.at(i++));
    if (i < name.size() && name[i] == '#') { ++root; ++i; }
    if (i < name.size() && name[i] == 'b') { --root; ++i; }
    root = (root + 12) % 12;
    const bool minor = i < name.size() && name[i] == 'm';
    if (minor) ++i;
    const bool seventh = i < name.size() && name[i] == '7';
    std::vector<int> tones = {0, minor ? 3 : 4, 7};
    if (seventh) tones.push_back(10);
    Chord chord{beat, beats, {}, 36 + root};
    // Every tone placed between G3 and F#4, so chord changes move by small steps.
    for (int tone : tones) chord.midi.push_back(55 + (root + tone - 7 + 24) % 12);
    return chord;
}

}  // namespace

int ParsePitch(const std::string& name) {
    std::size_t i = 0;
    int pc = PitchClass(name.at(i++));
    if (i < name.size() && name[i] == '#') { ++pc; ++i; }
    if (i < name.size() && name[i] == 'b') { --pc; ++i; }
    const int octave = std::stoi(name.substr(i));
    return 12 * (octave + 1) + pc;
}

std::vector<Chord> TuneChords() {
    std::vector<Chord> chords;
    for (int bar = 0; bar < TuneBars; ++bar) {
        std::istringstream names(Harmony[bar]);
        std::vector<std::string> list;
        for (std::string n; names >> n;) list.push_back(n);
        const double share = static_cast<double>(BeatsPerBar) / list.size();
        for (std::size_t k = 0; k < list.size(); ++k)
            chords.push_back(ParseChord(list[k], bar * BeatsPerBar + k * share, share));
    }
    return chords;
}

std::vector<NoteEvent> TuneNotes() {
    std::vector<NoteEvent> notes;
    auto add = [&notes](Part part, double beat, double beats, int midi, float level) {
        notes.push_back({part, beat, beats, midi, level});
    };

    // Melody, doubled by a glockenspiel an octave up in the second and last sections.
    for (int bar = 0; bar < TuneBars; ++bar) {
        std::istringstream tokens(Melody[bar]);
        double beat = bar * BeatsPerBar;
        const bool sparkle = (bar >= 8 && bar < 16) || bar >= 24;
        for (std::string token; tokens >> token;) {
            const std::size_t slash = token.find('/');
            const double beats = std::stod(token.substr(slash + 1)) / 2.0;
            const std::string pitch = token.substr(0, slash);
            if (pitch != "r") {
                const bool onBeat = beat == std::floor(beat);
                add(Part::Lead, beat, beats, ParsePitch(pitch), onBeat ? 0.95f : 0.85f);
                if (sparkle) add(Part::Glock, beat, beats, ParsePitch(pitch) + 12, 0.5f);
            }
            beat += beats;
        }
        // A slip in the score would shift every later bar against the chords and drums.
        if (beat != (bar + 1) * BeatsPerBar)
            throw std::logic_error("melody bar " + std::to_string(bar + 1) + " does not fill four beats");
    }

    // Accompaniment: bouncing bass and off-beat chord stabs; in the middle, held chords,
    // a music-box arpeggio and a walking half-note bass instead.
    for (const Chord& c : TuneChords()) {
        const int bar = static_cast<int>(c.beat) / BeatsPerBar;
        const bool middle = bar >= 16 && bar < 24;
        const int fifth = c.root + 7;
        if (middle) {
            for (int tone : c.midi) add(Part::Pad, c.beat, c.beats, tone, 0.5f);
            for (double b = 0; b < c.beats; b += 2) add(Part::Bass, c.beat + b, 1.8, b == 0 ? c.root : fifth, 0.9f);
            for (double b = 0; b < c.beats; b += 0.5) {
                const int step = static_cast<int>(b * 2) % 4;
                const int tone = c.midi[step == 3 ? 1 : step] + 12;
                add(Part::MusicBox, c.beat + b, 0.5, tone, step == 0 ? 0.6f : 0.45f);
            }
        } else {
            const int pattern[4] = {c.root, fifth, c.root + 12, fifth};
            for (double b = 0; b < c.beats; b += 1)
                add(Part::Bass, c.beat + b, 0.8, pattern[static_cast<int>(c.beat + b) % 4], b == 0 ? 1.0f : 0.8f);
            for (double b = 0.5; b < c.beats; b += 1)
                for (int tone : c.midi) add(Part::Stab, c.beat + b, 0.35, tone, 0.55f);
        }
    }

    // Drums: kick on one and three, snare on two and four, hats on the eighths;
    // the middle section is lighter, and every section ends with a little snare run.
    for (int bar = 0; bar < TuneBars; ++bar) {
        const double start = bar * BeatsPerBar;
        const bool middle = bar >= 16 && bar < 24;
        const bool fill = bar % 8 == 7;
        add(Part::Kick, start, 0.5, 0, 1.0f);
        add(Part::Kick, start + 2, 0.5, 0, middle ? 0.7f : 1.0f);
        if (!middle && bar % 2 == 1) add(Part::Kick, start + 2.5, 0.5, 0, 0.6f);
        add(Part::Snare, start + 1, 0.5, 0, middle ? 0.55f : 0.8f);
        if (!fill) add(Part::Snare, start + 3, 0.5, 0, middle ? 0.55f : 0.8f);
        else
            for (int k = 0; k < 4; ++k) add(Part::Snare, start + 3 + 0.25 * k, 0.25, 0, 0.4f + 0.15f * k);
        for (int e = 0; e < 8; ++e) {
            if (fill && e >= 6) break;
            const bool open = !middle && e == 7 && bar % 2 == 0;
            add(open ? Part::OpenHat : Part::Hat, start + 0.5 * e, 0.5, 0, (e % 2 ? 0.6f : 0.35f) * (middle ? 0.7f : 1.0f));
        }
    }
    return notes;
}
