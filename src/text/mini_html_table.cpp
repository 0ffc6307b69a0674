// Laying out a table of a TQzMiniHtml2: its cells are documents of their own, each in a nested
// renderer, set in rows and columns.

#include <algorithm>

#include "text/mini_html.h"

std::vector<std::vector<size_t>> TQzMiniHtml2::TableRows(size_t tableIndex) const {
  // The rows and their cells at this table's level; inner tables outside cells lay out their own.
  std::vector<std::vector<size_t>> rows;
  bool rowsFull = false;
  const size_t end = m_tableEnds[tableIndex];
  for (size_t j = tableIndex + 1; j < end; ++j) {
    const TMiniHtmlItem& item = m_items[j];
    if (item.IsStartTag(htTable)) {
      j = m_tableEnds[j];
    } else if (item.IsStartTag(htTr)) {
      rowsFull = rows.size() >= kMaxTableRows;
      if (!rowsFull) rows.emplace_back();
    } else if (item.IsCell() && !rowsFull) {
      if (rows.empty()) rows.emplace_back();
      if (rows.back().size() < kMaxTableColumns) rows.back().push_back(j);
    }
  }
  return rows;
}

int32_t TQzMiniHtml2::LayOutTable(size_t tableIndex, int32_t top) {
  TMiniHtmlItem& table = m_items[tableIndex];
  const int32_t tableWidth = ParseHtmlLength(HtmlAttribute(table.attributes, "width"), m_layoutWidth, m_layoutWidth);
  table.borderColor = ParseHtmlColor(HtmlAttribute(table.attributes, "color"));

  const std::vector<std::vector<size_t>> rows = TableRows(tableIndex);

  // Each cell is laid out at its wrap width; a column is as wide as its widest cell, a row as
  // high as its highest.
  std::vector<int32_t> columnWidths(kMaxTableColumns, 0);
  std::vector<int32_t> rowHeights(rows.size(), 0);
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) {
      TMiniHtmlItem& cell = m_items[rows[r][c]];
      cell.borderColor = table.borderColor;
      if (!cell.cell && m_depth < kMaxTableDepth) {
        cell.cell = MakeCellRenderer();
        cell.cell->m_lines = {cell.cellHtml};
        cell.cell->Parse();
      }
      if (!cell.cell) continue;
      const int32_t share = (tableWidth - 10) / static_cast<int32_t>(rows[r].size());
      const std::string_view width = HtmlAttribute(cell.attributes, "width");
      cell.cell->m_layoutWidth = width.empty() ? share : ParseHtmlLength(width, tableWidth, share);
      cell.cell->m_visibleHeight = 1000;
      cell.cell->LayOut();
      columnWidths[c] = std::max(columnWidths[c], Saturate(int64_t{cell.cell->m_widestLine} + 5));
      rowHeights[r] = std::max(rowHeights[r], cell.cell->m_contentHeight);
    }
  }

  // Cells are set from x = 5, cut at the table's right edge; each cell's content is laid out
  // again at the cell's width and centred in the row.
  const int64_t rightEdge = int64_t{5} + tableWidth;
  int64_t rowTop = top;
  for (size_t r = 0; r < rows.size(); ++r) {
    int64_t x = 5;
    for (size_t c = 0; c < rows[r].size(); ++c) {
      TMiniHtmlItem& cell = m_items[rows[r][c]];
      cell.dropped = false;
      cell.left = Saturate(x);
      cell.top = Saturate(rowTop);
      cell.width = std::max(0, Saturate(std::min<int64_t>(columnWidths[c], rightEdge - x)));
      cell.height = rowHeights[r];
      x += columnWidths[c];
      if (!cell.cell) continue;
      if (cell.cell->m_layoutWidth != cell.width) {
        cell.cell->m_layoutWidth = cell.width;
        cell.cell->LayOut();
      }
      cell.cellContentOffset = (cell.height - cell.cell->m_contentHeight) / 2;
    }
    m_widestLine = std::max(m_widestLine, Saturate(std::min(x, rightEdge)));
    rowTop += rowHeights[r];
  }
  return Saturate(rowTop - top);
}
