#include "actions/kiv_link.h"

#include <algorithm>
#include <optional>

#include "actions/dispatcher.h"
#include "model/names.h"
#include "window/menu_form.h"

namespace {

constexpr std::string_view kPrefix = "kiv://";

std::optional<int> HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return std::nullopt;
}

// The byte a "%XY" at the start of text stands for, when text starts with a well-formed escape.
std::optional<unsigned char> EscapedByte(std::string_view text) {
  if (text.size() < 3 || text[0] != '%') return std::nullopt;
  const std::optional<int> high = HexDigit(text[1]), low = HexDigit(text[2]);
  if (!high || !low) return std::nullopt;
  return static_cast<unsigned char>(*high * 16 + *low);
}

// Removes spaces and control characters at both ends, as links written for the menu expect.
std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// Every "%20" made a space; no other escape is decoded in a link.
std::string SpacesDecoded(std::string_view text) {
  constexpr std::string_view kSpace = "%20";
  std::string result;
  for (size_t at = 0; at < text.size();) {
    if (text.substr(at, kSpace.size()) == kSpace) {
      result += ' ';
      at += kSpace.size();
    } else {
      result += text[at++];
    }
  }
  return result;
}

// A stored Windows path written with "/" for its separators, as a link carries it.
std::string LinkPath(const std::string& argument) {
  std::string path = argument;
  std::replace(path.begin(), path.end(), '/', '\\');
  return SpacesDecoded(path);
}

// "PREV" and "NEXT" turn the page; anything else names a page, compared upper-cased.
void JumpToNamedPage(TKIVForm& window, const std::string& argument) {
  const std::string name = UpperAscii(argument);
  if (name == "PREV" || name == "NEXT") {
    RunAction(window, TKIVActionType::aatJumpToPage, name, "");
    return;
  }
  const std::string wanted = SpacesDecoded(name);
  const std::vector<std::string>& pages = window.Pages()->Lines();
  // PageCount is the highest page index; a document may list fewer page names than that.
  const int32_t last = std::min<int64_t>(window.PageCount(), static_cast<int64_t>(pages.size()) - 1);
  for (int32_t i = 0; i <= last; ++i) {
    if (UpperAscii(pages[static_cast<size_t>(i)]) == wanted) {
      RunAction(window, TKIVActionType::aatJumpToPage, std::to_string(i), "");
      return;
    }
  }
}

// How a verb's argument reaches the dispatcher.
enum class TLinkArgument { Path, Page, Frame, Ignored };

struct TLinkVerb {
  std::string_view word;
  TKIVActionType kind;
  TLinkArgument argument;
};

constexpr TLinkVerb kVerbs[] = {
    {"run", TKIVActionType::aatRunProgram, TLinkArgument::Path},
    {"open", TKIVActionType::aatOpenDocument, TLinkArgument::Path},
    {"explore", TKIVActionType::aatExplore, TLinkArgument::Path},
    {"page", TKIVActionType::aatJumpToPage, TLinkArgument::Page},
    {"copy", TKIVActionType::aatCopy, TLinkArgument::Frame},
    {"print", TKIVActionType::aatPrint, TLinkArgument::Frame},
    {"minimize", TKIVActionType::aatMinimize, TLinkArgument::Ignored},
    {"exit", TKIVActionType::aatExit, TLinkArgument::Ignored},
};

}  // namespace

std::string UndoBrowserEscapes(std::string_view address) {
  std::string result;
  result.reserve(address.size());
  for (size_t at = 0; at < address.size();) {
    const std::optional<unsigned char> byte = EscapedByte(address.substr(at));
    if (byte && (*byte == '\\' || *byte == '%' || *byte >= 0x80)) {
      result += static_cast<char>(*byte);
      at += 3;
    } else {
      result += address[at++];
    }
  }
  return result;
}

std::optional<TKivLink> ParseKivLink(std::string_view address) {
  if (!address.empty() && address.back() == '/') address.remove_suffix(1);
  if (LowerAscii(address.substr(0, kPrefix.size())) != kPrefix) return std::nullopt;
  const std::string_view rest = address.substr(kPrefix.size());
  const size_t slash = rest.find('/');
  if (slash == std::string_view::npos) return TKivLink{LowerAscii(rest), ""};
  return TKivLink{LowerAscii(Trimmed(rest.substr(0, slash))), std::string(Trimmed(rest.substr(slash + 1)))};
}

void RunKivLink(TKIVForm& window, const TKivLink& link, TLinkSource source) {
  if (source == TLinkSource::Untrusted) return;
  const auto verb = std::find_if(std::begin(kVerbs), std::end(kVerbs),
                                 [&](const TLinkVerb& v) { return v.word == link.verb; });
  if (verb == std::end(kVerbs)) return;
  switch (verb->argument) {
    case TLinkArgument::Path: RunAction(window, verb->kind, LinkPath(link.argument), ""); break;
    case TLinkArgument::Page: JumpToNamedPage(window, link.argument); break;
    case TLinkArgument::Frame:
      RunAction(window, verb->kind, LowerAscii(link.argument) == "noframe" ? "CONLY" : "", "");
      break;
    case TLinkArgument::Ignored: RunAction(window, verb->kind, "", ""); break;
  }
}
