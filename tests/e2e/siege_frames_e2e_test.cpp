// Castles in the shipped world and a siege drawn headless by the game in each
// language: the hero at a villain's gate without siege weapons, then with
// them under the villain's contract taken in a town, the battle behind the
// walls, the castle taken, its own screen opening at the next step in, and
// the villain's piece of the puzzle. The frames stay in the build's frames
// folder.
#include <gtest/gtest.h>

#include "game/world/castle.h"
#include "game/world/town.h"
#include "headless_game.h"
#include "screens/game_session.h"

namespace cv::e2e {
namespace {

// The castle tiles of the map set: walls 7..12, the gate 13.
constexpr int kFirstWall = 7, kLastWall = 12, kGate = 13;

// Every castle of the rules stands on the walls the map draws, its gate
// below its middle.
TEST(CastleMap, EveryCastleStandsOnItsWallsWithItsGateBelow) {
    FreshGame run("quit\n");
    ASSERT_TRUE(run.started());
    const World& world = CurrentGame()->world();
    int castles = 0;
    for (int i = 0; i < world.Count(); ++i) {
        const Location& location = *world.Get(i);
        for (const Ref<Castle>& castle : location.castles()) {
            ++castles;
            const Cell c = castle->cell();
            for (int y = c.y; y <= c.y + 1; ++y) {
                for (int x = c.x - 1; x <= c.x + 1; ++x) {
                    const int kind = location.TerrainAt({x, y});
                    EXPECT_TRUE(kind >= kFirstWall && kind <= kLastWall)
                        << castle->name() << " " << x << "," << y << " is " << kind;
                }
            }
            EXPECT_EQ(location.TerrainAt({c.x, c.y - 1}), kGate) << castle->name();
        }
    }
    EXPECT_GT(castles, 0);
}

// Villain 1 keeps "Peasants:2" in his castle; the hero stands before its gate
// with archers who obey him.
Castle& AtTheVillainsGate(RunningGame& game) {
    Villain& villain = game.villains().Find(1);
    villain.army()->Clear();
    villain.army()->Parse("Peasants:2");
    Castle* castle = game.here().FindCastle(villain.castle());
    EXPECT_NE(castle, nullptr) << "villain 1 sits on the first continent";
    game.PlaceHero(game.hero().continent(), {castle->cell().x, castle->cell().y - 1});
    game.hero().army().Clear();
    game.hero().army().Parse("Archers:20");
    game.hero().AddLeadershipBonus(1000);
    return *castle;
}

TEST_P(LanguageFrames, NoWeaponsNoSiegeThenTheVillainIsTakenBehindHisWalls) {
    Open("siege");
    dir.Write("refused.txt", Shot("gate.png") + "key Up\n" + Shot("question.png") + "key Enter\n" +
                                 Shot("weapons.png") + "quit\n");
    {
        HeadlessGame run(dir, "refused.txt");
        ASSERT_TRUE(run.started());
        AtTheVillainsGate(*CurrentGame());
        run.Play();
    }
    // His contract from the "Wanted" list of the town to the left, whose
    // cheapest villain comes first; the archers at the top shoot the peasants
    // at the foot of the field; the castle's own screen; then the puzzle with
    // the villain's piece uncovered.
    const std::string contract =
        "key Left\ntap 463 105\n" + Shot("contract.png") + "tap 236 394\ntap 319 411\n";
    const std::string puzzle = "key Esc\ntick 1\ntap 559 234\ntap 214 271\n" + Shot("puzzle.png");
    dir.Write("siege.txt", contract + "key Up\ntick 1\nkey Enter\n" + Shot("walls.png") +
                               "tap 200 360\ntick 8\n" + Shot("victory.png") + "key Enter\n" +
                               "tick 2\nkey Up\n" + Shot("taken.png") + puzzle + "quit\n");
    HeadlessGame run(dir, "siege.txt");
    ASSERT_TRUE(run.started());
    const Ref<RunningGame> game(CurrentGame());
    Castle& castle = AtTheVillainsGate(*game);
    const Ref<Castle> keep(&castle);
    game->hero().SetSiegeWeapons(true);
    const Cell town{castle.cell().x - 1, castle.cell().y - 1};
    if (const Ref<MapObj> there = game->here().ObjectAt(town))
        game->here().RemoveObject(there.get());
    Place<Town>(*game, town, game->here().towns().front()->name())->SetSpell("TimeStopSpell");
    const int gold = game->hero().gold();
    run.Play();

    EXPECT_STREQ(castle.ruler()->TypeId(), "My");
    EXPECT_TRUE(game->villains().Find(1).IsCaught());
    EXPECT_GE(game->hero().gold() - gold, game->villains().Find(1).reward()) << "and the spoils";
    const Png question = Frame("question.png"), weapons = Frame("weapons.png");
    const Png walls = Frame("walls.png"), victory = Frame("victory.png");
    EXPECT_TRUE(question.rgba != weapons.rgba && walls.rgba != victory.rgba);
    EXPECT_TRUE(Frame("gate.png").rgba != Frame("taken.png").rgba);
    EXPECT_TRUE(Frame("taken.png").rgba != Frame("puzzle.png").rgba);
}

}  // namespace
}  // namespace cv::e2e
