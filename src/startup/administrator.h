#pragma once
// Whether the player runs with administrator rights: as root, or as a member of one of the
// groups that administer a Linux system (sudo, wheel, admin).

#include <string>
#include <sys/types.h>
#include <vector>

// The decision on given facts: effective user 0, or any group named sudo, wheel or admin.
bool IsAdministrator(uid_t effectiveUser, const std::vector<std::string>& groupNames);

// The decision for this process: its effective user and the names of its effective and
// supplementary groups.
bool IsUserAdministrator();
