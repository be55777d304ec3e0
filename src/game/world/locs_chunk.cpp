#include <cstring>

#include "core/dispatcher_access.h"
#include "core/fatal_error.h"
#include "game/world/world.h"

namespace cv {
namespace {

constexpr uint32_t kHasNoStaticObjects = 1;
// Version, object count and the id field: what every "loc " record holds.
constexpr size_t kSmallestLocationRecord = 12 + 4 + Location::kMaxIdLength;
// Version byte, two empty strings and a position.
constexpr size_t kSmallestObjectRecord = 1 + 2 + 2 + 8;

void WriteTag(ChunkWriter& out, const char* tag) {
    out.Bytes(tag, 4);
}

void WriteIdField(ChunkWriter& out, const std::string& id) {
    if (id.size() > Location::kMaxIdLength) FatalError("Too long location id=%s", id.c_str());
    char field[Location::kMaxIdLength] = {};
    std::memcpy(field, id.data(), id.size());
    out.Bytes(field, sizeof field);
}

std::string ReadIdField(ChunkReader& in) {
    char field[Location::kMaxIdLength];
    in.Bytes(field, sizeof field);
    return std::string(field, strnlen(field, sizeof field));
}

void SkipBytes(ChunkReader& in, int64_t n) {
    if (n < 0 || n > in.Remaining()) in.Corrupted("Data ends inside a record");
    std::string ignored(static_cast<size_t>(n), '\0');
    in.Bytes(ignored.data(), ignored.size());
}

// A slot the rules leave empty is saved as a record with an empty id.
void SaveEmptySlot(ChunkWriter& out) {
    out.BeginChunk("loc ");
    out.U32(0);
    WriteIdField(out, {});
    out.EndChunk();
}

}  // namespace

void Location::Save(ChunkWriter& out) const {
    out.BeginChunk("loc ");
    const int64_t countAt = out.stream().Tell();
    out.U32(0);
    WriteIdField(out, id_);
    out.U32(TerrainMap::kBytes);
    out.Bytes(terrain_.bytes().data(), TerrainMap::kBytes);
    uint32_t saved = 0;
    bool anyStatic = false;
    for (const auto& object : objects_) {
        if (object->IsStatic()) {
            anyStatic = true;
            continue;
        }
        object->Save(out);
        ++saved;
    }
    if (!stops_.empty()) {
        WriteTag(out, "Stop");
        out.U32(static_cast<uint32_t>(4 + 8 * stops_.size()));
        out.U32(static_cast<uint32_t>(stops_.size()));
        for (Cell stop : stops_) {
            out.I32(stop.x);
            out.I32(stop.y);
        }
    }
    WriteTag(out, "Pos0");
    out.U32(12);
    out.I32(entry_.x);
    out.I32(entry_.y);
    out.U32(anyStatic ? 0 : kHasNoStaticObjects);
    const int64_t end = out.stream().Tell();
    out.stream().Seek(countAt);
    out.U32(saved);
    out.stream().Seek(end);
    out.EndChunk();
}

void Location::Load(ChunkReader& in, Dispatcher* root, uint32_t objectCount) {
    const std::string path = "Maps." + id_;
    Dispatcher* node = FindNode(root, path);
    if (!node) FatalError("'Object <%s> not found in global Root", path.c_str());
    ReadHeader(node);
    if (in.U32() != TerrainMap::kBytes) in.Corrupted("Invalid map size");
    in.Bytes(terrain_.bytes().data(), TerrainMap::kBytes);
    for (uint32_t i = 0; i < objectCount; ++i) {
        Ref<MapObj> object = CreateFromStream(in);
        if (auto* castle = dynamic_cast<Castle*>(object.get())) {
            AddCastle(Ref<Castle>(castle));
        } else if (auto* town = dynamic_cast<Town*>(object.get())) {
            AddTown(Ref<Town>(town));
        } else {
            AddObject(std::move(object));
        }
    }
    LoadSubRecords(in);
}

void Location::LoadSubRecords(ChunkReader& in) {
    stops_.clear();
    while (in.Remaining() > 0) {
        char tag[4];
        in.Bytes(tag, 4);
        const int64_t size = in.U32();
        if (size > in.Remaining()) in.Corrupted("Sub-record does not fit in its place");
        const int64_t end = in.Remaining() - size;
        if (std::memcmp(tag, "Stop", 4) == 0 && size >= 4) {
            uint32_t count = in.U32();
            if (count > (size - 4) / 8) in.Corrupted("Invalid number of stops");
            for (uint32_t i = 0; i < count; ++i) {
                int x = in.I32();
                stops_.push_back({x, in.I32()});
            }
        } else if (std::memcmp(tag, "Pos0", 4) == 0 && size >= 12) {
            entry_.x = in.I32();
            entry_.y = in.I32();
            if (in.U32() & kHasNoStaticObjects) {
                std::erase_if(objects_, [](const Ref<MapObj>& o) { return o->IsStatic(); });
            }
        }
        SkipBytes(in, in.Remaining() - end);
    }
}

void World::Save(ChunkWriter& out) const {
    out.BeginChunk("LOCS");
    out.U32(static_cast<uint32_t>(maps_.size()));
    for (const auto& location : maps_) {
        if (location) {
            location->Save(out);
        } else {
            SaveEmptySlot(out);
        }
    }
    out.EndChunk();
}

void World::Load(ChunkReader& in, Dispatcher* root) {
    in.ReadChunkHeader("LOCS", "Expected tag LOCS", "Locations");
    uint32_t count = in.Count(kSmallestLocationRecord);
    if (count > kMaxContinents) in.Corrupted("Too many continents");
    maps_.assign(count, nullptr);
    for (uint32_t i = 0; i < count; ++i) {
        in.ReadChunkHeader("loc ", "Expected tag loc ", "Location #" + std::to_string(i));
        uint32_t objects = in.Count(kSmallestObjectRecord);
        std::string id = ReadIdField(in);
        if (!id.empty()) {
            maps_[i] = MakeRef<Location>(static_cast<int>(i), id);
            maps_[i]->Load(in, root, objects);
        }
        in.EndChunk();
    }
    in.EndChunk();
}

}  // namespace cv
