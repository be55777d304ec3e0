#include "screens/tactics_menu.h"

#include "core/language.h"
#include "gui/form_reader.h"
#include "gui/gui_keys.h"
#include "gui/gui_message.h"
#include "screens/army_view_dialog.h"
#include "screens/battle_screen.h"
#include "screens/hero_status_dialog.h"

namespace cv {
namespace {

constexpr std::pair<const char*, const char*> kCaptions[] = {
    {"Army", "Army"}, {"Info", "Info"}, {"GiveUp", "Give Up"}, {"Cancel", "Cancel"}};

}  // namespace

void TacticsMenuDialog::onLoaded() {
    setTitle(GetText("Battle Menu"));
    for (const auto& [widget, caption] : kCaptions) setChildText(widget, GetText(caption), "CC");
}

bool TacticsMenuDialog::onMessage(const Message& message) {
    if (message.name != "Button") return ScreenDialog::onMessage(message);
    Ref<TacticsMenuDialog> keep(this);
    close();
    if (message.text == "GiveUp") battle_.battle().GiveUp();
    if (message.text == "Army") ShowArmyView(battle_, battle_.hero(), false);
    if (message.text == "Info") ShowHeroStatus(battle_, battle_.hero());
    return true;
}

bool TacticsMenuDialog::onKey(int key, bool down) {
    if (down && isGuiKey(kRoleEsc, key)) {
        Ref<TacticsMenuDialog> keep(this);
        close();
        return true;
    }
    return ScreenDialog::onKey(key, down);
}

void ShowTacticsMenu(BattleForm& battle) {
    Ref<TacticsMenuDialog> menu = MakeRef<TacticsMenuDialog>(battle);
    loadForm(*menu, "TacticsMenu");
    battle.pushDialog(menu);
}

}  // namespace cv
