#include "game/combat/battle_field.h"

#include <deque>

#include "game/model/game_random.h"

namespace cv {

int PathMap::DistanceTo(Cell cell) const {
    return Battlefield::OnField(cell) ? distance_[Battlefield::Index(cell)] : kUnreachable;
}

Cell PathMap::FirstStepTo(Cell cell) const {
    return Battlefield::OnField(cell) ? firstStep_[Battlefield::Index(cell)] : cell;
}

void Battlefield::Set(Cell cell, uint8_t id) {
    if (OnField(cell)) cells_[Index(cell)] = id;
}

void Battlefield::PlaceObstacles() {
    do {
        Clear();
        const int count = RandN(10);
        for (int i = 0; i < count; ++i) {
            const auto id = static_cast<uint8_t>(RandN(2) + 1);
            const int x = RandN(4) + 1;
            const int y = RandN(5);
            Set({x, y}, id);
        }
    } while (!Joined({0, 0}, {4, 4}));
}

bool Battlefield::Joined(Cell from, Cell to) const {
    if (!IsPassable(from) || !IsPassable(to)) return false;
    return PathsFrom(from, [](Cell) { return false; }).DistanceTo(to) != PathMap::kUnreachable;
}

PathMap Battlefield::PathsFrom(Cell start, const Occupied& occupied) const {
    PathMap paths;
    paths.distance_.fill(PathMap::kUnreachable);
    if (!OnField(start)) return paths;
    paths.distance_[Index(start)] = 0;
    paths.firstStep_[Index(start)] = start;
    std::deque<Cell> queue{start};
    while (!queue.empty()) {
        const Cell cell = queue.front();
        queue.pop_front();
        for (int direction = 0; direction < 8; ++direction) {
            const Cell next = Neighbour(cell, direction);
            if (!IsPassable(next) || occupied(next)) continue;
            if (paths.distance_[Index(next)] != PathMap::kUnreachable) continue;
            paths.distance_[Index(next)] = paths.distance_[Index(cell)] + 1;
            paths.firstStep_[Index(next)] = cell == start ? next : paths.firstStep_[Index(cell)];
            queue.push_back(next);
        }
    }
    return paths;
}

}  // namespace cv
