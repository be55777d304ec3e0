#include "screens_test_support.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "core/config_parser.h"
#include "gui/form_reader.h"
#include "gui/gui_keys.h"
#include "gui/gui_message.h"
#include "platform/runtime_rand.h"
#include "screens/command_keys.h"
#include "screens/screen_game_ui.h"

namespace cv::test {
namespace {

Point CentreOf(const GuiElement& widget) {
    const Rect r = widget.bounds();
    return {r.x + r.width / 2, r.y + r.height / 2};
}

void Slide(Form& form, Point start, Point releaseAt) {
    form.onPointer({PointerEvent::Press, start.x, start.y, PointerEvent::Left, 1});
    form.onPointer({PointerEvent::Move, releaseAt.x, releaseAt.y, PointerEvent::Left, 0});
    form.onPointer({PointerEvent::Release, releaseAt.x, releaseAt.y, 0, 1});
}

}  // namespace

std::string FormWithoutBackground(const std::string& name) {
    std::ifstream in(std::string(CORVANTH_FORMS_DIR) + "/" + name + "/form.txt");
    std::ostringstream kept;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("Back=", 0) != 0) kept << line << "\n";
    }
    return kept.str();
}

void OnIsle::SetUp() {
    WriteForms({"Game", "Menu", "MsgBox", "LangSel"});
    LoadIsleRules();
    Parse(*Root(), "StartHero { X0 = 2 Y0 = 2 }");
    folder.WriteTerrain("Isle", IsleTerrain());
    platform::Srand(5);
    ResetGuiKeys();
    ResetCommandKeys();
    Restart();
}

void OnIsle::Restart() {
    game = RunningGame::NewGame("Knight", u"Arthur", 0, 1);
    session = MakeRef<GameSession>(Ref<Dispatcher>(Root()), game);
    BeginSession(session);
    adventure = &session->adventure();
}

std::string OnIsle::Top() const {
    const Form* top = adventure->dialog();
    return top ? top->name() : "";
}

GuiElement& OnIsle::OnTop(const std::string& widget) const {
    Form* top = adventure->dialog();
    GuiElement* element = top ? top->findChild(widget) : nullptr;
    if (!element) throw std::logic_error("no " + widget + " on top");
    return *element;
}

Ref<GameMenuDialog> OnIsle::OpenMenu() {
    Ref<GameMenuDialog> menu = MakeRef<GameMenuDialog>();
    loadForm(*menu, "Menu");
    adventure->pushDialog(menu);
    return menu;
}

void OnIsle::Click(Form& form, const std::string& button) {
    sendMessage(nullptr, &form, Message{"Button", button, 0, nullptr});
}

void OnIsle::TearDown() {
    BeginSession(nullptr);
}

void OnIsle::WriteForms(std::initializer_list<const char*> forms) const {
    for (const char* form : forms) {
        folder.Write(std::string("Forms/") + form + "/form.txt", FormWithoutBackground(form));
    }
}

void OnIsle::WritePictures(std::initializer_list<const char*> pictures) const {
    for (const char* picture : pictures) {
        folder.Write(std::string(picture) + ".tga", std::string("S16\0", 4));
    }
}

void OnIsle::WritePackagedRules() const {
    folder.Write("cv.ini", std::string(kTestRules) + kTestMaps + "StartHero { X0 = 2 Y0 = 2 }");
}

void OnIsle::WriteSliderPictures() const {
    for (const char* arrow : {"Left", "Right", "End"}) {
        for (const char* state : {"Norm", "Hi", "Gr", "Pr"}) {
            folder.Write(std::string("Img/STDGUI/") + arrow + state + ".tga",
                         std::string("S16\0", 4));
        }
    }
}

void OnIsleScreens::SetUp() {
    OnIsle::SetUp();
    SetUi(&TheScreenGameUi());
}

void OnIsleScreens::TearDown() {
    SetUi(&ui);
    OnIsle::TearDown();
}

void OnIsle::Tap(const std::string& widget) {
    GuiElement* element = adventure->findChild(widget);
    ASSERT_NE(element, nullptr) << widget;
    PressAndSlide(widget, CentreOf(*element));
}

void OnIsle::PressAndSlide(const std::string& widget, Point releaseAt) {
    GuiElement* element = adventure->findChild(widget);
    ASSERT_NE(element, nullptr) << widget;
    Slide(*adventure, CentreOf(*element), releaseAt);
}

void OnIsle::TapOnDialog(const std::string& widget) {
    Form* top = adventure->dialog();
    ASSERT_NE(top, nullptr) << widget;
    GuiElement* element = top->findChild(widget);
    ASSERT_NE(element, nullptr) << widget;
    Slide(*adventure, CentreOf(*element), CentreOf(*element));
}

void OnIsle::Key(int key) {
    adventure->onKey(key, true);
    adventure->onKey(key, false);
}

}  // namespace cv::test
