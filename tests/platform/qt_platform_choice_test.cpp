#include "platform/qt_platform_choice.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "support/scoped_environment.h"

namespace {

using Var = std::optional<std::string>;

TEST(QtPlatformChoice, XcbOnlyInAWaylandSessionWithAnXServerAndNoChoiceOfTheUser) {
  struct Case {
    const char* name;
    TPlatformEnvironment environment;
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {"wayland with XWayland", {"wayland-0", ":0", std::nullopt}, "xcb"},
      {"wayland without an X server", {"wayland-0", std::nullopt, std::nullopt}, std::nullopt},
      {"X11 session", {std::nullopt, ":0", std::nullopt}, std::nullopt},
      {"no display at all", {std::nullopt, std::nullopt, std::nullopt}, std::nullopt},
      {"user chose wayland", {"wayland-0", ":0", "wayland"}, std::nullopt},
      {"user chose offscreen", {"wayland-0", ":0", "offscreen"}, std::nullopt},
      {"empty platform counts as unset", {"wayland-0", ":0", ""}, "xcb"},
      {"empty WAYLAND_DISPLAY counts as unset", {"", ":0", std::nullopt}, std::nullopt},
      {"empty DISPLAY counts as unset", {"wayland-0", "", std::nullopt}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(QtPlatformFor(c.environment), c.expected);
  }
}

TEST(QtPlatformChoice, TheXServerIsProbedOnlyWhenQtWillUseItsX11PlugIn) {
  struct Case {
    const char* name;
    TPlatformEnvironment environment;
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {"X11 session", {std::nullopt, ":3", std::nullopt}, ":3"},
      {"xcb chosen", {"wayland-0", ":3", "xcb"}, ":3"},
      {"xcb with options", {std::nullopt, ":3", "xcb:nograb"}, ":3"},
      {"xcb first in a fallback list", {std::nullopt, ":3", "xcb;offscreen"}, ":3"},
      {"xcb only as the fallback", {std::nullopt, ":3", "offscreen;xcb"}, std::nullopt},
      {"offscreen", {std::nullopt, ":3", "offscreen"}, std::nullopt},
      {"a name that only begins with xcb", {std::nullopt, ":3", "xcbx"}, std::nullopt},
      {"Qt chooses in a Wayland session", {"wayland-0", ":3", std::nullopt}, std::nullopt},
      {"xcb without DISPLAY", {std::nullopt, std::nullopt, "xcb"}, std::nullopt},
      {"empty DISPLAY", {std::nullopt, "", std::nullopt}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(X11DisplayFor(c.environment), c.expected);
  }
}

TEST(QtPlatformChoice, ADisplayWithoutAServerDoesNotAnswer) { EXPECT_FALSE(TX11Connection(":65001").Answers()); }

TEST(QtPlatformChoice, ChooseQtPlatformSetsTheVariableOnlyWhenItDecides) {
  {
    telvo_test::TScopedEnvironment wayland("WAYLAND_DISPLAY", "wayland-0");
    telvo_test::TScopedEnvironment display("DISPLAY", ":5");
    telvo_test::TScopedEnvironment platform("QT_QPA_PLATFORM", nullptr);
    ChooseQtPlatform();
    ASSERT_NE(std::getenv("QT_QPA_PLATFORM"), nullptr);
    EXPECT_STREQ(std::getenv("QT_QPA_PLATFORM"), "xcb");
  }
  {
    telvo_test::TScopedEnvironment wayland("WAYLAND_DISPLAY", "wayland-0");
    telvo_test::TScopedEnvironment display("DISPLAY", nullptr);
    telvo_test::TScopedEnvironment platform("QT_QPA_PLATFORM", nullptr);
    ChooseQtPlatform();
    EXPECT_EQ(std::getenv("QT_QPA_PLATFORM"), nullptr);
  }
  {
    telvo_test::TScopedEnvironment wayland("WAYLAND_DISPLAY", "wayland-0");
    telvo_test::TScopedEnvironment display("DISPLAY", ":5");
    telvo_test::TScopedEnvironment platform("QT_QPA_PLATFORM", "wayland");
    ChooseQtPlatform();
    EXPECT_STREQ(std::getenv("QT_QPA_PLATFORM"), "wayland");
  }
}

}  // namespace
