#include "tests/install/CommandOutput.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace velmar::install::test {
namespace {

// The page as a reader sees it: roff writes a hyphen of an option as "\-".
std::string pageText(const std::string& path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return std::regex_replace(text.str(), std::regex(R"(\\-)"), "-");
}

TEST(KorvoManualPage, DescribesEveryOptionOfItsHelp)
{
    const CommandOutput help = RunCommand({VELMAR_KORVO, "--help"});
    ASSERT_EQ(help.exitCode, 0);
    const std::regex option(R"((?:^|[\s,])(--?[a-z][a-z-]*))");
    std::set<std::string> options;
    for (std::sregex_iterator it(help.text.begin(), help.text.end(), option), end; it != end; ++it)
        options.insert((*it)[1].str());
    ASSERT_GE(options.size(), 18U) << help.text;

    const std::string page = pageText(VELMAR_SOURCE_DIR "/man/korvo.1");
    for (const std::string& name : options)
        EXPECT_TRUE(std::regex_search(page, std::regex("\\.[BIR]{1,2} [^\n]*" + name + "\\b")))
            << name << " is missing from korvo.1";
}

} // namespace
} // namespace velmar::install::test
