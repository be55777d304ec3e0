#include "game/model/spell_container.h"

#include <algorithm>

#include "game/model/int_math.h"
#include "game/model/spell_system.h"

namespace cv {

void SpellContainer::Add(const std::string& id, int n) {
    int& count = counts_[CanonicalSpellId(id)];
    count = ClampToInt(int64_t{count} + n);
    total_ = ClampToInt(int64_t{total_} + n);
}

void SpellContainer::Remove(const std::string& id, int n) {
    auto found = counts_.find(CanonicalSpellId(id));
    if (found == counts_.end() || n <= 0) return;
    int taken = std::min(n, found->second);
    found->second -= taken;
    total_ -= taken;
}

int SpellContainer::Count(const std::string& id) const {
    auto found = counts_.find(CanonicalSpellId(id));
    return found == counts_.end() ? 0 : found->second;
}

bool SpellContainer::Cast(const std::string& id, const Caster& caster) {
    if (Count(id) <= 0 || !caster(Spells().SpellById(id))) return false;
    Remove(id, 1);
    return true;
}

void SpellContainer::Clear() {
    counts_.clear();
    total_ = 0;
}

void SpellContainer::Save(ChunkWriter& out) const {
    out.BeginChunk("SPLS");
    out.U32(static_cast<uint32_t>(counts_.size()));
    for (const auto& [id, count] : counts_) {
        out.StoredString(id);
        out.I32(count);
    }
    out.EndChunk();
}

void SpellContainer::Load(ChunkReader& in) {
    in.ReadChunkHeader("SPLS", "Cant load spells. Expected tag SPLS", "Spell Container");
    Clear();
    uint32_t entries = in.Count(2 + 4);
    for (uint32_t i = 0; i < entries; ++i) {
        std::string id = in.StoredString();
        int count = in.I32();
        if (count < 0) in.Corrupted("Invalid spell count");
        Add(id, count);
    }
    in.EndChunk();
}

}  // namespace cv
