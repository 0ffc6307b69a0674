#include "startup/administrator.h"

#include <grp.h>
#include <unistd.h>

#include <algorithm>

bool IsAdministrator(uid_t effectiveUser, const std::vector<std::string>& groupNames) {
  if (effectiveUser == 0) return true;
  return std::any_of(groupNames.begin(), groupNames.end(),
                     [](const std::string& name) { return name == "sudo" || name == "wheel" || name == "admin"; });
}

bool IsUserAdministrator() {
  std::vector<gid_t> groups;
  const int count = getgroups(0, nullptr);
  if (count > 0) {
    groups.resize(static_cast<size_t>(count));
    const int got = getgroups(count, groups.data());
    groups.resize(got > 0 ? static_cast<size_t>(got) : 0);
  }
  groups.push_back(getegid());
  std::vector<std::string> names;
  for (gid_t gid : groups) {
    group entry{};
    group* found = nullptr;
    std::vector<char> buffer(16384);
    if (getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) == 0 && found) names.emplace_back(found->gr_name);
  }
  return IsAdministrator(geteuid(), names);
}
