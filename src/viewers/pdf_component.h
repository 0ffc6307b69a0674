#pragma once
// The PDF module's component: a view of one PDF document with the player's small toolbar (pages,
// zoom, print) and a cover that hides the view while nothing is loaded.

#include <cstdint>
#include <memory>
#include <vector>

#include "window/widget_component.h"

class QWidget;

class TPdfComponent : public TWidgetComponent {
 public:
  static constexpr const char* kModuleName = "pdf";
  static constexpr const char* kInterfaceName = "TPdfComponent";
  static constexpr uint32_t kInterfaceVersion = 1;
  // Creates a hidden component inside window (the menu window's widget).
  struct TFactory {
    std::unique_ptr<TPdfComponent> (*create)(QWidget* window);
  };

  // Shows the document in bytes from its first page; false, keeping what was shown, when they
  // are no PDF document.
  virtual bool Load(std::vector<uint8_t> bytes) = 0;
  virtual void SetShowToolbar(bool shown) = 0;
  // The white cover with the PDF picture, above the view.
  virtual void SetCoverVisible(bool visible) = 0;
  virtual void GotoFirstPage() = 0;
  // Prints the document after the print dialog (nothing when none is loaded or it is cancelled).
  virtual void PrintWithDialog() = 0;
};
