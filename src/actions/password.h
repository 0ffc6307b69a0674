#pragma once
// The stored form of an action control's password: the typed text scrambled byte by byte with a
// 16-bit running key, then written in base 32. Only this form is stored, so the converter that
// writes documents and the player that checks passwords must use the same constants.
//
// Scrambling: state = kPasswordKey; for each byte b of the text, out = b XOR (state >> 8), then
// state = (state + out) * kPasswordMultiplier + kPasswordIncrement (mod 2^16). Encoding: each
// group of 5 output bytes gives 8 symbols of kPasswordAlphabet, 5 bits each, most significant
// first; a last group of 1 to 4 bytes also gives 8 symbols, those past the data being
// kPasswordFiller. The empty text gives the empty string.

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr uint16_t kPasswordKey = 0x4B56;         // "KV"
inline constexpr uint16_t kPasswordMultiplier = 0x6C8D;  // odd, so every state is reachable
inline constexpr uint16_t kPasswordIncrement = 0x3A1F;
inline constexpr std::string_view kPasswordAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ234567";
inline constexpr char kPasswordFiller = '=';

std::string ScramblePassword(std::string_view text);
