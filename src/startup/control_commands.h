#pragma once
// Commands that a click sends to another control on the same menu window (the action
// aatControlIA): load a picture into an image, a file into a text box or a rich edit, steer the
// music player, the media player, the web browser or the PDF viewer. The target is the first
// control, in its window's child order, of the command's kind whose IAName is the command's
// ControlName exactly.

#include "model/control.h"
#include "model/records.h"

// The target of command for the control clicked: only the clicked control's own parent is
// searched; none for iatNone, an empty name or a clicked control without a parent.
TControl* FindCommandTarget(const TKIVControlIA& command, TControl& clicked);

// Runs command: its Action word is lower-cased (and kept so) and carried out on the target as
// its kind defines; a missing target or an unknown word does nothing, and nothing is reported.
// The image's, text box's and rich edit's "open" expand the path macros of Parameter (a missing
// file empties the control; one that cannot be read leaves it as it was), as does the music
// player's; the other targets take Parameter as stored and expand it themselves.
void RunControlCommand(TKIVControlIA& command, TControl& clicked);
