#pragma once

#include "core/package.h"
#include "core/resource_groups.h"

namespace cv {

// A resource source backed by a package; names are looked up ignoring case.
class PackageSource : public ResourceSource {
public:
    // Loads the package's directory from `stream` at once.
    PackageSource(std::string name, Ref<Stream> stream);
    Ref<Stream> Open(const std::string& resource) override;
    Package& package() { return package_; }

private:
    Package package_;
};

}  // namespace cv
