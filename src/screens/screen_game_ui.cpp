#include "screens/screen_game_ui.h"

#include <vector>

#include "app/app_core.h"
#include "audio/audio_backend.h"
#include "core/fatal_error.h"
#include "core/language.h"
#include "game/combat/combat_sys.h"
#include "game/combat/siege_battle.h"
#include "game/world/bridge_spell.h"
#include "gui/form_reader.h"
#include "gui/gui_message.h"
#include "screens/adventure_screen.h"
#include "screens/autosave.h"
#include "screens/bridge_building_dialog.h"
#include "screens/castle_main_dialog.h"
#include "screens/castle_of_king_dialog.h"
#include "screens/contract_dialogs.h"
#include "screens/ending_dialog.h"
#include "screens/game_session.h"
#include "screens/map_view_dialog.h"
#include "screens/message_box_dialog.h"
#include "screens/puzzle_dialog.h"
#include "screens/select_continent_dialog.h"
#include "screens/sign_dialog.h"
#include "screens/spell_list_dialog.h"
#include "screens/teach_spell_dialog.h"
#include "screens/town_dialog.h"
#include "screens/towns_list_dialog.h"
#include "screens/warriors_dialog.h"
#include "screens/week_report_dialog.h"

namespace cv {
namespace {

void Show(Ref<Form> dialog, const std::string& formName) {
    loadForm(*dialog, formName);
    AdventureScreen().front().pushDialog(std::move(dialog));
}

Ref<Form> WeekReport(RunningGame& game, AnswerHandler then) {
    return MakeRef<WeekReportDialog>(game.time().lastBudget(), AutosaveAfter(std::move(then)));
}

Ref<Form> CombatSpells(RunningGame& game, AnswerHandler then) {
    return MakeRef<SpellListDialog>(GetText("Combat Spells"), "CItem",
                                    CombatSpellItems(game.hero().spells()), std::move(then));
}

// The combat counts show over the list, which stays open to choose from.
Ref<Form> AdventureSpells(RunningGame& game, AnswerHandler then) {
    SpellListDialog::Section combat{
        "CHeader", GetText("Combat Spells"),
        [keep = Ref<RunningGame>(&game)] { ShowCombatSpellCounts(keep->hero().spells()); }};
    return MakeRef<SpellListDialog>(GetText("Adventure Spells"), "Item",
                                    AdventureSpellItems(game.hero().spells()), std::move(then),
                                    std::move(combat));
}

Ref<Form> BridgeBuilding(RunningGame& game, AnswerHandler then) {
    std::vector<std::string> open;
    for (const BridgeDirection& direction : kBridgeDirections) {
        if (BridgeDirectionOpen(game, direction)) open.push_back(direction.button);
    }
    return MakeRef<BridgeBuildingDialog>(std::move(open), std::move(then));
}

struct GameScreen {
    const char* name;
    Ref<Form> (*make)(RunningGame&, AnswerHandler);
    const char* form = nullptr;  // where it differs from the name
};

constexpr GameScreen kGameScreens[] = {
    {"WeekReport", WeekReport},
    {"CombatSpells", CombatSpells},
    {"AdventureSpells", AdventureSpells},
    {"BridgeBuilding", BridgeBuilding},
    {"Puzzle", PuzzleScreen},
    {"Winner", WinnerScreen},
    {"Fail", FailScreen},
    {"SelectContract", SelectContractScreen},
    {"ContractInfo", ContractInfoScreen},
    {"CastleGate", CastleGateScreen, "TownsList"},
    {"TownGate", TownGateScreen, "TownsList"},
    {"SelectContinent", SelectContinentScreen},
    {"ScrMap", MapViewScreen},
    {"TownsList", TownsListScreen},
    {"CastlesList", CastlesListScreen, "TownsList"},
};

// The forms about one thing of the map, each made for its subject.
struct SubjectScreen {
    const char* name;
    Ref<Form> (*make)(RunningGame&, Ref<RefCounted> subject, AnswerHandler);
};

const std::vector<SubjectScreen>& SubjectScreens() {
    static const std::vector<SubjectScreen> screens = {
        {"CastleOfKing", CastleOfKingScreen}, {"Warriors", WarriorsScreen},
        {"TeachSpell", TeachSpellScreen},     {"Sign", SignScreen},
        {"CastleMain", CastleMainScreen},     {"Town", TownScreen},
    };
    return screens;
}

}  // namespace

void ScreenGameUi::ShowMessage(const GameMessage& message, AnswerHandler then) {
    Show(MakeRef<MessageBoxDialog>(message, std::move(then)), "MsgBox");
}

void ScreenGameUi::OpenScreen(const std::string& name, AnswerHandler then) {
    RunningGame* game = CurrentGame();
    for (const GameScreen& screen : kGameScreens) {
        if (name == screen.name && game) {
            Show(screen.make(*game, std::move(then)), screen.form ? screen.form : name);
            return;
        }
    }
    FatalError("No screen %s", name.c_str());
}

void ScreenGameUi::OpenScreenFor(const std::string& name, Ref<RefCounted> subject,
                                 AnswerHandler then) {
    RunningGame* game = CurrentGame();
    for (const SubjectScreen& screen : SubjectScreens()) {
        if (name == screen.name && game) {
            Show(screen.make(*game, std::move(subject), std::move(then)), name);
            return;
        }
    }
    FatalError("No screen %s", name.c_str());
}

void ScreenGameUi::StartBattle(Ref<Army> enemy, std::function<void(BattleOutcome)> then) {
    AdventureScreen().startBattle(std::move(enemy), std::move(then));
}

void ScreenGameUi::StartSiege(Ref<Army> garrison,
                              std::function<std::u16string(std::u16string)> victoryText,
                              std::function<void(BattleOutcome)> then) {
    auto siege = [victoryText = std::move(victoryText)](RunningGame& game, Ref<Army> enemy,
                                                        BattleView& view,
                                                        Battle::OutcomeHandler onEnd) {
        return std::make_unique<SiegeBattle>(game.hero(), std::move(enemy),
                                             game.time().unitOfWeek(), CombatParams(), view,
                                             std::move(onEnd), victoryText);
    };
    AdventureScreen().startBattle(std::move(garrison), std::move(then), siege);
}

// The dialog on top, or the screen in front when none covers it.
void ScreenGameUi::NotifyActiveForm(const std::string& message) {
    DialogHost& front = AdventureScreen().front();
    Form* top = front.dialog();
    sendMessage(nullptr, top ? top : &front, Message{message, "", 0, nullptr});
}

void ScreenGameUi::PlaySound(SoundEvent event) {
    Audio().Play(event);
}

bool ScreenGameUi::AdventureIsCurrent() const {
    AdventureForm& adventure = AdventureScreen();
    return TheAppCore() && TheAppCore()->screen() == &adventure && !adventure.dialog();
}

ScreenGameUi& TheScreenGameUi() {
    static ScreenGameUi ui;
    return ui;
}

}  // namespace cv
