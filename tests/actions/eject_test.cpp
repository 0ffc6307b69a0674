// Which medium an eject reaches: only an optical drive holding the menu's folder.

#include "actions/eject.h"

#include <gtest/gtest.h>

namespace {

TEST(Eject, OnlyTheOpticalDriveHoldingTheFolder) {
  const std::string mounts =
      "/dev/nvme0n1p2 / ext4 rw 0 0\n"
      "/dev/sr0 /media/user/MY\\040DISC iso9660 ro 0 0\n"
      "/dev/sdb1 /media/user/STICK vfat rw 0 0\n"
      "/dev/loop3 /mnt/image udf ro 0 0\n"
      "garbage\n";
  struct TCase {
    const char* folder;
    std::optional<std::string> device;
  };
  const TCase cases[] = {
      {"/media/user/MY DISC", "/dev/sr0"},
      {"/media/user/MY DISC/menu", "/dev/sr0"},
      {"/media/user/MY DISCO", std::nullopt},
      {"/media/user/STICK/menu", std::nullopt},
      {"/mnt/image/x", "/dev/loop3"},
      {"/home/user/menu", std::nullopt},
  };
  for (const TCase& c : cases) EXPECT_EQ(OpticalDriveOf(c.folder, mounts), c.device) << c.folder;
  EXPECT_EQ(OpticalDriveOf("/x", ""), std::nullopt);
}

}  // namespace
