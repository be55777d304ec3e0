#include "screens/towns_list_dialog.h"

#include "core/language.h"
#include "game/model/game_text.h"
#include "game/world/town_gate.h"
#include "gui/gui_message.h"
#include "screens/list_box.h"

namespace cv {
namespace {

constexpr std::pair<const char*, const char*> kCaptions[] = {
    {"PgUp", "Previous"}, {"PgDown", "Next"}, {"Cancel", "Cancel"}};

}  // namespace

void TownsListDialog::onLoaded() {
    setChildText("Header", header_, "CC");
    if (spellsOwned_ == kBrowsing) {
        if (GuiElement* count = findChild("Count")) count->setVisible(false);
    } else {
        std::u16string count = GetText("Spells available: <N>");
        ReplacePlaceholder(count, u"<N>", GroupedNumber(spellsOwned_));
        setChildText("Count", count, "LC");
    }
    for (const auto& [widget, caption] : kCaptions) setChildText(widget, GetText(caption), "CC");
    if (auto* list = dynamic_cast<ListBox*>(findChild("List"))) {
        std::vector<std::u16string> items;
        for (const GateLine& line : lines_) items.push_back(line.text);
        list->setItems(std::move(items));
        list->setNotification("LineSelected");
        list->setActivation("LineChosen");
    }
    showPaging();
}

void TownsListDialog::showPaging() {
    auto* list = dynamic_cast<ListBox*>(findChild("List"));
    if (GuiElement* up = findChild("PgUp")) up->setEnabled(list && list->hasPageBefore());
    if (GuiElement* down = findChild("PgDown")) down->setEnabled(list && list->hasPageAfter());
}

// A continent's own line leads nowhere.
void TownsListDialog::choose(int line) {
    if (line < 0 || line >= static_cast<int>(lines_.size())) return;
    const std::string place = lines_[line].target;
    if (!place.empty() && go_ && go_(place)) answer(place);
}

bool TownsListDialog::onMessage(const Message& message) {
    if (message.name == "LineSelected") {
        showPaging();
        return true;
    }
    if (message.name == "LineChosen") {
        choose(message.number);
        return true;
    }
    if (message.name != "Button") return AnsweredDialog::onMessage(message);
    auto* list = dynamic_cast<ListBox*>(findChild("List"));
    if (message.text != "PgUp" && message.text != "PgDown")
        return AnsweredDialog::onMessage(message);
    if (list) list->turnPage(message.text == "PgUp" ? -1 : 1);
    showPaging();
    return true;
}

namespace {

// The list of one gate spell, each place sending the hero there by `gate`.
using Gate = bool (*)(RunningGame&, const std::string&);
Ref<Form> GateScreen(RunningGame& game, const char* header, const char* spell,
                     std::vector<GateLine> lines, Gate gate, AnswerHandler then) {
    const Ref<RunningGame> keep(&game);
    return MakeRef<TownsListDialog>(
        GetText(header), game.hero().spells().Count(spell), std::move(lines),
        [keep, gate](const std::string& place) { return gate(*keep, place); }, std::move(then));
}

}  // namespace

Ref<Form> CastleGateScreen(RunningGame& game, AnswerHandler then) {
    return GateScreen(game, "Castles List", "CastleGateSpell", CastleGateList(game), CastleGate,
                      std::move(then));
}

Ref<Form> TownGateScreen(RunningGame& game, AnswerHandler then) {
    return GateScreen(game, "Towns List", "TownGateSpell", TownGateList(game), TownGate,
                      std::move(then));
}

Ref<Form> TownsListScreen(RunningGame& game, AnswerHandler then) {
    return MakeRef<TownsListDialog>(GetText("Towns List"), TownsListDialog::kBrowsing,
                                    TownGateList(game), nullptr, std::move(then));
}

Ref<Form> CastlesListScreen(RunningGame& game, AnswerHandler then) {
    return MakeRef<TownsListDialog>(GetText("Castles List"), TownsListDialog::kBrowsing,
                                    CastleGateList(game), nullptr, std::move(then));
}

}  // namespace cv
