#include <gtest/gtest.h>

#include "core/path_style.h"

namespace dirnal {
namespace {

TEST(JoinRule, AddsExactlyOneSeparator)
{
    EXPECT_EQ(joinPath("C:\\temp", kListFileName, PathStyle::Windows), "C:\\temp\\dirnal.lst");
    EXPECT_EQ(joinPath("C:\\", kListFileName, PathStyle::Windows), "C:\\dirnal.lst");
    EXPECT_EQ(joinPath("D:\\proj\\", "x", PathStyle::Windows), "D:\\proj\\x");
    EXPECT_EQ(joinPath("/home/cad", kListFileName, PathStyle::Posix), "/home/cad/dirnal.lst");
    EXPECT_EQ(joinPath("/", kListFileName, PathStyle::Posix), "/dirnal.lst");
    // The other style's separator is just a character.
    EXPECT_EQ(joinPath("/tmp\\", "x", PathStyle::Posix), "/tmp\\/x");
}

}  // namespace
}  // namespace dirnal
