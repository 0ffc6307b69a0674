#pragma once
// Shared by the component tests: a menu folder (the menu's %CDROM%) with the document
// written into it, and the menu rendered from it as telvo --render renders it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "document/container.h"
#include "document/text_form.h"
#include "graphics/bitmap32.h"
#include "startup/render.h"

class TMenuDisc {
 public:
  explicit TMenuDisc(const std::string& name)
      : m_folder(std::filesystem::path(testing::TempDir()) / ("components_" + name)) {
    std::filesystem::remove_all(m_folder);
    std::filesystem::create_directories(m_folder / "cd");
  }
  const std::filesystem::path& Folder() const { return m_folder; }
  std::filesystem::path Cd() const { return m_folder / "cd"; }
  void Write(const std::string& name, const std::string& text) const {
    std::filesystem::create_directories((Cd() / name).parent_path());
    std::ofstream(Cd() / name, std::ios::binary) << text;
  }
  void Copy(const std::string& from, const std::string& name) const {
    std::filesystem::create_directories((Cd() / name).parent_path());
    std::filesystem::copy_file(from, Cd() / name, std::filesystem::copy_options::overwrite_existing);
  }
  // Renders the menu in the text form, written as the disc's menu.kiv.
  TBitmap32 Render(std::string_view menuText) const {
    const std::filesystem::path document = Cd() / "menu.kiv";
    const std::vector<uint8_t> container =
        WriteDocumentContainer(ObjectTextToBinary(menuText), {true, false, std::nullopt});
    std::ofstream(document, std::ios::binary)
        .write(reinterpret_cast<const char*>(container.data()), static_cast<std::streamsize>(container.size()));
    TStartupSystem system;
    system.executablePath = (Cd() / "player").string();
    system.lockFolder = m_folder.string();
    TCommandLine line;
    line.documentPath = document.string();
    return RenderMenu(line, std::move(system));
  }

 private:
  std::filesystem::path m_folder;
};
