#pragma once
// The libFuzzer dictionary of the document target, taken from the class tables themselves.

#include <string>

// Writes every menu class name, every stored property path (sub-objects' paths included) and
// every enumeration value name, each in the byte form the stream stores it in (a short string;
// enumeration values with their identifier code), to path in libFuzzer's dictionary format.
// Throws std::runtime_error when the file cannot be written.
void WriteDocumentDictionary(const std::string& path);
