#include "support/test_data.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

std::string TestDataPath(std::string_view relative) {
  return std::string(TELVO_TESTDATA_DIR) + "/" + std::string(relative);
}

std::vector<uint8_t> ReadTestFile(std::string_view relative) {
  const std::string path = TestDataPath(relative);
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read test data " + path);
  std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw std::runtime_error("cannot read test data " + path);
  return bytes;
}
