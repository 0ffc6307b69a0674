#pragma once
// A menu read from the text form and played in run mode in a real menu window on Qt's offscreen
// platform, with the player's action services, the picture actions (the viewer and the slide
// show on the tests' driven timer) and the window shown and exposed.

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "platform/menu_window_binding.h"
#include "platform/picture_window.h"
#include "platform/qt_action_services.h"
#include "startup/picture_screens.h"
#include "support/driven_timer.h"
#include "support/test_application.h"
#include "window/pointer_dispatch.h"
#include "window/window_test_support.h"

class TPlayedMenu {
 public:
  explicit TPlayedMenu(std::string_view text) : menu(text) {
    window.SetHandlers(MenuWindowHandlers(window, *menu, dispatcher));
    menu->SetHost(&window);
    menu->SetDesignMode(false);
    binding.emplace(menu->Context(), TMenuServices{.shell = &services,
                                                   .dialogs = &services,
                                                   .pictures = &services,
                                                   .showing = &services,
                                                   .delegated = &pictureActions});
    pictureServices.dispatcher = &timer.dispatcher;
    pictureServices.clock = &timer.clock;
    pictureServices.menu = &window;
    window.show();
  }
  ~TPlayedMenu() {
    binding.reset();
    menu->SetHost(nullptr);
  }
  TPlayedMenu(const TPlayedMenu&) = delete;
  TPlayedMenu& operator=(const TPlayedMenu&) = delete;

  // Whether the window came on screen.
  bool Exposed() {
    return telvo_test::ProcessEventsUntil([&] { return window.windowHandle() && window.windowHandle()->isExposed(); });
  }
  TControl& Control(std::string_view name) { return menu.Control(name); }

  QApplication& app = telvo_test::TestApplication("offscreen");
  TTestMenu menu;
  TQtMenuWindow window;
  TPointerDispatcher dispatcher{*menu};
  TQtActionServices services{window, *menu};
  telvo_test::TDrivenTimer timer;
  TPictureWindowServices pictureServices;
  TDelegatedMenuActions pictureActions{[this](TControl& clicked) { ShowPictureOf(clicked, window, pictureServices); },
                                 [this](TControl& clicked) { RunSlideShowOf(clicked, window, pictureServices); }};
  std::optional<TServicesBinding> binding;
};
