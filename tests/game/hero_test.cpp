#include <gtest/gtest.h>

#include <tuple>

#include "game/model/hero.h"
#include "game/model/king_castle.h"
#include "game/model/unit_tables.h"
#include "game_test_support.h"
#include "platform/utf.h"

namespace cv {
namespace {

using test::ErrorOf;

class Heroes : public test::WithKnight {
protected:
    std::string Audience() { return Utf16ToUtf8(KingAudience(*hero)); }
};

TEST_F(Heroes, NewHeroComesFromItsClassAlone) {
    // What "StartHero" and "Level0" give is checked through the saved record.
    EXPECT_EQ(hero->NameWithTitle(), u"Arthur the Squire");
    hero->Create("Sorceress", u"Morgan", 1, 0);  // a fresh hero: nothing carried over
    EXPECT_TRUE(hero->canUseSpells());
    EXPECT_EQ(hero->maxLevel(), 0);
    EXPECT_EQ(hero->spellPower(), 2);
    EXPECT_TRUE(hero->army().IsEmpty());
    EXPECT_EQ(ErrorOf([&] { hero->ApplyLevel(3, 0); }),
              "Path not found: StartHero.Sorceress.Level3");
    EXPECT_EQ(ErrorOf([&] { hero->Create("Paladin", u"P", 0, 0); }),
              "Path not found: StartHero.Paladin");
}

TEST_F(Heroes, AudiencePromotesOneLevelAndCarriesSurplusVillains) {
    EXPECT_EQ(Audience(), "My dear Arthur,\nyou must capture 2 villains");
    hero->SetCurrentContract(7);
    for (int villain : {7, 3, 9}) hero->CatchVillain(villain);
    EXPECT_EQ(Audience(), "Congratulations, Arthur, I now promote you to Baron");
    // Level, leadership, commission, spells; 3 villains for Baron less the one caught before.
    EXPECT_EQ(std::tuple(hero->level(), hero->leadership(), hero->commission(), hero->maxSpells(),
                         hero->villainsNeeded()),
              std::tuple(1, 300, 3000, 2, 2));
    EXPECT_EQ(Audience(), "My dear Arthur,\nyou must capture 2 villains");
    hero->CatchVillain(1);
    hero->CatchVillain(2);
    hero->AddArtifact("A3");  // doubles what later promotions give, not what is held
    EXPECT_EQ(Audience(), "Congratulations, Arthur, I now promote you to Duke");
    EXPECT_EQ(hero->leadership(), 300 + 600);
    EXPECT_EQ(Audience(), "Hurry and recover my Scepter of Velquor");
    EXPECT_EQ(hero->level(), 2);
}

TEST_F(Heroes, ScoreWeighsDeedsByDifficulty) {
    hero->Create("Knight", u"Arthur", 0, 0);  // ScoreMul 1, ScoreDiv 2
    EXPECT_EQ(hero->Score(), 0);
    hero->AddArtifact("A1");
    hero->CatchVillain(4);
    hero->AddCastlesGarrisoned(2);
    hero->AddFollowersKilled(25);
    EXPECT_EQ(hero->Score(), (250 + 500 + 200 - 50) / 2);
    hero->AddFollowersKilled(1000);
    EXPECT_EQ(hero->Score(), 0);              // negative raw score
    hero->Create("Knight", u"Arthur", 0, 2);  // ScoreMul 3, no ScoreDiv
    hero->AddCastlesGarrisoned(1);
    EXPECT_EQ(hero->Score(), 300);
    SetRoot(MakeRef<Dispatcher>());
    EXPECT_EQ(hero->Score(), 0);  // no "Scores"
}

TEST_F(Heroes, ArtifactsScaleDamageAndHitPoints) {
    auto pair = [](Factor f) { return std::make_pair(f.mul, f.div); };
    hero->AddArtifact("A1");
    hero->AddArtifact("A2");
    EXPECT_EQ(pair(hero->hitPointFactor()), std::make_pair(2, 1));
    hero->AddArtifact("A4");  // "Damage/0*5": a zero divisor counts as 1
    hero->AddArtifact("Z9");  // no definition
    EXPECT_TRUE(hero->OwnsArtifact("Z9"));
    EXPECT_EQ(pair(hero->damageFactor()), std::make_pair(15, 2));
}

TEST_F(Heroes, OnlyStrongFliersCarryTheHero) {
    hero->army().Clear();
    EXPECT_TRUE(hero->CanFly());  // no squad fails the test
    hero->army().Parse("Vampires:3,Dragons:1");
    EXPECT_TRUE(hero->CanFly());
    hero->army().Add("Ghosts", 5);  // flies, skill level 3
    EXPECT_FALSE(hero->CanFly());
    hero->army().RemoveSlot(2);
    hero->SetTravelMode(TravelMode::kSail);
    EXPECT_FALSE(hero->CanFly());
}

TEST_F(Heroes, DisgraceSendsTheHeroHomeWithPeasants) {
    hero->SetSiegeWeapons(true);
    hero->SetTravelMode(TravelMode::kSail);
    hero->MoveTo(2, {40, 41});
    hero->army().Clear();
    bool closed = false;
    hero->Disgrace([&] { closed = true; });
    EXPECT_EQ(std::tuple(hero->hasSiegeWeapons(), hero->travelMode(), hero->continent()),
              std::tuple(false, TravelMode::kLand, 0));
    EXPECT_EQ(hero->position(), (Cell{10, 12}));
    EXPECT_EQ(hero->army().ToText(), "Peasants:20");
    EXPECT_EQ(ui.FrontText(), "Disgraced");
    EXPECT_FALSE(closed);
    ui.Answer("Continue");
    EXPECT_TRUE(closed);
}

TEST_F(Heroes, KingRecruitsWithinLevelLeadershipGoldAndSlots) {
    auto rows = KingRecruitRows(*hero);
    EXPECT_EQ(rows[0].limit, 100 / 2 - 20);                       // Militia
    EXPECT_EQ(rows[1].limit, 100 / 5 - 2);                        // Archers
    EXPECT_EQ(rows[2].limit, 10);                                 // Pikemen
    EXPECT_FALSE(rows[3].available || rows[4].available);         // Cavalry, Knights: later levels
    KingRecruitCounts counts = {0, 18, 0, 0, 0};                  // 4500 gold of Archers
    EXPECT_EQ(KingRecruitMax(*hero, counts, 2), 3000 / 300 - 0);  // Pikemen: 10 by both
    hero->SetGold(4500 + 900);
    EXPECT_EQ(KingRecruitMax(*hero, counts, 2), 3);
    EXPECT_EQ(KingRecruitMax(*hero, counts, 3), 0);
    hero->army().Parse("Ghosts:1,Vampires:1,Demons:1");  // full: no slot for Pikemen
    EXPECT_EQ(KingRecruitMax(*hero, counts, 2), 0);
    hero->army().RemoveSlot(4);
    EXPECT_EQ(KingRecruitMax(*hero, counts, 2), 3);
    KingRecruit(*hero, {5, 18, 9, 0, 0});  // the Pikemen are cut to the gold left
    EXPECT_EQ(hero->army().ToText(), "Militia:25,Archers:20,Ghosts:1,Vampires:1,Pikemen:2");
    EXPECT_EQ(hero->gold(), 5400 - 250 - 4500 - 600);
}

}  // namespace
}  // namespace cv
