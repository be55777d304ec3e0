// The built game folder against its sources: every resource that the art list,
// a form or the code names is in the package the CFG gives it, every picture,
// font, text and animation loads, and the rules start a game on the continents.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <vector>

#include "app/cfg_file.h"
#include "app/cfg_resource_groups.h"
#include "core/byte_io.h"
#include "core/config_parser.h"
#include "core/dispatcher_access.h"
#include "core/language.h"
#include "core/language_file.h"
#include "core/memory_stream.h"
#include "core/resource_groups.h"
#include "core/save_chunks.h"
#include "core/settings.h"
#include "core/stream.h"
#include "game/combat/battle_input.h"
#include "game/model/spell_system.h"
#include "game/model/unit_tables.h"
#include "game/model/villain.h"
#include "game/world/castle.h"
#include "game/world/running_game.h"
#include "game/world/terrain_kinds.h"
#include "game/world/town_services.h"
#include "gfx/animation.h"
#include "gfx/font.h"
#include "gfx/image_cache.h"
#include "gfx/sprite_picture.h"
#include "gui/form_reader.h"
#include "gui/virtual_keyboard.h"
#include "mapgen/random_maps.h"
#include "screens/adventure_screen.h"
#include "screens/army_view_dialog.h"
#include "screens/battle_screen.h"
#include "screens/bridge_building_dialog.h"
#include "screens/castle_main_dialog.h"
#include "screens/castle_of_king_dialog.h"
#include "screens/castle_page.h"
#include "screens/castle_recruit_dialog.h"
#include "screens/contract_dialogs.h"
#include "screens/credits_dialog.h"
#include "screens/ending_dialog.h"
#include "screens/game_menu.h"
#include "screens/hero_select_screen.h"
#include "screens/hero_status_dialog.h"
#include "screens/king_audience_dialog.h"
#include "screens/language_dialog.h"
#include "screens/load_game_dialog.h"
#include "screens/map_view_dialog.h"
#include "screens/message_box_dialog.h"
#include "screens/new_game_screen.h"
#include "screens/options_dialog.h"
#include "screens/puzzle_dialog.h"
#include "screens/random_maps_screen.h"
#include "screens/select_continent_dialog.h"
#include "screens/sign_dialog.h"
#include "screens/spell_list_dialog.h"
#include "screens/tactics_menu.h"
#include "screens/teach_spell_dialog.h"
#include "screens/title_screen.h"
#include "screens/town_dialog.h"
#include "screens/towns_list_dialog.h"
#include "screens/warriors_dialog.h"
#include "screens/week_report_dialog.h"
#include "support/error_of.h"

namespace cv {
namespace {

namespace fs = std::filesystem;

// Name and package of every picture of the art list.
std::vector<std::pair<std::string, std::string>> ArtList() {
    static const std::regex entry(R"(^([^#|\s][^|]*?)\s*\|\s*(\w+)\s*\|)");
    std::ifstream in(fs::path(CORVANTH_DATA_DIR) / "art.list");
    std::vector<std::pair<std::string, std::string>> pictures;
    std::smatch m;
    for (std::string line; std::getline(in, line);) {
        if (std::regex_search(line, m, entry)) pictures.emplace_back(m[1], m[2]);
    }
    return pictures;
}

// The group a package of the CFG fills: the main package is the unnamed one.
ResourceGroup* GroupOfPackage(const std::string& package) {
    return package == "Corvanth" ? DefaultGroup() : FindGroup(package);
}

class GameData : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // Loading a language saves the CFG: a copy takes it.
        const fs::path cfg = CfgCopy();
        fs::copy_file(fs::path(CORVANTH_GAME_DIR) / "Corvanth.CFG", cfg,
                      fs::copy_options::overwrite_existing);
        SetCfgPath(cfg.string());
        SetAppDir(std::string(CORVANTH_GAME_DIR) + "/");
        Settings().clear();
        CfgResourceGroups groups;
        ReadCfgFile(groups);
        ImageExtension() = ".s16";
    }

