#include "screens/puzzle_dialog.h"

#include "core/language.h"
#include "gfx/graphics_device.h"
#include "gfx/image_cache.h"
#include "gui/gui_message.h"

namespace cv {
namespace {

constexpr const char* kParchment = "Img\\Puzzle\\piece";
constexpr const char* kGap = "Img\\Puzzle\\gap";
constexpr uint32_t kSeam = 0xFF2A1806u;  // the dark line between pieces

Point CentredIn(const Sprite& sprite, const Rect& cell) {
    const Size size = sprite.getSize();
    return {cell.x + (cell.width - size.width) / 2, cell.y + (cell.height - size.height) / 2};
}

}  // namespace

void PuzzleGrid::setPieces(std::vector<PuzzlePiece> pieces) {
    pieces_ = std::move(pieces);
    requestRedraw();
}

Rect PuzzleGrid::cellRect(int column, int row) const {
    const int width = bounds().width / kPuzzleSize, height = bounds().height / kPuzzleSize;
    return {bounds().x + column * width, bounds().y + row * height, width, height};
}

std::vector<std::string> PuzzleGrid::picturesAt(int column, int row) const {
    std::vector<std::string> pictures;
    for (const PuzzlePiece& piece : pieces_) {
        if (piece.column != column || piece.row != row) continue;
        if (!piece.uncovered) pictures.push_back(kParchment);
        pictures.push_back(piece.picture);
    }
    if (pictures.empty()) pictures.push_back(kGap);
    return pictures;
}

void PuzzleGrid::paint() {
    for (int row = 0; row < kPuzzleSize; ++row) {
        for (int column = 0; column < kPuzzleSize; ++column) {
            const Rect cell = cellRect(column, row);
            for (const std::string& name : picturesAt(column, row)) {
                const Ref<Sprite> picture = getImage(name);
                picture->draw(CentredIn(*picture, cell), kDrawPlain);
            }
            if (UsePaintColor(kSeam)) CurrentPainter()->drawRect(cell);
        }
    }
}

Ref<GuiElement> PuzzleDialog::createWidget(const std::string& type) {
    if (type == "PuzzleGrid") return MakeRef<PuzzleGrid>();
    return AnsweredDialog::createWidget(type);
}

void PuzzleDialog::onLoaded() {
    setTitle(GetText("Puzzle"));
    setChildText("Help",
                 GetText("Each artifact found and each villain caught uncovers a piece of "
                         "the map. The sceptre lies under its centre."),
                 "CT");
    setChildText("Exit", GetText("Close"), "CC");
    if (auto* grid = dynamic_cast<PuzzleGrid*>(findChild("Pieces"))) grid->setPieces(pieces_);
}

bool PuzzleDialog::onMessage(const Message& message) {
    if (message.name != "Button") return AnsweredDialog::onMessage(message);
    answer("Exit");
    return true;
}

Ref<Form> PuzzleScreen(RunningGame& game, AnswerHandler then) {
    return MakeRef<PuzzleDialog>(PuzzlePieces(game), std::move(then));
}

}  // namespace cv
