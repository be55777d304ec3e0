#include "game/model/army_rules.h"

#include "core/language.h"
#include "game/model/game_ui.h"

namespace cv {

const char* MoraleName(Morale morale) {
    switch (morale) {
        case Morale::kLow:
            return "Low";
        case Morale::kNorm:
            return "Norm";
        case Morale::kHigh:
            return "High";
        case Morale::kOutOfControl:
            return "Out of control";
    }
    return "Norm";
}

bool IsOutOfControl(const Squad& squad, int heroLeadership) {
    return squad.LeadershipNeed() > heroLeadership;
}

Morale MoraleOf(const Army& army, int slot, int heroLeadership) {
    Ref<Squad> squad = army.At(slot);
    if (!squad) return Morale::kNorm;
    if (IsOutOfControl(*squad, heroLeadership)) return Morale::kOutOfControl;
    const SquadDef& kind = squad->kind();
    int filled = 0;
    int liked = 0;
    for (int i = 0; i < Army::kSlots; ++i) {
        Ref<Squad> other = army.At(i);
        if (!other) continue;
        const std::string& id = other->kind().id;
        if (kind.lowMorale.count(id)) return Morale::kLow;
        ++filled;
        if (kind.highMorale.count(id)) ++liked;
    }
    return liked == filled ? Morale::kHigh : Morale::kNorm;
}

const char* ArmySizeWord(int count) {
    if (count < 10) return "A few";
    if (count < 20) return "Some";
    if (count < 50) return "Many";
    if (count < 100) return "A Lot";
    if (count < 500) return "A horde";
    return "A multitude";
}

std::u16string HowManyText(int count, const SquadDef& unit) {
    std::u16string text = GetText("<HOW> <UNIT>");
    ReplacePlaceholder(text, u"<HOW>", GetText(ArmySizeWord(count)));
    ReplacePlaceholder(text, u"<UNIT>", GetText(unit.id));
    return text;
}

bool WarnOutOfControl(const Army& army, int heroLeadership, std::function<void()> then) {
    GameMessage message{GetText("Attention! Warriors are out of control:"),
                        {},
                        "Continue",
                        "OutOfControl_Warning",
                        {}};
    int64_t largestNeed = -1;
    for (int i = 0; i < Army::kSlots; ++i) {
        Ref<Squad> squad = army.At(i);
        if (!squad || !IsOutOfControl(*squad, heroLeadership)) continue;
        message.text += u"\n - " + GetText(squad->kind().id);
        if (squad->LeadershipNeed() > largestNeed) {
            largestNeed = squad->LeadershipNeed();
            message.picture = squad->kind().StillPicture();
        }
    }
    if (largestNeed < 0) {
        if (then) then();
        return false;
    }
    Ui().ShowMessage(message, [then](const std::string&) {
        if (then) then();
    });
    return true;
}

bool AskDismiss(const Ref<Army>& army, int slot, std::function<void()> rebuild) {
    Ref<Squad> squad = army->At(slot);
    if (!squad || army->SquadCount() <= 1) return false;
    std::u16string text = GetText("Are you sure to dismiss <UNIT> ?");
    ReplacePlaceholder(text, u"<UNIT>", GetText(squad->kind().id));
    Ui().ShowMessage({text, {}, "Yes,No", {}, {}},
                     [keep = army, squad, rebuild](const std::string& answer) {
                         int at = keep->SlotOf(squad.get());
                         if (answer != "Yes" || at < 0 || keep->SquadCount() <= 1) return;
                         keep->RemoveSlot(at);
                         if (rebuild) rebuild();
                     });
    return true;
}

void TurnGhostsIntoPeasants(Army& army) {
    for (int i = 0; i < Army::kSlots; ++i) {
        Ref<Squad> squad = army.At(i);
        if (squad && squad->kind().Has(kUnitGhost)) squad->ChangeKind("Peasants");
    }
}

}  // namespace cv
