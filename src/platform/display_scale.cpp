#include "platform/display_scale.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtMath>

#include <algorithm>
#include <cstdlib>

namespace {

std::optional<std::string> Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::optional<std::string>(value) : std::nullopt;
}

}  // namespace

TDisplayScaleSetup::TDisplayScaleSetup(std::optional<int32_t> scale) {
  // Whole factors only: a fractional one would make some menu pixels one device pixel wide and
  // others two.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Floor);
  if (!scale) return;
  // The screen's own ratio and per-screen factors are left out; the global factor is the scale.
  const std::pair<const char*, std::optional<std::string>> wanted[] = {
      {"QT_ENABLE_HIGHDPI_SCALING", "0"},
      {"QT_SCREEN_SCALE_FACTORS", std::nullopt},
      {"QT_SCALE_FACTOR", std::to_string(*scale)},
  };
  for (const auto& [name, value] : wanted) {
    m_saved.emplace_back(name, Variable(name));
    if (value)
      setenv(name, value->c_str(), 1);
    else
      unsetenv(name);
  }
}

TDisplayScaleSetup::~TDisplayScaleSetup() {
  for (const auto& [name, value] : m_saved) {
    if (value)
      setenv(name.c_str(), value->c_str(), 1);
    else
      unsetenv(name.c_str());
  }
}

int32_t WindowScale(const QWidget& window) { return std::max(1, qRound(window.devicePixelRatioF())); }
