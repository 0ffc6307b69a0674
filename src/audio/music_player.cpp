#include "audio/music_player.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

#include "audio/skin_sources.h"

const TClassInfo& TKIVAudierePlayer::StaticClass() {
  using C = TKIVAudierePlayer;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVAudierePlayer", &TWA2SkinUI::StaticClass())
          .Bool("WMHandle", Field(&C::m_wmHandle))
          .Bool("EnableBtnMin", Accessors(&C::EnableBtnMin, &C::SetEnableBtnMin))
          .Bool("EnableBtnClose", Accessors(&C::EnableBtnClose, &C::SetEnableBtnClose))
          .Integer("Volume", Accessors(&C::Volume, &C::SetVolume))
          .Bool("Random", Accessors(&C::Random, &C::SetRandom))
          .Bool("Loop", Accessors(&C::Loop, &C::SetLoop))
          .String("IdleTitle", Accessors(&C::IdleTitle, &C::SetIdleTitle))
          .String("SkinPath", Accessors(&C::SkinPath, &C::SetSkinPath))
          .Object("SkinData", [](C& c) -> TPersistent* { return &c.m_skinData; })
          .Object("PlayList", [](C& c) -> TPersistent* { return &c.m_playList; })
          .String("IAName", Field(&C::m_iaName))
          .Bool("AutoPlay", Field(&C::m_autoPlay))
          .Bool("Locked", Field(&C::m_locked))
          .Integer("GroupIndex", Field(&C::m_groupIndex))
          .Build();
  return *info;
}

TKIVAudierePlayer::TKIVAudierePlayer() {
  TAudierePlayerHost host;
  host.openDevice = [this] { return m_sound; };
  host.startTimer = [](uint32_t ms, std::function<void()> task) {
    if (QCoreApplication::instance()) QTimer::singleShot(static_cast<int>(ms), QCoreApplication::instance(), std::move(task));
  };
  host.postToUiThread = [](std::function<void()> task) {
    if (QCoreApplication* app = QCoreApplication::instance())
      QMetaObject::invokeMethod(app, std::move(task), Qt::QueuedConnection);
  };
  const auto seed = static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  m_engine = std::make_unique<TAudierePlayer>(std::move(host), false, seed);
  m_engine->onStatusChange = [this] { SetPlayState(static_cast<int32_t>(m_engine->Status())); };
  m_engine->onInfoChange = [this] { ShowSongInfo(); };
  Button(TWA2Element::Play).onClick = [this] {
    if (m_engine->PlayList().Count() > 0)
      m_engine->Play(false);
    else
      OpenFiles();
  };
  Button(TWA2Element::Eject).onClick = [this] { OpenFiles(); };
  Button(TWA2Element::Options).onClick = [this] { ShowSkinMenu(); };
  Button(TWA2Element::Pause).onClick = [this] {
    if (m_engine->Status() == TPlayerStatus::Paused)
      m_engine->Resume();
    else
      m_engine->Pause();
  };
  Button(TWA2Element::Stop).onClick = [this] { m_engine->Close(false); };
  Button(TWA2Element::Minimize).onClick = [this] {
    if (m_window.minimize) m_window.minimize();
  };
  Button(TWA2Element::Close).onClick = [this] {
    if (m_window.close) m_window.close();
  };
  Button(TWA2Element::Previous).onClick = [this] { m_engine->PlayPrevious(); };
  Button(TWA2Element::Next).onClick = [this] { m_engine->PlayNext(); };
  Switch(TWA2Element::Shuffle).onClick = [this] {
    m_random = Switch(TWA2Element::Shuffle).On();
    ApplyPlayMode();
  };
  Switch(TWA2Element::Repeat).onClick = [this] {
    m_loop = Switch(TWA2Element::Repeat).On();
    ApplyPlayMode();
  };
  Slider(TWA2Element::Volume).onChange = [this](int32_t value) {
    m_volume = value;
    m_engine->SetVolume(value);
  };
  Slider(TWA2Element::Balance).onChange = [this](int32_t value) { m_engine->SetPan(value * 2); };
  Slider(TWA2Element::SeekBar).onChange = [this](int32_t value) { m_engine->Seek(value); };
  SetTitle(m_idleTitle);
  // Shade, equalizer and play list have no function in this player and stay disabled; options,
  // minimize and close wait for SkinPath and the two EnableBtn properties.
  for (TWA2Element element : {TWA2Element::Options, TWA2Element::Minimize, TWA2Element::Shade, TWA2Element::Close,
                              TWA2Element::Equalizer, TWA2Element::PlayList})
    SetElementEnabled(element, false);
}

