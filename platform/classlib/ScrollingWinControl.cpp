// Scrolling controls: the content's extent from the children, the window's scroll bars that show
// when it does not fit, scrolling by the bars' messages and by ScrollInView, and the children
// moved as the content scrolls.
#include <algorithm>

#include "Forms.h"
#include "RtlMath.h"
#include "WinPaint.h"
#include "WinScrollBars.h"
#include "WinUser.h"

namespace Forms {

// ---- TControlScrollBar ------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TControlScrollBar) {
  d.Property("Increment", &TControlScrollBar::GetIncrement, &TControlScrollBar::SetIncrement).Default(8);
  d.Property("Margin", &TControlScrollBar::GetMargin, &TControlScrollBar::SetMargin).Default(0);
  d.Property("Range", &TControlScrollBar::GetRange, &TControlScrollBar::SetRange)
      .Default(0)
      .Stored(&TControlScrollBar::IsRangeStored);
  d.Property("Tracking", &TControlScrollBar::GetTracking, &TControlScrollBar::SetTracking).Default(false);
  d.Property("Visible", &TControlScrollBar::GetVisible, &TControlScrollBar::SetVisible).Default(true);
}

void TControlScrollBar::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TControlScrollBar*>(Source)) {
    FIncrement = s->FIncrement;
    FMargin = s->FMargin;
    FTracking = s->FTracking;
    FVisible = s->FVisible;
    SetRange(s->FRange);
    SetPosition(s->FPosition);
    return;
  }
  inherited::Assign(Source);
}

Integer TControlScrollBar::ControlSize() {
  if (!FControl) return 0;
  TRect r = FControl->GetClientRect();
  return FKind == sbHorizontal ? r.Width() : r.Height();
}

// A range computed from the children is not stored: reading it back would turn AutoScroll off.
bool TControlScrollBar::IsRangeStored() const { return !FControl || !FControl->GetAutoScroll(); }

// Whether the bar shows is decided on the client area as it is without the control's own bars, less
// the other bar where the content needs that one: deciding on the current client area would keep
// both bars once shown, each taking the room the other's content then lacks.
bool TControlScrollBar::IsScrollBarVisible() {
  if (!FControl) return FVisible && FRange > 0;
  bool horz = false, vert = false;
  FControl->NeededScrollBars(horz, vert);
  return FKind == sbHorizontal ? horz : vert;
}

void TControlScrollBar::SetPosition(Integer Value) {
  Integer limit = std::max<Integer>(0, FRange - ControlSize());
  Value = std::clamp<Integer>(Value, 0, limit);
  if (Value == FPosition) return;
  Integer delta = FPosition - Value;
  FPosition = Value;
  if (FControl) {
    if (FKind == sbHorizontal) FControl->ScrollBy(delta, 0);
    else FControl->ScrollBy(0, delta);
    if (FControl->HandleAllocated())
      SetScrollPos(FControl->GetHandle(), FKind == sbHorizontal ? SB_HORZ : SB_VERT, FPosition, TRUE);
  }
}

void TControlScrollBar::SetRange(Integer Value) {
  if (FControl) FControl->FAutoScroll = false;
  SetAutoRange(Value);
}

void TControlScrollBar::SetAutoRange(Integer Value) {
  FRange = std::max<Integer>(0, Value);
  if (FControl) FControl->UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool Value) {
  FVisible = Value;
  if (FControl) FControl->UpdateScrollBars();
}

// The window's bar shows the range and the visible page; a position beyond what the range now
// allows comes back into it.
void TControlScrollBar::Update() {
  if (!FControl) return;
  bool show = IsScrollBarVisible();
  if (FControl->HandleAllocated()) {
    HWND h = FControl->GetHandle();
    int bar = FKind == sbHorizontal ? SB_HORZ : SB_VERT;
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = show ? FRange - 1 : 0;
    si.nPage = show ? static_cast<UINT>(ControlSize()) : 0;
    si.nPos = show ? FPosition : 0;
    SetScrollInfo(h, bar, &si, TRUE);
    ShowScrollBar(h, bar, show);
  }
  SetPosition(show ? FPosition : 0);
}

