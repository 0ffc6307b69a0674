#pragma once
// The text box's component: a read-only text editor widget in the menu window that draws only
// the text (on a transparent background: the control paints its fill and border beneath it),
// measured as the Windows edit control measures.

#include <cstdint>
#include <string>

#include "text/text_box.h"
#include "window/widget_component.h"

class TTextBoxComponent : public TWidgetComponent {
 public:
  // The lines joined by CR LF, as UTF-8.
  virtual void SetText(const std::string& text) = 0;
  virtual void SetLook(const TTextBoxLook& look) = 0;
  // In design mode the editor never keeps the focus.
  virtual void SetDesignMode(bool designMode) = 0;
};
