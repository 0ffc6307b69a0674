#include "model/strings.h"

const TClassInfo& TStrings::StaticClass() {
  static const TClassInfo* info =
      TClassBuilder<TStrings>("TStrings", &TPersistent::StaticClass())
          .Defined({"Strings",
                    [](TPersistent& o, TValueReader& r) {
                      auto& list = static_cast<TStrings&>(o);
                      r.ReadListBegin();
                      list.Clear();
                      while (!r.EndOfList()) list.Add(r.ReadString());
                      r.ReadListEnd();
                    },
                    [](const TPersistent& o, TValueWriter& w) {
                      w.WriteListBegin();
                      for (const std::string& line : static_cast<const TStrings&>(o).Lines()) w.WriteString(line);
                      w.WriteListEnd();
                    },
                    [](const TPersistent& o) { return static_cast<const TStrings&>(o).Count() > 0; }})
          .Build();
  return *info;
}

void TStrings::Assign(const TPersistent* source) {
  if (!source) {
    Clear();
    return;
  }
  const TStrings* from = As<TStrings>(source);
  if (!from) AssignError(source);
  m_lines = from->m_lines;
}

std::string TStrings::Text() const {
  std::string text;
  for (const std::string& line : m_lines) text += line + "\r\n";
  return text;
}

void TStrings::SetText(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    lines.emplace_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
  m_lines = std::move(lines);
}
