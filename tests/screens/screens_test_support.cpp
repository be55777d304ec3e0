#include "screens_test_support.h"

#include <fstream>
#include <sstream>

#include "core/config_parser.h"
#include "gui/gui_keys.h"
#include "platform/runtime_rand.h"
#include "screens/command_keys.h"

namespace cv::test {
namespace {

Point CentreOf(const GuiElement& widget) {
    const Rect r = widget.bounds();
    return {r.x + r.width / 2, r.y + r.height / 2};
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
    for (const char* form : {"Game", "Menu", "MsgBox", "LangSel"}) {
        folder.Write(std::string("Forms/") + form + "/form.txt", FormWithoutBackground(form));
    }
    LoadIsleRules();
    Parse(*Root(), "StartHero { X0 = 2 Y0 = 2 }");
    folder.WriteTerrain("Isle", IsleTerrain());
    platform::Srand(5);
    ResetGuiKeys();
    ResetCommandKeys();
    game = RunningGame::NewGame("Knight", u"Arthur", 0, 1);
    session = MakeRef<GameSession>(Ref<Dispatcher>(Root()), game);
    BeginSession(session);
    adventure = &session->adventure();
}

void OnIsle::TearDown() {
    BeginSession(nullptr);
}

void OnIsle::Tap(const std::string& widget) {
    GuiElement* element = adventure->findChild(widget);
    ASSERT_NE(element, nullptr) << widget;
    PressAndSlide(widget, CentreOf(*element));
}

void OnIsle::PressAndSlide(const std::string& widget, Point releaseAt) {
    GuiElement* element = adventure->findChild(widget);
    ASSERT_NE(element, nullptr) << widget;
    const Point start = CentreOf(*element);
    adventure->onPointer({PointerEvent::Press, start.x, start.y, PointerEvent::Left, 1});
    adventure->onPointer({PointerEvent::Move, releaseAt.x, releaseAt.y, PointerEvent::Left, 0});
    adventure->onPointer({PointerEvent::Release, releaseAt.x, releaseAt.y, 0, 1});
}

void OnIsle::Key(int key) {
    adventure->onKey(key, true);
    adventure->onKey(key, false);
}

}  // namespace cv::test
