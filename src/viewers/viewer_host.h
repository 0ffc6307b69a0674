#pragma once
// What the viewer hosts (web browser, media player, Flash, PDF) share: the not-installed message
// shown in place of their missing component, and the stored properties DesignMode, Locked,
// GroupIndex and IAName.
//
// A host whose module the player attached (see AttachViewers) places its component's widgets
// over its own place in the window and keeps them there and shown while it shows. Without one,
// the host shows its not-installed label: the message (its backslash escapes decoded) in blue
// "Tahoma" 10, centred over a white frame with a blue outline, underlined while the pointer is
// over it and opening a page that tells how to get the component when clicked (neither in design
// mode). The menu window paints the host and hands it the pointer.

#include <cstdint>
#include <memory>
#include <string>

#include "graphics/canvas.h"
#include "graphics/geometry.h"
#include "model/class_info.h"
#include "model/control.h"
#include "model/message_texts.h"
#include "window/component_host.h"

// The blue text a viewer host shows in place of a missing component: the default message of its
// key from construction, and the menu's message whenever the host's MessageTextsChanged runs
// after the menu window applied a document's translations. The text is kept raw; its backslash
// escapes are decoded where it is shown.
class TNotInstalledMessage {
 public:
  explicit TNotInstalledMessage(TMessageKey key) : m_key(key), m_text(DefaultMessageText(key)) {}
  TMessageKey Key() const { return m_key; }
  const std::string& Text() const { return m_text; }
  void Reread(const TMessageTexts& texts) { m_text = texts.Text(m_key); }

 private:
  TMessageKey m_key;
  std::string m_text;
};

// The base of the viewer hosts. It is no stored class of its own: each host registers the
// shared properties itself, where its stored form has them.
class TViewerHost : public TCustomControl, public TComponentHost {
 public:
  void MessageTextsChanged(const TMessageTexts& texts) override { m_notInstalled.Reread(texts); }
  const std::string& NotInstalledText() const { return m_notInstalled.Text(); }

  // The attached component; null while the not-installed label shows.
  TWidgetComponent* Component() const override { return m_component.Get(); }
  // The label shows again.
  void DetachComponent() override;

  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
  void SetVisible(bool visible) override;
  bool PaintedByWindow() const override { return true; }
  TRunModeCursor RunModeCursorKind() const override {
    return m_component.Get() ? TRunModeCursor::Normal : TRunModeCursor::Hot;
  }
  // The label over its frame, or the component where it is not on screen.
  void Paint(TCanvas& canvas) override;
  void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
  void MouseLeave() override;
  void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
  // Where the label lies in the control, centred (halves toward zero).
  TRect NotInstalledLabelRect() const;
  bool LabelHot() const { return m_labelHot; }
  // The page that tells how to get the missing component.
  const std::string& DownloadPage() const { return m_downloadPage; }

  bool DesignMode() const { return m_designMode; }
  void SetDesignMode(bool designMode) override { m_designMode = designMode; }
  const std::string& IAName() const { return m_iaName; }

 protected:
  TViewerHost(TMessageKey notInstalledKey, std::string downloadPage)
      : m_notInstalled(notInstalledKey), m_downloadPage(std::move(downloadPage)) {}

  // The frame under the label: white with a one-pixel blue outline over the whole control.
  virtual void PaintFrame(TCanvas& canvas) const;
  // Takes component as the host's own and places it over the whole control.
  void AdoptComponent(std::unique_ptr<TWidgetComponent> component);

  // Adds DesignMode, Locked, GroupIndex and IAName, in this order, to C's properties.
  template <class C>
  static void AddHostProperties(TClassBuilder<C>& builder);

  // The members live in this class; the explicit C turns each member pointer into one of C.
  template <class C>
  static TAccess<C, bool> DesignModeAccess() {
    return Accessors<C, bool, bool>(&TViewerHost::DesignMode, &TViewerHost::SetDesignMode);
  }
  template <class C>
  static TAccess<C, bool> LockedAccess() { return Field<C, bool>(&TViewerHost::m_locked); }
  template <class C>
  static TAccess<C, uint32_t> GroupIndexAccess() { return Field<C, uint32_t>(&TViewerHost::m_groupIndex); }
  template <class C>
  static TAccess<C, std::string> IANameAccess() { return Field<C, std::string>(&TViewerHost::m_iaName); }

 private:
  // The label's text as shown, on a canvas set up with the label's font.
  std::string LabelText() const;
  void SetLabelFont(TCanvas& canvas) const;
  void SetLabelHot(bool hot);

  TRect ComponentArea() const { return {0, 0, m_width, m_height}; }

  TWidgetSlot m_component{*this};
  TNotInstalledMessage m_notInstalled;
  std::string m_downloadPage;
  bool m_labelHot = false;
  bool m_designMode = false;
  bool m_locked = false;
  uint32_t m_groupIndex = 0;
  std::string m_iaName;
};

template <class C>
void TViewerHost::AddHostProperties(TClassBuilder<C>& builder) {
  builder.Bool("DesignMode", DesignModeAccess<C>())
      .Bool("Locked", LockedAccess<C>())
      .Integer("GroupIndex", GroupIndexAccess<C>())
      .String("IAName", IANameAccess<C>());
}
