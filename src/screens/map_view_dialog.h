#pragma once

#include <string>
#include <vector>

#include "game/world/running_game.h"
#include "screens/answered_dialog.h"
#include "screens/continent_map_widget.h"

namespace cv {

// The map of the continents, form "ScrMap": the continent in "Map" (a
// ContinentMap), its name in "Title", and in "Status" the cursor's cell with
// what stands there, named only where the hero has looked or while the whole
// map is shown. It opens on the hero's continent with the cursor on him.
// "ShowMap" and "HideMap" switch between the explored part and the whole
// continent, each only for a continent whose complete map the hero holds and
// only in the state it changes; "Prev" and "Next" walk round the continents
// he can reach; "Travel" sails to the continent shown (boats only);
// "Cancel" or Esc close it. The direction keys move the cursor; the message
// "Update" shows everything anew.
class MapViewDialog : public AnsweredDialog {
public:
    MapViewDialog(Ref<RunningGame> game, AnswerHandler then)
        : AnsweredDialog(std::move(then)), game_(std::move(game)) {}

    Ref<GuiElement> createWidget(const std::string& type) override;
    void onLoaded() override;
    bool onMessage(const Message& message) override;
    bool onKey(int key, bool down) override;

    int shownContinent() const { return continent_; }
    bool wholeMapShown() const { return whole_; }

protected:
    std::string escAnswer() const override { return "Cancel"; }

private:
    ContinentMapWidget* map() const;
    // The continents Prev and Next walk: those the hero knows and his own.
    std::vector<int> reachable() const;
    void showContinent(int index);
    void refreshView();
    void showStatus();
    void stepContinent(int step);
    void travel();

    Ref<RunningGame> game_;
    int continent_ = 0;
    bool whole_ = false;
};

// The map view of the game in play, for the adventure screen's "Map".
Ref<Form> MapViewScreen(RunningGame& game, AnswerHandler then);

// "X=%d, Y=%d %s" in the current language, filled in order.
std::u16string CursorStatusText(Cell cell, const std::u16string& name);

}  // namespace cv
