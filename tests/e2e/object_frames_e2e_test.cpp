// The forms of the map's objects on the real game folder, drawn headless by
// the game itself in each language and kept as frames to look at: a
// dwelling east of the hero with three dwarves chosen, one south-east of him
// whose unit his full army has no room for, the teacher of magic west of him
// and a signpost below him.
#include <gtest/gtest.h>

#include "game/world/dwelling.h"
#include "game/world/signpost.h"
#include "game/world/spell_teacher.h"
#include "headless_game.h"
#include "screens/game_session.h"

namespace cv::e2e {
namespace {

TEST_P(LanguageFrames, TheDwellingTheTeacherAndASignShowTheirForms) {
    Open("objects");
    // East onto the dwelling, three to the right, Esc; south-east to the
    // other; west to the teacher; south onto the sign.
    dir.Write("objects.txt", "tick 1\ntap 336 240\ntick 1\nkey Right\nkey Right\nkey Right\n" +
                                 Shot("warriors.png") + "key Esc\ntap 336 336\ntick 1\n" +
                                 Shot("overflow.png") + "key Esc\ntap 144 240\ntick 1\n" +
                                 Shot("teacher.png") + "key Esc\ntap 240 336\ntick 1\n" +
                                 Shot("sign.png") + "key Esc\nquit\n");
    HeadlessGame run(dir, "objects.txt");
    ASSERT_TRUE(run.started());
    const Ref<RunningGame> keep(CurrentGame());
    RunningGame& game = *keep;
    const Cell hero = game.hero().position();
    game.hero().SetGold(5000);
    game.hero().army().Clear();
    game.hero().army().Parse("Militia:20,Archers:2,Peasants:10,Wolves:5,Dwarves:2");
    Place<Dwelling>(game, {hero.x + 1, hero.y})->Setup(game.here(), "Dwarves");
    Place<Dwelling>(game, {hero.x + 1, hero.y - 1})->Setup(game.here(), "Skeletons");
    Place<SpellTeacher>(game, {hero.x - 1, hero.y})->SetPrice(5000);
    Place<Signpost>(game, {hero.x, hero.y - 1})
        ->SetName("Wolves hunt in packs in these woods. Do not walk them alone.");
    run.Play();

    EXPECT_EQ(game.hero().army().TotalOf("Dwarves"), 5);
    EXPECT_EQ(game.hero().army().TotalOf("Skeletons"), 0);
    EXPECT_FALSE(game.hero().canUseSpells());
    const Png warriors = Frame("warriors.png");
    const Png overflow = Frame("overflow.png");
    const Png teacher = Frame("teacher.png"), sign = Frame("sign.png");
    EXPECT_TRUE(warriors.rgba != overflow.rgba && overflow.rgba != teacher.rgba &&
                teacher.rgba != sign.rgba);
}

}  // namespace
}  // namespace cv::e2e
