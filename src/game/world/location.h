#pragma once

#include <string>
#include <vector>

#include "core/dispatcher.h"
#include "core/save_chunks.h"
#include "game/world/bonus_def.h"
#include "game/world/castle.h"
#include "game/world/legends.h"
#include "game/world/map_obj.h"
#include "game/world/terrain_kinds.h"
#include "game/world/terrain_map.h"
#include "game/world/town.h"

namespace cv {

// One continent: its terrain, its parameters and the objects standing on it.
class Location : public RefCounted {
public:
    // Saved ids are fixed 16-byte fields.
    static constexpr size_t kMaxIdLength = 16;

    Location(int index, std::string id) : index_(index), id_(std::move(id)) {}

    // The rules' definition: the header, the terrain file, the objects
    // standing on the continent (generated ones included) and the stops.
    void ReadDefinition(Dispatcher* node);
    // What a save does not hold: entry, icons, army definitions, "BonusDef"
    // and the signposts.
    void ReadHeader(Dispatcher* node);

    int index() const { return index_; }
    const std::string& id() const { return id_; }
    Cell entry() const { return entry_; }
    void SetEntry(Cell cell) { entry_ = cell; }
    const std::string& enemyIcon() const { return enemyIcon_; }
    const std::string& mapIcon() const { return mapIcon_; }
    const EnemyDefs& enemies() const { return enemies_; }
    const std::string& standardArmy() const { return enemies_.standardArmy; }
    const std::string& castleArmy() const { return enemies_.castleArmy; }
    const BonusDef& bonus() const { return bonus_; }

    TerrainMap& terrain() { return terrain_; }
    const TerrainMap& terrain() const { return terrain_; }
    int TerrainAt(Cell cell) const { return terrain_.KindAt(cell); }
    const TerrainKind& KindAt(Cell cell) const { return TerrainKinds()[TerrainAt(cell)]; }
    void SetTerrain(Cell cell, int kind) { terrain_.SetKind(cell, kind); }
    void Reveal(Cell cell) { terrain_.Reveal(cell); }

    // Walkable, not slow, and free of objects.
    bool IsUsable(Cell cell) const;
    // The usable cells around `cell`, in the order random choices use.
    std::vector<Cell> UsableNeighbours(Cell cell) const;
    // One of the usable neighbours at random, or the cell itself when none is.
    Cell RandomUsableNeighbour(Cell cell) const;

    Ref<MapObj> ObjectAt(Cell cell) const;
    Ref<MapObj> FindObject(const std::string& name) const;
    const std::vector<Ref<MapObj>>& objects() const { return objects_; }
    // Appends the object and stamps it with this continent.
    void AddObject(Ref<MapObj> object);
    void RemoveObject(const MapObj* object);
    // The castles of "Castles" in their order, also among the objects; a
    // castle never leaves either list.
    const std::vector<Ref<Castle>>& castles() const { return castles_; }
    Castle* FindCastle(const std::string& name) const;
    // The towns of "Towns" in their order, also among the objects.
    const std::vector<Ref<Town>>& towns() const { return towns_; }
    Town* FindTown(const std::string& name) const;
    void OnScreenOpen(RunningGame& game);
    // Every object's step reaction, until one of them opens a screen.
    void OnStep(RunningGame& game);
    void OnNewWeek(RunningGame& game);

    bool IsStop(Cell cell) const;
    const std::vector<Cell>& stops() const { return stops_; }

    // The "loc " record of the "LOCS" chunk.
    void Save(ChunkWriter& out) const;
    // Fills this continent from the rest of its record (after the id); the
    // rules node of its id gives what the save leaves out.
    void Load(ChunkReader& in, Dispatcher* root, uint32_t objectCount);

private:
    void CallEach(RunningGame& game, void (MapObj::*operation)(RunningGame&),
                  bool untilScreenOpens);
    void ReadSigns(Dispatcher* signs);
    void ReadTownsAndCastles(Dispatcher* node);
    void AddCastle(Ref<Castle> castle);
    void AddTown(Ref<Town> town);
    void ReadArmies(Dispatcher* armies);
    void ReadMisc(Dispatcher* misc);
    void LoadSubRecords(ChunkReader& in);
    std::string Requester() const { return "Location " + id_; }

    int index_;
    std::string id_;
    Cell entry_;
    std::string enemyIcon_;
    std::string mapIcon_;
    EnemyDefs enemies_;
    BonusDef bonus_;
    TerrainMap terrain_;
    std::vector<Ref<MapObj>> objects_;
    std::vector<Ref<Castle>> castles_;
    std::vector<Ref<Town>> towns_;
    std::vector<Cell> stops_;
};

}  // namespace cv
