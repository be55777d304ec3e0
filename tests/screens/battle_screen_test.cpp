// A battle on its own screen, played through the form's input as the window
// delivers it: taps on the field, keys, the buttons and the battle's menu, to
// victory and to defeat.
#include <gtest/gtest.h>

#include <optional>

#include "app/key_codes.h"
#include "core/config_parser.h"
#include "game/combat/combat_sys.h"
#include "game/combat/tactics_map.h"
#include "gui/gui_message.h"
#include "platform/runtime_rand.h"
#include "screens/screen_game_ui.h"
#include "screens_test_support.h"
#include "spell_test_rules.h"

namespace cv {
namespace {

class BattleScreen : public test::OnIsleScreens {
protected:
    void SetUp() override {
        WriteForms({"Tactics", "TacticsMenu", "CombatSpells", "ArmyView", "HeroStatus"});
        WritePictures({"Img/Army/Archers.Layer 1", "Img/Army/Knights.Layer 1", "Terr/003",
                       "Img/Heroes/Knight", "Img/Inv/emptyA"});
        OnIsleScreens::SetUp();
        Parse(*Root(), R"(TacticsMap { 0 { Img = "G" } 1 { Img = "R" } 2 { Img = "T" } })");
        TacticsMap().Load(Root());
        CombatParams().Load(Root());
        test::LoadTestSpells();
    }

    BattleForm& Fight(const std::string& mine, const std::string& theirs) {
        hero().army().Clear();
        hero().army().Parse(mine);
        Ref<Army> enemy = test::ArmyOf(theirs);
        platform::Srand(3);
        Ui().StartBattle(enemy, [this](BattleOutcome result) { outcome = result; });
        return dynamic_cast<BattleForm&>(adventure->front());
    }
    static void TapCell(BattleForm& form, Cell cell) {
        const Rect r = form.field()->cellRect(cell);
        const int x = r.x + r.width / 2, y = r.y + r.height / 2;
        form.onPointer({PointerEvent::Press, x, y, PointerEvent::Left, 1});
        form.onPointer({PointerEvent::Release, x, y, 0, 1});
    }
    static void Ticks(Form& form, int n) {
        for (int i = 0; i < n; ++i) form.onTimer();
    }
    static std::u16string Text(Form& form, const std::string& widget) {
        return form.findChild(widget)->text();
    }

