#include "runtime/link/ExeBaseName.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(ExeBaseName, IsTheFileNameWithoutDirectoryAndExtension)
{
    const struct {
        const char* path;
        const char* base;
    } cases[] = {
        {"C:\\Apps\\Host.Exe", "Host"},
        {"D:\\X\\HOST.EXE", "HOST"},
        {"C:\\Old.Dir\\HOST", "HOST"},
        {"KORVO.EXE", "KORVO"},
        {"D:HOST.EXE", "HOST"},
        {"/usr/lib/velmar.d/korvo", "korvo"},
        {"archive.tar.gz", "archive.tar"},
        {"C:\\Korvo\\", ""},
        {".EXE", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExeBaseName(c.path), c.base) << c.path;
}

TEST(ExeBaseName, UpperCaseFoldsOnlyAToZ)
{
    EXPECT_EQ(UpperCaseAscii("korvo.Exe"), "KORVO.EXE");
    EXPECT_EQ(UpperCaseAscii("h\xC3\xA4st"), "H\xC3\xA4ST"); // "häst": the UTF-8 bytes stay
}

} // namespace
} // namespace velmar
