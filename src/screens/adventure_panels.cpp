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

// The panel looks as it did while its picture, frame and what it shows over
// them are unchanged: then its pixels are copied back.
void AdventurePanel::paint() {
    build();
    const Animation* shown = animation();
    const bool pictured = shown && shown->frameCount() > 0;
    std::string key = paintKey(pictured ? shown->frame() : -1);
    if (!patch_.restore(key, bounds())) {
        if (pictured) {
            const Sprite& picture = *shown->frameSprite(shown->frame());
            const Point at = pictureOrigin(picture.getSize());
            DrawWithin(picture, at, inside());
            paintOver(at, picture.getSize());
        }
        getImage(kFrame)->draw({cell().x, cell().y}, kDrawPlain);
        patch_.capture(std::move(key), bounds());
    }
    if (hasFocus() && KeyMode() && UsePaintColor(color(kColorSelect))) {
        CurrentPainter()->drawRect(Inset(bounds(), -1));
    }
}

// The form's background lies below the panel: it is named too.
std::string AdventurePanel::paintKey(int frame) const {
    const auto* form = dynamic_cast<const Form*>(parent());
    const auto below = reinterpret_cast<uintptr_t>(form ? form->background() : nullptr);
    return look_ + (animated_ ? "\n+" : "\n-") + std::to_string(frame) + '\n' +
           std::to_string(below) + '\n' + overKey();
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

std::string PuzzlePanel::overKey() const {
    std::string key;
    for (bool piece : covered_) key += piece ? '#' : '.';
    return key;
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

std::string GoldPanel::overKey() const {
    const std::u16string& sum = text();
    return {reinterpret_cast<const char*>(sum.data()), sum.size() * sizeof(char16_t)};
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
