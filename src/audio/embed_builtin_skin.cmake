# Writes OUTPUT, a C++ file that holds the built-in skin's PNG files of INPUT_DIR as byte arrays,
# looked up by the skin's bitmap names ("main" is WA2_MAIN.png).
file(GLOB pictures RELATIVE ${INPUT_DIR} ${INPUT_DIR}/WA2_*.png)
list(SORT pictures)
set(arrays "")
set(entries "")
foreach(picture ${pictures})
  string(REGEX REPLACE "^WA2_(.*)\\.png$" "\\1" upper ${picture})
  string(TOLOWER ${upper} name)
  file(READ ${INPUT_DIR}/${picture} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND arrays "constexpr uint8_t k${upper}[] = {${bytes}};\n")
  string(APPEND entries "    {\"${name}\", k${upper}},\n")
endforeach()
file(WRITE ${OUTPUT}.new "// Generated from the built-in skin's pictures; do not edit.
#include \"audio/builtin_skin.h\"

#include <array>
#include <utility>

namespace {

${arrays}
}  // namespace

std::span<const uint8_t> BuiltinSkinFile(std::string_view name) {
  static const std::pair<std::string_view, std::span<const uint8_t>> kFiles[] = {
${entries}  };
  for (const auto& [file, bytes] : kFiles)
    if (file == name) return bytes;
  return {};
}
")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
