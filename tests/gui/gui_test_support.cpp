#include "gui_test_support.h"

#include <unistd.h>

#include <filesystem>
#include <tuple>

#include "app/app_globals.h"
#include "app/key_codes.h"
#include "core/file_stream.h"
#include "core/resource_groups.h"
#include "core/settings.h"
#include "gfx/animation.h"
#include "gfx/font_registry.h"
#include "gfx/image_cache.h"
#include "gfx/sprite_picture.h"
#include "gui/form_reader.h"
#include "gui/gui_keys.h"
#include "platform/headless/script_reader.h"

namespace cv::test {
namespace {

namespace fs = std::filesystem;

// Solid pictures, one colour each, so that a pixel tells which one shows.
const std::tuple<const char*, Size, uint32_t> kPictures[] = {
    {"Forms\\Widgets\\#back", {640, 480}, 0x203040},
    {"Forms\\Widgets\\logo", {64, 32}, 0xC040C0},
    {"Forms\\Widgets\\ok_norm", {60, 24}, 0x2040F0},
    {"Forms\\Widgets\\ok_select", {60, 24}, 0x40F0F0},
    {"Forms\\Widgets\\ok_pressed", {60, 24}, 0xF0F040},
    {"Forms\\Widgets\\ok_gray", {60, 24}, 0x606060},
    {"Img\\STDGUI\\check_on", {14, 14}, 0x20C020},
    {"Img\\STDGUI\\check_off", {14, 14}, 0x802020},
    {"Img\\STDGUI\\radio_on", {14, 14}, 0x20C0C0},
    {"Img\\STDGUI\\radio_off", {14, 14}, 0x204080},
    {"Img\\STDGUI\\LeftNorm", {14, 18}, 0x2080F0},
    {"Img\\STDGUI\\LeftHi", {14, 18}, 0x80C0F0},
    {"Img\\STDGUI\\LeftGr", {14, 18}, 0x505050},
    {"Img\\STDGUI\\LeftPr", {14, 18}, 0xF0A020},
    {"Img\\STDGUI\\RightNorm", {14, 18}, 0x20A0F8},
    {"Img\\STDGUI\\RightHi", {14, 18}, 0x88C8F8},
    {"Img\\STDGUI\\RightGr", {14, 18}, 0x585858},
    {"Img\\STDGUI\\RightPr", {14, 18}, 0xF8A828},
    {"Img\\STDGUI\\EndNorm", {10, 18}, 0x2060C0},
    {"Img\\STDGUI\\EndHi", {10, 18}, 0x6090C0},
    {"Img\\STDGUI\\EndGr", {10, 18}, 0x484848},
    {"Img\\STDGUI\\EndPr", {10, 18}, 0xC08010},
    {"Img\\STDGUI\\Cancel_Norm", {16, 16}, 0xC02020},
    {"Img\\STDGUI\\Cancel_Select", {16, 16}, 0xF06060},
    {"Img\\STDGUI\\Cancel_Pressed", {16, 16}, 0xF0F0F0},
    {"Img\\Anim\\Spin0", {16, 16}, 0xF00000},
    {"Img\\Anim\\Spin1", {16, 16}, 0x00F000},
    {"Img\\Anim\\Spin2", {16, 16}, 0x0000F0}};

// Written once a process, removed at its end.
struct PictureFolder {
    PictureFolder() {
        fs::remove_all(dir);
        for (const auto& [name, size, rgb] : kPictures) WriteTestPicture(dir, name, size, rgb);
        std::ofstream(dir / "anim.ini") << "Spin {\nName1st = Img\\Anim\\Spin0\nDelay = 2\n"
                                           "Count = 3\n}\n";
    }
    ~PictureFolder() { fs::remove_all(dir); }
    const fs::path dir = fs::temp_directory_path() / ("corvanth_gui_" + std::to_string(getpid()));
};

const fs::path& Pictures() {
    static const PictureFolder folder;
    return folder.dir;
}

void ResetGuiGlobals() {
    Settings().clear();
    ResetGuiKeys();
    ResetDefaultColors();
    TheDragRecord() = DragRecord();
    TheFormPointerTarget().reset();
    SetPointerTarget(nullptr);
    GuiFlags() = kGuiNoHover;
    RedrawRequested() = false;
    DeviceScreen() = ScreenSize();
    ImageExtension() = ".s16";
}

}  // namespace

void WriteTestPicture(const fs::path& dir, const std::string& name, Size size, uint32_t rgb) {
    RgbaPicture picture{size.width, size.height, {}};
    for (int i = 0; i < size.width * size.height; ++i) {
        picture.pixels.insert(picture.pixels.end(),
                              {uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb), 255});
    }
    const int mode = BuildModeOfName(name);
    Ref<Sprite> sprite = MakeRef<Sprite>();
    sprite->build(*StoredSurfaceOf(picture, mode), mode);
    const fs::path file = dir / (NativePath(name) + ".s16");
    fs::create_directories(file.parent_path());
    Ref<FileStream> stream = MakeRef<FileStream>(file.string(), 'c');
    stream->Open();
    sprite->save(*stream);
    stream->Close();
}

