#include "screens/battle_screen.h"

#include "app/key_codes.h"
#include "audio/audio_backend.h"
#include "core/language.h"
#include "game/combat/combat_sys.h"
#include "gui/form_reader.h"
#include "gui/gui_keys.h"
#include "gui/gui_message.h"
#include "screens/army_view_dialog.h"
#include "screens/command_keys.h"
#include "screens/tactics_menu.h"

namespace cv {
namespace {

constexpr std::pair<const char*, const char*> kCaptions[] = {
    {"Spells", "Spells"}, {"Menu", "Menu"}, {"Shoot", "Shoot"}, {"Fly", "Fly"}, {"Turn", "Turn"}};
// The buttons from the top down, as the keys walk them.
constexpr const char* kButtonColumn[] = {"Spells", "Shoot", "Fly", "Turn", "Menu"};

}  // namespace

BattleForm::BattleForm(Ref<RunningGame> game, Ref<Army> enemy, Then then, MakeBattle make)
    : game_(std::move(game)),
      enemy_(std::move(enemy)),
      then_(std::move(then)),
      make_(std::move(make)) {}

Ref<GuiElement> BattleForm::createWidget(const std::string& type) {
    if (type == "BattleField") return MakeRef<BattleFieldWidget>();
    return DialogHost::createWidget(type);
}

void BattleForm::onLoaded() {
    field_ = dynamic_cast<BattleFieldWidget*>(findChild("BattleField"));
    for (const auto& [widget, caption] : kCaptions) {
        sendToChild(*this, widget, Message{"SetJustify", "CC", 0, nullptr});
        setChildText(widget, GetText(caption));
        if (GuiElement* button = findChild(widget)) button->setTabStop(true);
    }
    sendToChild(*this, "Status", Message{"SetJustify", "LC", 0, nullptr});
    sendToChild(*this, "Message", Message{"SetJustify", "LC", 0, nullptr});
    Battle::OutcomeHandler ended = [this](BattleOutcome outcome) { outcome_ = outcome; };
    battle_ = make_ ? make_(*game_, enemy_, *this, std::move(ended))
                    : std::make_unique<Battle>(game_->hero(), enemy_, game_->time().unitOfWeek(),
                                               CombatParams(), *this, std::move(ended));
    input_ = std::make_unique<BattleInput>(*battle_);
    if (field_) field_->attach(battle_.get());
    setFocusTo(nullptr);
    battle_->Start();
    updateButtons();
}

void BattleForm::Activate(bool active) {
    DialogHost::Activate(active);
    if (active) Audio().SetMood(MusicMood::Battle);
}

void BattleForm::onTimer() {
    Ref<BattleForm> self(this);
    DialogHost::onTimer();
    if (outcome_ && !told_) {
        told_ = true;
        if (then_) then_(*this, *outcome_);
        return;
    }
    if (!dialog()) battle_->Tick();
    updateButtons();
}

bool BattleForm::onMessage(const Message& message) {
    if (message.name != "Button") return DialogHost::onMessage(message);
    const std::string& button = message.text;
    setFocusTo(nullptr);
    if (button == "Menu") {
        ShowTacticsMenu(*this);
    } else if (button == "Spells" && battle_->PlayerMayAct()) {
        input_->OpenSpellList();
    } else if (button == "Shoot" && battle_->PlayerMayAct()) {
        input_->BeginShoot();
        ShowMessageLine(GetText("Select target"));
    } else if (button == "Fly" && battle_->PlayerMayAct()) {
        input_->BeginFly();
        ShowMessageLine(GetText("Select new location"));
    } else if (button == "Turn" && battle_->PlayerMayAct()) {
        input_->Cancel();
        battle_->EndHeroTurn();
    } else {
        return DialogHost::onMessage(message);
    }
    updateButtons();
    return true;
}

// The cursor shows while the stylus stays on the cell it went down on; only
// a release there acts.
bool BattleForm::onOwnPointer(const PointerEvent& event) {
    const std::optional<Cell> over = field_ ? field_->cellAt({event.x, event.y}) : std::nullopt;
    if (event.kind == PointerEvent::Press && event.button == PointerEvent::Left && over) {
        pressed_ = over;
        showCursor(over);
        return true;
    }
    if (!pressed_) return DialogHost::onOwnPointer(event);
    const bool onPressed = over && *over == *pressed_;
    if (event.kind == PointerEvent::Move) showCursor(onPressed ? over : std::nullopt);
    if (event.kind == PointerEvent::Release) {
        const Cell cell = *pressed_;
        pressed_.reset();
        showCursor(std::nullopt);
        if (onPressed) input_->Release(cell);
        updateButtons();
    }
    return true;
}

void BattleForm::showCursor(std::optional<Cell> over) {
    if (!field_) return;
    const BattleCursor cursor = over ? input_->CursorAt(*over) : BattleCursor::kNone;
    field_->setCursor(over.value_or(Cell{}), CursorName(cursor));
}

bool BattleForm::onOwnKey(int key, bool down) {
    if (focusedChild()) {
        if (!down || !isGuiKey(kRoleEsc, key)) return DialogHost::onOwnKey(key, down);
        setFocusTo(nullptr);
        return true;
    }
    if (down && battleKey(key)) {
        updateButtons();
        return true;
    }
    return DialogHost::onOwnKey(key, down);
}

bool BattleForm::battleKey(int key) {
    const int command = CommandOfKey(key);
    if (command < kCentreCommand) {
        input_->Direction(command);
    } else if (command == kCentreCommand) {
        input_->ActionKey();
    } else if (key == kKeyEnter && input_->mode() == BattleInput::Mode::kNone) {
        takeButtons();
    } else if (key == kKeyEnter) {
        input_->Confirm();
    } else if (key == kKeyEsc && input_->mode() != BattleInput::Mode::kNone) {
        input_->Cancel();
    } else if (key == kKeyTab || PageStepOfKey(key) > 0) {
        input_->NextSquad();
    } else if (key == kKeyBackspace || PageStepOfKey(key) < 0) {
        input_->PreviousSquad();
    } else if (key == kKey3 && battle_->PlayerMayAct()) {
        input_->OpenSpellList();
    } else if (key == KeyCodeByName("I")) {
        ShowArmyView(*this, hero(), false);
    } else {
        return false;
    }
    showTargetCursor();
    return true;
}

void BattleForm::takeButtons() {
    for (const char* name : kButtonColumn) {
        GuiElement* button = findChild(name);
        if (button && button->canTakeFocus()) return setFocusTo(button);
    }
}

// The keys' target cursor stays in sight on cells it cannot act on.
void BattleForm::showTargetCursor() {
    if (!field_) return;
    if (input_->mode() == BattleInput::Mode::kNone) {
        field_->setCursor({}, "");
        return;
    }
    const std::string name = CursorName(input_->CursorAt(input_->cursor()));
    field_->setCursor(input_->cursor(), name.empty() ? "selBad" : name);
}

void BattleForm::updateButtons() {
    const bool mayAct = battle_->PlayerMayAct();
    const Ref<Squad>& active = battle_->active();
    const bool mayFly = mayAct && active->kind().Has(kUnitFly) && !battle_->StateOf(*active).flew;
    const std::pair<const char*, bool> states[] = {{"Shoot", mayAct && battle_->CanShoot(*active)},
                                                   {"Fly", mayFly},
                                                   {"Turn", mayAct},
                                                   {"Spells", mayAct}};
    for (const auto& [name, enabled] : states) {
        if (GuiElement* button = findChild(name); button && button->isEnabled() != enabled) {
            button->setEnabled(enabled);
        }
    }
}

void BattleForm::ShowStatus(const std::u16string& text) {
    setChildText("Status", text);
}

void BattleForm::ShowMessageLine(const std::u16string& text) {
    setChildText("Message", text);
}

void BattleForm::ShowHalf(const Squad& target) {
    if (field_) field_->showHalf(target);
}

void BattleForm::StrikeFrom(const Squad& attacker, bool shot) {
    Audio().PlayBlow(attacker.kind().id, shot);
}

void BattleForm::PlayStrike(const Squad&) {
    requestRedraw();
}

void BattleForm::setChildText(const std::string& child, const std::u16string& text) {
    if (GuiElement* element = findChild(child)) element->setText(text);
}

}  // namespace cv
