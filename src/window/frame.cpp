// The menu window's frame: border kind and client size, full screen, shape, opacity, stacking.

#include "window/frame.h"

#include <algorithm>

#include "graphics/picture_decoder.h"
#include "graphics/region.h"

TSize FrameExtent(TBorderKind border) {
  constexpr int32_t kCaption = 19;
  switch (border) {
    case TBorderKind::Sizeable: return {2 * 4, 2 * 4 + kCaption};
    case TBorderKind::SingleFixed: return {2 * 3, 2 * 3 + kCaption};
    case TBorderKind::None: break;
  }
  return {0, 0};
}

TBorderKind StoredBorderKind(TFormBorderStyle style) {
  switch (style) {
    case TFormBorderStyle::bsNone: return TBorderKind::None;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin: return TBorderKind::Sizeable;
    default: return TBorderKind::SingleFixed;
  }
}

TBorderKind FrameBorder(TKIVWindowStyle style, bool designMode, TPictureKind picture) {
  const bool shapeable = style == TKIVWindowStyle::awsShaped && IsShapePicture(picture);
  if (designMode) return shapeable ? TBorderKind::SingleFixed : TBorderKind::Sizeable;
  switch (style) {
    case TKIVWindowStyle::awsNoBorder:
    case TKIVWindowStyle::awsFullScreen: return TBorderKind::None;
    case TKIVWindowStyle::awsShaped: return shapeable ? TBorderKind::None : TBorderKind::SingleFixed;
    default: return TBorderKind::SingleFixed;
  }
}

TPoint FullScreenShift(TSize screen, TSize window) {
  return {(screen.width + 2 - window.width) / 2, (screen.height + 2 - window.height) / 2};
}

std::optional<uint8_t> AlphaLevel(int32_t alphaValue, bool designMode) {
  if (designMode || alphaValue >= 100) return std::nullopt;
  return static_cast<uint8_t>(std::clamp(alphaValue, 0, 100) * 255 / 100);
}

TSize TKIVForm::ScreenSize() const {
  if (m_host) return {m_host->ScreenWidth(), m_host->ScreenHeight()};
  return {1920, 1080};
}

TSize TKIVForm::ClientSize() const {
  if (m_liveClient) return *m_liveClient;
  const TSize frame = FrameExtent(BorderKind());
  return {std::max(0, m_clientWidth ? m_clientWidth : Width() - frame.width),
          std::max(0, m_clientHeight ? m_clientHeight : Height() - frame.height)};
}

TSize TKIVForm::OuterSize() const {
  const TSize client = ClientSize();
  const TSize frame = FrameExtent(BorderKind());
  return {client.width + frame.width, client.height + frame.height};
}

void TKIVForm::SetWindowPosition(TPoint topLeft) {
  m_left = topLeft.x;
  m_top = topLeft.y;
  if (m_host) m_host->SetPosition(topLeft.x, topLeft.y);
}

void TKIVForm::SetLiveClientSize(TSize size) {
  m_liveClient = size;
  const TSize frame = FrameExtent(m_border);
  m_width = size.width + frame.width;
  m_height = size.height + frame.height;
  if (m_host) m_host->SetClientSize(size.width, size.height);
}

void TKIVForm::ApplyFrame() {
  const TSize client = ClientSize();
  const TPictureKind picture = PictureKind();
  m_border = FrameBorder(m_windowStyle, m_designMode, picture);
  // A new frame is a new window: whatever shape the old one had is gone.
  m_shape.reset();
  if (m_host) {
    m_host->SetBorder(m_border);
    m_host->SetShape(std::nullopt);
  }
  TSize size = client;
  if (m_windowStyle == TKIVWindowStyle::awsShaped && picture != TPictureKind::Empty && picture != TPictureKind::Jpeg) {
    const TDecodedPicture* decoded = DecodedPicture();
    size = {decoded->bitmap.Width(), decoded->bitmap.Height()};
  }
  SetLiveClientSize(size);
}

namespace {

void MoveDirectChildren(TKIVForm& form, TPoint by) {
  for (TControl* child : form.Controls())
    child->SetBounds(child->Left() + by.x, child->Top() + by.y, child->Width(), child->Height());
}

}  // namespace

// The layout is entered and left once each: a second "on" would move the controls twice, and an
// "off" without an "on" has no client size to go back to.
void TKIVForm::SetFullScreen(bool on) {
  if (on == m_savedClient.has_value()) return;
  const TSize screen = ScreenSize();
  if (on) {
    m_savedClient = ClientSize();
    MoveDirectChildren(*this, FullScreenShift(screen, OuterSize()));
    SetWindowPosition({-1, -1});
    SetLiveClientSize({screen.width + 2, screen.height + 2});
  } else {
    SetLiveClientSize(*m_savedClient);
    m_savedClient.reset();
    const TPoint shift = FullScreenShift(screen, OuterSize());
    MoveDirectChildren(*this, {-shift.x, -shift.y});
  }
  Repaint();
}

void TKIVForm::ApplyShape(bool on) {
  if (!on) return;
  const TDecodedPicture* decoded = DecodedPicture();
  if (!decoded) return;
  m_shape = BitmapToRegion(ShapeBitmap(*decoded).View(), ShapeColor(*decoded));
  if (m_host) m_host->SetShape(m_shape);
  Repaint();
}

void TKIVForm::ApplyAlpha() {
  if (m_host) m_host->SetOpacity(AlphaLevel(m_alphaValue, m_designMode));
}

void TKIVForm::ApplyTopMost() {
  if (m_host) m_host->SetTopMost(m_topMost);
}

void TKIVForm::SetTopMost(bool topMost) {
  if (topMost == m_topMost) return;
  m_topMost = topMost;
  if (!IsLoading()) ApplyTopMost();
}

void TKIVForm::SetWindowStyle(TKIVWindowStyle style) {
  if (style == m_windowStyle) return;
  const TKIVWindowStyle old = m_windowStyle;
  const bool fullScreen = old == TKIVWindowStyle::awsFullScreen || style == TKIVWindowStyle::awsFullScreen;
  const bool shaped = old == TKIVWindowStyle::awsShaped || style == TKIVWindowStyle::awsShaped;
  m_windowStyle = style;
  if (IsLoading()) return;
  const bool runFullScreen = fullScreen && !m_designMode;
  if (runFullScreen) {
    if (style == TKIVWindowStyle::awsFullScreen) {
      ApplyFrame();
      SetFullScreen(true);
    } else {
      SetFullScreen(false);
      ApplyFrame();
    }
  }
  if (shaped) {
    ApplyFrame();
    ApplyShape(!m_designMode && style == TKIVWindowStyle::awsShaped && IsShapePicture(PictureKind()));
    Repaint();
  } else if (!runFullScreen) {
    ApplyFrame();
  }
}
