#include "startup/render.h"

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <optional>

#include "controls/text_animator.h"
#include "graphics/qt_seam.h"
#include "graphics/raster.h"
#include "modules/module_loader.h"
#include "platform/display_scale.h"
#include "startup/menu_components.h"
#include "startup/web_engine_start.h"
#include "window/control_timer.h"
#include "window/menu_context.h"
#include "window/thread_timer.h"
#include "window/window_host.h"
#include "window/window_paint.h"

namespace {

// The seed of the random animations in pictures.
constexpr uint32_t kPictureSeed = 1;

// Every text animator of window starts its random letters from kPictureSeed.
void SeedRandomAnimations(TComponent& owner) {
  for (const auto& component : owner.Components()) {
    if (auto* animator = dynamic_cast<TKIVTextAnimator*>(component.get())) animator->SeedRandom(kPictureSeed);
    SeedRandomAnimations(*component);
  }
}

// How long a render waits at most for its viewers (a web page to load and draw).
constexpr std::chrono::seconds kViewerBudget{8};

// A window host for a window nobody sees: a fixed screen, and the shape kept for the picture.
class TOffscreenHost : public TNullWindowHost {
 public:
  std::optional<TRegion> shape;

  void SetShape(const std::optional<TRegion>& region) override { shape = region; }
};

void ClearOutside(TBitmap32& image, const TRegion& region) {
  for (int32_t y = 0; y < image.Height(); ++y)
    for (int32_t x = 0; x < image.Width(); ++x)
      if (!region.Contains({x, y})) image.At(x, y) = 0;
}

// The picture with each pixel an N x N block; empty when that is larger than a bitmap may be.
TBitmap32 BlownUp(const TBitmap32& picture, int32_t scale) {
  const int64_t width = int64_t{picture.Width()} * scale;
  const int64_t height = int64_t{picture.Height()} * scale;
  if (width > kMaxBitmapSide || height > kMaxBitmapSide || width * height > kMaxBitmapPixels) return {};
  TBitmap32 large(static_cast<int32_t>(width), static_cast<int32_t>(height));
  StretchNearest(large.View(), TRect::FromSize(0, 0, large.Width(), large.Height()), picture.View(),
                 TRect::FromSize(0, 0, picture.Width(), picture.Height()));
  return large;
}

}  // namespace

TBitmap32 RenderMenu(const TCommandLine& line, TStartupSystem system,
                     const std::function<void(TfrmMain&)>& beforePaint) {
  const auto deadline = std::chrono::steady_clock::now() + kViewerBudget;
  // Nothing may run or be held for a picture.
  system.runAndWait = nullptr;
  system.isAdministrator = [] { return true; };
  const std::function<void(const std::string&)> report = system.verbose;
  TMenuSession session(line, std::move(system));
  TOffscreenHost host;
  // The viewers' widgets lie in a window that is never shown; they are drawn into the picture.
  // Only a widget application has them.
  std::optional<QWidget> stage;
  std::optional<TAttachedComponents> components;
  if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
    stage.emplace();
    components.emplace(session.Window(), &*stage, ModuleFolder(), report, TAttachedComponents::TUse::Still);
  }
  // The living controls tick on a virtual clock, so a moment gives the same picture anywhere;
  // random animations start from a fixed seed.
  TVirtualTimerSource clock;
  const TServicesBinding binding(session.Window().Context(), {.timers = &clock});
  SeedRandomAnimations(session.Window());
  session.Start(&host);
  TfrmMain& window = session.Window();
  AttachThreadTimers(window, clock);
  if (stage) {
    stage->resize(window.ClientSize().width, window.ClientSize().height);
    ShowComponentsFirstTime(window);
    SettleComponents(window, deadline);
  }
  clock.AdvanceTo(static_cast<double>(line.renderAtMs));
  const TSize client = window.ClientSize();
  if (client.width > kMaxBitmapSide || client.height > kMaxBitmapSide ||
      int64_t{client.width} * client.height > kMaxBitmapPixels)
    return {};
  if (beforePaint) beforePaint(window);
  TBitmap32 image(client.width, client.height);
  PaintMenuWindow(window, image.View());
  if (host.shape) ClearOutside(image, *host.shape);
  session.Shutdown();
  return image;
}

int RunOffscreenRender(const TCommandLine& line, const std::string& path, const std::string& nothingToRender,
                       const std::function<TBitmap32(TStartupSystem)>& render) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TStartupSystem system = RealStartupSystem();
  if (line.verbose) {
    system.verbose = [](const std::string& text) { std::cerr << "telvo: " << text << "\n"; };
    system.explainFallback = [](const std::string& reason) {
      std::cerr << "telvo: " << reason << "; rendering the built-in window\n";
    };
    system.readOptions.onUnknownProperty = [](std::string_view owner, std::string_view path) {
      std::cerr << "telvo: skipped unknown property " << owner << "." << path << "\n";
    };
  }
  // The web engine's settings come before the application object.
  const std::unique_ptr<TWebEngineStart> webEngine =
      TWebEngineStart::Prepare(line, system.executablePath, ModuleFolder(), system.verbose);
  int argc = 1;
  char name[] = "telvo";
  char* argv[] = {name, nullptr};
  // Pictures are painted pixel for pixel whatever the screen; --scale blows them up afterwards.
  std::optional<TDisplayScaleSetup> scaleSetup(std::in_place, 1);
  QApplication application(argc, argv);
  scaleSetup.reset();
  TBitmap32 image = render(std::move(system));
  if (image.Empty()) {
    std::cerr << "telvo: " << nothingToRender << "\n";
    return 1;
  }
  if (line.scale && *line.scale > 1) {
    image = BlownUp(image, *line.scale);
    if (image.Empty()) {
      std::cerr << "telvo: the picture is too large to write at scale " << *line.scale << "\n";
      return 1;
    }
  }
  if (!WrapAsQImage(image.View()).save(QString::fromStdString(path), "PNG")) {
    std::cerr << "telvo: cannot write " << path << "\n";
    return 1;
  }
  return 0;
}

int RunRenderCommand(const TCommandLine& line) {
  return RunOffscreenRender(line, *line.renderPath, "the menu's client area is empty or too large to render",
                            [&line](TStartupSystem system) { return RenderMenu(line, std::move(system)); });
}