    std::optional<BattleOutcome> outcome;
};

TEST_F(BattleScreen, AShotTappedOnTheEnemyWinsAndTheMapComesBackWithTheSpoils) {
    Ref<BattleForm> form(&Fight("Archers:10", "Peasants:1"));
    EXPECT_EQ(Text(*form, "Status"), u"Archers, MV: 2, Shoots: 12");
    EXPECT_TRUE(form->findChild("Shoot")->isEnabled());
    EXPECT_FALSE(form->findChild("Fly")->isEnabled());

    // The cursor shows only while the stylus stays on the cell it went down on.
    const Rect enemy = form->field()->cellRect({5, 0});
    form->onPointer({PointerEvent::Press, enemy.x + 5, enemy.y + 5, PointerEvent::Left, 1});
    EXPECT_EQ(form->field()->cursor(), "shoot");
    form->onPointer({PointerEvent::Move, enemy.x - 5, enemy.y + 5, PointerEvent::Left, 0});
    EXPECT_EQ(form->field()->cursor(), "");
    form->onPointer({PointerEvent::Release, enemy.x - 5, enemy.y + 5, 0, 1});
    EXPECT_EQ(form->battle().SquadsOf(Battle::kEnemySide).size(), 1u) << "shot on a slide-out";

    const int gold = hero().gold();
    TapCell(*form, {5, 0});
    Ticks(*form, Battle::kActionDelayTicks + 1);
    Form* box = form->dialog();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Text(*box, "Text").rfind(u"Victory!", 0), 0u) << "the box shows over the battle";
    Click(*box, "Button0");
    EXPECT_FALSE(outcome) << "told from inside the battle";
    Ticks(*form, 1);
    EXPECT_EQ(outcome, BattleOutcome::kVictory);
    EXPECT_EQ(hero().gold(), gold + 5);
    EXPECT_EQ(&adventure->front(), adventure.get());
}

// The spell list opens over the battle; the chosen spell waits for its target
// under the "$Spell" cursor, and one spell is all a round allows.
TEST_F(BattleScreen, AFireballChosenFromTheListBurnsTheTappedEnemyOncePerRound) {
    hero().SetCanUseSpells(true);
    hero().AddSpellPower(2);
    hero().spells().Add("FireballSpell", 2);
    Ref<BattleForm> form(&Fight("Knights:2", "Peasants:20,Militia:9"));
    Click(*form, "Spells");
    Form* list = form->dialog();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(Text(*list, "CItem2"), u"FireballSpell: 2");
    EXPECT_FALSE(list->findChild("CItem6")->isVisible());
    sendMessage(list->findChild("CItem2"), list, Message{"Button", "CItem2", 0, nullptr});
    EXPECT_EQ(form->dialog(), nullptr);
    EXPECT_EQ(form->input().mode(), BattleInput::Mode::kSpell);
    const Rect militia = form->field()->cellRect({5, 1});
    form->onPointer({PointerEvent::Press, militia.x + 9, militia.y + 9, PointerEvent::Left, 1});
    EXPECT_EQ(form->field()->cursor(), "selOk");
    form->onPointer({PointerEvent::Release, militia.x + 9, militia.y + 9, 0, 1});
    // Power 2 x value 25 burns 25 militia of 2 hit points: all nine.
    EXPECT_EQ(hero().spells().Count("FireballSpell"), 1);
    EXPECT_EQ(form->battle().SquadsOf(Battle::kEnemySide).size(), 1u);
    Ticks(*form, Battle::kActionDelayTicks);
    form->onKey(kKey3, true);
    ASSERT_NE(form->dialog(), nullptr);
    EXPECT_EQ(Text(*form->dialog(), "Text"), u"Only 1 spell per round");
}

TEST_F(BattleScreen, KeysMoveAndTargetAndTheMenuGivesUp) {
    Ref<BattleForm> form(&Fight("Knights:2,Archers:5", "Dragons:1"));
    const Ref<Squad> knights = hero().army().At(0);
    form->onKey(kKeyRight, true);
    EXPECT_EQ(form->battle().StateOf(*knights).cell, (Cell{1, 0}));
    Ticks(*form, Battle::kActionDelayTicks + 1);
    ASSERT_EQ(form->battle().active()->kind().id, "Archers");

    // Enter gives the keys to the buttons; down walks from "Spells" to "Shoot".
    for (int key : {kKeyEnter, kKeyDown, kKeySpace}) form->OnKey(key, true);
    Ticks(*form, 1);
    EXPECT_EQ(Text(*form, "Message"), u"Select target");
    EXPECT_EQ(form->focusedChild(), nullptr) << "the keys did not come back to the field";
    for (int step = 0; step < 4; ++step) form->onKey(kKeyRight, true);
    EXPECT_EQ(form->field()->cursor(), "selBad");
    form->onKey(kKeyPgDown, true);
    EXPECT_EQ(form->field()->cursor(), "shoot") << "the target cursor did not reach the dragon";
    form->onKey(kKeyEsc, true);
    EXPECT_EQ(form->field()->cursor(), "");
    EXPECT_EQ(form->input().mode(), BattleInput::Mode::kNone);

    // Up from the top button wraps round to "Menu"; Esc there gives the keys back.
    for (int key : {kKeyEnter, kKeyUp, kKeyEsc}) form->OnKey(key, true);
    EXPECT_EQ(form->focusedChild(), nullptr);
    for (int key : {kKeyEnter, kKeyUp, kKeySpace}) form->OnKey(key, true);
    Ticks(*form, 1);
    Form* menu = form->dialog();
    ASSERT_NE(menu, nullptr);
    Ticks(*form, 20);
    EXPECT_EQ(form->battle().active()->kind().id, "Archers") << "the battle went on under the menu";
    Click(*menu, "GiveUp");
    Form* ask = form->dialog();
    ASSERT_NE(ask, nullptr);
    EXPECT_EQ(Text(*ask, "Text"), u"Give up?");
    Click(*ask, "Button0");
    Ticks(*form, 1);
    EXPECT_EQ(outcome, BattleOutcome::kDefeat);
    EXPECT_TRUE(hero().army().IsEmpty());
}

// The army and the hero can be looked at in battle, but no squad dismissed,
// and the battle waits while they are shown.
TEST_F(BattleScreen, TheMenuAndTheIKeyShowTheArmyAndTheHeroWithoutDismissal) {
    Ref<BattleForm> form(&Fight("Knights:2,Archers:5", "Dragons:1"));
    form->onKey(KeyCodeByName("I"), true);
    Form* view = form->dialog();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Text(*view, "Name2"), u"Archers");
    EXPECT_FALSE(view->findChild("Dism1")->isVisible());
    sendMessage(view->findChild("Dism1"), view, Message{"Button", "Dism1", 0, nullptr});
    EXPECT_EQ(form->dialog(), view) << "a dismissal was asked in battle";
    Ticks(*form, 20);
    EXPECT_EQ(form->battle().active()->kind().id, "Knights");
    Click(*view, "Header");
    ASSERT_EQ(form->dialog(), nullptr);

    for (const char* entry : {"Army", "Info"}) {
        Click(*form, "Menu");
        Click(*form->dialog(), entry);
        ASSERT_NE(form->dialog(), nullptr) << entry;
        EXPECT_EQ(form->dialog()->findChild("Field0") != nullptr, std::string(entry) == "Info");
        form->onKey(kKeyEsc, true);
        EXPECT_EQ(form->dialog(), nullptr) << entry;
    }
    EXPECT_EQ(hero().army().ToText(), "Knights:2,Archers:5");
}

}  // namespace
}  // namespace cv
