#include "screens/tactics_menu.h"

#include "core/language.h"
#include "gui/form_reader.h"
#include "gui/gui_keys.h"
#include "gui/gui_message.h"
#include "screens/battle_screen.h"

namespace cv {
namespace {

constexpr std::pair<const char*, const char*> kCaptions[] = {{"GiveUp", "Give Up"},
                                                             {"Cancel", "Cancel"}};

}  // namespace

void TacticsMenuDialog::onLoaded() {
    setTitle(GetText("Battle Menu"));
    for (const auto& [widget, caption] : kCaptions) {
        sendToChild(*this, widget, Message{"SetJustify", "CC", 0, nullptr});
        setChildText(widget, GetText(caption));
    }
}

bool TacticsMenuDialog::onMessage(const Message& message) {
    if (message.name != "Button") return ScreenDialog::onMessage(message);
    Ref<TacticsMenuDialog> keep(this);
    close();
    if (message.text == "GiveUp") battle_.battle().GiveUp();
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
