#pragma once
// The rich edit's component: a read-only rich-text view in the menu window showing an RTF
// document read by the project's own reader, with the window's fill and border beneath it
// (it draws only the text), detected web links underlined, and their clicks told back.

#include <functional>
#include <string>

#include "graphics/font_resolver.h"
#include "text/rtf_document.h"
#include "window/widget_component.h"

class TRichEditComponent : public TWidgetComponent {
 public:
  // Shows document from its start, hidden text left out; runs that name no font take baseFont
  // (the control's). With detectLinks, addresses in the text ("http:", "https:", "ftp:",
  // "file:", "mailto:", "news:", "telnet:" and "www.") become links.
  virtual void SetDocument(const TRtfDocument& document, const TCanvasFont& baseFont, bool detectLinks) = 0;
  // Told the text of a link clicked with the left button.
  virtual void SetLinkClicked(std::function<void(const std::string&)> clicked) = 0;
  // In design mode the view never keeps the focus and links are not followed.
  virtual void SetDesignMode(bool designMode) = 0;
};
