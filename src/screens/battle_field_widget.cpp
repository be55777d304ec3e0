#include "screens/battle_field_widget.h"

#include "core/language.h"
#include "game/combat/tactics_map.h"
#include "game/model/game_text.h"
#include "gfx/font_registry.h"
#include "gfx/graphics_device.h"
#include "gfx/image_cache.h"

namespace cv {
namespace {

constexpr uint32_t kPlateColour = 0xFF141A2Eu;
constexpr uint32_t kCountColour = 0xFFEBD9A0u;
constexpr uint32_t kActiveColour = 0xFFFFE070u;
constexpr uint32_t kHalfColour = 0xFFFF4040u;
constexpr int kPlateHeight = 14;

Point CentredIn(const Sprite& sprite, const Rect& rect) {
    const Size size = sprite.getSize();
    return {rect.x + (rect.width - size.width) / 2, rect.y + (rect.height - size.height) / 2};
}

void DrawCentred(const std::string& picture, const Rect& rect) {
    const Ref<Sprite> sprite = getImage(picture);
    sprite->draw(CentredIn(*sprite, rect), kDrawPlain);
}

}  // namespace

void BattleFieldWidget::attach(Battle* battle) {
    battle_ = battle;
    animations_.clear();
    cursor_.clear();
    halfTicks_ = 0;
    requestRedraw();
}

Rect BattleFieldWidget::cellRect(Cell cell) const {
    const Rect& b = bounds();
    const int width = b.width / Battlefield::kWidth, height = b.height / Battlefield::kHeight;
    return {b.x + cell.x * width, b.y + (Battlefield::kHeight - 1 - cell.y) * height, width,
            height};
}

std::optional<Cell> BattleFieldWidget::cellAt(Point point) const {
    const Rect& b = bounds();
    const int width = b.width / Battlefield::kWidth, height = b.height / Battlefield::kHeight;
    if (width <= 0 || height <= 0 || point.x < b.x || point.y < b.y) return std::nullopt;
    const Cell cell{(point.x - b.x) / width, Battlefield::kHeight - 1 - (point.y - b.y) / height};
    if (!Battlefield::OnField(cell)) return std::nullopt;
    return cell;
}

void BattleFieldWidget::setCursor(Cell cell, const std::string& name) {
    if (name == cursor_ && (name.empty() || cell == cursorCell_)) return;
    cursor_ = name;
    cursorCell_ = cell;
    requestRedraw();
}

void BattleFieldWidget::showHalf(const Squad& target) {
    half_ = &target;
    halfTicks_ = kHalfTicks;
    requestRedraw();
}

void BattleFieldWidget::paint() {
    if (!battle_) return;
    for (int y = 0; y < Battlefield::kHeight; ++y) {
        for (int x = 0; x < Battlefield::kWidth; ++x) {
            const Rect rect = cellRect({x, y});
            getImage(TacticsMap().ItemFor(battle_->field().At({x, y})).image)
                ->draw({rect.x, rect.y}, kDrawPlain);
        }
    }
    for (int side : {Battle::kHeroSide, Battle::kEnemySide}) {
        for (const Ref<Squad>& squad : battle_->SquadsOf(side)) paintSquad(*squad, side);
    }
    if (!cursor_.empty()) DrawCentred("Img\\Arrows\\" + cursor_, cellRect(cursorCell_));
}

void BattleFieldWidget::paintSquad(const Squad& squad, int side) {
    const CombatSquadState& state = battle_->StateOf(squad);
    const Rect cell = cellRect(state.cell);
    if (Animation* animation = animationOf(squad); animation && animation->frameCount() > 0) {
        animation->setPosition(CentredIn(*animation->frameSprite(0), cell));
        animation->setMode(side == Battle::kEnemySide ? kDrawMirrorColumns : kDrawPlain);
        animation->paint();
    }
    if (state.frozen) DrawCentred("Img\\freezy", cell);
    if (battle_->active().get() == &squad && UsePaintColor(kActiveColour)) {
        CurrentPainter()->drawRect({cell.x + 1, cell.y + 1, cell.width - 2, cell.height - 2});
    }
    if (halfShown() == &squad && UsePaintColor(kHalfColour)) {
        drawTextIn(GetText("HALF"), cell, "CC", nullptr);
    }
    paintCount(squad, cell);
}

// The count stands on a dark plate so that it reads on any ground.
void BattleFieldWidget::paintCount(const Squad& squad, const Rect& cell) {
    const std::u16string count = GroupedNumber(squad.count());
    Font* small = FindFont("Small");
    const int width = small ? small->getTextSize(count).width + 6 : cell.width / 2;
    const Rect plate{cell.x + cell.width - width - 2, cell.y + cell.height - kPlateHeight - 2,
                     width, kPlateHeight};
    if (UsePaintColor(kPlateColour)) CurrentPainter()->fillRect(plate);
    if (UsePaintColor(kCountColour)) drawTextIn(count, plate, "CC", small);
}

Animation* BattleFieldWidget::animationOf(const Squad& squad) {
    Shown& shown = animations_[&squad];
    if (shown.unit != squad.kind().id) {
        shown.unit = squad.kind().id;
        shown.animation = createAnimationById(squad.kind().AnimationName());
    }
    return shown.animation.get();
}

void BattleFieldWidget::onTimer() {
    for (auto& [squad, shown] : animations_) {
        if (shown.animation) shown.animation->tick();
    }
    if (halfTicks_ > 0 && --halfTicks_ == 0) requestRedraw();
}

}  // namespace cv
