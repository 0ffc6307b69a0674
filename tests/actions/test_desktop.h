#pragma once
// A desktop of the tests' own for GIO's default applications, so that no test starts a real
// application of the machine: the XDG data and configuration folders point into the test
// folder, where one desktop entry, a recording viewer, is the default for plain text and for
// "https" addresses. No shared MIME database lies there, so a file's type is told by its bytes
// alone: text is plain text, other bytes have no default application.
//
// The viewer writes "viewer" and its arguments to Record(), waits until Release() exists (at
// most about five seconds), then writes "viewer done". GIO reads these folders once per process:
// call UseTestDesktop before anything in the process asks GIO, and use no other. GIO is reached
// through the build tree's desktop module (TELVO_MODULE_DIR, given by CMake).

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace telvo_test {

struct TTestDesktop {
  std::filesystem::path folder;
  std::filesystem::path Record() const { return folder / "record.txt"; }
  std::filesystem::path Release() const { return folder / "release"; }
  std::string RecordText() const {
    std::ifstream in(Record());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // Forgets what the viewer wrote and holds the next viewer until Release() exists.
  void Reset() const {
    std::filesystem::remove(Record());
    std::filesystem::remove(Release());
  }
};

inline const TTestDesktop& UseTestDesktop() {
  static const TTestDesktop desktop = [] {
    namespace fs = std::filesystem;
    TTestDesktop made{fs::path(testing::TempDir()) / ("desktop_" + std::to_string(getpid()))};
    fs::remove_all(made.folder);
    fs::create_directories(made.folder / "data" / "applications");
    fs::create_directories(made.folder / "config");
    const fs::path viewer = made.folder / "viewer";
    std::ofstream(viewer) << "#!/bin/sh\nprintf '%s\\n' \"viewer $*\" >> '" << made.Record().string() << "'\n"
                          << "i=0\nwhile [ ! -e '" << made.Release().string() << "' ] && [ $i -lt 500 ]; do\n"
                          << "  sleep 0.01\n  i=$((i + 1))\ndone\n"
                          << "echo 'viewer done' >> '" << made.Record().string() << "'\n";
    fs::permissions(viewer, fs::perms::owner_all);
    std::ofstream(made.folder / "data" / "applications" / "telvo-test-viewer.desktop")
        << "[Desktop Entry]\nType=Application\nName=Viewer\nExec=" << viewer.string() << " %u\n"
        << "MimeType=text/plain;x-scheme-handler/https;\n";
    std::ofstream(made.folder / "config" / "mimeapps.list")
        << "[Default Applications]\ntext/plain=telvo-test-viewer.desktop\n"
        << "x-scheme-handler/https=telvo-test-viewer.desktop\n";
    setenv("XDG_DATA_HOME", (made.folder / "data").c_str(), 1);
    setenv("XDG_DATA_DIRS", (made.folder / "data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (made.folder / "config").c_str(), 1);
    setenv("XDG_CONFIG_DIRS", (made.folder / "config").c_str(), 1);
    // GIO comes with the player's desktop module, from the build tree.
    setenv("TELVO_MODULE_DIR", TELVO_MODULE_DIR, 1);
    return made;
  }();
  return desktop;
}

}  // namespace telvo_test
