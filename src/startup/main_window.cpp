#include "startup/main_window.h"

#include <memory>

#include "document/byte_source.h"
#include "document/component_reader.h"
#include "document/text_form.h"

namespace {

constexpr std::string_view kBuiltInDescription = R"(object frmMain: TfrmMain
  Left = 184
  Top = 180
  Width = 408
  Height = 327
  Caption = 'Telvo'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  OnCloseQuery = FormCloseQuery
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  OnKeyDown = FormKeyDown
  OnResize = FormResize
  PixelsPerInch = 96
  TextHeight = 13
end
)";

}  // namespace

TfrmMain* CreateMainWindow(TComponent& application) {
  static const std::vector<uint8_t> stream = ObjectTextToBinary(kBuiltInDescription);
  auto* window = static_cast<TfrmMain*>(application.InsertComponent(std::make_unique<TfrmMain>()));
  TMemorySource source(stream);
  TStreamInput input(source);
  // The description holds no classes, so an empty registry serves.
  ReadRootComponent(input, *window, TClassRegistry());
  return window;
}
