// The built game folder against its sources: every resource that the art list,
// a form or the code names is in the package the CFG gives it, and every
// picture, font, text and animation loads.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

#include "app/cfg_file.h"
#include "app/cfg_resource_groups.h"
#include "core/config_parser.h"
#include "core/dispatcher_access.h"
#include "core/language.h"
#include "core/language_file.h"
#include "core/resource_groups.h"
#include "core/settings.h"
#include "core/stream.h"
#include "gfx/animation.h"
#include "gfx/font.h"
#include "gfx/image_cache.h"
#include "gfx/sprite_picture.h"

namespace cv {
namespace {

namespace fs = std::filesystem;

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> Lines(const fs::path& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(Trim(line));
    return lines;
}

struct ArtEntry {
    std::string name;
    std::string package;
};

std::vector<ArtEntry> ArtList() {
    std::vector<ArtEntry> entries;
    for (const std::string& line : Lines(fs::path(CORVANTH_DATA_DIR) / "art.list")) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        ArtEntry entry;
        std::getline(fields, entry.name, '|');
        std::getline(fields, entry.package, '|');
        entries.push_back({Trim(entry.name), Trim(entry.package)});
    }
    return entries;
}

// The group a package of the CFG fills: the main package is the unnamed one.
ResourceGroup* GroupOfPackage(const std::string& package) {
    return package == "Corvanth" ? DefaultGroup() : FindGroup(package);
}

// The names of the languages the CFG brings: "English" and each group that
// holds its own language file.
std::vector<std::string> Languages() {
    std::vector<std::string> names{"English"};
    for (size_t i = 0; i < GroupCount(); ++i) {
        if (LanguageAvailable(i) && GroupName(i) != "English") names.push_back(GroupName(i));
    }
    return names;
}

class GameData : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        SetCfgPath(std::string(CORVANTH_GAME_DIR) + "/Corvanth.CFG");
        SetAppDir(std::string(CORVANTH_GAME_DIR) + "/");
        Settings().clear();
        CfgResourceGroups groups;
        ReadCfgFile(groups);
        ImageExtension() = ".s16";
    }

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
};

TEST_F(GameData, TheCfgOffersEveryLanguageFromItsOwnPackage) {
    EXPECT_EQ(CfgGet("CurLanguage", ""), "English");
    EXPECT_EQ(Languages(), (std::vector<std::string>{"English", "Deutsch"}));
    for (const std::string& language : Languages()) {
        ResourceGroup* group = FindGroup(language);
        ASSERT_NE(group, nullptr) << language;
        EXPECT_TRUE(group->Open(language + ".lng.txt")) << language;
        EXPECT_TRUE(HasInk(PictureIn(*group, "Forms\\LangSel\\" + language))) << language;
    }
}

TEST_F(GameData, EveryPictureOfTheArtListIsInItsPackageAndShowsSomething) {
    const std::vector<ArtEntry> art = ArtList();
    ASSERT_FALSE(art.empty());
    for (const ArtEntry& entry : art) {
        ResourceGroup* group = GroupOfPackage(entry.package);
        ASSERT_NE(group, nullptr) << entry.package;
        const RgbaPicture picture = PictureIn(*group, entry.name);
        EXPECT_TRUE(HasInk(picture)) << entry.name << " is missing or empty";
    }
}

// A form's pictures are named relative to its folder; each must exist and a
// background must cover the whole screen, where the form draws it.
TEST_F(GameData, EveryFormNamesOnlyPicturesThatExist) {
    const std::set<std::string> kinds{"Label",     "TextView",   "Edit",     "Image",
                                      "Animation", "ButtonText", "NumField", "RadioButton",
                                      "CheckBox",  "PlateButton"};
    int forms = 0;
    for (const auto& dir : fs::directory_iterator(fs::path(CORVANTH_DATA_DIR) / "Forms")) {
        const std::string form = dir.path().filename().string();
        const std::string folder = "Forms\\" + form + "\\";
        ++forms;
        EXPECT_TRUE(ResourceExists(folder + "form.txt")) << form;
        for (const std::string& line : Lines(dir.path() / "form.txt")) {
            const size_t split = line.find_first_of("=:");
            if (split == std::string::npos) continue;
            const std::string key = line.substr(0, split), value = line.substr(split + 1);
            if (key == "Back") {
                const RgbaPicture back = PictureIn(*DefaultGroup(), folder + value);
                EXPECT_EQ(back.width, 640) << form;
                EXPECT_EQ(back.height, 480) << form;
            } else if (key == "Layer" || key == "Norm" || key == "Select" || key == "Pressed" ||
                       key == "Gray") {
                EXPECT_TRUE(HasInk(PictureIn(*DefaultGroup(), folder + value))) << line;
            } else if (key.rfind("Item:", 0) == 0) {
                EXPECT_TRUE(kinds.count(key.substr(5))) << form << ": " << line;
            }
        }
    }
    EXPECT_GE(forms, 4);
}

TEST_F(GameData, EveryResourceTheCodeAsksForIsThere) {
    std::vector<std::string> pictures{"Img\\STDGUI\\check_on",      "Img\\STDGUI\\check_off",
                                      "Img\\STDGUI\\radio_on",      "Img\\STDGUI\\radio_off",
                                      "Img\\STDGUI\\Cancel_Norm",   "Img\\STDGUI\\Cancel_Select",
                                      "Img\\STDGUI\\Cancel_Pressed"};
    for (const char* state : {"Norm", "Select", "Pressed", "Gray"}) {
        pictures.push_back(std::string("Img\\STDGUI\\Plate_") + state);
    }
    for (const char* arrow : {"Left", "Right", "End"}) {
        for (const char* state : {"Norm", "Hi", "Gr", "Pr"}) {
            pictures.push_back(std::string("Img\\STDGUI\\") + arrow + state);
        }
    }
    for (const std::string& name : pictures) {
        EXPECT_TRUE(HasInk(PictureIn(*DefaultGroup(), name))) << name;
    }
    for (const char* screen : {"Start", "Cred", "LangSel", "Settings"}) {
        EXPECT_TRUE(ResourceExists(std::string("Forms\\") + screen + "\\form.txt")) << screen;
    }
    Dispatcher rules;
    Parse(rules, ReadAll(*OpenResourceOrFail("cv.ini")));
    EXPECT_FALSE(rules.children().empty());
    EXPECT_TRUE(ResourceExists("VKbd\\Std.txt"));
}

TEST_F(GameData, EveryAnimationHasAllItsFrames) {
    Dispatcher table;
    Parse(table, ReadAll(*OpenResourceOrFail("anim.ini")));
    LoadAnimationTable();
    ASSERT_FALSE(table.children().empty());
    for (const auto& [name, item] : table.children()) {
        int32_t count = 0;
        GetInt("test", item->AsDispatcher(), "Count", count);
        Ref<Animation> animation = createAnimationById(name);
        ASSERT_TRUE(animation) << name;
        EXPECT_EQ(animation->frameCount(), count) << name;
    }
}

// Both fonts draw every character that a shipped text or the on-screen
// keyboard can show.
TEST_F(GameData, TheFontsCoverEveryCharacterOfEveryLanguage) {
    std::u16string shown;
    for (const std::string& language : Languages()) {
        const std::string file = language + ".lng.txt";
        const LanguageTable table =
            ParseLanguageFile(ReadAll(*FindGroup(language)->Open(file)), file);
        EXPECT_GT(table.size(), 10u) << language;
        for (const auto& entry : table) shown += entry.second;
    }
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

}  // namespace
}  // namespace cv
