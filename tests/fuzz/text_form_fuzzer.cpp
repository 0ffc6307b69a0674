// Fuzz target of the text form's compiler (what the converter reads): any bytes are compiled.
// ETextFormError is the expected outcome of bad input. What compiles must print, and the printed
// text must compile and print again to the same text: the printer writes only the grammar the
// compiler reads.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "document/text_form.h"
#include "model/read_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> stream;
  try {
    stream = ObjectTextToBinary({reinterpret_cast<const char*>(data), size});
  } catch (const ETextFormError&) {
    return 0;
  }
  std::string printed;
  try {
    printed = ObjectBinaryToText(stream);
  } catch (const EReadError&) {
    // Nesting deeper than the stream reader takes compiles but does not print.
    return 0;
  }
  if (ObjectBinaryToText(ObjectTextToBinary(printed)) != printed) std::abort();
  return 0;
}
