#include "screens/week_report_dialog.h"

#include "audio/audio_backend.h"
#include "core/language.h"
#include "game/model/game_text.h"
#include "gui/gui_message.h"

namespace cv {
void WeekReportDialog::onLoaded() {
    std::u16string heading = GetText("Budget for week #<N>");
    ReplacePlaceholder(heading, u"<N>", budget_.week);
    setTitle(heading);
    setChildText("OK", GetText("OK"));
    for (int i = 0; i < WeeklyBudget::kValueCount; ++i) {
        setChildText(Numbered("SField", i), GetText(WeeklyBudget::kLabels[i]));
        setChildText(Numbered("Field", i), GroupedNumber(budget_.values[i]), "RC");
    }
    showRows();
    Audio().Play(SoundEvent::WeekEnd);
}

void WeekReportDialog::showRows() {
    for (int i = 0; i < kRows; ++i) {
        const bool used = i < static_cast<int>(budget_.rows.size());
        std::u16string unit, pay;
        if (used) {
            const BudgetRow& row = budget_.rows[i];
            unit = GetText(row.unitId);
            pay = row.left ? GetText("Leave") : GroupedNumber(row.pay);
        }
        setChildText(Numbered("Army", i), unit);
        setChildText(Numbered("NArmy", i), pay, "RC");
    }
}

bool WeekReportDialog::onMessage(const Message& message) {
    if (message.name != "Button") return ScreenDialog::onMessage(message);
    answer("OK");
    return true;
}

}  // namespace cv
