#pragma once
// How large the player's windows are on the screen. Menus are laid out for 96 dots per inch and
// drawn pixel for pixel; on a screen with more dots Qt scales every window (its picture, its
// shape, the controls' own widgets, the menu's own cursors) by a whole number, so each menu pixel
// stays an N x N block.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QWidget;

// Sets Qt's scaling for the application object made while it lives: with scale, exactly that
// factor on every screen, whatever the screen or the environment says; without it, the screen's
// device pixel ratio rounded down to a whole number (1.25 and 1.5 give 1, 2.5 gives 2), while a
// factor the user set in Qt's own environment variables (QT_SCALE_FACTOR and the others) still
// holds. Make it before the application object and end it once that exists: Qt reads its
// settings while the object is made, and the destructor gives the environment back as it was,
// so programs the menu starts inherit the user's own.
class TDisplayScaleSetup {
 public:
  explicit TDisplayScaleSetup(std::optional<int32_t> scale);
  ~TDisplayScaleSetup();
  TDisplayScaleSetup(const TDisplayScaleSetup&) = delete;
  TDisplayScaleSetup& operator=(const TDisplayScaleSetup&) = delete;

 private:
  // Each variable this setup changed, with its value before (nothing when it was unset).
  std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

// The whole number Qt scales window by (at least 1): how many device pixels wide a menu pixel
// is. Everything the player scales beyond what Qt scales itself takes its factor from here. A
// fractional factor, which only the user's own QT_SCALE_FACTOR gives, is rounded to the nearest
// whole number.
int32_t WindowScale(const QWidget& window);
