#pragma once
// A list of strings (page captions, font lists, HTML and text lines, play lists), stored as the
// defined entry "Strings": a list of strings that replaces the current lines.

#include <string>
#include <string_view>
#include <vector>

#include "model/persistent.h"

class TStrings : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Copies the lines of another list; a null source clears.
  void Assign(const TPersistent* source) override;

  const std::vector<std::string>& Lines() const { return m_lines; }
  int Count() const { return static_cast<int>(m_lines.size()); }
  const std::string& operator[](int index) const { return m_lines[static_cast<size_t>(index)]; }
  void Add(std::string line) { m_lines.push_back(std::move(line)); }
  void Clear() { m_lines.clear(); }
  void SetLines(std::vector<std::string> lines) { m_lines = std::move(lines); }
  // Lines joined with CR LF, the platform's text form of a list.
  std::string Text() const;
  // Replaces the lines by text split at CR LF, CR or LF; a break at the very end adds no empty
  // line.
  void SetText(std::string_view text);

 private:
  std::vector<std::string> m_lines;
};
