#pragma once
// The skinned music player page control: TKIVAudierePlayer on the skinned surface TWA2SkinUI
// (wa2_skin_ui.h). Here is its stored form: what a document sets and the value rules of those
// setters.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "audio/audio_player.h"
#include "audio/music_player_dialogs.h"
#include "model/message_texts.h"
#include "audio/wa2_skin_ui.h"
#include "model/custom_data.h"
#include "model/strings.h"

class QTimer;

class TKIVAudierePlayer : public TWA2SkinUI {
 public:
  TKIVAudierePlayer();
  ~TKIVAudierePlayer() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  // A stored skin (SkinData) is put on as soon as the document has been read, so the first paint
  // shows it; it is read from memory, with no temporary file.
  void Loaded() override;

  bool WMHandle() const { return m_wmHandle; }
  // The title-bar minimize and close buttons' enabled state.
  bool EnableBtnMin() const { return ElementEnabled(TWA2Element::Minimize); }
  void SetEnableBtnMin(bool enabled) { SetElementEnabled(TWA2Element::Minimize, enabled); }
  bool EnableBtnClose() const { return ElementEnabled(TWA2Element::Close); }
  void SetEnableBtnClose(bool enabled) { SetElementEnabled(TWA2Element::Close, enabled); }
  // Engine volume and volume slider, clamped to 0-100.
  int32_t Volume() const { return m_volume; }
  void SetVolume(int32_t volume);
  bool Random() const { return m_random; }
  // The shuffle and repeat switches.
  void SetRandom(bool on);
  bool Loop() const { return m_loop; }
  void SetLoop(bool on);
  // Play-list mode from the two switches: 1 shuffle (wins over repeat), 2 repeat all, 0 normal.
  int PlayMode() const { return m_random ? 1 : m_loop ? 2 : 0; }
  // Title shown while nothing plays.
  const std::string& IdleTitle() const { return m_idleTitle; }
  void SetIdleTitle(std::string title);
  // The options button (skin menu) is enabled exactly while SkinPath is not empty.
  const std::string& SkinPath() const { return m_skinPath; }
  void SetSkinPath(std::string path);
  // The control's own zipped skin; empty means the built-in skin.
  TCustomData* SkinData() { return &m_skinData; }
  const TCustomData& SkinData() const { return m_skinData; }
  // One file or play-list file per line, path macros not yet expanded.
  TStrings* PlayList() { return &m_playList; }
  const TStrings& PlayList() const { return m_playList; }
  const std::string& IAName() const { return m_iaName; }
  bool AutoPlay() const { return m_autoPlay; }

  // The sound the engine plays through (the run's sound system, opened on first use; null for
  // none) and whether the audio engine can be used at all. Set by the session before the menu
  // window shows; until then, and without a usable engine, the player stays silent.
  void SetSound(TSoundSystem* sound, bool usable);
  // Once, when the menu window is first shown: the play list from PlayList (path macros expanded
  // with expand), then, with AutoPlay, playing.
  void LoadPlayList(const std::function<std::string(const std::string&)>& expand);
  TAudierePlayer& Engine() { return *m_engine; }
  // The 200 ms display step while playing: elapsed time and seek position.
  void ShowProgress();
  // What the title-bar buttons and WMHandle do to the menu window the player lies on (empty for
  // a player inside another control): minimise it through the menu's own command, so the tray
  // rules apply; close it; start dragging it (not when it fills the screen).
  struct TWindowCommands {
    std::function<void()> minimize, close, drag;
  };
  void SetWindowCommands(TWindowCommands commands) { m_window = std::move(commands); }
  // The skin menu and the open-file dialog (null: neither is offered), and how SkinPath's path
  // macros expand to a Linux folder.
  void SetDialogs(TMusicPlayerDialogs* dialogs, std::function<std::string(const std::string&)> expandPath);
  void MessageTextsChanged(const TMessageTexts& texts) override { m_texts = texts; }
  // The skin menu: the default skin, a separator and the ".wsz" skins of SkinPath's folder,
  // sorted, the current one checked; shown only when the folder holds a skin. Choosing one puts
  // it on.
  void ShowSkinMenu();
  // The open-file dialog, when the audio engine can be used: one file chosen plays it alone;
  // several make the play list, in the dialog's order, and play it.
  void OpenFiles();
  // The messages of the stored skin read with the document (the zip reader's CRC warning): they
  // are never shown while the document loads; the session hands them to the --verbose report.
  const std::vector<std::string>& LoadMessages() const { return m_loadMessages; }
  // The name of the skin on from the skin menu; empty for the control's own (or built-in) skin.
  const std::string& CurrentSkin() const { return m_currentSkin; }
  // A left press on the free surface drags the menu window with WMHandle.
  void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;

 private:
  void ApplyPlayMode();
  void ShowSongInfo();
  bool m_wmHandle = false;
  int32_t m_volume = 100;
  bool m_random = false;
  bool m_loop = false;
  std::string m_idleTitle = "TELVO";
  std::string m_skinPath;
  TCustomData m_skinData;
  TStrings m_playList;
  std::string m_iaName;
  bool m_autoPlay = false;
  bool m_locked = false;
  uint32_t m_groupIndex = 0;
  TSoundSystem* m_sound = nullptr;
  std::unique_ptr<TAudierePlayer> m_engine;
  std::unique_ptr<QTimer> m_displayTimer;  // only where an event loop can run it
  TWindowCommands m_window;
  TMusicPlayerDialogs* m_dialogs = nullptr;
  std::function<std::string(const std::string&)> m_expandPath;
  TMessageTexts m_texts;
  std::string m_currentSkin;
  std::vector<std::string> m_loadMessages;
};
