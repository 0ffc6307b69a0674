#include "platform/input_window.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>

namespace {

// The application's style, with "*" standing for each character of a masked text (styles
// choose a dot of their own).
class TStarMaskStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return '*';
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

bool InputQuery(const std::string& title, const std::string& prompt, std::string& text, bool masked) {
  TStarMaskStyle maskStyle;  // outlives the dialog, whose edit box uses it
  QDialog dialog(QApplication::activeWindow(), Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  dialog.setWindowTitle(QString::fromStdString(title));
  QFont font("Tahoma");
  font.setPixelSize(11);
  dialog.setFont(font);
  dialog.setFixedSize(287, 87);

  auto* edit = new QLineEdit(QString::fromStdString(text), &dialog);
  edit->setObjectName("edtStr");
  edit->setGeometry(6, 24, 275, 21);
  if (masked) {
    edit->setStyle(&maskStyle);
    edit->setEchoMode(QLineEdit::Password);
  }
  // "&" marks the accelerator in the documents' prompts as in Qt's labels.
  auto* label = new QLabel(QString::fromStdString(prompt), &dialog);
  label->setObjectName("Prompt");
  label->move(6, 6);
  label->adjustSize();
  label->setBuddy(edit);
  auto* ok = new QPushButton("OK", &dialog);
  ok->setObjectName("BitBtn6");
  ok->setGeometry(49, 55, 75, 25);
  ok->setDefault(true);
  auto* cancel = new QPushButton("Cancel", &dialog);
  cancel->setObjectName("BitBtn7");
  cancel->setGeometry(164, 55, 75, 25);
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
  QWidget::setTabOrder(edit, ok);
  QWidget::setTabOrder(ok, cancel);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    dialog.move(area.left() + (area.width() - 287) / 2, area.top() + (area.height() - 87) / 2);
  }
  edit->setFocus();
  if (dialog.exec() != QDialog::Accepted) return false;
  text = edit->text().toStdString();
  return true;
}
