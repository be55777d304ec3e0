#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/dispatcher.h"
#include "gui/form.h"

namespace cv {

// The screen shown while a random map set is made, form "MapGen": "Text"
// says so. The first refresh draws it, the next step makes the set in the
// folder "CVMRG" of the player's data folder; 3000 ms later (counted on timer ticks,
// so the window stays alive) `then` runs with the packaged rules and the set
// merged into them.
class RandomMapsForm : public Form {
public:
    static constexpr uint32_t kPauseMs = 3000;
    using Then = std::function<void(Ref<Dispatcher> rules)>;

    explicit RandomMapsForm(Then then) : then_(std::move(then)) {}

    void onLoaded() override;
    void Update() override;
    void Tick() override;

    bool generated() const { return generated_; }
    // False when the generator could not write the set: the rules stay as they were.
    bool succeeded() const { return succeeded_; }

private:
    Then then_;
    bool generated_ = false;
    bool succeeded_ = false;
    bool finished_ = false;
    uint32_t generatedAt_ = 0;
};

// The set's folder, PlayerDataDir() + "CVMRG/": an installed game cannot
// write beside its data.
std::string RandomMapSetFolder();
// Makes the set now: the folder is created when missing and the generator
// writes into it; false when it could not.
bool WriteRandomMapSet();
// Adds the folder to the default resource group and, when it holds
// "map.ini", parses it into `rules`, replacing the definitions of the same
// names.
void MergeRandomMapSet(Dispatcher& rules);
// Takes the folder out of the resources again and deletes its "map.ini", so
// that the next game starts from the packaged maps.
void DropRandomMapSet();

// Shows the generation screen; `then` runs once the set is part of the rules
// it is given (the packaged rules alone when the set could not be made).
void ShowRandomMapGeneration(RandomMapsForm::Then then);

}  // namespace cv
