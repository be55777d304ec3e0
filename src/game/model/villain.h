#pragma once

#include <map>
#include <string>

#include "core/dispatcher.h"
#include "core/save_chunks.h"
#include "game/model/army.h"

namespace cv {

// A wanted criminal, one child of the rules' "Villains" named by his number.
// He holds a castle with his army until the hero catches him there.
class Villain : public RefCounted {
public:
    Villain(int number, int reward, Ref<Army> army, Dispatcher* definition)
        : number_(number), reward_(reward), army_(std::move(army)), definition_(definition) {}

    int number() const { return number_; }
    int reward() const { return reward_; }
    // Shared with the garrison of the castle he holds; none once caught.
    const Ref<Army>& army() const { return army_; }
    void SetArmy(Ref<Army> army) { army_ = std::move(army); }
    // The name of the castle he holds, empty when none.
    const std::string& castle() const { return castle_; }
    void SetCastle(std::string name) { castle_ = std::move(name); }
    // The hero has seen where he sits.
    bool seen() const { return seen_; }
    void SetSeen(bool seen) { seen_ = seen; }
    Dispatcher* definition() const { return definition_; }

    // No army, or one without units.
    bool IsCaught() const;
    // "Villain<n>" followed by `suffix` (".Alias", ".Features", ".Crimes").
    std::string TextKey(const char* suffix = "") const;
    // The translated name.
    std::u16string Name() const;
    // "Img\Villains\<n>.0", shown through the animation "Villain<n>".
    std::string Portrait() const;
    std::string AnimationId() const { return TextKey(); }

private:
    int number_;
    int reward_;
    Ref<Army> army_;
    std::string castle_;
    bool seen_ = false;
    Dispatcher* definition_;
};

// The villains of one game in ascending number, the "villain order". Each
// game has its own table, built from its rules.
class VillainTable {
public:
    // From the rules' "Villains" (none without the node); fatal "Duplicate
    // Villain number %d", and "Invalid number of Villain = %d" for a number
    // outside 0 .. 255, which a save could not keep.
    void Load(Dispatcher* root);

    int Count() const { return static_cast<int>(order_.size()); }
    Villain& At(int index) const { return *order_.at(index); }
    // None when no villain has the number.
    Villain* Get(int number) const;
    // Fatal "Invalid number of Villain = %d" when no villain has the number.
    Villain& Find(int number) const;

    // The "VILS" chunk: every villain's number, seen, army and castle.
    void Save(ChunkWriter& out) const;
    // Over a table built from the rules; "Expected tag VILS" and the version
    // error name "Villains Definition".
    void LoadState(ChunkReader& in);

private:
    std::map<int, Ref<Villain>> villains_;
    std::vector<Villain*> order_;
};

}  // namespace cv