    static void TearDownTestSuite() { fs::remove(CfgCopy()); }
    static fs::path CfgCopy() { return fs::temp_directory_path() / "corvanth_game_data_test.CFG"; }

    // The picture from exactly that group's sources, drawn as the game draws it.
    static RgbaPicture PictureIn(ResourceGroup& group, const std::string& name) {
        Ref<Stream> stream = group.Open(name + ".s16");
        if (!stream) return {};
        Sprite sprite;
        sprite.load(*stream);
        return UprightPictureOf(sprite);
    }

    static bool HasInk(const RgbaPicture& picture) {
        for (size_t i = 3; i < picture.pixels.size(); i += 4) {
            if (picture.pixels[i] != 0) return true;
        }
        return false;
    }

    // The packaged rules, with the unit tables read from them.
    static void LoadRules() {
        SetRoot(MakeRef<Dispatcher>());
        Parse(*Root(), ReadAll(*OpenResourceOrFail("cv.ini")));
        Units().Load(Root());
        Spells().Load(Root());
    }

    // The picture each item of the rules node `path` names by `key`.
    static std::vector<std::string> PicturesOfItems(const char* path, const char* key,
                                                    Dispatcher* rules = Root()) {
        std::vector<std::string> pictures;
        for (const auto& [id, item] : FindNode(rules, path)->children()) {
            std::string picture;
            EXPECT_TRUE(FindValue(item->AsDispatcher(), key)->GetString(picture)) << path << id;
            pictures.push_back(picture);
        }
        return pictures;
    }

    // A ground drawn at a cell's corner: exactly the cell, without a hole
    // through which the previous frame would show.
    static void ExpectCovers(const RgbaPicture& ground, Size cell, const std::string& name) {
        ASSERT_EQ((Size{ground.width, ground.height}), cell) << name;
        for (size_t i = 3; i < ground.pixels.size(); i += 4) {
            ASSERT_EQ(ground.pixels[i], 255) << name << " has a hole at pixel " << i / 4;
        }
    }

    // Every frame of a figure centred on a cell stays inside it and lets the
    // ground show at its corner.
    static void ExpectFits(const std::string& animation, Size cell) {
        Ref<Animation> figure = createAnimationById(animation);
        ASSERT_TRUE(figure) << animation;
        for (int i = 0; i < figure->frameCount(); ++i) {
            const RgbaPicture frame = UprightPictureOf(*figure->frameSprite(i));
            EXPECT_LE(frame.width, cell.width) << animation << " frame " << i;
            EXPECT_LE(frame.height, cell.height) << animation << " frame " << i;
            EXPECT_EQ(frame.At(0, 0)[3], 0) << animation << " frame " << i << " hides its cell";
        }
    }
};

// The pictures of the art list, and those the widgets ask for by name.
TEST_F(GameData, EveryPictureIsInItsPackageAndShowsSomething) {
    auto pictures = ArtList();
    ASSERT_FALSE(pictures.empty());
    for (std::string name :
         {"check_on", "check_off", "radio_on", "radio_off", "Cancel_Norm", "Cancel_Select",
          "Cancel_Pressed", "Plate_Norm", "Plate_Select", "Plate_Pressed", "Plate_Gray"}) {
        pictures.emplace_back("Img\\STDGUI\\" + name, "Corvanth");
    }
    for (const char* arrow : {"Left", "Right", "End"}) {
        for (const char* state : {"Norm", "Hi", "Gr", "Pr"})
            pictures.emplace_back(std::string("Img\\STDGUI\\") + arrow + state, "Corvanth");
    }
    for (const auto& [name, package] : pictures) {
        ResourceGroup* group = GroupOfPackage(package);
        ASSERT_NE(group, nullptr) << package;
        EXPECT_TRUE(HasInk(PictureIn(*group, name))) << name << " is missing or empty";
    }
}

