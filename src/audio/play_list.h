#pragma once
// TAudierePlayList: the music player's play list, the files it plays in order, shuffled or
// repeated. Play-list files added to it (M3U, M3U8, PLS) add their entries, and lists may name
// other lists.

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

struct TAudierePlayListItem {
  std::string fileName;
  bool played = false;
};

// 0 normal, 1 shuffle, 2 repeat all.
enum class TPlayMode : uint8_t { Normal = 0, Shuffle = 1, RepeatAll = 2 };

class TAudierePlayList {
 public:
  // seed starts the shuffle's own random numbers.
  explicit TAudierePlayList(uint32_t seed);

  // By the lower-cased extension of name: ".m3u" and ".m3u8" add the entries of an M3U list,
  // ".pls" those of a PLS list (each entry through Add again, so lists nest); anything else is
  // one item. A list file that cannot be read, is no regular file or is larger than 16 MB adds
  // nothing; a list already being read further up (a list that names itself, directly or
  // through others) is not read again, and lists nest at most 16 deep.
  void Add(const std::string& name);
  // Clear, then: false for an empty name; for an M3U list whether it could be read; for a PLS
  // list whether the list then holds an item; for any other name true, with that one item.
  bool Load(const std::string& name);
  void Clear();

  size_t Count() const { return m_items.size(); }
  const std::vector<TAudierePlayListItem>& Items() const { return m_items; }
  int32_t Index() const { return m_index; }

  // -1 when empty. An index outside the list becomes a shuffle pick (shuffle) or 0 first.
  int32_t Current();
  // 0, or -1 when empty.
  int32_t First();
  // -1 when empty; a shuffle pick in shuffle mode; else the next index, past the end 0 when
  // repeating and the last one otherwise.
  int32_t Next();
  // -1 when empty; a shuffle pick in shuffle mode; else the previous index, before the start the
  // last one when repeating and 0 otherwise.
  int32_t Previous();
  // The file of index, marking it played; empty outside the list.
  std::string ItemName(int32_t index);

  TPlayMode PlayMode() const { return m_mode; }
  // A different mode clears every item's played flag.
  void SetPlayMode(TPlayMode mode);

 private:
  bool AddList(const std::string& name, bool pls);
  int32_t ShufflePick();

  std::vector<TAudierePlayListItem> m_items;
  int32_t m_index = -1;
  TPlayMode m_mode = TPlayMode::Normal;
  std::mt19937 m_random;
  // The lists being read now, outermost first.
  std::vector<std::string> m_reading;
};
