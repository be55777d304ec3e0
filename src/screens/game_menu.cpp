#include "screens/game_menu.h"

#include "app/app_core.h"
#include "core/language.h"
#include "core/save_game.h"
#include "game/model/game_ui.h"
#include "gui/form_reader.h"
#include "gui/gui_message.h"
#include "screens/adventure_screen.h"
#include "screens/game_session.h"
#include "screens/language_dialog.h"
#include "screens/load_game_dialog.h"

namespace cv {
namespace {

constexpr std::pair<const char*, const char*> kCaptions[] = {
    {"Title", "Game Menu"},     {"NewContinent", "New Continent"},
    {"WeekEnd", "End Of Week"}, {"PuzzleMap", "Puzzle Solve"},
    {"Search", "Search Area"},  {"Language", "- Language -"},
    {"Save", "Save Game"},      {"Load", "Load Game"},
    {"Quit", "Quit"},           {"Cancel", "Cancel"}};

void SaveAndTell(GameSession& session) {
    session.Save();
    Ui().ShowMessage({GetText("Game saved"), {}, "OK", {}, {}}, {});
}

void AskToQuit() {
    Ui().ShowMessage({GetText("Are you sure to quit game?"), {}, "Yes,No", {}, {}},
                     [](const std::string& answer) {
                         if (answer == "Yes" && TheAppCore()) TheAppCore()->Quit();
                     });
}

void ShowLanguageOverGame() {
    Ref<LanguageDialog> dialog = MakeRef<LanguageDialog>();
    loadForm(*dialog, "LangSel");
    AdventureScreen().pushDialog(dialog);
}

}  // namespace

void GameMenuDialog::onLoaded() {
    for (const auto& [widget, caption] : kCaptions) {
        sendToChild(*this, widget, Message{"SetJustify", "CC", 0, nullptr});
        setChildText(widget, GetText(caption));
    }
    const RunningGame* game = CurrentGame();
    const bool sailing = game && game->hero().travelMode() == TravelMode::kSail;
    if (GuiElement* newContinent = findChild("NewContinent")) newContinent->setEnabled(sailing);
}

// The puzzle shows over the menu, which stays open below it.
bool GameMenuDialog::onMessage(const Message& message) {
    if (message.name != "Button") return ScreenDialog::onMessage(message);
    const std::string& button = message.text;
    if (button == "Quit") {
        AskToQuit();
        return true;
    }
    if (button == "PuzzleMap") {
        Ui().OpenScreen("Puzzle", {});
        return true;
    }
    Ref<GameMenuDialog> keep(this);
    close();
    if (button == "Load") ShowLoadGame(AdventureScreen());
    Ref<GameSession> session(CurrentSession());
    if (!session) return true;
    RunningGame& game = session->game();
    if (button == "WeekEnd") game.time().EndWeekNow();
    if (button == "Search") game.time().OfferSearch();
    if (button == "Language") ShowLanguageOverGame();
    if (button == "Save") SaveAndTell(*session);
    if (button == "NewContinent" && game.hero().travelMode() == TravelMode::kSail) {
        Ui().OpenScreen("SelectContinent", {});
    }
    return true;
}

}  // namespace cv
