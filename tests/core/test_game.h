#pragma once

#include "core/saveable_game.h"

namespace cv::test {

// A game with one chunk of its own ("TEST", holding a number and a nested
// "NOTE" with a stored string), enough to drive the save container.
class TestGame : public SaveableGame {
public:
    SaveSummary summary{u"Ada", u"Knight-Errant", "Paladin", 2, 321};
    int32_t gold = 0;
    std::string note;

    SaveSummary Summary() const override { return summary; }
    void WriteChunks(ChunkWriter& out) const override;
    void ReadChunks(ChunkReader& in) override;
};

}  // namespace cv::test
