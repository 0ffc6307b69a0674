#pragma once
// TAudierePlayer: the music player's engine. It plays the files of its play list one at a time
// through the run's sound system, keeps the status (stopped, paused, playing), the volume, mute
// and pan, and the open file's song information, and moves on at the end of a song as the play
// mode says. Everything runs on the user-interface thread: a song's end is noticed on the mixing
// thread and handed over through the owner's post function.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "audio/play_list.h"
#include "audio/sound_system.h"

struct TAudiereSongInfo {
  std::string fileName;
  bool seekable = false;
  int32_t channels = 1;
  int32_t bitRate = 0;  // kbit/s, estimated from the file's size
  int32_t sampleRate = 0;
  int32_t length = 0;  // whole seconds
  std::string title;
  std::string artist;
};

enum class TPlayerStatus : uint8_t { Stopped = 0, Paused = 1, Playing = 2 };

// What the engine needs from its owner: the sound device, a one-shot timer and the hand-over to
// the user-interface thread.
struct TAudierePlayerHost {
  // Opens the sound device; null when there is none (the player then stays silent).
  std::function<TSoundSystem*()> openDevice;
  // Runs task once after ms milliseconds on the user-interface thread (the skip timer).
  std::function<void(uint32_t ms, std::function<void()> task)> startTimer;
  // Queues task for the user-interface thread; callable from any thread.
  std::function<void(std::function<void()> task)> postToUiThread;
};

class TAudierePlayer {
 public:
  // usable is false when the audio engine cannot be used at all: every PlayFile then returns at
  // once. seed starts the play list's shuffle.
  TAudierePlayer(TAudierePlayerHost host, bool usable, uint32_t seed);
  ~TAudierePlayer();
  TAudierePlayer(const TAudierePlayer&) = delete;
  TAudierePlayer& operator=(const TAudierePlayer&) = delete;

  bool Usable() const { return m_usable; }
  void SetUsable(bool usable) { m_usable = usable; }
  TAudierePlayList& PlayList() { return m_list; }
  TPlayerStatus Status() const { return m_status; }
  const std::string& CurrentFile() const { return m_currentFile; }
  const TAudiereSongInfo& SongInfo() const { return m_info; }

  // Load(name), then Play(true) when it loaded.
  void OpenAndPlay(const std::string& name);
  // Playing and not force: nothing; paused and not force: Resume; otherwise the current item.
  void Play(bool force);
  // The same file again without force resumes it; otherwise the song before is closed (the
  // device kept) and name opened and played. A file that does not open is skipped after a
  // second (PlayNext), once per pending skip.
  void PlayFile(const std::string& name, bool force);
  void Pause();
  void Resume();
  // Stops and releases the song; the device too unless keepDevice.
  void Close(bool keepDevice);
  void PlayFirst();
  void PlayNext();
  void PlayPrevious();

  int32_t Volume() const { return m_volume; }
  // Limited to 0..100; muted sends 0 to the song.
  void SetVolume(int32_t volume);
  bool Muted() const { return m_muted; }
  void SetMuted(bool muted);
  int32_t Pan() const { return m_pan; }
  // A value outside -100..100 becomes 0.
  void SetPan(int32_t pan);
  // Permille of the song played (0 without a seekable song, or when its length is 0).
  int32_t Position() const;
  int32_t ElapsedSeconds() const;
  // Only for a seekable song: moves to permille (limited to 0..1000) of its length.
  void Seek(int32_t permille);

  std::function<void()> onStatusChange;
  std::function<void()> onInfoChange;

 private:
  void SetStatus(TPlayerStatus status);
  void ReadSongInfo();
  void ApplyVolumeAndPan();
  void SongEnded(uint64_t stream);

  TAudierePlayerHost m_host;
  bool m_usable;
  TAudierePlayList m_list;
  TSoundSystem* m_device = nullptr;
  std::unique_ptr<TSoundSystem::TMusicStream> m_stream;
  // Numbers each opened song, so the end of an older one is not taken for the current one's.
  uint64_t m_streamNumber = 0;
  TPlayerStatus m_status = TPlayerStatus::Stopped;
  std::string m_currentFile;
  TAudiereSongInfo m_info;
  int32_t m_volume = 100;
  bool m_muted = false;
  int32_t m_pan = 0;
  bool m_skipPending = false;
  // Cleared when the player goes, so a late timer or end message finds nothing to do.
  std::shared_ptr<TAudierePlayer*> m_self;
};
