#include "screens/adventure_panels.h"

#include <algorithm>
#include <string>

#include "game/model/game_text.h"
#include "gfx/font_registry.h"
#include "gfx/graphics_device.h"
#include "gfx/image_cache.h"
#include "gui/gui_keys.h"
#include "gui/gui_message.h"
#include "gui/pointer_routing.h"

namespace cv {
namespace {

constexpr const char* kFrame = "Img\\$HiCell";
constexpr int kFrameWidth = 3;  // of the frame picture, all round
constexpr const char* kMap = "Img\\UI\\map";
constexpr const char* kBrick = "Img\\UI\\brick";
constexpr const char* kGold = "Img\\UI\\gold";

// A rectangle of a surface seen as a surface of its own: a sprite drawn into
// it is cut at the rectangle's edges. Sprites clip only to whole surfaces.
class SurfaceWindow : public ISurface {
public:
    SurfaceWindow(Ref<ISurface> whole, const Rect& area) : whole_(std::move(whole)), area_(area) {}

    Size getSize() const override { return {area_.width, area_.height}; }
    int getBitsPerPixel() const override { return whole_->getBitsPerPixel(); }
    void lock() override { whole_->lock(); }
    void unlock() override { whole_->unlock(); }
    SurfaceDesc describe() override {
        SurfaceDesc desc = whole_->describe();
        desc.row0 = desc.At(area_.x, area_.y);
        desc.width = area_.width;
        desc.height = area_.height;
        return desc;
    }
    void readSurface(Point origin, ISurface& destination) override {
        whole_->readSurface({origin.x + area_.x, origin.y + area_.y}, destination);
    }

private:
    Ref<ISurface> whole_;
    Rect area_;
};

Rect Intersection(const Rect& a, const Rect& b) {
    const int left = std::max(a.x, b.x), top = std::max(a.y, b.y);
    const int right = std::min(a.x + a.width, b.x + b.width);
    const int bottom = std::min(a.y + a.height, b.y + b.height);
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

Rect Inset(const Rect& rect, int by) {
    return {rect.x + by, rect.y + by, rect.width - 2 * by, rect.height - 2 * by};
}

PanelLook ContractLook(const RunningGame& game) {
    const Villain* villain = game.villains().Get(game.hero().currentContract());
    if (!villain) return {"Img\\UI\\NoContract"};
    return {villain->AnimationId(), true};
}

PanelLook WeaponLook(const RunningGame& game) {
    return {game.hero().hasSiegeWeapons() ? "Img\\UI\\Weapon1" : "Img\\UI\\NoWeapon"};
}

PanelLook SpellLook(const RunningGame& game) {
    return {game.hero().spells().Total() > 0 ? "Img\\UI\\Spell" : "Img\\UI\\NoSpell"};
}

}  // namespace

void DrawWithin(const Sprite& sprite, Point at, const Rect& clip) {
    IGraphicsDevice* device = GraphicsDevice();
    Ref<ISurface> screen = device ? device->getScreenSurface() : nullptr;
    if (!screen) return;
    const Size whole = screen->getSize();
    const Rect area =
        Intersection({clip.y, whole.height - clip.x - clip.width, clip.height, clip.width},
                     {0, 0, whole.width, whole.height});
    if (area.width == 0 || area.height == 0) return;
    // Counted: the lock while drawing holds it too.
    const Ref<SurfaceWindow> window = MakeRef<SurfaceWindow>(screen, area);
    const int64_t row = int64_t{whole.height} - at.x - sprite.getSize().width;
    sprite.drawOnto(*window, at.y - area.x, row - area.y, kDrawPlain);
}

void AdventurePanel::show(const std::string& name, bool animated) {
    if (name == look_ && animated == animated_) return;
    look_ = name;
    animated_ = animated;
    requestRedraw();
}

void AdventurePanel::build() {
    if (built_ == look_) return;
    built_ = look_;
    AnimationWidget::onMessage(animated_ ? Message{"SetAnimationID", look_, 0, nullptr}
                                         : Message{"SetAnimation", look_, 1, nullptr});
}

Rect AdventurePanel::cell() const {
    const Rect& b = bounds();
    const int side = std::min(b.width, b.height);
    return {b.x, b.y, side, side};
}

Rect AdventurePanel::inside() const {
    return Inset(cell(), kFrameWidth);
}

Point AdventurePanel::pictureOrigin(Size picture) const {
    const Rect in = inside();
    return {in.x + (in.width - picture.width) / 2, in.y + (in.height - picture.height) / 2};
}

void AdventurePanel::paint() {
    build();
    if (const Animation* shown = animation(); shown && shown->frameCount() > 0) {
        const Sprite& picture = *shown->frameSprite(shown->frame());
        const Point at = pictureOrigin(picture.getSize());
        DrawWithin(picture, at, inside());
        paintOver(at, picture.getSize());
    }
    getImage(kFrame)->draw({cell().x, cell().y}, kDrawPlain);
    if (hasFocus() && KeyMode() && UsePaintColor(color(kColorSelect))) {
        CurrentPainter()->drawRect(Inset(bounds(), -1));
    }
}

bool AdventurePanel::onPointer(const PointerEvent& event) {
    const bool within = contains({event.x, event.y});
    if (event.kind == PointerEvent::Press) {
        pressed_ = within;
        return within;
    }
    if (event.kind != PointerEvent::Release) return false;
    const bool clicked = pressed_ && within;
    pressed_ = false;
    if (clicked) tell();
    return within;
}

bool AdventurePanel::onKey(int key, bool down) {
    if (!down || !hasFocus() || !KeyMode()) return false;
    if (!isGuiKey(kRoleSelect, key) && !isGuiKey(kRoleStart, key)) return false;
    tell();
    return true;
}

void AdventurePanel::tell() {
    Ref<AdventurePanel> keep(this);
    sendMessage(this, parent(), Message{message_, name(), 0, nullptr});
}

void ShowcasePanel::follow(const RunningGame& game) {
    const PanelLook look = lookOf_(game);
    show(look.name, look.animated);
}

Point ShowcasePanel::pictureOrigin(Size picture) const {
    Point at = AdventurePanel::pictureOrigin(picture);
    if (faceFirst_) at.y = std::max(at.y, inside().y);
    return at;
}

PuzzlePanel::PuzzlePanel() : AdventurePanel("ShowPuzzle") {
    covered_.fill(true);
}

void PuzzlePanel::follow(const RunningGame& game) {
    std::array<bool, kPuzzleSize * kPuzzleSize> covered;
    covered.fill(true);
    for (const PuzzlePiece& piece : PuzzlePieces(game)) {
        covered[piece.row * kPuzzleSize + piece.column] = !piece.uncovered;
    }
    if (covered != covered_) requestRedraw();
    covered_ = covered;
    show(kMap, false);
}

void PuzzlePanel::paintOver(Point pictureAt, Size picture) {
    const Ref<Sprite> brick = getImage(kBrick);
    const int width = picture.width / kPuzzleSize, height = picture.height / kPuzzleSize;
    for (int row = 0; row < kPuzzleSize; ++row) {
        for (int column = 0; column < kPuzzleSize; ++column) {
            if (!covered(column, row)) continue;
            DrawWithin(*brick, {pictureAt.x + column * width, pictureAt.y + row * height},
                       inside());
        }
    }
}

GoldPanel::GoldPanel() : AdventurePanel("ShowHeroInfo") {}

void GoldPanel::follow(const RunningGame& game) {
    setText(GroupedNumber(game.hero().gold()));
    show(kGold, false);
}

// The sum stands in the room right of the cell: in smaller letters, and then
// without its group marks, when it would not fit.
void GoldPanel::paintOver(Point, Size) {
    constexpr int kMargin = 2;  // keeps the sum off the frame
    const Rect c = cell(), b = bounds();
    const int left = c.x + c.width + kMargin;
    const Rect room{left, b.y, b.x + b.width - kMargin - left, b.height};
    std::u16string sum = text();
    Font* lettering = font();
    const auto fits = [&] { return !lettering || lettering->getTextSize(sum).width <= room.width; };
    if (!fits()) lettering = FindFont("Small");
    if (!fits()) std::erase(sum, u',');
    if (UsePaintColor(color(kColorNorm))) drawTextIn(sum, room, "CC", lettering);
}

Ref<GuiElement> CreateAdventurePanel(const std::string& type) {
    if (type == "ContractInfo")
        return MakeRef<ShowcasePanel>("ShowContractInfo", ContractLook, true);
    if (type == "WeaponInfo") return MakeRef<ShowcasePanel>("ShowArmyInfo", WeaponLook, false);
    if (type == "SpellInfo") return MakeRef<ShowcasePanel>("ShowSpellInfo", SpellLook, false);
    if (type == "MapPieces") return MakeRef<PuzzlePanel>();
    if (type == "GoldInfo") return MakeRef<GoldPanel>();
    return nullptr;
}

void FollowGame(Form& form, const RunningGame& game) {
    for (const Ref<GuiElement>& child : form.children()) {
        if (auto* panel = dynamic_cast<AdventurePanel*>(child.get())) panel->follow(game);
    }
}

}  // namespace cv
