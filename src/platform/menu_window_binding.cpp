#include "platform/menu_window_binding.h"

#include <memory>

#include "controls/comment_showers.h"
#include "platform/control_hints.h"
#include "window/menu_context.h"
#include "window/menu_form.h"
#include "window/window_paint.h"

TMenuWindowHandlers MenuWindowHandlers(TQtMenuWindow& window, TKIVForm& form, TPointerDispatcher& dispatcher,
                                       std::function<void(const std::string&)> report) {
  auto followCursor = [&window, &dispatcher] { window.SetPointerCursor(dispatcher.CurrentCursor()); };
  TMenuWindowHandlers handlers;
  // The window logic paints the whole client area; Qt shows only the part that needs it.
  handlers.paint = [&form](const TBitmapView& surface, const TRect&) {
    form.SetPainting(true);
    PaintMenuWindow(form, surface);
    form.SetPainting(false);
  };
  // The one place the window reads the menu's hint settings.
  auto hint = std::make_shared<TControlHints>(
      window, [&form]() -> const THintSettings& { return form.Context().hintSettings; }, std::move(report));
  handlers.mouseDown = [&form, &dispatcher, followCursor, hint](TMouseButton button, TShiftState shift, int32_t x,
                                                                int32_t y) {
    hint->Cancel();
    if (dispatcher.MouseDown(button, shift, {x, y}) == TPointerTarget::Background) form.BackgroundMouseDown(button);
    followCursor();
  };
  // The comment showers follow what lies under the pointer, also after a click turned the page.
  auto showComment = [&form](int32_t x, int32_t y) { ShowCommentOf(form, ControlUnderPoint(form, {x, y})); };
  handlers.mouseUp = [&dispatcher, followCursor, showComment](TMouseButton button, TShiftState shift, int32_t x,
                                                              int32_t y) {
    dispatcher.MouseUp(button, shift, {x, y});
    followCursor();
    showComment(x, y);
  };
  handlers.mouseMove = [&dispatcher, followCursor, hint, showComment](TShiftState shift, int32_t x, int32_t y) {
    dispatcher.MouseMove(shift, {x, y});
    followCursor();
    hint->PointerOver(dispatcher.Hovered(), QPoint(x, y));
    showComment(x, y);
  };
  handlers.childEntered = showComment;
  handlers.mouseLeave = [&form, &dispatcher, hint] {
    dispatcher.MouseLeave();
    ShowCommentOf(form, nullptr);
    hint->PointerOver(nullptr, {});
  };
  handlers.keyPress = [&form](char32_t character) { return form.KeyPress(character); };
  handlers.isBackground = [&dispatcher](int32_t x, int32_t y) { return dispatcher.ControlAt({x, y}) == nullptr; };
  handlers.minimized = [&form] { form.ApplicationMinimized(); };
  handlers.trayDoubleClicked = [&form] { form.TrayDoubleClicked(); };
  return handlers;
}
