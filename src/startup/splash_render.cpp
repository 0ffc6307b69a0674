#include "startup/splash_render.h"

#include <QGuiApplication>
#include <QImage>
#include <iostream>

#include "graphics/qt_seam.h"
#include "window/splash_picture.h"

namespace {

// The screen size of every off-screen render.
constexpr int32_t kScreenWidth = 1920, kScreenHeight = 1080;

}  // namespace

TBitmap32 RenderSplash(const TCommandLine& line, TStartupSystem system, int64_t elapsedMs) {
  system.runAndWait = nullptr;
  TMenuSession session(line, std::move(system));
  const std::optional<TSplashRequest> request = SplashRequest(session.Window());
  if (!request) return {};
  std::optional<TSplashPicture> picture = TSplashPicture::Prepare(*request->picture, request->shaped);
  if (!picture) return {};
  TBitmap32 screen(kScreenWidth, kScreenHeight);
  DrawSplashMoment(screen.View(), *picture, {request->fade, int64_t{request->delaySeconds} * 1000}, elapsedMs);
  return screen;
}

int RunRenderSplashCommand(const TCommandLine& line) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "telvo";
  char* argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);

  TStartupSystem system = RealStartupSystem();
  if (line.verbose)
    system.explainFallback = [](const std::string& reason) {
      std::cerr << "telvo: " << reason << "; rendering the built-in window\n";
    };
  const TBitmap32 image = RenderSplash(line, std::move(system), line.renderSplash->elapsedMs);
  if (image.Empty()) {
    std::cerr << "telvo: the document has no splash screen to render\n";
    return 1;
  }
  const std::string& path = line.renderSplash->path;
  if (!WrapAsQImage(image.View()).save(QString::fromStdString(path), "PNG")) {
    std::cerr << "telvo: cannot write " << path << "\n";
    return 1;
  }
  return 0;
}
