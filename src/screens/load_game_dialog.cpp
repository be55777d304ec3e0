#include "screens/load_game_dialog.h"

#include <algorithm>

#include "app/app_core.h"
#include "core/dispatcher_access.h"
#include "core/language.h"
#include "core/save_damage.h"
#include "core/save_game.h"
#include "game/model/army_rules.h"
#include "gui/form_reader.h"
#include "gui/gui_message.h"
#include "platform/utf.h"
#include "screens/adventure_screen.h"
#include "screens/autosave.h"
#include "screens/game_session.h"
#include "screens/list_box.h"
#include "screens/message_box_dialog.h"

namespace cv {
namespace {

constexpr const char* kListed[] = {"GamesList", "PgUp",   "PgDown", "Start Game",
                                   "Erase",     "Status", "Hero"};

constexpr std::pair<const char*, const char*> kCaptions[] = {{"PgUp", "Previous"},
                                                             {"PgDown", "Next"},
                                                             {"Start Game", "Start Game"},
                                                             {"Erase", "Erase"},
                                                             {"Cancel", "Cancel"}};

// The level's own name where the rules give one, else the save's number.
std::u16string DifficultyName(const std::u16string& difficulty) {
    std::string name;
    const std::string path = "HardLevels." + Utf16ToUtf8(difficulty) + ".Difficulty";
    if (Value* value = FindValue(Root(), path); value && value->GetString(name)) {
        return GetText(name);
    }
    return difficulty;
}

constexpr const char* kDamagedText = "This saved game is damaged and cannot be loaded.";

// Listed by its file name so that it can still be erased.
SaveEntry DamagedEntry(const std::string& name) {
    SaveEntry entry;
    entry.saveName = name;
    entry.damaged = true;
    entry.displayName = GetText("<NAME> (damaged)");
    ReplacePlaceholder(entry.displayName, u"<NAME>", Utf8ToUtf16(name));
    return entry;
}

// Told apart from the player's own saves, with the week it was taken.
void NameAutosave(SaveEntry& entry) {
    if (!IsAutosaveName(entry.saveName)) return;
    entry.displayName = GetText("Autosave, week <N>");
    ReplacePlaceholder(entry.displayName, u"<N>", entry.week.empty() ? u"?" : entry.week);
}

}  // namespace

std::u16string SaveStatusText(const SaveEntry& entry) {
    std::u16string days = GetText("Days Left: <N>");
    ReplacePlaceholder(days, u"<N>", entry.daysLeft);
    return days + u"\n" + GetText("Difficulty") + u": " + DifficultyName(entry.difficulty) + u"\n" +
           Utf8ToUtf16(entry.DateText()) + u"\n" + GetText("Language") + u": " +
           Utf8ToUtf16(entry.language);
}

void LoadGameDialog::onLoaded() {
    for (const auto& [widget, caption] : kCaptions) {
        sendToChild(*this, widget, Message{"SetJustify", "CC", 0, nullptr});
        setChildText(widget, GetText(caption));
    }
    if (auto* list = dynamic_cast<ListBox*>(findChild("GamesList"))) {
        list->setNotification("UpdateCurSave");
    }
    readSaves();
    showList();
}

// Newest first; damaged saves, which have no date, last.
void LoadGameDialog::readSaves() {
    entries_.clear();
    for (const std::string& name : ListSaves()) {
        try {
            entries_.push_back(ReadSaveInfo(name));
            NameAutosave(entries_.back());
        } catch (const DamagedSave&) {
            entries_.push_back(DamagedEntry(name));
        }
    }
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const SaveEntry& a, const SaveEntry& b) { return SavedBefore(b, a); });
}

void LoadGameDialog::showList() {
    const bool any = !entries_.empty();
    setTitle(GetText(any ? "Select Game to load" : "No one save files found"));
    for (const char* widget : kListed) {
        if (GuiElement* element = findChild(widget)) element->setVisible(any);
    }
    auto* list = dynamic_cast<ListBox*>(findChild("GamesList"));
    if (!list) return;
    std::vector<std::u16string> names;
    for (const SaveEntry& entry : entries_) names.push_back(entry.displayName);
    list->setItems(std::move(names));
    setFocusTo(any ? list : findChild("Cancel"));
    showCurrent();
}

