#pragma once

#include <string>

#include "game/world/location.h"
#include "game/world/map_obj.h"

namespace cv {

class Hero;

// What the recruiting form offers a hero at a dwelling.
struct RecruitOffer {
    int available = 0;  // units in the dwelling
    // Units the hero's leadership still controls: effective leadership / the
    // unit's "Lead", less those in his army; never below 0.
    int limit = 0;
    // The most he may take now: available, limit and gold allow, 0 when his
    // army has no squad of the unit and no free slot.
    int most = 0;
    bool armyFull = false;  // no squad of the unit and no free slot
};

// A dwelling of one unit ("Recr"): the hero recruits there from a stock
// that fills up again in the week of its unit.
class Dwelling : public MapObj {
public:
    const MapObjFactory& Factory() const override;
    void Save(ChunkWriter& out) const override;
    void Load(ChunkReader& in, int version) override;
    // Opens the recruiting form "Warriors", which answers the number of units
    // taken ("0" to leave with none).
    bool Visit(RunningGame& game) override;
    void OnNewWeek(RunningGame& game) override;
    uint32_t MapColor() const override { return 0xFFFF40FFu; }
    // "<source>:<unit>", translated.
    std::u16string Caption() const override;

    // Stores the unit (fatal "Invalid Unit ID: <%s>" for an unknown one),
    // paints the unit's source's ground under the cell when it has one, and
    // fills the stock to the unit's "Avail". The cell must be set first.
    void Setup(Location& location, const std::string& unitId);

    RecruitOffer Offer(const Hero& hero) const;
    // Merges `count` units into the hero's army, paid from his gold and taken
    // from the stock; a count beyond the offer is cut to it.
    void Recruit(Hero& hero, int count);

    const std::string& unit() const { return unit_; }
    int available() const { return available_; }
    void SetAvailable(int count) { available_ = count; }

private:
    std::string unit_;
    int available_ = 0;
};

}  // namespace cv
