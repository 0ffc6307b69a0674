#pragma once
// Windows on the real X server against the pictures their paint code renders off-screen: show
// a window, wait until the server has mapped it and Qt has painted it, read the server's own
// image of its area and compare. Every window the player opens gets such a test.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include <QImage>
#include <QObject>
#include <QRect>
#include <QWidget>

#include "x11_observer.h"

// The X server's image of a screen area, read through Qt's own connection, so the server has
// carried out every drawing request Qt sent before. (xwd's dump of the root is no stand-in: it
// shows a window black where it overlaps another window when both use a colormap of their own,
// as Qt's windows do, though the server shows them right.)
QImage GrabScreen(const QRect& area);

// Counts the paint events of each window (of the window itself or of any widget in it) while the
// watch lives. Make one just before a window is shown: a modal window may not exist yet then.
class TPaintWatch : public QObject {
 public:
  TPaintWatch();
  ~TPaintWatch() override;
  TPaintWatch(const TPaintWatch&) = delete;
  TPaintWatch& operator=(const TPaintWatch&) = delete;

  bool Painted(const QWidget& window) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::map<const QWidget*, int> m_paints;
};

// How long a window may take to be mapped, exposed and painted; how long after that it may take
// to show its picture.
inline constexpr int kShowTimeoutMs = 5000;
inline constexpr int kSettleMs = 1000;

// Waits until window (a shown top-level window) is mapped as observer sees it, exposed and
// painted as watch saw, then looks at the server's image of its area until it shows picture()
// inside the window's mask (the whole window without one) as far as it lies on the screen:
// colours equal, alpha ignored (each channel may differ by tolerance, for pictures that a
// compositor blends with its own rounding). picture is asked again at every look, since the window may change
// its face meanwhile (the pointer entering it). Fails when the window is not painted within
// kShowTimeoutMs or still shows something else kSettleMs after: the message counts the differing
// pixels, and the screen, the picture and a difference image (the screen, differing pixels red)
// are written as name-screen.png, name-picture.png and name-diff.png in the test's temporary
// folder.
testing::AssertionResult ShowsItsPicture(const QWidget& window, const TPaintWatch& watch, TX11Observer& observer,
                                         const std::function<QImage()>& picture, const std::string& name,
                                         int tolerance = 0);
