// The open-file dialog's filters as Qt's own dialog takes them: every pattern matches its
// extension in any letter case, as files on a disc written under Windows need.

#include "platform/music_player_dialogs.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace {

TEST(MusicPlayerDialogs, FiltersMatchAnyLetterCase) {
  EXPECT_EQ(QtNameFilter({"Play List Files", "*.m3u;*.pls"}), "Play List Files (*.[mM]3[uU] *.[pP][lL][sS])");
  const QString filter = QtNameFilter({"Music Files", "*.wav;*.mp3"});
  const QString patterns = filter.section(QLatin1Char('('), 1).chopped(1);
  for (const char* name : {"a.wav", "B.WAV", "c.Mp3"}) {
    bool matched = false;
    for (const QString& pattern : patterns.split(QLatin1Char(' ')))
      matched |= QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern)).match(name).hasMatch();
    EXPECT_TRUE(matched) << name;
  }
  EXPECT_FALSE(QRegularExpression(QRegularExpression::wildcardToRegularExpression("*.[wW][aA][vV]"))
                   .match("a.ogg")
                   .hasMatch());
}

}  // namespace
