#include "game/world/town.h"

#include "core/dispatcher_access.h"
#include "core/fatal_error.h"
#include "core/language.h"
#include "game/model/game_ui.h"
#include "game/model/spell_system.h"

namespace cv {
namespace {

// Older rules and saves spell the lightning spell without its "n".
std::string MendedSpellId(std::string id) {
    return id == "LightingSpell" ? "LightningSpell" : id;
}

}  // namespace

const MapObjFactory& Town::Factory() const {
    return FindFactory("Town");
}

void Town::Save(ChunkWriter& out) const {
    MapObj::Save(out);
    out.StoredString(castle_);
    out.StoredString(spell_);
    out.U8(visited_ ? 1 : 0);
}

void Town::Load(ChunkReader& in, int version) {
    MapObj::Load(in, version);
    castle_ = in.StoredString();
    SetSpell(in.StoredString());
    visited_ = in.U8() != 0;
}

bool Town::Visit(RunningGame&) {
    visited_ = true;
    Ui().OpenScreenFor("Town", Ref<RefCounted>(this), {});
    return true;
}

std::u16string Town::Caption() const {
    std::u16string text = GetText("Town of <NAME>");
    ReplacePlaceholder(text, u"<NAME>", DisplayName());
    return text;
}

void Town::Read(Dispatcher* node) {
    castle_.clear();
    if (Value* value = FindValue(node, "Castle")) value->GetString(castle_);
    std::string spell;
    if (Value* value = FindValue(node, "Spell")) value->GetString(spell);
    const SpellKind* random = spell.empty() ? Spells().RandomSpell() : nullptr;
    if (random) spell = random->id;
    SetSpell(std::move(spell));
}

std::u16string Town::DisplayName() const {
    return GetText(name());
}

void Town::SetSpell(std::string spell) {
    spell_ = MendedSpellId(std::move(spell));
    if (!Spells().FindSpell(spell_)) {
        FatalError("Invalid spell id=<%s> in town <%s>", spell_.c_str(), name().c_str());
    }
}

}  // namespace cv
