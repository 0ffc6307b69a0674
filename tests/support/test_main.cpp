// The main of every test folder: GoogleTest's own, followed by the process's end actions.

#include <gtest/gtest.h>

#include "support/process_end.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  telvo_test::RunProcessEndActions();
  return result;
}