void TKIVAudierePlayer::Loaded() {
  TWA2SkinUI::Loaded();
  if (m_skinData.Bytes().empty()) return;
  TZipSkinSource stored(std::vector<uint8_t>(m_skinData.Bytes().begin(), m_skinData.Bytes().end()),
                        [this](const std::string& text) { m_loadMessages.push_back(text); });
  LoadSkin(stored);
}

TKIVAudierePlayer::~TKIVAudierePlayer() {
  m_displayTimer.reset();
  m_engine.reset();
}

void TKIVAudierePlayer::SetVolume(int32_t volume) {
  m_volume = std::clamp(volume, 0, 100);
  m_engine->SetVolume(m_volume);
  Slider(TWA2Element::Volume).SetValue(m_volume);
}

void TKIVAudierePlayer::SetRandom(bool on) {
  m_random = on;
  Switch(TWA2Element::Shuffle).SetOn(on);
  ApplyPlayMode();
}

void TKIVAudierePlayer::SetLoop(bool on) {
  m_loop = on;
  Switch(TWA2Element::Repeat).SetOn(on);
  ApplyPlayMode();
}

void TKIVAudierePlayer::ApplyPlayMode() { m_engine->PlayList().SetPlayMode(static_cast<TPlayMode>(PlayMode())); }

void TKIVAudierePlayer::SetIdleTitle(std::string title) {
  m_idleTitle = std::move(title);
  if (m_engine->Status() == TPlayerStatus::Stopped) SetTitle(m_idleTitle);
}

void TKIVAudierePlayer::SetSound(TSoundSystem* sound, bool usable) {
  m_sound = sound;
  m_engine->SetUsable(usable && sound);
}

void TKIVAudierePlayer::LoadPlayList(const std::function<std::string(const std::string&)>& expand) {
  m_engine->PlayList().Clear();
  for (const std::string& line : m_playList.Lines()) m_engine->PlayList().Add(expand ? expand(line) : line);
  if (m_autoPlay) m_engine->Play(false);
}

// The displays for the song now open, or the idle ones when none is.
void TKIVAudierePlayer::ShowSongInfo() {
  const bool playing = m_engine->Status() == TPlayerStatus::Playing;
  if (playing && !m_displayTimer && QCoreApplication::instance()) {
    m_displayTimer = std::make_unique<QTimer>();
    QObject::connect(m_displayTimer.get(), &QTimer::timeout, [this] { ShowProgress(); });
    m_displayTimer->start(200);
  } else if (m_engine->Status() == TPlayerStatus::Stopped) {
    m_displayTimer.reset();
  }
  TWA2Slider& seekBar = Slider(TWA2Element::SeekBar);
  if (m_engine->Status() == TPlayerStatus::Stopped) {
    SetChannels(0);
    SetBitRate(-1);
    SetSampleRate(-1);
    SetTitle(m_idleTitle);
    SetTime(-1);
    SetElementEnabled(TWA2Element::SeekBar, false);
    seekBar.SetValue(0);
    return;
  }
  const TAudiereSongInfo& info = m_engine->SongInfo();
  SetChannels(info.channels);
  SetBitRate(info.bitRate);
  SetSampleRate(info.sampleRate / 1000);
  std::string title = info.title.empty() ? std::filesystem::path(info.fileName).stem().string() : info.title;
  if (!info.artist.empty()) title = info.artist + " - " + title;
  SetTitle(title + " (" + MinutesAndSeconds(info.length) + ")");
  SetTime(0);
  SetElementEnabled(TWA2Element::SeekBar, info.length > 0);
  seekBar.SetValue(0);
  seekBar.SetLengthSeconds(info.length);
}

void TKIVAudierePlayer::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  TWA2SkinUI::MouseDown(button, shift, x, y);
  if (button == TMouseButton::mbLeft && !PartHoldsPointer() && m_wmHandle && m_window.drag) m_window.drag();
  if (button == TMouseButton::mbRight && ElementEnabled(TWA2Element::Options)) ShowSkinMenu();
}

