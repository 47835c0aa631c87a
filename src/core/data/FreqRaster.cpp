#include "core/data/FreqRaster.h"

namespace tav {

namespace {

// Raster widths in 10 Hz counts.
constexpr std::uint32_t k12_5kHz = 1250;
constexpr std::uint32_t k10kHz = 1000;
constexpr std::uint32_t k6_25kHz = 625;
constexpr std::uint32_t k5kHz = 500;
constexpr std::uint32_t k2_5kHz = 250;

} // namespace

StepClass ClassifyStep(std::uint32_t count) {
    if (count % k12_5kHz == 0) {
        return {StepCode::Raster12_5k, count};
    }
    if (count % k10kHz == 0) {
        return {StepCode::Raster10k, count};
    }
    if (count % k6_25kHz == 0) {
        return {StepCode::Raster6_25k, count};
    }
    if (count % k5kHz == 0) {
        return {StepCode::Raster5k, count};
    }
    return {StepCode::Raster12_5k, count - count % k12_5kHz};
}

GridStepClass ClassifyStepGrid(std::uint32_t count) {
    if (count % k12_5kHz == 0) {
        return {GridStepCode::Raster12_5k, count};
    }
    if (count % k10kHz == 0) {
        return {GridStepCode::Raster10k, count};
    }
    if (count % k6_25kHz == 0) {
        return {GridStepCode::Raster6_25k, count};
    }
    if (count % k5kHz == 0) {
        return {GridStepCode::Raster5k, count};
    }
    return {GridStepCode::OffRaster, count - count % k2_5kHz};
}

} // namespace tav
