#pragma once

#include <string>

#include "game/world/map_obj.h"

namespace cv {

// The objects handed out on a continent's "Bonuses" cells, each taken when
// the hero reaches it (a teleporter stays).

// A treasure chest ("RndBonus"): one of the continent's treasure kinds,
// drawn by weight when it is opened; removed once its message is closed.
class Treasure : public MapObj {
public:
    const MapObjFactory& Factory() const override;
    bool Visit(RunningGame& game) override;
    std::string MapPicture(const RunningGame&) const override { return "Img\\treasure"; }
};

// An artifact ("Art"), named by its id under the rules' "Artifacts".
class ArtifactObject : public MapObj {
public:
    const MapObjFactory& Factory() const override;
    bool Visit(RunningGame& game) override;
    std::string MapPicture(const RunningGame&) const override;
};

// One end of a teleporter pair ("Teleport"): sends the hero to the other end.
class Teleporter : public MapObj {
public:
    const MapObjFactory& Factory() const override;
    void Save(ChunkWriter& out) const override;
    void Load(ChunkReader& in, int version) override;
    bool Visit(RunningGame& game) override;
    std::string MapPicture(const RunningGame&) const override { return "Terr\\016"; }

    Cell target() const { return target_; }
    void SetTarget(Cell target) { target_ = target; }

private:
    Cell target_;
};

// Completes the hero's map of the continent it stands on ("ShowMap").
class MapRevealer : public MapObj {
public:
    const MapObjFactory& Factory() const override;
    bool Visit(RunningGame& game) override;
    std::string MapPicture(const RunningGame&) const override { return "Img\\treasure"; }
};

// The map of the way to another continent ("NextMap"), by its id.
class ContinentMap : public MapObj {
public:
    const MapObjFactory& Factory() const override;
    void Save(ChunkWriter& out) const override;
    void Load(ChunkReader& in, int version) override;
    bool Visit(RunningGame& game) override;
    std::string MapPicture(const RunningGame&) const override { return "Img\\treasure"; }

    const std::string& target() const { return target_; }
    void SetTarget(std::string id) { target_ = std::move(id); }

private:
    std::string target_;
};

}  // namespace cv
