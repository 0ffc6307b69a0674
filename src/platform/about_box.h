#pragma once
// The About box the window's background menu offers.

#include <QString>

class QMessageBox;
class QWidget;

// "Telvo — plays autorun menus on Linux." and the version, on two lines.
QString AboutText();

// Opens the About box over parent, modal to it, and returns at once; the box deletes itself
// when closed.
QMessageBox* OpenAboutBox(QWidget* parent);
