// Writes the game's background song, an original tune of our own, as a
// standard MIDI file (format 0, one track, 480 ticks a beat) to the path
// given. Usage: tavlira-midi-song FILE.mid
//
// The tune: sixteen bars in A minor at 96 beats a minute, a nylon guitar
// melody over a soft string pad and a plucked bass, about forty seconds long.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int TicksPerBeat = 480;
constexpr int BeatsPerBar = 4;
constexpr int Bar = TicksPerBeat * BeatsPerBar;

struct Note {
    int start;  // ticks
    int length; // ticks
    int channel;
    int pitch;
    int velocity;
};

struct Event {
    int tick;
    std::vector<std::uint8_t> bytes;
};

void PutVarLength(std::string& out, std::uint32_t value) {
    std::uint8_t groups[4];
    int count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count-- > 0)
        out.push_back(static_cast<char>(groups[count] | (count > 0 ? 0x80 : 0)));
}

void PutBigEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

// Note names of the tune: pitch numbers of the MIDI standard (60 = middle C).
enum : int { A2 = 45, C3 = 48, D3 = 50, E3 = 52, F3 = 53, G3 = 55, A3 = 57 };
enum : int { C4 = 60, D4 = 62, E4 = 64, F4 = 65, G4 = 67, Gs4 = 68, A4 = 69, B4 = 71 };
enum : int { C5 = 72, D5 = 74, E5 = 76 };

std::vector<Note> Compose() {
    std::vector<Note> notes;
    // The chords, one a bar: root of the bass and the pad's three notes.
    struct Chord {
        int bass;
        int pad[3];
    };
    const Chord am{A2, {A3, C4, E4}}, dm{D3, {A3, D4, F4}}, e{E3, {Gs4 - 12, B4 - 12, E4}},
        f{F3, {A3, C4, F4}}, c{C3, {G3, C4, E4}}, g{G3, {G3, B4 - 12, D4}};
    const Chord progression[16] = {am, dm, e, am, f, c, g, e, am, dm, e, am, f, g, e, am};
    // The melody, bar by bar: pitch and length in eighths (0 pitch rests).
    const std::vector<std::pair<int, int>> melody[16] = {
        {{E5, 2}, {C5, 1}, {B4, 1}, {A4, 3}, {C5, 1}},
        {{D5, 2}, {F4, 1}, {A4, 1}, {D5, 3}, {C5, 1}},
        {{B4, 2}, {Gs4, 2}, {E4, 2}, {B4, 2}},
        {{A4, 6}, {0, 2}},
        {{C5, 2}, {A4, 1}, {C5, 1}, {F4, 3}, {A4, 1}},
        {{G4, 2}, {E4, 1}, {G4, 1}, {C5, 4}},
        {{B4, 2}, {D5, 2}, {G4, 3}, {B4, 1}},
        {{Gs4, 4}, {B4, 2}, {E5, 2}},
        {{A4, 1}, {C5, 1}, {E5, 2}, {D5, 1}, {C5, 1}, {B4, 2}},
        {{A4, 2}, {D5, 2}, {F4, 2}, {A4, 2}},
        {{Gs4, 3}, {A4, 1}, {B4, 4}},
        {{C5, 2}, {B4, 1}, {A4, 1}, {E4, 4}},
        {{F4, 2}, {A4, 2}, {C5, 2}, {A4, 2}},
        {{G4, 2}, {B4, 2}, {D5, 3}, {B4, 1}},
        {{Gs4, 2}, {B4, 2}, {E5, 2}, {D5, 2}},
        {{A4, 8}},
    };
    constexpr int Eighth = TicksPerBeat / 2;
    for (int bar = 0; bar < 16; ++bar) {
        const int barStart = bar * Bar;
        const Chord& chord = progression[bar];
        for (int pitch : chord.pad)
            notes.push_back({barStart, Bar - 20, 1, pitch, 48});
        // The bass plucks the root on the first and third beat, the fifth between.
        notes.push_back({barStart, TicksPerBeat * 2 - 30, 2, chord.bass, 80});
        notes.push_back({barStart + 2 * TicksPerBeat, TicksPerBeat - 30, 2, chord.bass + 7, 70});
        notes.push_back({barStart + 3 * TicksPerBeat, TicksPerBeat - 30, 2, chord.bass, 70});
        int at = barStart;
        for (const auto& [pitch, eighths] : melody[bar]) {
            if (pitch != 0)
                notes.push_back({at, eighths * Eighth - 20, 0, pitch, 90});
            at += eighths * Eighth;
        }
    }
    return notes;
}

std::string Track(const std::vector<Note>& notes) {
    std::vector<Event> events;
    // Tempo 96 beats a minute: 625000 microseconds a beat.
    events.push_back({0, {0xFF, 0x51, 0x03, 0x09, 0x89, 0x68}});
    // Instruments: nylon guitar, string ensemble, acoustic bass.
    const std::uint8_t programs[3] = {24, 48, 32};
    for (std::uint8_t channel = 0; channel < 3; ++channel)
        events.push_back({0, {static_cast<std::uint8_t>(0xC0 | channel), programs[channel]}});
    for (const Note& note : notes) {
        const auto status = static_cast<std::uint8_t>(note.channel);
        const auto pitch = static_cast<std::uint8_t>(note.pitch);
        events.push_back({note.start,
                          {static_cast<std::uint8_t>(0x90 | status), pitch,
                           static_cast<std::uint8_t>(note.velocity)}});
        events.push_back(
            {note.start + note.length, {static_cast<std::uint8_t>(0x80 | status), pitch, 0}});
    }
    // In time order, and a note that ends where another begins ends first.
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        if (a.tick != b.tick)
            return a.tick < b.tick;
        return (a.bytes[0] & 0xF0) == 0x80 && (b.bytes[0] & 0xF0) != 0x80;
    });
    std::string track;
    int last = 0;
    for (const Event& event : events) {
        PutVarLength(track, static_cast<std::uint32_t>(event.tick - last));
        track.append(event.bytes.begin(), event.bytes.end());
        last = event.tick;
    }
    PutVarLength(track, static_cast<std::uint32_t>(std::max(0, 16 * Bar - last)));
    track += std::string("\xFF\x2F\x00", 3); // end of track
    return track;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavlira-midi-song FILE.mid\n");
        return 2;
    }
    const std::string track = Track(Compose());
    std::string file = "MThd";
    PutBigEndian(file, 6, 4);
    PutBigEndian(file, 0, 2); // format 0
    PutBigEndian(file, 1, 2); // one track
    PutBigEndian(file, TicksPerBeat, 2);
    file += "MTrk";
    PutBigEndian(file, static_cast<std::uint32_t>(track.size()), 4);
    file += track;
    std::ofstream out(argv[1], std::ios::binary);
    out.write(file.data(), static_cast<std::streamsize>(file.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "tavlira-midi-song: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
