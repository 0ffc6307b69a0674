#include "text/html_label.h"

#include <algorithm>
#include <cctype>

#include "actions/dispatcher.h"
#include "actions/kiv_link.h"
#include "actions/launch.h"
#include "actions/regular_file.h"
#include "graphics/picture_decoder.h"
#include "text/mini_html.h"
#include "window/control_composite.h"
#include "window/menu_context.h"
#include "window/menu_form.h"
#include "window/window_host.h"

namespace {

// Larger picture files are not read for a label.
constexpr uint64_t kMaxPictureBytes = uint64_t{32} << 20;

// A picture the HTML names, as a bitmap: the Windows path reaching its Linux file, a regular
// file only, read without waiting.
std::optional<TBitmap32> LoadLabelPicture(const std::string& path) {
  const std::optional<std::vector<uint8_t>> bytes = ReadRegularFile(ToLinuxPath(path), kMaxPictureBytes);
  if (!bytes) return std::nullopt;
  std::optional<TDecodedPicture> picture = DecodePictureFile(*bytes);
  if (!picture || picture->bitmap.Empty()) return std::nullopt;
  return std::move(picture->bitmap);
}

}  // namespace

const TClassInfo& TKIVHtmlLabel::StaticClass() {
  using C = TKIVHtmlLabel;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVHtmlLabel", &TGraphicControl::StaticClass())
          .Object("Html", [](C& c) -> TPersistent* { return &c.m_html; })
          .Color("LinkColor", Accessors(&C::LinkColor, &C::SetLinkColor))
          .Color("HLBackColor", Accessors(&C::HLBackColor, &C::SetHLBackColor))
          .Color("HLForeColor", Accessors(&C::HLForeColor, &C::SetHLForeColor))
          .Integer("Opacity", Accessors(&C::Opacity, &C::SetOpacity), 100)
          .Bool("Locked", Field(&C::m_locked))
          .Integer("GroupIndex", Field(&C::m_groupIndex))
          .Build();
  return *info;
}

TKIVHtmlLabel::TKIVHtmlLabel() : m_renderer(std::make_unique<TQzMiniHtml2>()) {
  m_width = 201;
  m_height = 121;
  m_renderer->SetImageLoader(LoadLabelPicture);
  m_renderer->SetColors(m_linkColor, m_hlBackColor, m_hlForeColor);
}

TKIVHtmlLabel::~TKIVHtmlLabel() = default;

void TKIVHtmlLabel::SetLinkColor(TColor color) {
  m_linkColor = color;
  m_renderer->SetColors(m_linkColor, m_hlBackColor, m_hlForeColor);
  Invalidate();
}

void TKIVHtmlLabel::SetHLBackColor(TColor color) {
  m_hlBackColor = color;
  m_renderer->SetColors(m_linkColor, m_hlBackColor, m_hlForeColor);
  Invalidate();
}

void TKIVHtmlLabel::SetHLForeColor(TColor color) {
  m_hlForeColor = color;
  m_renderer->SetColors(m_linkColor, m_hlBackColor, m_hlForeColor);
  Invalidate();
}

void TKIVHtmlLabel::SetOpacity(int32_t percent) {
  m_opacity = std::clamp(percent, 0, 100);
  Invalidate();
}

TQzMiniHtml2& TKIVHtmlLabel::Renderer() {
  const bool linesChanged = m_html.Lines() != m_laidOutLines;
  if (linesChanged || m_width != m_laidOutWidth) {
    // Pictures are found in the medium's folder.
    const TMenuContext* context = MenuContextOf(*this);
    m_renderer->SetImageFolder(context ? context->macroValues.cdrom + "\\" : std::string());
    m_renderer->SetLayoutWidth(m_width);
    if (linesChanged)
      m_renderer->LoadHtml(m_html.Lines());
    else
      m_renderer->LoadHtml(true);
    m_laidOutLines = m_html.Lines();
    m_laidOutWidth = m_width;
  }
  m_renderer->SetVisibleHeight(m_height);
  return *m_renderer;
}

std::string TKIVHtmlLabel::LinkAt(int32_t x, int32_t y) { return Renderer().LinkAt(x, y); }

void TKIVHtmlLabel::Paint(TCanvas& canvas) {
  TBitmap32 surface = CaptureBackground(*this);
  TCanvas content(surface.View());
  Renderer().DrawTo(content);
  CompositeOpacity(*this, m_opacity, surface, canvas);
}

void TKIVHtmlLabel::ShowLinkCursor(bool overLink) {
  if (overLink == m_cursorOffLinks.has_value()) return;
  if (!overLink) {
    m_cursor = *m_cursorOffLinks;
    m_cursorOffLinks.reset();
    return;
  }
  m_cursorOffLinks = m_cursor;
  TKIVForm* window = As<TKIVForm>(Parent());
  m_cursor = window && !window->KIVHotCursor()->Empty() ? kCursorHot : crHandPoint;
}

void TKIVHtmlLabel::MouseMove(TShiftState, int32_t x, int32_t y) { ShowLinkCursor(!LinkAt(x, y).empty()); }

void TKIVHtmlLabel::MouseLeave() { ShowLinkCursor(false); }

void TKIVHtmlLabel::MouseUp(TMouseButton button, TShiftState, int32_t x, int32_t y) {
  if (button != TMouseButton::mbLeft || x < 0 || y < 0 || x >= m_width || y >= m_height) return;
  const std::string target = LinkAt(x, y);
  if (!target.empty()) FollowLink(target);
}

void TKIVHtmlLabel::FollowLink(const std::string& target) {
  TKIVForm* window = MenuWindowOf(*this);
  if (!window) return;
  try {
    if (std::optional<TKivLink> link = ParseKivLink(target)) {
      // kiv links act only on the menu window that holds the label.
      if (As<TKIVForm>(Parent())) RunKivLink(*window, *link, TLinkSource::Trusted);
      return;
    }
    RunAction(*window, TKIVActionType::aatGotoWeb, target, "");
  } catch (const std::exception& error) {
    ReportActionError(*window, error);
  }
}
