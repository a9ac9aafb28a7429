// The push button's life, settings and painting: the owner-drawn window is painted entirely through the
// painter of the button's own look-and-feel (face and border, glyph and caption, the drop-down part,
// the focus rectangle), in the colours of its state.
#include "cxButtons.h"

#include "Forms.h"
#include "RtlMath.h"
#include "WinUser.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "cxControlsTimer.h"
#include "cxGeometry.h"
#include "cxGraphicsFunctions.h"

namespace cxButtons {

TcxCustomLookAndFeelPainterClass GetButtonPainterClass(TcxLookAndFeel* ALookAndFeel) {
  if (TcxCustomLookAndFeelPainterClass skin = ALookAndFeel->GetSkinPainter()) return skin;
  TcxCustomLookAndFeelPainterClass painter = ALookAndFeel->GetPainter();
  if (painter->LookAndFeelStyle() != lfsOffice11) return painter;
  if (AreVisualStylesAvailable(totButton)) return TcxCustomLookAndFeelPainterClass::Of<TcxWinXPLookAndFeelPainter>();
  return TcxCustomLookAndFeelPainterClass::Of<TcxStandardLookAndFeelPainter>();
}

// ---- TcxButtonActionLink ---------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxButtonActionLink)

TcxCustomButton* TcxButtonActionLink::GetClient() const { return dynamic_cast<TcxCustomButton*>(FClientButton); }

void TcxButtonActionLink::SetImageIndex(Integer Value) {
  inherited::SetImageIndex(Value);
  if (TcxCustomButton* button = GetClient()) button->FGlyph->SetImageIndex(Value);
}

void TcxButtonActionLink::Destroy() {
  TcxCustomButton* button = GetClient();
  if (button && !button->ComponentState().Contains(csDestroying)) {
    button->FGlyph->SetImageList(nullptr);
    button->FGlyph->SetImageIndex(-1);
  }
  inherited::Destroy();
}

// ---- TcxCustomButton: life -------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxCustomButton)

IMPLEMENT_CLASS_PUBLISHED(TcxButton) {
  d.Property("AllowAllUp", &TcxCustomButton::GetAllowAllUp, &TcxCustomButton::SetAllowAllUp).Default(false);
  d.Property("CanBeFocused", &TcxCustomButton::GetCanBeFocused, &TcxCustomButton::SetCanBeFocused).Default(true);
  d.Property("Colors", &TcxCustomButton::GetColors, &TcxCustomButton::SetColors)
      .Stored(&TcxCustomButton::IsColorsStored);
  d.Property("Down", &TcxCustomButton::GetDown, &TcxCustomButton::SetDown).Default(false);
  d.Property("DropDownMenu", &TcxCustomButton::GetDropDownMenu, &TcxCustomButton::SetDropDownMenu);
  d.Property("Glyph", &TcxCustomButton::GetGlyph, &TcxCustomButton::SetGlyph);
  d.Property("GroupIndex", &TcxCustomButton::GetGroupIndex, &TcxCustomButton::SetGroupIndex).Default(0);
  d.Property("Kind", &TcxCustomButton::GetKind, &TcxCustomButton::SetKind).Default(cxbkStandard);
  d.Property("Layout", &TcxCustomButton::GetLayout, &TcxCustomButton::SetLayout).Default(blGlyphLeft);
  d.Property("LookAndFeel", &TcxCustomButton::GetLookAndFeel, &TcxCustomButton::SetLookAndFeel);
  d.Property("Margin", &TcxCustomButton::GetMargin, &TcxCustomButton::SetMargin).Default(-1);
  d.Property("NumGlyphs", &TcxCustomButton::GetNumGlyphs, &TcxCustomButton::SetNumGlyphs).Default(1);
  d.Property("PopupAlignment", &TcxCustomButton::GetPopupAlignment, &TcxCustomButton::SetPopupAlignment)
      .Default(Menus::paLeft);
  d.Property("PopupMenu", &TcxCustomButton::GetPopupMenu, &TcxCustomButton::SetPopupMenu);
  d.Property("Spacing", &TcxCustomButton::GetSpacing, &TcxCustomButton::SetSpacing).Default(4);
  d.Property("UseSystemPaint", &TcxCustomButton::GetUseSystemPaint, &TcxCustomButton::SetUseSystemPaint)
      .Default(false);
  d.Property("BiDiMode", &TcxCustomButton::GetBiDiMode, &TcxCustomButton::SetBiDiMode);
  d.Property("Constraints", &TcxCustomButton::GetConstraints, &TcxCustomButton::SetConstraints);
  d.Property("ParentBiDiMode", &TcxCustomButton::GetParentBiDiMode, &TcxCustomButton::SetParentBiDiMode)
      .Default(true);
  d.Property("OnDropDownMenuPopup", &TcxCustomButton::GetOnDropDownMenuPopup,
             &TcxCustomButton::SetOnDropDownMenuPopup);
  d.Property("OnGetDrawParams", &TcxCustomButton::GetOnGetDrawParams, &TcxCustomButton::SetOnGetDrawParams);
}

void TcxCustomButton::Construct() {
  inherited::Construct();
  FGlyph = static_cast<TcxButtonGlyph*>(GetGlyphClass()->Create());
  FGlyph->OnChange = TNotifyEvent(this, &TcxCustomButton::GlyphChanged);
  FColors = New<TcxButtonColors>(this);
  FControlCanvas = New<TControlCanvas>();
  FControlCanvas->SetControl(this);
  FCanvas = New<TcxCanvas>(FControlCanvas);
  FLookAndFeel = New<TcxLookAndFeel>(this);
  FLookAndFeel->OnChanged = TcxLookAndFeelChangedEvent(this, &TcxCustomButton::LookAndFeelChanged);
  SetDoubleBuffered(true);
  ControlStyle.Include(csOpaque);
  ControlStyle.Include(csReflector);
  SetCanBeFocused(true);
  SetGroupIndex(0);
  SetAllowAllUp(false);
  SetDown(false);
}

void TcxCustomButton::Destroy() {
  EndMouseTracking(this);
  FreeAndNil(FLookAndFeel);
  FreeAndNil(FColors);
  FreeAndNil(FGlyph);
  FreeAndNil(FCanvas);
  FreeAndNil(FControlCanvas);
  inherited::Destroy();
}

void TcxCustomButton::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FDropDownMenu) FDropDownMenu = nullptr;
  if (AComponent == FPopupMenu) SetPopupMenu(nullptr);
}

