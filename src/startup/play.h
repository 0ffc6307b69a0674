#pragma once
// Playing a menu: the whole start-up, the menu window on screen, the message loop, shutdown.

#include "startup/command_line.h"

// Plays line's document in a window and returns the process's exit code once the window has
// closed (or the start ended early: AdminOnly refused, LaunchOnly). SIGTERM, SIGHUP and SIGINT
// (log-off, a closed terminal, Ctrl+C) end the menu as closing the window does, so shutdown
// still runs; one that was ignored when the player started (nohup) stays ignored. Creates the QApplication itself, on the X11 platform in a Wayland session that
// has XWayland.
int RunPlayCommand(const TCommandLine& line);
