#pragma once

#include <string>

#include "game/world/running_game.h"
#include "game/world/town.h"
#include "screens/answered_dialog.h"

namespace cv {

// A town's services, form "Town": its name "Town" over its picture, where a
// unit of the realm "Unit" stands; the services "Item1" (a contract),
// "Item2" (a boat rented or given back), "Item3" (news of the town's
// castle), "Item4" (the town's spell) and "Item5" (siege weapons) under
// their picture "Weapons"; the gold "GP" beside the coins "GoldInfo". Every
// service that cannot be had now is disabled, and all of them are shown
// anew after each one. "Header" or Esc leaves, answering "Header".
class TownDialog : public AnsweredDialog {
public:
    TownDialog(Ref<Town> town, Ref<RunningGame> game, AnswerHandler then)
        : AnsweredDialog(std::move(then)), town_(std::move(town)), game_(std::move(game)) {}

    void onLoaded() override;
    bool onMessage(const Message& message) override;

protected:
    std::string escAnswer() const override { return "Header"; }

private:
    void showUnit();
    void showServices();
    void showBoat();
    void showSpell();
    void showSiegeWeapons();
    void showItem(const char* item, const std::u16string& text, bool enabled);
    void serve(const std::string& item);

    Ref<Town> town_;
    Ref<RunningGame> game_;
};

// The town's form for the rules' "Town", about a town.
Ref<Form> TownScreen(RunningGame& game, Ref<RefCounted> town, AnswerHandler then);

}  // namespace cv
