#include "game/world/map_obj.h"

#include "core/fatal_error.h"

namespace cv {
namespace {
const MapObjFactory*& FirstFactory() {
    static const MapObjFactory* first = nullptr;
    return first;
}
}  // namespace

void MapObj::Save(ChunkWriter& out) const {
    out.U8(static_cast<uint8_t>(Factory().version()));
    out.StoredString(Factory().name());
    out.StoredString(name_);
    out.I32(cell_.x);
    out.I32(cell_.y);
}

void MapObj::Load(ChunkReader& in, int /*version*/) {
    name_ = in.StoredString();
    cell_.x = in.I32();
    cell_.y = in.I32();
}

MapObjFactory::MapObjFactory(std::string name, int version)
    : name_(std::move(name)), version_(version), next_(FirstFactory()) {
    FirstFactory() = this;
}

MapObjFactory::~MapObjFactory() {
    for (const MapObjFactory** link = &FirstFactory(); *link; link = &(*link)->next_) {
        if (*link == this) {
            *link = next_;
            return;
        }
    }
}

const MapObjFactory& FindFactory(const std::string& name) {
    RegisterWorldObjectTypes();
    for (const MapObjFactory* f = FirstFactory(); f; f = f->next_) {
        if (f->name() == name) return *f;
    }
    FatalError("Not found MapObj factory for <%s>", name.c_str());
}

Ref<MapObj> CreateFromStream(ChunkReader& in) {
    int version = in.U8();
    Ref<MapObj> object = FindFactory(in.StoredString()).Create();
    object->Load(in, version);
    return object;
}

}  // namespace cv
