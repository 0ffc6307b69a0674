// Rich edits in pictures of the window: an RTF document with the reader's features drawn by the
// view over the control's colour and border, and the file rules (StoreText, FileName).

#include <gtest/gtest.h>

#include <QTest>

#include "component_support.h"
#include "platform/rich_edit_widget.h"
#include "support/golden_image.h"

namespace {

constexpr const char* kFeatures = R"(object frmDesign: TfrmDesign
  ClientWidth = 420
  ClientHeight = 300
  Color = clSilver
  object Rich: TKIVRichEdit
    Left = 10
    Top = 10
    Width = 400
    Height = 280
    RichLines.Strings = (
      '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\froman Times New Roman;}{\f2\fnil\fcharset204 Tahoma;}}'
      '{\colortbl ;\red200\green0\blue0;\red0\green128\blue0;\red255\green255\blue0;}'
      '\pard\qc\f1\fs32\b Centred title\b0\par'
      '\pard\f0\fs20 Plain, \b bold\b0 , \i italic\i0 , \ul underlined\ulnone , \strike struck\strike0 , \cf1 red\cf0 , \highlight3 highlighted\highlight0 .\par'
      '\pard\qr\fs16 Right aligned in 8 points\line with a line break\par'
      '\pard\li720\fi-360 \bullet\tab A hanging indent of half an inch that wraps onto a second line beneath itself.\par'
      '\pard\qj Justified text spreads its words over the whole width of the line, except on the last line.\par'
      '\pard\f2 Cyrillic \''cf\''f0\''e8\''e2\''e5\''f2 and \u8364?uro\par'
      '\pard Visit www.example.org or http://example.com/page for more.{\v hidden}\par'
      '}')
  end
end
)";

}  // namespace

TEST(RichEditRender, AnRtfDocumentWithTheReadersFeatures) {
  TMenuDisc disc("rich_edit");
  const TBitmap32 image = disc.Render(kFeatures);
  ASSERT_FALSE(image.Empty());
  EXPECT_TRUE(MatchesGoldenImage(image, std::filesystem::path(TELVO_COMPONENT_GOLDEN_DIR) / "rich_edit", disc.Folder()));
}

TEST(RichEditLinks, DetectedAddressesEndBeforeSentencePunctuation) {
  struct TCase {
    const char* text;
    std::vector<std::pair<int, int>> links;
  };
  const TCase cases[] = {
      {"see www.example.org.", {{4, 15}}},
      {"(http://a.b/c?d=1), mailto:x@y.z", {{1, 16}, {20, 12}}},
      {"no links here", {}},
      {"FTP://Host/file and file:///tmp/a", {{0, 15}, {20, 13}}},
  };
  for (const TCase& c : cases) EXPECT_EQ(DetectedLinks(QString::fromUtf8(c.text)), c.links) << c.text;
}
