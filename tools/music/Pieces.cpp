#include "tools/music/Pieces.h"

#include "tools/music/Arranger.h"

#include <stdexcept>
#include <vector>

namespace assets {

namespace {
using Fill = Arranger::Fill;
using Arp = Arranger::Arp;
using Progression = Arranger::Progression;

// General MIDI percussion keys.
enum Drum {
    Kick = 36, Rim = 37, Snare = 38, Clap = 39, ElectricSnare = 40, LowTom = 45, ClosedHat = 42, PedalHat = 44,
    OpenHat = 46, Crash = 49, Ride = 51, RideBell = 53, Tambourine = 54, Shaker = 70
};

Arranger::MelodyStyle driving()
{
    return {{{{0, 1}, {1, 0.5}, {1.5, 0.5}, {2, 1}, {3, 1}},
             {{0, 0.75}, {0.75, 0.75}, {1.5, 0.5}, {2, 2}},
             {{0, 0.5}, {0.5, 0.5}, {1, 0.5}, {1.5, 1.5}, {3, 0.5}, {3.5, 0.5}},
             {{0, 1.5}, {1.5, 0.5}, {2, 0.5}, {2.5, 1.5}},
             {{0.5, 0.5}, {1, 1}, {2, 0.5}, {2.5, 0.5}, {3, 1}},
             {{0, 2}, {2, 0.5}, {2.5, 0.5}, {3, 1}}},
            0.92, 3, 3.5};
}

Arranger::MelodyStyle calm()
{
    return {{{{0, 2}, {2, 1}, {3, 1}},
             {{0, 3}, {3, 1}},
             {{0, 1}, {1, 1}, {2, 2}},
             {{0, 1.5}, {1.5, 0.5}, {2, 2}},
             {{1, 1}, {2, 2}},
             {{0, 1}, {1, 0.5}, {1.5, 0.5}, {2, 2}}},
            0.95, 2, 4.0};
}

Arranger::MelodyStyle heroic()
{
    return {{{{0, 1.5}, {1.5, 0.5}, {2, 2}},
             {{0, 0.75}, {0.75, 0.25}, {1, 1}, {2, 1}, {3, 1}},
             {{0, 2}, {2, 1}, {3, 0.5}, {3.5, 0.5}},
             {{0, 1}, {1, 1}, {2, 1.5}, {3.5, 0.5}},
             {{0, 3}, {3, 0.5}, {3.5, 0.5}}},
            0.95, 3, 4.0};
}
}  // namespace

Score Pieces::menu()
{
    // Calm and open: long chords with sevenths, a harp turning slowly, a melody that takes
    // its time. The last bar's suspended dominant leans back into the first chord.
    Score s;
    s.bpm = 80.0;
    s.reverbRoom = 0.8;
    s.reverbLevel = 0.7;
    s.instrument(0, 11, 127, 58, 70, 20);  // vibraphone
    s.instrument(1, 46, 100, 40, 80);      // harp
    s.instrument(2, 89, 58, 64, 100, 40);  // warm pad
    s.instrument(3, 35, 88, 64, 40);       // fretless bass
    s.instrument(4, 94, 56, 92, 110, 60);  // halo pad
    s.instrument(5, 73, 72, 72, 80);       // flute
    s.instrument(9, 40, 127, 64, 60, 0, 128);  // brush kit
    Arranger a(s, Scale::major(62), 1001);
    const Progression partA = {"Dmaj7", "Dmaj7", "Bm7", "Bm7", "Gmaj7", "Gmaj7", "Em7", "Asus4 A"};
    const Progression partB = {"Gmaj7", "F#m7", "Em7", "Bm7", "Gmaj7", "F#m7", "Em7", "Asus4 A"};
    const Arranger::DrumPattern brushes = {{Ride, "x..x..x.x..x..x."}, {Rim, "....x.......x..."}, {Kick, "x.......x......."}};
    for (int part = 0; part < 4; ++part) {
        const int bar = part * 8;
        const Progression& p = part == 2 ? partB : partA;
        a.pad(2, bar, p, 57, 76, 60, 4);
        a.bass(3, bar, p, "r-------f---r---", 38, 74, 0.95);
        a.arpeggio(1, bar, p, Arp::Broken, 0.5, 62, 86, part == 0 ? 52 : 58, 1.6);
        if (part >= 1) a.pad(4, bar, p, 69, 88, 40, 3);
    }
    a.melody(0, 8, partA, calm(), 69, 88, 116, 2101);
    const int last = a.melody(5, 16, partB, calm(), 69, 91, 92, 2202);
    a.melody(0, 24, partA, calm(), 69, 88, 118, 2303, last);
    a.drums(16, 8, brushes, 72);
    s.beats = 32 * 4;
    s.trimToLength();
    return s;
}

Score Pieces::backmusic1()
{
    // Synth rock: palm-muted eighths, a pumping bass and a saw lead; a breakdown in the
    // middle and a dominant turnaround (B major) that throws the loop back to E minor.
    Score s;
    s.bpm = 128.0;
    s.reverbRoom = 0.55;
    s.reverbLevel = 0.5;
    s.instrument(0, 81, 62, 64, 55, 35);   // sawtooth lead
    s.instrument(1, 30, 118, 30, 30);      // distortion guitar
    s.instrument(2, 30, 108, 98, 30);      // its double, other side
    s.instrument(3, 38, 118, 64, 15);      // synth bass
    s.instrument(4, 50, 52, 84, 80, 30);   // synth strings
    s.instrument(5, 80, 70, 46, 60, 30);   // square arpeggio
    s.instrument(9, 16, 124, 64, 30, 0, 128);  // power kit
    Arranger a(s, Scale::minor(64), 1101);
    const Arranger::DrumPattern rock = {{Kick, "x.....x.x.....x."}, {Snare, "....X.......X..."},
                                        {ClosedHat, "x.x.x.x.x.x.x.x."}};
    const Arranger::DrumPattern ride = {{Kick, "x.....x...x.x..."}, {Snare, "....X.......X..o"}, {Ride, "x.x.x.x.x.x.x.x."}};
    const Arranger::DrumPattern half = {{Kick, "x.........x....."}, {Snare, "........X......."}, {ClosedHat, "x.x.x.x.x.x.x.x."}};
    const Arranger::DrumPattern intro = {{Kick, "x.......x......."}, {ClosedHat, "x.x.x.x.x.x.x.x."}};

    const Progression introChords = {"Em", "Em", "C", "D"};
    const Progression partA = {"Em", "C", "G", "D", "Em", "C", "Am", "B"};
    const Progression partB = {"C", "D", "Em", "Em", "C", "D", "B", "B"};
    const Progression breakdown = {"Am", "Am", "C", "C", "Em", "Em", "D", "D"};
    const Progression turn = {"C", "D", "B", "B"};
    const std::string pump = "r.r.r.r.r.r.o.a.";
    const std::string palmMute = "x.x.x.x.X.x.x.x.";

    a.drums(0, 4, intro, 96, Fill::Snare);
    a.bass(3, 0, introChords, "r.r.r.r.r.r.r.r.", 28, 84, 0.7);
    a.arpeggio(5, 0, introChords, Arp::Up, 0.25, 64, 83, 70);

    // A
    a.drums(4, 8, rock, 100, Fill::Toms, true);
    a.bass(3, 4, partA, pump, 28, 96, 0.7);
    a.chordRhythm(1, 4, partA, palmMute, 40, 60, 88, 0.45, true);
    a.chordRhythm(2, 4, partA, palmMute, 40, 60, 80, 0.45, true);
    int lead = a.melody(0, 4, partA, driving(), 64, 84, 96, 3101);
    // B
    a.drums(12, 8, ride, 100, Fill::Snare, true);
    a.bass(3, 12, partB, "r---r---r.r.o.r.", 28, 96, 0.9);
    a.chordRhythm(1, 12, partB, "x-------x-------", 40, 60, 84, 0.95, true);
    a.chordRhythm(2, 12, partB, "x-------x-------", 40, 60, 76, 0.95, true);
    a.pad(4, 12, partB, 55, 74, 70, 4);
    lead = a.melody(0, 12, partB, driving(), 64, 86, 98, 3202, lead);
    // A again, with the strings and the arpeggio filling in
    a.drums(20, 8, rock, 104, Fill::Build, true);
    a.bass(3, 20, partA, pump, 28, 98, 0.7);
    a.chordRhythm(1, 20, partA, palmMute, 40, 60, 90, 0.45, true);
    a.chordRhythm(2, 20, partA, palmMute, 40, 60, 82, 0.45, true);
    a.pad(4, 20, partA, 55, 74, 62, 4);
    a.arpeggio(5, 20, partA, Arp::UpDown, 0.25, 64, 88, 56);
    lead = a.melody(0, 20, partA, driving(), 66, 88, 100, 3303, lead);
    // Breakdown: half time, the lead rests, the arpeggio carries it
    a.drums(28, 8, half, 92, Fill::Build);
    a.bass(3, 28, breakdown, "r-------r-------", 28, 90, 0.95);
    a.pad(4, 28, breakdown, 55, 76, 74, 4);
    a.arpeggio(5, 28, breakdown, Arp::Broken, 0.25, 60, 84, 66);
    a.chordRhythm(1, 32, {"Em", "Em", "D", "D"}, "x-------x-------", 40, 60, 70, 0.95, true);
    // B again, louder
    a.drums(36, 8, ride, 106, Fill::Toms, true);
    a.bass(3, 36, partB, "r.r.r.r.r.r.o.a.", 28, 100, 0.7);
    a.chordRhythm(1, 36, partB, "x-x-x-x-x-x-x-x-", 40, 60, 90, 0.6, true);
    a.chordRhythm(2, 36, partB, "x-x-x-x-x-x-x-x-", 40, 60, 82, 0.6, true);
    a.pad(4, 36, partB, 57, 76, 74, 4);
    lead = a.melody(0, 36, partB, driving(), 66, 88, 102, 3404, lead);
    // Turnaround onto the dominant
    a.drums(44, 4, rock, 104, Fill::Toms, true);
    a.bass(3, 44, turn, pump, 28, 98, 0.7);
    a.chordRhythm(1, 44, turn, palmMute, 40, 60, 90, 0.45, true);
    a.chordRhythm(2, 44, turn, palmMute, 40, 60, 82, 0.45, true);
    a.pad(4, 44, turn, 55, 74, 66, 4);
    a.melody(0, 44, turn, driving(), 66, 86, 98, 3505, lead);
    s.beats = 48 * 4;
    s.trimToLength();
    return s;
}

Score Pieces::backmusic2()
{
    // Electro at 150: four on the floor, a bass rolling between the kicks, a bright
    // sixteenth arpeggio and brass stabs; a breakdown without kick before the last drive.
    Score s;
    s.bpm = 150.0;
    s.reverbRoom = 0.5;
    s.reverbLevel = 0.5;
    s.instrument(0, 80, 68, 64, 50, 45);   // square lead
    s.instrument(1, 81, 92, 36, 60, 20);   // saw arpeggio
    s.instrument(2, 39, 118, 64, 10);      // synth bass 2
    s.instrument(3, 90, 78, 92, 80, 40);   // polysynth pad
    s.instrument(4, 62, 70, 64, 55, 20);   // synth brass stabs
    s.instrument(9, 24, 127, 64, 25, 0, 128);  // electronic kit
    Arranger a(s, Scale::minor(62), 1201);
    const Arranger::DrumPattern floor = {{Kick, "x...x...x...x..."}, {Clap, "....x.......x..."},
                                         {ClosedHat, "x.xxx.xxx.xxx.xx"}, {OpenHat, "..x...x...x...x."}};
    const Arranger::DrumPattern lean = {{Kick, "x...x...x...x..."}, {ClosedHat, "..x...x...x...x."}};
    const Arranger::DrumPattern air = {{ClosedHat, "..x...x...x...x."}, {Shaker, "xxxxxxxxxxxxxxxx"}};
    const Arranger::DrumPattern drive = {{Kick, "x...x...x...x.x."}, {Clap, "....x.......x..."},
                                         {ElectricSnare, "..........o....o"}, {ClosedHat, "xxxxxxxxxxxxxxxx"},
                                         {OpenHat, "..x...x...x...x."}};

    const Progression intro = {"Dm", "Dm", "Bb", "C", "Dm", "Dm", "Bb", "C"};
    const Progression partA = {"Dm", "Bb", "F", "C", "Dm", "Bb", "Gm", "A"};
    const Progression breakdown = {"Gm", "Gm", "Dm", "Dm", "Bb", "C", "Dm", "A"};
    const Progression partC = {"Bb", "C", "Dm", "Dm", "Bb", "C", "A", "A"};
    const std::string rolling = ".rrr.rrr.rrr.rro";
    const std::string offbeat = "..X...x...X...x.";

    a.drums(0, 4, lean, 96);
    a.drums(4, 4, floor, 100, Fill::Build);
    a.arpeggio(1, 0, intro, Arp::UpDown, 0.25, 62, 86, 64, 0.6);
    a.pad(3, 0, intro, 57, 77, 64, 4);
    a.bass(2, 4, {"Dm", "Dm", "Bb", "C"}, rolling, 26, 92, 0.55);
    int lead = -1;
    for (int half = 0; half < 2; ++half) {
        const int bar = 8 + half * 8;
        a.drums(bar, 8, floor, 104, half == 1 ? Fill::Snare : Fill::None, half == 0);
        a.bass(2, bar, partA, rolling, 26, 98, 0.55);
        a.arpeggio(1, bar, partA, Arp::Up, 0.25, 62, 86, 58, 0.55);
        a.pad(3, bar, partA, 57, 77, 60, 4);
        a.chordRhythm(4, bar, partA, offbeat, 60, 76, 72, 0.5);
        lead = a.melody(0, bar, partA, driving(), 69, 89, 98, 4101 + half, lead);
    }
    // Breakdown: no kick; the pad and the lead hold long notes, then a build.
    a.drums(24, 8, air, 82, Fill::Build);
    a.pad(3, 24, breakdown, 57, 79, 74, 4);
    a.arpeggio(1, 24, breakdown, Arp::Broken, 0.25, 62, 86, 56, 0.5);
    a.bass(2, 24, breakdown, "r---------------", 26, 84, 0.95);
    lead = a.melody(0, 24, breakdown, calm(), 69, 89, 92, 4201, lead);
    for (int half = 0; half < 2; ++half) {
        const int bar = 32 + half * 8;
        a.drums(bar, 8, floor, 106, half == 1 ? Fill::Toms : Fill::None, half == 0);
        a.bass(2, bar, partA, rolling, 26, 100, 0.55);
        a.arpeggio(1, bar, partA, Arp::UpDown, 0.25, 62, 88, 60, 0.55);
        a.pad(3, bar, partA, 57, 77, 62, 4);
        a.chordRhythm(4, bar, partA, offbeat, 60, 76, 76, 0.5);
        lead = a.melody(0, bar, partA, driving(), 69, 91, 100, 4301 + half, lead);
    }
    a.drums(48, 8, drive, 106, Fill::Snare, true);
    a.bass(2, 48, partC, "rrrrrrrrrrrrrrrr", 26, 96, 0.5);
    a.arpeggio(1, 48, partC, Arp::Up, 0.25, 62, 86, 60, 0.55);
    a.pad(3, 48, partC, 57, 79, 66, 4);
    a.chordRhythm(4, 48, partC, "X..x..x.X..x..x.", 60, 76, 80, 0.4);
    lead = a.melody(0, 48, partC, driving(), 69, 91, 100, 4401, lead);
    // Back to the intro's lean groove, so the loop's return feels like a new beginning.
    a.drums(56, 8, lean, 100, Fill::Build, true);
    a.arpeggio(1, 56, intro, Arp::UpDown, 0.25, 62, 86, 62, 0.6);
    a.pad(3, 56, intro, 57, 77, 64, 4);
    a.bass(2, 56, intro, rolling, 26, 92, 0.55);
    a.melody(0, 56, {"Dm", "Dm", "Bb", "C", "Dm", "Dm", "Bb", "A"}, calm(), 69, 89, 90, 4501, lead);
    s.beats = 64 * 4;
    s.trimToLength();
    return s;
}

Score Pieces::backmusic3()
{
    // Orchestral action: a string ostinato drives everything, horns carry the tune, brass
    // stabs and taiko punctuate, the choir widens the chorus; the harmonic-minor G major at
    // every turn pulls back to C minor.
    Score s;
    s.bpm = 112.0;
    s.reverbRoom = 0.75;
    s.reverbLevel = 0.65;
    s.instrument(0, 60, 96, 56, 80);       // french horns
    s.instrument(1, 48, 127, 40, 60);      // strings, ostinato
    s.instrument(2, 42, 127, 78, 55);      // cellos
    s.instrument(3, 61, 110, 74, 65);      // brass section
    s.instrument(4, 52, 92, 64, 90, 20);   // choir
    s.instrument(5, 47, 127, 64, 70);      // timpani
    s.instrument(6, 43, 86, 70, 60);       // contrabasses
    s.instrument(7, 56, 96, 84, 75);       // trumpet
    s.instrument(8, 116, 100, 64, 60);     // taiko
    s.instrument(9, 48, 96, 64, 60, 0, 128);  // orchestra kit
    Arranger a(s, Scale::minor(60), 1301);
    const Progression intro = {"Cm", "Cm", "Ab", "G"};
    const Progression partA = {"Cm", "Ab", "Eb", "Bb", "Cm", "Ab", "Fm", "G"};
    const Progression partB = {"Ab", "Bb", "Cm", "Cm", "Ab", "Bb", "G", "G"};
    const Progression bridge = {"Fm", "Fm", "Cm", "Cm", "Ab", "Ab", "G", "G"};
    const Progression turn = {"Cm", "Ab", "Fm", "G"};
    const std::vector<int> churn = {0, 0, 2, 0, 1, 0, 2, 0, 0, 0, 2, 0, 3, 0, 2, 1};
    const Arranger::DrumPattern march = {{Snare, "....X.......X.oo"}, {Kick, "x.......x.x....."}};
    const std::string stab = "X..x..x.X.......";
    auto taiko = [&](int bar, int bars, const char* steps) {
        for (int b = 0; b < bars; ++b)
            for (int k = 0; k < 16; ++k)
                if (steps[k] != '.') a.note(8, (bar + b) * 4 + k * 0.25, 0.5, steps[k] == 'X' ? 48 : 41, steps[k] == 'X' ? 112 : 92);
    };

    a.ostinato(1, 0, intro, churn, 0.25, 55, 80);
    a.ostinato(2, 0, intro, {0, 0, 0, 0}, 0.5, 36, 76, 0.7);
    taiko(0, 4, "X.......x.x.....");
    a.roll(5, 3 * 4 + 2, 2.0, 43, 50, 100);
    // A
    a.ostinato(1, 4, partA, churn, 0.25, 55, 86);
    a.ostinato(2, 4, partA, {0, 0, 0, 0}, 0.5, 36, 84, 0.7);
    a.bass(6, 4, partA, "r-------r-------", 28, 80, 0.95);
    a.chordRhythm(3, 4, partA, stab, 55, 72, 88, 0.5);
    a.drums(4, 8, march, 92, Fill::Snare, true);
    taiko(4, 8, "X.......x.x.....");
    int horn = a.melody(0, 4, partA, heroic(), 60, 79, 100, 5101);
    // B: wider, with the choir
    a.ostinato(1, 12, partB, churn, 0.25, 55, 84);
    a.ostinato(2, 12, partB, {0, 0, 0, 0}, 0.5, 36, 84, 0.7);
    a.bass(6, 12, partB, "r-------r-------", 28, 84, 0.95);
    a.pad(4, 12, partB, 55, 74, 76, 4);
    a.drums(12, 8, march, 96, Fill::Toms, true);
    for (int bar = 12; bar < 20; bar += 2) a.note(5, bar * 4, 1.0, bar % 4 == 0 ? 43 : 36, 110);
    horn = a.melody(0, 12, partB, heroic(), 60, 81, 104, 5202, horn);
    // A again, tutti: the trumpet joins the horns an octave up
    a.ostinato(1, 20, partA, churn, 0.25, 55, 90);
    a.ostinato(2, 20, partA, {0, 0, 0, 0}, 0.5, 36, 88, 0.7);
    a.bass(6, 20, partA, "r-------r-------", 28, 88, 0.95);
    a.chordRhythm(3, 20, partA, stab, 55, 72, 96, 0.5);
    a.pad(4, 20, partA, 55, 74, 70, 4);
    a.drums(20, 8, march, 100, Fill::Build, true);
    taiko(20, 8, "X.....x.x.x...x.");
    horn = a.melody(0, 20, partA, heroic(), 60, 79, 106, 5101, horn);
    a.doubled(0, 7, 20 * 4, 28 * 4, 12, -12);
    // Bridge: quieter, the ostinato alone under choir and a horn line, then a roll
    a.ostinato(1, 28, bridge, churn, 0.25, 55, 76);
    a.bass(6, 28, bridge, "r---------------", 28, 76, 0.95);
    a.pad(4, 28, bridge, 53, 74, 74, 4);
    horn = a.melody(0, 28, bridge, heroic(), 58, 77, 92, 5303, horn);
    a.roll(5, 34 * 4, 8.0, 43, 40, 110);
    a.drums(34, 2, {{Snare, "oooooooooooooooo"}}, 70, Fill::Build);
    // Turn back to the start on the dominant
    a.ostinato(1, 36, turn, churn, 0.25, 55, 90);
    a.ostinato(2, 36, turn, {0, 0, 0, 0}, 0.5, 36, 88, 0.7);
    a.bass(6, 36, turn, "r-------r-------", 28, 88, 0.95);
    a.chordRhythm(3, 36, turn, "X...X...X...X.x.", 55, 72, 98, 0.5);
    a.drums(36, 4, march, 100, Fill::Toms, true);
    taiko(36, 4, "X...x...X...x.x.");
    a.melody(0, 36, turn, heroic(), 60, 79, 104, 5404, horn);
    s.beats = 40 * 4;
    s.trimToLength();
    return s;
}

Score Pieces::win()
{
    // A brass fanfare: a triplet pickup, a rising arpeggio and a held tonic over a cymbal.
    Score s;
    s.bpm = 120.0;
    s.loop = false;
    s.tail = 1.3;
    s.reverbRoom = 0.7;
    s.reverbLevel = 0.6;
    s.instrument(0, 56, 108, 60, 70);   // trumpet
    s.instrument(1, 61, 96, 72, 70);    // brass section
    s.instrument(2, 48, 88, 50, 80);    // strings
    s.instrument(5, 47, 104, 64, 70);   // timpani
    s.instrument(9, 48, 100, 64, 70, 0, 128);
    Arranger a(s, Scale::major(60), 1401);
    const struct {
        double beat, length;
        int key;
    } tune[] = {{0.0, 0.3, 67}, {0.333, 0.3, 67}, {0.667, 0.3, 67}, {1.0, 0.5, 72}, {1.5, 0.5, 76},
                {2.0, 0.75, 79}, {2.75, 0.25, 76}, {3.0, 4.0, 84}};
    for (const auto& n : tune) a.note(0, n.beat, n.length, n.key, 112);
    // Brass under the tune: the dominant under the pickup, then C, G7 and the held C.
    const struct {
        double beat, length;
        std::vector<int> keys;
    } chords[] = {{0.0, 0.9, {55, 59, 62}}, {1.0, 0.9, {60, 64, 67}}, {2.0, 0.9, {55, 59, 65}}, {3.0, 4.0, {60, 64, 67, 72}}};
    for (const auto& c : chords)
        for (int k : c.keys) a.note(1, c.beat, c.length, k, c.beat == 3.0 ? 104 : 96);
    for (int k : {48, 55, 64, 72, 76}) a.note(2, 3.0, 4.0, k, 96);
    a.roll(2, 0.0, 3.0, 67, 60, 90, 0.125);
    a.roll(5, 1.5, 1.5, 43, 60, 110);
    a.note(5, 3.0, 1.0, 36, 120);
    a.note(9, 3.0, 3.0, Crash, 110);
    a.note(9, 3.0, 1.0, 36, 120);
    s.beats = 7.5;
    return s;
}

Score Pieces::lose()
{
    // A slow fall in A minor: strings and choir step down to a low, dark tonic.
    Score s;
    s.bpm = 84.0;
    s.loop = false;
    s.tail = 0.9;
    s.reverbRoom = 0.8;
    s.reverbLevel = 0.7;
    s.instrument(0, 48, 100, 56, 85);   // strings
    s.instrument(1, 52, 84, 72, 95);    // choir
    s.instrument(2, 0, 90, 64, 70);     // piano, low
    s.instrument(5, 47, 100, 64, 80);   // timpani
    s.instrument(3, 60, 90, 64, 80);    // horn
    Arranger a(s, Scale::minor(57), 1501);
    const struct {
        double beat, length;
        int key;
    } tune[] = {{0.0, 1.0, 76}, {1.0, 1.0, 74}, {2.0, 1.0, 72}, {3.0, 1.0, 71}, {4.0, 2.5, 69}};
    for (const auto& n : tune) a.note(3, n.beat, n.length * 0.95, n.key - 12, 96);
    const Progression chords = {"Am G F E"};
    a.pad(0, 0, chords, 57, 76, 84, 4);
    a.pad(1, 0, chords, 60, 76, 76, 3);
    for (int k : {57, 60, 64, 69}) a.note(0, 4.0, 2.5, k, 88);
    for (int k : {57, 64, 69}) a.note(1, 4.0, 2.5, k, 80);
    for (int k : {33, 45}) a.note(2, 4.0, 2.5, k, 100);
    a.note(5, 4.0, 1.0, 45, 112);
    a.roll(5, 2.5, 1.5, 40, 40, 90);
    s.beats = 6.5;
    return s;
}

Score Pieces::byName(const std::string& name)
{
    if (name == "menu") return menu();
    if (name == "backmusic1") return backmusic1();
    if (name == "backmusic2") return backmusic2();
    if (name == "backmusic3") return backmusic3();
    if (name == "win") return win();
    if (name == "lose") return lose();
    throw std::runtime_error("no piece called " + name);
}

}  // namespace assets
