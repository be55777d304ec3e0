#include "game/world/castle.h"

#include "core/language.h"
#include "game/model/army_rules.h"
#include "game/world/castle_rulers.h"
#include "game/world/legends.h"
#include "game/world/running_game.h"

namespace cv {

std::u16string CastleRuler::VictoryText(const RunningGame&, std::u16string text) const {
    return text;
}

const MapObjFactory& Castle::Factory() const {
    return FindFactory("Castle");
}

// A castle is never saved without a ruler for long; should it be, the
// monsters are the ones who would take it.
void Castle::Save(ChunkWriter& out) const {
    MapObj::Save(out);
    out.U32(flags_);
    out.StoredString(garrison_ ? garrison_->ToText() : std::string());
    out.StoredString(ruler_ ? ruler_->TypeId() : "Mon");
    if (ruler_) ruler_->SaveExtra(out);
}

void Castle::Load(ChunkReader& in, int version) {
    MapObj::Load(in, version);
    flags_ = in.U32();
    const std::string garrison = in.StoredString();
    garrison_ = nullptr;
    if (!garrison.empty()) {
        garrison_ = MakeRef<Army>();
        garrison_->Parse(garrison);
    }
    ruler_ = ReadRuler(*this, in);
}

void Castle::SetUp(const Location& location) {
    flags_ = 0;
    garrison_ = GenerateArmy(location, location.castleArmy());
    ruler_ = MakeMonstersRuler(*this);
}

bool Castle::Visit(RunningGame& game) {
    flags_ |= kVisited | kRulerKnown;
    if (Ref<CastleRuler> ruler = ruler_) ruler->OnVisit(game);
    return true;
}

// Only a castle of the hero's counts among those he garrisons, whatever
// else stands empty.
void Castle::OnNewWeek(RunningGame& game) {
    if (garrison_ && garrison_->HasUnits()) return;
    const Location* home = game.world().Get(continent());
    if (!home) return;
    const bool heros = IsHeros();
    SetFlag(kRulerKnown, false);
    SetUp(*home);
    if (heros) game.hero().AddCastlesGarrisoned(-1);
}

uint32_t Castle::MapColor() const {
    return ruler_ ? ruler_->MapColor(MapObj::MapColor()) : MapObj::MapColor();
}

std::u16string Castle::Caption() const {
    std::u16string text = GetText("Castle <NAME>");
    ReplacePlaceholder(text, u"<NAME>", DisplayName());
    return text;
}

bool Castle::IsAt(Cell at) const {
    const Cell c = cell();
    return at.x >= c.x - 1 && at.x <= c.x + 1 && at.y >= c.y && at.y <= c.y + 1;
}

std::u16string Castle::DisplayName() const {
    return GetText(name());
}

bool Castle::IsHeros() const {
    return ruler_ && std::string(ruler_->TypeId()) == "My";
}

std::u16string Castle::InfoText() {
    SetFlag(kRulerKnown, true);
    std::u16string text = ruler_ ? ruler_->StatusText() : UnruledStatus(*this);
    for (int slot = 0; garrison_ && slot < Army::kSlots; ++slot) {
        if (Ref<Squad> squad = garrison_->At(slot)) {
            text += u"\n - " + HowManyText(squad->count(), squad->kind());
        }
    }
    return text;
}

std::u16string Castle::RulerLabel() const {
    if (ruler_ && (flags_ & kRulerKnown)) return ruler_->RulerName();
    return GetText("Various groups of monsters");
}

bool Castle::CanHostVillain() const {
    return !ruler_ || ruler_->CanHostVillain();
}

}  // namespace cv
