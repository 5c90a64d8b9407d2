// Fuzzes the sound decoding path: arbitrary bytes as a sound file, read through libsndfile
// the way the game loads effects (all at once) and streams music (in pieces, then rewound).
// A file either does not open or reads as whole stereo frames at a positive rate, and a
// second opening read in pieces gives exactly the same frames, damaged or not. (After a seek
// mpg123 may round a damaged stream's samples otherwise, so a rewound file is only read, not
// compared.)
#include <string>
#include <vector>

#include "sound/SoundFile.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = FuzzInput::write("Sound/fuzzed.wav", data, size);
    SoundFile file(path);
    if (!file.isOpen()) {
        std::int16_t frame[SoundFile::outputChannels];
        expect(file.read(frame, 1) == 0 && file.readAll().empty(), "a file that is not open reads nothing");
        return 0;
    }
    expect(file.sampleRate() > 0, "a positive sample rate");
    const std::vector<std::int16_t> whole = file.readAll();
    expect(whole.size() % SoundFile::outputChannels == 0, "whole stereo frames");

    // The pieces of a stream refill, of an odd size so that they do not line up with blocks.
    constexpr std::size_t pieceFrames = 1001;
    SoundFile again(path);
    expect(again.isOpen() && again.sampleRate() == file.sampleRate(), "a file opens the same way twice");
    std::vector<std::int16_t> pieces;
    std::vector<std::int16_t> piece(pieceFrames * SoundFile::outputChannels);
    for (;;) {
        const std::size_t got = again.read(piece.data(), pieceFrames);
        expect(got <= pieceFrames, "no more frames than asked for");
        if (got == 0) break;
        pieces.insert(pieces.end(), piece.begin(), piece.begin() + static_cast<std::ptrdiff_t>(got * 2));
    }
    expect(pieces == whole, "the same frames in pieces as whole");

    if (file.rewind()) expect(file.readAll().size() % SoundFile::outputChannels == 0, "whole frames after a rewind");
    return 0;
}
