#include "game/model/hero.h"

namespace cv {
namespace {

constexpr uint32_t kSiegeWeaponsBit = 1u << 30;
constexpr uint32_t kCanUseSpellsBit = 1u << 31;
constexpr int kHighestLevel = 9;

void WriteWide(ChunkWriter& out, const std::u16string& text) {
    out.U16(static_cast<uint16_t>(text.size()));
    for (char16_t c : text) out.U16(c);
}

std::u16string ReadWide(ChunkReader& in) {
    uint16_t length = in.U16();
    if (length > in.Remaining() / 2) in.Corrupted("Invalid hero name");
    std::u16string text(length, u'\0');
    for (auto& c : text) c = in.U16();
    return text;
}

void WriteCell(ChunkWriter& out, Cell cell) {
    out.U16(static_cast<uint16_t>(cell.x));
    out.U16(static_cast<uint16_t>(cell.y));
}

Cell ReadCell(ChunkReader& in) {
    int x = in.U16();
    int y = in.U16();
    return {x, y};
}

}  // namespace

uint32_t Hero::PackedFlags() const {
    uint32_t flags = static_cast<uint32_t>(sex_ & 0xF) | static_cast<uint32_t>(travelMode_) << 4;
    if (hasSiegeWeapons_) flags |= kSiegeWeaponsBit;
    if (canUseSpells_) flags |= kCanUseSpellsBit;
    return flags;
}

void Hero::UnpackFlags(ChunkReader& in, uint32_t flags) {
    sex_ = flags & 0xF;
    uint32_t mode = (flags >> 4) & 0xF;
    if (mode > static_cast<uint32_t>(TravelMode::kFly)) in.Corrupted("Invalid travel mode");
    travelMode_ = static_cast<TravelMode>(mode);
    hasSiegeWeapons_ = (flags & kSiegeWeaponsBit) != 0;
    canUseSpells_ = (flags & kCanUseSpellsBit) != 0;
}

void Hero::SaveRecord(ChunkWriter& out) const {
    out.U32(PackedFlags());
    for (int v :
         {difficulty_, level_, maxLevel_, leadership_, leadershipBonus_, initialLeadership_,
          commission_, castleCommission_, castlesGarrisoned_, gold_, spellPower_, maxSpells_,
          villainsNeeded_, followersKilled_, boatRent_, 0, currentContract_, continent_}) {
        out.I32(v);
    }
    out.U16(reachable_);
    out.U16(completeMaps_);
    WriteCell(out, position_);
    WriteCell(out, start_);
    out.U16(static_cast<uint16_t>(villainsCaught_.size()));
    out.U16(static_cast<uint16_t>(artifacts_.size()));
    WriteCell(out, sceptreCell_);
    out.I32(sceptreContinent_);
    out.U32(0);
    out.U32(0);
}

void Hero::Save(ChunkWriter& out) const {
    out.BeginChunk("HERO");
    SaveRecord(out);
    WriteWide(out, name_);
    out.StoredString(classId_);
    out.StoredString(title_);
    out.StoredString(instantArmyUnit_);
    for (int villain : villainsCaught_) out.I32(villain);
    for (const std::string& id : artifacts_) out.StoredString(id);
    out.StoredString(army_->ToText());
    spells_.Save(out);
    out.EndChunk();
}

void Hero::LoadRecord(ChunkReader& in, uint16_t& villains, uint16_t& artifacts) {
    UnpackFlags(in, in.U32());
    for (int* field :
         {&difficulty_, &level_, &maxLevel_, &leadership_, &leadershipBonus_, &initialLeadership_,
          &commission_, &castleCommission_, &castlesGarrisoned_, &gold_, &spellPower_, &maxSpells_,
          &villainsNeeded_, &followersKilled_, &boatRent_}) {
        *field = in.I32();
    }
    in.I32();
    currentContract_ = in.I32();
    continent_ = in.I32();
    reachable_ = in.U16();
    completeMaps_ = in.U16();
    position_ = ReadCell(in);
    start_ = ReadCell(in);
    villains = in.U16();
    artifacts = in.U16();
    sceptreCell_ = ReadCell(in);
    sceptreContinent_ = in.I32();
    in.U32();
    in.U32();
    if (maxLevel_ < 0 || maxLevel_ > kHighestLevel || level_ < 0 || level_ > maxLevel_) {
        in.Corrupted("Invalid hero level");
    }
}

void Hero::LoadLists(ChunkReader& in, uint16_t villains, uint16_t artifacts) {
    if (villains > in.Remaining() / 4) in.Corrupted("Invalid number of villains");
    for (int i = 0; i < villains; ++i) villainsCaught_.push_back(in.I32());
    if (artifacts > in.Remaining() / 2) in.Corrupted("Invalid number of artifacts");
    for (int i = 0; i < artifacts; ++i) artifacts_.push_back(in.StoredString());
}

void Hero::Load(ChunkReader& in) {
    in.ReadChunkHeader("HERO", "Expected tag HERO", "Main Hero");
    *this = Hero();
    uint16_t villains = 0;
    uint16_t artifacts = 0;
    LoadRecord(in, villains, artifacts);
    name_ = ReadWide(in);
    classId_ = in.StoredString();
    title_ = in.StoredString();
    instantArmyUnit_ = in.StoredString();
    LoadLists(in, villains, artifacts);
    RecomputeFactors();
    army_->Parse(in.StoredString());
    spells_.Load(in);
    facingLeft_ = false;
    in.EndChunk();
}

}  // namespace cv