void TControlScrollBar::ScrollMessage(WORD Code, Integer Pos) {
  Integer page = std::max<Integer>(1, ControlSize() * 9 / 10);
  switch (Code) {
    case SB_LINEUP: SetPosition(FPosition - FIncrement); break;
    case SB_LINEDOWN: SetPosition(FPosition + FIncrement); break;
    case SB_PAGEUP: SetPosition(FPosition - page); break;
    case SB_PAGEDOWN: SetPosition(FPosition + page); break;
    case SB_THUMBPOSITION: SetPosition(Pos); break;
    case SB_THUMBTRACK:
      if (FTracking) SetPosition(Pos);
      break;
    case SB_TOP: SetPosition(0); break;
    case SB_BOTTOM: SetPosition(FRange); break;
    default: break;
  }
}

// ---- TScrollingWinControl ---------------------------------------------------------------------------
IMPLEMENT_CLASS(TScrollingWinControl)

void TScrollingWinControl::Construct() {
  inherited::Construct();
  FHorzScrollBar = New<TControlScrollBar>(this, sbHorizontal);
  FVertScrollBar = New<TControlScrollBar>(this, sbVertical);
}

void TScrollingWinControl::Destroy() {
  FreeAndNil(FHorzScrollBar);
  FreeAndNil(FVertScrollBar);
  inherited::Destroy();
}

void TScrollingWinControl::CreateWnd() {
  inherited::CreateWnd();
  UpdateScrollBars();
}

void TScrollingWinControl::SetAutoScroll(bool Value) {
  if (FAutoScroll == Value) return;
  FAutoScroll = Value;
  if (Value) CalcAutoRange();
  else {
    FHorzScrollBar->SetAutoRange(0);
    FVertScrollBar->SetAutoRange(0);
  }
}

// The children are laid out on the whole content, moved by how far it is scrolled.
void TScrollingWinControl::AdjustClientRect(TRect& Rect) {
  if (FHorzScrollBar && FVertScrollBar) {
    Rect = Bounds(-FHorzScrollBar->FPosition, -FVertScrollBar->FPosition,
                  std::max<Integer>(FHorzScrollBar->FRange, Rect.Width()),
                  std::max<Integer>(FVertScrollBar->FRange, Rect.Height()));
  }
  inherited::AdjustClientRect(Rect);
}

void TScrollingWinControl::AlignControls(TControl* AControl, TRect& Rect) {
  inherited::AlignControls(AControl, Rect);
  CalcAutoRange();
}

// The content reaches as far as the farthest child that stays where it is put (not aligned to or
// anchored at the far edge), plus the bar's margin.
void TScrollingWinControl::CalcAutoRange() {
  if (!FAutoScroll || !FHorzScrollBar || ComponentState().Contains(csLoading)) return;
  Integer right = 0, bottom = 0;
  for (Integer i = 0; i < ControlCount(); ++i) {
    TControl* c = GetControl(i);
    if (!c->GetVisible()) continue;
    TAlign a = c->GetAlign();
    TAnchors anchors = c->GetAnchors();
    if ((a == alNone || a == alLeft) && !anchors.Contains(akRight))
      right = std::max<Integer>(right, c->GetLeft() + c->GetWidth() + FHorzScrollBar->FPosition + FHorzScrollBar->FMargin);
    if ((a == alNone || a == alTop) && !anchors.Contains(akBottom))
      bottom = std::max<Integer>(bottom, c->GetTop() + c->GetHeight() + FVertScrollBar->FPosition + FVertScrollBar->FMargin);
  }
  FHorzScrollBar->FRange = right;
  FVertScrollBar->FRange = bottom;
  UpdateScrollBars();
}

// One bar showing narrows the other's page, so the first is looked at again after the second.
void TScrollingWinControl::ChangeScale(Integer M, Integer D) {
  ScaleScrollBars(M, D);
  inherited::ChangeScale(M, D);
}

void TScrollingWinControl::ScaleScrollBars(Integer M, Integer D) {
  if (M == D || D == 0 || FAutoScroll) return;
  FHorzScrollBar->SetRange(MulDiv(FHorzScrollBar->GetRange(), M, D));
  FVertScrollBar->SetRange(MulDiv(FVertScrollBar->GetRange(), M, D));
}

