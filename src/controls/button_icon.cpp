#include "controls/button_icon.h"

#include <utility>

namespace {
constexpr auto kIconRule = TPictureKeyColor::TRule::UnlessOwnTransparency;
}  // namespace

TButtonIcon::TButtonIcon(std::function<void()> changed) {
  m_picture.SetOnChange([this, changed = std::move(changed)] {
    m_keyColor.PickLater();
    changed();
  });
}

void TButtonIcon::Set(const TPicture& icon) {
  KeyColor();  // a pick still pending reads the icon that goes now
  m_picture.Assign(&icon);
}

TColor TButtonIcon::KeyColor() const { return m_keyColor.Get(m_cache, m_picture, kIconRule); }

void TButtonIcon::SetKeyColor(TColor color) { m_keyColor.Set(color); }
