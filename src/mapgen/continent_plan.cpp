#include "mapgen/continent_plan.h"

namespace cv::mapgen {
namespace {

constexpr double kInnerSquareCells = 58 * 58;

}  // namespace

const std::array<ContinentPlan, kContinentCount>& ContinentPlans() {
    static const std::array<ContinentPlan, kContinentCount> plans = {{
        {11, 1, 75, 75, 35, 30, 20, 20},
        {6, 2, 80, 66, 28, 50, 20, 0},
        {6, 3, 30, 44, 10, 10, 40, 0},
        {3, 4, 90, 55, 15, 10, 50, 20},
    }};
    return plans;
}

int LandTarget(const ContinentPlan& plan) {
    return static_cast<int>(plan.landPercent * 0.01 * kInnerSquareCells);
}

int ClassTarget(int percent, int landCount) {
    return static_cast<int>(percent * 0.01 * landCount);
}

}  // namespace cv::mapgen
