#pragma once
// A menu's hint settings: when tooltips open and close, which hint window draws them, and the
// look of the custom balloon. Each menu keeps its own in its context (see TMenuContext): the menu
// window writes them (ApplyHintSettings, and the setters of its Hint* properties); the hint
// windows read them. User-interface thread only.

#include <cstdint>
#include <string>

#include "model/control.h"
#include "model/font.h"
#include "model/ident_tables.h"
#include "model/menu_enums.h"
#include "model/picture.h"

struct THintSettings {
  // Timing.
  int32_t delayMs = 500;          // pointer rest before a hint opens
  int32_t displayMs = 2500;       // how long a hint stays open
  int32_t betweenHintsMs = 50;    // pause before the next control's hint replaces an open one
  bool custom = false;            // the balloon hint window instead of the standard tooltip

  // The balloon's look, copied from the menu window's Hint* properties.
  TKIVPosition direction = TKIVPosition::apsRightTop;
  TColor borderColor = clBlue;
  TColor color = clYellow;
  TColor shadowColor = clPurple;
  int32_t shadowOffset = 4;
  int32_t opacityPercent = 100;
  TFont font;  // the menu window sets "Verdana", 10 points, clBlue, bold italic
  TKIVFillStyle fillStyle = TKIVFillStyle::afsNormal;
  TKIVGradFillStyle gradStyle = TKIVGradFillStyle::agsLinearH;
  TColor gradBeginColor = clYellow;
  TColor gradEndColor = clRed;
  TPicture picture;
};

// The text a control's hint shows: its Hint up to the first "|" (the rest is the long text the
// comment showers show), when its ShowHint is set; empty: the control shows no hint.
std::string ShortHintOf(const TControl& control);
