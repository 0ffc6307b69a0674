#include "actions/dispatcher.h"

#include <charconv>
#include <exception>

#include "actions/macros.h"
#include "graphics/text_escape.h"
#include "window/menu_form.h"

namespace {

// Reads a whole decimal integer (an optional sign, then digits); anything else is nothing.
std::optional<int64_t> ParseInteger(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

// The folder part of a stored path: everything before its last separator.
std::string FolderPart(const std::string& path) {
  const size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

std::string Replaced(std::string text, std::string_view what, std::string_view with) {
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
  return text;
}

std::optional<TMessageKey> DetailOf(int resultCode) {
  switch (resultCode) {
    case 2: case 3: return TMessageKey::ActionFileNotFound;
    case 27: case 31: return TMessageKey::ActionNoAssociation;
    case 5: return TMessageKey::ActionAccessDenied;
    case 11: return TMessageKey::ActionInvalidExecutable;
    case 28: case 29: case 30: return TMessageKey::ActionDDEFailed;
    case 32: return TMessageKey::ActionDllNotFound;
    case 26: return TMessageKey::ActionSharingVioldation;
    case 0: case 8: return TMessageKey::ActionOutOfMemory;
    default: return std::nullopt;
  }
}

void ShowMessage(TKIVForm& window, const std::string& escaped, const std::string& secondParam) {
  const std::string text = UnescapeText(escaped);
  TDialogs* dialogs = window.Context().services.dialogs;
  if (!dialogs) return;
  if (window.SysMsgBox())
    dialogs->ShowMessageBox(window.Caption(), text,
                            secondParam == "warning" ? TMessageBoxIcon::Warning : TMessageBoxIcon::Information);
  else
    dialogs->ShowMessageWindow(window, text);
}

void JumpToPage(TKIVForm& window, const std::string& parameter) {
  std::optional<int64_t> page;
  if (parameter == "PREV") {
    page = window.ActivePage() - 1;
    if (window.AlwaysShowPageZero() && *page == 0) page = 1;
  } else if (parameter == "NEXT") {
    page = window.ActivePage() + 1;
  } else {
    page = ParseInteger(parameter);
  }
  if (page && *page >= 0 && *page <= window.PageCount()) window.SetActivePage(static_cast<int32_t>(*page));
}

void Explore(TKIVForm& window, const std::string& parameter, const std::string& secondParam) {
  TShellRequest request;
  request.file = ExpandMacros(parameter.empty() ? std::string("%CDROM%\\") : parameter, window.Context().macroValues);
  switch (ParseInteger(secondParam).value_or(0)) {
    case 1: request.verb = "explore", request.show = TShowMode::Maximized; break;
    case 2: request.verb = "open", request.show = TShowMode::Restored; break;
    case 3: request.verb = "open", request.show = TShowMode::Maximized; break;
    default: request.verb = "explore", request.show = TShowMode::Restored; break;
  }
  ShellOpen(window, request);
}

}  // namespace

std::string ShellFailureMessage(const TMessageTexts& texts, const std::string& file, int resultCode) {
  std::string message = texts.Text(TMessageKey::ActionCannotOpen);
  const size_t at = message.find("%s");
  if (at != std::string::npos) message.replace(at, 2, file);
  if (const std::optional<TMessageKey> detail = DetailOf(resultCode)) message += " " + texts.Text(*detail);
  return message;
}

void ShellOpen(TKIVForm& window, const TShellRequest& request) {
  TShell* shell = window.Context().services.shell;
  if (!shell) return;
  // A shell never outlives the window it serves, so the window is still there when a later
  // answer comes.
  shell->ShellExecute(request, [&window, file = request.file](int result) {
    if (result > kShellSuccessAbove) return;
    const std::string message = ShellFailureMessage(window.Context().messageTexts, file, result);
    RunAction(window, TKIVActionType::aatPopupMessage, EscapeText(message), "warning");
  });
}

void RunAction(TKIVForm& window, TKIVActionType kind, const std::string& parameter, const std::string& secondParam) {
  using K = TKIVActionType;
  if (parameter.empty() &&
      (kind == K::aatRunProgram || kind == K::aatOpenDocument || kind == K::aatPopupMessage || kind == K::aatJumpToPage))
    return;
  const TMenuContext& context = window.Context();
  const TMacroValues& macros = context.macroValues;
  switch (kind) {
    case K::aatRunProgram: {
      TShellRequest request{"open", ExpandMacros(parameter, macros), ExpandMacros(secondParam, macros), {},
                            TShowMode::Normal};
      request.directory = FolderPart(request.file);
      ShellOpen(window, request);
      break;
    }
    case K::aatOpenDocument:
      ShellOpen(window, {"", ExpandMacros(parameter, macros), "", "", TShowMode::Normal});
      break;
    case K::aatExplore: Explore(window, parameter, secondParam); break;
    case K::aatGotoWeb: {
      std::string address = parameter.empty() ? std::string("about:blank") : parameter;
      if (address.find(':') == std::string::npos) address = "http://" + address;
      ShellOpen(window, {"open", address, "", "", TShowMode::Normal});
      break;
    }
    case K::aatMail:
      ShellOpen(window,
                {"open", "mailto:" + parameter + "?subject=" + Replaced(secondParam, " ", "%20"), "", "", TShowMode::Normal});
      break;
    case K::aatPopupMessage: ShowMessage(window, parameter, secondParam); break;
    case K::aatJumpToPage: JumpToPage(window, parameter); break;
    case K::aatMinimize: window.Minimize(); break;
    case K::aatCopy:
      if (context.services.pictures) context.services.pictures->CopyWindowToClipboard(parameter == "CONLY");
      break;
    case K::aatPrint:
      if (context.services.pictures) context.services.pictures->PrintWindowPicture(parameter == "CONLY");
      break;
    case K::aatExit:
      if (window.Host()) window.Host()->Close();
      break;
    case K::aatEject:
      if (window.Host()) window.Host()->Close();
      if (context.services.shell) context.services.shell->EjectMediumOf(macros.cdrom);
      break;
    case K::aatNone: case K::aatShowPicture: case K::aatSlideShow: case K::aatControlIA: break;
  }
}

void LocateTarget(TKIVForm& window, TKIVActionType kind, const std::string& parameter, const std::string& secondParam) {
  (void)secondParam;
  const TMacroValues& macros = window.Context().macroValues;
  std::string folder;
  switch (kind) {
    case TKIVActionType::aatRunProgram:
    case TKIVActionType::aatOpenDocument: folder = FolderPart(ExpandMacros(parameter, macros)); break;
    case TKIVActionType::aatExplore:
      folder = ExpandMacros(parameter.empty() ? std::string("%CDROM%\\") : parameter, macros);
      break;
    default: return;
  }
  RunAction(window, TKIVActionType::aatExplore, folder, "0");
}

void ReportActionError(TKIVForm& window, const std::exception& error) {
  if (TDialogs* dialogs = window.Context().services.dialogs)
    dialogs->ShowMessageBox(window.Caption(), error.what(), TMessageBoxIcon::Warning);
}
