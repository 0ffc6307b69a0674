#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/text_render.h"
#include "text/mini_html_fixture.h"

namespace {

TTextSize Extent(const TCanvasFont& font, const std::string& text) {
  EnsureGuiApplication();
  TBitmap32 bitmap(1, 1);
  TCanvas canvas(bitmap.View());
  canvas.Font() = font;
  return MeasureText(canvas, text, false, DT_SINGLELINE | DT_NOPREFIX);
}

const TCanvasFont kTahoma8{"Tahoma", -11, 0, DEFAULT_CHARSET, clBlack};

}  // namespace

TEST(MiniHtmlLayout, FontSizesAndColoursOfWords) {
  struct Case {
    const char* html;
    int32_t points;
    TColor color;
  };
  const Case cases[] = {
      {"<font size=+2>w</font>", 10, clBlack},       {"<font size=-2>w</font>", 6, clBlack},
      {"<font size=12>w</font>", 12, clBlack},       {"<font size=huge>w</font>", 8, clBlack},
      {"<font color=red>w</font>", 8, clWhite},      {"<font color=#ff0000>w</font>", 8, clRed},
      {"<body text=#00ff00>w</body>", 8, clLime},    {"w", 8, clBlack},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.html);
    const auto html = LoadedHtml(c.html);
    const TMiniHtmlItem* word = FindWord(*html, "w");
    ASSERT_NE(word, nullptr);
    EXPECT_EQ(word->font.height, HtmlFontHeight(c.points));
    EXPECT_EQ(word->font.color, c.color);
    EXPECT_EQ(word->font.name, "Tahoma");
  }
}

TEST(MiniHtmlLayout, EndTagsCloseTheirOwnKindAnywhereOnTheStack) {
  const auto html = LoadedHtml("<b><i><font color=#0000ff>x</b>y</div></i>z</font>w");
  struct Case {
    const char* word;
    uint32_t style;
    TColor color;
  };
  const Case cases[] = {{"x", fsBold | fsItalic, clBlue}, {"y", fsItalic, clBlue}, {"z", 0, clBlue}, {"w", 0, clBlack}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    const TMiniHtmlItem* word = FindWord(*html, c.word);
    ASSERT_NE(word, nullptr);
    EXPECT_EQ(word->font.style, c.style);
    EXPECT_EQ(word->font.color, c.color);
  }
}