// Each screen reads its form with the class that shows it: every picture,
// widget kind and animation frame the form or the code names exists, the
// widgets the code fills are there, and the background covers the screen.
TEST_F(GameData, EveryScreenReadsItsFormAndHoldsTheWidgetsItFills) {
    LoadRules();
    LoadAnimationTable();
    LoadLanguage("English.lng.txt");
    struct ScreenForm {
        const char* name;
        Ref<Form> form;
        std::vector<std::string> widgets;
    };
    const Ref<BattleForm> battle =
        MakeRef<BattleForm>(MakeRef<RunningGame>(), MakeRef<Army>(), nullptr);
    const Ref<Hero> knight = MakeRef<Hero>();
    knight->Create("Knight", u"Arthur", 0, 1);
    const Ref<Dwelling> dwelling = MakeRef<Dwelling>();
    dwelling->Setup(*MakeRef<Location>(0, "Scratch"), "Archers");
    const Ref<SpellTeacher> teacher = MakeRef<SpellTeacher>();
    const Ref<Castle> castle = MakeRef<Castle>();
    Spells().Load(Root());
    const Ref<Town> town = MakeRef<Town>();
    town->SetSpell("TownGateSpell");
    const ScreenForm screens[] = {
        {"Start",
         MakeRef<TitleForm>(),
         {"New Game", "Load Game", "Cred", "Language", "Options", "Exit", "Fire"}},
        {"Cred", MakeRef<CreditsDialog>(), {"Title", "Game", "Art", "Cancel"}},
        {"LangSel", MakeRef<LanguageDialog>(), {"Title", "Lang0", "Lang1", "Current", "OK"}},
        {"Settings",
         MakeRef<OptionsDialog>(),
         {"Title", "FlipScreen", "Animation", "Sound", "SoundVolume", "Music", "MusicVolume",
          "OK"}},
        {"Game",
         MakeRef<AdventureForm>(MakeRef<RunningGame>()),
         {"A1", "E5", "B2", "C3", "D4", "Status", "Fly", "Land", "Info", "Towns", "Castles", "Map",
          "Menu", "Villain", "WeaponInfo", "SpellInfo", "MapPieces", "GoldInfo"}},
        {"Menu",
         MakeRef<GameMenuDialog>(),
         {"Title", "NewContinent", "WeekEnd", "PuzzleMap", "Search", "Language", "Save", "Load",
          "Quit", "Cancel"}},
        {"MsgBox",
         MakeRef<MessageBoxDialog>(GameMessage{u"?", {}, "Yes,No", {}, {}}, AnswerHandler()),
         {"Picture", "Text", "Button0", "Button1", "Button2"}},
        {"WeekReport",
         MakeRef<WeekReportDialog>(WeeklyBudget(), AnswerHandler()),
         {"Title", "SField4", "Field4", "Army9", "NArmy9", "OK"}},
        {"SelectHero",
         MakeRef<SelectHeroForm>(),
         {"Status", "Knight", "Paladin", "Sorceress", "Barbarian", "Exit"}},
        {"NewGame",
         MakeRef<NewGameForm>(),
         {"Hero", "Title", "Hero Name", "VKbd", "RandMaps", "Difficulty3", "Days3", "Score3",
          "Info", "Start Game"}},
        {"LoadGame",
         MakeRef<LoadGameDialog>(),
         {"Title", "GamesList", "PgUp", "PgDown", "Status", "Hero", "Start Game", "Erase"}},
        {"MapGen", MakeRef<RandomMapsForm>(nullptr), {"Text"}},
        {"Tactics",
         battle,
         {"BattleField", "Status", "Message", "Spells", "Menu", "Shoot", "Fly", "Turn"}},
        {"TacticsMenu",
         MakeRef<TacticsMenuDialog>(*battle),
         {"Title", "Army", "Info", "GiveUp", "Cancel"}},
        {"ArmyView",
         MakeRef<ArmyViewDialog>(knight, true),
         {"Header", "UnitBk1", "UnitAnim1", "Count1", "Name1", "InfoBk1", "SL5", "MV5", "Morale5",
          "Hit5", "Dmg5", "Cost5", "Dism5"}},
        {"HeroStatus",
         MakeRef<HeroStatusDialog>(knight),
         {"Header", "Hero", "Title", "SField10", "Field10", "Slot7"}},
        {"CombatSpells",
         MakeRef<SpellListDialog>(u"", "CItem", std::vector<SpellListItem>{}, AnswerHandler()),
         {"Title", "CItem0", "CItem9", "Cancel"}},
        {"AdventureSpells",
         MakeRef<SpellListDialog>(u"", "Item", std::vector<SpellListItem>{}, AnswerHandler()),
         {"Title", "Item0", "Item6", "CHeader", "Cancel"}},
        {"BridgeBuilding",
         MakeRef<BridgeBuildingDialog>(std::vector<std::string>{}, AnswerHandler()),
         {"Title", "Left", "Right", "Down", "Up", "Cancel"}},
        {"CastleOfKing",
         MakeRef<CastleOfKingDialog>(knight, AnswerHandler()),
         {"Title", "King", "Recruit", "Audience", "Exit"}},
        {"KingAudience", MakeRef<KingAudienceDialog>(knight), {"Title", "King", "Text", "Exit"}},
        {"CastleRecruit",
         MakeRef<CastleRecruitDialog>(knight),
         {"Title", "Name0", "Cost0", "Count0", "Name4", "Cost4", "Count4", "GP", "Recruit",
          "Cancel"}},
        {"Puzzle",
         MakeRef<PuzzleDialog>(std::vector<PuzzlePiece>{}, AnswerHandler()),
         {"Pieces", "Title", "Help", "Exit"}},
        {"Winner", MakeRef<EndingDialog>(knight, true, AnswerHandler()), {"Hero", "Text", "Exit"}},
        {"Fail", MakeRef<EndingDialog>(knight, false, AnswerHandler()), {"Hero", "Text", "Exit"}},
        {"Warriors",
         MakeRef<WarriorsDialog>(dwelling, knight, AnswerHandler()),
         {"Header", "Place", "Ground", "Unit", "UnitName", "AvailCount", "Cost", "Limit",
          "GoldInfo", "GP", "Warning", "How", "Count"}},
        {"TeachSpell",
         MakeRef<TeachSpellDialog>(teacher, knight, AnswerHandler()),
         {"Unit", "Info", "OK", "Cancel"}},
        {"Sign", MakeRef<SignDialog>(u"", AnswerHandler()), {"Header", "Text", "Cancel"}},
        {"SelectContract",
         MakeRef<SelectContractDialog>(MakeRef<RunningGame>(), AnswerHandler()),
         {"Title", "View", "Info1", "Info2", "Prev", "OK", "Next", "Cancel"}},
        {"ContractInfo",
         MakeRef<ContractInfoDialog>(MakeRef<RunningGame>(), AnswerHandler()),
         {"Title", "View", "Info1", "Info2", "Cancel"}},
        {"CastleMain",
         MakeRef<CastleMainDialog>(castle, knight, AnswerHandler()),
         {"CastleGarrison"}},
        {"TownsList",
         MakeRef<TownsListDialog>(u"", 0, std::vector<GateLine>{}, nullptr, AnswerHandler()),
         {"Header", "List", "Count", "PgUp", "PgDown", "Cancel"}},
        {"Town",
         MakeRef<TownDialog>(town, MakeRef<RunningGame>(), AnswerHandler()),
         {"Town", "Header", "Unit", "Item1", "Item2", "Item3", "Item4", "Item5", "Weapons",
          "GoldInfo", "GP"}},
        {"SelectContinent",
         MakeRef<SelectContinentDialog>(MakeRef<RunningGame>(), AnswerHandler()),
         {"Header", "Item0", "Item1", "Item2", "Item3", "Cancel"}},
        {"ScrMap",
         MakeRef<MapViewDialog>(MakeRef<RunningGame>(), AnswerHandler()),
         {"Map", "Title", "Status", "ShowMap", "HideMap", "Prev", "Next", "Travel", "Hide",
          "Cancel"}}};
    for (const ScreenForm& screen : screens) {
        EXPECT_EQ(test::ErrorOf([&] { loadForm(*screen.form, screen.name); }), "no error")
            << screen.name;
        ASSERT_TRUE(screen.form->background()) << screen.name;
        EXPECT_EQ(screen.form->background()->getSize(), (Size{640, 480})) << screen.name;
        for (const std::string& widget : screen.widgets) {
            EXPECT_TRUE(screen.form->findChild(widget)) << screen.name << ": " << widget;
        }
    }
    // The castle's pages lie over its frame, without a background of their own.
    for (const auto kind : {CastlePage::Kind::kGarrison, CastlePage::Kind::kRemove}) {
        const Ref<CastlePage> page = CastlePage::Open(kind, castle, knight);
        std::vector<std::string> widgets = {"Castle", "Prompt", "Item0", "Item4", "Switch", "Exit"};
        if (kind == CastlePage::Kind::kGarrison) widgets.insert(widgets.end(), {"GP", "GoldInfo"});
        for (const std::string& widget : widgets) {
            EXPECT_TRUE(page->findChild(widget)) << page->name() << ": " << widget;
        }
    }
}