void TKIVAudierePlayer::SetDialogs(TMusicPlayerDialogs* dialogs,
                                   std::function<std::string(const std::string&)> expandPath) {
  m_dialogs = dialogs;
  m_expandPath = std::move(expandPath);
}

namespace {

std::string TextOr(const TMessageTexts& texts, TMessageKey key) {
  const std::string& text = texts.Text(key);
  return text.empty() ? std::string(DefaultMessageText(key)) : text;
}

std::string LowerAscii(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The ".wsz" files in folder (the extension in any letter case), sorted by their names without
// extension ignoring case; folders and names beginning with "." are left out.
std::vector<std::filesystem::path> SkinFiles(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.empty() || name.front() == '.' || entry.is_directory(error)) continue;
    if (LowerAscii(entry.path().extension().string()) == ".wsz") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end(), [](const std::filesystem::path& a, const std::filesystem::path& b) {
    const std::string la = LowerAscii(a.stem().string()), lb = LowerAscii(b.stem().string());
    return la != lb ? la < lb : a < b;
  });
  return files;
}

}  // namespace

void TKIVAudierePlayer::ShowSkinMenu() {
  if (!m_dialogs) return;
  const std::filesystem::path folder = m_expandPath ? m_expandPath(m_skinPath) : m_skinPath;
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) return;
  const std::vector<std::filesystem::path> skins = SkinFiles(folder);
  if (skins.empty()) return;  // the menu shows only with a skin beside the default one
  std::vector<TPlayerMenuItem> items{{TextOr(m_texts, TMessageKey::MusicPlayerDefaultSkin), m_currentSkin.empty()},
                                     {"-", false}};
  for (const std::filesystem::path& skin : skins) items.push_back({skin.stem().string(), skin.stem() == m_currentSkin});
  const int chosen = m_dialogs->ChooseMenuItem(items);
  if (chosen == 0) {
    // The control's own skin, else the built-in one.
    TBuiltinSkinSource builtIn;
    LoadSkin(builtIn);
    if (!m_skinData.Bytes().empty()) {
      TZipSkinSource stored(std::vector<uint8_t>(m_skinData.Bytes().begin(), m_skinData.Bytes().end()), {});
      LoadSkin(stored);
    }
    m_currentSkin.clear();
  } else if (chosen >= 2 && static_cast<size_t>(chosen) < items.size()) {
    const std::filesystem::path& skin = skins[static_cast<size_t>(chosen) - 2];
    TZipSkinSource zipped(skin.string(), [this](const std::string& text) { m_dialogs->ShowMessage(text); });
    LoadSkin(zipped);
    m_currentSkin = skin.stem().string();
  }
}

void TKIVAudierePlayer::OpenFiles() {
  if (!m_dialogs || !m_engine->Usable()) return;
  static constexpr const char* kMusic = "*.wav;*.ogg;*.mp3;*.mp2;*.mp1;*.mod;*.xm;*.s3m;*.it;*.flac;*.spx;*.aiff";
  const std::vector<TFileFilter> filters{
      {TextOr(m_texts, TMessageKey::MusicPlayerFilterAll), std::string(kMusic) + ";*.m3u;*.pls"},
      {TextOr(m_texts, TMessageKey::MusicPlayerFilterMusic), kMusic},
      {TextOr(m_texts, TMessageKey::MusicPlayerFilterPlaylist), "*.m3u;*.pls"}};
  const std::vector<std::string> files = m_dialogs->ChooseFiles(filters);
  if (files.size() == 1) {
    m_engine->OpenAndPlay(files.front());
  } else if (files.size() > 1) {
    m_engine->PlayList().Clear();
    for (const std::string& file : files) m_engine->PlayList().Add(file);
    m_engine->Play(true);
  }
}

void TKIVAudierePlayer::ShowProgress() {
  SetTime(m_engine->ElapsedSeconds());
  Slider(TWA2Element::SeekBar).SetValue(m_engine->Position());
}

void TKIVAudierePlayer::SetSkinPath(std::string path) {
  m_skinPath = std::move(path);
  SetElementEnabled(TWA2Element::Options, !m_skinPath.empty());
}
