#pragma once
// The values of a menu's path macros: the folder words %CDROM%, %WinDir%, %SysDir% and
// %Desktop% (see actions/macros.h for how they are found and expanded).

#include <string>

struct TMacroValues {
  std::string cdrom;
  std::string winDir;
  std::string sysDir;
  std::string desktop;
};
