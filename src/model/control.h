#pragma once
// Controls: components with a position, a parent and the platform's ordinary control
// properties. TControl and TWinControl keep most of those properties unpublished; each control
// class publishes the ones its stored form uses (TClassBuilder::Publish), as the platform does.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/component.h"
#include "model/font.h"

class TWinControl;
class TCanvas;  // the drawing surface of the graphics layer; the model only passes it on
class TMessageTexts;

enum class TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };
// Keys and buttons held during a pointer event.
using TShiftState = uint32_t;
inline constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32,
                             ssDouble = 64;

TELVO_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom)
TELVO_ENUM(TBiDiMode, bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly)
TELVO_ENUM(TDragKind, dkDrag, dkDock)
TELVO_ENUM(TDragMode, dmManual, dmAutomatic)
TELVO_ENUM(THelpType, htKeyword, htContext)
TELVO_ENUM(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace)
TELVO_ENUM(TBevelKind, bkNone, bkTile, bkSoft, bkFlat)
TELVO_ENUM(TBorderStyle, bsNone, bsSingle)
TELVO_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)
TELVO_ENUM(TImeMode, imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha, imHira, imSKata, imKata, imChinese,
           imSHanguel, imHanguel)
// Set element types (bit n = ordinal n).
extern const TEnumType kAnchorKindType;  // akLeft, akTop, akRight, akBottom
extern const TEnumType kBevelEdgeType;   // beLeft, beTop, beRight, beBottom
inline constexpr uint32_t kAnchorsLeftTop = 0x3;
inline constexpr uint32_t kAllBevelEdges = 0xF;


class TSizeConstraints : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  void Assign(const TPersistent* source) override;

  int32_t m_maxHeight = 0;
  int32_t m_maxWidth = 0;
  int32_t m_minHeight = 0;
  int32_t m_minWidth = 0;
};

// The cursor a control asks of the menu window in run mode: the normal one, the hot one of a
// control that acts when clicked, the edit cursor, or that of a rich text control (which keeps
// the default cursor when the document has neither an edit nor a hot cursor).
enum class TRunModeCursor : uint8_t { Normal, Hot, Edit, RichText };

// A width and a height in pixels.
struct TSize {
  int32_t width = 0;
  int32_t height = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

class TControl : public TComponent {
 public:
  TControl();
  ~TControl() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TWinControl* Parent() const { return m_parent; }
  // Moves the control to the end of newParent's child order (null: no parent).
  void SetParent(TWinControl* newParent);

  int32_t Left() const { return m_left; }
  int32_t Top() const { return m_top; }
  int32_t Width() const { return m_width; }
  int32_t Height() const { return m_height; }
  virtual void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
  void SetLeft(int32_t v) { SetBounds(v, m_top, m_width, m_height); }
  void SetTop(int32_t v) { SetBounds(m_left, v, m_width, m_height); }
  void SetWidth(int32_t v) { SetBounds(m_left, m_top, v, m_height); }
  void SetHeight(int32_t v) { SetBounds(m_left, m_top, m_width, v); }

  const std::string& Caption() const { return m_caption; }
  virtual void SetCaption(std::string caption) { m_caption = std::move(caption); }
  TColor Color() const { return m_color; }
  virtual void SetColor(TColor color) { m_color = color; }
  TFont* Font() { return &m_font; }
  const TFont& Font() const { return m_font; }
  // Copies the parent's font without clearing ParentFont.
  void AssignParentFont(const TFont& font);
  bool ParentFont() const { return m_parentFont; }
  bool Visible() const { return m_visible; }
  virtual void SetVisible(bool visible) { m_visible = visible; }
  bool Enabled() const { return m_enabled; }
  virtual void SetEnabled(bool enabled) { m_enabled = enabled; }
  TCursor Cursor() const { return m_cursor; }
  void SetCursor(TCursor cursor) { m_cursor = cursor; }
  const std::string& Hint() const { return m_hint; }
  bool ShowHint() const { return m_showHint; }
  bool ParentShowHint() const { return m_parentShowHint; }
  TAlign Align() const { return m_align; }
  uint32_t Anchors() const { return m_anchors; }
  bool IsControl() const { return m_isControl; }

  // Called by the menu window after its message texts changed, with the texts; a control that
  // shows one of them reads it again.
  virtual void MessageTextsChanged(const TMessageTexts& texts) { (void)texts; }
  // Called by the parent after its background (colour, gradient or picture) changed; a control
  // that keeps a copy of what lies behind it paints again.
  virtual void ParentBackgroundChanged() {}
  // Called by the menu window on each of its controls that a page switch leaves visible; a
  // control hosting a viewer of its own activates it.
  virtual void PageShown() {}

