// The dispatcher: each action kind with its parameters, shell failures in the document's words,
// page jumps, and locating a target's folder.

#include "actions/dispatcher.h"

#include <gtest/gtest.h>

#include "graphics/text_escape.h"
#include "model/message_texts.h"
#include "recording_services.h"

namespace {

using K = TKIVActionType;
using Log = std::vector<std::string>;

class Dispatcher : public testing::Test {
 protected:
  Dispatcher() {
    menu.window.Context().macroValues = {"/media/cd", "", "", "/home/u/Desktop"};
    menu.window.SetCaption("Menu");
  }
  Log Run(K kind, const std::string& parameter, const std::string& second = "") {
    menu.services.log.clear();
    RunAction(menu.window, kind, parameter, second);
    return menu.services.log;
  }

  TRecordingMenu menu;
};

TEST_F(Dispatcher, EachKindAsksForWhatItShould) {
  struct TCase {
    K kind;
    const char* parameter;
    const char* second;
    Log expected;
  };
  // show modes: 0 normal, 1 maximised, 2 restored
  const TCase cases[] = {
      {K::aatRunProgram, "%CDROM%\\setup\\Setup.exe", "/s %%ENV-NO_SUCH_VARIABLE%%",
       {"shell open|/media/cd\\setup\\Setup.exe|/s |/media/cd\\setup|0"}},
      {K::aatRunProgram, "", "x", {}},
      {K::aatOpenDocument, "%cdrom%\\docs\\manual.pdf", "ignored", {"shell |/media/cd\\docs\\manual.pdf|||0"}},
      {K::aatOpenDocument, "", "", {}},
      {K::aatExplore, "", "2", {"shell open|/media/cd\\|||2"}},
      {K::aatExplore, "%Desktop%", "1", {"shell explore|/home/u/Desktop|||1"}},
      {K::aatExplore, "x", "3", {"shell open|x|||1"}},
      {K::aatExplore, "x", "two", {"shell explore|x|||2"}},
      {K::aatGotoWeb, "example.org/a b", "", {"shell open|http://example.org/a b|||0"}},
      {K::aatGotoWeb, "ftp://example.org", "", {"shell open|ftp://example.org|||0"}},
      {K::aatGotoWeb, "C:\\page.htm", "", {"shell open|C:\\page.htm|||0"}},
      {K::aatGotoWeb, "%CDROM%", "", {"shell open|http://%CDROM%|||0"}},
      {K::aatGotoWeb, "", "", {"shell open|about:blank|||0"}},
      {K::aatMail, "a@b.org", "two words  here", {"shell open|mailto:a@b.org?subject=two%20words%20%20here|||0"}},
      {K::aatMail, "a@b.org", "", {"shell open|mailto:a@b.org?subject=|||0"}},
      {K::aatPopupMessage, "line\\none", "", {"message line\none"}},
      {K::aatPopupMessage, "", "", {}},
      {K::aatMinimize, "", "", {"minimize"}},
      {K::aatCopy, "CONLY", "", {"copy client"}},
      {K::aatCopy, "conly", "", {"copy window"}},
      {K::aatPrint, "CONLY", "", {"print client"}},
      {K::aatPrint, "", "", {"print window"}},
      {K::aatExit, "", "", {"close"}},
      {K::aatEject, "", "", {"close", "eject /media/cd"}},
      {K::aatNone, "x", "", {}},
      {K::aatShowPicture, "x", "", {}},
      {K::aatSlideShow, "x", "", {}},
      {K::aatControlIA, "x", "", {}},
  };
  for (const TCase& c : cases) EXPECT_EQ(Run(c.kind, c.parameter, c.second), c.expected) << static_cast<int>(c.kind) << " " << c.parameter;
}

TEST_F(Dispatcher, SystemMessageBoxWhenTheDocumentAsksForIt) {
  menu.window.SetSysMsgBox(true);
  EXPECT_EQ(Run(K::aatPopupMessage, "Hello\\tthere", "warning"), Log{"box Menu|Hello\tthere|warning"});
  EXPECT_EQ(Run(K::aatPopupMessage, "Hello", "Warning"), Log{"box Menu|Hello|information"});
}

TEST_F(Dispatcher, AnEscapeOutOfRangeThrowsAndShowsNothing) {
  EXPECT_THROW(Run(K::aatPopupMessage, "bad \\777"), ETextEscapeError);
  EXPECT_TRUE(menu.services.log.empty());
  ReportActionError(menu.window, ETextEscapeError());
  EXPECT_EQ(menu.services.log, Log{"box Menu|Numeric constant too large.|warning"});
}

TEST_F(Dispatcher, ShellFailuresShowTheCannotOpenSentenceAndTheDetail) {
  struct TCase {
    int code;
    const char* detail;
  };
  const TCase cases[] = {
      {2, " The file or path doesn't exist."},
      {3, " The file or path doesn't exist."},
      {5, " The application doesn't exist or access denied."},
      {8, " Out of memory."},
      {0, " Out of memory."},
      {11, " The executable file is invalid."},
      {31, " There is no application associated with the given file name extension or protocol."},
      {26, " A sharing violation occurred."},
      {29, " DDE transaction failed."},
      {32, " The dynamic-link library doesn't exist."},
      {15, ""},
  };
  for (const TCase& c : cases) {
    menu.services.shellResult = c.code;
    const Log log = Run(K::aatRunProgram, "%CDROM%\\setup\\Setup.exe");
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1], "message Can't open /media/cd\\setup\\Setup.exe." + std::string(c.detail)) << c.code;
  }
  menu.services.shellResult = 33;
  EXPECT_EQ(Run(K::aatOpenDocument, "x").size(), 1u) << "above 32 is success";
}

