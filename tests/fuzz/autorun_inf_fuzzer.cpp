// Fuzz target of autorun.inf files: any bytes are read as one; a refused file names no program,
// and every program named is a name (not empty, no NUL).

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "startup/autorun_inf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TAutorunInf inf = ParseAutorunInf({data, size});
  if (inf.status != TAutorunInfStatus::Read && !inf.programs.empty()) std::abort();
  for (const std::string& program : inf.programs)
    if (program.empty() || program.find('\0') != std::string::npos) std::abort();
  return 0;
}
