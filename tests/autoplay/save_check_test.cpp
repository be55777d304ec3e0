#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <tuple>

#include "autoplay/auto_game.h"
#include "autoplay/game_rules.h"
#include "autoplay/object_moves.h"
#include "autoplay/save_check.h"
#include "platform/runtime_rand.h"

namespace cv::autoplay {
namespace {

// Saves checked at the weeks' ends, on the rules of the built game folder.
class WeeklySaves : public ::testing::Test {
protected:
    static void SetUpTestSuite() { LoadGameRules(CORVANTH_GAME_DIR); }

    static Ref<RunningGame> NewGame() {
        platform::Srand(5);
        return RunningGame::NewGame("Paladin", u"Auto", 0, 1);
    }
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Every week the game is played on from its loaded copy (where the armies
// that were chasing the hero stand idle, as a save leaves them) to its end.
TEST_F(WeeklySaves, WholeGamesLoadBackEveryWeekAndPlayOnToTheirEnd) {
    for (const auto& [heroClass, seed] : {std::pair("Barbarian", 1u), std::pair("Sorceress", 2u)}) {
        SCOPED_TRACE(heroClass);
        std::ostringstream log;
        const GameReport game =
            PlayGame(heroClass, 3, seed, kMostActions, &log, SaveChecks::kEveryWeek);
        EXPECT_EQ(game.saveFault, "");
        EXPECT_STRNE(OutcomeName(game.outcome), "stalled");
        // An action may pass two weeks at once; the weeks seen are checked.
        const std::string text = log.str();
        EXPECT_EQ(game.weekChecks, std::count(text.begin(), text.end(), '\n'));
        EXPECT_GT(game.weekChecks, game.weeks * 3 / 4);
    }
}

TEST_F(WeeklySaves, AChangeBetweenTheTwoSavesIsReportedInItsChunk) {
    const Ref<RunningGame> game = NewGame();
    const SaveCheck unchanged = CheckSave(*game);
    EXPECT_EQ(unchanged.fault, "");
    ASSERT_TRUE(unchanged.loaded);

    const std::string saved = SavedData(*game);
    const std::pair<const char*, std::function<void(RunningGame&)>> changes[] = {
        {"LOCS",
         [](RunningGame& copy) {
             Location& first = *copy.world().Get(0);
             first.RemoveObject(first.objects().back().get());
         }},
        {"HERO", [](RunningGame& copy) { copy.hero().AddGold(1); }},
        {"TIME", [](RunningGame& copy) { copy.time().SetDaysLeft(copy.time().daysLeft() - 1); }},
    };
    for (const auto& [chunk, change] : changes) {
        const Ref<RunningGame> copy = LoadSavedData(saved);
        change(*copy);
        const std::string fault = SaveFault(4, saved, SavedData(*copy));
        EXPECT_TRUE(Contains(fault, "week 4:")) << fault;
        EXPECT_TRUE(Contains(fault, std::string("(in ") + chunk)) << fault;
    }
}

TEST_F(WeeklySaves, TheFaultNamesTheFirstDifferingByte) {
    const std::string saved = SavedData(*NewGame());
    const size_t last = saved.size() - 1;
    auto flipped = [&](size_t at) {
        std::string bytes = saved;
        bytes[at] = static_cast<char>(bytes[at] ^ 1);
        return bytes;
    };
    const std::tuple<std::string, std::string> cases[] = {
        {flipped(0), "byte 0 (in LOCS"},
        {flipped(last), "byte " + std::to_string(last) + " (in VILS"},
        {saved.substr(0, last), "byte " + std::to_string(last) + " (in VILS"},
        {saved + '\0', "byte " + std::to_string(saved.size()) + " (in no chunk"},
    };
    for (const auto& [again, expected] : cases) {
        const std::string fault = SaveFault(1, saved, again);
        EXPECT_TRUE(Contains(fault, expected)) << fault;
    }
}

TEST_F(WeeklySaves, ThePlayersMemoryFollowsTheObjectsStillOnTheMap) {
    const Ref<RunningGame> game = NewGame();
    Location& first = *game->world().Get(0);
    ASSERT_FALSE(first.castles().empty());
    const Ref<MapObj> gone = first.objects().back();
    PlayerMemory memory;
    memory.castleNews[first.castles().front().get()] = {};
    memory.sightings[first.objects().front().get()] = {};
    memory.sightings[gone.get()] = {};
    first.RemoveObject(gone.get());

    const Ref<RunningGame> copy = LoadSavedData(SavedData(*game));
    const PlayerMemory moved = MovedMemory(memory, ObjectMoves(*game, *copy));
    const Location& copied = *copy->world().Get(0);
    ASSERT_EQ(moved.castleNews.size(), 1u);
    EXPECT_EQ(moved.castleNews.begin()->first, copied.castles().front().get());
    ASSERT_EQ(moved.sightings.size(), 1u);
    EXPECT_EQ(moved.sightings.begin()->first, copied.objects().front().get());
}

}  // namespace
}  // namespace cv::autoplay
