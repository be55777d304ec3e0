#include "screens/town_dialog.h"

#include "core/language.h"
#include "game/model/game_random.h"
#include "game/model/game_text.h"
#include "game/model/spell_system.h"
#include "game/model/unit_tables.h"
#include "game/world/town_services.h"
#include "gui/gui_message.h"
#include "platform/utf.h"
#include "screens/screen_subject.h"

namespace cv {
namespace {

constexpr uint32_t kTownNameColour = 0xFFC0FFFF;
// The first units of the table are the realm's own; the town shows the others.
constexpr int kUnitsNeverShown = 5;

std::u16string WithNumber(const char* templ, int n) {
    std::u16string text = GetText(templ);
    ReplacePlaceholder(text, u"<N>", GroupedNumber(n));
    return text;
}

std::u16string Decimal(int n) {
    return Utf8ToUtf16(std::to_string(n));
}

}  // namespace

void TownDialog::onLoaded() {
    setChildText("Town", town_->Caption(), "CC");
    if (GuiElement* name = findChild("Town")) name->setColor(kColorNorm, kTownNameColour);
    setChildText("Header", GetText("Click to return into game"), "CC");
    setChildText("Item1", GetText("Get New Contract"), "CC");
    setChildText("Item3", GetText("Gather Information"), "CC");
    sendToChild(*this, "Weapons", Message{"SetImage", "Img\\UI\\Weapon1", 0, nullptr});
    sendToChild(*this, "GoldInfo", Message{"SetAnimationID", "TmpGold", 0, nullptr});
    showUnit();
    showServices();
}

// Drawn once, so that the same unit stands there until the town is left.
void TownDialog::showUnit() {
    const int units = Units().UnitCount();
    if (units <= kUnitsNeverShown) return;
    const SquadDef& unit = *Units().UnitAt(kUnitsNeverShown + RandN(units - kUnitsNeverShown));
    sendToChild(*this, "Unit", Message{"SetAnimationID", unit.AnimationName(), 0, nullptr});
}

void TownDialog::showServices() {
    showBoat();
    showSpell();
    showSiegeWeapons();
    setChildText("GP", WithNumber("GP=<N>", game_->hero().gold()), "RC");
}

void TownDialog::showItem(const char* item, const std::u16string& text, bool enabled) {
    setChildText(item, text, "CC");
    if (GuiElement* button = findChild(item)) button->setEnabled(enabled);
}

// He cannot give the boat back from on board.
void TownDialog::showBoat() {
    const Hero& hero = game_->hero();
    if (game_->rentedBoat()) {
        showItem("Item2", GetText("Cancel boat rental"), hero.travelMode() != TravelMode::kSail);
    } else {
        showItem("Item2", WithNumber("Rent boat (<N> week)", hero.boatRent()), true);
    }
}

void TownDialog::showSpell() {
    const SpellKind& spell = Spells().SpellById(town_->spell());
    const int buyable = game_->hero().SpellBuyable(town_->spell());
    std::u16string text = GetText(spell.id) + u" (" + Decimal(spell.cost) + u")";
    if (buyable > 0) text += u": " + Decimal(buyable);
    showItem("Item4", text, buyable > 0);
}

void TownDialog::showSiegeWeapons() {
    const Hero& hero = game_->hero();
    if (hero.hasSiegeWeapons()) {
        showItem("Item5", u"", false);
        return;
    }
    const int cost = SiegeWeaponsCost();
    showItem("Item5", WithNumber("Buy siege weapons (<N>)", cost), cost <= hero.gold());
}

// The services check again whether they can be had; what they have to say
// shows over this form, which already shows what they changed.
void TownDialog::serve(const std::string& item) {
    RunningGame& game = *game_;
    if (item == "Item1") {
        Ref<TownDialog> keep(this);
        Ui().OpenScreen("SelectContract", [keep](const std::string&) { keep->showServices(); });
        return;
    }
    if (item == "Item2") {
        if (game.rentedBoat()) {
            ReturnBoat(game);
        } else {
            RentBoat(game, *town_);
        }
    } else if (item == "Item3") {
        GatherInformation(game, *town_);
    } else if (item == "Item4") {
        BuyTownSpell(game, *town_);
    } else if (item == "Item5") {
        BuySiegeWeapons(game);
    }
    showServices();
}

bool TownDialog::onMessage(const Message& message) {
    if (message.name != "Button") return AnsweredDialog::onMessage(message);
    if (message.text == "Header") {
        answer("Header");
    } else if (message.text.rfind("Item", 0) == 0) {
        serve(message.text);
    } else {
        return AnsweredDialog::onMessage(message);
    }
    return true;
}

Ref<Form> TownScreen(RunningGame& game, Ref<RefCounted> town, AnswerHandler then) {
    return MakeRef<TownDialog>(SubjectOf<Town>(town, "Town"), Ref<RunningGame>(&game),
                               std::move(then));
}

}  // namespace cv