// Every villain of the rules is named, described and drawn, and every castle
// of the shipped continents is named, in each language.
TEST_F(GameData, EveryVillainCastleAndTownIsNamedInEveryLanguage) {
    LoadRules();
    VillainTable villains;
    villains.Load(Root());
    ASSERT_GT(villains.Count(), 0);
    std::vector<std::string> keys;
    for (int i = 0; i < villains.Count(); ++i) {
        for (const char* suffix : {"", ".Alias", ".Features", ".Crimes"})
            keys.push_back(villains.At(i).TextKey(suffix));
        EXPECT_TRUE(OpenResource(villains.At(i).Portrait() + ".s16")) << villains.At(i).Portrait();
    }
    for (const auto& [id, continent] : FindNode(Root(), "Maps")->children()) {
        for (const char* places : {"Castles", "Towns"}) {
            Dispatcher* node = FindNode(continent->AsDispatcher(), places);
            for (const auto& [name, place] : node ? node->children() : Dispatcher::Children{}) {
                keys.push_back(name);
            }
        }
    }
    for (const std::string& language : OfferedLanguages()) {
        const std::string file = language + ".lng.txt";
        const LanguageTable table =
            ParseLanguageFile(ReadAll(*FindGroup(language)->Open(file)), file);
        for (const std::string& key : keys)
            EXPECT_TRUE(table.count(key)) << language << ": " << key;
    }
}

