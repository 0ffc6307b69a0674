#pragma once
// The cursor each control on the menu window shows in run mode. The window knows the control
// classes only through their class tables: an action control is a class derived from
// TKIVActionControl, a rich text control one derived from TCustomRichEdit, an edit control one
// derived from TCustomMemo or TCustomEdit.

#include "model/control.h"

// In run mode: the hot cursor (2999) for an action control that acts (ActionType or
// BGMusicControl not the "none" value) and does not set IgnoreHotCursor; for a rich text
// control the default cursor when the document has neither an edit nor a hot cursor, else the
// edit cursor (3999); the edit cursor for any other edit control; the normal cursor (1999) for
// everything else.
TCursor RunModeCursor(const TControl& control, bool editCursorEmpty, bool hotCursorEmpty);

// Whether cls is, or derives from, the class named name.
bool ClassDerivesFrom(const TClassInfo& cls, std::string_view name);
