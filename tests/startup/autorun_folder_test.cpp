// A folder in place of a document: the menu its autorun.inf names is found ignoring letter case,
// and nothing the file says leads outside the folder, to a folder, to autorun.inf itself or to
// anything but a regular file that carries a menu.

#include "startup/autorun_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "document/container.h"
#include "document/stream_builder.h"
#include "startup/allocation_watch.h"
#include "startup/autorun_inf.h"

namespace fs = std::filesystem;

namespace {

fs::path FreshFolder() {
  const fs::path folder = fs::path(testing::TempDir()) /
                          ("autorun_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

void WriteBytes(const fs::path& path, std::span<const uint8_t> bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const fs::path& path, std::string_view text) {
  WriteBytes(path, {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

std::vector<uint8_t> Container() { return WriteDocumentContainer(CaptionStream("Menu"), {}); }
const std::vector<uint8_t> kProgram(3000, 0x90);

void WriteMenu(const fs::path& path) { WriteBytes(path, Container()); }
void WriteMenuExecutable(const fs::path& path) { WriteBytes(path, AppendContainer(kProgram, Container(), kTagNewSaFlag)); }
void WriteProgram(const fs::path& path) { WriteBytes(path, kProgram); }

// Where the cases lie: disc/ is the folder played, outside/ holds a menu beside it.
struct TCase {
  const char* name;
  std::string inf;                          // written as disc/autorun.inf unless empty
  std::function<void(const fs::path& disc)> setUp;
  std::string found;                        // the menu's path below disc/, or empty
  std::string error;                        // with DIR standing for the disc folder
  std::string startPage = {};               // with the menu found
};

void Check(const fs::path& root, const std::vector<TCase>& cases) {
  for (size_t i = 0; i < cases.size(); ++i) {
    const TCase& c = cases[i];
    SCOPED_TRACE(c.name);
    const fs::path disc = root / ("case" + std::to_string(i)) / "disc";
    fs::create_directories(disc);
    WriteMenu(disc.parent_path() / "outside" / "menu.kiv");
    if (!c.inf.empty()) WriteText(disc / "autorun.inf", c.inf);
    if (c.setUp) c.setUp(disc);
    const TAutorunMenu menu = FindAutorunMenu(disc.string());
    if (!c.found.empty()) {
      EXPECT_EQ(menu.documentPath, (disc / c.found).string()) << menu.error;
      EXPECT_EQ(menu.startPage, c.startPage);
    } else {
      EXPECT_FALSE(menu.documentPath);
      std::string error = c.error;
      error.replace(error.find("DIR"), 3, disc.string());
      EXPECT_EQ(menu.error, error);
    }
  }
}

TEST(AutorunFolder, FindsTheMenuNamedIgnoringLetterCase) {
  Check(FreshFolder(),
        {
            {"a .kiv document in a folder, names in other letter cases", "[AutoRun]\nOpen=MENU\\start.kiv -x\n",
             [](const fs::path& d) { WriteMenu(d / "Menu" / "Start.KIV"); }, "Menu/Start.KIV", ""},
            {"an executable with an appended menu, quoted", "[autorun]\nopen=\"My setup.EXE\" -x\n",
             [](const fs::path& d) { WriteMenuExecutable(d / "My Setup.exe"); }, "My Setup.exe", ""},
            {"autorun.inf in capitals", "",
             [](const fs::path& d) {
               WriteText(d / "AUTORUN.INF", "[AutoRun]\r\nOpen=menu.kiv\r\n");
               WriteMenu(d / "menu.kiv");
             },
             "menu.kiv", ""},
            {"Open names no menu, ShellExecute does", "[AutoRun]\nOpen=setup.exe\nShellExecute=menu.kiv\n",
             [](const fs::path& d) {
               WriteProgram(d / "setup.exe");
               WriteMenu(d / "menu.kiv");
             },
             "menu.kiv", ""},
            {"a symbolic link and a .. within the folder", "[AutoRun]\nOpen=sub\\..\\link.kiv\n",
             [](const fs::path& d) {
               WriteMenu(d / "sub" / "menu.kiv");
               fs::create_symlink("sub/menu.kiv", d / "link.kiv");
             },
             "link.kiv", ""},
            {"a program without a menu plays the .kiv file beside it", "[AutoRun]\nOpen=bin\\AUTORUN.EXE -p Main\n",
             [](const fs::path& d) {
               WriteProgram(d / "bin" / "autorun.exe");
               WriteMenu(d / "bin" / "Autorun.KIV");
             },
             "bin/Autorun.KIV", "", "Main"},
            {"a document argument, quoted, found ignoring letter case, and a page",
             "[AutoRun]\nOpen=player.exe -p \"Page 2\" -x \"MY MENUS\\Other.KIV\"\n",
             [](const fs::path& d) {
               WriteProgram(d / "player.exe");
               WriteMenu(d / "My Menus" / "other.kiv");
             },
             "My Menus/other.kiv", "", "Page 2"},
            {"a refused document argument; ShellExecute's command plays",
             "[AutoRun]\nOpen=player.exe -p One ..\\outside\\menu.kiv\nShellExecute=menu.kiv -p Two\n",
             [](const fs::path& d) {
               WriteProgram(d / "player.exe");
               WriteMenu(d / "menu.kiv");
             },
             "menu.kiv", "", "Two"},
        });
}

TEST(AutorunFolder, RefusesWhatIsNoMenuOrLeadsElsewhere) {
  const auto fifo = [](const fs::path& path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); };
  Check(FreshFolder(),
        {
            {"no autorun.inf", "", nullptr, "", "DIR has no autorun.inf"},
            {"no AutoRun section", "[Other]\nOpen=menu.kiv\n", nullptr, "", "DIR/autorun.inf has no [AutoRun] section"},
            {"no program", "[AutoRun]\nIcon=menu.ico\nOpen=\n", nullptr, "",
             "DIR/autorun.inf names no program (no Open= or ShellExecute= in [AutoRun])"},
            {"binary", std::string("[AutoRun]\nOpen=menu.kiv\n\0", 25), nullptr, "",
             "DIR/autorun.inf is no text file (it holds NUL bytes)"},
            {"missing", "[AutoRun]\nOpen=menu\\menu.kiv\n", nullptr, "",
             "DIR/autorun.inf names \"menu\\menu.kiv\", which does not exist"},
            {"a program, not a menu; its error wins over ShellExecute's",
             "[AutoRun]\nOpen=setup.exe\nShellExecute=gone.kiv\n", [](const fs::path& d) { WriteProgram(d / "setup.exe"); },
             "", "DIR/autorun.inf names \"setup.exe\", which holds no menu document"},
            {"a program whose .kiv file beside it leads outside", "[AutoRun]\nOpen=setup.exe\n",
             [](const fs::path& d) {
               WriteProgram(d / "setup.exe");
               fs::create_symlink("../outside/menu.kiv", d / "setup.kiv");
             },
             "", "DIR/autorun.inf names \"setup.exe\", which holds no menu document"},
            {"..", "[AutoRun]\nOpen=..\\outside\\menu.kiv\n", nullptr, "",
             "DIR/autorun.inf names \"..\\outside\\menu.kiv\", which lies outside the folder"},
            {".. after a folder", "[AutoRun]\nOpen=sub\\..\\..\\outside\\menu.kiv\n",
             [](const fs::path& d) { fs::create_directories(d / "sub"); }, "",
             "DIR/autorun.inf names \"sub\\..\\..\\outside\\menu.kiv\", which lies outside the folder"},
            {"absolute", "[AutoRun]\nOpen=\\menu.kiv\n", nullptr, "",
             "DIR/autorun.inf names \"\\menu.kiv\", which lies outside the folder"},
            {"drive letter", "[AutoRun]\nOpen=d:menu.kiv\n", [](const fs::path& d) { WriteMenu(d / "d:menu.kiv"); }, "",
             "DIR/autorun.inf names \"d:menu.kiv\", which lies outside the folder"},
            {"a symbolic link out", "[AutoRun]\nOpen=menu.kiv\n",
             [](const fs::path& d) { fs::create_symlink("../outside/menu.kiv", d / "menu.kiv"); }, "",
             "DIR/autorun.inf names \"menu.kiv\", which lies outside the folder"},
            {"a linked folder out", "[AutoRun]\nOpen=out\\MENU.KIV\n",
             [](const fs::path& d) { fs::create_directory_symlink(d.parent_path() / "outside", d / "out"); }, "",
             "DIR/autorun.inf names \"out\\MENU.KIV\", which lies outside the folder"},
            {"autorun.inf linked from outside", "",
             [](const fs::path& d) {
               WriteText(d.parent_path() / "outside" / "autorun.inf", "[AutoRun]\nOpen=menu.kiv\n");
               fs::create_symlink("../outside/autorun.inf", d / "autorun.inf");
               WriteMenu(d / "menu.kiv");
             },
             "", "DIR/autorun.inf lies outside the folder"},
            {"the folder itself", "[AutoRun]\nOpen=.\\\n", nullptr, "", "DIR/autorun.inf names \".\\\", which is a folder"},
            {"a folder", "[AutoRun]\nOpen=Menu\n", [](const fs::path& d) { fs::create_directories(d / "menu"); }, "",
             "DIR/autorun.inf names \"Menu\", which is a folder"},
            {"autorun.inf itself", "[AutoRun]\nOpen=AutoRun.inf\n", nullptr, "",
             "DIR/autorun.inf names \"AutoRun.inf\", which is autorun.inf itself"},
            {"a loop of links", "[AutoRun]\nOpen=a\n",
             [](const fs::path& d) {
               fs::create_symlink("b", d / "a");
               fs::create_symlink("a", d / "b");
             },
             "", "DIR/autorun.inf names \"a\", which is a loop of symbolic links"},
            {"a FIFO named", "[AutoRun]\nOpen=pipe.kiv\n", [&](const fs::path& d) { fifo(d / "pipe.kiv"); }, "",
             "DIR/autorun.inf names \"pipe.kiv\", which is not a regular file"},
            {"a document argument above the folder", "[AutoRun]\nOpen=player.exe ..\\outside\\menu.kiv\n",
             [](const fs::path& d) { WriteProgram(d / "player.exe"); }, "",
             "DIR/autorun.inf names \"..\\outside\\menu.kiv\", which lies outside the folder"},
            {"a document argument with a drive letter", "[AutoRun]\nOpen=menu.kiv -p Two \"D:\\menu.kiv\"\n",
             [](const fs::path& d) { WriteMenu(d / "menu.kiv"); }, "",
             "DIR/autorun.inf names \"D:\\menu.kiv\", which lies outside the folder"},
            {"a document argument that is no menu", "[AutoRun]\nOpen=menu.kiv setup.exe\n",
             [](const fs::path& d) {
               WriteMenu(d / "menu.kiv");
               WriteProgram(d / "setup.exe");
             },
             "", "DIR/autorun.inf names \"setup.exe\", which holds no menu document"},
            {"a missing program with a document argument", "[AutoRun]\nOpen=gone.exe menu.kiv\n",
             [](const fs::path& d) { WriteMenu(d / "menu.kiv"); }, "",
             "DIR/autorun.inf names \"gone.exe\", which does not exist"},
            {"a FIFO as autorun.inf", "", [&](const fs::path& d) { fifo(d / "autorun.inf"); }, "",
             "DIR/autorun.inf is not a regular file"},
        });
}

TEST(AutorunFolder, RefusesAHugeAutorunInfWithoutReadingIt) {
  const fs::path disc = FreshFolder();
  const std::string section = "[AutoRun]\nOpen=menu.kiv\n";
  WriteText(disc / "autorun.inf", section + std::string(kMaxAutorunInfBytes - section.size(), ' '));
  WriteMenu(disc / "menu.kiv");
  EXPECT_EQ(FindAutorunMenu(disc.string()).documentPath, (disc / "menu.kiv").string()) << "the largest read";
  fs::resize_file(disc / "autorun.inf", uint64_t{1} << 30);  // sparse
  TAllocationWatch watch;
  const TAutorunMenu menu = FindAutorunMenu(disc.string());
  EXPECT_LT(watch.LargestBytes(), kMaxAutorunInfBytes);
  EXPECT_FALSE(menu.documentPath);
  EXPECT_EQ(menu.error, (disc / "autorun.inf").string() + " is larger than 64 KiB");
}

}  // namespace
