#include "controls/window_drag.h"

#include "window/menu_form.h"

void DragMenuWindow(const TControl& control) {
  auto* form = dynamic_cast<TKIVForm*>(control.Parent());
  if (!form || form->WindowStyle() == TKIVWindowStyle::awsFullScreen || !form->Host()) return;
  form->Host()->StartSystemMove();
}