  // The menu window's switch between design and run mode reaches each of its controls: one with a
  // design mode of its own (its stored DesignMode) takes the window's; the others ignore it.
  virtual void SetDesignMode(bool designMode) { (void)designMode; }
  // The kind of cursor the menu window gives the control in run mode.
  virtual TRunModeCursor RunModeCursorKind() const { return TRunModeCursor::Normal; }

  // Whether the window paints and drives this windowed control as it does the windowless ones,
  // above them all: a windowed control drawn entirely by the project (the skinned music player).
  // Other windowed controls are widgets of their own.
  virtual bool PaintedByWindow() const { return false; }
  // Windowless controls (and those above) are painted and driven by the window that holds them:
  // Paint draws the control into canvas, whose origin is the control's top-left corner; the
  // pointer events carry positions in the control's own coordinates. The defaults do nothing.
  virtual void Paint(TCanvas& canvas) { (void)canvas; }
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    (void)button, (void)shift, (void)x, (void)y;
  }
  virtual void MouseMove(TShiftState shift, int32_t x, int32_t y) { (void)shift, (void)x, (void)y; }
  virtual void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    (void)button, (void)shift, (void)x, (void)y;
  }
  // Asks for the control's area to be painted again (through its parents to the window's host).
  void Invalidate();
  // Set while the control paints into another control's picture of what lies behind it rather
  // than onto its own place, so a paint can leave out what belongs on screen only.
  bool PaintingCopy() const { return m_paintingCopy; }
  void SetPaintingCopy(bool paintingCopy) { m_paintingCopy = paintingCopy; }

 protected:
  int32_t m_left = 0;
  int32_t m_top = 0;
  int32_t m_width = 0;
  int32_t m_height = 0;
  TCursor m_cursor = crDefault;
  std::string m_hint;
  THelpType m_helpType = THelpType::htContext;
  std::string m_helpKeyword;
  int32_t m_helpContext = 0;
  TAlign m_align = TAlign::alNone;
  uint32_t m_anchors = kAnchorsLeftTop;
  bool m_autoSize = false;
  TBiDiMode m_biDiMode = TBiDiMode::bdLeftToRight;
  std::string m_caption;
  TColor m_color = clBtnFace;
  TSizeConstraints m_constraints;
  TCursor m_dragCursor = crDrag;
  TDragKind m_dragKind = TDragKind::dkDrag;
  TDragMode m_dragMode = TDragMode::dmManual;
  bool m_enabled = true;
  TFont m_font;
  bool m_parentBiDiMode = true;
  bool m_parentColor = true;
  bool m_parentFont = true;
  bool m_parentShowHint = true;
  TComponent* m_popupMenu = nullptr;
  bool m_showHint = false;
  bool m_visible = true;
  bool m_isControl = false;

 private:
  friend class TWinControl;
  TWinControl* m_parent = nullptr;
  bool m_assigningParentFont = false;
  bool m_paintingCopy = false;
};

// A windowless control, painted by its parent.
class TGraphicControl : public TControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
};

// A control with a window of its own that may hold child controls.
class TWinControl : public TControl {
 public:
  ~TWinControl() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The size of the area the children live in, in client coordinates from (0, 0).
  virtual TSize ClientSize() const { return {Width(), Height()}; }
  // Child controls in child order (creation order unless moved).
  const std::vector<TControl*>& Controls() const { return m_controls; }
  // Moves child to index in the child order (clamped to the valid range).
  void SetChildOrder(TControl* child, int index);
  // Asks for the area (left, top, width, height in this control's client coordinates) to be
  // painted again; a control without a parent hands it to its invalidate handler.
  virtual void InvalidateArea(int32_t left, int32_t top, int32_t width, int32_t height);
  void SetOnInvalidate(std::function<void(int32_t, int32_t, int32_t, int32_t)> handler) {
    m_onInvalidate = std::move(handler);
  }

 protected:
  int32_t m_tabOrder = -1;
  bool m_tabStop = false;
  bool m_ctl3D = true;
  bool m_parentCtl3D = true;
  bool m_dockSite = false;
  bool m_useDockManager = false;
  uint32_t m_bevelEdges = kAllBevelEdges;
  TBevelCut m_bevelInner = TBevelCut::bvRaised;
  TBevelCut m_bevelOuter = TBevelCut::bvLowered;
  TBevelKind m_bevelKind = TBevelKind::bkNone;
  int32_t m_bevelWidth = 1;
  int32_t m_borderWidth = 0;
  TImeMode m_imeMode = TImeMode::imDontCare;
  std::string m_imeName;
  bool m_parentBackground = true;
  bool m_doubleBuffered = false;
  int32_t m_designWidth = 0;   // stored "DesignSize"; kept, unused
  int32_t m_designHeight = 0;

 private:
  friend class TControl;
  std::vector<TControl*> m_controls;
  std::function<void(int32_t, int32_t, int32_t, int32_t)> m_onInvalidate;
};

// A windowed control that paints itself.
class TCustomControl : public TWinControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
};
