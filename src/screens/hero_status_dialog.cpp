#include "screens/hero_status_dialog.h"

#include "core/dispatcher_access.h"
#include "core/language.h"
#include "game/model/game_text.h"
#include "gui/form_reader.h"
#include "gui/gui_keys.h"
#include "gui/gui_message.h"

namespace cv {

void HeroStatusDialog::onLoaded() {
    const Hero& hero = *hero_;
    setChildText("Header", GetText("Click to return into game"), "CC");
    setChildText("Title", GetText(hero.title()), "CC");
    sendToChild(*this, "Hero", Message{"SetImage", "Img\\Heroes\\" + hero.classId(), 0, nullptr});
    const std::pair<const char*, std::u16string> rows[kRows] = {
        {"Name", hero.NameWithTitle()},
        {"Leadership", GroupedNumber(hero.EffectiveLeadership())},
        {"Commission", GroupedNumber(hero.WeeklyCommission())},
        {"Gold", GroupedNumber(hero.gold())},
        {"Spell power", GroupedNumber(hero.spellPower())},
        {"Max spells", GroupedNumber(hero.maxSpells())},
        {"Villains caught", GroupedNumber(static_cast<int>(hero.villainsCaught().size()))},
        {"Artifacts found", GroupedNumber(static_cast<int>(hero.artifacts().size()))},
        {"Castles garrisoned", GroupedNumber(hero.castlesGarrisoned())},
        {"Followers killed", GroupedNumber(hero.followersKilled())},
        {"Current score", GroupedNumber(hero.Score())}};
    for (int i = 0; i < kRows; ++i) {
        setChildText(Numbered("SField", i), GetText(rows[i].first), "LC");
        setChildText(Numbered("Field", i), rows[i].second, "RC");
    }
    showArtifacts();
}

// One slot per artifact of the rules, by id; an empty slot shows
// the empty picture of its kind, the first letter of the artifact's id.
void HeroStatusDialog::showArtifacts() {
    int slot = 0;
    if (Dispatcher* artifacts = FindNode(Root(), "Artifacts")) {
        for (const auto& [id, item] : artifacts->children()) {
            if (slot == kSlots) break;
            const std::string picture = hero_->OwnsArtifact(id) ? id : "empty" + id.substr(0, 1);
            sendToChild(*this, Numbered("Slot", slot++),
                        Message{"SetImage", "Img\\Inv\\" + picture, 0, nullptr});
        }
    }
    for (; slot < kSlots; ++slot) {
        if (GuiElement* unused = findChild(Numbered("Slot", slot))) unused->setVisible(false);
    }
}

bool HeroStatusDialog::onMessage(const Message& message) {
    if (message.name != "Button") return ScreenDialog::onMessage(message);
    close();
    return true;
}

bool HeroStatusDialog::onKey(int key, bool down) {
    if (down && isGuiKey(kRoleEsc, key)) {
        close();
        return true;
    }
    return ScreenDialog::onKey(key, down);
}

void ShowHeroStatus(DialogHost& host, Ref<Hero> hero) {
    Ref<HeroStatusDialog> dialog = MakeRef<HeroStatusDialog>(std::move(hero));
    loadForm(*dialog, "HeroStatus");
    host.pushDialog(dialog);
}

}  // namespace cv
