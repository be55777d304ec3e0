#include <cstdlib>

#include "core/dispatcher_access.h"
#include "core/language.h"
#include "game/model/int_math.h"
#include "game/world/bonus_objects.h"
#include "game/world/map_obj_messages.h"

namespace cv {
namespace {

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

// The decimal number at the start of `digits`; 0 when there is none.
int NumberAt(const char* digits) {
    const long long n = std::strtoll(digits, nullptr, 10);
    return ClampToInt(n);
}

// What finding the artifact does to the hero, by its "Action".
void ApplyAction(Hero& hero, const std::string& action) {
    if (action == "Leadership*2") {
        hero.AddLeadership(hero.EffectiveLeadership());
    } else if (action == "MaxSpellsNum*2") {
        hero.AddMaxSpells(hero.maxSpells());
    } else if (action == "SpellPower*2") {
        hero.AddSpellPower(hero.spellPower());
    } else if (StartsWith(action, "Commission+")) {
        hero.AddCommission(NumberAt(action.c_str() + 11));
    } else if (StartsWith(action, "BoatRent=")) {
        const int rent = NumberAt(action.c_str() + 9);
        hero.SetBoatRent(rent != 0 ? rent : 100);
    }
}

// "<ID>..." as one text, then the line about the puzzle.
std::u16string FoundText(const std::string& id) {
    return GetText(id + "...") + u"\n" + GetText("...and a piece of map to the stolen scepter");
}

}  // namespace

const MapObjFactory& ArtifactObject::Factory() const {
    return FindFactory("Art");
}

std::string ArtifactObject::MapPicture(const RunningGame&) const {
    return "Img\\Artifacts\\" + name();
}

bool ArtifactObject::Visit(RunningGame& game) {
    Dispatcher* definition = name().empty() ? nullptr : FindNode(Root(), "Artifacts." + name());
    if (!definition) {
        RemoveFromContinent(game, *this);
        return false;
    }
    Ui().PlaySound(SoundEvent::Artifact);
    Hero& hero = game.hero();
    hero.AddArtifact(name());
    std::string text;
    if (Value* action = FindValue(definition, "Action"); action && action->GetString(text)) {
        ApplyAction(hero, text);
    }
    if (Value* id = FindValue(definition, "ID"); id && id->GetString(text)) {
        ShowThenRemove(game, *this, {FoundText(text), "Img\\Inv\\" + name(), "OK", {}, "LC"});
    } else {
        RemoveFromContinent(game, *this);
    }
    return false;
}

}  // namespace cv