void LoadGameDialog::showPaging() {
    auto* list = dynamic_cast<ListBox*>(findChild("GamesList"));
    if (!list) return;
    if (GuiElement* up = findChild("PgUp")) up->setEnabled(list->hasPageBefore());
    if (GuiElement* down = findChild("PgDown")) down->setEnabled(list->hasPageAfter());
}

const SaveEntry* LoadGameDialog::current() const {
    auto* list = dynamic_cast<ListBox*>(findChild("GamesList"));
    if (!list || list->selected() < 0 || list->selected() >= static_cast<int>(entries_.size())) {
        return nullptr;
    }
    return &entries_[list->selected()];
}

void LoadGameDialog::showCurrent() {
    showPaging();
    const SaveEntry* entry = current();
    if (!entry) {
        setChildText("Status", u"");
    } else {
        setChildText("Status", entry->damaged ? GetText(kDamagedText) : SaveStatusText(*entry));
    }
    sendToChild(*this, "Hero", Message{"SetImage", entry ? entry->portrait : "", 0, nullptr});
}

bool LoadGameDialog::onMessage(const Message& message) {
    if (message.name == "UpdateCurSave") {
        showCurrent();
        return true;
    }
    if (message.name == "EraseCurrent") {
        eraseCurrent();
        return true;
    }
    if (message.name != "Button") return ScreenDialog::onMessage(message);
    auto* list = dynamic_cast<ListBox*>(findChild("GamesList"));
    if (message.text == "PgUp" && list) list->turnPage(-1);
    if (message.text == "PgDown" && list) list->turnPage(1);
    if (message.text == "Erase") askToErase();
    if (message.text == "Start Game") startGame();
    if (message.text == "Cancel") close();
    return true;
}

void LoadGameDialog::askToErase() {
    if (!current()) return;
    Ref<LoadGameDialog> self(this);
    showMessage({GetText("Are you sure to delete this game?"), {}, "Yes,No", {}, {}},
                [self](const std::string& answer) {
                    if (answer == "Yes")
                        sendMessage(nullptr, self.get(), Message{"EraseCurrent", "", 0, nullptr});
                });
}

// Over the list, which stays open below the box.
void LoadGameDialog::showMessage(const GameMessage& message, AnswerHandler then) {
    auto* host = dynamic_cast<DialogHost*>(parent());
    if (!host) return;
    Ref<MessageBoxDialog> box = MakeRef<MessageBoxDialog>(message, std::move(then));
    loadForm(*box, "MsgBox");
    host->pushDialog(box);
}

// The entry keeps its place and stays chosen, so that Erase takes it next.
void LoadGameDialog::refuseDamaged(int index) {
    if (!entries_[index].damaged) {
        entries_[index] = DamagedEntry(entries_[index].saveName);
        showList();
        if (auto* list = dynamic_cast<ListBox*>(findChild("GamesList"))) list->select(index);
        showCurrent();
    }
    showMessage({GetText(kDamagedText), {}, "OK", {}, {}}, {});
}

void LoadGameDialog::eraseCurrent() {
    const SaveEntry* entry = current();
    if (!entry) return;
    EraseSave(entry->saveName);
    readSaves();
    showList();
}

// The game is read aside; only a complete one replaces the game in play, and
// a damaged one leaves it going on. Errors of the rules still end the program.
void LoadGameDialog::startGame() {
    const SaveEntry* entry = current();
    if (!entry) return;
    const int index = static_cast<int>(entry - entries_.data());
    if (entry->damaged) return refuseDamaged(index);
    Ref<LoadGameDialog> keep(this);
    Ref<GameSession> session;
    try {
        session = GameSession::Load(entry->saveName);
    } catch (const DamagedSave&) {
        return refuseDamaged(index);
    }
    close();
    BeginSession(session);
    if (TheAppCore()) TheAppCore()->SetScreen(&session->adventure());
    const Hero& hero = session->game().hero();
    WarnOutOfControl(hero.army(), hero.EffectiveLeadership());
}

void ShowLoadGame(DialogHost& host) {
    Ref<LoadGameDialog> dialog = MakeRef<LoadGameDialog>();
    loadForm(*dialog, "LoadGame");
    host.pushDialog(dialog);
}

}  // namespace cv
