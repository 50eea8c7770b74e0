#include "runtime/SharedMemory.h"

#include "runtime/HostLinkBlock.h"
#include "runtime/platform/NamedMapping.h"
#include "runtime/platform/PlatformError.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmar {
namespace {

using velmar::test::ChildProcess;

constexpr std::int32_t kBlockLength = 70020;
constexpr const char* kName = "KorvoExeInfo";

// A process that holds the mapping (creating or joining it) and, given a value, writes it
// into the data at an offset. It reports the byte it sees there.
struct Holder {
    Holder(std::int32_t length, long offset, long value)
        : process(VELMAR_MESSAGE_PEER, {"hold-mapping", kName, std::to_string(length),
                                        std::to_string(offset), std::to_string(value)})
    {
        const std::string line = process.readLine();
        EXPECT_EQ(line.rfind("ready 0 ", 0), 0U) << "holder said: " << line;
        seen = line.size() > 8 ? std::stoi(line.substr(8)) : -1;
    }
    ChildProcess process;
    int seen = -1;
};

class SharedMemoryTest : public ::testing::Test {
protected:
    [[nodiscard]] std::filesystem::path mapFile() const
    {
        return session.sessionDir() / (std::string(kName) + ".map");
    }
    velmar::test::ScopedSession session;
};

// What every platform's mapping does is held by the platform contract; here, its file.
TEST_F(SharedMemoryTest, AFreshMappingIsAFileOnlyItsOwnerReadsAndWrites)
{
    const auto map = SharedMemory::Create(kName, kBlockLength);
    ASSERT_TRUE(map);
    EXPECT_EQ(std::filesystem::file_size(mapFile()), 70024U);
    EXPECT_EQ(std::filesystem::status(mapFile()).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST_F(SharedMemoryTest, LastHolderRemovesTheMappingAndLeftoversStartAfresh)
{
    {
        Holder other(kBlockLength, 0, 1);
        {
            const auto map = SharedMemory::Create(kName, kBlockLength);
            EXPECT_EQ(map->Data()[0], std::byte{1});
        }
        EXPECT_TRUE(std::filesystem::exists(mapFile())) << "the other holder keeps it";
    }
    // The holder was killed: its file is left, but nobody holds it any more.
    std::ofstream(mapFile(), std::ios::binary | std::ios::app) << "junk";
    {
        const auto map = SharedMemory::Create(kName, kBlockLength);
        EXPECT_TRUE(std::all_of(map->Data(), map->Data() + kBlockLength,
                                [](std::byte b) { return b == std::byte{0}; }));
        EXPECT_EQ(std::filesystem::file_size(mapFile()), 70024U);
    }
    EXPECT_FALSE(std::filesystem::exists(mapFile()));
}

TEST_F(SharedMemoryTest, UnusableMappingsAreRefusedWithTheErrorText)
{
    auto expectRefused = [&](const char* why) {
        try {
            const auto map = SharedMemory::Create(kName, kBlockLength);
            ADD_FAILURE() << why << ": joined";
        } catch (const SharedMemoryError& error) {
            EXPECT_STREQ(error.what(), "Error creating memory mapping") << why;
            EXPECT_FALSE(error.detail().empty()) << why;
        }
    };

    {
        ChildProcess shortHolder(VELMAR_MESSAGE_PEER, {"hold-raw-mapping", kName, "100"});
        ASSERT_EQ(shortHolder.readLine(), "ready 0");
        expectRefused("a held mapping shorter than the block");
    }
    std::filesystem::remove(mapFile());

    {
        // Held (a shared lock of our own) but open to others.
        const int fd = ::open(mapFile().c_str(), O_RDWR | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::fchmod(fd, 0644), 0);
        ASSERT_EQ(::ftruncate(fd, 70024), 0);
        ASSERT_EQ(::flock(fd, LOCK_SH), 0);
        expectRefused("a mapping open to group and others");
        ::close(fd);
    }
    std::filesystem::remove(mapFile());

    std::ofstream(session.root() / "target") << "x";
    std::filesystem::create_symlink(session.root() / "target", mapFile());
    expectRefused("a symbolic link in place of the mapping");
    std::filesystem::remove(mapFile());

    EXPECT_THROW((void)SharedMemory::Create(kName, -1), SharedMemoryError);
    EXPECT_THROW((void)SharedMemory::Create("bad/name", kBlockLength), SharedMemoryError);
}

} // namespace
} // namespace velmar
