#pragma once
// Name handling shared by the registries and the stream reader: component, class and property
// names compare ignoring ASCII letter case, as the document format does.

#include <string>
#include <string_view>

bool SameText(std::string_view a, std::string_view b);
std::string LowerAscii(std::string_view text);
std::string UpperAscii(std::string_view text);
// A letter or underscore, then letters, digits or underscores (ASCII only).
bool IsValidIdent(std::string_view name);
