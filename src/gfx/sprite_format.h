#pragma once

#include <cstdint>

namespace cv::sprite_format {

// Sprite data is an array of 16-bit words: a header of seven words, then the
// rows of the bounding box, each a list of command words.
enum HeaderWord : int {
    kWidth = 0,   // stored width W
    kHeight = 1,  // stored height H
    kBoxX = 2,    // first stored column with a visible pixel
    kBoxY = 3,    // first encoded stored row
    kBoxWidth = 4,
    kBoxHeight = 5,  // rows encoded
    kKind = 6,       // 2 for screen-blended sprites, else 0
    kHeaderWords = 7
};

constexpr int kScreenKind = 2;

// A command word holds the command in bits 0-3 and count - 1 in bits 4-15.
enum Command : int {
    kEnd = 0,        // 0x0000 ends a row, 0x0010 the sprite
    kSkip = 1,       // count transparent pixels
    kCopy = 2,       // count 5-6-5 pixels follow
    kBlend = 3,      // count 4-4-4-4 pixels follow
    kFill = 4,       // one 5-6-5 pixel follows, repeated count times
    kBlendFill = 5,  // one 4-4-4-4 pixel follows
    kScreen = 6,     // count 5-6-5 pixels follow, screen-blended
    kScreenFill = 7  // one 5-6-5 pixel follows, screen-blended
};

constexpr uint16_t kEndOfRow = 0x0000;
constexpr uint16_t kEndOfSprite = 0x0010;
constexpr int kMaxRun = 4096;

inline int CommandOf(uint16_t word) {
    return word & 0xF;
}
inline int CountOf(uint16_t word) {
    return (word >> 4) + 1;
}
inline uint16_t CommandWord(int command, int count) {
    return static_cast<uint16_t>(command | (count - 1) << 4);
}

// Commands whose pixels follow them one by one.
inline bool IsLiteral(int command) {
    return command == kCopy || command == kBlend || command == kScreen;
}

// Words that follow a command word.
inline int PayloadWords(int command, int count) {
    if (IsLiteral(command)) return count;
    return command == kFill || command == kBlendFill || command == kScreenFill ? 1 : 0;
}

}  // namespace cv::sprite_format
