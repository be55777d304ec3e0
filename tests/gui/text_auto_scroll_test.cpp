// The text that scrolls by itself, drawn tick after tick through a whole
// round: where its lines are, and that none is ever drawn outside it.
#include <algorithm>
#include <set>

#include "gfx/font_registry.h"
#include "gfx/image_cache.h"
#include "gui/text_auto_scroll.h"
#include "gui_test_support.h"

namespace cv::test {
namespace {

class AutoScroll : public GuiTest {
protected:
    // The frame's rows with ink of `colour` in the columns of `box`, from
    // well above it to well below it.
    std::set<int> InkRows(const Rect& box, uint32_t colour) const {
        std::set<int> rows;
        for (int y = box.y - box.height; y < box.y + 2 * box.height; ++y) {
            for (int x = box.x; x < box.x + box.width; ++x) {
                if (Pixel(x, y) == colour) {
                    rows.insert(y);
                    break;
                }
            }
        }
        return rows;
    }
};

TEST_F(AutoScroll, TheTextRisesAStepEachTickAndComesBackFromBelow) {
    Ref<Form> form = MakeRef<Form>();
    form->setBackground(getImage("Forms\\Widgets\\#back"));
    Show(form);
    Ref<TextAutoScroll> text = MakeRef<TextAutoScroll>();
    form->addChild(text);
    const int line = FindFont("Default")->getHeight();
    const Rect box{40, 150, 200, 4 * line};
    text->setBounds(box);
    text->setText(u"first\nsecond");
    ASSERT_EQ(text->lines().size(), 2u);
    EXPECT_EQ(text->firstLineTop(), line) << "starts centred";
    const int round = box.height + 2 * line;  // from entering below to leaving above
    const uint32_t ink = Shown(form->color(kColorNorm));
    int entries = 0;
    for (int tick = 1; tick <= round / TextAutoScroll::kStep; ++tick) {
        SCOPED_TRACE(tick);
        const int before = text->firstLineTop();
        Input({"tick 1"});
        Redraw();
        const int top = text->firstLineTop();
        if (top != before - TextAutoScroll::kStep) {
            // Its last line gone above, the text enters again at the bottom.
            EXPECT_LE(before + 2 * line - TextAutoScroll::kStep, 0);
            EXPECT_EQ(top, before - TextAutoScroll::kStep + round);
            ++entries;
        }
        // Every line wholly inside shows; nothing else does.
        const std::set<int> drawn = InkRows(box, ink);
        std::set<int> expected;
        for (int lineTop : {top, top + line}) {
            if (lineTop < 0 || lineTop + line > box.height) continue;
            const int first = box.y + lineTop, end = first + line;
            EXPECT_NE(drawn.lower_bound(first), drawn.lower_bound(end)) << "line at " << lineTop;
            for (int y = first; y < end; ++y) expected.insert(y);
        }
        EXPECT_TRUE(std::includes(expected.begin(), expected.end(), drawn.begin(), drawn.end()))
            << "a line drawn outside the widget or half out of it";
    }
    EXPECT_EQ(entries, 1);
    EXPECT_EQ(text->firstLineTop(), line) << "a round ends where it began";
}

}  // namespace
}  // namespace cv::test
