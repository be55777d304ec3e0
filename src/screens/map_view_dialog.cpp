#include "screens/map_view_dialog.h"

#include <algorithm>

#include "core/language.h"
#include "game/world/continent_travel.h"
#include "gui/gui_message.h"
#include "screens/command_keys.h"

namespace cv {
namespace {

constexpr std::pair<const char*, const char*> kCaptions[] = {
    {"ShowMap", "Show Map"}, {"HideMap", "Hide Map"}, {"Prev", "Previous"}, {"Next", "Next"},
    {"Travel", "Travel"},    {"Hide", "Hide"},        {"Cancel", "Cancel"}};

// What the map calls the objects that have no caption of their own, by type.
constexpr std::pair<const char*, const char*> kKindNames[] = {
    {"Enemy", "Hostile army"},
    {"Join", "Band of volunteers"},
    {"RndBonus", "Treasure chest"},
    {"Art", "Artifact"},
    {"Teleport", "Teleporter"},
    {"ShowMap", "Map of this area"},
    {"NextMap", "Map to another continent"},
    {"TeachSpell", "Spell teacher"},
    {"Sign", "Signpost"},
    {"Sail", "Boat"},
    {"King", "Castle of King Tharion"}};

std::u16string NameOf(const MapObj& object) {
    std::u16string caption = object.Caption();
    if (!caption.empty()) return caption;
    for (const auto& [type, name] : kKindNames) {
        if (object.Factory().name() == type) return GetText(name);
    }
    return {};
}

// Replaces the first "%d" or "%s" after `from` by `value`; returns where the
// search goes on.
size_t FillSlot(std::u16string& text, size_t from, const std::u16string& value) {
    for (size_t at = text.find(u'%', from); at != std::u16string::npos;
         at = text.find(u'%', at + 1)) {
        if (at + 1 < text.size() && (text[at + 1] == u'd' || text[at + 1] == u's')) {
            text.replace(at, 2, value);
            return at + value.size();
        }
    }
    return text.size();
}

std::u16string Decimal(int n) {
    const std::string digits = std::to_string(n);
    return {digits.begin(), digits.end()};
}

}  // namespace

std::u16string CursorStatusText(Cell cell, const std::u16string& name) {
    std::u16string text = GetText("X=%d, Y=%d %s");
    size_t at = FillSlot(text, 0, Decimal(cell.x));
    at = FillSlot(text, at, Decimal(cell.y));
    FillSlot(text, at, name);
    return text;
}

Ref<GuiElement> MapViewDialog::createWidget(const std::string& type) {
    if (type == "ContinentMap") return MakeRef<ContinentMapWidget>();
    return AnsweredDialog::createWidget(type);
}

ContinentMapWidget* MapViewDialog::map() const {
    return dynamic_cast<ContinentMapWidget*>(findChild("Map"));
}

void MapViewDialog::onLoaded() {
    for (const auto& [widget, caption] : kCaptions) setChildText(widget, GetText(caption), "CC");
    showContinent(game_->hero().continent());
}

std::vector<int> MapViewDialog::reachable() const {
    std::vector<int> continents = KnownContinents(*game_);
    const int own = game_->hero().continent();
    if (std::find(continents.begin(), continents.end(), own) == continents.end()) {
        continents.insert(std::upper_bound(continents.begin(), continents.end(), own), own);
    }
    return continents;
}

// Each continent opens on its explored part, the cursor on the hero or, on
// another continent, on its landing place.
void MapViewDialog::showContinent(int index) {
    const Location* continent = game_->world().Get(index);
    if (!continent) return;
    continent_ = index;
    whole_ = false;
    const Hero& hero = game_->hero();
    if (ContinentMapWidget* widget = map()) {
        widget->setCursor(index == hero.continent() ? hero.position() : continent->entry());
    }
    refreshView();
}

void MapViewDialog::refreshView() {
    const Location* continent = game_->world().Get(continent_);
    if (!continent) return;
    const Hero& hero = game_->hero();
    const bool own = continent_ == hero.continent();
    if (ContinentMapWidget* widget = map()) {
        widget->show(continent, whole_, own ? std::optional(hero.position()) : std::nullopt);
    }
    setTitle(GetText(continent->id()));
    const bool mapped = hero.HasCompleteMap(continent_);
    const bool several = reachable().size() > 1;
    for (const auto& [widget, enabled] :
         {std::pair{"ShowMap", mapped && !whole_}, std::pair{"HideMap", mapped && whole_},
          std::pair{"Prev", several}, std::pair{"Next", several}, std::pair{"Travel", !own}}) {
        if (GuiElement* button = findChild(widget)) button->setEnabled(enabled);
    }
    showStatus();
}

void MapViewDialog::showStatus() {
    const ContinentMapWidget* widget = map();
    const Location* continent = game_->world().Get(continent_);
    if (!widget || !continent) return;
    const Cell cell = widget->cursor();
    std::u16string name;
    if (whole_ || continent->terrain().IsExplored(cell)) {
        if (const Ref<MapObj> object = continent->ObjectAt(cell)) name = NameOf(*object);
    }
    setChildText("Status", CursorStatusText(cell, name), "CT");
}

void MapViewDialog::stepContinent(int step) {
    const std::vector<int> continents = reachable();
    const auto at = std::find(continents.begin(), continents.end(), continent_);
    const int count = static_cast<int>(continents.size());
    const int index = at == continents.end() ? 0 : static_cast<int>(at - continents.begin());
    showContinent(continents[(index + step + count) % count]);
}

// Only a boat crosses the sea; the voyage itself is the rules' own.
void MapViewDialog::travel() {
    const Location* target = game_->world().Get(continent_);
    if (!target || continent_ == game_->hero().continent()) return;
    if (game_->hero().travelMode() != TravelMode::kSail) {
        Ui().ShowMessage({GetText("To travel to another continent you must board a boat."),
                          "Img\\Main\\sail.Layer 1",
                          "OK",
                          {},
                          {}},
                         {});
        return;
    }
    std::u16string question = GetText("Travel to <NAME>?");
    ReplacePlaceholder(question, u"<NAME>", GetText(target->id()));
    Ref<MapViewDialog> keep(this);
    const int continent = continent_;
    Ui().ShowMessage({question, {}, "Yes,No", {}, {}}, [keep, continent](const std::string& yes) {
        if (yes != "Yes") return;
        const Ref<RunningGame> game = keep->game_;
        keep->answer("Travel");
        SailToContinent(*game, continent);
    });
}

bool MapViewDialog::onMessage(const Message& message) {
    if (message.name == "Update") {
        refreshView();
        return true;
    }
    if (message.name == "CursorMoved") {
        showStatus();
        return true;
    }
    if (message.name != "Button") return AnsweredDialog::onMessage(message);
    const std::string& button = message.text;
    if (button == "ShowMap" || button == "HideMap") {
        if (game_->hero().HasCompleteMap(continent_)) whole_ = button == "ShowMap";
        refreshView();
        // The button pressed is greyed now; the keys go on from its partner.
        if (message.sender && message.sender->hasFocus()) {
            setFocusTo(findChild(whole_ ? "HideMap" : "ShowMap"));
        }
    } else if (button == "Prev" || button == "Next") {
        stepContinent(button == "Prev" ? -1 : 1);
    } else if (button == "Travel") {
        travel();
    } else {
        return AnsweredDialog::onMessage(message);
    }
    return true;
}

// The eight directions of the hero's own keys move the cursor.
bool MapViewDialog::onKey(int key, bool down) {
    const int command = CommandOfKey(key);
    if (command == kNoCommand || command == kCentreCommand) {
        return AnsweredDialog::onKey(key, down);
    }
    ContinentMapWidget* widget = map();
    if (down && widget) {
        const CommandStep step = StepOfCommand(command);
        widget->moveCursor(step.dx, step.dy);
        showStatus();
    }
    return true;
}

Ref<Form> MapViewScreen(RunningGame& game, AnswerHandler then) {
    return MakeRef<MapViewDialog>(Ref<RunningGame>(&game), std::move(then));
}

}  // namespace cv
