#include "screens/new_game_screen.h"

#include "app/app_core.h"
#include "core/dispatcher_access.h"
#include "core/language.h"
#include "core/resource_groups.h"
#include "gui/form_reader.h"
#include "gui/gui_message.h"
#include "platform/utf.h"
#include "screens/adventure_screen.h"
#include "screens/game_data_init.h"
#include "screens/hero_info_dialog.h"
#include "screens/hero_select_screen.h"
#include "screens/new_game.h"
#include "screens/random_maps_screen.h"

namespace cv {
namespace {

constexpr int kLevelRows = 4;

constexpr std::pair<const char*, const char*> kCaptions[] = {{"Enter Your Name", "Enter Your Name"},
                                                             {"RandMaps", "Random Maps"},
                                                             {"VKbd", "Keyboard"},
                                                             {"LevelHead", "Difficulty"},
                                                             {"DaysHead", "Days"},
                                                             {"ScoreHead", "Score"},
                                                             {"Info", "Info"},
                                                             {"Start Game", "Start Game"},
                                                             {"Exit", "Back"}};

void ShowScreen(Screen& screen) {
    if (TheAppCore()) TheAppCore()->SetScreen(&screen);
}

std::string LevelString(Dispatcher* level, const char* key) {
    std::string text;
    if (Value* value = FindValue(level, key)) value->GetString(text);
    return text;
}

}  // namespace

int DifficultyOfRadio(const std::string& name) {
    const char last = name.empty() ? '\0' : name.back();
    return last >= '0' && last <= '4' ? last - '0' : 1;
}

void NewGameForm::onLoaded() {
    for (const char* centred : {"Title", "LevelHead", "DaysHead", "ScoreHead"}) {
        sendToChild(*this, centred, Message{"SetJustify", "CC", 0, nullptr});
    }
    for (int d = 0; d < kLevelRows; ++d) {
        for (const char* column : {"Days", "Score"}) {
            sendToChild(*this, column + std::to_string(d), Message{"SetJustify", "CC", 0, nullptr});
        }
    }
    TheNewGameChoices().difficulty = 1;
    takeName();
    setFocusTo(findChild("Hero Name"));
    refresh();
}

void NewGameForm::Activate(bool active) {
    if (active) refresh();
    DialogHost::Activate(active);
}

void NewGameForm::refresh() {
    for (const auto& [widget, caption] : kCaptions) {
        if (GuiElement* element = findChild(widget)) element->setText(GetText(caption));
    }
    const NewGameChoices& choices = TheNewGameChoices();
    if (GuiElement* title = findChild("Title")) title->setText(GetText(choices.heroClass));
    sendToChild(*this, "Hero",
                Message{"SetImage", "Img\\Heroes\\" + choices.heroClass, 0, nullptr});
    sendToChild(*this, "RandMaps", Message{"SetCheck", "", randomMaps_ ? 1 : 0, nullptr});
    if (GuiElement* start = findChild("Start Game")) start->setEnabled(!choices.heroName.empty());
    showLevels();
    requestRedraw();
}

// The chosen level's check box is checked and its days and score are drawn
// in the form's highlight colour.
void NewGameForm::showLevels() {
    Dispatcher* levels = FindNode(Root(), "HardLevels");
    if (!levels) return;
    const int chosen = TheNewGameChoices().difficulty;
    for (int d = 0; d < kLevelRows; ++d) {
        Dispatcher* level = FindNode(levels, std::to_string(d));
        if (!level) continue;
        const std::string digit = std::to_string(d);
        if (GuiElement* name = findChild("Difficulty" + digit)) {
            name->setText(GetText(LevelString(level, "Difficulty")));
            sendMessage(this, name, Message{"SetCheck", "", d == chosen ? 1 : 0, nullptr});
        }
        int32_t days = 0;
        if (Value* value = FindValue(level, "Days")) value->GetInt(days);
        showLevelCell("Days" + digit, Utf8ToUtf16(std::to_string(days)), d == chosen);
        showLevelCell("Score" + digit, GetText(LevelString(level, "Score")), d == chosen);
    }
}

void NewGameForm::showLevelCell(const std::string& name, const std::u16string& text, bool chosen) {
    GuiElement* cell = findChild(name);
    if (!cell) return;
    cell->setText(text);
    cell->setColor(kColorNorm, color(chosen ? kColorSelect : kColorNorm));
}

bool NewGameForm::onMessage(const Message& message) {
    if (message.name == "ItemChanged") {
        takeName();
        refresh();
        return true;
    }
    if (message.name == "RadioCheck") {
        const std::string sender = message.sender ? message.sender->name() : "";
        if (sender == "RandMaps") {
            randomMaps_ = !randomMaps_;
        } else {
            TheNewGameChoices().difficulty = DifficultyOfRadio(sender);
        }
        refresh();
        return true;
    }
    if (message.name != "Button") return DialogHost::onMessage(message);
    if (message.text == "VKbd") showKeyboard();
    if (message.text == "Info") ShowHeroInfo(*this);
    if (message.text == "Start Game") startGame();
    if (message.text == "Exit") ShowScreen(SelectHeroScreen());
    return true;
}

// Names are kept as short as the name dialog keeps them.
void NewGameForm::takeName() {
    GuiElement* entry = findChild("Hero Name");
    if (!entry) return;
    if (entry->text().size() > kMaxNameLength)
        entry->setText(entry->text().substr(0, kMaxNameLength));
    TheNewGameChoices().heroName = entry->text();
}

bool NewGameForm::keyboardShown() const {
    return keyboard_ && keyboard_->parent() == this;
}

// Made on first use; typing on it goes into the name.
void NewGameForm::showKeyboard() {
    if (keyboardShown()) return;
    const bool first = !keyboard_;
    if (first) {
        keyboard_ = MakeRef<VirtualKeyboard>();
        keyboard_->setName("VirtualKeyboard");
    }
    addChild(keyboard_);
    if (first) keyboard_->load(*OpenResourceOrFail("VKbd\\Std.txt"));
    keyboard_->place(true);
    setFocusTo(findChild("Hero Name"));
}

void NewGameForm::startGame() {
    if (TheNewGameChoices().heroName.empty()) return;
    auto begin = [](Ref<Dispatcher> rules) {
        StartNewGame(std::move(rules));
        ShowScreen(AdventureScreen());
    };
    if (randomMaps_) {
        ShowRandomMapGeneration(begin);
    } else {
        begin(PackagedRules());
    }
}

GuiElement* NewGameForm::hitTest(Point point) {
    if (!dialog() && keyboardShown() && keyboard_->contains(point))
        return keyboard_->hitTest(point);
    return DialogHost::hitTest(point);
}

bool NewGameForm::onOwnPointer(const PointerEvent& event) {
    Ref<NewGameForm> keep(this);
    if (keyboardShown()) {
        Ref<VirtualKeyboard> keyboard = keyboard_;
        if (keyboard->onPointer(event) || keyboard->contains({event.x, event.y})) return true;
    }
    return DialogHost::onOwnPointer(event);
}

NewGameForm& NewGameScreen() {
    static const Ref<NewGameForm> screen = [] {
        Ref<NewGameForm> form = MakeRef<NewGameForm>();
        loadForm(*form, "NewGame");
        return form;
    }();
    return *screen;
}

}  // namespace cv
