#include "audio/play_list.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "actions/regular_file.h"
#include "audio/play_list_reader.h"

namespace {

constexpr uint64_t kMaxListBytes = uint64_t{16} << 20;
constexpr size_t kMaxNesting = 16;

std::string LowerExtension(const std::string& name) {
  std::string extension = std::filesystem::path(name).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

// The folder of a list file as a Linux path.
std::string FolderOf(const std::string& path) { return std::filesystem::path(path).parent_path().string(); }

// The same file however it is named, for recognising a list that is being read already.
std::string Identity(const std::string& path) {
  std::error_code error;
  const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
  return error ? path : canonical.string();
}

}  // namespace

TAudierePlayList::TAudierePlayList(uint32_t seed) : m_random(seed) {}

void TAudierePlayList::Add(const std::string& name) {
  const std::string extension = LowerExtension(name);
  if (extension == ".m3u" || extension == ".m3u8")
    AddList(name, false);
  else if (extension == ".pls")
    AddList(name, true);
  else
    m_items.push_back({name, false});
}

// Adds the entries of the list file name; false when the file could not be read (or is a list
// already being read, or nested too deep).
bool TAudierePlayList::AddList(const std::string& name, bool pls) {
  const std::string identity = Identity(name);
  if (m_reading.size() >= kMaxNesting || std::find(m_reading.begin(), m_reading.end(), identity) != m_reading.end())
    return false;
  const std::optional<std::vector<uint8_t>> bytes = ReadRegularFile(name, kMaxListBytes);
  if (!bytes) return false;
  const std::vector<std::string> entries =
      pls ? ReadPlsEntries(*bytes, FolderOf(name)) : ReadM3uEntries(*bytes, FolderOf(name));
  m_reading.push_back(identity);
  for (const std::string& entry : entries) Add(entry);
  m_reading.pop_back();
  return true;
}

bool TAudierePlayList::Load(const std::string& name) {
  Clear();
  if (name.empty()) return false;
  const std::string extension = LowerExtension(name);
  if (extension == ".m3u" || extension == ".m3u8") return AddList(name, false);
  if (extension == ".pls") return AddList(name, true) && !m_items.empty();
  m_items.push_back({name, false});
  return true;
}

void TAudierePlayList::Clear() {
  m_items.clear();
  m_index = -1;
}

int32_t TAudierePlayList::ShufflePick() {
  std::vector<int32_t> unplayed;
  for (size_t i = 0; i < m_items.size(); ++i)
    if (!m_items[i].played) unplayed.push_back(static_cast<int32_t>(i));
  if (unplayed.empty()) {
    // A new cycle: every item once more.
    for (TAudierePlayListItem& item : m_items) item.played = false;
    return static_cast<int32_t>(m_random() % m_items.size());
  }
  return unplayed[m_random() % unplayed.size()];
}

int32_t TAudierePlayList::Current() {
  if (m_items.empty()) return m_index = -1;
  if (m_index < 0 || static_cast<size_t>(m_index) >= m_items.size())
    m_index = m_mode == TPlayMode::Shuffle ? ShufflePick() : 0;
  return m_index;
}

int32_t TAudierePlayList::First() { return m_index = m_items.empty() ? -1 : 0; }

int32_t TAudierePlayList::Next() {
  if (m_items.empty()) return m_index = -1;
  if (m_mode == TPlayMode::Shuffle) return m_index = ShufflePick();
  const auto last = static_cast<int32_t>(m_items.size()) - 1;
  ++m_index;
  if (m_index > last) m_index = m_mode == TPlayMode::RepeatAll ? 0 : last;
  return m_index;
}

int32_t TAudierePlayList::Previous() {
  if (m_items.empty()) return m_index = -1;
  if (m_mode == TPlayMode::Shuffle) return m_index = ShufflePick();
  const auto last = static_cast<int32_t>(m_items.size()) - 1;
  --m_index;
  if (m_index < 0) m_index = m_mode == TPlayMode::RepeatAll ? last : 0;
  // An index past the end (the list shrank) comes back inside it.
  m_index = std::min(m_index, last);
  return m_index;
}

std::string TAudierePlayList::ItemName(int32_t index) {
  if (index < 0 || static_cast<size_t>(index) >= m_items.size()) return {};
  m_items[static_cast<size_t>(index)].played = true;
  return m_items[static_cast<size_t>(index)].fileName;
}

void TAudierePlayList::SetPlayMode(TPlayMode mode) {
  if (mode == m_mode) return;
  m_mode = mode;
  for (TAudierePlayListItem& item : m_items) item.played = false;
}
