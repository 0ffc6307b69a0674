#include "actions/audio_cd.h"

#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

#include "actions/eject.h"

namespace {

// Closes the descriptor when it goes.
class TDevice {
 public:
  explicit TDevice(const std::string& path) : m_fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {}
  ~TDevice() {
    if (m_fd >= 0) close(m_fd);
  }
  TDevice(const TDevice&) = delete;
  TDevice& operator=(const TDevice&) = delete;
  int Fd() const { return m_fd; }

 private:
  int m_fd;
};

}  // namespace

bool IsAudioCdAddress(std::string_view address) {
  constexpr std::string_view kAudioCd = "[AUDIO CD]";
  return std::equal(address.begin(), address.end(), kAudioCd.begin(), kAudioCd.end(),
                    [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
}

std::vector<std::string> AudioCdTracks(const std::string& folder) {
  std::ifstream mountsFile("/proc/self/mounts");
  std::stringstream mounts;
  mounts << mountsFile.rdbuf();
  const std::optional<std::string> drive = OpticalDriveOf(folder, mounts.str());
  if (!drive) return {};
  const TDevice device(*drive);
  cdrom_tochdr header{};
  if (device.Fd() < 0 || ioctl(device.Fd(), CDROMREADTOCHDR, &header) != 0) return {};
  std::vector<std::string> tracks;
  for (int track = header.cdth_trk0; track <= header.cdth_trk1; ++track) {
    cdrom_tocentry entry{};
    entry.cdte_track = static_cast<uint8_t>(track);
    entry.cdte_format = CDROM_MSF;
    if (ioctl(device.Fd(), CDROMREADTOCENTRY, &entry) != 0) continue;
    if (entry.cdte_ctrl & CDROM_DATA_TRACK) continue;
    tracks.push_back("cdda://" + std::to_string(track));
  }
  return tracks;
}
