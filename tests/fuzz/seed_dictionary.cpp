#include "seed_dictionary.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <set>
#include <stdexcept>
#include <string_view>

#include "model/persistent.h"
#include "model/value_io.h"
#include "support/menu_registry.h"
#include "window/menu_form.h"

namespace {

// libFuzzer ignores longer words.
constexpr size_t kMaxWordBytes = 64;

std::string ShortString(std::string_view text) { return static_cast<char>(text.size()) + std::string(text); }

void AddPaths(const TClassInfo& cls, TPersistent& instance, const std::string& prefix, int depth,
              std::set<std::string>& words) {
  for (const TPropInfo* prop : cls.AllProperties()) {
    const std::string path = prefix + std::string(prop->name);
    words.insert(ShortString(path));
    if (prop->enumType)
      for (std::string_view value : prop->enumType->values)
        words.insert(static_cast<char>(TValueType::vaIdent) + ShortString(value));
    if (prop->kind == TPropKind::Object && depth < 3)
      if (TPersistent* sub = prop->getObject(instance)) AddPaths(sub->ClassType(), *sub, path + ".", depth + 1, words);
  }
  for (const TDefinedProp* defined : cls.AllDefined()) words.insert(ShortString(prefix + std::string(defined->name)));
}

std::string Quoted(const std::string& word) {
  std::string text = "\"";
  for (unsigned char c : word) {
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
      text += static_cast<char>(c);
    } else {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02X", c);
      text += escape;
    }
  }
  return text + "\"";
}

}  // namespace

void WriteDocumentDictionary(const std::string& path) {
  std::vector<const TClassInfo*> classes = MenuRegistry().Classes();
  classes.push_back(&TfrmMain::StaticClass());

  std::set<std::string> words;
  for (const TClassInfo* cls : classes) {
    words.insert(ShortString(cls->Name()));
    std::unique_ptr<TPersistent> instance = cls->Create();
    if (instance) AddPaths(*cls, *instance, "", 0, words);
  }

  std::ofstream out(path, std::ios::trunc);
  out << "# Class names, property paths and enumeration values as the component stream stores them.\n";
  for (const std::string& word : words)
    if (word.size() <= kMaxWordBytes) out << Quoted(word) << "\n";
  if (!out) throw std::runtime_error("cannot write " + path);
}
