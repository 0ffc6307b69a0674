#pragma once
// The cursor each control on the menu window shows in run mode, from the kind of cursor the
// control asks for.

#include "model/control.h"

// In run mode: the hot cursor (2999) for a control that acts; for a rich text control the
// default cursor when the document has neither an edit nor a hot cursor, else the edit cursor
// (3999); the edit cursor for any other edit control; the normal cursor (1999) for everything
// else.
TCursor RunModeCursor(const TControl& control, bool editCursorEmpty, bool hotCursorEmpty);
