#pragma once
// Small classes with one property of every kind, so the reader is tested without the menu's
// own catalogue.

#include <string>
#include <vector>

#include "model/class_registry.h"
#include "model/collection.h"
#include "model/control.h"
#include "model/custom_data.h"
#include "model/picture.h"
#include "model/strings.h"

TELVO_ENUM(TTestMode, tmFirst, tmSecond, tmThird)

class TTestItem : public TCollectionItem {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  std::string m_label;
  int32_t m_weight = 0;
};

// Records every Loaded call so tests can check the order.
inline std::vector<std::string>& LoadedLog() {
  static std::vector<std::string> log;
  return log;
}

class TTestControl : public TGraphicControl {
 public:
  TTestControl() : m_items(TTestItem::StaticClass()) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  void Loaded() override {
    TGraphicControl::Loaded();
    LoadedLog().push_back(Name());
  }
  int32_t Count() const { return m_count; }
  void SetCount(int32_t v) { m_count = v < 0 ? 0 : v; }  // clamps like many menu setters

  int32_t m_count = 0;
  TColor m_shade = clBlack;
  TTestMode m_mode = TTestMode::tmFirst;
  bool m_flag = false;
  uint32_t m_styles = 0;
  std::string m_text;
  std::string m_letter;
  double m_ratio = 0;
  double m_small = 0;
  double m_money = 0;
  double m_when = 0;
  int64_t m_big = 0;
  TStrings m_lines;
  TPicture m_picture;
  TWaveData m_sound;
  TCollection m_items;
  TComponent* m_buddy = nullptr;
  int32_t m_fixed = 7;
};

class TTestPanel : public TWinControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  void Loaded() override {
    TWinControl::Loaded();
    LoadedLog().push_back(Name());
  }
};

class TTestTimer : public TComponent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
};

class TTestRoot : public TWinControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  void Loaded() override {
    TWinControl::Loaded();
    LoadedLog().push_back("root:" + Name());
  }
};

TClassRegistry& TestRegistry();
