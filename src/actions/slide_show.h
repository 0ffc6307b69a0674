#pragma once
// The slide show's course: which picture comes next, how it is fitted, which transition brings
// it in, the pause after it, manual and automatic mode, and what the user's keys, clicks and
// menu choices do. The window around it (platform) turns events into these calls and shows the
// two text lines; the transitions run in the transition control it is handed.
//
// Everything here runs on the user-interface thread.

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "actions/slide_show_fit.h"
#include "graphics/bitmap32.h"

class TCustomPicShow;

struct TSlideShowSettings {
  std::string folder;  // the folder shown (a Linux path), for the Goto captions and its presence
  bool random = false;
  uint32_t pauseSeconds = 2;
  std::string effects;  // allowed styles, one per byte (the Windows code page's byte values)
  bool manual = false;
  bool loop = false;
  TSlideFitRules fit;
  std::string helpAutomatic;  // the help line in automatic mode
  std::string helpManual;     // and in manual mode
};

// The timer that paces the show: one interval at a time, restarted by Start.
class TSlideShowTimer {
 public:
  virtual ~TSlideShowTimer() = default;
  // Ticks every intervalMs (at least 1) from now on, until Stop.
  virtual void Start(uint32_t intervalMs) = 0;
  virtual void Stop() = 0;
};

// The keys the show reacts to.
enum class TSlideKey : uint8_t { Escape, Forward, Back };

// The pop-up menu as it opens now.
struct TSlideShowMenu {
  bool playVisible = false;
  bool pauseVisible = false;
  bool resumeVisible = false;
  bool previousEnabled = false;
  std::vector<std::string> gotoCaptions;  // one per picture, in list order
};

class TSlideShow {
 public:
  // The picture file at a path decoded into an opaque bitmap, or nothing.
  using TPictureLoader = std::function<std::optional<TBitmap32>(const std::string& path)>;

  // pictures is not empty. engine and timer must outlive the show; the show handles the
  // engine's completion and the timer's ticks (the owner routes them to TransitionCompleted and
  // TimerTick). seed starts the show's own random numbers.
  TSlideShow(std::vector<std::string> pictures, TSlideShowSettings settings, TCustomPicShow& engine,
             TSlideShowTimer& timer, TPictureLoader loader, uint32_t seed);

  // The window closes: called once, when the show ends.
  std::function<void()> OnClose;
  // The file-name line or the help line changed.
  std::function<void()> OnLinesChanged;

  // The window is shown: the help line of the mode, and the first picture 50 ms later.
  void Shown();
  void TimerTick() { NextPicture(); }
  void TransitionCompleted();

  void KeyPressed(TSlideKey key);
  // A left-button press and the click that ends it, with the platform's clock in milliseconds.
  void LeftPressed(uint64_t nowMs) { m_leftPressMs = nowMs; }
  void LeftClicked();
  void DoubleClicked();
  // The pop-up menu as it opens now; closedAtMs is when it closed again, recorded so that the
  // click that closed it does not count as a click on the show.
  TSlideShowMenu Menu() const;
  void MenuClosed(uint64_t closedAtMs) { m_menuClosedMs = closedAtMs; }
  void TogglePlay();
  void Next();
  void Previous();
  void Goto(size_t index);
  // Stops a running transition and ends the show.
  void Close();

  bool Closed() const { return m_closed; }
  bool ManualMode() const { return m_settings.manual; }
  size_t ShownIndex() const { return m_shown; }
  const std::vector<std::string>& Pictures() const { return m_pictures; }
  // The file-name line (the shown file and, in order, its place) and the help line.
  const std::string& FileNameLine() const { return m_fileNameLine; }
  const std::string& HelpLine() const { return m_helpLine; }

 private:
  void NextPicture();
  bool LoadNext();
  size_t ChooseNext();
  int32_t ChooseStyle();
  size_t RandomBelow(size_t count) { return static_cast<size_t>(m_random() % count); }
  void SetHelpLine();

  std::vector<std::string> m_pictures;
  TSlideShowSettings m_settings;
  TCustomPicShow& m_engine;
  TSlideShowTimer& m_timer;
  TPictureLoader m_loader;
  std::mt19937 m_random;
  size_t m_shown = 0;
  size_t m_next = 0;
  bool m_hasPlayed = false;
  bool m_closed = false;
  TSlideSize m_previousVisible;
  uint64_t m_leftPressMs = 0;
  uint64_t m_menuClosedMs = 0;
  std::string m_fileNameLine;
  std::string m_helpLine;
};
