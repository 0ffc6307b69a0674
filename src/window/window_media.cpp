// The menu window's decoded background picture, its icon and its three cursors.

#include <vector>

#include "graphics/picture_decoder.h"
#include "window/frame.h"
#include "window/menu_form.h"

namespace {

std::vector<TCursorImage> CursorImages(std::vector<TCursorFrame> frames) {
  std::vector<TCursorImage> images;
  images.reserve(frames.size());
  for (TCursorFrame& frame : frames) images.push_back({std::move(frame.image), frame.hotSpot, frame.delayMs});
  return images;
}

}  // namespace

// A picture that does not decode counts as no picture: the menu runs without it.
const TDecodedPicture* TKIVForm::DecodedPicture() { return m_pictureCache.Get(m_picture); }

TPictureKind TKIVForm::PictureKind() {
  const TDecodedPicture* decoded = DecodedPicture();
  if (!decoded) return TPictureKind::Empty;
  if (decoded->format == TPictureFormat::Jpeg) return TPictureKind::Jpeg;
  if (decoded->format == TPictureFormat::Icon) return TPictureKind::Icon;
  return TPictureKind::Other;
}

void TKIVForm::PictureChanged() {
  if (IsLoading()) return;
  if (m_windowStyle == TKIVWindowStyle::awsShaped) {
    ApplyFrame();
    ApplyShape(!m_designMode && IsShapePicture(PictureKind()));
    ChangeBackground(true);
  } else {
    ChangeBackground(m_backGround == TKIVFillStyle::afsGlyph);
  }
}

void TKIVForm::ApplyIcon() {
  if (!m_host) return;
  std::optional<std::vector<TBitmap32>> images;
  if (!m_iconData.Empty()) images = DecodeIcon(m_iconData.Bytes());
  // No icon, or one that does not decode: the player's own icon.
  m_host->SetIcon(images ? *images : std::vector<TBitmap32>{});
}

void TKIVForm::ApplyCursor(int16_t number) {
  if (!m_host) return;
  const TCursorData* data = number == kCursorHot ? &m_kivHotCursor : number == kCursorEdit ? &m_kivEditCursor : &m_kivCursor;
  if (data->Empty()) {
    m_host->DefineCursor(number, {});
    return;
  }
  std::optional<std::vector<TCursorFrame>> frames = DecodeCursor(data->Bytes());
  // A cursor that does not decode leaves the cursor as it was.
  if (frames && !frames->empty()) m_host->DefineCursor(number, CursorImages(std::move(*frames)));
}
