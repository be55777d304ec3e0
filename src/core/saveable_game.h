#pragma once

#include <string>

#include "core/save_chunks.h"

namespace cv {

// What the load screen shows of a save without reading the game.
struct SaveSummary {
    std::u16string heroName;
    std::u16string rankTitle;
    std::string heroClass;  // as in the rules file ("Knight")
    int difficulty = 0;     // the index of "HardLevels.%d"
    int daysLeft = 0;
    int week = 0;  // weeks played; lets the load list tell autosaves apart
};

// The running game as the save container sees it: the container writes the
// header, language and info records, and the game its own chunks.
class SaveableGame {
public:
    virtual ~SaveableGame() = default;
    virtual SaveSummary Summary() const = 0;
    // The game's chunks in their fixed order ("LOCS", "HERO", "TIME", "VILS").
    virtual void WriteChunks(ChunkWriter& out) const = 0;
    // Resets what a load replaces, then reads the chunks in the same order.
    virtual void ReadChunks(ChunkReader& in) = 0;
};

}  // namespace cv
