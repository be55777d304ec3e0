#include "game_test_support.h"

#include <algorithm>
#include <stdexcept>

#include "core/byte_io.h"
#include "core/config_parser.h"
#include "core/resource_groups.h"
#include "core/settings.h"
#include "game/model/unit_tables.h"
#include "game/world/terrain_kinds.h"
#include "platform/utf.h"

namespace cv::test {

const char* const kCorrupted = "Invalid  format or save corrupted: ";

void FakeUi::ShowMessage(const GameMessage& message, AnswerHandler then) {
    open.push_back({{}, message, std::move(then), nullptr});
}

void FakeUi::OpenScreen(const std::string& name, AnswerHandler then) {
    open.push_back({name, {}, std::move(then), nullptr});
}

void FakeUi::OpenScreenFor(const std::string& name, Ref<RefCounted> subject, AnswerHandler then) {
    open.push_back({name, {}, std::move(then), std::move(subject)});
}

void FakeUi::StartBattle(Ref<Army>, std::function<void(BattleOutcome)>) {
    throw std::logic_error("no battle expected");
}

void FakeUi::StartSiege(Ref<Army> garrison,
                        std::function<std::u16string(std::u16string)> victoryText,
                        std::function<void(BattleOutcome)> then) {
    sieges.push_back({std::move(garrison), std::move(victoryText), std::move(then)});
}

void FakeUi::Answer(const std::string& answer) {
    if (open.empty()) throw std::logic_error("nothing to answer");
    Shown shown = std::move(open.front());
    open.pop_front();
    if (shown.then) shown.then(answer);
}

std::string FakeUi::FrontText() const {
    return open.empty() ? "" : Utf16ToUtf8(open.front().message.text);
}

const char* const kTestMaps = R"(
Maps {
  Isle {
    Index = 0 X0 = 2 Y0 = 2
    EnemyIcon = "Img\Army\Armies.Layer 1" MapIcon = "Img\Inv\A5"
    Enemies { StdDef = "0?" CastleDef = "11" }
    Stops { 1 { X = 5 Y = 5 } 2 { X = 5 Y = 4 } 3 { X = 4 Y = 5 } }
    BonusDef {
      GoldWeight = 3 LeadMax = 20 NextMap = "Far"
      Recruits { AvailList1 = "Militia,Archers" AvailList2 = "Knights" Other = "Dragons" SortByDist = 1 }
    }
  }
}
)";

void LoadRules(const std::string& text) {
    Ref<Dispatcher> root = MakeRef<Dispatcher>();
    Parse(*root, text);
    SetRoot(root);
    Units().Load(Root());
}

void LoadIsleRules() {
    LoadRules(std::string(kTestRules) + kTestMaps);
    LoadTerrainKinds(Root());
}

std::string IsleTerrain() {
    const char* rows[] = {"......~~", ".:::..~~", "..##..=~", "......~~"};
    const std::string kinds = "~.:=#";
    std::string bytes(4096, '\0');
    for (int row = 0; row < 4; ++row) {
        const int y = 5 - row;
        for (int x = 0; x < 8; ++x) {
            bytes[(63 - y) * 64 + x] = static_cast<char>(kinds.find(rows[row][x]));
        }
    }
    return bytes;
}

GameFolder::~GameFolder() {
    ResetResourceGroups();
    SetAppDir("");
    SetCfgPath("");
}

std::vector<uint8_t> SavedGame(const RunningGame& game) {
    MemoryStream data;
    ChunkWriter out(data);
    game.WriteChunks(out);
    return data.bytes();
}

Ref<RunningGame> LoadedGame(const std::vector<uint8_t>& bytes) {
    auto game = MakeRef<RunningGame>();
    ReadBytes(bytes, [&](ChunkReader& in) { game->ReadChunks(in); });
    return game;
}

std::vector<uint8_t> Patched(std::vector<uint8_t> bytes, size_t at, const std::string& patch) {
    if (at + patch.size() > bytes.size()) throw std::out_of_range("patch past the end");
    std::copy(patch.begin(), patch.end(), bytes.begin() + at);
    return bytes;
}

uint32_t U32At(const std::vector<uint8_t>& bytes, size_t at) {
    if (at + 4 > bytes.size()) throw std::out_of_range("number past the end");
    return LoadU32(bytes.data() + at);
}

std::string TextAt(const std::vector<uint8_t>& bytes, size_t at, size_t n) {
    if (at + n > bytes.size()) throw std::out_of_range("text past the end");
    return std::string(bytes.begin() + at, bytes.begin() + at + n);
}

