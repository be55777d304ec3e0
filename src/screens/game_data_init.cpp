#include "screens/game_data_init.h"

#include "core/config_parser.h"
#include "core/dispatcher.h"
#include "core/resource_groups.h"
#include "core/settings.h"
#include "core/stream.h"
#include "game/combat/combat_sys.h"
#include "game/combat/tactics_map.h"
#include "game/model/spell_system.h"
#include "game/model/unit_tables.h"
#include "game/model/villain.h"
#include "game/world/terrain_kinds.h"
#include "gfx/animation.h"
#include "gfx/font_registry.h"
#include "platform/platform.h"
#include "platform/runtime_rand.h"
#include "screens/command_keys.h"

namespace cv {
namespace {

// The clock seed of a new session; a seed from the command line wins.
void SeedFromLocalTime() {
    const platform::Platform& host = platform::Current();
    const platform::LocalTime now = host.Now();
    const unsigned milliseconds = host.TickCount() % 1000;
    platform::SeedFromClock((milliseconds * 60 + now.minute) * 60 + now.hour);
}

// A villain shows his portrait wherever his animation is asked for, unless
// anim.ini animates him.
void RegisterVillainPortraits() {
    VillainTable villains;
    villains.Load(Root());
    for (int i = 0; i < villains.Count(); ++i) {
        RegisterStillAnimation(villains.At(i).AnimationId(), villains.At(i).Portrait());
    }
}

}  // namespace

void InitGameData() {
    SeedFromLocalTime();
    RegisterFont("Default", loadFont("Fonts\\arial.fnm"));
    RegisterFont("Small", loadFont("Fonts\\small.fnm"));
    SetRoot(PackagedRules());
    AnimationsDisabled() = CfgHas("Animation") && CfgGet("Animation", "ON") == "OFF";
    LoadAnimationTable();
    Units().Load(Root());
    for (int i = 0; i < Units().UnitCount(); ++i) {
        const SquadDef& unit = *Units().UnitAt(i);
        RegisterStillAnimation(unit.AnimationName(), unit.StillPicture());
    }
    RegisterVillainPortraits();
    Spells().Load(Root());
    LoadTerrainKinds(Root());
    TacticsMap().Load(Root());
    CombatParams().Load(Root());
    LoadCommandKeys();
}

Ref<Dispatcher> PackagedRules() {
    Ref<Dispatcher> rules = MakeRef<Dispatcher>();
    Parse(*rules, ReadAll(*OpenResourceOrFail("cv.ini")));
    return rules;
}

}  // namespace cv
