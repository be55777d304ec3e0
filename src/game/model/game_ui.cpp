#include "game/model/game_ui.h"

#include "core/fatal_error.h"

namespace cv {
namespace {
GameUi*& Slot() {
    static GameUi* ui = nullptr;
    return ui;
}
}  // namespace

GameUi& Ui() {
    if (!Slot()) FatalError("Game screens are not attached");
    return *Slot();
}

void SetUi(GameUi* ui) {
    Slot() = ui;
}

}  // namespace cv
