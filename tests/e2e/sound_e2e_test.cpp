// What the player hears, recorded in place of the mixer while the real game
// runs in this process on the built game folder: the music of each screen,
// a battle's blows by weapon and its end, a find and a step on the map, and
// the options' sound and music taking effect at once and kept in the CFG at
// the ends of their range.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/key_codes.h"
#include "audio/recording_audio.h"
#include "game/model/game_ui.h"
#include "game/world/bonus_objects.h"
#include "headless_game.h"
#include "screens/adventure_screen.h"
#include "screens/game_session.h"

namespace cv::e2e {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// The value of a CFG line "key=value", without its line end; "-" when absent.
std::string CfgValue(const std::string& cfg, const std::string& key) {
    const size_t at = cfg.find("\n" + key + "=");
    if (at == std::string::npos) return "-";
    const size_t from = at + key.size() + 2;
    return cfg.substr(from, cfg.find_first_of("\r\n", from) - from);
}

class Sounds : public ::testing::Test {
protected:
    void SetUp() override {
        CopyGameFolder(dir);
        fs::create_directories(dir / "Sounds");
        fs::copy_file(fs::path(CORVANTH_GAME_DIR) / "Sounds" / "sounds.ini",
                      dir / "Sounds" / "sounds.ini");
        SetAudio(&audio);
    }
    void TearDown() override { SetAudio(nullptr); }

    TempDir dir;
    RecordingAudio audio;
};

// The wolves stand next to the knights and the peasants are frozen; the hero
// ends his turn at once. The wolves bite, their foe strikes back with a
// sword, and next round the archers shoot the peasants: victory. Back on the
// map the hero walks onto a chest. The title's music gives way to the map's,
// the battle's, the victory's silence and the map's again.
TEST_F(Sounds, ABattleIsHeardBlowByBlowByWeaponAndEndsInVictoryBackOnTheMap) {
    // "Turn", then next round Tab to the archers, "Shoot" and the target
    // cursor from them over to the peasants, five cells to the right.
    dir.Write("battle.txt", "tick 1\n" + Tap(560, 170) + "tick 12\nkey Tab\n" + Tap(560, 105) +
                                "key Right\nkey Right\nkey Right\nkey Right\nkey Right\n"
                                "key Enter\ntick 6\nkey Enter\ntick 2\n"
                                "key Right\ntick 1\nkey Enter\ntick 2\nquit\n");
    HeadlessGame game(dir, "battle.txt");
    ASSERT_TRUE(game.started());
    RunningGame& world = *CurrentGame();
    const Cell ground = OpenGround(world, 0, 1, 0, 0);
    world.PlaceHero(world.hero().continent(), ground);
    Place<Treasure>(world, {ground.x + 1, ground.y});
    Hero& hero = world.hero();
    hero.army().Clear();
    hero.army().Parse("Knights:5,Archers:20");
    hero.AddLeadershipBonus(100000);
    Ref<Army> enemy = MakeRef<Army>();
    enemy->Parse("Wolves:3,Peasants:3");
    std::optional<BattleOutcome> outcome;
    Ui().StartBattle(enemy, [&](BattleOutcome result) { outcome = result; });
    auto& battle = dynamic_cast<BattleForm&>(AdventureScreen().front());
    battle.battle().field().Clear();
    battle.battle().StateOf(*enemy->At(0)).cell = {1, 0};
    battle.battle().StateOf(*enemy->At(1)).frozen = true;
    game.Play();

    EXPECT_EQ(outcome, BattleOutcome::kVictory);
    EXPECT_EQ(audio.Sounds(),
              (Lines{"ButtonClick", "StrikeBite", "StrikeBlade", "ButtonClick", "ShotArrow",
                     "Victory", "ButtonClick", "Treasure", "HeroStep", "ButtonClick"}));
    EXPECT_EQ(audio.Music(), (Lines{"Title", "Map", "Battle", "None", "Map"}));
}

// The options from the title screen, each row its own start of the game.
TEST_F(Sounds, OptionsAreHeardAtOnceAndKeptAtTheEndsOfTheirRange) {
    // Centres of the title's "Options", the check boxes, the volumes' arrows and OK.
    const std::string options = "tick 1\nkey Esc\ntick 1\n" + Tap(525, 382) + "tick 1\n";
    const std::string sound = Tap(98, 253), music = Tap(98, 293), ok = Tap(218, 369);
    const std::string soundEnd = Tap(353, 254), musicLeft = Tap(239, 294);
    std::string sixLeft;
    for (int i = 0; i < 6; ++i) sixLeft += musicLeft;
    struct Case {
        std::string taps;
        Lines log;
        int soundLevel, musicLevel;
        const char* cfgSound;  // the CFG's "Sound", "SoundVolume", "Music", "MusicVolume"
        const char* cfgSoundVolume;
        const char* cfgMusic;
        const char* cfgMusicVolume;
    };
    const Lines clicks8(8, "ButtonClick");
    Lines loudest = {"music Title"};
    loudest.insert(loudest.end(), clicks8.begin(), clicks8.end());
    loudest.insert(loudest.end(), {"music None", "ButtonClick"});
    const Case cases[] = {
        {soundEnd + sixLeft + ok, loudest, 100, 0, "-", "100", "-", "0"},
        {sound + music + ok,
         {"music Title", "ButtonClick", "ButtonClick", "music None"},
         0,
         0,
         "OFF",
         "-",
         "OFF",
         "-"},
        {soundEnd + music + "key Esc\n",
         {"music Title", "ButtonClick", "ButtonClick", "ButtonClick", "music None", "music Title"},
         80,
         60,
         "-",
         "-",
         "-",
         "-"},
    };
    for (const Case& c : cases) {
        TempDir run;
        CopyGameFolder(run);
        run.Write("title.txt", options + c.taps + "tick 1\nquit\n");
        audio.Clear();
        {
            platform::HeadlessPlatform host((run / "title.txt").string(), VirtualKeyOfKeyName);
            platform::SetCurrent(&host);
            GameApplication app((run / "Corvanth").string());
            ASSERT_TRUE(app.Init());
            app.Run();
            app.Exit();
            platform::SetCurrent(nullptr);
        }
        EXPECT_EQ(audio.log(), c.log) << c.taps;
        EXPECT_EQ(audio.soundLevel(), c.soundLevel) << c.taps;
        EXPECT_EQ(audio.musicLevel(), c.musicLevel) << c.taps;
        const std::string cfg = run.Read("Corvanth.CFG");
        EXPECT_EQ(CfgValue(cfg, "Sound"), c.cfgSound) << c.taps;
        EXPECT_EQ(CfgValue(cfg, "SoundVolume"), c.cfgSoundVolume) << c.taps;
        EXPECT_EQ(CfgValue(cfg, "Music"), c.cfgMusic) << c.taps;
        EXPECT_EQ(CfgValue(cfg, "MusicVolume"), c.cfgMusicVolume) << c.taps;
    }
}

}  // namespace
}  // namespace cv::e2e
