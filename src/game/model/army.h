#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/ref_counted.h"
#include "game/model/squad_def.h"

namespace cv {

// A unit kind with a count; shared between an army slot and a battle.
class Squad : public RefCounted {
public:
    Squad(Ref<SquadDef> kind, int count) : kind_(std::move(kind)), count_(count) {}

    const SquadDef& kind() const { return *kind_; }
    const Ref<SquadDef>& kindRef() const { return kind_; }
    int count() const { return count_; }
    void SetCount(int count) { count_ = count; }
    void AddCount(int delta);
    // Fatal "Invalid Unit ID: <%s>" when the id is unknown.
    void ChangeKind(const std::string& unitId);

    int64_t TotalHitPoints() const { return int64_t{kind_->hitPoints} * count_; }
    int64_t WeeklyPay() const { return int64_t{kind_->pay} * count_; }
    int64_t LeadershipNeed() const { return int64_t{kind_->leadership} * count_; }

private:
    Ref<SquadDef> kind_;
    int count_;
};

// Five slots of squads. Adding fills the first empty slot; removing a slot
// moves the squads behind it up.
class Army : public RefCounted {
public:
    static constexpr int kSlots = 5;

    // The squad in slot i, none for an empty slot or any other index.
    Ref<Squad> At(int slot) const;
    int SquadCount() const;
    bool IsFull() const { return SquadCount() == kSlots; }
    bool IsEmpty() const { return SquadCount() == 0; }
    // True when some squad still has units.
    bool HasUnits() const;

    // Fatal "Too many squads in army" when all five slots are filled.
    void Add(Ref<Squad> squad);
    void Add(const std::string& unitId, int count);
    // Grows a squad of the same unit, else adds one.
    void Merge(const std::string& unitId, int count);

    Ref<Squad> Find(const std::string& unitId) const;
    int SlotOf(const Squad* squad) const;
    int TotalOf(const std::string& unitId) const;
    bool CanTake(const std::string& unitId) const;

    void RemoveSlot(int slot);
    void RemoveEmptySquads();
    void Clear();

    // "Peasants:20,Archers:5": each item is added, never merged, so a sixth
    // item is fatal; a count that is missing, unreadable or below 1 counts 1.
    void Parse(const std::string& text);
    std::string ToText() const;

private:
    std::array<Ref<Squad>, kSlots> slots_;
};

}  // namespace cv
