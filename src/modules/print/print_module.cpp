// The print module: the print dialog and the chosen printer, served as the player's
// TWindowPrinting.

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

#include "modules/module_entry.h"
#include "platform/window_printing.h"

namespace {

class TQtChosenPrinter : public TChosenPrinter {
 public:
  TQtChosenPrinter() : m_printer(QPrinter::HighResolution) {}

  QPrinter& Printer() { return m_printer; }

  void SetDocumentName(const std::string& name) override { m_printer.setDocName(QString::fromStdString(name)); }

  TPage Page() const override {
    const int resolution = m_printer.resolution();
    const QRect page = m_printer.pageLayout().fullRectPixels(resolution);
    const QRect printable = m_printer.pageLayout().paintRectPixels(resolution);
    return {page.width(), page.height(), printable.left(), printable.top(), resolution};
  }

  QPaintDevice* Device() override { return &m_printer; }

 private:
  QPrinter m_printer;
};

std::unique_ptr<TChosenPrinter> Choose(QWidget* parent) {
  auto printer = std::make_unique<TQtChosenPrinter>();
  QPrintDialog dialog(&printer->Printer(), parent);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return printer;
}

constexpr TWindowPrinting::TFactory kFactory{&Choose};
constexpr TModuleEntry kEntry{kModuleEntryVersion, TWindowPrinting::kInterfaceName, TWindowPrinting::kInterfaceVersion,
                              &kFactory};

}  // namespace

// Named as kModuleEntrySymbol says.
extern "C" [[gnu::visibility("default")]] const TModuleEntry* TelvoModuleEntry() { return &kEntry; }
