#include "screens/castle_recruit_dialog.h"

#include "core/language.h"
#include "game/model/game_text.h"
#include "game/model/unit_tables.h"
#include "gui/gui_message.h"
#include "gui/num_field.h"

namespace cv {
namespace {

std::u16string WithNumber(const char* templ, int n) {
    std::u16string text = GetText(templ);
    ReplacePlaceholder(text, u"<N>", GroupedNumber(n));
    return text;
}

int CostOf(const std::string& unitId) {
    return Units().UnitById(unitId)->cost;
}

// The row of a "Count" field, -1 for anything else.
int RowOf(const GuiElement* field) {
    for (int row = 0; field && row < kKingRecruitRows; ++row) {
        if (field->name() == Numbered("Count", row)) return row;
    }
    return -1;
}

}  // namespace

void CastleRecruitDialog::onLoaded() {
    setTitle(GetText("Recruit Soldiers"));
    setChildText("Recruit", GetText("Recruit"));
    setChildText("Cancel", GetText("Cancel"));
    showRows();
}

KingRecruitCounts CastleRecruitDialog::chosen() const {
    KingRecruitCounts counts = {};
    for (int row = 0; row < kKingRecruitRows; ++row) {
        if (auto* field = dynamic_cast<NumField*>(findChild(Numbered("Count", row)))) {
            counts[row] = field->value();
        }
    }
    return counts;
}

void CastleRecruitDialog::showRows(int changed) {
    showing_ = true;
    const auto rows = KingRecruitRows(*hero_);
    // The row just chosen keeps its count against the others, within its own bounds.
    if (changed >= 0) showRow(changed, rows[changed]);
    for (int row = 0; row < kKingRecruitRows; ++row) showRow(row, rows[row]);
    int64_t gold = hero_->gold();
    const KingRecruitCounts counts = chosen();
    for (int row = 0; row < kKingRecruitRows; ++row) {
        gold -= int64_t{CostOf(rows[row].unitId)} * counts[row];
    }
    setChildText("GP", WithNumber("GP=<N>", static_cast<int>(gold)), "RC");
    showing_ = false;
}

void CastleRecruitDialog::showRow(int row, const KingRecruitRow& rules) {
    const std::u16string name = GetText(rules.unitId);
    setChildText(Numbered("Name", row),
                 rules.available ? name + u" (" + GroupedNumber(rules.limit) + u")"
                                 : name + u"  " + GetText("N/A"),
                 "LC");
    setChildText(Numbered("Cost", row), WithNumber("<N> gold each", CostOf(rules.unitId)), "RC");
    auto* field = dynamic_cast<NumField*>(findChild(Numbered("Count", row)));
    if (!field) return;
    field->setVisible(rules.available);
    // Read afresh: a row cut back just now leaves more to the rows after it.
    const int most = KingRecruitMax(*hero_, chosen(), row);
    field->onMessage(Message{"SetMaxValue", "", most, nullptr});
    if (field->value() > most) field->onMessage(Message{"SetValue", "", most, nullptr});
}

bool CastleRecruitDialog::onMessage(const Message& message) {
    if (message.name == "NumChanged") {
        if (!showing_) showRows(RowOf(message.sender.get()));
        return true;
    }
    if (message.name != "Button") return ScreenDialog::onMessage(message);
    if (message.text == "Recruit") KingRecruit(*hero_, chosen());
    close();
    return true;
}

}  // namespace cv