void TcxCustomButton::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  if (!StandardButton()) Params.Style |= BS_OWNERDRAW;
}

// The parent reflects the owner-draw messages to the window it finds by identifier.
void TcxCustomButton::CreateWindowHandle(const TCreateParams& Params) {
  CreateWindowExA(Params.ExStyle, Params.WinClassName.c_str(), Params.Caption.c_str(), Params.Style, Params.X,
                  Params.Y, Params.Width, Params.Height, Params.WndParent, NewChildWindowId(), nullptr, Params.Param);
}

void TcxCustomButton::CreateHandle() {
  inherited::CreateHandle();
  FGlyph->CreateButtonGlyph(GetEnabled() ? cxbsNormal : cxbsDisabled);
}

void TcxCustomButton::DestroyWindowHandle() {
  if (FMenuShown) SendMessage(GetHandle(), CM_CLOSEUPPOPUPMENU, 0, 0);
  inherited::DestroyWindowHandle();
}

void TcxCustomButton::SetButtonStyle(bool ADefault) {
  // An owner-drawn button keeps its window style: the default look is drawn, not a system style.
  if (StandardButton()) return inherited::SetButtonStyle(ADefault);
  if (FDefaultStyle == ADefault) return;
  FDefaultStyle = ADefault;
  Invalidate();
}

// ---- Settings -----------------------------------------------------------------------------------------------
void TcxCustomButton::SetKind(TcxButtonKind Value) {
  if (FKind == Value) return;
  FKind = Value;
  RecreateWnd();
}

void TcxCustomButton::SetLayout(TButtonLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  Invalidate();
}

void TcxCustomButton::SetMargin(Integer Value) {
  if (Value < -1 || FMargin == Value) return;
  FMargin = Value;
  Invalidate();
}

void TcxCustomButton::SetSpacing(Integer Value) {
  if (FSpacing == Value) return;
  FSpacing = Value;
  Invalidate();
}

void TcxCustomButton::SetGlyph(TBitmap* Value) {
  FGlyph->SetGlyph(Value);
  Invalidate();
}

void TcxCustomButton::SetNumGlyphs(TNumGlyphs Value) {
  FGlyph->SetNumGlyphs(Value);
  Invalidate();
}

void TcxCustomButton::SetDropDownMenu(TPopupMenu* Value) {
  if (FDropDownMenu == Value) return;
  if (FDropDownMenu) FDropDownMenu->RemoveFreeNotification(this);
  FDropDownMenu = Value;
  if (FDropDownMenu) FDropDownMenu->FreeNotification(this);
}

void TcxCustomButton::SetPopupMenu(TComponent* Value) {
  if (Value && !dynamic_cast<TPopupMenu*>(Value) && !Supports<IcxPopupMenu>(Value)) Value = nullptr;
  if (FPopupMenu == Value) return;
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = Value;
  if (FPopupMenu) FPopupMenu->FreeNotification(this);
}

