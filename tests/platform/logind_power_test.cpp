#include "platform/posix/logind_power.h"

#include <gtest/gtest.h>

#include <vector>

namespace norvane {
namespace {

// Stands in for logind: records the calls, never reboots anything.
class FakeLogind : public LogindClient {
 public:
  std::optional<std::string> answer;
  bool accept = true;
  std::vector<bool> rebootCalls;

  std::optional<std::string> canReboot() override { return answer; }
  bool reboot(bool interactive) override {
    rebootCalls.push_back(interactive);
    return accept;
  }
};

TEST(LogindPowerTest, RebootsOnlyWhenLogindSaysYes) {
  auto fake = std::make_shared<FakeLogind>();
  LogindPower power(fake);

  fake->answer = "yes";
  EXPECT_TRUE(power.RestartComputer());
  EXPECT_EQ(std::vector<bool>{false}, fake->rebootCalls);

  fake->accept = false;
  EXPECT_FALSE(power.RestartComputer());
  EXPECT_EQ(2u, fake->rebootCalls.size());

  // No right to reboot, or only after authentication: not asked at all.
  for (auto answer : {std::optional<std::string>("no"), std::optional<std::string>("challenge"),
                      std::optional<std::string>("na"), std::optional<std::string>("YES "),
                      std::optional<std::string>()}) {
    fake->answer = answer;
    EXPECT_FALSE(power.RestartComputer());
  }
  EXPECT_EQ(2u, fake->rebootCalls.size());
  EXPECT_FALSE(LogindPower(nullptr).RestartComputer());
}

}  // namespace
}  // namespace norvane
