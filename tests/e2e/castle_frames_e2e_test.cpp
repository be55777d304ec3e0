// Contracts, the hero's own castle and the castle gate on the real game
// folder, drawn headless by the game itself in each language and kept as
// frames to look at: no contract yet, the selection in a town walked one on
// and taken, the contract panel, both pages of a castle of his with a squad
// left there, and the gate list, from which he travels to the first castle.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "game/world/castle.h"
#include "game/world/castle_rulers.h"
#include "game/world/town.h"
#include "headless_game.h"
#include "screens/game_session.h"

namespace cv::e2e {
namespace {

// Every castle visited and its ruler known, so that the gate list names them
// all; the first of the monsters' becomes the hero's, with a garrison.
Castle& KnowEveryCastle(RunningGame& game) {
    Castle* mine = nullptr;
    for (int i = 0; i < game.world().Count(); ++i) {
        for (const Ref<Castle>& castle : game.world().Get(i)->castles()) {
            castle->SetFlag(Castle::kVisited | Castle::kRulerKnown, true);
            if (!mine && std::string(castle->ruler()->TypeId()) == "Mon") mine = castle.get();
        }
    }
    auto garrison = MakeRef<Army>();
    garrison->Parse("Pikemen:12,Cavalry:4");
    mine->SetGarrison(garrison);
    mine->SetRuler(MakeHeroRuler(*mine));
    return *mine;
}

TEST_P(LanguageFrames, ContractsTheCastleOfTheHeroAndTheGateList) {
    Open("castles");
    const std::string spells = "tap 559 366\ntap 408 161\n";
    dir.Write("castles.txt",
              "tap 559 302\n" + Shot("nocontract.png") + "tap 319 321\nkey Left\ntap 463 105\n" +
                  Shot("select.png") + "tap 539 393\n" + Shot("next.png") +
                  "tap 235 393\ntap 319 411\ntap 559 302\n" + Shot("contract.png") +
                  "tap 319 393\ntap 239 143\n" + Shot("garrison.png") + "tap 462 171\n" +
                  Shot("garrisoned.png") + "tap 462 331\n" + Shot("remove.png") + "tap 319 411\n" +
                  spells + Shot("gate.png") + "key Down\nkey Space\n" + Shot("gated.png") + spells +
                  "tap 419 362\n" + Shot("gate_next.png") + "tap 319 411\nquit\n");
    HeadlessGame run(dir, "castles.txt");
    ASSERT_TRUE(run.started());
    const Ref<RunningGame> keep(CurrentGame());
    RunningGame& game = *keep;
    Hero& hero = game.hero();
    hero.SetGold(5000);
    hero.SetCanUseSpells(true);
    hero.spells().Add("CastleGateSpell", 2);
    game.villains().At(1).SetSeen(true);  // his castle shows once he is taken on
    const Castle& mine = KnowEveryCastle(game);
    hero.army().Clear();
    hero.army().Parse("Militia:20,Archers:2");
    game.PlaceHero(mine.continent(), {mine.cell().x, mine.cell().y - 1});
    // The contracts are taken in a town to the left of his gate.
    const Cell west{mine.cell().x - 1, mine.cell().y - 1};
    if (const Ref<MapObj> there = game.here().ObjectAt(west)) game.here().RemoveObject(there.get());
    Place<Town>(game, west, game.world().Get(0)->towns().front()->name())->SetSpell("BridgeSpell");
    run.Play();

    EXPECT_EQ(hero.currentContract(), game.villains().At(1).number());
    EXPECT_EQ(mine.garrison()->ToText(), "Pikemen:12,Cavalry:4,Archers:2");
    const Castle& first = *game.world().Get(0)->castles().front();
    EXPECT_EQ(std::pair(hero.continent(), hero.position()),
              std::pair(0, Cell{first.cell().x, first.cell().y - 1}));
    EXPECT_EQ(hero.spells().Count("CastleGateSpell"), 1);
    EXPECT_NE(Frame("select.png").rgba, Frame("next.png").rgba);
    EXPECT_NE(Frame("garrison.png").rgba, Frame("garrisoned.png").rgba);
    EXPECT_NE(Frame("gate.png").rgba, Frame("gate_next.png").rgba);
}

}  // namespace
}  // namespace cv::e2e