void TScrollingWinControl::NeededScrollBars(bool& Horz, bool& Vert) {
  TRect client = GetClientRect();
  Integer width = client.Width(), height = client.Height();
  Integer barWidth = GetSystemMetrics(SM_CXVSCROLL), barHeight = GetSystemMetrics(SM_CYHSCROLL);
  if (HandleAllocated()) {
    DWORD style = static_cast<DWORD>(GetWindowLong(GetHandle(), GWL_STYLE));
    if (style & WS_VSCROLL) width += barWidth;
    if (style & WS_HSCROLL) height += barHeight;
  }
  auto needs = [](TControlScrollBar* Bar, Integer Extent) { return Bar->FVisible && Bar->FRange > Extent; };
  Vert = needs(FVertScrollBar, height);
  Horz = needs(FHorzScrollBar, width - (Vert ? barWidth : 0));
  // A horizontal bar takes rows from the height, which can bring the vertical bar; the horizontal
  // one is then needed all the more.
  if (Horz && !Vert) Vert = needs(FVertScrollBar, height - barHeight);
}

void TScrollingWinControl::UpdateScrollBars() {
  if (FUpdatingScrollBars || !FHorzScrollBar || !FVertScrollBar || ComponentState().Contains(csLoading) ||
      ComponentState().Contains(csDestroying))
    return;
  FUpdatingScrollBars = true;
  try {
    FHorzScrollBar->Update();
    FVertScrollBar->Update();
    FHorzScrollBar->Update();
  } catch (...) {
    FUpdatingScrollBars = false;
    throw;
  }
  FUpdatingScrollBars = false;
}

void TScrollingWinControl::ScrollInView(TControl* AControl) {
  if (!AControl || !ContainsControl(AControl) || AControl == this || !HandleAllocated()) return;
  Integer mh = FHorzScrollBar->FMargin, mv = FVertScrollBar->FMargin;
  TPoint tl = ScreenToClient(AControl->ClientToScreen(TPoint(-mh, -mv)));
  TPoint br = ScreenToClient(AControl->ClientToScreen(TPoint(AControl->GetWidth() + mh, AControl->GetHeight() + mv)));
  TRect client = GetClientRect();
  if (tl.x < 0) {
    FHorzScrollBar->SetPosition(FHorzScrollBar->FPosition + tl.x);
  } else if (br.x > client.Width()) {
    if (br.x - tl.x > client.Width()) br.x = tl.x + client.Width();
    FHorzScrollBar->SetPosition(FHorzScrollBar->FPosition + br.x - client.Width());
  }
  if (tl.y < 0) {
    FVertScrollBar->SetPosition(FVertScrollBar->FPosition + tl.y);
  } else if (br.y > client.Height()) {
    if (br.y - tl.y > client.Height()) br.y = tl.y + client.Height();
    FVertScrollBar->SetPosition(FVertScrollBar->FPosition + br.y - client.Height());
  }
}

void TScrollingWinControl::AutoScrollInView(TControl* AControl) {
  if (AControl && FAutoScroll && !AControl->ComponentState().Contains(csLoading) &&
      !ComponentState().Contains(csLoading))
    ScrollInView(AControl);
}

void TScrollingWinControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (Message.LParam == 0) {
        TControlScrollBar* bar = Message.Msg == WM_HSCROLL ? FHorzScrollBar : FVertScrollBar;
        bar->ScrollMessage(Message.WParamLo(), static_cast<int16_t>(Message.WParamHi()));
        Message.Result = 0;
        return;
      }
      break;
    case WM_SIZE:
      inherited::Dispatch(Message);
      UpdateScrollBars();
      return;
    default: break;
  }
  inherited::Dispatch(Message);
}

}  // namespace Forms

namespace Controls {

// The children move with the content; aligned ones follow through the realignment, which sees the
// new scroll position.
void TWinControl::ScrollBy(Integer DeltaX, Integer DeltaY) {
  if (DeltaX == 0 && DeltaY == 0) return;
  DisableAlign();
  try {
    for (TControl* c : std::vector<TControl*>(FControls)) {
      c->FAnchorMove = true;
      c->SetBounds(c->FLeft + DeltaX, c->FTop + DeltaY, c->FWidth, c->FHeight);
      c->FAnchorMove = false;
    }
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
  Invalidate();
}

}  // namespace Controls
