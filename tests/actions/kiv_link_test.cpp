// kiv:// links: the web engine's escapes undone, the address split into verb and argument, and
// each verb reaching the dispatcher as a stored action would.

#include "actions/kiv_link.h"

#include <gtest/gtest.h>

#include "recording_services.h"

namespace {

using Log = std::vector<std::string>;

TEST(KivLink, UndoBrowserEscapesRestoresBackslashesPercentSignsAndUtf8Only) {
  struct TCase {
    const char* address;
    const char* expected;
  };
  const TCase cases[] = {
      {"kiv://open/%25CDROM%25%5Cdocs%5Ca.pdf", "kiv://open/%CDROM%\\docs\\a.pdf"},
      {"kiv://page/Caf%C3%A9/", "kiv://page/Caf\xC3\xA9/"},
      {"a%5cb%c3%a9", "a\\b\xC3\xA9"},
      {"kiv://page/Main%20Page", "kiv://page/Main%20Page"},
      {"%41%2F%7E%7f", "%41%2F%7E%7f"},
      {"%255C", "%5C"},
      {"x%2", "x%2"},
      {"x%", "x%"},
      {"%zz%5G%%25", "%zz%5G%%"},
      {"", ""},
  };
  for (const TCase& c : cases) EXPECT_EQ(UndoBrowserEscapes(c.address), c.expected) << c.address;
}

TEST(KivLink, ParseSplitsVerbAndArgument) {
  struct TCase {
    const char* address;
    std::optional<TKivLink> expected;
  };
  const TCase cases[] = {
      {"kiv://run/setup/setup.exe", TKivLink{"run", "setup/setup.exe"}},
      {"kiv://page/Main%20Page/", TKivLink{"page", "Main%20Page"}},
      {"KIV://EXIT", TKivLink{"exit", ""}},
      {"kiv://page/next", TKivLink{"page", "next"}},
      {"kiv://run/a%20b/c.exe/", TKivLink{"run", "a%20b/c.exe"}},
      {"kiv://copy/NoFrame", TKivLink{"copy", "NoFrame"}},
      {"kiv://copy", TKivLink{"copy", ""}},
      {"kiv:///x", TKivLink{"", "x"}},
      {"kiv:// Page /x", TKivLink{"page", "x"}},
      {"Kiv://Open/\t a b.pdf /\r\n", TKivLink{"open", "a b.pdf /"}},
      {"kiv://open/a.pdf//", TKivLink{"open", "a.pdf/"}},
      {"kiv:// Exit", TKivLink{" exit", ""}},  // without a "/" the verb is not trimmed
      {"kiv:///", TKivLink{"", ""}},
      {"kiv://", std::nullopt},  // the trailing "/" goes first, and "kiv:/" is no link
      {"http://x", std::nullopt},
      {"about:blank", std::nullopt},
      {"kiv:", std::nullopt},
      {"", std::nullopt},
  };
  for (const TCase& c : cases) EXPECT_EQ(ParseKivLink(c.address), c.expected) << c.address;
}

class KivLinkRun : public testing::Test {
 protected:
  KivLinkRun() {
    menu.window.Context().macroValues = {"/media/cd", "", "", "/home/u/Desktop"};
    menu.window.Pages()->SetLines({"Intro", "Main Page", "Caf\xC3\xA9", "main page"});
    menu.window.SetPageCount(5);
  }
  // Follows a link as the browser hands it over.
  Log Follow(const std::string& address) {
    menu.services.log.clear();
    const std::optional<TKivLink> link = ParseKivLink(UndoBrowserEscapes(address));
    EXPECT_TRUE(link) << address;
    if (link) RunKivLink(menu.window, *link, TLinkSource::Trusted);
    return menu.services.log;
  }

  TRecordingMenu menu;
};

TEST_F(KivLinkRun, EachVerbAsksTheDispatcherForItsAction) {
  struct TCase {
    const char* address;
    Log expected;
  };
  // show modes: 0 normal, 2 restored
  const TCase cases[] = {
      {"kiv://run/setup/setup.exe", {"shell open|setup\\setup.exe||setup|0"}},
      {"kiv://run/a%20b/c.exe/", {"shell open|a b\\c.exe||a b|0"}},
      {"kiv:// RUN /%25cdrom%25/bin/x%20y.exe", {"shell open|/media/cd\\bin\\x y.exe||/media/cd\\bin|0"}},
      {"kiv://open/%25CDROM%25%5Cdocs%5Ca.pdf", {"shell |/media/cd\\docs\\a.pdf|||0"}},
      {"kiv://open/%25Desktop%25/Caf%C3%A9.txt", {"shell |/home/u/Desktop\\Caf\xC3\xA9.txt|||0"}},
      {"kiv://explore/%25CDROM%25/docs/", {"shell explore|/media/cd\\docs|||2"}},
      {"kiv://explore", {"shell explore|/media/cd\\|||2"}},
      {"kiv://run", {}},
      {"kiv://copy/NoFrame", {"copy client"}},
      {"kiv://copy", {"copy window"}},
      {"kiv://copy/CONLY", {"copy window"}},
      {"kiv://print/noframe/", {"print client"}},
      {"kiv://print/x", {"print window"}},
      {"kiv://minimize/anything", {"minimize"}},
      {"KIV://EXIT", {"close"}},
      {"kiv://eject", {}},
      {"kiv://gotoweb/example.org", {}},
      {"kiv:///setup.exe", {}},
      {"kiv:// exit", {}},
  };
  for (const TCase& c : cases) EXPECT_EQ(Follow(c.address), c.expected) << c.address;
}

TEST_F(KivLinkRun, PageLinksTurnThePageOrJumpToTheFirstPageOfThatName) {
  struct TCase {
    int32_t pageCount;
    int32_t from;
    const char* address;
    int32_t to;
  };
  const TCase cases[] = {
      {5, 0, "kiv://page/Main%20Page/", 1},
      {5, 0, "kiv://page/MAIN%20page", 1},
      {5, 0, "kiv://page/Main Page", 1},
      {5, 0, "kiv://page/Caf%C3%A9", 2},
      {5, 0, "kiv://page/CAF%C3%A9", 2},
      {5, 1, "kiv://page/next", 2},
      {5, 1, "kiv://page/Prev/", 0},
      {5, 0, "kiv://page/2", 0},  // a number is no page name
      {5, 0, "kiv://page/Nowhere", 0},
      {5, 3, "kiv://page", 3},
      {1, 0, "kiv://page/Caf%C3%A9", 0},  // named, but above the highest page
      {-1, 2, "kiv://page/Intro", 2},
  };
  for (const TCase& c : cases) {
    menu.window.SetPageCount(c.pageCount);
    menu.window.SetActivePage(c.from);
    EXPECT_EQ(Follow(c.address), Log{}) << c.address;
    EXPECT_EQ(menu.window.ActivePage(), c.to) << c.address;
  }
}

}  // namespace
