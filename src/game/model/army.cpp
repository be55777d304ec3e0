#include "game/model/army.h"

#include <cstdlib>

#include "core/fatal_error.h"
#include "game/model/int_math.h"
#include "game/model/unit_tables.h"

namespace cv {
namespace {

int ParseCount(const std::string& item, size_t colon) {
    if (colon == std::string::npos) return 1;
    const char* text = item.c_str() + colon + 1;
    char* end = nullptr;
    long long count = std::strtoll(text, &end, 10);
    if (end == text || count < 1) return 1;
    return ClampToInt(count);
}

}  // namespace

void Squad::AddCount(int delta) {
    count_ = ClampToInt(int64_t{count_} + delta);
}

void Squad::ChangeKind(const std::string& unitId) {
    kind_ = Units().UnitById(unitId);
}

Ref<Squad> Army::At(int slot) const {
    if (slot < 0 || slot >= kSlots) return nullptr;
    return slots_[slot];
}

int Army::SquadCount() const {
    int n = 0;
    for (const auto& squad : slots_) n += squad ? 1 : 0;
    return n;
}

bool Army::HasUnits() const {
    for (const auto& squad : slots_) {
        if (squad && squad->count() > 0) return true;
    }
    return false;
}

void Army::Add(Ref<Squad> squad) {
    for (auto& slot : slots_) {
        if (!slot) {
            slot = std::move(squad);
            return;
        }
    }
    FatalError("Too many squads in army");
}

void Army::Add(const std::string& unitId, int count) {
    Add(MakeRef<Squad>(Units().UnitById(unitId), count));
}

void Army::Merge(const std::string& unitId, int count) {
    if (Ref<Squad> squad = Find(unitId)) {
        squad->AddCount(count);
    } else {
        Add(unitId, count);
    }
}

Ref<Squad> Army::Find(const std::string& unitId) const {
    for (const auto& squad : slots_) {
        if (squad && squad->kind().id == unitId) return squad;
    }
    return nullptr;
}

int Army::SlotOf(const Squad* squad) const {
    for (int i = 0; i < kSlots; ++i) {
        if (squad && slots_[i].get() == squad) return i;
    }
    return -1;
}

int Army::TotalOf(const std::string& unitId) const {
    int64_t total = 0;
    for (const auto& squad : slots_) {
        if (squad && squad->kind().id == unitId) total += squad->count();
    }
    return ClampToInt(total);
}

bool Army::CanTake(const std::string& unitId) const {
    return Find(unitId) || !IsFull();
}

void Army::RemoveSlot(int slot) {
    if (slot < 0 || slot >= kSlots) return;
    for (int i = slot; i + 1 < kSlots; ++i) slots_[i] = slots_[i + 1];
    slots_[kSlots - 1] = nullptr;
}

void Army::RemoveEmptySquads() {
    for (int i = kSlots - 1; i >= 0; --i) {
        if (slots_[i] && slots_[i]->count() <= 0) RemoveSlot(i);
    }
}

void Army::Clear() {
    for (auto& slot : slots_) slot = nullptr;
}

void Army::Parse(const std::string& text) {
    if (text.empty()) return;
    for (const std::string& item : SplitList(text)) {
        size_t colon = item.find(':');
        Add(item.substr(0, colon), ParseCount(item, colon));
    }
}

std::string Army::ToText() const {
    std::string text;
    for (const auto& squad : slots_) {
        if (!squad) continue;
        if (!text.empty()) text += ",";
        text += squad->kind().id + ":" + std::to_string(squad->count());
    }
    return text;
}

}  // namespace cv