TEST(MiniHtmlLayout, WordsOfDroppedTagsAndEntitiesShowAsText) {
  struct Case {
    const char* html;
    std::vector<std::string> words;
  };
  const Case cases[] = {
      {"<title>Hello</title> there", {"Hello", " ", "there"}},
      {"<html><head><script>x</script></head></html>", {"x"}},
      {"&amp;lt;", {"&lt;"}},
      {"one  two", {"one", " ", " ", "two"}},
      {"<dynamic id=Clock>", {"<clock>"}},
      {"a < b", {"a", " ", "<", " ", "b"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.html);
    EXPECT_EQ(WordTexts(*LoadedHtml(c.html)), c.words);
  }
}

TEST(MiniHtmlLayout, WordsStartAtFiveAndSitOnTheLineBottom) {
  const auto html = LoadedHtml("small <font size=20>BIG</font> one");
  const TMiniHtmlItem* small = FindWord(*html, "small");
  const TMiniHtmlItem* big = FindWord(*html, "BIG");
  ASSERT_TRUE(small && big);
  EXPECT_EQ(small->left, 5);
  EXPECT_EQ(big->left, 5 + Extent(kTahoma8, "small").width + Extent(kTahoma8, " ").width);
  EXPECT_EQ(big->top, 5);
  EXPECT_GT(big->height, small->height);
  EXPECT_EQ(small->top + small->height, big->top + big->height);
  EXPECT_EQ(small->lineHeight, big->height);
  EXPECT_EQ(html->ContentHeight(), 5 + big->height);
}

TEST(MiniHtmlLayout, ASpaceThatWouldStartALineIsDropped) {
  // The width holds "aaaa" exactly, so the space after it opens the next line.
  const int32_t width = 5 + Extent(kTahoma8, "aaaa").width + 5;
  const auto html = LoadedHtml("aaaa bbbb", width);
  const auto& items = html->Items();
  ASSERT_EQ(items.size(), 3u);
  EXPECT_TRUE(items[1].dropped);
  EXPECT_EQ(items[2].left, 5);
  EXPECT_EQ(items[2].line, 1);
  EXPECT_EQ(items[2].top, 5 + items[0].height + 5);
}

TEST(MiniHtmlLayout, AlignmentMovesLinesAndJustifySpreadsGaps) {
  const int32_t width = 300;
  const auto html = LoadedHtml("<p align=justify>aa bb cc dd<br>ee</p><p align=right>ff</p><p align=center>gg</p>", width);
  const TMiniHtmlItem* dd = FindWord(*html, "dd");
  const TMiniHtmlItem* ee = FindWord(*html, "ee");
  const TMiniHtmlItem* ff = FindWord(*html, "ff");
  const TMiniHtmlItem* gg = FindWord(*html, "gg");
  ASSERT_TRUE(dd && ee && ff && gg);
  EXPECT_EQ(FindWord(*html, "aa")->left, 5);
  EXPECT_EQ(dd->left + dd->width, width - 5);
  // A last line of one word has no gap to spread over.
  EXPECT_EQ(ee->left, 5);
  EXPECT_EQ(ff->left + ff->width, width - 5);
  EXPECT_EQ(gg->left, 5 + (width - gg->width - 10) / 2);
}

TEST(MiniHtmlLayout, ListsIndentAndNumberTheirItems) {
  const auto html = LoadedHtml("<ol><li>one</li><li>two</li></ol><ul type=square><li>x</li></ul>after");
  std::vector<const TMiniHtmlItem*> bullets;
  for (const TMiniHtmlItem& item : html->Items())
    if (item.IsStartTag(htLi)) bullets.push_back(&item);
  ASSERT_EQ(bullets.size(), 3u);
  EXPECT_EQ(bullets[0]->number, 1);
  EXPECT_EQ(bullets[1]->number, 2);
  EXPECT_EQ(bullets[0]->listType, "number");
  EXPECT_EQ(bullets[2]->listType, "square");
  EXPECT_EQ(FindWord(*html, "one")->left, 29);
  EXPECT_EQ(FindWord(*html, "after")->left, 5);
}

TEST(MiniHtmlLayout, TableCellsAreCutAtTheTableEdge) {
  const std::string wide(60, 'W');
  const auto html = LoadedHtml("<table width=100 color=#ff0000><tr><td>" + wide + "</td><td>b</td></tr></table>");
  const TMiniHtmlItem* table = FindTag(*html, htTable);
  ASSERT_NE(table, nullptr);
  std::vector<const TMiniHtmlItem*> cells;
  for (const TMiniHtmlItem& item : html->Items())
    if (item.IsCell()) cells.push_back(&item);
  ASSERT_EQ(cells.size(), 2u);
  ASSERT_GT(Extent(kTahoma8, wide).width, 90);
  // The table is 100 - 10 wide from x = 5: its right edge is at 95.
  EXPECT_EQ(cells[0]->left, 5);
  EXPECT_EQ(cells[0]->left + cells[0]->width, 95);
  EXPECT_EQ(cells[1]->width, 0);
  EXPECT_EQ(cells[0]->borderColor, clRed);
  EXPECT_EQ(cells[0]->top, table->top);
  EXPECT_EQ(table->height, cells[0]->height);
}

TEST(MiniHtmlLayout, ImagePathsGetTheFolderAndBackslashes) {
  EnsureGuiApplication();
  std::vector<std::string> paths;
  TQzMiniHtml2 html;
  html.SetLayoutWidth(400);
  html.SetImageFolder("D:\\menu\\");
  html.SetImageLoader([&](const std::string& path) -> std::optional<TBitmap32> {
    paths.push_back(path);
    return TBitmap32(20, 10);
  });
  html.LoadHtml(std::vector<std::string>{R"(<img src="pics/a.bmp" width=40><img src=C:/x.bmp><img src=i.ico width=5>)"});
  // Values are read in lower case (only link targets keep theirs); Windows paths ignore case.
  EXPECT_EQ(paths, (std::vector<std::string>{"D:\\menu\\pics\\a.bmp", "c:\\x.bmp", "D:\\menu\\i.ico"}));
  std::vector<TTextSize> sizes;
  for (const TMiniHtmlItem& item : html.Items())
    if (item.IsStartTag(htImg)) sizes.push_back({item.width, item.height});
  // Icons keep their own size; other pictures take the width and height given.
  EXPECT_EQ(sizes, (std::vector<TTextSize>{{40, 10}, {20, 10}, {20, 10}}));
}

TEST(MiniHtmlLinks, TheItemUnderAPointGivesItsLinkAlsoInsideACell) {
  const auto html = LoadedHtml(R"(<a href="Kiv://Page/Two">go</a> plain<table><tr><td>x <a href="in">cell</a></td></tr></table>)");
  const TMiniHtmlItem* go = FindWord(*html, "go");
  const TMiniHtmlItem* plain = FindWord(*html, "plain");
  ASSERT_TRUE(go && plain);
  EXPECT_EQ(html->LinkAt(go->left + 1, go->top + 1), "Kiv://Page/Two");
  EXPECT_TRUE(html->IsLinkAt(go->left + go->width - 1, go->top + go->height - 1));
  EXPECT_FALSE(html->IsLinkAt(plain->left + 1, plain->top + 1));
  EXPECT_FALSE(html->IsLinkAt(go->left + go->width, go->top + go->height));

  const TMiniHtmlItem* cell = FindTag(*html, htTd);
  ASSERT_TRUE(cell && cell->cell);
  const TMiniHtmlItem* inner = FindWord(*cell->cell, "cell");
  ASSERT_NE(inner, nullptr);
  const int32_t x = cell->left - 5 + inner->left + 1;
  const int32_t y = cell->top - 5 + cell->cellContentOffset + inner->top + 1;
  EXPECT_EQ(html->LinkAt(x, y), "in");
  EXPECT_FALSE(html->IsLinkAt(cell->left + 1, y));
}

TEST(MiniHtmlLayout, DynamicTagsTakeTheHandlersTextAndCannotRecurseForever) {
  EnsureGuiApplication();
  TQzMiniHtml2 html;
  html.SetLayoutWidth(400);
  int calls = 0;
  html.OnDynamicUpdate = [&](TQzMiniHtml2&, const std::string& id, std::string& text) {
    ++calls;
    text = id == "self" ? "<dynamic id=self>" : "<b>now</b>";
  };
  html.LoadHtml(std::vector<std::string>{"<dynamic id=time>"});
  EXPECT_EQ(WordTexts(html), std::vector<std::string>{"now"});
  EXPECT_TRUE(FindWord(html, "now")->font.style & fsBold);
  html.LoadHtml(std::vector<std::string>{"<dynamic id=self>"});
  EXPECT_LT(calls, 1000);
  EXPECT_TRUE(WordTexts(html).empty());
}

TEST(MiniHtmlLayout, HostileMarkupIsBounded) {
  std::string deep;
  for (int i = 0; i < 40; ++i) deep += "<table><tr><td>";
  deep += "core";
  std::string many(5000, '<');
  std::string bold;
  for (int i = 0; i < 3000; ++i) bold += "<b><p>";
  for (int i = 0; i < 3000; ++i) bold += "</b>";
  const std::vector<std::string> cases = {
      deep,
      many + ">",
      bold + "end",
      "<img src=x width=99999999 height=99999999>",
      "<font size=99999>W</font>",
      "<hr size=999999999 width=999999999%>",
      "</td></tr></table></ul></li></p>",
  };
  for (const std::string& c : cases) {
    SCOPED_TRACE(c.substr(0, 40));
    auto html = LoadedHtml(c, 200);
    TBitmap32 bitmap(200, 100);
    TCanvas canvas(bitmap.View());
    html->DrawTo(canvas);
    EXPECT_LE(html->ContentHeight(), TQzMiniHtml2::kMaxLayoutExtent);
  }
}
