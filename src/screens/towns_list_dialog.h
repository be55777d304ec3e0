#pragma once

#include <functional>
#include <string>
#include <vector>

#include "game/world/castle_gate.h"
#include "game/world/running_game.h"
#include "screens/answered_dialog.h"

namespace cv {

// The places a gate spell opens onto, form "TownsList": the heading "Header",
// the paged list "List" (each continent's name, then its places) turned by
// "PgUp" and "PgDown", the copies of the spell the hero owns in "Count", and
// "Cancel". A tap on a place, or Space or Enter on it, hands its name to the
// caller's `go`; the list closes, answering the name, once `go` reports the
// hero gone. Cancel or Esc answer "Cancel". Without a `go` and with
// kBrowsing for the spells the list is only looked at: no count, and a
// place leads nowhere.
class TownsListDialog : public AnsweredDialog {
public:
    using Go = std::function<bool(const std::string& place)>;
    static constexpr int kBrowsing = -1;

    TownsListDialog(std::u16string header, int spellsOwned, std::vector<GateLine> lines, Go go,
                    AnswerHandler then)
        : AnsweredDialog(std::move(then)),
          header_(std::move(header)),
          spellsOwned_(spellsOwned),
          lines_(std::move(lines)),
          go_(std::move(go)) {}

    void onLoaded() override;
    bool onMessage(const Message& message) override;

protected:
    std::string escAnswer() const override { return "Cancel"; }

private:
    void showPaging();
    void choose(int line);

    std::u16string header_;
    int spellsOwned_;
    std::vector<GateLine> lines_;
    Go go_;
};

// The list for the rules' "CastleGate": the castles the hero has visited,
// each taking him to its gate.
Ref<Form> CastleGateScreen(RunningGame& game, AnswerHandler then);
// The list for the rules' "TownGate": the towns the hero has visited, each
// taking him beside it.
Ref<Form> TownGateScreen(RunningGame& game, AnswerHandler then);

// The adventure screen's "Towns" and "Castles": the towns the hero has
// visited with their spells, the castles with their rulers, to look at.
Ref<Form> TownsListScreen(RunningGame& game, AnswerHandler then);
Ref<Form> CastlesListScreen(RunningGame& game, AnswerHandler then);

}  // namespace cv
