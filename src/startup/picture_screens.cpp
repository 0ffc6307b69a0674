#include "startup/picture_screens.h"

#include <exception>
#include <optional>

#include "actions/dispatcher.h"
#include "actions/launch.h"
#include "actions/macros.h"
#include "actions/slide_show_folder.h"
#include "controls/action_control.h"
#include "startup/control_commands.h"
#include "graphics/colors.h"
#include "graphics/picture_decoder.h"
#include "graphics/picture_transparency.h"
#include "graphics/text_escape.h"
#include "model/text_encoding.h"
#include "platform/slide_show_window.h"
#include "startup/file_reader.h"
#include "window/menu_form.h"
#include "platform/picture_viewer.h"
#include "platform/splash_screen.h"
#include "window/splash_picture.h"

namespace {

// The one place where the errors of these windows are swallowed: a splash or a picture is
// decoration, and the menu must go on without it.
template <typename TShow>
void Cosmetic(TShow&& show) {
  try {
    show();
  } catch (const std::exception&) {
  }
}

constexpr uint64_t kMaxSlidePictureBytes = uint64_t{256} << 20;

std::string TextOrDefault(const TMessageTexts& texts, TMessageKey key) {
  const std::string& text = texts.Text(key);
  return text.empty() ? std::string(DefaultMessageText(key)) : text;
}

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

void WarnNoPictures(TKIVForm& form, const std::string& folder) {
  std::string message = TextOrDefault(form.Context().messageTexts, TMessageKey::SlideShowNoImage);
  if (const size_t at = message.find("%s"); at != std::string::npos) message.replace(at, 2, folder);
  RunAction(form, TKIVActionType::aatPopupMessage, EscapeText(message), "warning");
}

}  // namespace

void ShowSplashScreen(const TSplashRequest& request, const TPictureWindowServices& services) {
  Cosmetic([&] {
    std::optional<TSplashPicture> picture = TSplashPicture::Prepare(*request.picture, request.shaped);
    if (!picture) return;
    ShowSplashPicture(*picture, {request.fade, request.skipWithEsc, request.delaySeconds}, services);
  });
}

void ShowPictureOf(TControl& clicked, TQtMenuWindow& menu, const TPictureWindowServices& services) {
  auto* control = dynamic_cast<TKIVActionControl*>(&clicked);
  if (!control) return;
  Cosmetic([&] {
    const TSPWindowStyle style = control->m_spWindow;
    std::optional<TSplashPicture> picture =
        TSplashPicture::Prepare(*control->SP_Picture(), style == TSPWindowStyle::swsShaped);
    if (!picture) return;
    const TPictureViewerSettings settings{style, control->m_spFade, control->m_spFadeTime, control->m_spCaption};
    ShowPictureViewer(&menu, *picture, settings, services, menu.Cursors().Frames(kCursorHot).front().cursor);
  });
}

std::optional<TBitmap32> LoadSlideShowPicture(const std::string& path) {
  const std::optional<TFileReader> file = TFileReader::Open(path);
  if (!file || file->SizeBytes() > kMaxSlidePictureBytes) return std::nullopt;
  const std::optional<TByteBlock> bytes = file->ReadFrom(0);
  if (!bytes) return std::nullopt;
  const std::optional<TDecodedPicture> picture = DecodePictureFile(std::span(bytes->data(), bytes->size()));
  if (!picture) return std::nullopt;
  return OpaqueCopy(*picture);
}

void RunSlideShowOf(TControl& clicked, TQtMenuWindow& menu, const TPictureWindowServices& services) {
  auto* control = dynamic_cast<TKIVActionControl*>(&clicked);
  TKIVForm* form = control ? MenuWindowOf(*control) : nullptr;
  if (!form) return;
  const std::string path = ExpandMacros(control->m_ssPath, form->Context().macroValues);
  if (IsBlank(path)) return;
  const std::string folder = ToLinuxPath(path);
  std::vector<std::string> pictures = ScanSlideShowFolder(folder, control->m_ssRecursive);
  if (pictures.empty()) {
    WarnNoPictures(*form, path);
    return;
  }
  TSounds* sounds = form->Context().services.sounds;
  if (control->m_ssPlayBGMusic && sounds) sounds->ControlBGMusic(TKIVBGMusicControl::amcPlayBGMusic);
  Cosmetic([&] {
    TSlideShowSettings settings;
    settings.folder = folder;
    settings.random = control->m_ssRand;
    settings.pauseSeconds = control->m_ssPause;
    // The model holds the effects as UTF-8; each style is one byte of the Windows code page.
    settings.effects = Utf8ToCp1252(control->m_ssEffects);
    settings.manual = control->m_ssManualMode;
    settings.loop = control->m_ssLoop;
    settings.fit = {control->m_ssExactFit, control->m_ssEnlarge, ColorToPixel(control->m_ssBGColor)};
    settings.helpAutomatic = TextOrDefault(form->Context().messageTexts, TMessageKey::SlideShowMessage);
    settings.helpManual = TextOrDefault(form->Context().messageTexts, TMessageKey::SlideShowMessageManual);
    const TSlideShowFrame frame{control->m_ssFullScreen, control->m_ssWinWidth, control->m_ssWinHeight,
                                control->m_ssBGColor, control->m_ssShowInfo};
    RunSlideShowWindow(&menu, std::move(pictures), std::move(settings), frame, services, LoadSlideShowPicture);
  });
  if (control->m_ssStopBGMusic && sounds) sounds->ControlBGMusic(TKIVBGMusicControl::amcStopBGMusic);
}

void TDelegatedMenuActions::RunControlCommand(TControl& clicked) {
  if (auto* control = dynamic_cast<TKIVActionControl*>(&clicked)) ::RunControlCommand(*control->CtrlIA(), clicked);
}
