#include "screens/adventure_screen.h"

#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/app_core.h"
#include "audio/audio_backend.h"
#include "core/fatal_error.h"
#include "core/language.h"
#include "game/model/game_ui.h"
#include "game/world/adventure_spells.h"
#include "game/world/hero_step.h"
#include "gfx/graphics_device.h"
#include "gui/form_reader.h"
#include "gui/gui_keys.h"
#include "screens/adventure_panels.h"
#include "screens/army_view_dialog.h"
#include "screens/contract_dialogs.h"
#include "screens/game_menu.h"
#include "screens/game_session.h"
#include "screens/hero_status_dialog.h"

namespace cv {
namespace {

constexpr std::pair<const char*, int> kCommandCells[] = {
    {"B2", 0}, {"B3", 1}, {"B4", 2},
    {"C2", 3}, {"C4", 4}, {"D2", 5},
    {"D3", 6}, {"D4", 7}, {"C3", kCentreCommand}};

// The focus groups, each in the order the keys walk it; the buttons with
// their captions.
struct Caption {
    const char* widget;
    const char* text;
};
constexpr std::array<Caption, 7> kButtons = {{{"Info", "Info"},
                                              {"Fly", "Fly"},
                                              {"Land", "Land"},
                                              {"Towns", "Towns"},
                                              {"Castles", "Castles"},
                                              {"Map", "Map"},
                                              {"Menu", "Menu"}}};
constexpr std::array<const char*, 5> kPanels = {"Villain", "WeaponInfo", "SpellInfo", "MapPieces",
                                                "GoldInfo"};
constexpr int kButtonGroup = 0, kPanelGroup = 1;

template <size_t N>
std::vector<const char*> WidgetsOf(const std::array<Caption, N>& captions) {
    std::vector<const char*> names;
    for (const Caption& caption : captions) names.push_back(caption.widget);
    return names;
}

template <size_t N>
void SetCaptions(Form& form, const std::array<Caption, N>& captions) {
    for (const Caption& caption : captions) {
        if (GuiElement* widget = form.findChild(caption.widget))
            widget->setText(GetText(caption.text));
    }
}

std::vector<const char*> GroupWidgets(int group) {
    return group == kButtonGroup ? WidgetsOf(kButtons)
                                 : std::vector<const char*>(kPanels.begin(), kPanels.end());
}

int CommandOfCell(const std::string& name) {
    for (const auto& [cell, command] : kCommandCells) {
        if (name == cell) return command;
    }
    return kNoCommand;
}

bool Within(const Rect& rect, int x, int y) {
    return x >= rect.x && x < rect.x + rect.width && y >= rect.y && y < rect.y + rect.height;
}

}  // namespace

Ref<GuiElement> AdventureForm::createWidget(const std::string& type) {
    if (Ref<GuiElement> panel = CreateAdventurePanel(type)) return panel;
    return DialogHost::createWidget(type);
}

void AdventureForm::onLoaded() {
    GuiElement* topLeft = findChild("A1");
    GuiElement* bottomRight = findChild("E5");
    if (topLeft && bottomRight) {
        const Rect a = topLeft->bounds(), e = bottomRight->bounds();
        view_.setArea({a.x, a.y, e.x + e.width - a.x, e.y + e.height - a.y});
    }
    for (int group : {kButtonGroup, kPanelGroup}) {
        for (const char* name : GroupWidgets(group)) {
            if (GuiElement* widget = findChild(name)) widget->setTabStop(true);
        }
    }
    // The map, not a button, has the keys at first.
    setFocusTo(nullptr);
    refresh();
    updateTravelIndicator();
}

void AdventureForm::refresh() {
    SetCaptions(*this, kButtons);
    FollowGame(*this, *game_);
    updateStatus();
}

void AdventureForm::Activate(bool active) {
    DialogHost::Activate(active);
    if (!active) return;
    Audio().SetMood(MusicMood::Map);
    game_->here().OnScreenOpen(*game_);
}

// The background is a veil blended over the whole screen; the cells cover
// the view's area with opaque ground or colour, so it is drawn only around it.
void AdventureForm::drawBackground() {
    const IGraphicsDevice* device = GraphicsDevice();
    if (background() && device) {
        const Rect& view = view_.area();
        const Size screen = device->getScreenSize();
        const int right = view.x + view.width, bottom = view.y + view.height;
        const Rect around[] = {{0, 0, view.x, screen.height},
                               {right, 0, screen.width - right, screen.height},
                               {view.x, 0, view.width, view.y},
                               {view.x, bottom, view.width, screen.height - bottom}};
        for (const Rect& strip : around) DrawWithin(*background(), {0, 0}, strip);
    }
    view_.paint(*game_);
}

void AdventureForm::onTimer() {
    DialogHost::onTimer();
    view_.tick();
}

void AdventureForm::Update() {
    updateStatus();
    const Hero& hero = game_->hero();
    if (!(hero.position() == shownCell_) || hero.continent() != shownContinent_) {
        updateTravelIndicator();
    }
    FollowGame(*this, *game_);
    DialogHost::Update();
}

void AdventureForm::updateStatus() {
    GuiElement* status = findChild("Status");
    if (!status) return;
    sendMessage(this, status, Message{"SetJustify", "RC", 0, nullptr});
    status->setText(game_->time().StatusText());
}

void AdventureForm::updateTravelIndicator() {
    const Hero& hero = game_->hero();
    const bool flying = hero.travelMode() == TravelMode::kFly;
    if (GuiElement* fly = findChild("Fly")) {
        fly->setVisible(!flying);
        fly->setEnabled(!flying && hero.CanFly());
    }
    if (GuiElement* land = findChild("Land")) {
        land->setVisible(flying);
        land->setEnabled(flying && CanLand(game_->here(), hero.position()));
    }
    shownCell_ = hero.position();
    shownContinent_ = hero.continent();
    requestRedraw();
}

bool AdventureForm::onMessage(const Message& message) {
    if (message.name == "UpdateTimeInfo") {
        updateStatus();
        return true;
    }
    if (showInformation(message)) return true;
    if (message.name != "Button") return DialogHost::onMessage(message);
    const std::string& button = message.text;
    if (button == "Menu") {
        ShowGameMenu();
    } else if (button == "Towns" || button == "Castles" || button == "Map") {
        Ui().OpenScreen(button == "Map" ? "ScrMap" : button + "List", {});
    } else if (button == "Exit") {
        if (TheAppCore()) TheAppCore()->Quit();
    } else if (button == "Fly") {
        TakeOff(*game_);
        updateTravelIndicator();
    } else if (button == "Land") {
        Land(*game_);
        updateTravelIndicator();
    } else {
        return DialogHost::onMessage(message);
    }
    return true;
}

// The panels send these messages; the hero's information and the army
// view have buttons of their own as well.
bool AdventureForm::showInformation(const Message& message) {
    const auto is = [&](const char* name, const char* button = nullptr) {
        return message.name == name ||
               (button && message.name == "Button" && message.text == button);
    };
    if (is("ShowHeroInfo", "Info")) {
        ShowHeroStatus(*this, Ref<Hero>(&game_->hero()));
    } else if (is("ShowArmyInfo", "Army")) {
        ShowArmyView(*this, Ref<Hero>(&game_->hero()), true);
    } else if (is("ShowSpellInfo")) {
        OpenAdventureSpells(*game_);
    } else if (is("ShowContractInfo")) {
        OpenContractInfo(*game_);
    } else if (is("ShowPuzzle")) {
        Ui().OpenScreen("Puzzle", {});
    } else {
        return false;
    }
    return true;
}

bool AdventureForm::onOwnPointer(const PointerEvent& event) {
    Ref<AdventureForm> keep(this);
    DialogHost::onOwnPointer(event);
    if (event.kind == PointerEvent::Press && event.button == 1) press(event);
    if (event.kind == PointerEvent::Move && held_) moveHeld(event);
    if (event.kind == PointerEvent::Release) liftStylus();
    return true;
}

void AdventureForm::press(const PointerEvent& event) {
    GuiElement* widget = Form::hitTest({event.x, event.y});
    if (!widget) return;
    if (widget->name() == "Status") {
        statusHeld_ = true;
        view_.setWeekOverlay(true);
        requestRedraw();
        return;
    }
    const int command = CommandOfCell(widget->name());
    if (command == kNoCommand) return;
    command_ = command;
    heldCell_ = widget->bounds();
    held_ = inside_ = true;
    showArrow();
}

void AdventureForm::moveHeld(const PointerEvent& event) {
    const bool inside = Within(heldCell_, event.x, event.y);
    if (inside == inside_) return;
    inside_ = inside;
    showArrow();
}

// Lifting the stylus outside the cell it went down on takes back the step.
void AdventureForm::liftStylus() {
    if (held_) {
        held_ = false;
        showArrow();
        if (inside_) stepHero(command_);
    }
    if (statusHeld_) {
        statusHeld_ = false;
        view_.setWeekOverlay(false);
        requestRedraw();
    }
}

void AdventureForm::showArrow() {
    view_.setArrow(held_ && inside_ ? ArrowOfCommand(command_) : "", heldCell_);
}

// The start key that neither a button nor a command takes opens the game
// menu: a controller's Start reaches it without the pointer.
bool AdventureForm::onOwnKey(int key, bool down) {
    Ref<AdventureForm> keep(this);
    if (DialogHost::onOwnKey(key, down)) return true;
    if (!down) return false;
    const int command = CommandOfKey(key);
    if (command != kNoCommand) {
        stepHero(command);
    } else if (isGuiKey(kRoleStart, key)) {
        ShowGameMenu();
    } else {
        return false;
    }
    return true;
}

bool AdventureForm::navigate(int key) {
    const int group = focusedGroup();
    if (isGuiKey(kRoleTab, key)) {
        stepFocus(group < 0 ? kButtonGroup : group, 1);
        return true;
    }
    if (group < 0) return false;
    if (isGuiKey(kRoleEsc, key)) {
        setFocusTo(nullptr);
        return true;
    }
    for (const auto& [role, targetGroup, step] :
         {std::tuple{kRoleLeft, kButtonGroup, -1}, std::tuple{kRoleRight, kButtonGroup, 1},
          std::tuple{kRoleUp, kPanelGroup, -1}, std::tuple{kRoleDown, kPanelGroup, 1}}) {
        if (isGuiKey(role, key)) {
            stepFocus(targetGroup, step);
            return true;
        }
    }
    return false;
}

int AdventureForm::focusedGroup() const {
    const GuiElement* focused = focusedChild();
    if (!focused) return -1;
    for (int group : {kButtonGroup, kPanelGroup}) {
        for (const char* name : GroupWidgets(group)) {
            if (focused->name() == name) return group;
        }
    }
    return -1;
}

// Cyclic; from outside the group a step forward starts at its first
// element, a step back at its last.
void AdventureForm::stepFocus(int group, int step) {
    std::vector<GuiElement*> stops;
    for (const char* name : GroupWidgets(group)) {
        GuiElement* widget = findChild(name);
        if (widget && widget->canTakeFocus()) stops.push_back(widget);
    }
    if (stops.empty()) return;
    const int count = static_cast<int>(stops.size());
    auto current = std::find(stops.begin(), stops.end(), focusedChild());
    int index = current == stops.end()
                    ? (step > 0 ? 0 : count - 1)
                    : (static_cast<int>(current - stops.begin()) + step + count) % count;
    setFocusTo(stops[index]);
}

AdventureForm& AdventureScreen() {
    GameSession* session = CurrentSession();
    if (!session) FatalError("No game in play");
    return session->adventure();
}

void AdventureForm::stepHero(int command) {
    Ref<AdventureForm> keep(this);
    Ref<RunningGame> keepGame(game_);
    const CommandStep step = StepOfCommand(command);
    StepHero(*game_, step.dx, step.dy);
    requestRedraw();
    if (Ui().AdventureIsCurrent()) {
        updateStatus();
        updateTravelIndicator();
    }
}

void AdventureForm::startBattle(Ref<Army> enemy, std::function<void(BattleOutcome)> then,
                                BattleForm::MakeBattle make) {
    auto ended = [this, then = std::move(then)](BattleForm&, BattleOutcome outcome) {
        Ref<AdventureForm> keep(this);
        Ref<BattleForm> battle = std::move(battle_);
        if (TheAppCore()) TheAppCore()->SetScreen(this);
        updateStatus();
        updateTravelIndicator();
        if (then) then(outcome);
    };
    battle_ = MakeRef<BattleForm>(game_, std::move(enemy), std::move(ended), std::move(make));
    loadForm(*battle_, "Tactics");
    if (TheAppCore()) TheAppCore()->SetScreen(battle_.get());
}

DialogHost& AdventureForm::front() {
    return battle_ ? static_cast<DialogHost&>(*battle_) : *this;
}

void StepHero(int command) {
    AdventureScreen().stepHero(command);
}

void UpdateStatus() {
    AdventureScreen().updateStatus();
}

void UpdateTravelIndicator() {
    AdventureScreen().updateTravelIndicator();
}

void ShowGameMenu() {
    Ref<GameMenuDialog> menu = MakeRef<GameMenuDialog>();
    loadForm(*menu, "Menu");
    AdventureScreen().pushDialog(menu);
}

}  // namespace cv
