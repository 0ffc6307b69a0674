#include "startup/transition_render.h"

#include <QImage>
#include <iostream>

#include "graphics/qt_seam.h"
#include "transitions/frame_builder.h"

namespace {

// The picture of a PNG file, opaque, or nothing when it cannot be read or is larger than a
// bitmap may be.
std::optional<TBitmap32> ReadPicture(const std::string& path) {
  QImage image;
  if (!image.load(QString::fromStdString(path), "PNG") || image.isNull()) return std::nullopt;
  if (image.width() > kMaxBitmapSide || image.height() > kMaxBitmapSide ||
      int64_t{image.width()} * image.height() > kMaxBitmapPixels)
    return std::nullopt;
  return BitmapFromQImage(image.convertToFormat(QImage::Format_RGB32));
}

int Fail(const std::string& message) {
  std::cerr << "telvo: " << message << "\n";
  return 1;
}

}  // namespace

int RunTransitionCommand(const TCommandLine& line) {
  const TTransitionRenderRequest& request = *line.transition;
  const std::optional<TBitmap32> oldPicture = ReadPicture(request.oldPath);
  if (!oldPicture) return Fail("cannot read the picture " + request.oldPath + " (a PNG file within 16384 pixels a side)");
  const std::optional<TBitmap32> newPicture = ReadPicture(request.newPath);
  if (!newPicture) return Fail("cannot read the picture " + request.newPath + " (a PNG file within 16384 pixels a side)");

  TSeededRandom random(0);
  TBitmap32 frame;
  switch (BuildTransitionFrame(frame, request.style, request.progress, request.step, *oldPicture, *newPicture,
                               random)) {
    case TFrameBuildResult::fbNoSuchStyle:
      return Fail("transition style " + std::to_string(request.style) + " has no frame procedure");
    case TFrameBuildResult::fbSizesDiffer:
      return Fail("the old and new pictures are not of one size");
    case TFrameBuildResult::fbDrawn:
      break;
  }
  if (!WrapAsQImage(frame.View()).convertToFormat(QImage::Format_RGB888).save(QString::fromStdString(request.outPath), "PNG"))
    return Fail("cannot write " + request.outPath);
  return 0;
}
