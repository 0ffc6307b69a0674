// Starting children: exit statuses reach the parent, and a detached program is not ours to reap.

#include "actions/child_process.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <gtest/gtest.h>

namespace {

TEST(ChildProcess, StartChildReportsTheProgramsExitStatus) {
  struct TCase {
    std::vector<std::string> command;
    int status;
  };
  const TCase cases[] = {
      {{"/bin/sh", "-c", "exit 0"}, 0},
      {{"/bin/sh", "-c", "exit 3"}, 3},
      {{"/nonexistent/program"}, 127},  // exec failed
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.command[0] + (c.command.size() > 2 ? " " + c.command[2] : ""));
    const pid_t child = StartChild(TExecArguments(c.command));
    ASSERT_GT(child, 0);
    const int status = WaitForExit(child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), c.status);
    EXPECT_EQ(ExitedCleanly(status), c.status == 0);
  }
}

TEST(ChildProcess, DetachedProgramRunsAndTheIntermediateStatusComesBack) {
  int fromProgram[2], fromIntermediate[2];
  ASSERT_EQ(pipe(fromProgram), 0);
  ASSERT_EQ(pipe(fromIntermediate), 0);
  const pid_t intermediate = StartDetached(
      [&] {
        (void)!write(fromProgram[1], "ran", 3);
        _exit(0);
      },
      [&](pid_t program) {
        (void)!write(fromIntermediate[1], &program, sizeof program);
        return 5;
      });
  ASSERT_GT(intermediate, 0);
  const int status = WaitForExit(intermediate);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 5);
  close(fromProgram[1]);
  close(fromIntermediate[1]);

  pid_t program = -1;
  ASSERT_EQ(read(fromIntermediate[0], &program, sizeof program), static_cast<ssize_t>(sizeof program));
  char ran[3] = {};
  ASSERT_EQ(read(fromProgram[0], ran, sizeof ran), 3);
  close(fromProgram[0]);
  close(fromIntermediate[0]);
  EXPECT_EQ(std::string(ran, 3), "ran");
  // The program is the intermediate's child, not ours to reap.
  ASSERT_GT(program, 0);
  EXPECT_EQ(waitpid(program, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

}  // namespace
