#include "autoplay/army_estimate.h"

#include <cmath>

#include "game/model/army_rules.h"
#include "game/model/unit_tables.h"

namespace cv::autoplay {
namespace {

// The counts each size word stands for; a multitude has no end, so it is
// taken to reach twice its beginning.
struct SizeWord {
    int fewest;
    int most;
};
constexpr SizeWord kSizeWords[] = {{1, 9}, {10, 19}, {20, 49}, {50, 99}, {100, 499}, {500, 999}};

constexpr char16_t kLinePrefix[] = u" - ";

// What one unit deals and takes, before the count.
struct UnitWeight {
    double damage;
    double hitPoints;
};

UnitWeight WeightOf(const SquadDef& unit) {
    const double skill = 1.0 + 0.1 * (unit.skillLevel - 3);
    double damage = 0.5 * (unit.meleeMin + unit.meleeMax);
    if (unit.shots > 0) damage += 0.25 * (unit.rangedMin + unit.rangedMax);
    return {damage * skill, static_cast<double>(unit.hitPoints)};
}

}  // namespace

std::optional<SeenSquad> ReadSquad(const std::u16string& text) {
    for (const Ref<SquadDef>& unit : Units().units()) {
        for (const SizeWord& word : kSizeWords) {
            if (text == HowManyText(word.fewest, *unit)) {
                return SeenSquad{unit, word.fewest, word.most};
            }
        }
    }
    return std::nullopt;
}

SeenArmy ReadArmyLines(const std::u16string& text) {
    SeenArmy army;
    size_t begin = 0;
    while (begin <= text.size()) {
        size_t end = text.find(u'\n', begin);
        if (end == std::u16string::npos) end = text.size();
        const std::u16string line = text.substr(begin, end - begin);
        const std::u16string prefix = kLinePrefix;
        if (line.compare(0, prefix.size(), prefix) == 0) {
            if (auto squad = ReadSquad(line.substr(prefix.size()))) army.push_back(*squad);
        }
        begin = end + 1;
    }
    return army;
}

double Power(const SeenArmy& army) {
    double damage = 0, hitPoints = 0;
    for (const SeenSquad& squad : army) {
        const UnitWeight weight = WeightOf(*squad.unit);
        const double count = 0.5 * (squad.fewest + squad.most);
        damage += weight.damage * count;
        hitPoints += weight.hitPoints * count;
    }
    return std::sqrt(damage * hitPoints);
}

double Power(const SquadDef& unit, int count) {
    const UnitWeight weight = WeightOf(unit);
    return count * std::sqrt(weight.damage * weight.hitPoints);
}

double Power(const Hero& hero) {
    double damage = 0, hitPoints = 0;
    for (int slot = 0; slot < Army::kSlots; ++slot) {
        const Ref<Squad> squad = hero.army().At(slot);
        if (!squad || IsOutOfControl(*squad, hero.EffectiveLeadership())) continue;
        const UnitWeight weight = WeightOf(squad->kind());
        damage += weight.damage * squad->count();
        hitPoints += weight.hitPoints * squad->count();
    }
    const Factor& dealt = hero.damageFactor();
    const Factor& taken = hero.hitPointFactor();
    if (dealt.div > 0) damage = damage * dealt.mul / dealt.div;
    if (taken.div > 0) hitPoints = hitPoints * taken.mul / taken.div;
    return std::sqrt(damage * hitPoints);
}

}  // namespace cv::autoplay
