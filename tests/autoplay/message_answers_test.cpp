#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "autoplay/message_answers.h"
#include "core/language.h"
#include "game/model/army_rules.h"
#include "game/model/unit_tables.h"
#include "game_test_support.h"
#include "platform/utf.h"

namespace cv::autoplay {
namespace {

// Answers as told and keeps what it was shown.
class ScriptedJudge : public Judge {
public:
    bool willing = false;
    SeenArmy shownArmy;
    std::u16string castle;

    bool WantsFight(const SeenArmy& enemy) override {
        shownArmy = enemy;
        return willing;
    }
    bool WantsRecruits(const SeenSquad& band) override {
        shownArmy = {band};
        return willing;
    }
    bool PrefersLeadership() override { return willing; }
    bool Intends(Plan) override { return willing; }
    void LearnCastle(const std::u16string& name, const SeenArmy& garrison) override {
        castle = name;
        shownArmy = garrison;
    }
};

std::u16string HowMany(int count, const char* unit) {
    return HowManyText(count, *cv::Units().UnitById(unit));
}

std::u16string With(const char* textId, const std::u16string& placeholder,
                    const std::u16string& value) {
    std::u16string text = GetText(textId);
    ReplacePlaceholder(text, placeholder, value);
    return text;
}

struct Case {
    const char* what;
    std::u16string text;
    std::string buttons;
    std::string whenWilling, whenNot;
    std::vector<std::pair<std::string, int>> shown;  // unit and most, in order
};

class Answers : public ::testing::Test {
protected:
    void SetUp() override { test::LoadRules(test::kTestRules); }
};

TEST_F(Answers, EveryQuestionIsAnsweredByWhatItSaysAndEveryNewsCloses) {
    const std::vector<Case> cases = {
        {"scouts",
         u"Your scouts have sighted:\n - " + HowMany(9, "Militia") + u"\n - " +
             HowMany(100, "Knights") + u"\n",
         "Attack,Cancel",
         "Attack",
         "Cancel",
         {{"Militia", 9}, {"Knights", 499}}},
        {"band",
         u"\n" + With("<UNITS> wish to join you.", u"<UNITS>", HowMany(10, "Archers")),
         "Accept,Cancel",
         "Accept",
         "Cancel",
         {{"Archers", 19}}},
        {"treasure",
         u"Take 300 gold or increase leadership by 6",
         "Leadership,Gold",
         "Leadership",
         "Gold",
         {}},
        {"siege",
         u"Castle Grimspire\n" + With("<NAME> occupy this castle. Lay Siege?", u"<NAME>",
                                      u"Various groups of monsters"),
         "Yes,No",
         "Yes",
         "No",
         {}},
        {"search", GetText("Search..."), "Yes,No", "Yes", "No", {}},
        {"giving up", GetText("Give up?"), "Yes,No", "Yes", "No", {}},
        {"dismissal",
         With("Are you sure to dismiss <UNIT> ?", u"<UNIT>", u"Knights"),
         "Yes,No",
         "Yes",
         "No",
         {}},
        {"castle news",
         With("Castle <CASTLE> is under no ones's rule.", u"<CASTLE>", u"Grimspire") + u"\n - " +
             HowMany(50, "Ghosts"),
         "OK",
         "OK",
         "OK",
         {{"Ghosts", 99}}},
        {"news only", GetText("You need siege weapons"), "Continue", "Continue", "Continue", {}},
        {"searched in vain",
         GetText("Your search of this area has revealed nothing."),
         "Continue",
         "Continue",
         "Continue",
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (bool willing : {true, false}) {
            ScriptedJudge judge;
            judge.willing = willing;
            EXPECT_EQ(AnswerMessage({c.text, {}, c.buttons, {}, {}}, judge),
                      willing ? c.whenWilling : c.whenNot);
            ASSERT_EQ(judge.shownArmy.size(), c.shown.size());
            for (size_t i = 0; i < c.shown.size(); ++i) {
                EXPECT_EQ(judge.shownArmy[i].unit->id, c.shown[i].first);
                EXPECT_EQ(judge.shownArmy[i].most, c.shown[i].second);
            }
        }
    }
}

TEST_F(Answers, CastleNewsNamesTheCastle) {
    ScriptedJudge judge;
    AnswerMessage({With("Castle <CASTLE> is under <NAME>'s rule.", u"<CASTLE>", u"Iron Crag"),
                   {},
                   "OK",
                   {},
                   {}},
                  judge);
    EXPECT_EQ(Utf16ToUtf8(judge.castle), "Iron Crag");
}

TEST(MatchTemplate, PlaceholdersTakeTextWithinOneLine) {
    struct Row {
        std::u16string text, templ;
        bool matches;
        std::vector<std::u16string> values;
    };
    const std::vector<Row> rows = {
        {u"Castle A is under B's rule.",
         u"Castle <CASTLE> is under <NAME>'s rule.",
         true,
         {u"A", u"B"}},
        {u"first\nCastle A is under B's rule.",
         u"Castle <CASTLE> is under <NAME>'s rule.",
         true,
         {u"A", u"B"}},
        {u"Castle A\nis under B's rule.", u"Castle <CASTLE> is under <NAME>'s rule.", false, {}},
        {u"My Castle A is under B's rule.", u"Castle <CASTLE> is under <NAME>'s rule.", false, {}},
        {u"Take 5 gold\nmore", u"Take <GOLD> gold", true, {u"5"}},
        {u"line\nends with 7", u"ends with <N>", true, {u"7"}},
        {u"", u"<N>", true, {u""}},
        {u"Give up", u"Give up?", false, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(Utf16ToUtf8(row.text));
        const auto values = MatchTemplate(row.text, row.templ);
        ASSERT_EQ(values.has_value(), row.matches);
        if (values) {
            EXPECT_EQ(*values, row.values);
        }
    }
}

}  // namespace
}  // namespace cv::autoplay
