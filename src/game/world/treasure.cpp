#include <algorithm>
#include <vector>

#include "core/fatal_error.h"
#include "core/language.h"
#include "game/model/game_random.h"
#include "game/model/int_math.h"
#include "game/model/spell_system.h"
#include "game/world/bonus_objects.h"
#include "game/world/legends.h"
#include "game/world/map_obj_messages.h"

namespace cv {
namespace {

// The kinds in the order their weights are drawn.
enum TreasureKind { kGoldOrLeadership, kIncome, kSpells, kSpellCapacity, kSpellPower };

// Max itself comes up only when it equals Min.
int DrawBetween(int min, int max) {
    return min + RandN(max - min);
}

TreasureKind ChooseKind(const BonusDef& bonus) {
    std::vector<int> weights = {bonus.goldWeight, bonus.incomeWeight, bonus.spellWeight,
                                bonus.spellNumWeight, bonus.spellPowerWeight};
    for (int& weight : weights) weight = std::max(weight, 0);
    const int kind = WeightedChoice(weights);
    if (kind < 0) FatalError("Invalid Bonus");
    return static_cast<TreasureKind>(kind);
}

GameMessage ChestMessage(const std::u16string& text, const char* picture,
                         const char* buttons = "OK") {
    return {text, picture, buttons, {}, "LC"};
}

std::u16string WithNumber(const char* templ, int n) {
    std::u16string text = GetText(templ);
    ReplacePlaceholder(text, u"<N>", n);
    return text;
}

// Leadership comes in whole steps of "LeadFactor", each worth "LeadCost" in
// gold; the Crown of Command doubles the leadership, not the gold.
void OfferGoldOrLeadership(RunningGame& game, Treasure& chest, const BonusDef& bonus) {
    const int factor = std::max(bonus.leadFactor, 1);
    const int lowest = bonus.leadMin / factor;
    const int leadership = (lowest + RandN(bonus.leadMax / factor + 1 - lowest)) * factor;
    const int gold = MulDiv(bonus.leadCost, leadership, 1);
    Ref<Hero> hero(&game.hero());
    const int offered = hero->OwnsArtifact("A3") ? MulDiv(leadership, 2, 1) : leadership;
    std::u16string text = GetText("Take <GOLD> gold or increase leadership by <LEADERSHIP>");
    ReplacePlaceholder(text, u"<GOLD>", gold);
    ReplacePlaceholder(text, u"<LEADERSHIP>", offered);
    ShowThenRemove(game, chest, ChestMessage(text, "Img\\treasure", "Leadership,Gold"),
                   [hero, gold, offered](const std::string& answer) {
                       if (answer == "Gold") hero->AddGold(gold);
                       if (answer == "Leadership") hero->AddLeadership(offered);
                   });
}

void GiveSpells(RunningGame& game, Treasure& chest, const BonusDef& bonus) {
    const int n = DrawBetween(bonus.spellMin, bonus.spellMax);
    const SpellKind* spell = Spells().RandomSpell();
    if (!spell) {
        RemoveFromContinent(game, chest);
        return;
    }
    game.hero().spells().Add(spell->id, n);
    std::u16string text = WithNumber("You receive <N> <SPELL>", n);
    ReplacePlaceholder(text, u"<SPELL>", GetText(spell->id));
    ShowThenRemove(game, chest, ChestMessage(text, "Img\\spell"));
}

// A figure of the hero that grows by the drawn amount once the message closes.
struct Raise {
    const char* text;
    const char* picture;
    void (Hero::*add)(int);
};

void RaiseOnClose(RunningGame& game, Treasure& chest, int n, const Raise& raise) {
    ShowThenRemove(game, chest, ChestMessage(WithNumber(raise.text, n), raise.picture),
                   [hero = Ref<Hero>(&game.hero()), n, add = raise.add](const std::string&) {
                       ((*hero).*add)(n);
                   });
}

}  // namespace

const MapObjFactory& Treasure::Factory() const {
    return FindFactory("RndBonus");
}

bool Treasure::Visit(RunningGame& game) {
    Ui().PlaySound(SoundEvent::Treasure);
    const BonusDef& bonus = game.here().bonus();
    switch (ChooseKind(bonus)) {
        case kGoldOrLeadership:
            OfferGoldOrLeadership(game, *this, bonus);
            break;
        case kIncome:
            RaiseOnClose(game, *this, DrawBetween(bonus.incomeMin, bonus.incomeMax),
                         {"Your weekly income increased by <N>", "", &Hero::AddCommission});
            break;
        case kSpells:
            GiveSpells(game, *this, bonus);
            break;
        case kSpellCapacity:
            RaiseOnClose(game, *this, DrawBetween(bonus.spellsCapMin, bonus.spellsCapMax),
                         {"Your maximum spell capacity is increased by <N>", "Img\\Nomad",
                          &Hero::AddMaxSpells});
            break;
        case kSpellPower:
            RaiseOnClose(
                game, *this, DrawBetween(bonus.spellPowerMin, bonus.spellPowerMax),
                {"Your spell power is increased by <N>", "Img\\canister", &Hero::AddSpellPower});
            break;
    }
    return false;
}

}  // namespace cv
