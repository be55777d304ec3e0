#include "mapgen/map_grid.h"

#include "platform/runtime_rand.h"

namespace cv::mapgen {
namespace {

constexpr int kDrawFirst = 4;
constexpr int kDrawSpan = 53;

bool AnyDrawableCellFits(const std::function<bool(int a, int b)>& fits) {
    for (int a = kDrawFirst; a < kDrawFirst + kDrawSpan; ++a) {
        for (int b = kDrawFirst; b < kDrawFirst + kDrawSpan; ++b) {
            if (fits(a, b)) return true;
        }
    }
    return false;
}

}  // namespace

bool IsCastle(uint8_t cell) {
    return cell >= kCastle && cell < kCastleGate;
}

int MapGrid::Count(const std::function<bool(uint8_t)>& matches) const {
    int count = 0;
    for (const auto& column : cells_) {
        for (uint8_t cell : column) count += matches(cell) ? 1 : 0;
    }
    return count;
}

bool MapGrid::TouchesWater(int a, int b) const {
    for (int da = -1; da <= 1; ++da) {
        for (int db = -1; db <= 1; ++db) {
            if ((da != 0 || db != 0) && At(a + da, b + db) == kWater) return true;
        }
    }
    return false;
}

int RandMod(int n) {
    return platform::Rand() % n;
}

std::optional<GridPos> DrawCell(const std::function<bool(int a, int b)>& fits) {
    if (!AnyDrawableCellFits(fits)) return std::nullopt;
    for (;;) {
        const int a = RandMod(kDrawSpan) + kDrawFirst;
        const int b = RandMod(kDrawSpan) + kDrawFirst;
        if (fits(a, b)) return GridPos{a, b};
    }
}

}  // namespace cv::mapgen
