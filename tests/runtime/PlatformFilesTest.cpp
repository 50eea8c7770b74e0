#include "runtime/platform/Clock.h"
#include "runtime/platform/Files.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace velmar::platform {
namespace {

TEST(PlatformFiles, ProgramAndConfigurationDirectories)
{
    velmar::test::ScopedSession session;
    const std::string exeDir = ExeDir();
    ASSERT_FALSE(exeDir.empty());
    EXPECT_EQ(exeDir.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(exeDir + "runtime_tests"));

    const std::string config = WindowsDir();
    EXPECT_EQ(config, (session.configDir() / "velmar").string() + "/");
    EXPECT_TRUE(std::filesystem::is_directory(config));
}

TEST(PlatformFiles, WritableDirectories)
{
    velmar::test::ScopedSession session;
    EXPECT_TRUE(directoryWritable(session.root().string()));
    EXPECT_FALSE(directoryWritable((session.root() / "absent").string()));
    EXPECT_FALSE(directoryWritable("/proc/self")) << "a file system that takes no files";
}

} // namespace
} // namespace velmar::platform