TEST_F(Dispatcher, FailureMessagesComeFromTheTranslation) {
  TMessageTexts& texts = menu.window.Context().messageTexts;
  texts.SetText(TMessageKey::ActionCannotOpen, "Kann %s nicht \\ffnen.");
  texts.SetText(TMessageKey::ActionFileNotFound, "Fehlt.");
  menu.services.shellResult = 2;
  menu.window.SetSysMsgBox(true);
  EXPECT_EQ(Run(K::aatOpenDocument, "a\"b").at(1), "box Menu|Kann a\"b nicht \\ffnen. Fehlt.|warning")
      << "the message reaches the box exactly as built";
}

TEST_F(Dispatcher, PageJumps) {
  menu.window.SetPageCount(3);
  struct TCase {
    int32_t from;
    bool pageZero;
    const char* parameter;
    int32_t to;
  };
  const TCase cases[] = {
      {1, true, "PREV", 1},   {1, false, "PREV", 0}, {0, false, "PREV", 0}, {2, false, "NEXT", 3},
      {3, false, "NEXT", 3},  {1, false, "3", 3},    {1, false, "0", 0},    {1, false, "4", 1},
      {1, false, "-1", 1},    {1, false, "two", 1},  {1, false, "next", 1}, {1, false, "2x", 1},
      {1, false, "+2", 2},    {1, false, "99999999999999999999", 1},
  };
  for (const TCase& c : cases) {
    menu.window.SetAlwaysShowPageZero(c.pageZero);
    menu.window.SetActivePage(c.from);
    Run(K::aatJumpToPage, c.parameter);
    EXPECT_EQ(menu.window.ActivePage(), c.to) << c.from << " " << c.parameter;
  }
}

TEST_F(Dispatcher, LocateTargetOpensTheTargetsFolder) {
  struct TCase {
    K kind;
    const char* parameter;
    Log expected;
  };
  const TCase cases[] = {
      {K::aatRunProgram, "%CDROM%\\bin\\tool.exe", {"shell explore|/media/cd\\bin|||2"}},
      {K::aatOpenDocument, "readme.txt", {"shell explore|/media/cd\\|||2"}},
      {K::aatExplore, "", {"shell explore|/media/cd\\|||2"}},
      {K::aatGotoWeb, "example.org", {}},
  };
  for (const TCase& c : cases) {
    menu.services.log.clear();
    LocateTarget(menu.window, c.kind, c.parameter, "");
    EXPECT_EQ(menu.services.log, c.expected) << c.parameter;
  }
}

TEST_F(Dispatcher, WithoutServicesOnlyTheWindowsOwnActionsRun) {
  menu.window.Context().services = {};
  menu.window.SetPageCount(2);
  RunAction(menu.window, K::aatJumpToPage, "2", "");
  RunAction(menu.window, K::aatRunProgram, "x", "");
  RunAction(menu.window, K::aatPopupMessage, "x", "");
  EXPECT_EQ(menu.window.ActivePage(), 2);
  EXPECT_TRUE(menu.services.log.empty());
}

}  // namespace
