#pragma once
// Pieces: the game's music, composed in code on the Arranger. Each loop has its own key,
// tempo and band, and its last bars turn back to its first chord so that it runs on:
//   menu        D major, 80 BPM: warm pads, harp, vibraphone and flute, brushes;
//   backmusic1  E minor, 128 BPM: synth rock, power chords and a saw lead;
//   backmusic2  D minor, 150 BPM: electro, rolling bass, arpeggios and a square lead;
//   backmusic3  C minor, 112 BPM: orchestral action, string ostinato, horns and taiko;
//   win, lose   short jingles that end (not loops).
#include "tools/music/Score.h"

#include <string>

namespace assets {

class Pieces {
public:
    static Score menu();
    static Score backmusic1();
    static Score backmusic2();
    static Score backmusic3();
    static Score win();
    static Score lose();
    // By file stem; throws std::runtime_error for an unknown name.
    static Score byName(const std::string& name);
};

}  // namespace assets
