// Fuzz target of the HTML renderer: any bytes are the HTML lines (split at line feeds) of a
// label. They are read, laid out at a few widths and drawn into a small bitmap, with a picture
// loader that serves one picture for every path and handlers for the dynamic and user tags.
// Drawing nothing is a fine outcome; a crash, a hang or a huge allocation is a finding.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "support/gui_application.h"
#include "text/mini_html.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  EnsureGuiApplication();
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == '\n') lines.emplace_back();
    else lines.back() += static_cast<char>(data[i]);
  }
  TQzMiniHtml2 html;
  html.SetImageFolder("C:\\menu\\");
  html.SetImageLoader([](const std::string&) -> std::optional<TBitmap32> { return TBitmap32(7, 5); });
  html.OnDynamicUpdate = [](TQzMiniHtml2&, const std::string& id, std::string& text) {
    text = "<b>" + id + "</b><dynamic id=" + id + ">";
  };
  html.OnUserDefinedUpdate = [](TQzMiniHtml2&, const TMiniHtmlItem&, const std::string&, const std::string&,
                                const std::string&, const std::string&, int32_t& height, int32_t& width,
                                const std::string&) { height = width = 1 << 30; };
  TBitmap32 bitmap(120, 80);
  for (const int32_t width : {0, 37, 400}) {
    html.SetLayoutWidth(width);
    html.SetVisibleHeight(80);
    html.LoadHtml(lines);
    TCanvas canvas(bitmap.View());
    html.DrawTo(canvas);
    html.LinkAt(20, 20);
  }
  return 0;
}