TestHost::TestHost(const std::string& script) : HeadlessPlatform(script, VirtualKeyOfKeyName) {}

void TestHost::Pump(AppCore& app) {
    platform::Message message;
    while (TakePosted(message)) {
        DispatchMessage(message);
        app.Idle();
    }
}

bool GuiApp::Init() {
    device_ = MakeRef<GdiDevice>();
    return Application::Init();
}

Lines Probe::Calls() const {
    Lines calls;
    for (const std::string& entry : log) {
        if (entry != "paint") calls.push_back(entry);
    }
    return calls;
}

bool Probe::Note(const std::string& what, int value, bool answer) {
    log.push_back(what + " " + std::to_string(value));
    return answer;
}

bool RecordingForm::onMessage(const Message& m) {
    log.push_back(m.name + " " + m.text + " " + std::to_string(m.number) + " " +
                  (m.sender ? m.sender->name() : "-"));
    return true;
}

GuiResources::GuiResources() {
    ResetGuiGlobals();
    ResetResourceGroups();
    Ref<ResourceGroup> group = MakeRef<ResourceGroup>("");
    group->Add(MakeRef<DirectorySource>("fixtures", CORVANTH_GUI_FIXTURES "/"));
    group->Add(MakeRef<DirectorySource>("font", CORVANTH_GUI_BUILT_FIXTURES "/"));
    group->Add(MakeRef<DirectorySource>("pictures", Pictures().string() + "/"));
    RegisterGroup(group);
    RegisterFont("Default", loadFont("Fonts\\gui.fnm"));
    LoadAnimationTable();
}

GuiResources::~GuiResources() {
    ResetFonts();
    purgeImages();
    ResetResourceGroups();
    ResetGuiGlobals();
}

GuiSession::GuiSession(const std::string& script) : host(script) {
    platform::SetCurrent(&host);
    EXPECT_TRUE(app.Init());
}

GuiSession::~GuiSession() {
    app.SetScreen(nullptr);
    app.Exit();
    platform::SetCurrent(nullptr);
}

void GuiTest::Input(const Lines& lines) {
    for (const std::string& line : lines) {
        session.host.Execute(platform::ScriptReader::ParseLine(line));
        session.host.Pump(session.app);
    }
}

Ref<RecordingForm> GuiTest::Show(const std::string& formName) {
    Ref<RecordingForm> form = MakeRef<RecordingForm>();
    if (!formName.empty()) loadForm(*form, formName);
    Show(form);
    return form;
}

void GuiTest::Show(const Ref<Form>& form) {
    session.app.SetScreen(form.get());
    session.app.Idle();
}

Ref<Probe> GuiTest::AddProbe(Form& form, const Rect& bounds) {
    Ref<Probe> probe = MakeRef<Probe>();
    form.addChild(probe);
    probe->setBounds(bounds);
    return probe;
}

uint32_t GuiTest::Pixel(int x, int y) const {
    const auto& frame = session.host.frame();
    const size_t at = (size_t(y) * session.host.frameWidth() + x) * 3;
    if (at + 2 >= frame.size()) return 0xDEADBEEF;
    return uint32_t(frame[at]) << 16 | frame[at + 1] << 8 | frame[at + 2];
}

void GuiTest::SaveShot(const std::string& name) {
    session.host.Execute(platform::ScriptReader::ParseLine("shot " + ShotPath(name)));
}

std::string Touch(const std::string& verb, const GuiElement& element) {
    const Rect& b = element.bounds();
    return verb + " " + std::to_string(b.x + b.width / 2) + " " + std::to_string(b.y + 3);
}

std::string ShotPath(const std::string& name) {
    fs::create_directories(CORVANTH_GUI_SHOTS);
    return std::string(CORVANTH_GUI_SHOTS "/") + name + ".png";
}

uint32_t Shown(uint32_t rgb) {
    const uint32_t r = rgb >> 19 & 31, g = rgb >> 10 & 63, b = rgb >> 3 & 31;
    return (r << 3 | r >> 2) << 16 | (g << 2 | g >> 4) << 8 | (b << 3 | b >> 2);
}

uint32_t PictureColour(const std::string& name) {
    for (const auto& [fixture, size, rgb] : kPictures) {
        if (name == fixture) return Shown(rgb);
    }
    ADD_FAILURE() << "no fixture picture " << name;
    return 0;
}

}  // namespace cv::test
