#pragma once
// What the viewer hosts (web browser, media player, Flash, PDF) share: the not-installed message
// shown in place of their missing component, and the stored properties DesignMode, Locked,
// GroupIndex and IAName.

#include <cstdint>
#include <string>

#include "model/class_info.h"
#include "model/control.h"
#include "model/message_texts.h"

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
class TViewerHost : public TCustomControl {
 public:
  void MessageTextsChanged(const TMessageTexts& texts) override { m_notInstalled.Reread(texts); }
  const std::string& NotInstalledText() const { return m_notInstalled.Text(); }

  bool DesignMode() const { return m_designMode; }
  void SetDesignMode(bool designMode) override { m_designMode = designMode; }
  const std::string& IAName() const { return m_iaName; }

 protected:
  explicit TViewerHost(TMessageKey notInstalledKey) : m_notInstalled(notInstalledKey) {}

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
  TNotInstalledMessage m_notInstalled;
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
