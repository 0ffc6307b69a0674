#include "platform/music_player_dialogs.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>

int TQtMusicPlayerDialogs::ChooseMenuItem(const std::vector<TPlayerMenuItem>& items) {
  QMenu menu;
  std::vector<QAction*> actions;
  for (const TPlayerMenuItem& item : items) {
    if (item.caption == "-") {
      actions.push_back(menu.addSeparator());
      continue;
    }
    // Captions are shown as they are: no accelerator is taken from an ampersand.
    QAction* action = menu.addAction(QString::fromStdString(item.caption).replace(QLatin1Char('&'), QLatin1String("&&")));
    action->setCheckable(item.checked);
    action->setChecked(item.checked);
    actions.push_back(action);
  }
  QAction* chosen = menu.exec(QCursor::pos());
  const auto found = std::find(actions.begin(), actions.end(), chosen);
  return chosen && found != actions.end() ? static_cast<int>(found - actions.begin()) : -1;
}

QString QtNameFilter(const TFileFilter& filter) {
  QStringList patterns;
  for (const QString& pattern : QString::fromStdString(filter.second).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    QString anyCase;
    for (const QChar c : pattern)
      anyCase += c.isLetter() ? QStringLiteral("[%1%2]").arg(c.toLower(), c.toUpper()) : QString(c);
    patterns << anyCase;
  }
  return QStringLiteral("%1 (%2)").arg(QString::fromStdString(filter.first), patterns.join(QLatin1Char(' ')));
}

std::vector<std::string> TQtMusicPlayerDialogs::ChooseFiles(const std::vector<TFileFilter>& filters) {
  QFileDialog dialog;
  dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  QStringList names;
  for (const TFileFilter& filter : filters) names << QtNameFilter(filter);
  dialog.setNameFilters(names);
  std::vector<std::string> files;
  if (dialog.exec() == QDialog::Accepted)
    for (const QString& file : dialog.selectedFiles()) files.push_back(file.toStdString());
  return files;
}

void TQtMusicPlayerDialogs::ShowMessage(const std::string& text) {
  QMessageBox::warning(nullptr, QApplication::applicationName(), QString::fromStdString(text));
}
