#include "game/world/castle_rulers.h"

#include "core/fatal_error.h"
#include "core/language.h"
#include "game/model/game_ui.h"
#include "game/world/running_game.h"
#include "game/world/siege.h"
#include "game/world/villain_rules.h"

namespace cv {
namespace {

constexpr const char* kMonsters = "Various groups of monsters";

std::u16string CastleLine(const char* textId, const Castle& castle) {
    std::u16string text = GetText(textId);
    ReplacePlaceholder(text, u"<CASTLE>", castle.DisplayName());
    return text;
}

class MonstersRuler : public CastleRuler {
public:
    using CastleRuler::CastleRuler;
    std::u16string ArmyTitle() const override { return GetText(kMonsters); }
    void OnVisit(RunningGame& game) override { AskSiege(game, castle()); }
    std::u16string StatusText() override { return UnruledStatus(castle()); }
    std::u16string RulerName() const override { return GetText(kMonsters); }
    std::string Image(const RunningGame& game) const override { return game.here().enemyIcon(); }
    bool CanHostVillain() const override { return true; }
    const char* TypeId() const override { return "Mon"; }
};

// Holds the villain himself; a restored one knows only his number until
// the villains of the game are connected.
class VillainRuler : public CastleRuler {
public:
    VillainRuler(Castle& castle, Ref<Villain> villain)
        : CastleRuler(castle), villain_(std::move(villain)), number_(villain_->number()) {
        villain_->SetCastle(castle.name());
    }
    VillainRuler(Castle& castle, int number) : CastleRuler(castle), number_(number) {}

    void Connect(const VillainTable& villains) {
        villain_ = Ref<Villain>(&villains.Find(number_));
        villain_->SetCastle(castle().name());
    }

    std::u16string ArmyTitle() const override {
        std::u16string text = GetText("<NAME> and army");
        ReplacePlaceholder(text, u"<NAME>", villain().Name());
        return text;
    }
    void OnVisit(RunningGame& game) override {
        villain().SetSeen(true);
        AskSiege(game, castle());
    }
    std::u16string StatusText() override {
        villain().SetSeen(true);
        std::u16string text = CastleLine("Castle <CASTLE> is under <NAME>'s rule.", castle());
        ReplacePlaceholder(text, u"<NAME>", villain().Name());
        return text;
    }
    std::u16string RulerName() const override { return villain().Name(); }
    std::string Image(const RunningGame&) const override { return villain().Portrait(); }
    bool CanHostVillain() const override { return false; }
    std::u16string VictoryText(const RunningGame& game, std::u16string text) const override;
    void OnDefeated(RunningGame& game) override;
    const char* TypeId() const override { return "Vil"; }
    void SaveExtra(ChunkWriter& out) const override { out.U8(static_cast<uint8_t>(number_)); }

private:
    Villain& villain() const {
        if (!villain_) FatalError("Invalid number of Villain = %d", number_);
        return *villain_;
    }
    bool UnderContract(const RunningGame& game) const {
        return game.hero().currentContract() == number_;
    }

    Ref<Villain> villain_;
    int number_;
};

std::u16string VillainRuler::VictoryText(const RunningGame& game, std::u16string text) const {
    std::u16string capture = GetText("and the capture of <VILLAIN>");
    ReplacePlaceholder(capture, u"<VILLAIN>", villain().Name());
    text += u" " + capture + u"\n";
    if (!UnderContract(game)) return text + GetText("You did not have the proper contract");
    std::u16string bounty = GetText("You receive <N> gold as bounty");
    ReplacePlaceholder(bounty, u"<N>", villain().reward());
    return text + bounty + u"\n" + GetText("...and a piece of map to the stolen scepter");
}

// The caller keeps this ruler alive: the castle lets go of it here when the
// villain is caught.
void VillainRuler::OnDefeated(RunningGame& game) {
    Ref<Villain> villain(&this->villain());
    if (!UnderContract(game)) {
        Escape(game, *villain, castle().name());
        return;
    }
    Catch(game, *villain);
    castle().SetGarrison(nullptr);
    castle().SetRuler(nullptr);
}

class HeroRuler : public CastleRuler {
public:
    using CastleRuler::CastleRuler;
    std::u16string ArmyTitle() const override { return {}; }
    void OnVisit(RunningGame&) override {
        Ui().OpenScreenFor("CastleMain", Ref<RefCounted>(&castle()), {});
    }
    std::u16string StatusText() override {
        return CastleLine("Castle <CASTLE> is under your rule.", castle());
    }
    std::u16string RulerName() const override { return GetText("Your"); }
    std::string Image(const RunningGame&) const override { return "Img\\Main\\cav.Layer 1"; }
    bool CanHostVillain() const override { return true; }
    uint32_t MapColor(uint32_t) const override { return 0xFF000080u; }
    const char* TypeId() const override { return "My"; }
};

}  // namespace

Ref<CastleRuler> MakeMonstersRuler(Castle& castle) {
    return MakeRef<MonstersRuler>(castle);
}

Ref<CastleRuler> MakeVillainRuler(Castle& castle, Ref<Villain> villain) {
    return MakeRef<VillainRuler>(castle, std::move(villain));
}

Ref<CastleRuler> MakeHeroRuler(Castle& castle) {
    return MakeRef<HeroRuler>(castle);
}

Ref<CastleRuler> ReadRuler(Castle& castle, ChunkReader& in) {
    const std::string type = in.StoredString();
    if (type == "Mon") return MakeMonstersRuler(castle);
    if (type == "My") return MakeHeroRuler(castle);
    if (type == "Vil") return MakeRef<VillainRuler>(castle, in.U8());
    FatalError("Invalid Castle owner ID: <%s>", type.c_str());
}

void ReconnectVillains(World& world, const VillainTable& villains) {
    for (int i = 0; i < world.Count(); ++i) {
        const Location* location = world.Get(i);
        if (!location) continue;
        for (const Ref<Castle>& castle : location->castles()) {
            if (auto* ruler = dynamic_cast<VillainRuler*>(castle->ruler().get())) {
                ruler->Connect(villains);
            }
        }
    }
}

std::u16string UnruledStatus(const Castle& castle) {
    return CastleLine("Castle <CASTLE> is under no ones's rule.", castle);
}

}  // namespace cv
