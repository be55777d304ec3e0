#include "core/language.h"

#include <gtest/gtest.h>

#include "core/resource_groups.h"
#include "core/settings.h"
#include "core_test_support.h"
#include "support/error_of.h"

namespace cv {
namespace {

using test::ErrorOf;
using test::ScratchDir;
using test::Utf16File;

LanguageTable Parse(const std::u16string& text) {
    return ParseLanguageFile(Utf16File(text), "English.lng.txt");
}

TEST(LanguageFileTest, EntriesHeaderAndCharacterMap) {
    LanguageTable table = Parse(
        u"*first header line is ignored\n; a comment\nbefore any entry\n*ab\r\n*xy\n"
        u"[Castle <NAME>]\nBurg <NAME>\r\n\r\nzwei\rte Zeile\ndritte b\n[Two]brackets]\n"
        u"*after the header: text\n[Open ended\none\n[Twice]\nold\n[Twice]\nnew");
    EXPECT_EQ(table[""], u"yefore xny entry");  // stored at the next "[": the map exists by then
    EXPECT_EQ(table["Castle <NAME>"], u"Burg <NAME>\nzweite Zeile\ndritte y");
    EXPECT_EQ(table["Two]brackets"], u"*xfter the hexder: text");
    EXPECT_EQ(table["Open ended"], u"one");
    EXPECT_EQ(table["Twice"], u"new");
    EXPECT_EQ(table.size(), 5u);

    // Lists of different lengths give no map; header lines never join a text.
    LanguageTable unmapped = Parse(u"[a]\nline a\n*h\nline b\n*ab\n*x\n");
    EXPECT_EQ(unmapped["a"], u"line a\nline b");
    // A dangling odd byte is not a character.
    EXPECT_EQ(ParseLanguageFile(Utf16File(u"[k]\nv") + "x", "f")["k"], u"v");
}

TEST(LanguageFileTest, BadFilesAreRefusedWithTheirName) {
    const std::u16string longest(kMaxLanguageLine, u'w');
    EXPECT_EQ(Parse(u"[a]\n" + longest + u"\r\n")["a"], longest);
    const std::pair<std::string, std::string> cases[] = {
        {"[a]\n", "Expected Unicode text in <English.lng.txt>"},
        {"", "Expected Unicode text in <English.lng.txt>"},
        {Utf16File(u"[a]\nx\n[]\n"), "Empty identifier in English.lng.txt"},
        {Utf16File(u"[\n"), "Empty identifier in English.lng.txt"},
        {Utf16File(u"[a]\n" + longest + u"w\n"),
         "Line longer than 1023 characters in English.lng.txt"}};
    for (const auto& [bytes, message] : cases)
        EXPECT_EQ(ErrorOf([&] { ParseLanguageFile(bytes, "English.lng.txt"); }), message);
}

class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.Write("Corvanth.CFG", "[French]\r\ndir=French\r\nCurLanguage=English\r\n");
        test::UseFolderAsGame(dir);
        Ref<ResourceGroup> french = MakeRef<ResourceGroup>("French");
        french->Add(MakeRef<DirectorySource>("French", dir / "French/"));
        RegisterGroup(french);
        RegisterGroup(MakeRef<ResourceGroup>("Klingon"));
        dir.Write("English.lng.txt", Utf16File(u"[Game saved]\nGame saved\n"));
        dir.Write("French/French.lng.txt",
                  Utf16File(u"[My dear <NAME>,]\nCher <NAME>,\n[My dear <NAME>,|F]\nChère <NAME>,\n"
                            u"[you must capture <N> villains|1]\nun seul\n"));
    }
    void TearDown() override {
        ResetLanguage();
        ResetResourceGroups();
    }
    ScratchDir dir;
};

TEST_F(LanguageTest, LoadingSelectsTheGroupAndKeepsTheChoice) {
    LoadLanguage("French.lng.txt");
    EXPECT_EQ(CurrentLanguage() + "|" + CurrentLanguageFile(), "French|French.lng.txt");
    EXPECT_EQ(CurrentGroup(), FindGroup("French"));
    EXPECT_EQ(dir.Read("Corvanth.CFG"), "[French]\r\ndir=French\r\nCurLanguage=French\r\n");

    EXPECT_EQ(GetText("My dear <NAME>,"), u"Cher <NAME>,");
    EXPECT_EQ(GetText("My dear <NAME>,", "F"), u"Chère <NAME>,");
    EXPECT_EQ(GetText("you must capture <N> villains", "1"), u"un seul");
    EXPECT_EQ(GetText("you must capture <N> villains", "2"), u"you must capture <N> villains");
    EXPECT_EQ(GetText("Game saved", "F"), u"Game saved");  // French lacks it: the identifier

    LoadLanguage("English.lng.txt");  // found in the default group; no "English" group
    EXPECT_EQ(CurrentGroup(), nullptr);
    EXPECT_EQ(GetText("My dear <NAME>,", "F"), u"My dear <NAME>,");
    EXPECT_EQ(LanguageTexts().size(), 1u);
    EXPECT_EQ(CfgGet("CurLanguage", ""), "English");

    EXPECT_EQ(ErrorOf([] { LoadLanguage("Klingon.lng.txt"); }),
              "Resource not found: Klingon.lng.txt");
    EXPECT_TRUE(LanguageTexts().empty());

    // Groups in name order: "", "French", "Klingon"; the default group's files do not count.
    dir.Write("Klingon.lng.txt", Utf16File(u""));
    EXPECT_EQ(std::vector<bool>({LanguageAvailable(0), LanguageAvailable(1), LanguageAvailable(2),
                                 LanguageAvailable(3)}),
              std::vector<bool>({false, true, false, false}));
}

TEST(PlaceholderTest, OnlyTheFirstOccurrenceIsReplaced) {
    std::u16string text = u"<NAME> meets <NAME> with <N> men";
    ReplacePlaceholder(text, u"<NAME>", u"Ada");
    ReplacePlaceholder(text, u"<N>", -12);
    ReplacePlaceholder(text, u"<GOLD>", u"5");
    EXPECT_EQ(text, u"Ada meets <NAME> with -12 men");
}

}  // namespace
}  // namespace cv
