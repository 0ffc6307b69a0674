#pragma once
// The sources a music player skin is loaded from: the player's own built-in skin, a folder of
// BMP files, and a zipped skin (a ".wsz" file, or the bytes of the control's stored skin).

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "audio/mini_zip.h"
#include "audio/skin_source.h"

// The PNG pictures built into the player (builtin_skin.h).
class TBuiltinSkinSource final : public TSkinSource {
 public:
  std::optional<std::vector<uint8_t>> BitmapFile(std::string_view name) override;
};

// folder + name + ".bmp", the file found ignoring letter case (a skin copied from Windows may
// hold MAIN.BMP or Main.bmp); a folder written the Windows way is found on Linux. Files larger
// than 8 MB are not read.
class TFolderSkinSource final : public TSkinSource {
 public:
  explicit TFolderSkinSource(const std::string& folder);
  std::optional<std::vector<uint8_t>> BitmapFile(std::string_view name) override;

 private:
  std::string m_folder;
};

// The first entry, in directory order, whose file name (after the last "/" or "\") is name +
// ".bmp" ignoring ASCII letter case. An archive that cannot be opened or listed has no bitmap.
// report hears the zip reader's messages, the CRC warning at most once for the whole skin.
class TZipSkinSource final : public TSkinSource {
 public:
  // The ".wsz" file path, opened read-only.
  TZipSkinSource(const std::string& path, TMiniZip::TReport report);
  // A zipped skin held in memory (the control's stored skin): no temporary file is written.
  TZipSkinSource(std::vector<uint8_t> bytes, TMiniZip::TReport report);
  std::optional<std::vector<uint8_t>> BitmapFile(std::string_view name) override;

 private:
  static TMiniZip::TReport OnceEach(TMiniZip::TReport report);
  std::optional<TMiniZip> m_zip;
};
