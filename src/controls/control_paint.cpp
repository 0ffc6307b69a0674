#include "controls/control_paint.h"

#include <algorithm>
#include <cstring>

#include "graphics/colors.h"
#include "graphics/raster.h"

TFaceState FaceState(const TKIVActionControl& control) {
  return {control.Hovered(), control.Pressed(), control.Visited()};
}


void DrawFrame3D(const TBitmapView& target, const TRect& rect, TColor topLeft, TColor bottomRight) {
  if (rect.IsEmpty()) return;
  const TPixel32 light = ColorToPixel(topLeft), dark = ColorToPixel(bottomRight);
  const int32_t right = rect.right - 1, bottom = rect.bottom - 1;
  FillRect(target, {rect.left, rect.top, right, rect.top + 1}, light);
  FillRect(target, {rect.left, rect.top, rect.left + 1, bottom}, light);
  FillRect(target, {right, rect.top, right + 1, bottom + 1}, dark);
  FillRect(target, {rect.left, bottom, right + 1, bottom + 1}, dark);
}

void DrawRaisedFrame(const TBitmapView& target, const TRect& rect) {
  DrawFrame3D(target, rect, clBtnHighlight, clBtnShadow);
}

void DrawSunkenFrame(const TBitmapView& target, const TRect& rect) {
  DrawFrame3D(target, rect, clBtnShadow, clBtnHighlight);
}

void DrawDottedFrame(const TBitmapView& target, const TRect& rect) {
  const TRect r = rect.Intersect(target.Bounds());
  if (r.IsEmpty()) return;
  const TPixel32 black = MakePixel(0, 0, 0);
  auto dot = [&](int32_t x, int32_t y) {
    if (((x + y) & 1) == 0 && r.Contains({x, y})) target.At(x, y) = black;
  };
  for (int32_t x = rect.left; x < rect.right; ++x) dot(x, rect.top), dot(x, rect.bottom - 1);
  for (int32_t y = rect.top; y < rect.bottom; ++y) dot(rect.left, y), dot(rect.right - 1, y);
}

void DrawDottedFrame(TCanvas& canvas, const TRect& rect) {
  const TCanvasArea area = canvas.Area();
  if (!area.view.Empty()) DrawDottedFrame(area.view, area.Place(rect));
}

bool HasOwnTransparency(const TDecodedPicture& picture) {
  if (picture.format == "TIcon") return true;
  if (picture.format == "TPNGObject") return picture.pngTransparency != TPngTransparency::None;
  if (picture.format == "TGIFImage") return picture.transparentColor.has_value();
  return false;
}

TBitmap32 OpaqueCopy(const TDecodedPicture& picture) {
  const TBitmap32& source = picture.bitmap;
  const bool keepsColours =
      picture.format == "TBitmap" || picture.format == "TJPEGImage" || picture.format == "TPNGObject";
  TBitmap32 copy(source.Width(), source.Height(), MakePixel(0, 0, 0));
  if (keepsColours) {
    std::transform(source.Pixels().begin(), source.Pixels().end(), copy.Pixels().begin(),
                   [](TPixel32 p) { return p | 0xFF000000u; });
  } else {
    AlphaBlend(copy.View(), {0, 0}, source.View());
  }
  return copy;
}

TColor TopLeftColor(const TDecodedPicture& picture) {
  if (picture.bitmap.Empty()) return clBlack;
  return PixelToColor(OpaqueCopy(picture).At(0, 0));
}

void DrawIconPicture(const TBitmapView& target, TPoint at, const TDecodedPicture& picture, TColor keyColor) {
  if (HasOwnTransparency(picture)) {
    AlphaBlend(target, at, picture.bitmap.View());
    return;
  }
  const TBitmap32 opaque = OpaqueCopy(picture);
  DrawTransparentBitmap(target, opaque.View(), at, keyColor);
}

const TDecodedPicture* TPictureCache::Get(const TPicture& picture) {
  const auto bytes = picture.FileBytes();
  const bool same = m_filled && m_className == picture.GraphicClassName() && m_bytes.size() == bytes.size() &&
                    (bytes.empty() || std::memcmp(m_bytes.data(), bytes.data(), bytes.size()) == 0);
  if (!same) {
    m_filled = true;
    ++m_generation;
    m_className = picture.GraphicClassName();
    m_bytes.assign(bytes.begin(), bytes.end());
    m_decoded.reset();
    if (!picture.Empty()) m_decoded = DecodePicture(m_className, bytes);
    if (m_decoded && m_decoded->bitmap.Empty()) m_decoded.reset();
  }
  return m_decoded ? &*m_decoded : nullptr;
}

TColor TPictureKeyColor::Get(TPictureCache& cache, const TPicture& picture, TRule rule) {
  if (!m_pending) return m_color;
  m_pending = false;
  const TDecodedPicture* decoded = cache.Get(picture);
  if (rule == TRule::Always)
    m_color = decoded ? TopLeftColor(*decoded) : clBlack;
  else if (decoded && !HasOwnTransparency(*decoded))
    m_color = TopLeftColor(*decoded);
  return m_color;
}
