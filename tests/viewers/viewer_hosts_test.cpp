#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "controls/stored_defaults.h"
#include "viewers/flash_player.h"
#include "viewers/media_player.h"
#include "viewers/pdf_viewer.h"
#include "viewers/web_browser.h"

namespace {

struct THostCase {
  const char* name;
  std::function<std::unique_ptr<TControl>()> create;
  std::function<const std::string&(const TControl&)> text;
  TMessageKey key;
  int32_t width;
  int32_t height;
};

template <class C>
THostCase Host(const char* name, TMessageKey key, int32_t width, int32_t height) {
  return {name, [] { return std::make_unique<C>(); },
          [](const TControl& c) -> const std::string& { return static_cast<const C&>(c).NotInstalledText(); }, key,
          width, height};
}

const THostCase kHosts[] = {
    Host<TKIVWebBrowser>("web browser", TMessageKey::NoIE4Message, 305, 185),
    Host<TKIVMediaPlayer>("media player", TMessageKey::NoWMPMessage, 301, 241),
    Host<TKIVFlash>("Flash", TMessageKey::NoFlashMessage, 201, 121),
    Host<TKIVPDFViewer>("PDF viewer", TMessageKey::NoAcrobatMessage, 301, 241),
};

}  // namespace

TEST(ViewerHosts, ReReadTheirOwnNotInstalledMessageWhenTextsChange) {
  for (const THostCase& host : kHosts) {
    SCOPED_TRACE(host.name);
    std::unique_ptr<TControl> control = host.create();
    EXPECT_EQ(control->Width(), host.width);
    EXPECT_EQ(control->Height(), host.height);
    EXPECT_EQ(host.text(*control), DefaultMessageText(host.key));

    // Every key gets a distinct text, so a host reading another host's key is caught.
    TMessageTexts texts;
    for (const THostCase& other : kHosts)
      texts.SetText(other.key, "translated " + std::string(MessageKeyName(other.key)));
    control->MessageTextsChanged(texts);
    EXPECT_EQ(host.text(*control), "translated " + std::string(MessageKeyName(host.key)));
  }
}

TEST(ViewerHosts, FlashBorderAndMovieFollowTheirStoredForm) {
  TKIVFlash flash;
  EXPECT_EQ(SetAndRead(flash, "BorderWidth", -3), 0);
  EXPECT_EQ(SetAndRead(flash, "BorderWidth", 6), 6);

  const TPropInfo* movie = TKIVFlash::StaticClass().FindProperty("Movie");
  EXPECT_EQ(movie->getString(flash), " ");  // no movie is stored as one space
  movie->setString(flash, "%CDROM%\\intro.swf");
  EXPECT_EQ(flash.Movie(), "%CDROM%\\intro.swf");
  movie->setString(flash, " ");
  EXPECT_EQ(flash.Movie(), "");
}

TEST(ViewerHosts, EnumeratedPropertiesAcceptTheirOwnValueNames) {
  struct Case {
    const TClassInfo& cls;
    const char* property;
    const char* value;
    int ordinal;
  };
  const Case cases[] = {
      {TKIVWebBrowser::StaticClass(), "ControlBarStyle", "awbMini", 1},
      {TKIVMediaPlayer::StaticClass(), "ControlBarStyle", "ambNone", 2},
      {TKIVFlash::StaticClass(), "Quality", "afqMedium", 1},
      {TKIVFlash::StaticClass(), "Scale", "afsNoScale", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.cls.Name() << "." << c.property);
    const TPropInfo* prop = c.cls.FindProperty(c.property);
    ASSERT_NE(prop, nullptr);
    EXPECT_EQ(prop->enumType->IndexOf(c.value), c.ordinal);
  }
}
