#include "platform/about_box.h"

#include <QMessageBox>

QString AboutText() {
  return QStringLiteral("Telvo \u2014 plays autorun menus on Linux.\nVersion " TELVO_VERSION);
}

QMessageBox* OpenAboutBox(QWidget* parent) {
  auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("About Telvo"), AboutText(),
                              QMessageBox::Ok, parent);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
  return box;
}
