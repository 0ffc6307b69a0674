#pragma once
// The input window that asks for a text (an action's password): a prompt whose accelerator
// moves to the edit box, the edit box (masked: "*" for every character), OK and Cancel. Modal.

#include <string>

// Shows the window titled title with prompt and text as the initial value. True with the typed
// text in text when the user confirms; false, text unchanged, on Cancel, Esc or closing.
bool InputQuery(const std::string& title, const std::string& prompt, std::string& text, bool masked);
