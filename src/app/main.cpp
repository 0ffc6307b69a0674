// telvo: plays a menu document; --render paints it off-screen, --render-splash draws its splash,
// --transition draws one frame of a transition, --dump prints it as text.

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "startup/autorun_folder.h"
#include "startup/command_line.h"
#include "document/component_writer.h"
#include "startup/document_loader.h"
#include "startup/main_window.h"
#include "startup/play.h"
#include "startup/register_menu_classes.h"
#include "startup/render.h"
#include "startup/splash_render.h"
#include "startup/transition_render.h"
#include "document/text_form.h"

namespace {

constexpr const char* kUsage =
    "Usage: telvo [DOCUMENT] [-p PAGE] [--render OUT.png [--at MS]] [--render-splash MS OUT.png] [--dump]\n"
    "             [--transition STYLE PROGRESS OLD.png NEW.png OUT.png [--step N]]\n"
    "             [--first-frame] [--scale N] [--verbose] [--help] [--version]\n"
    "Plays a menu document (a .kiv file, or an executable that carries one). A folder as\n"
    "DOCUMENT stands for the menu its autorun.inf names (Open=, else ShellExecute=), with\n"
    "that command's document and -p PAGE arguments.\n"
    "  -p PAGE     start on the first page whose caption is PAGE (any letter case)\n"
    "  --render OUT.png\n"
    "              paint the start page off-screen (a 1920 x 1080 screen) into a PNG\n"
    "              file, without showing a window or starting anything\n"
    "  --at MS     with --render: paint the page as it looks MS milliseconds (0 to\n"
    "              600000, default 0) after the window was first shown, its scrolling\n"
    "              and animated text and its GIFs moved on by a clock of their own,\n"
    "              the same on every machine\n"
    "  --render-splash MS OUT.png\n"
    "              draw the start-up splash as it looks MS milliseconds after it\n"
    "              opened, on a black 1920 x 1080 screen, into a PNG file; exit code 1\n"
    "              when the document has no splash\n"
    "  --transition STYLE PROGRESS OLD.png NEW.png OUT.png [--step N]\n"
    "              draw the frame that transition STYLE (1 to 150) shows at PROGRESS\n"
    "              (0 to 100) from OLD.png to NEW.png (one size) with step N (1 to 100,\n"
    "              default 4) into OUT.png; exit code 1 when it cannot\n"
    "  --dump      print the loaded document in text form and exit; exit code 1 when\n"
    "              the document is missing, holds no menu, or fails to load\n"
    "  --first-frame\n"
    "              play as usual, but close the menu as soon as its window has painted\n"
    "              for the first time (for timing the start)\n"
    "  --scale N   show the windows N times as large (1 to 4), each menu pixel an\n"
    "              N x N block; without it they follow the screen's pixel ratio\n"
    "              rounded down (1.5 gives 1, 2.5 gives 2); with --render or\n"
    "              --render-splash the picture is written N times as wide and high\n"
    "  --verbose   say on stderr why a document was not played, name the stored\n"
    "              properties this player does not know, say why the menu plays\n"
    "              without sound, and say when a splash, picture or hint window\n"
    "              cannot read the screen behind it\n"
    "  --help      show this text\n"
    "  --version   show the version\n"
    "  --          take the arguments after it as document names, even when they\n"
    "              begin with -\n";

void PrintTree(const TfrmMain& window) { std::cout << ObjectBinaryToText(WriteRootComponent(window)); }

}  // namespace

int main(int argc, char** argv) {
  TCommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (line.help) {
    std::cout << kUsage;
    return 0;
  }
  if (line.version) {
    std::cout << "telvo " TELVO_VERSION "\n";
    return 0;
  }
  if (!line.error.empty()) {
    std::cerr << "telvo: " << line.error << "\n" << kUsage;
    return 2;
  }

  // A folder stands for the menu its autorun.inf names, for every command that plays a document,
  // starting on the page its command asks for unless this command line asks for one.
  std::error_code folderError;
  if (!line.transition && std::filesystem::is_directory(line.documentPath, folderError)) {
    const TAutorunMenu menu = FindAutorunMenu(line.documentPath);
    if (!menu.documentPath) {
      std::cerr << "telvo: " << menu.error << "\n";
      return 1;
    }
    line.documentPath = *menu.documentPath;
    if (line.startPage.empty()) line.startPage = menu.startPage;
  }

  if (line.renderPath) return RunRenderCommand(line);
  if (line.renderSplash) return RunRenderSplashCommand(line);
  if (line.transition) return RunTransitionCommand(line);
  if (!line.dump) return RunPlayCommand(line);

  TClassRegistry registry;
  RegisterMenuClasses(registry);
  TComponent application;
  TfrmMain* window = CreateMainWindow(application);

  TLoadResult result{TLoadStatus::NoDocument, "no document given"};
  if (!line.documentPath.empty()) {
    TReadOptions options;
    if (line.verbose)
      options.onUnknownProperty = [](std::string_view owner, std::string_view path) {
        std::cerr << "telvo: skipped unknown property " << owner << "." << path << "\n";
      };
    result = LoadMenuDocument(line.documentPath, std::nullopt, *window, registry, options);
  }

  if (result.status != TLoadStatus::Loaded) {
    std::cerr << "telvo: " << result.error << "\n";
    return 1;
  }
  PrintTree(*window);
  return 0;
}
