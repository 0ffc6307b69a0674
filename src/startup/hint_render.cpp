#include "startup/hint_render.h"

#include "graphics/raster.h"
#include "window/hint_balloon.h"
#include "window/menu_form.h"
#include "window/window_host.h"

THintRender RenderHint(const TCommandLine& line, TStartupSystem system, std::string_view text, TPoint pointer,
                       const TBitmapView& screen) {
  system.runAndWait = nullptr;
  system.isAdministrator = [] { return true; };
  TMenuSession session(line, std::move(system));
  TNullWindowHost host;
  session.Start(&host);
  session.Window().ApplyHintSettings();
  const THintSettings& settings = session.Window().Context().hintSettings;
  const THintLayout layout = LayOutHint(settings, text, pointer, screen.Bounds());
  TBitmap32 background(layout.window.Width(), layout.window.Height());
  CopyRect(background.View(), {-layout.window.left, -layout.window.top}, screen);
  const TBitmap32 layer = ComposeHintBalloon(settings, text, layout, background.View());
  THintRender render{HintOverBackground(layer, background.View()), layout.window};
  session.Shutdown();
  return render;
}
