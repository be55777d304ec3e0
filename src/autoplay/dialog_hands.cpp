#include "autoplay/dialog_hands.h"

#include <algorithm>

#include "autoplay/recruiting.h"
#include "game/model/spell_lists.h"
#include "gui/num_field.h"
#include "screens/army_view_dialog.h"
#include "screens/castle_main_dialog.h"
#include "screens/castle_of_king_dialog.h"
#include "screens/castle_recruit_dialog.h"
#include "screens/contract_dialogs.h"
#include "screens/ending_dialog.h"
#include "screens/game_menu.h"
#include "screens/king_audience_dialog.h"
#include "screens/message_box_dialog.h"
#include "screens/select_continent_dialog.h"
#include "screens/sign_dialog.h"
#include "screens/spell_list_dialog.h"
#include "screens/tactics_menu.h"
#include "screens/teach_spell_dialog.h"
#include "screens/town_dialog.h"
#include "screens/warriors_dialog.h"
#include "screens/week_report_dialog.h"

namespace cv::autoplay {
namespace {

template <class Type>
bool Is(const Form& form) {
    return dynamic_cast<const Type*>(&form) != nullptr;
}

template <class Type>
Type* Approached(AutoPlayer& player) {
    return dynamic_cast<Type*>(const_cast<MapObj*>(player.memory().approaching));
}

// The buttons of a town's services, by errand.
const char* ItemOf(TownErrand errand) {
    switch (errand) {
        case TownErrand::kNews:
            return "Item3";
        case TownErrand::kContract:
            return "Item1";
        case TownErrand::kSiegeWeapons:
            return "Item5";
        case TownErrand::kSpell:
            return "Item4";
        case TownErrand::kReturnBoat:
        case TownErrand::kRentBoat:
            return "Item2";
        case TownErrand::kLeave:
            break;
    }
    return "Header";
}

}  // namespace

void DialogHands::Handle(Form& dialog) {
    if (Message(dialog) || Town(dialog) || Contract(dialog) || Warriors(dialog) ||
        KingsCastle(dialog) || KingsRecruiting(dialog) || Menus(dialog) || Closing(dialog)) {
        return;
    }
    fingers_.Key("Esc");
}

bool DialogHands::Message(Form& dialog) {
    auto* box = dynamic_cast<MessageBoxDialog*>(&dialog);
    if (!box) return false;
    GameMessage message;
    if (GuiElement* text = box->findChild("Text")) message.text = text->text();
    for (const std::string& button : box->buttons()) {
        message.buttons += (message.buttons.empty() ? "" : ",") + button;
    }
    const std::string answer = player_.Answer(message);
    const auto& buttons = box->buttons();
    const auto at = std::find(buttons.begin(), buttons.end(), answer);
    fingers_.Tap(dialog, MessageButtonName(at == buttons.end() ? 0 : at - buttons.begin()));
    return true;
}

// One errand a call; what a rent came to is noted when the town shows again.
bool DialogHands::Town(Form& dialog) {
    if (!Is<TownDialog>(dialog)) return false;
    const cv::Town* town = Approached<cv::Town>(player_);
    State& state = StateOf(dialog);
    if (!town) {
        fingers_.Tap(dialog, "Header");
        return true;
    }
    if (state.rentTried) {
        NoteRenting(game_, player_.memory(), *town, state.rentAffordable);
        state.rentTried = false;
    }
    const TownErrand errand = NextTownErrand(game_, player_.memory(), *town, state.errandsDone);
    state.errandsDone.insert(errand);
    if (errand == TownErrand::kRentBoat) {
        state.rentTried = true;
        state.rentAffordable = game_.hero().gold() >= game_.hero().boatRent();
    }
    fingers_.Tap(dialog, ItemOf(errand));
    return true;
}

// "Next" round the candidates to the one chosen, then "OK".
bool DialogHands::Contract(Form& dialog) {
    if (Is<ContractInfoDialog>(dialog)) {
        fingers_.Tap(dialog, "Cancel");
        return true;
    }
    auto* choice = dynamic_cast<SelectContractDialog*>(&dialog);
    if (!choice) return false;
    const int wanted = ChooseContract(game_);
    const Villain* shown = choice->shown();
    State& state = StateOf(dialog);
    if (!shown || wanted < 0) {
        fingers_.Tap(dialog, "Cancel");
    } else if (shown->number() == wanted || ++state.stage > 5) {
        fingers_.Tap(dialog, "OK");
    } else {
        fingers_.Tap(dialog, "Next");
    }
    return true;
}

bool DialogHands::CountTo(Form& dialog, const std::string& field, int count) {
    auto* numbers = dynamic_cast<NumField*>(dialog.findChild(field));
    if (!numbers || numbers->value() == count) return false;
    fingers_.Tap(*numbers, numbers->value() < count ? "Right" : "Left");
    return true;
}

bool DialogHands::Warriors(Form& dialog) {
    if (!Is<WarriorsDialog>(dialog)) return false;
    State& state = StateOf(dialog);
    if (state.counts.empty()) {
        const Dwelling* dwelling = Approached<Dwelling>(player_);
        state.counts = {dwelling ? RecruitsChosen(game_, player_.memory(), *dwelling) : 0};
    }
    if (!CountTo(dialog, "Count", state.counts.front())) fingers_.Tap(dialog, "Header");
    return true;
}

// The audience first, then the recruiting, then out.
bool DialogHands::KingsCastle(Form& dialog) {
    if (Is<KingAudienceDialog>(dialog)) {
        fingers_.Tap(dialog, "Exit");
        return true;
    }
    if (!Is<CastleOfKingDialog>(dialog)) return false;
    static const char* const kStages[] = {"Audience", "Recruit", "Exit"};
    State& state = StateOf(dialog);
    fingers_.Tap(dialog, kStages[std::min(state.stage++, 2)]);
    return true;
}

// The strongest rows first, each counted up to what was chosen.
bool DialogHands::KingsRecruiting(Form& dialog) {
    if (!Is<CastleRecruitDialog>(dialog)) return false;
    State& state = StateOf(dialog);
    if (state.counts.empty()) {
        const KingRecruitCounts counts = KingRecruits(game_, player_.memory().savingForWeapons);
        state.counts.assign(counts.begin(), counts.end());
    }
    for (int row = kKingRecruitRows - 1; row >= 0; --row) {
        if (CountTo(dialog, "Count" + std::to_string(row), state.counts[row])) return true;
    }
    fingers_.Tap(dialog, "Recruit");
    return true;
}

// The menus the player opened himself, for what he opened them.
bool DialogHands::Menus(Form& dialog) {
    PlayerMemory& memory = player_.memory();
    if (Is<GameMenuDialog>(dialog)) {
        fingers_.Tap(dialog, errand_.menuItem.empty() ? "Cancel" : errand_.menuItem);
        errand_.menuItem.clear();
    } else if (Is<SelectContinentDialog>(dialog)) {
        const int continent = std::exchange(memory.sailTo, -1);
        fingers_.Tap(dialog, continent < 0 ? "Cancel" : "Item" + std::to_string(continent));
    } else if (Is<SpellListDialog>(dialog)) {
        const std::string spell = std::exchange(memory.spellToCast, {});
        std::string line = "Cancel";
        for (const SpellListItem& item : AdventureSpellItems(game_.hero().spells())) {
            if (item.spellId == spell) line = item.widget;
        }
        fingers_.Tap(dialog, line);
    } else if (Is<ArmyViewDialog>(dialog)) {
        const int slot = std::exchange(errand_.dismissSlot, -1);
        fingers_.Tap(dialog, slot < 0 ? "Header" : "Dism" + std::to_string(slot + 1));
    } else if (Is<TacticsMenuDialog>(dialog)) {
        fingers_.Tap(dialog, errand_.givingUp ? "GiveUp" : "Cancel");
    } else {
        return false;
    }
    return true;
}

// Forms that are only read and closed; the ending is noted from the days.
bool DialogHands::Closing(Form& dialog) {
    if (Is<EndingDialog>(dialog)) {
        ending_ = game_.time().daysLeft() < 1 ? Ending::kLost : Ending::kWon;
        fingers_.Tap(dialog, "Exit");
    } else if (Is<WeekReportDialog>(dialog)) {
        fingers_.Tap(dialog, "OK");
    } else if (Is<TeachSpellDialog>(dialog)) {
        const SpellTeacher* teacher = Approached<SpellTeacher>(player_);
        fingers_.Tap(dialog, teacher && BuysSpellCasting(game_, *teacher) ? "OK" : "Cancel");
    } else if (Is<SignDialog>(dialog)) {
        fingers_.Tap(dialog, "Cancel");
    } else if (Is<CastleMainDialog>(dialog)) {
        fingers_.Tap(dialog, "Exit");
    } else {
        return false;
    }
    return true;
}

}  // namespace cv::autoplay
