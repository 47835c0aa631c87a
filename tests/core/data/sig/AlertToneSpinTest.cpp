#include "core/data/AlertToneSpin.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(AlertToneSpin, ArrowsStepSnapAndWrapThroughOff) {
    const NumericRange frequency{400, 10, 2550, 1, 40, 1, 0};
    const NumericRange duration{0, 10, 2550, 1, 0, 1, 0};
    const struct {
        const char* text;
        bool frequencyEdit;
        bool up;
        const char* expected;
    } cases[] = {
        {"1000", true, true, "1010"}, {"1005", true, false, "990"}, {"400", true, false, "Off"},
        {"400", true, true, "410"},   {"2550", true, true, "Off"},  {"2550", true, false, "2540"},
        {"Off", true, true, "400"},   {"Off", true, false, "2550"}, {"100", true, true, "400"},
        {"0", false, true, "10"},     {"0", false, false, "2550"},  {"2550", false, true, "0"},
        {"97", false, false, "80"},   {"", false, true, "10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + (c.up ? " up" : " down"));
        EXPECT_EQ(SpinToneEditText(c.text, c.frequencyEdit ? frequency : duration, c.up,
                                   c.frequencyEdit ? "Off" : ""),
                  c.expected);
    }
    EXPECT_EQ(SpinToneEditText("123", NumericRange{}, true, "Off"), "123");
}

} // namespace
} // namespace tav
