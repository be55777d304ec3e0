#include "core/package_source.h"

namespace cv {

PackageSource::PackageSource(std::string name, Ref<Stream> stream)
    : ResourceSource(std::move(name)) {
    package_.Load(std::move(stream));
}

Ref<Stream> PackageSource::Open(const std::string& resource) {
    return package_.Has(resource) ? package_.Open(resource) : nullptr;
}

}  // namespace cv
