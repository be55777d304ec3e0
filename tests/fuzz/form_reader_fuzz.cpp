#include <cstddef>
#include <cstdint>
#include <string>

#include "core/fatal_error.h"
#include "core/memory_stream.h"
#include "core/resource_groups.h"
#include "gfx/image_cache.h"
#include "gfx/sprite_picture.h"
#include "gui/form.h"
#include "gui/form_reader.h"

namespace {

// Serves the fuzzed bytes as the form file and one small picture for every
// picture name, so that every widget kind can be made.
class FuzzSource : public cv::ResourceSource {
public:
    FuzzSource() : ResourceSource("fuzz") {
        cv::RgbaPicture picture{2, 3, std::vector<uint8_t>(2 * 3 * 4, 0xFF)};
        cv::Ref<cv::Sprite> sprite = cv::MakeRef<cv::Sprite>();
        sprite->build(*cv::StoredSurfaceOf(picture, cv::kBuildAlpha), cv::kBuildAlpha);
        cv::Ref<cv::MemoryStream> out = cv::MakeRef<cv::MemoryStream>();
        sprite->save(*out);
        picture_.assign(out->bytes().begin(), out->bytes().end());
    }
    cv::Ref<cv::Stream> Open(const std::string& name) override {
        const bool isPicture = name.size() > 4 && name.compare(name.size() - 4, 4, ".s16") == 0;
        if (name != "Forms\\Fuzz\\form.txt" && !isPicture) return nullptr;
        const std::string& bytes = isPicture ? picture_ : form;
        cv::Ref<cv::MemoryStream> stream = cv::MakeRef<cv::MemoryStream>(name);
        stream->Write(bytes.data(), bytes.size());
        return stream;
    }
    std::string form;

private:
    std::string picture_;
};

FuzzSource& Source() {
    static cv::Ref<FuzzSource> source = [] {
        cv::ImageExtension() = ".s16";
        cv::Ref<FuzzSource> s = cv::MakeRef<FuzzSource>();
        cv::Ref<cv::ResourceGroup> group = cv::MakeRef<cv::ResourceGroup>("");
        group->Add(s);
        cv::RegisterGroup(group);
        return s;
    }();
    return *source;
}

}  // namespace

// Reads arbitrary bytes as a form file, then moves the focus with every
// navigation key and asks what lies under a few points.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Source().form.assign(reinterpret_cast<const char*>(data), size);
    cv::Ref<cv::Form> form = cv::MakeRef<cv::Form>();
    try {
        cv::loadForm(*form, "Fuzz");
    } catch (const cv::EngineError&) {
        return 0;
    }
    for (int key : {8, 9, 10, 11, 44, 3, 2, 8, 10}) form->onKey(key, true);
    for (int xy : {0, 5, 100, -1}) form->hitTest({xy, xy});
    cv::purgeImages();
    return 0;
}
