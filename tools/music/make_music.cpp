// make_music: composes and renders one piece of the game's music. Loops become MP3 (with
// the LAME header, so they loop without a gap), the jingles WAV.
// Usage: make_music <piece> <sound font> <output file>
//        make_music <piece> --roll <bmp file>    (draws the score instead, to check it by eye)
#include "tools/common/BmpFile.h"
#include "tools/common/WavFile.h"
#include "tools/music/FluidRenderer.h"
#include "tools/music/Mastering.h"
#include "tools/music/Mp3Writer.h"
#include "tools/music/Pieces.h"
#include "tools/music/PianoRoll.h"

#include <cstdio>
#include <exception>
#include <string>

using namespace assets;

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_music <piece> <sound font> <output file>\n");
        return 2;
    }
    const std::string piece = argv[1], output = argv[3];
    try {
        const Score score = Pieces::byName(piece);
        if (std::string(argv[2]) == "--roll") {
            BmpFile::write24(output, PianoRoll::draw(score));
            return 0;
        }
        Stereo sound = FluidRenderer::render(score, argv[2]);
        if (score.loop) {
            // Peaks 2.5 dB under full scale: decoding an MP3 overshoots by up to about a decibel.
            Mastering::master(sound, piece == "menu" ? 3.0 : 5.0, 2.5, true);
            Mp3Writer::write(output, sound);
        } else {
            Mastering::master(sound, 3.0, 1.5, false);
            sound.fadeOut(0.6);
            WavFile::write16(output, 2, sound.interleaved(2));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_music: %s\n", e.what());
        return 1;
    }
    return 0;
}
