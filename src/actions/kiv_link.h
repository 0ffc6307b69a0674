#pragma once
// kiv:// links: the private address form through which a web page or an HTML label shown in a
// menu drives the menu ("kiv://run/setup/setup.exe", "kiv://page/Main%20Page/", "kiv://exit").

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class TKIVForm;

// A kiv:// address split into its command word and the text after it.
struct TKivLink {
  std::string verb;
  std::string argument;

  bool operator==(const TKivLink&) const = default;
};

// Undoes what the web engine does to an address before it hands it over: "%5C" (either case)
// becomes "\", "%25" becomes "%", and an escape of a byte at or above 0x80 becomes that byte, so
// UTF-8 sequences come back. Every other escape ("%20" in particular) and every malformed one
// stays as written. One pass: a character an escape produced is never read again.
std::string UndoBrowserEscapes(std::string_view address);

// Splits an address the browser is about to open:
//  1. one trailing "/" is removed;
//  2. nothing when the first six characters, lower-cased, are not "kiv://": the navigation goes
//     ahead;
//  3. otherwise a link, and the navigation is cancelled whatever the link holds. With a "/" in
//     the rest, the verb is the text before the first "/", trimmed and lower-cased, the argument
//     the text after it, trimmed; without one the verb is the rest lower-cased (not trimmed) and
//     the argument is empty.
// Trimming removes spaces and control characters at both ends. No escape is decoded here.
std::optional<TKivLink> ParseKivLink(std::string_view address);

// Carries out a link on the menu window through the action dispatcher (RunAction), so macros in
// the argument expand as for a stored action:
//  - "run", "open", "explore": every "/" becomes "\", then every "%20" a space; a program start,
//    a document open or a folder window on it;
//  - "page": the argument upper-cased (a-z only); "PREV" and "NEXT" turn the page that way;
//    otherwise, "%20" made spaces, the first of the window's page names 0..PageCount() that
//    equals it upper-cased gives the jump; a page number is no name, and no match does nothing;
//  - "copy", "print": the window's picture to the clipboard or the printer, the client area only
//    when the lower-cased argument is "noframe";
//  - "minimize", "exit": the window minimises or closes; the argument is ignored.
// Any other verb, the empty one too, does nothing. Whether the link's control may act on this
// window (it must be the window's own child) is the caller's decision.
//
// Where the link comes from: the menu's own text (an HTML label, a page from the medium) is
// trusted; a page from the network is not, and its links run nothing at all.
enum class TLinkSource : uint8_t { Trusted, Untrusted };
void RunKivLink(TKIVForm& window, const TKivLink& link, TLinkSource source);
