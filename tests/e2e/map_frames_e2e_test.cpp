// The map of the continents and the lists of towns and castles on the real
// game folder, drawn headless by the game itself in each language and kept as
// frames to look at: the hero's continent as far as he has seen it, then each
// of the four continents whole, the word that only a boat crosses the sea,
// and the towns and castles he has visited.
#include <gtest/gtest.h>

#include <string>

#include "headless_game.h"
#include "screens/game_session.h"

namespace cv::e2e {
namespace {

// The middle of a cell as the map view draws it: seven pixels a cell, 16 in
// from the corner, row 63 on top.
Region CellMiddle(Cell cell) {
    const int x = 16 + cell.x * 7 + 3, y = 16 + (kContinentSize - 1 - cell.y) * 7 + 3;
    return {x, y, x + 1, y + 1};
}

bool NearlyWhite(uint32_t rgb) {
    return (rgb & 0xF0F0F0u) == 0xF0F0F0u;
}

TEST_P(LanguageFrames, EachContinentWholeAndTheVisitedPlaces) {
    Open("map");
    // "Map", the cursor a cell up, then "Show Map" on each continent in turn by "Next"; "Travel"
    // on the last, on foot; out, "Towns", "Castles".
    std::string script = "tap 559 202\n" + Shot("explored.png") + "key Up\n" + Shot("cursor.png");
    for (int continent = 0; continent < 4; ++continent) {
        if (continent > 0) script += "tap 559 250\n";
        script += "tap 559 138\n" + Shot("continent" + std::to_string(continent) + ".png");
    }
    script += "tap 559 298\n" + Shot("boat.png") + "key Esc\nkey Esc\n";
    script += "tap 559 138\n" + Shot("towns.png") + "key Esc\ntap 559 170\n" + Shot("castles.png") +
              "key Esc\nquit\n";
    dir.Write("map.txt", script);

    HeadlessGame run(dir, "map.txt");
    ASSERT_TRUE(run.started());
    const Ref<GameSession> session(CurrentSession());
    RunningGame& game = session->game();
    Hero& hero = game.hero();
    ASSERT_EQ(game.world().Count(), 4);
    for (int i = 0; i < game.world().Count(); ++i) {
        hero.AddKnownContinent(i);
        hero.SetCompleteMap(i);
        for (const Ref<Town>& town : game.world().Get(i)->towns()) town->SetVisited(i < 2);
        for (const Ref<Castle>& castle : game.world().Get(i)->castles())
            castle->SetFlag(Castle::kVisited, i == 0);
    }
    const Cell start = hero.position();
    run.Play();
    EXPECT_EQ(std::pair(hero.continent(), hero.position()), std::pair(0, start));

    const Png explored = Frame("explored.png"), whole = Frame("continent0.png");
    EXPECT_TRUE(NearlyWhite(explored.Rgb(CellMiddle(start).x0, CellMiddle(start).y0)))
        << "the hero is marked";
    const Region corner = CellMiddle({63, 0});
    EXPECT_EQ(explored.Rgb(corner.x0, corner.y0) & 0xE0E0E0u, 0u) << "unexplored is dark";
    EXPECT_NE(whole.Rgb(corner.x0, corner.y0) & 0xE0E0E0u, 0u) << "the whole map shows it";
    for (int continent = 1; continent < 4; ++continent) {
        EXPECT_NE(Frame("continent" + std::to_string(continent) + ".png").rgba,
                  Frame("continent" + std::to_string(continent - 1) + ".png").rgba)
            << continent;
    }
    EXPECT_NE(Frame("boat.png").rgba, Frame("continent3.png").rgba);
    EXPECT_NE(Frame("towns.png").rgba, Frame("castles.png").rgba);
}

}  // namespace
}  // namespace cv::e2e
