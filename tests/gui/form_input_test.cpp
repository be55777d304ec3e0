// Input routing through the real path: script commands become platform
// messages, the application turns them into keys and pointer events for the
// form that is the screen.
#include <unistd.h>

#include <set>
#include <sstream>
#include <tuple>

#include "core/resource_groups.h"
#include "core/settings.h"
#include "gfx/image_cache.h"
#include "gui/dialog_form.h"
#include "gui/gui_keys.h"
#include "gui/image_widget.h"
#include "gui/sub_form_host.h"
#include "gui/text_button.h"
#include "gui_test_support.h"

namespace cv::test {
namespace {

using FormInput = GuiTest;

std::string Focused(const Form& form) {
    GuiElement* focused = form.focusedChild();
    return focused ? focused->name() : "-";
}

TEST_F(FormInput, KeysGoToTheFocusThenTheOthersAndOnlyPressesNavigate) {
    Ref<RecordingForm> form = Show("Widgets");
    Ref<Probe> probe = AddProbe(*form, {600, 400, 10, 10});
    probe->handles = true;
    Input({"keyup Down"});  // the focused edit leaves it to the others
    EXPECT_EQ(probe->Calls(), (Lines{"key 9"}));
    probe->handles = false;
    Input({"keyup Down"});
    EXPECT_EQ(Focused(*form), "Name");
    Input({"keydown Down"});
    EXPECT_EQ(Focused(*form), "Start");
}

TEST_F(FormInput, NavigationFollowsTheTabOrderOrSearchesSpatially) {
    // Each row: the tab order, the focus, the key, the focus after it and the
    // child disabled, if any. In free mode on the grid A, B, C sit in a row,
    // D, E below them, F lower at the right and G, straddling A and B, further
    // down.
    const char* const rows[] = {
        "A,B,C/Horiz A Right B",  "A,B,C/Horiz C Right A",   "A,B,C/Horiz A Left C",
        "A,B,C/Horiz B Down B",   "A,B,C/Vert C Down A",     "A,B,C/Vert B Up A",
        "A,B,C/Vert A Right A",   "A,B,C/Vert C Tab A",      "A,Ghost,C A Tab C",
        "C,B,A C Tab B",          "A,B,C/Horiz - Left A",    "A,B,C A Tab C B",
        "A,B,C,D,E,F,G A Down D", "A,B,C,D,E,F,G A Up G",    "A,B,C,D,E,F,G E Down G",
        "A,B,C,D,E,F,G E Up B",   "A,B,C,D,E,F,G E Right D", "A,B,C,D,E,F,G D Right E",
        "A,B,C,D,E,F,G E Left D", "A,B,C,D,E,F,G F Left F",  "A,B,C,D,E,F,G G Down A"};
    for (const char* row : rows) {
        SCOPED_TRACE(row);
        std::istringstream in(row);
        std::string order, from, key, to, disabled;
        in >> order >> from >> key >> to >> disabled;
        Ref<RecordingForm> form = Show("Grid");
        form->applyTabOrder(order);
        if (!disabled.empty()) form->findChild(disabled)->setEnabled(false);
        form->setFocusTo(form->findChild(from));
        Input({"key " + key});
        EXPECT_EQ(Focused(*form), to);
    }
}

TEST_F(FormInput, ADragStartsBeyondTheThresholdAndOwnsThePointer) {
    Ref<RecordingForm> form = Show();
    Ref<Probe> probe = AddProbe(*form, {100, 100, 50, 50});
    Input({"press 110 110", "move 118 110"});  // 8 x 8 = 64: still a press
    EXPECT_EQ(probe->log, (Lines{"pointer 2", "pointer 0"}));
    Input({"move 119 110", "move 300 10", "release 300 10", "move 119 110"});
    EXPECT_EQ(probe->log,
              (Lines{"pointer 2", "pointer 0", "start 119", "move 300", "end 300", "pointer 0"}));

    // A refused drag leaves the moves to the form; a drag that says stop ends.
    probe->log.clear();
    probe->takesDrag = false;
    Input({"press 110 110", "move 130 110", "release 130 110"});
    EXPECT_EQ(probe->log, (Lines{"pointer 2", "start 130", "pointer 0", "pointer 1"}));
    probe->log.clear();
    probe->takesDrag = true, probe->keepsDragging = false;
    Input({"press 110 110", "move 130 110", "move 140 110", "move 141 110"});
    EXPECT_EQ(probe->log, (Lines{"pointer 2", "start 130", "move 140", "pointer 0"}));
}

TEST_F(FormInput, HiddenElementsGetNothing) {
    Ref<RecordingForm> form = Show();
    Ref<Probe> probe = AddProbe(*form, {0, 0, 640, 480});
    const Lines everything = {"tap 5 5", "key F5", "text x", "tick 1"};
    probe->setVisible(false);
    Input(everything);
    EXPECT_EQ(probe->log, Lines{});
    EXPECT_EQ(form->hitTest({5, 5}), nullptr);
    probe->setVisible(true);
    Input(everything);
    const std::set<std::string> calls(probe->log.begin(), probe->log.end());
    EXPECT_EQ(calls, (std::set<std::string>{"paint", "pointer 2", "pointer 1", "key 22", "char 120",
                                            "timer"}));
    EXPECT_EQ(form->hitTest({5, 5}), probe.get());
}

TEST_F(FormInput, DialogsSwallowInputAndCloseOnTheEscKey) {
    // The "esc" role's binding, whether the dialog closes on it, the key, closed.
    const std::tuple<std::string, bool, std::string, bool> cases[] = {{"", true, "Esc", true},
                                                                      {"", false, "Esc", false},
                                                                      {"F1", true, "F1", true},
                                                                      {"F1", true, "Esc", false},
                                                                      {"Nope", true, "Esc", true}};
    for (const auto& [binding, closes, key, closed] : cases) {
        SCOPED_TRACE(binding + " " + key);
        ResetGuiKeys();
        if (!binding.empty()) CfgSet("gui_key_esc", binding);
        ReadGuiKeys();
        Ref<RecordingForm> form = Show();
        Ref<DialogForm> dialog = MakeRef<DialogForm>(closes);
        form->addChild(dialog);
        Ref<Probe> below = AddProbe(*form, {0, 0, 640, 480});
        below->handles = true;
        Input({"tap 5 5", "text a", "keydown " + key});
        // Once closed, what lies below hears the rest of the key: its character.
        EXPECT_EQ(below->Calls(), closed && key == "Esc" ? Lines{"char 27"} : Lines{});
        EXPECT_EQ(dialog->parent() == nullptr, closed);
    }
}

// A sub-form that passes its buttons on to the host, as the game's do.
class SubForm : public RecordingForm {
public:
    bool onMessage(const Message& message) override {
        RecordingForm::onMessage(message);
        return message.name == "Button" && sendMessage(message.sender.get(), parent(), message);
    }
};

TEST_F(FormInput, SubFormsStackInTheirHost) {
    Ref<RecordingForm> previous = MakeRef<RecordingForm>();
    Ref<SubFormHost> host = MakeRef<SubFormHost>();
    host->setPreviousScreen(previous.get());
    Show(host);
    Ref<SubForm> a = MakeRef<SubForm>(), b = MakeRef<SubForm>(), c = MakeRef<SubForm>();
    Ref<TextButton> exit = MakeRef<TextButton>();
    a->addChild(exit);
    exit->setName("Exit");
    auto shown = [&] {
        std::string names;
        for (auto& child : host->children()) names += child == a ? "a" : child == b ? "b" : "c";
        return names + "/" + std::to_string(host->stack().size());
    };
    sendMessage(a.get(), host.get(), {"NewSubForm", "", 0, a});
    sendMessage(a.get(), host.get(), {"NewSubForm", "", 0, b});
    EXPECT_EQ(shown(), "b/2");
    sendMessage(b.get(), host.get(), {"ChangeSubForm", "", 0, c});
    EXPECT_EQ(shown(), "c/2");
    sendMessage(c.get(), host.get(), {"Button", "Exit", 0, nullptr});
    EXPECT_EQ(shown(), "a/1");
    // Esc is the top sub-form's Exit button.
    Input({"keydown Esc"});
    EXPECT_EQ(a->log, (Lines{"Button Exit 0 Exit"}));
    EXPECT_EQ(shown(), "/0");
    EXPECT_EQ(session.app.screen(), previous.get());
}

TEST_F(FormInput, AFormThatStopsBeingTheScreenLetsItsPicturesGo) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("corvanth_gui_swap_" + std::to_string(getpid()));
    DefaultGroup()->Add(MakeRef<DirectorySource>("swap", dir.string() + "/"));
    WriteTestPicture(dir, "Img\\Swap", {10, 10}, 0xFF0000);
    Ref<RecordingForm> form = Show();
    Ref<Image> image = MakeRef<Image>();
    form->addChild(image);
    image->onMessage({"SetImage", "Img\\Swap", 0, nullptr});
    form = nullptr, image = nullptr;
    WriteTestPicture(dir, "Img\\Swap", {20, 20}, 0xFF0000);
    EXPECT_EQ(getImage("Img\\Swap")->getSize(), (Size{10, 10})) << "still the screen's";
    Show(MakeRef<RecordingForm>());
    EXPECT_EQ(getImage("Img\\Swap")->getSize(), (Size{20, 20}));
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace cv::test