// Each language comes from its own package, the on-screen keyboard loads, and
// both fonts draw every character that a shipped text or the keyboard can show.
TEST_F(GameData, EveryLanguageIsOfferedAndTheFontsDrawAllItsLetters) {
    EXPECT_EQ(CfgGet("CurLanguage", ""), "English");
    EXPECT_EQ(OfferedLanguages(), (std::vector<std::string>{"English", "Deutsch"}));
    std::u16string shown;
    for (const std::string& language : OfferedLanguages()) {
        const std::string file = language + ".lng.txt";
        const LanguageTable table =
            ParseLanguageFile(ReadAll(*FindGroup(language)->Open(file)), file);
        EXPECT_GT(table.size(), 10u) << language;
        for (const auto& entry : table) shown += entry.second;
    }
    EXPECT_EQ(test::ErrorOf(
                  [] { MakeRef<VirtualKeyboard>()->load(*OpenResourceOrFail("VKbd\\Std.txt")); }),
              "no error");
    const std::string keyboard = ReadAll(*OpenResourceOrFail("VKbd\\Std.txt"));
    ASSERT_EQ(keyboard.substr(0, 2), "\xFF\xFE");
    for (size_t i = 2; i + 1 < keyboard.size(); i += 2) {
        shown += static_cast<char16_t>(static_cast<uint8_t>(keyboard[i]) |
                                       static_cast<uint8_t>(keyboard[i + 1]) << 8);
    }
    for (const char* fontName : {"Fonts\\arial.fnm", "Fonts\\small.fnm"}) {
        Ref<Font> font = loadFont(fontName);
        EXPECT_GE(font->getHeight(), 12) << fontName;
        for (char16_t ch : shown) {
            if (ch == u'\n' || ch == u'\r') continue;
            EXPECT_TRUE(font->hasGlyph(ch)) << fontName << " lacks U+" << std::hex << int(ch);
        }
    }
}

