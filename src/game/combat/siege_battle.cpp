#include "game/combat/siege_battle.h"

#include <cstdlib>

#include "core/dispatcher_access.h"

namespace cv {
namespace {

// The cells of slots 0..4: the hero's before the gate, the garrison's
// behind the walls.
constexpr Cell kHeroCells[Army::kSlots] = {{2, 4}, {3, 4}, {3, 3}, {2, 3}, {1, 3}};
constexpr Cell kGarrisonCells[Army::kSlots] = {{2, 0}, {3, 0}, {1, 0}, {4, 0}, {2, 1}};

bool IntKey(Dispatcher* node, const char* key, int32_t& out) {
    Value* value = node ? FindValue(node, key) : nullptr;
    return value && value->GetInt(out);
}

}  // namespace

SiegeBattle::SiegeBattle(Hero& hero, Ref<Army> garrison, std::string unitOfWeek,
                         const CombatSys& params, BattleView& view, OutcomeHandler onEnd,
                         VictoryText victoryText)
    : Battle(hero, std::move(garrison), std::move(unitOfWeek), params, view, std::move(onEnd)),
      victoryText_(std::move(victoryText)) {}

void SiegeBattle::PlaceObstacles() {
    field().Clear();
    Dispatcher* items = FindNode(Root(), "TacticsMap");
    if (!items) return;
    for (const auto& [name, item] : items->children()) {
        Cell cell;
        if (IntKey(item->AsDispatcher(), "CX", cell.x) &&
            IntKey(item->AsDispatcher(), "CY", cell.y)) {
            field().Set(cell, static_cast<uint8_t>(std::atoi(name.c_str())));
        }
    }
}

void SiegeBattle::PlaceSide(int side) {
    const Cell* cells = side == kHeroSide ? kHeroCells : kGarrisonCells;
    for (int slot = 0; slot < Army::kSlots; ++slot) {
        if (Ref<Squad> squad = ArmyOf(side).At(slot)) StateOf(*squad).cell = cells[slot];
    }
}

std::u16string SiegeBattle::VictoryLine() const {
    std::u16string line = Battle::VictoryLine();
    return victoryText_ ? victoryText_(std::move(line)) : line;
}

}  // namespace cv
