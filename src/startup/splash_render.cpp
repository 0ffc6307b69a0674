#include "startup/splash_render.h"

#include "startup/render.h"
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
  return RunOffscreenRender(line, line.renderSplash->path, "the document has no splash screen to render",
                            [&line](TStartupSystem system) {
                              return RenderSplash(line, std::move(system), line.renderSplash->elapsedMs);
                            });
}