// The adventure map draws every cell's ground edge to edge, so a tile with a
// hole or the wrong size leaves the previous frame showing; the hero must fit
// his cell and the command marks must let the ground show through.
TEST_F(GameData, MapTilesCoverTheirCellsAndTheHeroAndMarksFitOne) {
    SetRoot(MakeRef<Dispatcher>());
    Parse(*Root(), ReadAll(*OpenResourceOrFail("cv.ini")));
    std::vector<int> kinds = {16};  // the magic circle of teleporters and teachers
    for (const auto& [name, kind] : FindNode(Root(), "Terrains")->children()) {
        kinds.push_back(std::stoi(name));
    }
    for (int kind : kinds) {
        const std::string name = TerrainImageName(kind);
        ExpectCovers(PictureIn(*DefaultGroup(), name), {96, 96}, name);
    }
    LoadAnimationTable();
    for (const char* name : {"MainHeroLand", "Sail", "MainHeroAir"}) ExpectFits(name, {96, 96});
    for (const char* mark : {"1", "2", "3", "4", "6", "7", "8", "9", "stop", "selOk"}) {
        const RgbaPicture picture = PictureIn(*DefaultGroup(), std::string("Img\\Arrows\\") + mark);
        EXPECT_LE(picture.width, 96) << mark;
        uint8_t mostOpaque = 0;
        for (size_t i = 3; i < picture.pixels.size(); i += 4)
            mostOpaque = std::max(mostOpaque, picture.pixels[i]);
        EXPECT_LT(mostOpaque, 255) << mark << " hides the ground under it";
    }
}

// Every picture a rule, an animation, the battle screen or the hero's
// information names is packed, so that no battle, message or map ends the
// game with "Resource not found".
TEST_F(GameData, EveryPictureTheRulesAnimationsAndBattleNameIsPacked) {
    LoadRules();
    LoadAnimationTable();
    const std::vector<std::string> animations = AnimationNames();
    std::vector<std::string> names = {"Img\\freezy", "Img\\spell", "Img\\Army\\Gnomes.Layer 4",
                                      "Terr\\003"};
    // What the map's objects and the treasure's messages show.
    names.insert(names.end(), {"Terr\\016", "Img\\treasure", "Img\\sign", "Img\\Main\\sail.Layer 1",
                               "Img\\Nomad", "Img\\canister", "Img\\gold", "Img\\Inv\\A5"});
    // The King on his castle's forms and the puzzle's pieces.
    names.insert(names.end(), {kKingPicture, "Img\\Puzzle\\piece", "Img\\Puzzle\\gap"});
    // The siege engines a siege asks for and the picture of a castle of the hero's.
    names.insert(names.end(), {"Img\\UI\\Weapon1", "Img\\Main\\cav.Layer 1"});
    // The contract panel without a villain to hunt; a town on the map and on its form.
    names.insert(names.end(), {"Img\\UI\\NoContract", "Img\\town", "Forms\\Town\\ground"});
    // The panels beside the adventure map.
    names.insert(names.end(),
                 {"Img\\$HiCell", "Img\\UI\\NoWeapon", "Img\\UI\\Spell", "Img\\UI\\NoSpell",
                  "Img\\UI\\map", "Img\\UI\\brick", "Img\\UI\\gold"});
    for (const auto& [id, artifact] : FindNode(Root(), "Artifacts")->children()) {
        names.push_back("Img\\Artifacts\\" + id);
        names.push_back("Img\\Inv\\" + id);
        names.push_back("Img\\Inv\\empty" + id.substr(0, 1));
    }
    for (auto cursor = BattleCursor::kFly; cursor <= BattleCursor::kSpell;
         cursor = static_cast<BattleCursor>(static_cast<int>(cursor) + 1)) {
        names.push_back(std::string("Img\\Arrows\\") + CursorName(cursor));
    }
    for (int i = 0; i < Units().UnitCount(); ++i) {
        const SquadDef& unit = *Units().UnitAt(i);
        names.push_back(unit.StillPicture());
        names.push_back("Img\\Warriors\\" + unit.source);  // the ground it is recruited on
        EXPECT_TRUE(std::count(animations.begin(), animations.end(), unit.AnimationName()))
            << unit.AnimationName() << " is not in anim.ini";
    }
    for (const auto& [path, key] :
         {std::pair{"TacticsMap", "Img"}, {"Maps", "EnemyIcon"}, {"Maps", "MapIcon"}}) {
        for (const std::string& picture : PicturesOfItems(path, key)) names.push_back(picture);
    }
    // A random map set names its continents' pictures as the shipped one does.
    const fs::path mapSet = fs::temp_directory_path() / "corvanth_game_data_maps";
    fs::create_directories(mapSet);
    ASSERT_TRUE(GenerateRandomMaps(mapSet.string(), 1));
    std::ifstream mapIni(mapSet / "map.ini");
    const Ref<Dispatcher> generated = MakeRef<Dispatcher>();
    Parse(*generated, std::string(std::istreambuf_iterator<char>(mapIni), {}));
    fs::remove_all(mapSet);
    for (const char* key : {"EnemyIcon", "MapIcon"}) {
        for (const std::string& picture : PicturesOfItems("Maps", key, generated.get()))
            names.push_back(picture);
    }
    std::vector<std::string> missing;
    for (const std::string& name : names) {
        if (!OpenResource(name + ".s16")) missing.push_back(name);
    }
    EXPECT_EQ(missing, std::vector<std::string>{});
    for (const std::string& name : animations) {
        EXPECT_EQ(test::ErrorOf([&] { createAnimationById(name); }), "no error") << name;
    }
}

