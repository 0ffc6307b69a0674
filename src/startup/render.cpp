#include "startup/render.h"

#include <QGuiApplication>
#include <QImage>
#include <cstdlib>
#include <iostream>

#include "graphics/qt_seam.h"
#include "window/window_host.h"
#include "window/window_paint.h"

namespace {

// A window host for a window nobody sees: a fixed screen, and the shape kept for the picture.
class TOffscreenHost : public TWindowHost {
 public:
  std::optional<TRegion> shape;

  void SetCaption(const std::string&) override {}
  void SetBorder(TBorderKind) override {}
  void SetClientSize(int32_t, int32_t) override {}
  void SetPosition(int32_t, int32_t) override {}
  int32_t ScreenWidth() const override { return 1920; }
  int32_t ScreenHeight() const override { return 1080; }
  void SetShape(const std::optional<TRegion>& region) override { shape = region; }
  void SetOpacity(std::optional<uint8_t>) override {}
  void SetTopMost(bool) override {}
  void SetIcon(const std::vector<TBitmap32>&) override {}
  void DefineCursor(int16_t, std::vector<TCursorImage>) override {}
  void SetWindowCursor(int16_t) override {}
  void SetAboutItem(bool) override {}
  void Invalidate(const TRect&, bool) override {}
  void ShowTrayIcon(bool) override {}
  void MinimizeApplication() override {}
  void RestoreApplication() override {}
  void Close() override {}
  void StartSystemMove() override {}
};

void ClearOutside(TBitmap32& image, const TRegion& region) {
  for (int32_t y = 0; y < image.Height(); ++y)
    for (int32_t x = 0; x < image.Width(); ++x)
      if (!region.Contains({x, y})) image.At(x, y) = 0;
}

}  // namespace

TBitmap32 RenderMenu(const TCommandLine& line, TStartupSystem system,
                     const std::function<void(TfrmMain&)>& beforePaint) {
  // Nothing may run or be held for a picture.
  system.runAndWait = nullptr;
  system.isAdministrator = [] { return true; };
  TMenuSession session(line, std::move(system));
  TOffscreenHost host;
  session.Start(&host);
  TfrmMain& window = session.Window();
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

int RunRenderCommand(const TCommandLine& line) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "telvo";
  char* argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);

  TStartupSystem system = RealStartupSystem();
  if (line.verbose) {
    system.explainFallback = [](const std::string& reason) {
      std::cerr << "telvo: " << reason << "; rendering the built-in window\n";
    };
    system.readOptions.onUnknownProperty = [](std::string_view owner, std::string_view path) {
      std::cerr << "telvo: skipped unknown property " << owner << "." << path << "\n";
    };
  }
  const TBitmap32 image = RenderMenu(line, std::move(system));
  const std::string& path = *line.renderPath;
  if (image.Empty()) {
    std::cerr << "telvo: the menu's client area is empty or too large to render\n";
    return 1;
  }
  if (!WrapAsQImage(image.View()).save(QString::fromStdString(path), "PNG")) {
    std::cerr << "telvo: cannot write " << path << "\n";
    return 1;
  }
  return 0;
}
