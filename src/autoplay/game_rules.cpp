#include "autoplay/game_rules.h"

#include <filesystem>

#include "app/cfg_file.h"
#include "app/cfg_resource_groups.h"
#include "core/config_parser.h"
#include "core/dispatcher.h"
#include "core/resource_groups.h"
#include "core/settings.h"
#include "core/stream.h"
#include "game/combat/combat_sys.h"
#include "game/combat/tactics_map.h"
#include "game/model/spell_system.h"
#include "game/model/unit_tables.h"
#include "game/world/terrain_kinds.h"

namespace cv::autoplay {

void LoadGameRules(const std::string& folder) {
    const std::string dir = (std::filesystem::absolute(folder) / "").string();
    SetAppDir(dir);
    SetCfgPath(dir + "Corvanth.CFG");
    CfgResourceGroups groups;
    ReadCfgFile(groups);
    Ref<Dispatcher> rules = MakeRef<Dispatcher>();
    Parse(*rules, ReadAll(*OpenResourceOrFail("cv.ini")));
    SetRoot(rules);
    Units().Load(Root());
    Spells().Load(Root());
    LoadTerrainKinds(Root());
    TacticsMap().Load(Root());
    CombatParams().Load(Root());
}

}  // namespace cv::autoplay
