#pragma once
// TWA2Skin: the bitmaps the skinned music player draws itself from, cut from the files of a
// classic player skin ("main", "titlebar", "cbuttons", ...). A skin is loaded into the same
// object each time: a bitmap its source lacks, or that does not decode, keeps the image it had.
//
// Stacked states: a button holds row 0 normal and row 1 pressed, one element height apart; a
// switch off, off pressed, on, on pressed; an indicator on (row 0) and off (row 1).

#include <cstdint>

#include "audio/skin_source.h"
#include "graphics/bitmap32.h"

struct TWA2Skin {
  // The fixed sizes of the cut bitmaps; the others take the size of their file.
  TWA2Skin();

  // Loads the bitmaps of source in the skin's order: "main", "titlebar", "cbuttons", "shufrep",
  // "monoster", "volume", "balance" (else "volume"), "posbar", "nums_ex" (else "numbers"),
  // "playpaus", "text". Files are BMP (PNG for the built-in artwork); larger than 4096 pixels a
  // side they are not used. Parts cut from outside a file's picture keep what they held.
  void Load(TSkinSource& source);

  TBitmap32 main;  // 275 x 116, its top 14 rows the active title bar
  TBitmap32 optionsButton, minimizeButton, shadeButton, closeButton;  // 9 x 18
  TBitmap32 previous, play, pause, stop;                              // 23 x 36
  TBitmap32 next;                                                     // 22 x 36
  TBitmap32 eject;                                                    // 22 x 32
  TBitmap32 shuffle;                                                  // 47 x 60
  TBitmap32 repeat;                                                   // 28 x 60
  TBitmap32 equalizer, playList;                                      // 23 x 48
  TBitmap32 mono, stereo;                                             // 29 x 24 (see Load)
  TBitmap32 volume, balance, seekBar, numbers, playState, font;       // as loaded
};
