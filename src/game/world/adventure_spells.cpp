#include "game/world/adventure_spells.h"

#include <algorithm>
#include <array>
#include <functional>
#include <utility>

#include "core/language.h"
#include "game/model/army_rules.h"
#include "game/model/game_ui.h"
#include "game/model/int_math.h"
#include "game/model/spell_system.h"
#include "game/world/bridge_spell.h"
#include "platform/utf.h"

namespace cv {
namespace {

void Tell(const std::string& text) {
    Ui().ShowMessage({GetText(text), {}, "OK", {}, {}}, {});
}

bool Bridge(RunningGame& game, const SpellKind&) {
    OpenBridgeBuilding(game);
    return false;
}

bool TimeStop(RunningGame& game, const SpellKind& kind) {
    game.time().AddTimeStop(ClampToInt(int64_t{game.hero().spellPower()} * kind.value));
    return true;
}

// The spell tells where the contracted villain sits: his castle shows on
// the contract from then on.
bool FindVillain(RunningGame& game, const SpellKind&) {
    Villain* villain = game.villains().Get(game.hero().currentContract());
    if (!villain) {
        Tell("Villain not selected");
        return false;
    }
    villain->SetSeen(true);
    Ui().OpenScreen("ContractInfo", {});
    return true;
}

// The lists of the towns and castles the hero has visited; the gate he
// picks there uses the spell up.
bool TownGate(RunningGame&, const SpellKind&) {
    Ui().OpenScreen("TownGate", {});
    return false;
}

bool CastleGate(RunningGame&, const SpellKind&) {
    Ui().OpenScreen("CastleGate", {});
    return false;
}

bool InstantArmy(RunningGame& game, const SpellKind&) {
    Hero& hero = game.hero();
    const std::string& unit = hero.instantArmyUnit();
    if (!hero.army().CanTake(unit)) {
        Tell("There are no open slots for this army type!");
        return false;
    }
    const int n = InstantArmySize(hero);
    hero.army().Merge(unit, n);
    const Ref<Squad> squad = hero.army().Find(unit);
    if (IsOutOfControl(*squad, hero.EffectiveLeadership())) {
        WarnOutOfControl(hero.army(), hero.EffectiveLeadership());
        return true;
    }
    std::u16string text = GetText("<UNITS> have joined to your army.");
    ReplacePlaceholder(text, u"<UNITS>", HowManyText(n, squad->kind()));
    Ui().ShowMessage({text, {}, "OK", {}, {}}, {});
    return true;
}

bool RaiseControl(RunningGame& game, const SpellKind&) {
    Hero& hero = game.hero();
    hero.AddLeadershipBonus(ClampToInt(int64_t{hero.initialLeadership()} * hero.spellPower()));
    return true;
}

struct AdventureEffect {
    const char* id;
    bool (*cast)(RunningGame&, const SpellKind&);
};

constexpr AdventureEffect kEffects[] = {
    {"BridgeSpell", Bridge},
    {"TimeStopSpell", TimeStop},
    {"FindVillainSpell", FindVillain},
    {"TownGateSpell", TownGate},
    {"CastleGateSpell", CastleGate},
    {"InstantArmySpell", InstantArmy},
    {"RaiseControlSpell", RaiseControl},
};

}  // namespace

int InstantArmySize(const Hero& hero) {
    int64_t n = hero.spellPower();
    if (hero.level() == 0) n = hero.maxSpells();
    if (hero.level() == 1) n = (int64_t{hero.spellPower()} + hero.maxSpells()) / 2;
    return ClampToInt(n + 1);
}

void OpenAdventureSpells(RunningGame& game) {
    if (!game.hero().canUseSpells()) return ShowCannotCastSpells(game.world());
    Ui().OpenScreen("AdventureSpells", [keep = Ref<RunningGame>(&game)](const std::string& id) {
        CastAdventureSpell(*keep, id);
    });
}

bool CastAdventureSpell(RunningGame& game, const std::string& spellId) {
    const SpellKind* kind = Spells().FindSpell(spellId);
    if (!kind || kind->list != SpellList::kAdventure) return false;
    const bool cast = game.hero().spells().Cast(kind->id, [&game](const SpellKind& spell) {
        for (const AdventureEffect& effect : kEffects) {
            if (spell.id == effect.id) return effect.cast(game, spell);
        }
        return false;
    });
    if (cast) Ui().PlaySound(SoundEvent::SpellCast);
    return cast;
}

// Both numbers are found before either is replaced, and the later one is
// replaced first, so that an x of 19 cannot be taken for the y.
void ShowCannotCastSpells(const World& world) {
    std::u16string text = GetText("You cant cast spells");
    const Location* first = world.Get(0);
    if (const Ref<MapObj> teacher = first ? first->FindObject("Velmire") : nullptr) {
        std::array<std::pair<size_t, int>, 2> marks = {
            {{text.find(u"11"), teacher->cell().x}, {text.find(u"19"), teacher->cell().y}}};
        std::sort(marks.begin(), marks.end(), std::greater<>());
        for (const auto& [at, value] : marks) {
            if (at != std::u16string::npos) text.replace(at, 2, Utf8ToUtf16(std::to_string(value)));
        }
    }
    Ui().ShowMessage({text, "Img\\Army\\Gnomes.Layer 4", "Continue", {}, {}}, {});
}

}  // namespace cv
