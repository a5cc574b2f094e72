// The mode list at its edges: the longest names in any letter case, and values a letter longer.
#include "engine/AdifModes.h"

#include <gtest/gtest.h>

namespace quillon::engine {
namespace {

TEST(AdifModesTest, LongestNamesAndLongerValues)
{
    struct Case {
        const char* value;
        const char* mode; // none when null
        const char* submode;
    };
    const Case cases[] = {
        {"OLIVIA 16/1000", "OLIVIA", "OLIVIA 16/1000"},
        {"vara satellite", "DYNAMIC", "VARA SATELLITE"},
        {"Bpsk125", "PSK", "PSK125"},
        {"digitalvoice", "DIGITALVOICE", ""},
        {"OLIVIA 16/10000", nullptr, nullptr},
        {"VARA SATELLITES", nullptr, nullptr},
        {"", nullptr, nullptr},
        {"CW ", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const auto found = adifModeOf(c.value);
        ASSERT_EQ(found.has_value(), c.mode != nullptr);
        if (found) {
            EXPECT_EQ(found->mode, c.mode);
            EXPECT_EQ(found->submode, c.submode);
        }
    }
}

} // namespace
} // namespace quillon::engine