const char* const kTestRules = R"(
Army {
  Sources {
    Plains { Color = "8080FF" }
    Forest { Color = "FF00FF00" Terr = 5 }
    Dungeon { Color = "400000" }
  }
  Units {
    Peasants { Index = 0 Source = Plains SL = 1 MV = 1 Hit = 1 Dmg1 = 1 Dmg2 = 1 Pay = 1 Cost = 10 }
    Militia { Index = 1 Source = Plains SL = 2 MV = 2 Hit = 2 Dmg1 = 1 Dmg2 = 2 Pay = 2 Cost = 50 }
    Militia.HighMorale = "Folk"
    Archers { Index = 2 Source = Forest SL = 2 MV = 2 Hit = 10 Dmg1 = 1 Dmg2 = 2 Pay = 3 Cost = 250 }
    Archers { Bow1 = 1 Bow2 = 3 Shoot = 12 Lead = 5 Avail = 40 HighMorale = "Folk" }
    Pikemen { Index = 3 Source = Plains SL = 3 MV = 1 Hit = 10 Dmg1 = 2 Dmg2 = 4 Pay = 4 Cost = 300 }
    Cavalry { Index = 4 Source = Plains SL = 3 MV = 4 Hit = 20 Dmg1 = 3 Dmg2 = 5 Pay = 10 Cost = 800 }
    Knights { Index = 5 Source = Plains SL = 5 MV = 1 Hit = 35 Dmg1 = 6 Dmg2 = 10 Pay = 20 Cost = 1000 }
    Knights { LowMorale = "Undead" HighMorale = "Folk" }
    Ghosts { Index = 6 Source = Dungeon SL = 3 MV = 3 Hit = 10 Dmg1 = 3 Dmg2 = 4 Pay = 5 Cost = 400 }
    Ghosts { Ghost = 1 Fly = 1 LowMorale = "Ghostly" }
    Vampires { Index = 7 Source = Dungeon SL = 4 MV = 3 Hit = 30 Dmg1 = 3 Dmg2 = 6 Pay = 15 Cost = 1500 }
    Vampires { Vamp = 1 Fly = 1 HighMorale = "Undead,Folk" }
    Demons { Index = 8 Source = Dungeon SL = 5 MV = 1 Hit = 50 Dmg1 = 5 Dmg2 = 7 Pay = 50 Cost = 3000 }
    Demons { Half = 1 }
    Dragons { Index = 9 Source = Forest SL = 5 MV = 1 Hit = 200 Dmg1 = 25 Dmg2 = 50 Pay = 100 }
    Dragons { Cost = 5000 Fly = 1 Unspell = 1 Lead = 0 }
    Trolls { Index = 10 Source = Forest SL = 4 MV = 1 Hit = 40 Dmg1 = 10 Dmg2 = 20 Pay = 25 }
    Trolls { Cost = 1000 HitsRegenerate = 1 }
    Druids { Index = 11 Source = Forest SL = 3 MV = 2 Hit = 25 Dmg1 = 2 Dmg2 = 3 Pay = 15 }
    Druids { Cost = 700 Bow1 = 5 Bow2 = 8 Shoot = 3 SpellShoot = 1 Fly = 0 }
  }
  Groups {
    Folk = "Peasants,Militia,Archers,Pikemen,Cavalry,Knights"
    Undead = "Ghosts,Vampires"
    Ghostly = "Ghosts"
  }
}
StartHero {
  X0 = 10 Y0 = 12 BoatRent = 300
  Knight {
    Gold = 7500 Army = "Militia:20,Archers:2"
    Level0 { Title = "Squire" Leadership = 100 Commission = 1000 Villains = 2 InstantArmy = "Militia" }
    Level1 { Title = "Baron" Leadership = 200 Commission = 2000 Villains = 3 Max_Spells = 2 }
    Level2 { Title = "Duke" Leadership = 300 Commission = 3000 Spell_Power = 2 }
  }
  Sorceress {
    Gold = 1000 CanUseSpell = 1
    Level0 { Title = "Witch" Leadership = 50 Max_Spells = 5 Spell_Power = 2 }
  }
}
HardLevels { 0 { Days = 900 ScoreMul = 1 ScoreDiv = 2 } 1 { Days = 600 } 2 { Days = 400 ScoreMul = 3 } }
Rules { StepsPerDay = 4 DaysPerWeek = 7 }
Scores { FollowersKilled = -2 Castle = 100 Artifact = 250 Villain = 500 }
CombatSys {
  RetailDiv = 1 RetailMul = 1 LowMoraleDmgMul = 1 LowMoraleDmgDiv = 2
  HighMoraleDmgMul = 3 HighMoraleDmgDiv = 2 GoodWeekDmgMul = 5 GoodWeekDmgDiv = 4 HalfFrequency = 4
}
Artifacts {
  A1 { Action = "Damage*3/2" Map = "Isle" }
  A2 { Action = "HitPts*2" Map = "Isle" }
  A3 { Action = "Leadership*2" Map = "Isle" }
  A4 { Action = "Damage/0*5" Map = "Isle" }
}
TerrPal { Grass { Color = "33AA33" } Default { Color = "101010" } }
Terrains {
  0 { Swim = 1 Color = "2040C0" }
  1 { Walk = 1 Color = "Grass" }
  2 { Walk = 1 Slow = 1 Color = "80FF" }
  3 { Swim = 1 Bridge = 1 }
  4 { Walk = 0 }
}
)";

}  // namespace cv::test
