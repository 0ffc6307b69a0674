#include "actions/slide_show.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "transitions/pic_show.h"
#include "transitions/transition_styles.h"

namespace {

constexpr uint32_t kFirstPictureMs = 50;
constexpr uint32_t kResumeMs = 500;
// A click this soon after the pop-up menu closed belongs to the menu.
constexpr uint64_t kClickAfterMenuMs = 100;

bool FolderExists(const std::string& folder) {
  std::error_code error;
  return std::filesystem::is_directory(folder, error);
}

}  // namespace

TSlideShow::TSlideShow(std::vector<std::string> pictures, TSlideShowSettings settings, TCustomPicShow& engine,
                       TSlideShowTimer& timer, TPictureLoader loader, uint32_t seed)
    : m_pictures(std::move(pictures)),
      m_settings(std::move(settings)),
      m_engine(engine),
      m_timer(timer),
      m_loader(std::move(loader)),
      m_random(seed),
      m_hasPlayed(!m_settings.manual) {
  if (m_settings.random) m_next = RandomBelow(m_pictures.size());
}

void TSlideShow::Shown() {
  SetHelpLine();
  m_timer.Start(kFirstPictureMs);
}

void TSlideShow::SetHelpLine() {
  m_helpLine = m_settings.manual ? m_settings.helpManual : m_settings.helpAutomatic;
  if (OnLinesChanged) OnLinesChanged();
}

// The next-picture step: the picture at the next index, fitted, brought in by a transition.
void TSlideShow::NextPicture() {
  m_timer.Stop();
  if (m_closed) return;
  if (!LoadNext()) {
    Close();
    return;
  }
  m_next = ChooseNext();
  m_engine.SetStyle(ChooseStyle());
  m_engine.StartTransition();
}

// Loads the picture at the next index into the engine; a picture that does not load is passed
// over for the one after it, so the show never waits for a transition that cannot start. False
// when the show is over: the end of the list without loop, the folder gone (the show cannot go
// on without it), or a whole round of pictures none of which loads.
bool TSlideShow::LoadNext() {
  for (size_t attempt = 0; attempt <= m_pictures.size(); ++attempt) {
    if (m_next >= m_pictures.size()) {
      if (!m_settings.loop) return false;
      m_next = 0;
    }
    if (attempt == m_pictures.size() || !FolderExists(m_settings.folder)) return false;
    std::optional<TBitmap32> picture = m_loader(m_pictures[m_next]);
    if (picture && !picture->Empty()) {
      m_shown = m_next;
      const TSlideSize area{m_engine.Width(), m_engine.Height()};
      TFittedSlide fitted = FitSlidePicture(std::move(*picture), area, m_settings.fit, m_previousVisible);
      m_previousVisible = fitted.visible;
      m_engine.SetPicture(std::move(fitted.picture));
      return true;
    }
    m_next = ChooseNext();
  }
  return false;
}

size_t TSlideShow::ChooseNext() {
  if (!m_settings.random) return m_next + 1;
  size_t next = RandomBelow(m_pictures.size());
  while (next == m_next && m_pictures.size() > 1) next = RandomBelow(m_pictures.size());
  return next;
}

// A style from the allowed ones; a byte that names no style leaves the engine's style as it was.
int32_t TSlideShow::ChooseStyle() {
  if (m_settings.effects.empty()) return 1 + static_cast<int32_t>(RandomBelow(kTransitionStyleCount));
  return static_cast<uint8_t>(m_settings.effects[RandomBelow(m_settings.effects.size())]);
}

void TSlideShow::TransitionCompleted() {
  if (m_closed) return;
  m_fileNameLine = m_pictures[m_shown];
  if (!m_settings.random)
    m_fileNameLine += " [" + std::to_string(m_shown + 1) + "/" + std::to_string(m_pictures.size()) + "]";
  if (OnLinesChanged) OnLinesChanged();
  // A pause of 0 still moves on: the timer's shortest interval rather than one that never ticks.
  const uint64_t pauseMs = uint64_t{m_settings.pauseSeconds} * 1000;
  if (!m_settings.manual) m_timer.Start(static_cast<uint32_t>(std::clamp<uint64_t>(pauseMs, 1, UINT32_MAX)));
}

void TSlideShow::KeyPressed(TSlideKey key) {
  if (key == TSlideKey::Escape) {
    Close();
    return;
  }
  if (!m_settings.manual || m_engine.Busy()) return;
  if (key == TSlideKey::Forward)
    NextPicture();
  else
    Previous();
}

void TSlideShow::LeftClicked() {
  if (m_settings.manual && !m_engine.Busy() && m_leftPressMs >= m_menuClosedMs + kClickAfterMenuMs) NextPicture();
}

void TSlideShow::DoubleClicked() {
  if (!m_settings.manual) Next();
}

TSlideShowMenu TSlideShow::Menu() const {
  TSlideShowMenu menu;
  menu.playVisible = m_settings.manual && !m_hasPlayed;
  menu.pauseVisible = !m_settings.manual;
  menu.resumeVisible = m_settings.manual && m_hasPlayed;
  menu.previousEnabled = !m_settings.random && m_shown > 0;
  std::string prefix = m_settings.folder;
  if (!prefix.empty() && prefix.back() != '/') prefix += '/';
  for (const std::string& picture : m_pictures)
    menu.gotoCaptions.push_back(picture.starts_with(prefix) ? picture.substr(prefix.size()) : picture);
  return menu;
}

void TSlideShow::TogglePlay() {
  m_settings.manual = !m_settings.manual;
  if (!m_settings.manual) m_hasPlayed = true;
  SetHelpLine();
  if (m_settings.manual)
    m_timer.Stop();
  else if (!m_engine.Busy())
    m_timer.Start(kResumeMs);
  // Automatic while a transition runs: its completion starts the pause.
}

void TSlideShow::Next() {
  if (m_engine.Busy()) m_engine.StopTransition();
  NextPicture();
}

void TSlideShow::Previous() {
  if (m_settings.random) {
    m_next = ChooseNext();
  } else if (m_shown == 0) {
    m_next = 1;
    return;
  } else {
    m_next = m_shown - 1;
  }
  Next();
}

void TSlideShow::Goto(size_t index) {
  if (index >= m_pictures.size()) return;
  m_next = index;
  Next();
}

void TSlideShow::Close() {
  if (m_closed) return;
  m_closed = true;
  m_timer.Stop();
  if (m_engine.Busy()) m_engine.StopTransition();
  if (OnClose) OnClose();
}
