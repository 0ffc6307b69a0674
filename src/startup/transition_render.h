#pragma once
// telvo --transition STYLE PROGRESS OLD.png NEW.png OUT.png [--step N]: an author's preview of
// one transition frame, which the tests use too. The two pictures are read from PNG files (any
// PNG; transparency is dropped, the pictures are taken as opaque), must be of one size, and the
// frame that the style draws at that progress is written as an 8-bit RGB PNG of that size. The
// random styles draw from a generator seeded with 0, so the same command gives the same frame.

#include "startup/command_line.h"

// Runs line.transition. Returns the process's exit code: 0, or 1 with the reason on stderr when
// a picture cannot be read, the sizes differ, the style has no frame procedure, or the frame
// cannot be written.
int RunTransitionCommand(const TCommandLine& line);
