#include "game/world/town_services.h"

#include <algorithm>
#include <vector>

#include "core/dispatcher_access.h"
#include "core/language.h"
#include "game/model/game_ui.h"
#include "game/model/spell_system.h"
#include "game/world/boat.h"

namespace cv {
namespace {

void Tell(const std::string& text, const std::string& picture, const std::string& button) {
    Ui().ShowMessage({GetText(text), picture, button, {}, {}}, {});
}

bool Has(const Location& location, Cell cell, TerrainFlag flag) {
    return IsOnContinent(cell) && location.KindAt(cell).Has(flag);
}

bool HasWalkableGroundAround(const Location& location, Cell centre) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (Has(location, {centre.x + dx, centre.y + dy}, kTerrainWalk)) return true;
        }
    }
    return false;
}

}  // namespace

int SiegeWeaponsCost() {
    int32_t cost = 3000;
    if (Value* value = FindValue(Root(), "SiegeWeaponsCost")) value->GetInt(cost);
    return cost;
}

std::optional<Cell> BoatPlace(const Location& location, Cell town, Cell hero) {
    std::vector<Cell> water;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const Cell cell{town.x + dx, town.y + dy};
            if ((dx || dy) && Has(location, cell, kTerrainSwim)) water.push_back(cell);
        }
    }
    if (water.empty()) return std::nullopt;
    std::stable_sort(water.begin(), water.end(),
                     [hero](Cell a, Cell b) { return Distance(a, hero) < Distance(b, hero); });
    auto landing = std::find_if(water.begin(), water.end(),
                                [&](Cell cell) { return HasWalkableGroundAround(location, cell); });
    return landing != water.end() ? *landing : water.front();
}

bool RentBoat(RunningGame& game, const Town& town) {
    Hero& hero = game.hero();
    if (game.rentedBoat()) return false;
    if (hero.gold() < hero.boatRent()) {
        Tell("You don't have enough gold", "Img\\gold", "Cancel");
        return false;
    }
    Location& location = game.here();
    const std::optional<Cell> place = BoatPlace(location, town.cell(), hero.position());
    if (!place) {
        Tell("No boat can reach this town: there is no water beside it.", {}, "OK");
        return false;
    }
    hero.SetGold(hero.gold() - hero.boatRent());
    auto boat = MakeRef<Boat>();
    boat->SetName("Sail");
    boat->SetCell(*place);
    location.AddObject(boat);
    game.SetRentedBoat(boat);
    return true;
}

bool ReturnBoat(RunningGame& game) {
    const Ref<MapObj> boat = game.rentedBoat();
    if (!boat || game.hero().travelMode() == TravelMode::kSail) return false;
    if (Location* home = game.world().Get(boat->continent())) home->RemoveObject(boat.get());
    game.SetRentedBoat(nullptr);
    return true;
}

bool BuyTownSpell(RunningGame& game, const Town& town) {
    Hero& hero = game.hero();
    if (hero.SpellBuyable(town.spell()) <= 0) return false;
    hero.SetGold(hero.gold() - Spells().SpellById(town.spell()).cost);
    hero.spells().Add(town.spell(), 1);
    return true;
}

bool BuySiegeWeapons(RunningGame& game) {
    Hero& hero = game.hero();
    const int cost = SiegeWeaponsCost();
    if (hero.hasSiegeWeapons() || hero.gold() < cost) return false;
    hero.SetGold(hero.gold() - cost);
    hero.SetSiegeWeapons(true);
    return true;
}

void GatherInformation(RunningGame& game, const Town& town) {
    Castle* castle = game.here().FindCastle(town.castle());
    if (!castle) return;
    const std::string picture = castle->ruler() ? castle->ruler()->Image(game) : std::string();
    Ui().ShowMessage({castle->InfoText(), picture, "OK", {}, "LT"}, {});
}

}  // namespace cv
