#pragma once

#include <cstdint>
#include <string>

#include "core/ref_counted.h"
#include "core/save_chunks.h"
#include "game/model/cell.h"

namespace cv {

class MapObjFactory;
class RunningGame;

// Anything that stands on a continent besides its terrain. Drawing belongs
// to the screens, which know each type's picture.
class MapObj : public RefCounted {
public:
    ~MapObj() override = default;
    // The object record: version byte, type name, name, X, Y; types with more
    // fields write them after calling this.
    virtual void Save(ChunkWriter& out) const;
    // Reads what Save wrote after the type name.
    virtual void Load(ChunkReader& in, int version);
    virtual const MapObjFactory& Factory() const = 0;
    // The hero steps towards the object; true keeps him where he is.
    virtual bool Visit(RunningGame& game) = 0;
    // Each time the adventure screen is built, for the hero's continent.
    virtual void OnScreenOpen(RunningGame&) {}
    // At the start of each week, for every continent.
    virtual void OnNewWeek(RunningGame&) {}
    // After each step of the hero, for his continent.
    virtual void OnStep(RunningGame&) {}
    // The picture the map shows at the object's cell, empty for none; the
    // screens draw it.
    virtual std::string MapPicture(const RunningGame&) const { return {}; }
    // Rebuilt from the rules, never saved.
    virtual bool IsStatic() const { return false; }
    virtual uint32_t MapColor() const { return 0xFFFF0000u; }
    virtual std::u16string Caption() const { return {}; }
    virtual bool IsAt(Cell cell) const { return cell == cell_; }

    const std::string& name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    Cell cell() const { return cell_; }
    void SetCell(Cell cell) { cell_ = cell; }
    int continent() const { return continent_; }
    void SetContinent(int index) { continent_ = index; }

private:
    std::string name_;
    Cell cell_;
    int continent_ = 0;
};

// Makes objects of one type by the name saves carry. Each type has one
// static factory, which registers itself when it is built; the game's own
// types are built before the first lookup (RegisterWorldObjectTypes).
class MapObjFactory {
public:
    explicit MapObjFactory(std::string name, int version = 0);
    virtual ~MapObjFactory();
    MapObjFactory(const MapObjFactory&) = delete;
    MapObjFactory& operator=(const MapObjFactory&) = delete;

    virtual Ref<MapObj> Create() const = 0;
    const std::string& name() const { return name_; }
    int version() const { return version_; }

private:
    std::string name_;
    int version_;
    mutable const MapObjFactory* next_;  // the list links through const factories
    friend const MapObjFactory& FindFactory(const std::string& name);
};

// The factory of a type whose objects are made with no arguments.
template <class Type>
class MapObjFactoryOf : public MapObjFactory {
public:
    using MapObjFactory::MapObjFactory;
    Ref<MapObj> Create() const override { return MakeRef<Type>(); }
};

// Fatal "Not found MapObj factory for <%s>" when no type has that name.
const MapObjFactory& FindFactory(const std::string& name);

// Builds the factory of every object type of the game (map_obj_types.cpp),
// so that a save can name any of them; runs once.
void RegisterWorldObjectTypes();

// Reads an object record: its type picks the factory, the object reads the rest.
Ref<MapObj> CreateFromStream(ChunkReader& in);

}  // namespace cv
