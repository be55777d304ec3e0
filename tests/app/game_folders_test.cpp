#include "app/game_folders.h"

#include "app/user_dirs.h"

#include <gtest/gtest.h>

#include "core_test_support.h"

namespace cv {
namespace {

struct FolderCase {
    const char* what;
    std::string gameDir, installedData;
    FolderEnvironment env;
    GameFolders expected;
};

const FolderEnvironment kWritableBuild{"/home/ann", "", "", "", true};
const FolderEnvironment kReadOnly{"/home/ann", "", "", "", false};
const FolderEnvironment kXdg{"/home/ann", "/cfg", "/dat/", "/pics", false};

TEST(GameFolders, PortableInstalledAndOverriddenLayouts) {
    const FolderCase cases[] = {
        {"a writable folder is portable",
         "",
         "",
         kWritableBuild,
         {"/g/Corvanth.CFG", "/g/", "/g/", "/g/", false}},
        {"installed data, XDG unset",
         "",
         "/usr/share/games/corvanth",
         kWritableBuild,
         {"/home/ann/.config/corvanth/Corvanth.CFG", "/usr/share/games/corvanth/",
          "/home/ann/.local/share/corvanth/saves/", "/home/ann/.local/share/corvanth/saves/",
          true}},
        {"unwritable folder, data beside the executable",
         "",
         "",
         kReadOnly,
         {"/home/ann/.config/corvanth/Corvanth.CFG", "/g/",
          "/home/ann/.local/share/corvanth/saves/", "/home/ann/.local/share/corvanth/saves/",
          true}},
        {"XDG folders set",
         "",
         "",
         kXdg,
         {"/cfg/corvanth/Corvanth.CFG", "/g/", "/dat/corvanth/saves/", "/pics/corvanth/", true}},
        {"relative XDG values count as unset",
         "",
         "",
         {"/h", "cfg", "dat", "pics", false},
         {"/h/.config/corvanth/Corvanth.CFG", "/g/", "/h/.local/share/corvanth/saves/",
          "/h/.local/share/corvanth/saves/", true}},
        {"--game-dir wins over an installed layout",
         "/mine",
         "/usr/share/games/corvanth",
         kXdg,
         {"/mine/Corvanth.CFG", "/mine/", "/mine/", "/pics/corvanth/", false}},
    };
    for (const FolderCase& c : cases) {
        const GameFolders got = ChooseGameFolders("/g/", c.gameDir, c.installedData, c.env);
        EXPECT_EQ(got.cfg, c.expected.cfg) << c.what;
        EXPECT_EQ(got.data, c.expected.data) << c.what;
        EXPECT_EQ(got.saves, c.expected.saves) << c.what;
        EXPECT_EQ(got.pictures, c.expected.pictures) << c.what;
        EXPECT_EQ(got.installed, c.expected.installed) << c.what;
    }
}

TEST(GameFolders, InstalledDataOnlyBesideGamesOrBin) {
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/games/", "/usr/share/games/corvanth/"},
        {"/usr/local/bin/", "/usr/local/share/games/corvanth/"},
        {"/work/build/dev/game/", ""},
        {"/games2/", ""},
    };
    for (const auto& [exeFolder, data] : cases) EXPECT_EQ(InstalledDataFolder(exeFolder), data);
}

TEST(GameFolders, FirstStartCopiesTheDefaultCfgAndKeepsThePlayersOwn) {
    test::ScratchDir dir;
    dir.Write("data/Corvanth.CFG", "CurLanguage=English\n");
    GameFolders folders{dir / "cfg/corvanth/Corvanth.CFG", dir / "data/", dir / "saves/",
                        dir / "saves/", true};
    PrepareGameFolders(folders);
    EXPECT_EQ(dir.Read("cfg/corvanth/Corvanth.CFG"), "CurLanguage=English\n");
    EXPECT_TRUE(dir.Has("saves"));

    dir.Write("cfg/corvanth/Corvanth.CFG", "CurLanguage=Deutsch\n");
    PrepareGameFolders(folders);
    EXPECT_EQ(dir.Read("cfg/corvanth/Corvanth.CFG"), "CurLanguage=Deutsch\n");
}

TEST(GameFolders, FreeFileNameNeverTakesAnExistingFile) {
    test::ScratchDir dir;
    EXPECT_EQ(FreeFileName(dir.str(), "Shot", ".png"), dir / "Shot.png");
    dir.Write("Shot.png", "x");
    EXPECT_EQ(FreeFileName(dir.str(), "Shot", ".png"), dir / "Shot-2.png");
    dir.Write("Shot-2.png", "x");
    EXPECT_EQ(FreeFileName(dir.str(), "Shot", ".png"), dir / "Shot-3.png");
}

TEST(GameFolders, PicturesFolderFromTheDesktopsUserDirs) {
    const std::pair<const char*, const char*> cases[] = {
        {"XDG_PICTURES_DIR=\"$HOME/Bilder\"\n", "/home/ann/Bilder"},
        {"# XDG_PICTURES_DIR=\"/no\"\nXDG_MUSIC_DIR=\"$HOME/Music\"\n", ""},
        {"XDG_PICTURES_DIR=\"/srv/pics\"\r\n", "/srv/pics"},
        {"XDG_PICTURES_DIR=\"Pictures\"\n", ""},
        {"XDG_PICTURES_DIR=\"/a\"\nXDG_PICTURES_DIR=\"$HOME/b\"\n", "/home/ann/b"},
    };
    for (const auto& [text, folder] : cases) {
        EXPECT_EQ(PicturesFolderFromUserDirs(text, "/home/ann"), folder) << text;
    }
}

// The random map set must not go beside an installed game's data.
TEST(GameFolders, PlayerDataAboveTheSavesOnlyWhenInstalled) {
    struct Case {
        const char *what, *gameDir, *installedData;
        FolderEnvironment env;
        const char* playerData;
    };
    const Case cases[] = {
        {"portable", "", "", kWritableBuild, "/g/"},
        {"installed, XDG unset", "", "/usr/share/games/corvanth", kWritableBuild,
         "/home/ann/.local/share/corvanth/"},
        {"XDG data folder set", "", "", kXdg, "/dat/corvanth/"},
        {"--game-dir", "/mine", "/usr/share/games/corvanth", kXdg, "/mine/"},
    };
    for (const Case& c : cases) {
        const GameFolders got = ChooseGameFolders("/g/", c.gameDir, c.installedData, c.env);
        EXPECT_EQ(PlayerDataFolder(got), c.playerData) << c.what;
    }
}

}  // namespace
}  // namespace cv
