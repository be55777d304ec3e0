// A voyage played on the real game folder from the first town beside the
// king's castle, drawn headless by the game itself in each language and kept
// as frames to look at: the town's spell, siege weapons and boat bought, the
// boat boarded, the continent chosen at sea, the town gate home, the game
// saved; then, loaded again, the boat given back in the town.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "app/app_core.h"
#include "game/world/town.h"
#include "headless_game.h"
#include "screens/game_session.h"

namespace cv::e2e {
namespace {

// The key that steps the hero from `from` onto the neighbouring `to`.
std::string StepKey(Cell from, Cell to) {
    const int dx = to.x - from.x, dy = to.y - from.y;
    static const char* const keys[3][3] = {
        {"End", "Left", "Home"}, {"Down", "", "Up"}, {"PgDown", "Right", "PgUp"}};
    return keys[dx + 1][dy + 1];
}

TEST_P(LanguageFrames, AVoyageFromTheFirstTownAndBackThroughItsGate) {
    Open("towns");
    // Two steps east into the town; its spell, siege weapons and a boat;
    // out, and down into the boat below.
    const std::string town = Shot("map.png") + "key Right\ntick 1\nkey Right\n" + Shot("town.png") +
                             "tap 463 213\ntap 463 333\ntap 463 141\n" + Shot("bought.png") +
                             "tap 319 411\nkey Down\n" + Shot("boarded.png");
    // "Menu", "New Continent", the second continent; the week's news and budget.
    const std::string voyage = "tap 559 234\ntap 214 171\n" + Shot("continents.png") +
                               "tap 319 217\nkey Enter\ntick 1\ntap 319 402\n" +
                               Shot("arrived.png");
    // "Spells", "Town Gate", the town's line; "Menu", "Save Game", its notice.
    const std::string home = "tap 559 366\ntap 223 305\n" + Shot("gate.png") + "tap 200 126\n" +
                             Shot("home.png") + "tap 559 234\ntap 425 221\nkey Enter\nquit\n";
    dir.Write("voyage.txt", town + voyage + home);
    std::string saved;
    {
        HeadlessGame run(dir, "voyage.txt");
        ASSERT_TRUE(run.started());
        const Ref<GameSession> session(CurrentSession());
        Hero& hero = session->game().hero();
        hero.SetGold(10000);
        hero.SetCanUseSpells(true);
        hero.AddMaxSpells(3);
        hero.spells().Add("TownGateSpell", 1);
        hero.AddKnownContinent(1);
        run.Play();
        saved = session->saveName();
        // In by one step from where the gate put him; "Cancel boat rental"; out.
        const Town* marrowick = session->game().here().FindTown("Marrowick");
        ASSERT_TRUE(marrowick) << "home by the gate";
        dir.Write("back.txt", "key " + StepKey(hero.position(), marrowick->cell()) + "\n" +
                                  Shot("back.png") + "tap 463 141\n" + Shot("returned.png") +
                                  "tap 319 411\nquit\n");
    }
    ASSERT_FALSE(saved.empty()) << "the game was not saved";

    HeadlessGame again(dir, "back.txt");
    ASSERT_TRUE(again.started());
    BeginSession(GameSession::Load(saved));
    TheAppCore()->SetScreen(&AdventureScreen());
    const Ref<RunningGame> game(CurrentGame());
    Hero& hero = game->hero();
    const Ref<Town> marrowick(game->here().FindTown("Marrowick"));
    ASSERT_TRUE(marrowick && game->rentedBoat());
    const Ref<MapObj> boat = game->rentedBoat();
    EXPECT_EQ(std::tuple(boat->continent(), boat->cell()),
              std::tuple(1, game->world().Get(1)->entry()))
        << "the boat waits where the voyage ended";
    EXPECT_TRUE(marrowick->visited() && hero.hasSiegeWeapons());
    const std::string& spell = marrowick->spell();
    EXPECT_EQ(std::tuple(hero.spells().Count(spell), hero.spells().Count("TownGateSpell")),
              std::tuple(1, spell == "TownGateSpell" ? 1 : 0))
        << "the town's spell bought, the gate's used up";
    again.Play();
    EXPECT_EQ(game->rentedBoat(), nullptr);
    EXPECT_EQ(game->world().Get(1)->ObjectAt(game->world().Get(1)->entry()), nullptr);
    const Png back = Frame("back.png"), returned = Frame("returned.png");
    EXPECT_NE(back.rgba, returned.rgba);
    EXPECT_NE(Frame("town.png").rgba, Frame("bought.png").rgba);
    EXPECT_NE(Frame("continents.png").rgba, Frame("arrived.png").rgba);
}

}  // namespace
}  // namespace cv::e2e
