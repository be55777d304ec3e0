#include "game/model/villain.h"

#include <cstdlib>

#include "core/dispatcher_access.h"
#include "core/fatal_error.h"
#include "core/language.h"

namespace cv {
namespace {

// A save keeps the number in one byte.
constexpr int kHighestNumber = 255;

// A record holds at least the number, the seen flag and two string lengths.
constexpr size_t kSmallestRecord = 1 + 1 + 2 + 2;

Ref<Villain> ReadVillain(int number, Dispatcher* definition) {
    int32_t reward = 0;
    if (Value* value = FindValue(definition, "Reward")) value->GetInt(reward);
    auto army = MakeRef<Army>();
    std::string text;
    if (Value* value = FindValue(definition, "Army"); value && value->GetString(text)) {
        army->Parse(text);
    }
    return MakeRef<Villain>(number, reward, std::move(army), definition);
}

}  // namespace

bool Villain::IsCaught() const {
    return !army_ || !army_->HasUnits();
}

std::string Villain::TextKey(const char* suffix) const {
    return "Villain" + std::to_string(number_) + suffix;
}

std::u16string Villain::Name() const {
    return GetText(TextKey());
}

std::string Villain::Portrait() const {
    return "Img\\Villains\\" + std::to_string(number_) + ".0";
}

void VillainTable::Load(Dispatcher* root) {
    villains_.clear();
    order_.clear();
    Dispatcher* node = FindNode(root, "Villains");
    if (!node) return;
    for (const auto& [name, item] : node->children()) {
        const int number = std::atoi(name.c_str());
        if (number < 0 || number > kHighestNumber) {
            FatalError("Invalid number of Villain = %d", number);
        }
        if (villains_.count(number)) FatalError("Duplicate Villain number %d", number);
        villains_[number] = ReadVillain(number, GetNode("Villains", node, name));
    }
    for (const auto& [number, villain] : villains_) order_.push_back(villain.get());
}

Villain* VillainTable::Get(int number) const {
    const auto found = villains_.find(number);
    return found == villains_.end() ? nullptr : found->second.get();
}

Villain& VillainTable::Find(int number) const {
    Villain* villain = Get(number);
    if (!villain) FatalError("Invalid number of Villain = %d", number);
    return *villain;
}

void VillainTable::Save(ChunkWriter& out) const {
    out.BeginChunk("VILS");
    out.U32(static_cast<uint32_t>(order_.size()));
    for (const Villain* villain : order_) {
        out.U8(static_cast<uint8_t>(villain->number()));
        out.U8(villain->seen() ? 1 : 0);
        out.StoredString(villain->army() ? villain->army()->ToText() : std::string());
        out.StoredString(villain->castle());
    }
    out.EndChunk();
}

void VillainTable::LoadState(ChunkReader& in) {
    in.ReadChunkHeader("VILS", "Expected tag VILS", "Villains Definition");
    const uint32_t count = in.Count(kSmallestRecord);
    for (uint32_t i = 0; i < count; ++i) {
        Villain& villain = Find(in.U8());
        villain.SetSeen(in.U8() != 0);
        const std::string army = in.StoredString();
        Ref<Army> restored;
        if (!army.empty()) {
            restored = MakeRef<Army>();
            restored->Parse(army);
        }
        villain.SetArmy(std::move(restored));
        villain.SetCastle(in.StoredString());
    }
    in.EndChunk();
}

}  // namespace cv
