#include "startup/control_commands.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <string_view>

#include "actions/control_path.h"
#include "actions/regular_file.h"
#include "audio/music_player.h"
#include "controls/image.h"
#include "graphics/picture_decoder.h"
#include "text/rich_edit.h"
#include "text/text_box.h"
#include "viewers/flash_player.h"
#include "viewers/media_player.h"
#include "viewers/pdf_viewer.h"
#include "viewers/web_browser.h"

namespace {

// Larger picture files are not loaded into an image.
constexpr uint64_t kMaxPictureBytes = uint64_t{64} << 20;

// The command words of one kind of target and what each does to it.
template <class TTarget>
using TWordTable = std::initializer_list<std::pair<std::string_view, std::function<void(TTarget&, const std::string&)>>>;

template <class TTarget>
void RunWord(TControl& target, std::string_view word, const std::string& parameter, TWordTable<TTarget> table) {
  for (const auto& [name, run] : table)
    if (name == word) run(static_cast<TTarget&>(target), parameter);
}

// The image's "open": the file's picture, or none when there is no such file. A PCX file is not
// taken: a stored picture keeps PCX only as a bitmap file.
void OpenImage(TKIVImage& image, const std::string& parameter) {
  const std::string path = ControlFilePath(image, parameter);
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    image.Pic()->Clear();
    return;
  }
  std::optional<std::vector<uint8_t>> bytes = ReadRegularFile(path, kMaxPictureBytes);
  if (!bytes) return;
  const std::optional<TDecodedPicture> picture = DecodePictureFile(*bytes);
  if (!picture || picture->format == TPictureFormat::Pcx) return;
  image.Pic()->SetGraphic(picture->format, std::move(*bytes));
}

template <class TTarget>
bool IsTarget(const TControl& control, const std::string& name) {
  const auto* target = dynamic_cast<const TTarget*>(&control);
  return target && target->IAName() == name;
}

}  // namespace

TControl* FindCommandTarget(const TKIVControlIA& command, TControl& clicked) {
  using T = TKIVControlIAType;
  if (command.m_controlType == T::iatNone || command.m_controlName.empty() || !clicked.Parent()) return nullptr;
  const std::string& name = command.m_controlName;
  for (TControl* child : clicked.Parent()->Controls()) {
    bool match = false;
    switch (command.m_controlType) {
      case T::iatNone: break;
      case T::iatImage: match = IsTarget<TKIVImage>(*child, name); break;
      case T::iatTextBox: match = IsTarget<TKIVTextBox>(*child, name); break;
      case T::iatRichText: match = IsTarget<TKIVRichEdit>(*child, name); break;
      case T::iatMusicPlayer: match = IsTarget<TKIVAudierePlayer>(*child, name); break;
      case T::iatFlash: match = IsTarget<TKIVFlash>(*child, name); break;
      case T::iatWebBrowser: match = IsTarget<TKIVWebBrowser>(*child, name); break;
      case T::iatMediaPlayer: match = IsTarget<TKIVMediaPlayer>(*child, name); break;
      case T::iatPDFViewer: match = IsTarget<TKIVPDFViewer>(*child, name); break;
    }
    if (match) return child;
  }
  return nullptr;
}

void RunControlCommand(TKIVControlIA& command, TControl& clicked) {
  TControl* target = FindCommandTarget(command, clicked);
  if (!target) return;
  std::transform(command.m_action.begin(), command.m_action.end(), command.m_action.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  const std::string_view word = command.m_action;
  const std::string& parameter = command.m_parameter;
  using T = TKIVControlIAType;
  switch (command.m_controlType) {
    case T::iatNone: break;
    case T::iatImage: RunWord<TKIVImage>(*target, word, parameter, {{"open", OpenImage}}); break;
    case T::iatTextBox:
      RunWord<TKIVTextBox>(*target, word, parameter, {{"open", [](TKIVTextBox& box, const std::string& file) {
                                                         box.OpenFile(file);
                                                       }}});
      break;
    case T::iatRichText:
      RunWord<TKIVRichEdit>(*target, word, parameter, {{"open", [](TKIVRichEdit& edit, const std::string& file) {
                                                          edit.OpenFile(file);
                                                        }}});
      break;
    case T::iatMusicPlayer:
      RunWord<TKIVAudierePlayer>(
          *target, word, parameter,
          {{"open", [](TKIVAudierePlayer& p, const std::string& file) { p.Engine().OpenAndPlay(ControlFilePath(p, file)); }},
           {"play", [](TKIVAudierePlayer& p, const std::string&) { p.Engine().Play(false); }},
           {"pause", [](TKIVAudierePlayer& p, const std::string&) { p.Engine().Pause(); }},
           {"stop", [](TKIVAudierePlayer& p, const std::string&) { p.Engine().Close(true); }},
           {"previous", [](TKIVAudierePlayer& p, const std::string&) { p.Engine().PlayPrevious(); }},
           {"next", [](TKIVAudierePlayer& p, const std::string&) { p.Engine().PlayNext(); }},
           {"mute", [](TKIVAudierePlayer& p, const std::string&) { p.Engine().SetMuted(true); }},
           {"unmute", [](TKIVAudierePlayer& p, const std::string&) { p.Engine().SetMuted(false); }},
           {"togglemute", [](TKIVAudierePlayer& p, const std::string&) { p.Engine().SetMuted(!p.Engine().Muted()); }}});
      break;
    case T::iatFlash:
      // No Flash player exists here: every word of the Flash control (open, play, oplay, pause,
      // rewind, replay) acts on its player, so none changes anything.
      break;
    case T::iatWebBrowser:
      RunWord<TKIVWebBrowser>(*target, word, parameter,
                              {{"open", [](TKIVWebBrowser& b, const std::string& address) { b.Navigate(address); }},
                               {"back", [](TKIVWebBrowser& b, const std::string&) { b.GoBack(); }},
                               {"forward", [](TKIVWebBrowser& b, const std::string&) { b.GoForward(); }},
                               {"home", [](TKIVWebBrowser& b, const std::string&) { b.GoHome(); }},
                               {"stop", [](TKIVWebBrowser& b, const std::string&) { b.Stop(); }},
                               {"refresh", [](TKIVWebBrowser& b, const std::string&) { b.Refresh(); }}});
      break;
    case T::iatMediaPlayer:
      RunWord<TKIVMediaPlayer>(*target, word, parameter,
                               {{"open", [](TKIVMediaPlayer& m, const std::string& url) { m.LoadURL(url); }},
                                {"play", [](TKIVMediaPlayer& m, const std::string&) { m.PlayMedia(); }},
                                {"pause", [](TKIVMediaPlayer& m, const std::string&) { m.TogglePause(); }},
                                {"stop", [](TKIVMediaPlayer& m, const std::string&) { m.StopMedia(); }},
                                {"fullscreen", [](TKIVMediaPlayer& m, const std::string&) { m.FullScreen(); }}});
      break;
    case T::iatPDFViewer:
      RunWord<TKIVPDFViewer>(*target, word, parameter,
                             {{"open", [](TKIVPDFViewer& v, const std::string& file) { v.LoadPdf(file); }},
                              {"print", [](TKIVPDFViewer& v, const std::string&) { v.Print(); }}});
      break;
  }
}
