#include "runtime/HostLinkBlock.h"
#include "runtime/SharedMemory.h"
#include "runtime/platform/NamedMapping.h"
#include "tests/platform/PlatformContract.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace velmar {
namespace {

using velmar::test::contract::Peer;

constexpr std::int32_t kBlockLength = 70020;
constexpr const char* kName = "KorvoExeInfo";

std::int32_t lengthPrefix(const SharedMemory& map)
{
    std::int32_t prefix = 0;
    std::memcpy(&prefix, map.ViewBase(), sizeof prefix);
    return prefix;
}

bool allZero(const SharedMemory& map)
{
    return std::all_of(map.Data(), map.Data() + kBlockLength,
                       [](std::byte b) { return b == std::byte{0}; });
}

// A process that holds the mapping (creating or joining it) and, given a value, writes it
// into the data at an offset. It reports the byte it sees there.
struct Holder {
    Holder(std::int32_t length, long offset, long value)
        : peer({"hold-mapping", kName, std::to_string(length), std::to_string(offset),
                std::to_string(value)})
    {
        // The peer announces "ready 0 <byte>".
        if (peer.announcement.size() > 2)
            seen = std::stoi(peer.announcement.substr(2));
    }
    Peer peer;
    int seen = -1;
};

class SharedMemoryContract : public ::testing::Test {
protected:
    velmar::test::ScopedSession session;
};

TEST_F(SharedMemoryContract, FreshMappingIsZeroWithItsLengthPrefix)
{
    const auto map = SharedMemory::Create(kName, kBlockLength);
    ASSERT_TRUE(map);
    EXPECT_EQ(lengthPrefix(*map), kBlockLength);
    EXPECT_EQ(map->Data() - map->ViewBase(), 4);
    EXPECT_EQ(map->DataSize(), static_cast<std::size_t>(kBlockLength));
    EXPECT_TRUE(allZero(*map));
    EXPECT_NE(map->Handle(), 0) << "the handle the host is given at sign-in";
}

TEST_F(SharedMemoryContract, SecondProcessSeesTheFirstOnesBytes)
{
    const auto map = SharedMemory::Create(kName, kBlockLength);
    map->Data()[kBlockLength - 1] = std::byte{0x5A};
    Holder other(kBlockLength, kBlockLength - 1, 0x33);
    EXPECT_EQ(other.seen, 0x33);
    EXPECT_EQ(map->Data()[kBlockLength - 1], std::byte{0x33}) << "and we see its writes";
}

TEST_F(SharedMemoryContract, JoiningKeepsTheHoldersBytesAndRewritesThePrefix)
{
    Holder host(kBlockLength, HostLinkBlock::kSysExOffset, 0x7E);
    {
        // A prefix the creator wrote differently is set to our length again.
        const auto probe = platform::NamedMapping::openExisting(kName, 4);
        ASSERT_TRUE(probe);
        EXPECT_FALSE(probe->createdFresh());
        std::memset(probe->base(), 0xFF, 4);
    }
    const auto map = SharedMemory::Create(kName, kBlockLength);
    EXPECT_FALSE(allZero(*map));
    EXPECT_EQ(map->Data()[HostLinkBlock::kSysExOffset], std::byte{0x7E});
    EXPECT_EQ(lengthPrefix(*map), kBlockLength);
}

TEST_F(SharedMemoryContract, OpenModeWithoutAMappingYieldsNothing)
{
    EXPECT_EQ(SharedMemory::Create(kName, 0), nullptr);

    const auto created = SharedMemory::Create(kName, kBlockLength);
    created->Data()[0] = std::byte{9};
    const auto opened = SharedMemory::Create(kName, 0);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->Data()[0], std::byte{9});
    EXPECT_EQ(lengthPrefix(*opened), kBlockLength);
}

TEST_F(SharedMemoryContract, TheMappingEndsWithItsLastHolder)
{
    {
        Holder other(kBlockLength, 0, 1);
        {
            const auto map = SharedMemory::Create(kName, kBlockLength);
            EXPECT_EQ(map->Data()[0], std::byte{1});
        }
        const auto stillThere = platform::NamedMapping::openExisting(kName, 4);
        EXPECT_TRUE(stillThere) << "the other holder keeps it";
    }
    // The holder was killed: nobody holds the mapping, so it starts afresh.
    const auto map = SharedMemory::Create(kName, kBlockLength);
    EXPECT_TRUE(allZero(*map));
    const auto fresh = platform::NamedMapping::createOrJoin(kName, 4);
    EXPECT_FALSE(fresh->createdFresh()) << "we hold it now";
}

TEST_F(SharedMemoryContract, UnusableMappingsAreRefusedWithTheErrorText)
{
    {
        Peer shortHolder({"hold-raw-mapping", kName, "100"});
        try {
            const auto map = SharedMemory::Create(kName, kBlockLength);
            ADD_FAILURE() << "joined a held mapping shorter than the block";
        } catch (const SharedMemoryError& error) {
            EXPECT_STREQ(error.what(), "Error creating memory mapping");
            EXPECT_FALSE(error.detail().empty());
        }
    }
    EXPECT_THROW((void)SharedMemory::Create(kName, -1), SharedMemoryError);
    EXPECT_THROW((void)SharedMemory::Create("bad/name", kBlockLength), SharedMemoryError);
    EXPECT_THROW((void)SharedMemory::Create("", kBlockLength), SharedMemoryError);
}

} // namespace
} // namespace velmar
