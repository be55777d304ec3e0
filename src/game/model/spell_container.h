#pragma once

#include <functional>
#include <map>
#include <string>

#include "core/save_chunks.h"

namespace cv {

struct SpellKind;

// How many of each spell the hero owns, by spell id.
class SpellContainer {
public:
    void Add(const std::string& id, int n);
    // Lowers the count by at most what is there.
    void Remove(const std::string& id, int n);
    int Count(const std::string& id) const;
    int Total() const { return total_; }
    // Answers whether the kind's spell took effect.
    using Caster = std::function<bool(const SpellKind&)>;
    // Casts one owned spell; it is used up only when `caster` reports that it
    // took effect. A spell not owned does nothing.
    bool Cast(const std::string& id, const Caster& caster);
    void Clear();
    const std::map<std::string, int>& entries() const { return counts_; }

    // The "SPLS" chunk.
    void Save(ChunkWriter& out) const;
    void Load(ChunkReader& in);

private:
    std::map<std::string, int> counts_;
    int total_ = 0;
};

}  // namespace cv
