// Moving the focus with keys: through the tab order, or spatially to the
// nearest element above, below or beside the focused one.
#include <algorithm>

#include "core/name_list.h"
#include "gui/form.h"
#include "gui/gui_keys.h"

namespace cv {
namespace {

int64_t End(int64_t start, int64_t length) {
    return start + length;
}

bool OverlapsAcross(const Rect& a, const Rect& b) {
    const int64_t span = std::max(End(a.x, a.width), End(b.x, b.width)) - std::min(a.x, b.x);
    return span < int64_t{a.width} + b.width;
}

bool CentreWithinRows(const Rect& candidate, const Rect& focused) {
    const int64_t centre = End(candidate.y, candidate.height / 2);
    return focused.y < centre && centre < End(focused.y, focused.height) - 1;
}

}  // namespace

void Form::applyTabOrder(const std::string& value) {
    std::string list = value;
    const size_t slash = value.rfind('/');
    if (slash != std::string::npos) {
        const std::string mode = value.substr(slash + 1);
        navigationMode_ = mode == "Vert"    ? kNavVertical
                          : mode == "Horiz" ? kNavHorizontal
                                            : kNavFree;
        list = value.substr(0, slash);
    }
    tabOrder_ = SplitNameList(list);
    bool focusGiven = false;
    for (const std::string& name : tabOrder_) {
        GuiElement* child = findChild(name);
        if (!child) continue;
        child->setTabStop(true);
        if (!focusGiven) setFocusTo(child);
        focusGiven = true;
    }
}

bool Form::navigate(int key) {
    const bool up = isGuiKey(kRoleUp, key), down = isGuiKey(kRoleDown, key);
    const bool left = isGuiKey(kRoleLeft, key), right = isGuiKey(kRoleRight, key);
    GuiElement* target = nullptr;
    if (isGuiKey(kRoleTab, key)) {
        target = stepTabOrder(1);
    } else if (up || down) {
        if (navigationMode_ == kNavFree) target = searchSpatially(key);
        if (navigationMode_ == kNavVertical) target = stepTabOrder(up ? -1 : 1);
    } else if (left || right) {
        if (navigationMode_ == kNavFree) target = searchSpatially(key);
        if (navigationMode_ == kNavHorizontal) target = stepTabOrder(left ? -1 : 1);
    }
    if (!target || target == focusedChild()) return false;
    setFocusTo(target);
    return true;
}

std::vector<GuiElement*> Form::tabSequence() const {
    std::vector<GuiElement*> sequence;
    if (tabOrder_.empty()) {
        for (auto& child : children_) sequence.push_back(child.get());
        return sequence;
    }
    for (const std::string& name : tabOrder_) {
        if (GuiElement* child = findChild(name)) sequence.push_back(child);
    }
    return sequence;
}

GuiElement* Form::stepTabOrder(int step) const {
    const std::vector<GuiElement*> sequence = tabSequence();
    const auto at = std::find(sequence.begin(), sequence.end(), focusedChild());
    if (at == sequence.end()) {
        auto first = std::find_if(sequence.begin(), sequence.end(),
                                  [](GuiElement* e) { return e->canTakeFocus(); });
        return first == sequence.end() ? nullptr : *first;
    }
    const int count = static_cast<int>(sequence.size());
    const int start = static_cast<int>(at - sequence.begin());
    for (int k = 1; k < count; ++k) {
        GuiElement* candidate = sequence[((start + step * k) % count + count) % count];
        if (candidate->canTakeFocus()) return candidate;
    }
    return nullptr;
}

GuiElement* Form::searchSpatially(int key) const {
    GuiElement* focused = focusedChild();
    if (!focused) return nullptr;
    const bool vertical = isGuiKey(kRoleUp, key) || isGuiKey(kRoleDown, key);
    const bool backwards = isGuiKey(kRoleUp, key) || isGuiKey(kRoleLeft, key);
    std::vector<GuiElement*> candidates;
    for (auto& child : children_) {
        if (!child->canTakeFocus()) continue;
        const bool inLine = vertical ? OverlapsAcross(child->bounds(), focused->bounds())
                                     : CentreWithinRows(child->bounds(), focused->bounds());
        if (inLine) candidates.push_back(child.get());
    }
    if (candidates.size() < 2) return nullptr;
    std::stable_sort(
        candidates.begin(), candidates.end(), [vertical](GuiElement* a, GuiElement* b) {
            return vertical ? a->bounds().y < b->bounds().y : a->bounds().x < b->bounds().x;
        });
    const auto at = std::find(candidates.begin(), candidates.end(), focused);
    if (at == candidates.end()) return nullptr;
    const size_t count = candidates.size();
    const size_t index = static_cast<size_t>(at - candidates.begin());
    return candidates[(index + (backwards ? count - 1 : 1)) % count];
}

}  // namespace cv
