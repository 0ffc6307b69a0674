#pragma once
// A picture of the test data, prepared as the splash and viewer windows show it.

#include <optional>
#include <stdexcept>
#include <string>

#include "controls/test_pictures.h"
#include "window/splash_picture.h"

// The file of the test data as a picture of format, prepared (shaped or not); throws when it
// does not decode.
inline TSplashPicture PreparedTestPicture(TPictureFormat format, const std::string& file, bool shaped) {
  TPicture picture;
  SetTestDataPicture(picture, format, file);
  std::optional<TSplashPicture> prepared = TSplashPicture::Prepare(picture, shaped);
  if (!prepared) throw std::runtime_error(file + " does not decode");
  return std::move(*prepared);
}
