// Turning a list's pages: by its buttons and keys, and without tapping them,
// the mouse wheel over the list or beside it, the previous and next keys,
// PgUp and PgDown.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "app/key_codes.h"
#include "gui/form.h"
#include "gui/gui_message.h"
#include "gui/pointer_routing.h"
#include "screens/list_box.h"

namespace cv {
namespace {

// Notes the entries its list reports under the notice's name.
class PagedForm : public Form {
public:
    bool onMessage(const Message& message) override {
        if (message.name == notice) picked.push_back(message.number);
        return true;
    }
    std::string notice = "ItemSelected";
    std::vector<int> picked;
};

TEST(ListBoxTest, PagesTurnByButtonsAndKeysAndEachChoiceIsReported) {
    Ref<PagedForm> parent = MakeRef<PagedForm>();
    Ref<ListBox> list = MakeRef<ListBox>();
    parent->addChild(list);
    list->setNotification(parent->notice = "Pick");
    list->setBounds({0, 0, 100, 40});
    ASSERT_EQ(list->pageSize(), 2);  // rows of the height of no font
    list->setItems({u"a", u"b", u"c", u"d", u"e"});
    for (int direction : {-1, 1, 1, 1, -1}) list->turnPage(direction);
    EXPECT_EQ(parent->picked, (std::vector<int>{2, 4, 2})) << "turned past an end";
    parent->setFocusTo(list.get());
    list->onKey(kKeyDown, true);
    list->onKey(kKeyDown, true);
    EXPECT_EQ(list->selected(), 4);
    EXPECT_EQ(list->firstShown(), 4);
    EXPECT_FALSE(list->hasPageAfter() || list->onKey(kKeyDown, true));
    list->onPointer({PointerEvent::Release, 10, 25, 0, 1});  // below the last entry
    EXPECT_EQ(list->selected(), 4);
    list->setItems({});
    EXPECT_EQ(list->selected(), -1);
}

TEST(ListPaging, TheWheelAndThePageKeysTurnTheFormsList) {
    Ref<PagedForm> form = MakeRef<PagedForm>();
    Ref<ListBox> list = MakeRef<ListBox>();
    form->addChild(list);
    list->setBounds({0, 0, 200, 100});
    const int page = list->pageSize();
    list->setItems(std::vector<std::u16string>(2 * page + 1, u"entry"));  // the last page holds one
    form->setFocusTo(nullptr);
    form->Activate(true);

    const auto wheel = [](int x, int notches) {
        return [=] { TheFormPointerTarget().OnWheel(x, 10, notches); };
    };
    const auto key = [&](int code) {
        return [=] {
            form->OnKey(code, true);
            form->OnKey(code, false);
        };
    };
    const std::pair<std::function<void()>, int> steps[] = {
        {wheel(10, -1), page},          // towards the user over the list: a page on
        {wheel(10, -5), 2 * page},      // no further than the last page
        {wheel(300, 1), page},          // beside it the previous key, which the list takes
        {key(kKeyGrayPlus), 2 * page},  // taken without the focus
        {key(kKeyPgUp), 2 * page},      // only while focused
        {[&] { form->setFocusTo(list.get()); }, 2 * page},
        {key(kKeyPgUp), page},
        {key(kKeyPgUp), 0},
        {key(kKeyGrayMinus), 0},  // no page before the first
        {key(kKeyPgDown), page}};
    for (size_t i = 0; i < std::size(steps); ++i) {
        steps[i].first();
        EXPECT_EQ(std::pair(list->firstShown(), list->selected()),
                  std::pair(steps[i].second, steps[i].second))
            << "step " << i;
    }
    EXPECT_EQ(form->picked.size(), 7u) << "each turn tells the form, a turn that cannot go nothing";
    form->Activate(false);
}

}  // namespace
}  // namespace cv
