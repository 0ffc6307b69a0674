#pragma once
// TKIVImageControl adds an opacity to the static action control; TKIVImage shows one picture at
// its natural size, centred, stretched (optionally keeping its proportions) or tiled, with an
// optional key-colour transparency. Control commands find an image by its IAName.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "controls/action_control.h"
#include "controls/control_paint.h"
#include "graphics/gif_animator.h"
#include "window/control_timer.h"

class TKIVImageControl : public TKIVStaticActionControl {
 public:
  TKIVImageControl();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  int32_t Opacity() const { return m_opacity; }
  // Clamped to 0-100 percent.
  virtual void SetOpacity(int32_t percent);

 protected:
  int32_t m_opacity = 100;
};

class QTimer;

class TKIVImage : public TKIVImageControl {
 public:
  TKIVImage();
  ~TKIVImage() override;

  // Background, then the picture (or the current animation frame) placed, stretched or tiled,
  // faded by Opacity; a dotted frame in design mode.
  void Paint(TCanvas& canvas) override;
  // WMHandle drags the menu window.
  void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;

  // Copies picture. Every change of Pic (here, through Pic() or from the document) runs the
  // picture change: auto-size, and an animated GIF starts playing.
  void SetPic(const TPicture& picture);
  // An animated picture: a GIF with more than one frame.
  bool Animated();
  // The frame the animation shows, and the interval until the next step (0: not animating).
  int32_t CurrentFrame() const { return m_currentFrame; }
  int32_t TimerIntervalMs() const { return m_timerIntervalMs; }
  // One step of the animation (the timer calls it): the next frame (after the last comes the
  // first), repainted at once, and the interval of the new frame.
  void AnimationTick();
  // Going live takes the window's timer source, when it has one, for the animation.
  void SetDesignMode(bool designMode) override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Handlers the program binds: OnChange after every picture change, OnAnimate with each
  // composed animation frame just before it is drawn.
  using TChangeHandler = std::function<void(TKIVImage&)>;
  using TAnimateHandler = std::function<void(TKIVImage&, const TBitmap32& frame)>;
  void SetOnChange(TChangeHandler handler) { m_onChange = std::move(handler); }
  void SetOnAnimate(TAnimateHandler handler) { m_onAnimate = std::move(handler); }

  // The placement setters take effect at once: a changed value re-sizes the image to its
  // picture (when AutoSize is set) and repaints it.
  void SetTile(bool tile);
  void SetCenter(bool center);
  void SetStretch(bool stretch);
  // Changes the look only while Stretch is set.
  void SetKeepAspectRatio(bool keepAspectRatio);
  void SetTransparent(bool transparent);
  void SetAutoSize(bool autoSize);
  void SetOpacity(int32_t percent) override;

  bool AutoSize() const { return m_autoSize; }
  TPicture* Pic() { return &m_pic; }
  const TPicture& Pic() const { return m_pic; }
  bool Tile() const { return m_tile; }
  bool Center() const { return m_center; }
  bool Stretch() const { return m_stretch; }
  bool KeepAspectRatio() const { return m_keepAspectRatio; }
  bool Transparent() const { return m_transparent; }
  bool WMHandle() const { return m_wmHandle; }
  const std::string& IAName() const { return m_iaName; }

 protected:
  TPicture m_pic;
  bool m_tile = false;
  bool m_center = false;
  bool m_stretch = false;
  bool m_keepAspectRatio = false;
  bool m_transparent = false;
  bool m_wmHandle = false;
  std::string m_iaName;

 private:
  // Restarts the animation from its first frame when the picture is animated (stops it
  // otherwise), applies the auto-size rule, repaints and raises OnChange.
  void PictureChanged();
  // A setting that changes the look: the auto-size rule, then a repaint.
  void SettingChanged();
  // Stores value into setting when it differs, then runs SettingChanged; false when unchanged.
  bool ChangeSetting(bool& setting, bool value);
  void ApplyAutoSize();
  void DrawImage(const TBitmapView& target);
  void StartTimer(int32_t intervalMs);

  TPictureCache m_picCache;
  TGifAnimator m_animator;
  int32_t m_currentFrame = 0;
  int32_t m_timerIntervalMs = 0;
  // The animation's timer: from the menu's timer source when the window has one (the player's
  // Qt timers, or the virtual clock of a picture of a moment), else a Qt timer where an event
  // loop can run it.
  std::unique_ptr<TControlTimer> m_controlTimer;
  TTimerSource* m_timerSource = nullptr;
  std::unique_ptr<QTimer> m_timer;
  TChangeHandler m_onChange;
  TAnimateHandler m_onAnimate;
};
