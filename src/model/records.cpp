#include "model/records.h"

const TClassInfo& TKIVUserVersion::StaticClass() {
  using C = TKIVUserVersion;
  static const TClassInfo* info = TClassBuilder<C>("TKIVUserVersion", &TPersistent::StaticClass())
                                      .Integer("FileVerMajor", Field(&C::m_fileVerMajor))
                                      .Integer("FileVerMinor", Field(&C::m_fileVerMinor))
                                      .Integer("FileVerRelease", Field(&C::m_fileVerRelease))
                                      .Integer("FileVerBuild", Field(&C::m_fileVerBuild))
                                      .String("Description", Field(&C::m_description))
                                      .String("Copyright", Field(&C::m_copyright))
                                      .String("Comments", Field(&C::m_comments))
                                      .String("Company", Field(&C::m_company))
                                      .Build();
  return *info;
}

void TKIVUserVersion::Assign(const TPersistent* source) {
  const TKIVUserVersion empty;
  const auto* from = source ? As<TKIVUserVersion>(source) : &empty;
  if (!from) AssignError(source);
  m_fileVerMajor = from->m_fileVerMajor;
  m_fileVerMinor = from->m_fileVerMinor;
  m_fileVerRelease = from->m_fileVerRelease;
  m_fileVerBuild = from->m_fileVerBuild;
  m_description = from->m_description;
  m_copyright = from->m_copyright;
  m_comments = from->m_comments;
  m_company = from->m_company;
}

const TClassInfo& TKIVTextTranslation::StaticClass() {
  static const TClassInfo* info = [] {
    TClassBuilder<TKIVTextTranslation> builder("TKIVTextTranslation", &TPersistent::StaticClass());
    for (size_t i = 0; i < kMessageKeyCount; ++i) {
      auto key = static_cast<TMessageKey>(i);
      builder.String(MessageKeyName(key),
                     {[key](const TKIVTextTranslation& t) { return t.Text(key); },
                      [key](TKIVTextTranslation& t, std::string v) { t.SetText(key, std::move(v)); }});
    }
    return builder.Build();
  }();
  return *info;
}

void TKIVTextTranslation::Assign(const TPersistent* source) {
  const TKIVTextTranslation empty;
  const auto* from = source ? As<TKIVTextTranslation>(source) : &empty;
  if (!from) AssignError(source);
  m_texts = from->m_texts;
}

const TClassInfo& TKIVControlIA::StaticClass() {
  using C = TKIVControlIA;
  static const TClassInfo* info = TClassBuilder<C>("TKIVControlIA", &TPersistent::StaticClass())
                                      .Enum("ControlType", Field(&C::m_controlType))
                                      .String("ControlName", Field(&C::m_controlName))
                                      .String("Action", Field(&C::m_action))
                                      .String("Parameter", Field(&C::m_parameter))
                                      .Build();
  return *info;
}

void TKIVControlIA::Assign(const TPersistent* source) {
  const auto* from = As<TKIVControlIA>(source);
  if (!from) return;
  m_controlType = from->m_controlType;
  m_controlName = from->m_controlName;
  m_action = from->m_action;
  m_parameter = from->m_parameter;
}
