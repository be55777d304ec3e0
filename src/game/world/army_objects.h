#pragma once

#include <optional>
#include <string>

#include "game/model/army.h"
#include "game/world/map_obj.h"

namespace cv {

class Location;

// A map object that carries an army, drawn with its continent's enemy icon.
class ArmyObject : public MapObj {
public:
    // The base record, then the army's text ("" for none).
    void Save(ChunkWriter& out) const override;
    void Load(ChunkReader& in, int version) override;
    // A beaten army leaves the map when the hero comes back to it.
    void OnScreenOpen(RunningGame& game) override;
    uint32_t MapColor() const override { return 0xFFFF8400u; }
    std::string MapPicture(const RunningGame& game) const override;

    const Ref<Army>& army() const { return army_; }
    void SetArmy(Ref<Army> army) { army_ = std::move(army); }

protected:
    // The continent the object stands on; none once it has left the world.
    Location* Home(const RunningGame& game) const;
    void LeaveMap(RunningGame& game);

private:
    Ref<Army> army_ = MakeRef<Army>();
};

// A wandering hostile army ("Enemy"). It notices the hero two cells away and
// chases him while he stays within three; on reaching him it shows what it
// is, and from the second time on it attacks at once.
class Enemy : public ArmyObject {
public:
    enum class Pursuit { kIdle = 0, kAlerted = 2, kConfronted = 3 };

    const MapObjFactory& Factory() const override;
    // The scouts' report, with "Attack" and "Cancel"; the hero stays.
    bool Visit(RunningGame& game) override;
    void OnStep(RunningGame& game) override;

    // Not saved: a loaded army starts idle.
    Pursuit pursuit() const { return pursuit_; }

private:
    void ReportSighting(RunningGame& game);
    void Attack(RunningGame& game);
    void ReachHero(RunningGame& game);
    // One of the free neighbours nearest the hero (the hero's own cell
    // counts as free), none when every neighbour is taken.
    std::optional<Cell> ChaseStep(const Location& location, Cell hero) const;

    Pursuit pursuit_ = Pursuit::kIdle;
};

// A band that offers its first squad to the hero ("Join"); it leaves the map
// at the first contact, whatever the answer.
class Join : public ArmyObject {
public:
    const MapObjFactory& Factory() const override;
    bool Visit(RunningGame& game) override;
};

}  // namespace cv
