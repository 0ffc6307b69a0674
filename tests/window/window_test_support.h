#pragma once
// Shared by the window tests: menu windows built from the text form with the player's own
// classes, and a window host that records what the window asked of it.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/class_registry.h"
#include "model/component.h"
#include "document/byte_source.h"
#include "document/component_reader.h"
#include "startup/main_window.h"
#include "document/text_form.h"
#include "support/menu_registry.h"
#include "support/test_data.h"
#include "window/menu_form.h"
#include "window/menu_services.h"
#include "window/window_host.h"

// A menu window read from the text form, as the start-up reads a document into the built-in
// window. The text must be well-formed.
struct TTestMenu {
  TComponent application;
  TfrmMain* window;

  explicit TTestMenu(std::string_view text) : window(CreateMainWindow(application)) {
    const std::vector<uint8_t> stream = ObjectTextToBinary(text);
    TMemorySource source(stream);
    TStreamInput input(source);
    ReadRootComponent(input, *window, MenuRegistry());
  }
  TfrmMain& operator*() { return *window; }
  TfrmMain* operator->() { return window; }
  TControl& Control(std::string_view name) { return *static_cast<TControl*>(window->FindComponent(name)); }
};

// A shell that writes down what it is asked to open, as "verb file", and answers at once that it
// opened it.
class TRecordingShell final : public TShell {
 public:
  void ShellExecute(const TShellRequest& request, std::function<void(int)> done) override {
    opened.push_back(request.verb + " " + request.file);
    done(33);
  }
  void RunAndWait(const std::string&, const std::string&, bool, bool) override {}
  void EjectMediumOf(const std::string&) override {}
  std::vector<std::string> opened;
};

class TRecordingHost : public TWindowHost {
 public:
  std::string caption;
  std::optional<TBorderKind> border;
  TSize clientSize;
  TPoint position;
  std::optional<TRegion> shape;
  std::optional<uint8_t> opacity;
  int opacityCalls = 0;
  std::optional<bool> topMost;
  std::optional<std::vector<TBitmap32>> icon;
  std::map<int16_t, std::vector<TCursorImage>> cursors;
  std::map<int16_t, int> cursorDefinitions;
  int16_t windowCursor = 0;
  std::optional<bool> aboutItem;
  bool trayIcon = false;
  bool trayAvailable = true;  // whether the desktop has a tray
  std::optional<TTitleButtons> titleButtons;
  int minimized = 0, restored = 0, closed = 0, systemMoves = 0, invalidations = 0, hiddenFromTaskbar = 0;
  std::vector<std::string> messages;  // "title|text"
  int32_t screenWidth = 1920, screenHeight = 1080;

  void SetCaption(const std::string& c) override { caption = c; }
  void SetBorder(TBorderKind b) override { border = b; }
  void SetTitleButtons(TTitleButtons buttons) override { titleButtons = buttons; }
  void SetClientSize(int32_t w, int32_t h) override { clientSize = {w, h}; }
  void SetPosition(int32_t l, int32_t t) override { position = {l, t}; }
  int32_t ScreenWidth() const override { return screenWidth; }
  int32_t ScreenHeight() const override { return screenHeight; }
  void SetShape(const std::optional<TRegion>& r) override { shape = r; }
  void SetOpacity(std::optional<uint8_t> a) override {
    opacity = a;
    ++opacityCalls;
  }
  void SetTopMost(bool t) override { topMost = t; }
  void SetIcon(const std::vector<TBitmap32>& images) override { icon = images; }
  void DefineCursor(int16_t number, std::vector<TCursorImage> frames) override {
    cursors[number] = std::move(frames);
    ++cursorDefinitions[number];
  }
  void SetWindowCursor(int16_t c) override { windowCursor = c; }
  void SetAboutItem(bool present) override { aboutItem = present; }
  void Invalidate(const TRect&, bool) override { ++invalidations; }
  bool ShowTrayIcon(bool shown) override { return trayIcon = shown && trayAvailable; }
  void MinimizeApplication() override { ++minimized; }
  void RestoreApplication() override { ++restored; }
  void Close() override { ++closed; }
  void StartSystemMove() override { ++systemMoves; }
  void HideFromTaskbar() override { ++hiddenFromTaskbar; }
  void ShowMessageBox(const std::string& title, const std::string& text, TMessageBoxIcon) override {
    messages.push_back(title + "|" + text);
  }
};
