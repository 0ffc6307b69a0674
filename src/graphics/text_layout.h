#pragma once
// Pieces of text layout shared by the system and antialiased text paths (text_render.h).

#include <QString>
#include <QStringView>
#include <vector>

// A line of text as drawn: the characters that show and the positions (in text) of those
// underlined as access keys.
struct TVisibleText {
  QString text;
  std::vector<qsizetype> underlined;
};

// Splits text into the lines its CR, LF and CR LF breaks make.
std::vector<QStringView> SplitAtLineBreaks(QStringView text);

// Drops ampersands when showPrefix is set: "&c" shows c underlined, "&&" shows "&", a last
// lone "&" shows nothing. Tabs are dropped unless keepTabs; CR and LF are always dropped.
TVisibleText StripPrefix(QStringView text, bool showPrefix, bool keepTabs);
