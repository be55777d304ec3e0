#include "game/world/siege.h"

#include "core/language.h"
#include "game/model/game_ui.h"
#include "game/world/castle_rulers.h"
#include "game/world/running_game.h"

namespace cv {

void AskSiege(RunningGame& game, Castle& castle) {
    const Ref<CastleRuler>& ruler = castle.ruler();
    std::u16string question = GetText("<NAME> occupy this castle. Lay Siege?");
    ReplacePlaceholder(question, u"<NAME>", ruler ? ruler->ArmyTitle() : std::u16string());
    GameMessage message{castle.Caption() + u"\n" + question,
                        ruler ? ruler->Image(game) : std::string(),
                        "Yes,No",
                        {},
                        {}};
    Ui().ShowMessage(message, [running = Ref<RunningGame>(&game),
                               besieged = Ref<Castle>(&castle)](const std::string& answer) {
        if (answer != "Yes") return;
        if (running->hero().hasSiegeWeapons()) return LaySiege(*running, *besieged);
        Ui().ShowMessage(
            {GetText("You need siege weapons"), "Img\\UI\\Weapon1", "Continue", {}, {}}, {});
    });
}

// A castle without a garrison is taken at the first look.
void LaySiege(RunningGame& game, Castle& castle) {
    Ref<RunningGame> running(&game);
    Ref<Castle> besieged(&castle);
    auto victoryText = [running, besieged](std::u16string text) {
        const Ref<CastleRuler>& ruler = besieged->ruler();
        return ruler ? ruler->VictoryText(*running, std::move(text)) : text;
    };
    Ui().StartSiege(castle.garrison() ? castle.garrison() : MakeRef<Army>(), victoryText,
                    [running, besieged](BattleOutcome outcome) {
                        if (outcome == BattleOutcome::kVictory) {
                            CaptureCastle(*running, *besieged);
                        } else {
                            running->hero().Disgrace();
                        }
                    });
}

void CaptureCastle(RunningGame& game, Castle& castle) {
    if (Ref<CastleRuler> defeated = castle.ruler()) defeated->OnDefeated(game);
    castle.SetRuler(MakeHeroRuler(castle));
    game.hero().AddCastlesGarrisoned(1);
}

}  // namespace cv
