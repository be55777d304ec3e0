// The panels beside the adventure map drawn headless by the game on the real
// game folder in each language and kept as frames to look at: a new knight's
// empty panels, then every panel filled, one of them focused by the keys, and
// the contract it opens.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless_game.h"
#include "screens/adventure_screen.h"
#include "screens/game_session.h"

namespace cv::e2e {
namespace {

constexpr const char* kPanels[] = {"Villain", "WeaponInfo", "SpellInfo", "MapPieces", "GoldInfo"};

int ChangedPixels(const Png& a, const Png& b, const Rect& area) {
    int changed = 0;
    for (int y = area.y; y < area.y + area.height; ++y) {
        for (int x = area.x; x < area.x + area.width; ++x) changed += a.Rgb(x, y) != b.Rgb(x, y);
    }
    return changed;
}

// What a new game shows, then the contract, the siege engines, spells, found
// pieces and a fortune that needs the smaller letters.
void FillPanels(RunningGame& game) {
    Hero& hero = game.hero();
    hero.SetCurrentContract(game.villains().At(0).number());
    hero.SetSiegeWeapons(true);
    hero.spells().Add("FireballSpell", 1);
    for (int i = 1; i < 5; ++i) game.villains().At(i).SetArmy(nullptr);
    hero.AddArtifact("A1");
    hero.SetGold(1234567);
}

class PanelFrames : public LanguageFrames {
protected:
    void SetUp() override { Open("panels"); }

    // Plays the script on a new game changed by `change`; the panels' places.
    std::vector<Rect> Play(const std::string& script, void (*change)(RunningGame&)) {
        dir.Write("panels.txt", script + "quit\n");
        HeadlessGame run(dir, "panels.txt");
        EXPECT_TRUE(run.started());
        if (!run.started()) return {};
        change(*CurrentGame());
        std::vector<Rect> places;
        for (const char* panel : kPanels) {
            places.push_back(AdventureScreen().findChild(panel)->bounds());
        }
        run.Play();
        return places;
    }
};

TEST_P(PanelFrames, EachPanelChangesWithinItsOwnPlaceOnly) {
    const std::vector<Rect> places = Play(Shot("empty.png"), [](RunningGame&) {});
    Play(Shot("filled.png") + "key Tab\nkey Down\n" + Shot("focused.png") + "key Enter\n" +
             Shot("contract.png"),
         FillPanels);
    ASSERT_EQ(places.size(), std::size(kPanels));
    const Png empty = Frame("empty.png"), filled = Frame("filled.png");
    for (size_t i = 0; i < places.size(); ++i) {
        EXPECT_GT(ChangedPixels(empty, filled, places[i]), 0) << kPanels[i];
    }
    // Between the two columns and the rows, nothing of a larger picture shows.
    const Rect &first = places[0], &right = places[1], &below = places[2];
    const int across = first.x + first.width, down = first.y + first.height;
    const Rect gaps[] = {{across, first.y, right.x - across, below.y + below.height - first.y},
                         {first.x, down, right.x + right.width - first.x, below.y - down}};
    for (const Rect& gap : gaps) EXPECT_EQ(ChangedPixels(empty, filled, gap), 0);
    const Rect outline{first.x - 1, first.y - 1, first.width + 2, first.height + 2};
    EXPECT_GT(ChangedPixels(filled, Frame("focused.png"), outline), 0) << "the focus";
    EXPECT_GT(ChangedPixels(Frame("focused.png"), Frame("contract.png"), {40, 40, 400, 400}), 0);
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, PanelFrames, ::testing::Values("English", "Deutsch"));

}  // namespace
}  // namespace cv::e2e