// The battlefield draws each cell's ground at the cell's corner and each squad
// centred on its cell, so the grounds must cover a cell of the field the form
// lays out and every squad's frames fit one.
TEST_F(GameData, BattleCellsAreCoveredAndEverySquadFitsOne) {
    LoadRules();
    LoadAnimationTable();
    LoadLanguage("English.lng.txt");
    const Ref<BattleForm> battle =
        MakeRef<BattleForm>(MakeRef<RunningGame>(), MakeRef<Army>(), nullptr);
    loadForm(*battle, "Tactics");
    const Rect field = battle->findChild("BattleField")->bounds();
    const Size cell{field.width / Battlefield::kWidth, field.height / Battlefield::kHeight};
    for (const std::string& name : PicturesOfItems("TacticsMap", "Img")) {
        ExpectCovers(PictureIn(*DefaultGroup(), name), cell, name);
    }
    for (int i = 0; i < Units().UnitCount(); ++i)
        ExpectFits(Units().UnitAt(i)->AnimationName(), cell);
}

size_t ChildCount(const std::string& path) {
    Dispatcher* node = FindNode(Root(), path);
    return node ? node->children().size() : 0;
}

// The shipped rules with the continents the build appends: every class starts
// at the gate of the King's castle on the first continent, on ground it can walk,
// and each continent a villain or an artifact names exists with castles enough
// for the villains placed on it.
TEST_F(GameData, ANewGameOfEveryClassStartsOnTheShippedContinents) {
    LoadRules();
    LoadTerrainKinds(Root());
    for (const char* classId : {"Knight", "Paladin", "Sorceress", "Barbarian"}) {
        SCOPED_TRACE(classId);
        Ref<RunningGame> game = RunningGame::NewGame(classId, u"Tester", 0, 1);
        ASSERT_EQ(game->world().Count(), 4);
        const Hero& hero = game->hero();
        EXPECT_EQ(hero.continent(), 0);
        EXPECT_EQ(hero.position(), hero.start());
        EXPECT_EQ(game->here().TerrainAt(hero.start()), 13);  // the castle gate
        EXPECT_TRUE(game->here().KindAt(hero.start()).Has(kTerrainWalk));
    }
    std::map<std::string, size_t> villainsOn;
    for (const auto& [number, villain] : FindNode(Root(), "Villains")->children()) {
        std::string continent;
        ASSERT_TRUE(FindValue(villain->AsDispatcher(), "Continent")->GetString(continent));
        ++villainsOn[continent];
    }
    for (const auto& [continent, villains] : villainsOn) {
        EXPECT_GE(ChildCount("Maps." + continent + ".Castles"), villains) << continent;
    }
    for (const auto& [id, artifact] : FindNode(Root(), "Artifacts")->children()) {
        std::string continent;
        ASSERT_TRUE(FindValue(artifact->AsDispatcher(), "Map")->GetString(continent));
        EXPECT_TRUE(FindNode(Root(), "Maps." + continent)) << id << " lies on " << continent;
    }
}

