#pragma once

#include "game/world/map_obj.h"

namespace cv {

// A signpost ("Sign"), whose name is its text. It comes from the rules,
// never from a save; the "Sign" form it opens closes once the hero walks on.
class Signpost : public MapObj {
public:
    const MapObjFactory& Factory() const override;
    bool Visit(RunningGame& game) override;
    void OnStep(RunningGame& game) override;
    bool IsStatic() const override { return true; }
    std::string MapPicture(const RunningGame&) const override { return "Img\\sign"; }

    // Whether the hero has read it and not walked on yet.
    bool shown() const { return shown_; }

private:
    bool shown_ = false;
};

}  // namespace cv
