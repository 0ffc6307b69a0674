#include "support/golden_image.h"

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "graphics/qt_seam.h"

namespace {

QString PathOf(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

QImage DiffImage(const QImage& expected, const QImage& actual) {
  const int width = std::max(expected.width(), actual.width());
  const int height = std::max(expected.height(), actual.height());
  QImage diff(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const bool same = expected.valid(x, y) && actual.valid(x, y) && expected.pixel(x, y) == actual.pixel(x, y);
      const int grey = expected.valid(x, y) ? qGray(expected.pixel(x, y)) : 0;
      diff.setPixel(x, y, same ? qRgb(128 + grey / 2, 128 + grey / 2, 128 + grey / 2) : qRgb(255, 0, 0));
    }
  return diff;
}

}  // namespace

bool UpdatingGoldenImages() {
  const char* update = std::getenv("TELVO_UPDATE_GOLDEN");
  return update && std::string(update) == "1";
}

testing::AssertionResult MatchesGoldenImage(const TBitmap32& image, const std::filesystem::path& folder,
                                            const std::filesystem::path& work) {
  const QImage actual = WrapAsQImage(image.View()).copy();
  const std::filesystem::path expectedPath = folder / "expected.png";
  if (UpdatingGoldenImages()) {
    std::filesystem::create_directories(folder);
    if (actual.save(PathOf(expectedPath), "PNG")) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "cannot write " << expectedPath;
  }
  QImage expected(PathOf(expectedPath));
  if (expected.isNull())
    return testing::AssertionFailure() << "no expected.png in " << folder << " (TELVO_UPDATE_GOLDEN=1 writes it)";
  expected = expected.convertToFormat(QImage::Format_ARGB32);
  if (expected == actual) return testing::AssertionSuccess();
  std::filesystem::create_directories(work);
  actual.save(PathOf(work / "actual.png"), "PNG");
  DiffImage(expected, actual).save(PathOf(work / "diff.png"), "PNG");
  int differing = 0;
  for (int y = 0; y < std::max(expected.height(), actual.height()); ++y)
    for (int x = 0; x < std::max(expected.width(), actual.width()); ++x)
      differing += !(expected.valid(x, y) && actual.valid(x, y) && expected.pixel(x, y) == actual.pixel(x, y));
  return testing::AssertionFailure() << folder.filename() << ": the render differs from expected.png ("
                                     << actual.width() << " x " << actual.height() << " against " << expected.width()
                                     << " x " << expected.height() << ", " << differing << " pixels differ); see "
                                     << (work / "actual.png") << " and " << (work / "diff.png");
}

std::vector<std::string> GoldenCases(const std::filesystem::path& folder, const std::string& input) {
  std::vector<std::string> cases;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (std::filesystem::exists(entry.path() / input)) cases.push_back(entry.path().filename().string());
  std::sort(cases.begin(), cases.end());
  return cases;
}
