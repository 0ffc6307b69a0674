#include "document/test_classes.h"

const TClassInfo& TTestItem::StaticClass() {
  using C = TTestItem;
  static const TClassInfo* info = TClassBuilder<C>("TTestItem", &TCollectionItem::StaticClass())
                                      .String("Label", Field(&C::m_label))
                                      .Integer("Weight", Field(&C::m_weight))
                                      .Build();
  return *info;
}

const TClassInfo& TTestControl::StaticClass() {
  using C = TTestControl;
  static const TClassInfo* info =
      TClassBuilder<C>("TTestControl", &TGraphicControl::StaticClass())
          .PublishAll("Caption", "Font", "OnClick", "Visible")
          .Integer("Count", Accessors(&C::Count, &C::SetCount))
          .Color("Shade", Field(&C::m_shade))
          .Enum("Mode", Field(&C::m_mode))
          .Bool("Flag", Field(&C::m_flag))
          .Set("Styles", Field(&C::m_styles), kFontStyleType)
          .String("Text", Field(&C::m_text))
          .Char("Letter", Field(&C::m_letter))
          .Float("Ratio", Field(&C::m_ratio))
          .Float("Small", Field(&C::m_small), TFloatType::Single)
          .Float("Money", Field(&C::m_money), TFloatType::Currency)
          .Float("When", Field(&C::m_when), TFloatType::Date)
          .Int64("Big", Field(&C::m_big))
          .Object("Lines", [](C& c) -> TPersistent* { return &c.m_lines; })
          .Object("Picture", [](C& c) -> TPersistent* { return &c.m_picture; })
          .Object("Sound", [](C& c) -> TPersistent* { return &c.m_sound; })
          .Object("Items", [](C& c) -> TPersistent* { return &c.m_items; })
          .Reference("Buddy", Field(&C::m_buddy), TComponent::StaticClass())
          .Integer("Fixed", ReadOnly(&C::Count))
          .Build();
  return *info;
}

const TClassInfo& TTestPanel::StaticClass() {
  static const TClassInfo* info =
      TClassBuilder<TTestPanel>("TTestPanel", &TWinControl::StaticClass()).PublishAll("Caption", "Color").Build();
  return *info;
}

const TClassInfo& TTestTimer::StaticClass() {
  static const TClassInfo* info = TClassBuilder<TTestTimer>("TTestTimer", &TComponent::StaticClass()).Build();
  return *info;
}

const TClassInfo& TTestRoot::StaticClass() {
  static const TClassInfo* info = TClassBuilder<TTestRoot>("TTestRoot", &TWinControl::StaticClass())
                                      .PublishAll("Caption", "Color", "Font")
                                      .Method("FormCreate")
                                      .Build();
  return *info;
}

TClassRegistry& TestRegistry() {
  static TClassRegistry registry = [] {
    TClassRegistry r;
    r.RegisterClass(TTestControl::StaticClass());
    r.RegisterClass(TTestPanel::StaticClass());
    r.RegisterClass(TTestTimer::StaticClass());
    return r;
  }();
  return registry;
}
