#pragma once

#include "core/config_parser.h"
#include "game/model/spell_system.h"
#include "game_test_support.h"

namespace cv::test {

// Every spell kind, with the combat list reaching its last one-digit line and
// bridges of grass (kind 1) and slow ground (kind 2) on the test continent.
inline constexpr const char* kTestSpells = R"(
Spells {
  Combat {
    CloneSpell      { Index = 0 Cost = 2000 Value = 10 }
    TeleportSpell   { Index = 1 Cost = 500  Value = 1 }
    FireballSpell   { Index = 2 Cost = 1500 Value = 25 }
    LightningSpell  { Index = 3 Cost = 500  Value = 10 }
    FreezeSpell     { Index = 4 Cost = 300  Value = 1 }
    ResurrectSpell  { Index = 5 Cost = 5000 Value = 20 }
    TurnUndeadSpell { Index = 9 Cost = 2000 Value = 50 }
  }
  Adventure {
    BridgeSpell       { Index = 0 Cost = 500 Horizontal = 1 Vertical = 2 Value = 7 }
    TimeStopSpell     { Index = 1 Cost = 200 Value = 10 }
    FindVillainSpell  { Index = 2 Cost = 1000 }
    TownGateSpell     { Index = 3 Cost = 1000 }
    CastleGateSpell   { Index = 4 Cost = 1000 }
    InstantArmySpell  { Index = 5 Cost = 0 }
    RaiseControlSpell { Index = 6 Cost = 500 }
  }
}
)";

// Adds kTestSpells to the rules in Root and loads the spell kinds.
inline void LoadTestSpells() {
    Parse(*Root(), kTestSpells);
    Spells().Load(Root());
}

}  // namespace cv::test
