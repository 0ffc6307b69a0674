#include "viewers/pdf_viewer.h"

#include <algorithm>

#include "actions/launch.h"
#include "actions/macros.h"
#include "actions/regular_file.h"
#include "actions/control_path.h"

namespace {

// Larger files are not read: the whole document is held in memory while it shows.
constexpr uint64_t kMaxPdfBytes = uint64_t{512} << 20;

bool HasPdfExtension(const std::string& path) {
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || path.find_first_of("/\\", dot) != std::string::npos) return false;
  std::string extension = path.substr(dot);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".pdf";
}

}  // namespace

const TClassInfo& TKIVPDFViewer::StaticClass() {
  using C = TKIVPDFViewer;
  static const TClassInfo* info = [] {
    TClassBuilder<C> builder("TKIVPDFViewer", &TCustomControl::StaticClass());
    builder.String("FileName", Accessors(&C::FileName, &C::SetFileName))
        .Bool("ShowToolbar", Accessors(&C::ShowToolbar, &C::SetShowToolbar));
    AddHostProperties(builder);
    return builder.Build();
  }();
  return *info;
}

TKIVPDFViewer::TKIVPDFViewer()
    : TViewerHost(TMessageKey::NoAcrobatMessage, "https://packages.debian.org/bookworm/libqt6pdfwidgets6") {
  m_width = 301;
  m_height = 241;
}

void TKIVPDFViewer::SetFileName(std::string fileName) {
  m_fileName = std::move(fileName);
  LoadPdf(m_fileName);
}

void TKIVPDFViewer::SetShowToolbar(bool shown) {
  if (shown == m_showToolbar) return;
  m_showToolbar = shown;
  if (Pdf()) Pdf()->SetShowToolbar(shown);
}

void TKIVPDFViewer::SetDesignMode(bool designMode) {
  if (designMode == DesignMode()) return;
  TViewerHost::SetDesignMode(designMode);
  if (designMode) m_loaded = false;
  UpdateCover();
}

void TKIVPDFViewer::AttachComponent(std::unique_ptr<TPdfComponent> component) {
  AdoptComponent(std::move(component));
  Pdf()->SetShowToolbar(m_showToolbar);
  LoadPdf(m_fileName);
}

void TKIVPDFViewer::LoadPdf(const std::string& file) {
  m_loaded = false;
  if (TPdfComponent* pdf = Pdf()) {
    const std::string path = ControlFilePath(*this, file);
    if (HasPdfExtension(path)) {
      if (std::optional<std::vector<uint8_t>> bytes = ReadRegularFile(path, kMaxPdfBytes)) {
        m_loaded = pdf->Load(std::move(*bytes));
        pdf->SetShowToolbar(m_showToolbar);
      }
    }
  }
  UpdateCover();
}

void TKIVPDFViewer::Print() {
  if (Pdf()) Pdf()->PrintWithDialog();
}

void TKIVPDFViewer::FirstShow() {
  LoadPdf(m_fileName);
  if (Pdf()) Pdf()->GotoFirstPage();
}

void TKIVPDFViewer::UpdateCover() {
  if (Pdf()) Pdf()->SetCoverVisible(DesignMode() || !m_loaded);
  Invalidate();
}
