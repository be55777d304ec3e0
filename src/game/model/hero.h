#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/dispatcher.h"
#include "core/save_chunks.h"
#include "game/model/army.h"
#include "game/model/cell.h"
#include "game/model/spell_container.h"

namespace cv {

enum class TravelMode : int { kLand = 0, kSail = 1, kFly = 2 };

// A multiplier/divisor pair applied as value * mul / div.
struct Factor {
    int mul = 1;
    int div = 1;
};

// The player's character.
class Hero : public RefCounted {
public:
    Hero();

    // A new hero of `classId` from "StartHero" in the rules, at level 0. The
    // sceptre is hidden afterwards by the world, which knows the continents.
    void Create(const std::string& classId, std::u16string name, int sex, int difficulty);
    // Adds level `level` of the class ("StartHero.<class>.Level<r>").
    void ApplyLevel(int level, int villainsCounted);

    const std::string& classId() const { return classId_; }
    const std::u16string& name() const { return name_; }
    int sex() const { return sex_; }
    bool IsFemale() const { return sex_ == 1; }
    int difficulty() const { return difficulty_; }
    const std::string& title() const { return title_; }
    int level() const { return level_; }
    int maxLevel() const { return maxLevel_; }
    // "<NAME> the <TITLE>".
    std::u16string NameWithTitle() const;

    int leadership() const { return leadership_; }
    int leadershipBonus() const { return leadershipBonus_; }
    int initialLeadership() const { return initialLeadership_; }
    int EffectiveLeadership() const;
    void AddLeadership(int n);
    void AddLeadershipBonus(int n);
    void ResetLeadershipBonus() { leadershipBonus_ = 0; }

    int gold() const { return gold_; }
    void AddGold(int n);
    void SetGold(int gold) { gold_ = gold; }
    int commission() const { return commission_; }
    void AddCommission(int n);
    int castleCommission() const { return castleCommission_; }
    int castlesGarrisoned() const { return castlesGarrisoned_; }
    void AddCastlesGarrisoned(int n) { castlesGarrisoned_ += n; }
    int WeeklyCommission() const;
    int boatRent() const { return boatRent_; }
    void SetBoatRent(int rent) { boatRent_ = rent; }

    bool canUseSpells() const { return canUseSpells_; }
    void SetCanUseSpells(bool can) { canUseSpells_ = can; }
    int spellPower() const { return spellPower_; }
    void AddSpellPower(int n);
    int maxSpells() const { return maxSpells_; }
    void AddMaxSpells(int n);
    const std::string& instantArmyUnit() const { return instantArmyUnit_; }
    SpellContainer& spells() { return spells_; }
    const SpellContainer& spells() const { return spells_; }
    // How many of the spell the hero may buy now: none without magic, else
    // as many as fit below max spells and the gold pays for. Fatal "Invalid
    // spell id=%s" for an unknown spell.
    int SpellBuyable(const std::string& id) const;

    int villainsNeeded() const { return villainsNeeded_; }
    int currentContract() const { return currentContract_; }
    void SetCurrentContract(int villain) { currentContract_ = villain; }
    const std::vector<int>& villainsCaught() const { return villainsCaught_; }
    void CatchVillain(int villain);

    const std::vector<std::string>& artifacts() const { return artifacts_; }
    void AddArtifact(const std::string& id);
    bool OwnsArtifact(const std::string& id) const;
    const Factor& damageFactor() const { return damageFactor_; }
    const Factor& hitPointFactor() const { return hitPointFactor_; }
    // From the "Action" of each owned artifact ("Damage*3/2", "HitPts*5/4").
    void RecomputeFactors();

    int followersKilled() const { return followersKilled_; }
    void AddFollowersKilled(int n);
    Army& army() { return *army_; }
    const Army& army() const { return *army_; }
    const Ref<Army>& armyRef() const { return army_; }

    int continent() const { return continent_; }
    Cell position() const { return position_; }
    Cell start() const { return start_; }
    void MoveTo(int continent, Cell cell);
    TravelMode travelMode() const { return travelMode_; }
    void SetTravelMode(TravelMode mode) { travelMode_ = mode; }
    bool facingLeft() const { return facingLeft_; }
    // Turns towards a horizontal step; a vertical one keeps the facing.
    void FaceStep(int dx);
    // On land, with every squad a flier of skill level 4 or more.
    bool CanFly() const;
    bool KnowsContinent(int index) const { return Bit(reachable_, index); }
    void AddKnownContinent(int index) { SetBit(reachable_, index); }
    bool HasCompleteMap(int index) const { return Bit(completeMaps_, index); }
    void SetCompleteMap(int index) { SetBit(completeMaps_, index); }
    bool hasSiegeWeapons() const { return hasSiegeWeapons_; }
    void SetSiegeWeapons(bool has) { hasSiegeWeapons_ = has; }

    int sceptreContinent() const { return sceptreContinent_; }
    Cell sceptreCell() const { return sceptreCell_; }
    void SetSceptre(int continent, Cell cell);

    // "Scores" against the hero's deeds, scaled by the difficulty; never below 0.
    int Score() const;
    // After a lost battle: back to the start with "Peasants:20" and the
    // "Disgraced" message; `then` runs once it is closed.
    void Disgrace(std::function<void()> then = {});

    // The "HERO" chunk with the nested "SPLS" chunk.
    void Save(ChunkWriter& out) const;
    void Load(ChunkReader& in);

private:
    static bool Bit(uint16_t set, int index) {
        return index >= 0 && index < 16 && (set >> index) & 1;
    }
    static void SetBit(uint16_t& set, int index);
    uint32_t PackedFlags() const;
    void UnpackFlags(ChunkReader& in, uint32_t flags);
    void SaveRecord(ChunkWriter& out) const;
    void LoadRecord(ChunkReader& in, uint16_t& villains, uint16_t& artifacts);
    void LoadLists(ChunkReader& in, uint16_t villains, uint16_t artifacts);

    std::string classId_;
    std::u16string name_;
    int sex_ = 0;
    int difficulty_ = 0;
    std::string title_;
    int level_ = 0;
    int maxLevel_ = 0;
    int leadership_ = 0;
    int leadershipBonus_ = 0;
    int initialLeadership_ = 0;
    int commission_ = 0;
    int castleCommission_ = 250;
    int castlesGarrisoned_ = 0;
    int gold_ = 0;
    bool canUseSpells_ = false;
    int spellPower_ = 0;
    int maxSpells_ = 0;
    int villainsNeeded_ = 0;
    int followersKilled_ = 0;
    int boatRent_ = 500;
    int currentContract_ = -1;
    std::string instantArmyUnit_;
    std::vector<std::string> artifacts_;
    std::vector<int> villainsCaught_;
    bool hasSiegeWeapons_ = false;
    int continent_ = 0;
    uint16_t reachable_ = 1;
    uint16_t completeMaps_ = 0;
    Cell position_;
    Cell start_;
    TravelMode travelMode_ = TravelMode::kLand;
    bool facingLeft_ = false;
    int sceptreContinent_ = 0;
    Cell sceptreCell_;
    Factor damageFactor_;
    Factor hitPointFactor_;
    Ref<Army> army_;
    SpellContainer spells_;
};

}  // namespace cv
