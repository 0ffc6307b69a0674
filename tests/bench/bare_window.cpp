// The yardstick for the player's start: a Qt program that shows one empty window and ends once
// the window has painted for the first time, as telvo --first-frame does with a menu.

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class TEmptyWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).fillRect(rect(), palette().window());
    QApplication::quit();
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  TEmptyWindow window;
  window.resize(640, 480);
  window.show();
  return application.exec();
}
