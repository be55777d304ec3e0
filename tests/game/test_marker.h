#pragma once

#include "game/world/map_obj.h"

namespace cv::test {

// A map object for the tests: counts its visits and step reactions, and keeps
// the hero off its cell when `blocks` is set (saved after the base record).
class Marker : public MapObj {
public:
    const MapObjFactory& Factory() const override;
    bool Visit(RunningGame&) override {
        ++visits;
        return blocks;
    }
    void OnStep(RunningGame&) override { ++steps; }
    bool IsStatic() const override { return isStatic; }
    void Save(ChunkWriter& out) const override {
        MapObj::Save(out);
        out.U8(blocks ? 1 : 0);
    }
    void Load(ChunkReader& in, int version) override {
        MapObj::Load(in, version);
        blocks = in.U8() != 0;
    }

    bool blocks = false;
    bool isStatic = false;
    int visits = 0;
    int steps = 0;
};

inline const MapObjFactoryOf<Marker> kMarkerFactory("Marker");

inline const MapObjFactory& Marker::Factory() const {
    return kMarkerFactory;
}

inline Ref<Marker> MakeMarker(const std::string& name, Cell cell, bool blocks) {
    auto marker = MakeRef<Marker>();
    marker->SetName(name);
    marker->SetCell(cell);
    marker->blocks = blocks;
    return marker;
}

}  // namespace cv::test
