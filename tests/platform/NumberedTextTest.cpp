#include "runtime/language/NumberedText.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(NumberedText, EnglishUntilALookupIsInstalledAndAgainAfterIt)
{
    EXPECT_EQ(NumberedText(4678), "Error creating memory mapping");
    EXPECT_EQ(NumberedText(28), "Error");
    EXPECT_EQ(NumberedText(60000), "1") << "a number no table holds";

    SetNumberedTextLookup([](std::uint16_t number) { return "#" + std::to_string(number); });
    EXPECT_EQ(NumberedText(4678), "#4678");
    EXPECT_EQ(NumberedText(60000), "#60000") << "the lookup decides about unknown numbers too";

    SetNumberedTextLookup(nullptr);
    EXPECT_EQ(NumberedText(4678), "Error creating memory mapping");
}

} // namespace
} // namespace velmar
