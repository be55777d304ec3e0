// Contracts as a player takes them: the villains on offer and how the
// selection walks them, what Cancel and Esc leave behind, and the contract
// panel with and without a villain to hunt.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/key_codes.h"
#include "core/config_parser.h"
#include "game/world/villain_rules.h"
#include "screens/contract_dialogs.h"
#include "screens_test_support.h"

namespace cv {
namespace {

class ContractScreens : public test::OnIsleScreens {
protected:
    void SetUp() override {
        WriteForms({"SelectContract", "ContractInfo"});
        WritePictures({"Img/UI/NoContract"});
        OnIsleScreens::SetUp();
    }

    // Villains 1, 2, ... with these rewards; an empty army is one caught.
    void Villains(const std::vector<int>& rewards, const std::string& army = "Militia:1") {
        std::string rules = "Villains { @ ";
        for (size_t i = 0; i < rewards.size(); ++i) {
            rules += std::to_string(i + 1) + " { Reward = " + std::to_string(rewards[i]) +
                     " Army = \"" + army + "\" } ";
        }
        Parse(*Root(), rules + "}");
        game->villains().Load(Root());
    }
    // As a town's "Get New Contract" opens it.
    static void OpenSelection() { Ui().OpenScreen("SelectContract", {}); }
    bool Enabled(const std::string& widget) const { return OnTop(widget).isEnabled(); }
    int ShownReward() const {
        const Villain* shown = dynamic_cast<SelectContractDialog&>(*adventure->dialog()).shown();
        return shown ? shown->reward() : -1;
    }
};

TEST_F(ContractScreens, TheFiveSmallestRewardsAreOfferedInOrderAndWalkedRound) {
    Villains({900, 100, 500, 300, 700, 200, 800});
    OpenSelection();
    ASSERT_EQ(Top(), "SelectContract");
    std::vector<int> walked = {ShownReward()};
    for (int i = 0; i < 5; ++i) {
        TapOnDialog("Next");
        walked.push_back(ShownReward());
    }
    Key(kKeyGrayMinus);  // the previous key, as "Prev"
    walked.push_back(ShownReward());
    EXPECT_EQ(walked, (std::vector<int>{100, 200, 300, 500, 700, 100, 700}));

    TapOnDialog("OK");
    EXPECT_EQ(Top(), "");
    EXPECT_EQ(hero().currentContract(), 5);
    OpenSelection();  // the selection starts at the contract held
    EXPECT_EQ(ShownReward(), 700);
    const Villain& fifth = game->villains().Find(5);
    EXPECT_EQ(Text("Info1"), InfoPage1(*game, fifth));
    EXPECT_EQ(Text("Info2"), InfoPage2(fifth));
}

TEST_F(ContractScreens, WithoutCandidatesOnlyCancelWorksAndItDropsTheContract) {
    Villains({100, 200}, "");
    hero().SetCurrentContract(2);
    OpenSelection();
    for (const char* button : {"Prev", "OK", "Next"}) EXPECT_FALSE(Enabled(button)) << button;
    EXPECT_TRUE(Enabled("Cancel"));
    EXPECT_EQ(Text("Info1"), u"");
    TapOnDialog("OK");
    EXPECT_EQ(Top(), "SelectContract");

    Key(kKeyEsc);  // leaves without a choice
    EXPECT_EQ(std::pair(Top(), hero().currentContract()), std::pair(std::string(), 2));
    Villains({100, 200});
    OpenSelection();
    TapOnDialog("Cancel");
    EXPECT_EQ(std::pair(Top(), hero().currentContract()), std::pair(std::string(), -1));
}

TEST_F(ContractScreens, ThePanelShowsTheHuntedVillainOrSaysThereIsNone) {
    Villains({100, 200});
    const auto byPanel = [&] { Tap("Villain"); };
    const auto byMessage = [&] { adventure->onMessage({"ShowContractInfo", "", 0, nullptr}); };
    for (const auto& open : {std::function<void()>(byPanel), std::function<void()>(byMessage)}) {
        hero().SetCurrentContract(-1);
        open();
        ASSERT_EQ(Top(), "MsgBox");
        EXPECT_EQ(std::pair(Text("Text"), Text("Button0")),
                  std::pair(std::u16string(u"No contract selected"), std::u16string(u"Cancel")));
        TapOnDialog("Button0");

        hero().SetCurrentContract(2);
        open();
        ASSERT_EQ(Top(), "ContractInfo");
        EXPECT_EQ(Text("Info1"), InfoPage1(*game, game->villains().Find(2)));
        TapOnDialog("Cancel");
        EXPECT_EQ(Top(), "");
    }
}

}  // namespace
}  // namespace cv
