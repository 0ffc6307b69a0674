#pragma once
// What the comment showers of a menu window show: whenever the comment of what lies under the
// pointer changes, every shower of the window is brought up to date. The comment is the hint of
// the control under the pointer (disabled controls count; a control without a hint takes its
// nearest parent's), the part after the first "|" (all of it without one); only controls placed
// directly on the window count. Text showers show it; graphic showers show the GraphicComment
// picture of an action control under the pointer. Invisible showers stay empty.
//
// The showers are those of the window's own component tree, in creation order, and the comment
// last shown is kept in the window's context, so two menus never share them.

#include <string>

#include "graphics/geometry.h"
#include "model/control.h"
#include "window/menu_form.h"

// The visible control under point (client coordinates) at any depth, disabled ones included:
// the topmost in child order; null over the window's own background.
TControl* ControlUnderPoint(TKIVForm& form, TPoint point);

// The comment of control (null: none): its hint or its nearest parent's, after the first "|".
std::string CommentOf(const TControl* control);

// The pointer is over control (null: over nothing of the window). Updates the showers when the
// comment differs from the one they show.
void ShowCommentOf(TKIVForm& form, TControl* control);
