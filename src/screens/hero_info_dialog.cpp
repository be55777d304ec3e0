#include "screens/hero_info_dialog.h"

#include "core/language.h"
#include "game/model/game_text.h"
#include "gui/form_reader.h"
#include "gui/gui_message.h"
#include "screens/new_game.h"

namespace cv {
void HeroInfoDialog::onLoaded() {
    const NewGameChoices& choices = TheNewGameChoices();
    Ref<Hero> hero = MakeRef<Hero>();
    hero->Create(choices.heroClass, choices.heroName, choices.sex, choices.difficulty);
    setTitle(GetText(choices.heroClass));
    setChildText("OK", GetText("OK"));
    sendToChild(*this, "Hero",
                Message{"SetImage", "Img\\Heroes\\" + choices.heroClass, 0, nullptr});
    const std::pair<const char*, std::u16string> fields[kFields] = {
        {"Rank", GetText(hero->title())},
        {"Gold", GroupedNumber(hero->gold())},
        {"Leadership", GroupedNumber(hero->leadership())},
        {"Commission", GroupedNumber(hero->commission())},
        {"Spell Power", GroupedNumber(hero->spellPower())}};
    for (int i = 0; i < kFields; ++i) {
        setChildText(Numbered("SField", i), GetText(fields[i].first));
        setChildText(Numbered("Field", i), fields[i].second, "RC");
    }
    showArmy(hero->army());
}

void HeroInfoDialog::showArmy(const Army& army) {
    for (int slot = 0; slot < Army::kSlots; ++slot) {
        const Ref<Squad> squad = army.At(slot);
        setChildText(Numbered("Army", slot), squad ? GetText(squad->kind().id) : u"");
        setChildText(Numbered("NArmy", slot), squad ? GroupedNumber(squad->count()) : u"", "RC");
    }
}

bool HeroInfoDialog::onMessage(const Message& message) {
    if (message.name != "Button") return ScreenDialog::onMessage(message);
    close();
    return true;
}

void ShowHeroInfo(DialogHost& host) {
    Ref<HeroInfoDialog> dialog = MakeRef<HeroInfoDialog>();
    loadForm(*dialog, "HeroInfo");
    host.pushDialog(dialog);
}

}  // namespace cv
