#pragma once
// Printing the window's picture on a printer the user picks. The print module (modules/print)
// does the printer side with Qt Print Support, which the player neither links nor starts before a
// menu prints; the player places and draws the picture on the page itself.

#include <cstdint>
#include <memory>
#include <string>

class QPaintDevice;
class QWidget;

// A printer the user chose and set up in the print dialog, to print one page on.
class TChosenPrinter {
 public:
  virtual ~TChosenPrinter() = default;

  // The page in printer pixels: the whole sheet, the printable area's top-left corner on it (its
  // physical offsets), and the printer's resolution in dots per inch.
  struct TPage {
    int32_t width = 0, height = 0;
    int32_t printableLeft = 0, printableTop = 0;
    int32_t resolution = 0;
  };

  virtual void SetDocumentName(const std::string& name) = 0;
  virtual TPage Page() const = 0;
  // What a QPainter draws the page on, with its origin at the printable area's corner; the page
  // is printed when that painter ends. Owned by the printer.
  virtual QPaintDevice* Device() = 0;
};

// What the print module serves (see TSoundSystem for the fields): choose(parent) shows the print
// dialog over parent and gives the printer the user accepted, or null when the dialog was
// cancelled. User-interface thread only.
struct TWindowPrinting {
  static constexpr const char* kModuleName = "print";
  static constexpr const char* kInterfaceName = "TWindowPrinting";
  static constexpr uint32_t kInterfaceVersion = 1;
  struct TFactory {
    std::unique_ptr<TChosenPrinter> (*choose)(QWidget* parent);
  };
};
