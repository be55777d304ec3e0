#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/combat/battle_input.h"
#include "game_test_support.h"
#include "platform/runtime_rand.h"
#include "platform/utf.h"

namespace cv::test {

struct RecordingView : BattleView {
    void ShowHalf(const Squad&) override {}
    void PlayStrike(const Squad&) override {}
    void MarkRedraw() override {}
    void ShowStatus(const std::u16string& text) override { status = Utf16ToUtf8(text); }
    void ShowMessageLine(const std::u16string& text) override {
        messages.push_back(Utf16ToUtf8(text));
    }
    std::string status;
    std::vector<std::string> messages;
};

// A battle on open ground unless the test asks for the real obstacles.
class OpenFieldBattle : public Battle {
public:
    using Battle::Battle;
    bool realObstacles = false;

protected:
    void PlaceObstacles() override {
        if (realObstacles) Battle::PlaceObstacles();
    }
};

// Battles of the knight "Arthur" on open ground, with the view and the
// player's input.
class BattleFlow : public WithKnight {
protected:
    void SetUp() override {
        WithKnight::SetUp();
        CombatParams().Load(Root());
        platform::Srand(7);
    }
    OpenFieldBattle& Fight(const std::string& heroText, const std::string& enemyText,
                           bool realObstacles = false) {
        hero->army().Clear();
        if (!heroText.empty()) hero->army().Parse(heroText);
        enemy = MakeRef<Army>();
        if (!enemyText.empty()) enemy->Parse(enemyText);
        battle.emplace(*hero, enemy, "Peasants", CombatParams(), view,
                       [this](BattleOutcome result) { outcome = result; });
        battle->realObstacles = realObstacles;
        battle->Start();
        input.emplace(*battle);
        return *battle;
    }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) battle->Tick();
    }
    Ref<Squad> Mine(int slot) { return hero->army().At(slot); }
    Ref<Squad> Theirs(int slot) { return enemy->At(slot); }
    Cell& CellOf(const Ref<Squad>& squad) { return battle->StateOf(*squad).cell; }
    const std::string& LastMessage() const { return view.messages.back(); }

    Ref<Army> enemy;
    RecordingView view;
    std::optional<OpenFieldBattle> battle;
    std::optional<BattleInput> input;
    std::optional<BattleOutcome> outcome;
};

inline constexpr int kDelay = Battle::kActionDelayTicks;

}  // namespace cv::test
