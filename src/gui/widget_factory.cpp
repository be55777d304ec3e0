#include "gui/widget_factory.h"

#include <utility>

#include "core/fatal_error.h"
#include "gui/animation_widget.h"
#include "gui/edit.h"
#include "gui/image_widget.h"
#include "gui/label.h"
#include "gui/num_field.h"
#include "gui/text_auto_scroll.h"
#include "gui/text_button.h"
#include "gui/text_view.h"

namespace cv {
namespace {

template <class Kind>
Ref<GuiElement> Make() {
    return MakeRef<Kind>();
}

using Maker = Ref<GuiElement> (*)();

constexpr std::pair<const char*, Maker> kKinds[] = {{"Label", Make<Label>},
                                                    {"TextView", Make<TextView>},
                                                    {"TextAutoScroll", Make<TextAutoScroll>},
                                                    {"Edit", Make<Edit>},
                                                    {"Image", Make<Image>},
                                                    {"Animation", Make<AnimationWidget>},
                                                    {"ButtonText", Make<TextButton>},
                                                    {"NumField", Make<NumField>},
                                                    {"RadioButton", Make<RadioButton>},
                                                    {"CheckBox", Make<CheckBox>}};

}  // namespace

Ref<GuiElement> CreateStandardWidget(const std::string& type) {
    for (const auto& [name, make] : kKinds) {
        if (type == name) return make();
    }
    FatalError("Unknown Widget type: %s", type.c_str());
}

}  // namespace cv
