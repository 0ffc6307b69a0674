// Path macros: folder words in any case, environment macros with their scanning rules.

#include "actions/macros.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(Macros, FolderAndEnvironmentMacros) {
  const TMacroValues values{"/media/cdrom", "/home/u/.wine/drive_c/windows", "/home/u/.wine/drive_c/windows/system32",
                            "/home/u/Desktop"};
  const std::map<std::string, std::string> variables = {{"TEMP", "/tmp/t"}, {"EMPTY", ""}, {"HOLDS", "%CDROM%"}};
  const TEnvironmentReader environment = [&](const std::string& name) -> std::optional<std::string> {
    const auto found = variables.find(name);
    return found == variables.end() ? std::nullopt : std::optional(found->second);
  };
  struct TCase {
    const char* text;
    const char* expanded;
  };
  const TCase cases[] = {
      {"%CDROM%\\setup\\Setup.exe", "/media/cdrom\\setup\\Setup.exe"},
      {"%cdrom%\\a", "/media/cdrom\\a"},
      {"%CDROM%", "/media/cdrom"},
      {"%WINDIR%|%sysdir%|%Desktop%\\f.txt",
       "/home/u/.wine/drive_c/windows|/home/u/.wine/drive_c/windows/system32|/home/u/Desktop\\f.txt"},
      {"%%ENV-TEMP%%\\x", "/tmp/t\\x"},
      {"%%env-  TEMP %%\\x", "/tmp/t\\x"},
      {"a%%ENV-UNDEFINED%%b", "ab"},
      {"%%ENV-%%", "%%ENV-%%"},
      {"%%ENV-%%ENV-TEMP%%", "%%ENV-/tmp/t"},  // the empty name's closing pair opens the next macro
      {"%%ENV-TEMP no close", "%%ENV-TEMP no close"},
      {"%%ENV-TEMP%% then %%ENV-TEMP", "/tmp/t then %%ENV-TEMP"},
      {"100%% sure %ENV-TEMP%", "100%% sure %ENV-TEMP%"},
      {"%%ENV-HOLDS%%", "%CDROM%"},  // an inserted value is never expanded again
      {"%%ENV-TEMP%%%%ENV-TEMP%%", "/tmp/t/tmp/t"},
      {"docs\\manual.pdf", "docs\\manual.pdf"},
      {"", ""},
  };
  for (const TCase& c : cases) EXPECT_EQ(ExpandMacros(c.text, values, environment), c.expanded) << c.text;
}

TEST(Macros, AFolderValueCanHoldAnotherMacro) {
  const TMacroValues values{"%Desktop%", "", "", "/d"};
  EXPECT_EQ(ExpandMacros("%CDROM%\\x", values, {}), "/d\\x");
}

TEST(Macros, SystemValuesDropOneTrailingSeparator) {
  EXPECT_EQ(SystemMacroValues("/media/cdrom/").cdrom, "/media/cdrom");
  EXPECT_EQ(SystemMacroValues("/").cdrom, "");
}

}  // namespace