// The shipped world as a new game builds it: every object stands on ground
// the hero can walk onto (castles on their own towers), no two share
// a cell, and each continent has its armies, signs, dwellings and treasure;
// each town sells news of a castle of its own continent and has water
// beside it for a boat, and every spell is sold somewhere.
TEST_F(GameData, EveryObjectOfTheShippedWorldStandsOnItsOwnWalkableCell) {
    LoadRules();
    LoadTerrainKinds(Root());
    const Ref<RunningGame> game = RunningGame::NewGame("Knight", u"Tester", 0, 1);
    std::set<std::string> sold;
    for (int index = 0; index < game->world().Count(); ++index) {
        const Location& continent = *game->world().Get(index);
        SCOPED_TRACE(continent.id());
        std::map<std::pair<int, int>, std::string> taken;
        std::map<std::string, size_t> kinds;
        for (const Ref<MapObj>& object : continent.objects()) {
            const std::string type = object->Factory().name();
            ++kinds[type];
            const Cell cell = object->cell();
            const auto [at, fresh] = taken.emplace(std::pair{cell.x, cell.y}, type);
            EXPECT_TRUE(fresh) << type << " on the " << at->second << " at " << cell.x << ","
                               << cell.y;
            if (type != "King" && type != "Castle") {
                EXPECT_TRUE(continent.KindAt(cell).Has(kTerrainWalk))
                    << type << " at " << cell.x << "," << cell.y;
            }
        }
        EXPECT_EQ(kinds["Enemy"], ChildCount("Maps." + continent.id() + ".Armies"));
        EXPECT_EQ(kinds["Sign"], ChildCount("Maps." + continent.id() + ".Signs"));
        EXPECT_GE(kinds["Recr"], 5u);
        EXPECT_GE(kinds["RndBonus"], 20u);
        EXPECT_EQ(kinds["Town"], ChildCount("Maps." + continent.id() + ".Towns"));
        for (const Ref<Town>& town : continent.towns()) {
            EXPECT_TRUE(continent.FindCastle(town->castle())) << town->name();
            EXPECT_TRUE(BoatPlace(continent, town->cell(), town->cell())) << town->name();
            sold.insert(town->spell());
        }
    }
    EXPECT_EQ(sold.size(), Spells().all().size());
}

// Saved with its objects, the shipped world comes back as it was: loaded and
// saved again, the game data are the same bytes.
TEST_F(GameData, TheShippedWorldIsSavedWithItsObjectsAndLoadedBackAsItWas) {
    LoadRules();
    LoadTerrainKinds(Root());
    const auto saved = [](const RunningGame& game) {
        MemoryStream data;
        ChunkWriter out(data);
        game.WriteChunks(out);
        return data.bytes();
    };
    const std::vector<uint8_t> first = saved(*RunningGame::NewGame("Knight", u"Tester", 0, 1));
    // "LOCS" header, then the first continent's "loc " record and its length.
    ASSERT_GT(first.size(), 24u);
    EXPECT_EQ(std::string(first.begin() + 16, first.begin() + 20), "loc ");
    EXPECT_GT(LoadU32(first.data() + 20), 4144u) << "no object was saved";
    MemoryStream data;
    data.Write(first.data(), first.size());
    data.Seek(0);
    ChunkReader in(data);
    auto loaded = MakeRef<RunningGame>();
    loaded->ReadChunks(in);
    EXPECT_EQ(saved(*loaded), first);
}

}  // namespace
}  // namespace cv
