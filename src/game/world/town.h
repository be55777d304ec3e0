#pragma once

#include <string>

#include "core/dispatcher.h"
#include "game/world/map_obj.h"

namespace cv {

// A town of a continent's "Towns" ("Town"): it sells contracts, boats, news
// of its castle, one spell and siege weapons. The hero never steps in.
class Town : public MapObj {
public:
    const MapObjFactory& Factory() const override;
    // The base record, then the castle, the spell and the visited byte.
    void Save(ChunkWriter& out) const override;
    // A spell saved as "LightingSpell" comes back as "LightningSpell".
    void Load(ChunkReader& in, int version) override;
    // Marks the town visited and opens the town's form "Town".
    bool Visit(RunningGame& game) override;
    // "Town of <NAME>", translated.
    std::u16string Caption() const override;
    std::string MapPicture(const RunningGame&) const override { return "Img\\town"; }

    // "Castle" and "Spell", a random spell without one. Fatal "Invalid spell
    // id=<%s> in town <%s>" for a spell no kind has. The name comes first.
    void Read(Dispatcher* node);
    std::u16string DisplayName() const;

    const std::string& castle() const { return castle_; }
    const std::string& spell() const { return spell_; }
    // Checked as when read.
    void SetSpell(std::string spell);
    bool visited() const { return visited_; }
    void SetVisited(bool visited) { visited_ = visited; }

private:
    std::string castle_;
    std::string spell_;
    bool visited_ = false;
};

}  // namespace cv
