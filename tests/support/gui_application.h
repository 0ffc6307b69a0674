#pragma once
// The Qt application that fonts, text drawing and metafile text need, for tests that paint
// into bitmaps without a window.

// Creates a QGuiApplication on Qt's offscreen platform the first time it is called, unless the
// process already has an application (then that one serves). Never touches a display. The
// application lives until the test main's end actions run (or the process ends, in a fuzzer).
void EnsureGuiApplication();
