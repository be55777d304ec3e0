#include "test_marker.h"

namespace cv::test {
namespace {
class MarkerFactory : public MapObjFactory {
public:
    MarkerFactory() : MapObjFactory("Marker") {}
    Ref<MapObj> Create() const override { return MakeRef<Marker>(); }
};
const MarkerFactory markerFactory;
}  // namespace

const MapObjFactory& Marker::Factory() const {
    return markerFactory;
}

}  // namespace cv::test
