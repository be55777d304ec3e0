#pragma once

#include <cstdint>
#include <string>

#include "game/model/army.h"
#include "game/model/villain.h"
#include "game/world/map_obj.h"

namespace cv {

class Castle;
class Location;

// Who holds a castle: the roaming monsters ("Mon"), a villain ("Vil") or the
// hero ("My"). A ruler belongs to one castle.
class CastleRuler : public RefCounted {
public:
    explicit CastleRuler(Castle& castle) : castle_(castle) {}
    ~CastleRuler() override = default;

    virtual std::u16string ArmyTitle() const = 0;
    // The hero walks into the castle.
    virtual void OnVisit(RunningGame& game) = 0;
    // "Castle <CASTLE> is under ... rule."
    virtual std::u16string StatusText() = 0;
    virtual std::u16string RulerName() const = 0;
    virtual std::string Image(const RunningGame& game) const = 0;
    virtual bool CanHostVillain() const = 0;
    // The siege's victory text, given the battle's own.
    virtual std::u16string VictoryText(const RunningGame& game, std::u16string text) const;
    // After a won siege, before the hero takes the castle.
    virtual void OnDefeated(RunningGame&) {}
    virtual uint32_t MapColor(uint32_t base) const { return base; }
    virtual const char* TypeId() const = 0;
    // What the save record holds after the type.
    virtual void SaveExtra(ChunkWriter&) const {}

protected:
    Castle& castle() const { return castle_; }

private:
    Castle& castle_;
};

// A castle of a continent's "Castles" ("Castle"), standing on the 3 x 2
// cells from (X - 1, Y) to (X + 1, Y + 1); the hero never steps in.
class Castle : public MapObj {
public:
    static constexpr uint32_t kVisited = 1;
    static constexpr uint32_t kRulerKnown = 2;

    const MapObjFactory& Factory() const override;
    void Save(ChunkWriter& out) const override;
    void Load(ChunkReader& in, int version) override;
    bool Visit(RunningGame& game) override;
    // A castle left without garrison falls back to the monsters.
    void OnNewWeek(RunningGame& game) override;
    uint32_t MapColor() const override;
    // "Castle <NAME>", translated.
    std::u16string Caption() const override;
    bool IsAt(Cell cell) const override;

    // Flags cleared, a fresh "CastleDef" garrison and the monsters as rulers.
    void SetUp(const Location& location);
    std::u16string DisplayName() const;

    const Ref<Army>& garrison() const { return garrison_; }
    void SetGarrison(Ref<Army> garrison) { garrison_ = std::move(garrison); }
    const Ref<CastleRuler>& ruler() const { return ruler_; }
    void SetRuler(Ref<CastleRuler> ruler) { ruler_ = std::move(ruler); }
    uint32_t flags() const { return flags_; }
    void SetFlag(uint32_t bit, bool on) { flags_ = on ? flags_ | bit : flags_ & ~bit; }
    bool IsVisited() const { return flags_ & kVisited; }

    // What a town tells of the castle; the ruler becomes known.
    std::u16string InfoText();
    // The ruler's name once known, else "Various groups of monsters".
    std::u16string RulerLabel() const;
    // True without a ruler.
    bool CanHostVillain() const;
    // The hero rules it.
    bool IsHeros() const;

private:
    Ref<Army> garrison_;
    Ref<CastleRuler> ruler_;
    uint32_t flags_ = 0;
};

}  // namespace cv
