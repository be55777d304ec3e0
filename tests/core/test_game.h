#pragma once

#include "core/saveable_game.h"

namespace cv::test {

// A game with one chunk of its own ("TEST", holding a number and a nested
// "NOTE" with a stored string), enough to drive the save container.
class TestGame : public SaveableGame {
public:
    SaveSummary summary{u"Ada", u"Knight-Errant", "Paladin", 2, 321, 7};
    int32_t gold = 0;
    std::string note;

    SaveSummary Summary() const override { return summary; }
    void WriteChunks(ChunkWriter& out) const override {
        out.BeginChunk("TEST");
        out.I32(gold);
        out.BeginChunk("NOTE");
        out.StoredString(note);
        out.EndChunk();
        out.EndChunk();
    }
    void ReadChunks(ChunkReader& in) override {
        gold = 0;
        note.clear();
        in.ReadChunkHeader("TEST", "Expected tag TEST", "Test Game");
        gold = in.I32();
        in.ReadChunkHeader("NOTE", "Expected tag NOTE", "Test Note");
        note = in.StoredString();
        in.EndChunk();
        in.EndChunk();
    }
};

}  // namespace cv::test