void TcxCustomButton::SetUseSystemPaint(bool Value) {
  if (FUseSystemPaint == Value) return;
  FUseSystemPaint = Value;
  RecreateWnd();
}

void TcxCustomButton::SetButtonAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  UpdateSize();
}

void TcxCustomButton::GlyphChanged(TObject* Sender) { Invalidate(); }

void TcxCustomButton::LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) {
  if (FUseSystemPaint) RecreateWnd();
  else Invalidate();
}

TcxCustomLookAndFeelPainterClass TcxCustomButton::GetPainterClass() { return GetButtonPainterClass(FLookAndFeel); }

HPALETTE TcxCustomButton::GetPalette() { return FGlyph->GetGlyph()->GetPalette(); }

void TcxCustomButton::UpdateImageInfo() {
  if (auto* action = dynamic_cast<ActnList::TCustomAction*>(GetAction())) {
    ActnList::TCustomActionList* list = action->GetActionList();
    FGlyph->SetImageList(list ? list->GetImages() : nullptr);
    FGlyph->SetImageIndex(action->GetImageIndex());
  } else {
    FGlyph->SetImageList(nullptr);
    FGlyph->SetImageIndex(-1);
  }
}

void TcxCustomButton::ActionChange(TObject* Sender, bool CheckDefaults) {
  inherited::ActionChange(Sender, CheckDefaults);
  UpdateImageInfo();
}

TClass TcxCustomButton::GetActionLinkClass() const { return TcxButtonActionLink::StaticClass(); }

bool TcxCustomButton::UpdateAction(ActnList::TBasicAction* Action) {
  const bool result = inherited::UpdateAction(Action);
  UpdateImageInfo();
  return result;
}

// ---- Size ------------------------------------------------------------------------------------------------------
TSize TcxCustomButton::GetOptimalSize() {
  TcxScreenCanvas* canvas = cxScreenCanvas();
  canvas->SaveState();
  try {
    canvas->GetFont()->Assign(GetFont());
    String text = RemoveAccelChars(GetCaption());
    if (text.empty()) text = " ";
    const TSize size(canvas->TextWidth(text) + 3 * canvas->TextWidth("R"),
                     MulDiv(canvas->TextHeight("Wg"), 14, 8));
    canvas->RestoreState();
    return size;
  } catch (...) {
    canvas->RestoreState();
    throw;
  }
}

bool TcxCustomButton::CanResize(Integer& NewWidth, Integer& NewHeight) {
  if (FAutoSize) {
    const TSize size = GetOptimalSize();
    NewWidth = size.cx;
    NewHeight = size.cy;
  }
  return inherited::CanResize(NewWidth, NewHeight);
}

void TcxCustomButton::UpdateSize() {
  if (!FAutoSize) return;
  if (ComponentState().Contains(csLoading)) {
    const TSize size = GetOptimalSize();
    SetBounds(GetLeft(), GetTop(), size.cx, size.cy);
  } else {
    SetBounds(GetLeft(), GetTop(), 0, 0);
  }
}

// ---- State -------------------------------------------------------------------------------------------------------
TcxButtonState TcxCustomButton::GetButtonState() {
  if (!GetEnabled()) return cxbsDisabled;
  if (FPressed || (FMenuShown && FKind == cxbkDropDown) || (FDown && GetSpeedButtonMode())) return cxbsPressed;
  if (FHot) return cxbsHot;
  if ((!FDefaultLook && !FDefaultStyle) || GetSpeedButtonMode()) return cxbsNormal;
  return cxbsDefault;
}

bool TcxCustomButton::IsHotTrack() { return !StandardButton() && GetPainterClass()->IsButtonHotTrack() && GetEnabled(); }

bool TcxCustomButton::IsMouseOverHot() {
  if (!IsHotTrack() || !HandleAllocated()) return false;
  POINT p;
  GetCursorPos(&p);
  return WindowFromPoint(p) == GetHandle();
}

bool TcxCustomButton::CanFocus() {
  Forms::TCustomForm* form = GetParentForm(this);
  if (!form) return false;
  for (TWinControl* control = this; control && control != form; control = control->GetParent())
    if (!control->GetVisible() || !control->GetEnabled()) return false;
  return FCanBeFocused || ComponentState().Contains(csDesigning);
}

TRect TcxCustomButton::GetMenuButtonBounds() {
  switch (FKind) {
    case cxbkDropDown: return GetClientRect();
    case cxbkDropDownButton: {
      TRect r = GetClientRect();
      r.left = r.right - cxDropDownButtonWidth;
      return r;
    }
    default: return TRect(0, 0, 0, 0);
  }
}

