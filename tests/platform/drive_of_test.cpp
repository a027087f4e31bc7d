#include <gtest/gtest.h>

#include "platform/drive_of.h"

namespace dirnal {
namespace {

TEST(DriveOfPath, TakesTheLongestMountPointThatHoldsThePath)
{
    const std::vector<std::string> drives{"/", "/home", "/home/shared", "/media/usb"};
    EXPECT_EQ(driveOfPath("/home/anna/cad", drives), "/home");
    EXPECT_EQ(driveOfPath("/home", drives), "/home");
    EXPECT_EQ(driveOfPath("/home/shared/lib", drives), "/home/shared");
    EXPECT_EQ(driveOfPath("/homework", drives), "/") << "a mount point ends at a separator";
    EXPECT_EQ(driveOfPath("/media/usb/", drives), "/media/usb");
    EXPECT_EQ(driveOfPath("/tmp", drives), "/");
    EXPECT_EQ(driveOfPath("relative", drives), "/");
    EXPECT_EQ(driveOfPath("/x", {}), "/");
}

}  // namespace
}  // namespace dirnal
