#pragma once
// TKIVPDFViewer, the page control that shows one PDF file through the PDF module's component:
// a view with a small toolbar, under a white cover with the PDF picture while nothing is loaded
// or in design mode.

#include <cstdint>
#include <memory>
#include <string>

#include "viewers/pdf_component.h"
#include "viewers/viewer_host.h"

class TKIVPDFViewer : public TViewerHost {
 public:
  TKIVPDFViewer();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // PDF file as stored (path macros not expanded). Setting it loads the file.
  const std::string& FileName() const { return m_fileName; }
  void SetFileName(std::string fileName);
  bool ShowToolbar() const { return m_showToolbar; }
  void SetShowToolbar(bool shown);
  void SetDesignMode(bool designMode) override;
  // Whether the last LoadPdf showed a document.
  bool Loaded() const { return m_loaded; }

  // Takes the module's component and loads FileName into it.
  void AttachComponent(std::unique_ptr<TPdfComponent> component);
  // Shows file (path macros expanded, a Windows path reaching its Linux file) when its extension
  // is ".pdf" in any letter case and it is a readable regular PDF file; otherwise nothing is
  // loaded and the cover shows.
  void LoadPdf(const std::string& file);
  // The print dialog, then the document printed.
  void Print();
  // Loads FileName again and goes to its first page.
  void FirstShow() override;

 private:
  void UpdateCover();
  // The component adopted by AttachComponent, or null.
  TPdfComponent* Pdf() const { return static_cast<TPdfComponent*>(Component()); }

  std::string m_fileName;
  bool m_showToolbar = true;
  bool m_loaded = false;
};
