#include "runtime/language/HelpFile.h"

#include <gtest/gtest.h>

#include <set>

namespace velmar {
namespace {

struct HelpCase {
    int languageIndex;
    std::set<std::string> present;
    std::string expected;
};

TEST(HelpFile, FirstExistingPageInTheLanguageThenInEnglishThenTheProgramsOwn)
{
    const std::string dir = "/opt/velmar/";
    const std::string exe = "/opt/velmar/ostra";
    const std::vector<HelpCase> cases{
        {0, {"Korvo2.html", "DEDUV.html"}, "/opt/velmar/Korvo2.html"},
        {0, {"Sablo2.html", "Korvo2.html"}, "/opt/velmar/Sablo2.html"},
        {0, {}, "/opt/velmar/ostra.html"},
        {7, {"Korvo2G.html", "Korvo2.html"}, "/opt/velmar/Korvo2G.html"}, // German
        {10, {"DEDUVJ.html"}, "/opt/velmar/DEDUVJ.html"},                 // Japanese
        {8, {"Korvo2F.html"}, "/opt/velmar/Korvo2F.html"},  // Finnish: help letter F, not H
        {12, {"Korvo2C.html"}, "/opt/velmar/Korvo2C.html"}, // Chinese Simplified: C, not L
        {7, {"Korvo2.html"}, "/opt/velmar/Korvo2.html"},    // no German page: English
        {7, {}, "/opt/velmar/ostra.html"},
        {7, {"ostraG.html"}, "/opt/velmar/ostraG.html"},
    };
    for (const HelpCase& c : cases) {
        const auto exists = [&](const std::string& path) {
            return path.rfind(dir, 0) == 0 && c.present.contains(path.substr(dir.size()));
        };
        EXPECT_EQ(ChooseHelpFile(dir, exe, c.languageIndex, exists), c.expected)
            << "language " << c.languageIndex;
    }
}

} // namespace
} // namespace velmar
