#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/platform.h"

// The machine's own services, asked only harmless questions (nothing is changed).
TEST(HostPlatform, WiresEveryServiceAndAnswersReadOnlyQuestions) {
  norvane::Platform p = norvane::makeHostPlatform();
  ASSERT_TRUE(p.volumes && p.shellFolders && p.trash && p.system && p.packageDatabase);
  EXPECT_TRUE(p.system->isNtFamily());
  EXPECT_TRUE(p.trash->available());
  EXPECT_EQ(p.shellFolders->windowsFolder(), "/usr");

  // The root file system is drive C and holds /usr unless /usr is a drive of its own.
  EXPECT_EQ(p.volumes->rootPath('C'), "/");
  const char usr = p.volumes->driveOfPath("/usr");
  EXPECT_GE(usr, 'C');
  EXPECT_LE(usr, 'Z');

  const std::uint32_t before = p.system->tickCount();
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  // The counter is 32 bits wide and wraps; the unsigned difference is still the elapsed time.
  const std::uint32_t elapsed = p.system->tickCount() - before;
  EXPECT_GE(elapsed, 25u);
  EXPECT_LT(elapsed, 5000u);
  p.system->trimWorkingSet();
}
