#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/model/cell.h"

namespace cv {

// A continent's 64 x 64 cells, one byte each: the kind in bits 0..6, bit 7 set
// while the cell is unexplored. Row y = 63 comes first.
class TerrainMap {
public:
    static constexpr size_t kBytes = kContinentSize * kContinentSize;
    static constexpr uint8_t kUnexplored = 0x80;
    using Bytes = std::array<uint8_t, kBytes>;

    // The cell's byte; 0 (kind 0, explored) outside the grid.
    uint8_t ByteAt(Cell cell) const;
    int KindAt(Cell cell) const { return ByteAt(cell) & 0x7F; }
    bool IsExplored(Cell cell) const { return (ByteAt(cell) & kUnexplored) == 0; }
    // Keeps the cell's unexplored bit; ignores cells outside the grid.
    void SetKind(Cell cell, int kind);
    // Explores the 5 x 5 cells around `centre`, clipped to the grid.
    void Reveal(Cell centre);

    // A ".cvmap" resource, all of it unexplored; fatal "Invalid map size"
    // unless it is exactly 4096 bytes.
    void LoadFile(const std::string& resource);

    Bytes& bytes() { return bytes_; }
    const Bytes& bytes() const { return bytes_; }

private:
    static size_t IndexOf(Cell cell) {
        return (kContinentSize - 1 - cell.y) * kContinentSize + cell.x;
    }

    Bytes bytes_ = {};
};

}  // namespace cv
