#pragma once
// The interface the loader's test modules serve (fixtures/answer_module.cpp).

#include <cstdint>

struct TAnswerInterface {
  static constexpr const char* kModuleName = "answer";
  static constexpr const char* kInterfaceName = "TAnswerInterface";
  static constexpr uint32_t kInterfaceVersion = 1;
  struct TFactory {
    int (*answer)();
  };
};