TRect TcxCustomButton::GetBorderRect(TcxButtonState AState) {
  const Integer border = GetPainterClass()->ButtonBorderSize(AState);
  TRect r = cxRectInflate(GetClientRect(), -border, -border);
  if (FKind == cxbkDropDownButton) r.right -= cxDropDownButtonMainPartOffset;
  return r;
}

TRect TcxCustomButton::GetContentRect() { return GetBorderRect(cxbsDefault); }

// ---- Painting -----------------------------------------------------------------------------------------------------
void TcxCustomButton::DrawItem(const DRAWITEMSTRUCT& AItem) {
  FControlCanvas->SetHandle(AItem.hDC);
  if (!FOwnPress) FPressed = (AItem.itemState & ODS_SELECTED) != 0;
  else FPressed = FPressed && GetSpeedButtonMode();
  FDefaultLook = (AItem.itemState & ODS_FOCUS) != 0 || (GetDefault() && ComponentState().Contains(csDesigning));
  try {
    InternalPaint();
  } catch (...) {
    FControlCanvas->SetHandle(nullptr);
    throw;
  }
  FControlCanvas->SetHandle(nullptr);
}

void TcxCustomButton::InitializeCanvasColors(TcxButtonState& AState, TColor& AColor, TColor& ATextColor) {
  AState = GetButtonState();
  FCanvas->GetFont()->Assign(GetFont());
  AColor = FColors->GetColorByState(AState);
  ATextColor = FColors->GetTextColorByState(AState);
  if (ATextColor == cxButtonColorNotSet) ATextColor = GetPainterClass()->ButtonSymbolColor(AState, GetFont()->GetColor());
  FCanvas->GetFont()->SetColor(ATextColor);
}

void TcxCustomButton::InternalPaint() {
  if (StandardButton()) return;
  TcxCustomLookAndFeelPainterClass painter = GetPainterClass();
  const bool native = painter == TcxCustomLookAndFeelPainterClass::Of<TcxWinXPLookAndFeelPainter>();
  TRect r = GetClientRect();
  if (native) {
    TdxTheme theme = OpenTheme(totButton);
    if (theme && IsThemeBackgroundPartiallyTransparent(theme, BP_PUSHBUTTON, PBS_NORMAL))
      cxDrawThemeParentBackground(this, FCanvas, r);
  } else if (FLookAndFeel->GetSkinPainter()) {
    cxDrawTransparentControlBackground(this, FCanvas, r, true);
  }
  TRect menuPart;
  if (FKind == cxbkDropDown) {
    FPressed = FMenuShown;
  } else if (FKind == cxbkDropDownButton) {
    menuPart = TRect(r.right - cxDropDownButtonWidth, r.top, r.right, r.bottom);
    r.right -= cxDropDownButtonMainPartOffset;
  }
  TcxButtonState state;
  TColor color, textColor;
  InitializeCanvasColors(state, color, textColor);
  if (OnGetDrawParams) OnGetDrawParams(this, state, color, FCanvas->GetFont());
  const TColor fontColor = FCanvas->GetFont()->GetColor();
  painter->DrawButton(FCanvas, r, "", state, true, color, fontColor, false);

  const Integer shift = painter->ButtonTextShift();
  const TPoint offset = state == cxbsPressed && shift != 0 ? TPoint(shift, shift) : TPoint(0, 0);
  FCanvas->SaveClipRegion();
  try {
    FCanvas->IntersectClipRect(GetBorderRect(state));
    UpdateImageInfo();
    FGlyph->Draw(FCanvas, GetContentRect(), offset, GetCaption(), FLayout, FMargin, FSpacing, state,
                 DrawTextBiDiModeFlags(0), native);
  } catch (...) {
    FCanvas->RestoreClipRegion();
    throw;
  }
  FCanvas->RestoreClipRegion();

  if (FKind == cxbkDropDownButton) {
    TcxButtonState menuState = state;
    if (FMenuShown) menuState = cxbsPressed;
    else if (state == cxbsPressed) menuState = FDefaultStyle ? cxbsHot : cxbsNormal;
    painter->DrawButton(FCanvas, menuPart, "", menuState, true, color, fontColor, false);
    painter->DrawScrollBarArrow(FCanvas, menuPart, menuState, adDown);
  }
  if (CanFocus() && Focused() && !FMenuShown) FCanvas->DrawFocusRect(painter->ButtonFocusRect(FCanvas, r));
}

void InitButtons() { RegisterClass(TcxButton::StaticClass()); }

}  // namespace cxButtons
