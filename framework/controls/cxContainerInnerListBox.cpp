#include "cxContainerInnerListBox.h"

#include "DateTime.h"
#include "Forms.h"
#include "Multibyte.h"
#include "WinUser.h"
#include "cxContainerInternal.h"
#include "cxContainerUtils.h"
#include "cxControlsInternal.h"
#include "cxGeometry.h"

namespace cxContainer {

IMPLEMENT_CLASS_PUBLISHED(TcxCustomInnerListBox) {
  d.Property("AutoCompleteDelay", &TcxCustomInnerListBox::GetAutoCompleteDelay,
             &TcxCustomInnerListBox::SetAutoCompleteDelay)
      .Default(500);
}

// ---- Life ---------------------------------------------------------------------------------------------
void TcxCustomInnerListBox::Construct() {
  inherited::Construct();
  FAutoCompleteDelay = 500;
  FCanvas = New<TcxCanvas>(inherited::GetCanvas());
  CreateScrollBars();
  FLookAndFeel = New<TcxLookAndFeel>(this);
  FLookAndFeel->OnChanged = TcxLookAndFeelChangedEvent(this, &TcxCustomInnerListBox::LookAndFeelChangeHandler);
  FHScrollBar->GetLookAndFeel()->SetMasterLookAndFeel(FLookAndFeel);
  FVScrollBar->GetLookAndFeel()->SetMasterLookAndFeel(FLookAndFeel);
  SetBorderStyle(bsNone);
  ControlStyle.Exclude(csOpaque).Include(csDoubleClicks);
  SetParentColor(false);
  SetParentFont(true);
}

void TcxCustomInnerListBox::Destroy() {
  // Bars placed on the parent are freed with it; the list box frees those it still keeps.
  for (TcxScrollBar** bar : {&FHScrollBar, &FVScrollBar})
    if (*bar && !(*bar)->GetParent()) FreeAndNil(*bar);
  FreeAndNil(FLookAndFeel);
  FreeAndNil(FCanvas);
  inherited::Destroy();
}

void TcxCustomInnerListBox::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FHScrollBar) FHScrollBar = nullptr;
  if (AComponent == FVScrollBar) FVScrollBar = nullptr;
}

TcxScrollBar* TcxCustomInnerListBox::CreateScrollBar(TScrollBarKind AKind) {
  auto* bar = CreateComponent<TcxScrollBar>(this);
  bar->SetKind(AKind);
  bar->SetSmallChange(1);
  bar->SetVisible(false);
  bar->FreeNotification(this);
  bar->OnScroll = TScrollEvent(this, AKind == sbHorizontal ? &TcxCustomInnerListBox::HScrollHandler
                                                           : &TcxCustomInnerListBox::VScrollHandler);
  return bar;
}

void TcxCustomInnerListBox::CreateScrollBars() {
  FHScrollBar = CreateScrollBar(sbHorizontal);
  FVScrollBar = CreateScrollBar(sbVertical);
}

void TcxCustomInnerListBox::LookAndFeelChangeHandler(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) {
  LookAndFeelChanged(Sender, AChangedValues);
}

void TcxCustomInnerListBox::LookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues) {
  if (HandleAllocated()) Invalidate();
}

TComponent* TcxCustomInnerListBox::GetPopupMenu() const {
  return FContainer ? FContainer->GetPopupMenu() : inherited::GetPopupMenu();
}

// ---- Auto-complete --------------------------------------------------------------------------------------
Integer TcxCustomInnerListBox::FindAutoCompleteString(const String& AText) {
  if (IsVirtual()) return DoFindData(AText);
  return static_cast<Integer>(
      SendMessage(GetHandle(), LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(AText.c_str())));
}

bool TcxCustomInnerListBox::TakeMultiByteCharacter(char ALeadByte) {
  const auto lead = static_cast<unsigned char>(ALeadByte);
  const int trail = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
  String character(1, ALeadByte);
  MSG msg;
  // The rest of the character comes as the characters queued next; an incomplete one is dropped.
  while (static_cast<int>(character.size()) <= trail &&
         PeekMessage(&msg, GetHandle(), WM_CHAR, WM_CHAR, PM_NOREMOVE) && (msg.wParam & 0xC0) == 0x80) {
    PeekMessage(&msg, GetHandle(), WM_CHAR, WM_CHAR, PM_REMOVE);
    character += static_cast<char>(msg.wParam);
  }
  if (static_cast<int>(character.size()) != trail + 1) return false;
  FAutoCompleteFilter += character;
  return true;
}

void TcxCustomInnerListBox::DoAutoComplete(char& Key) {
  if (!GetAutoComplete()) return;
  const Cardinal now = GetTickCount();
  if (now - FPrevKeyPressTime >= FAutoCompleteDelay) FAutoCompleteFilter.clear();
  FPrevKeyPressTime = now;
  const auto c = static_cast<unsigned char>(Key);
  if (c == VK_BACK) {
    // The last whole character goes, however many bytes it has.
    if (!FAutoCompleteFilter.empty()) {
      const char* start = FAutoCompleteFilter.c_str();
      FAutoCompleteFilter.resize(static_cast<size_t>(CharPrev(start, start + FAutoCompleteFilter.size()) - start));
    }
  } else if (IsDBCSLeadByte(c)) {
    if (TakeMultiByteCharacter(Key)) Key = 0;
  } else if ((c & 0xC0) != 0x80) {
    FAutoCompleteFilter += Key;  // a continuation byte without its lead byte is no character
  }
  if (FAutoCompleteFilter.empty()) {
    SetItemIndex(0);
    Click();
    return;
  }
  const Integer index = FindAutoCompleteString(FAutoCompleteFilter);
  if (index >= 0) {
    if (GetMultiSelect()) {
      ClearSelection();
      SendMessage(GetHandle(), LB_SELITEMRANGE, TRUE, MAKELPARAM(static_cast<WORD>(index), static_cast<WORD>(index)));
    }
    SetItemIndex(index);
    Click();
  }
  // The list box's own one-character search is not wanted.
  if (Key != VK_BACK && Key != VK_RETURN && Key != VK_ESCAPE) Key = 0;
}

// ---- Keys ---------------------------------------------------------------------------------------------
void TcxCustomInnerListBox::KeyPress(char& Key) {
  if (Key == VK_TAB) Key = 0;
  if (Key != 0 && FContainer) _TcxContainerAccess::KeyPress(FContainer, Key);
  if (Key == VK_RETURN) Key = 0;
  if (Key == 0) return;
  if (OnKeyPress) OnKeyPress(this, Key);
  if (Key != 0) DoAutoComplete(Key);
}

void TcxCustomInnerListBox::KeyDown(Word& Key, TShiftState Shift) {
  if (FContainer) _TcxContainerAccess::KeyDown(FContainer, Key, Shift);
  if (Key != 0) inherited::KeyDown(Key, Shift);
}

void TcxCustomInnerListBox::KeyUp(Word& Key, TShiftState Shift) {
  if (Key == VK_TAB) Key = 0;
  if (FContainer) _TcxContainerAccess::KeyUp(FContainer, Key, Shift);
  if (Key != 0) inherited::KeyUp(Key, Shift);
}

// ---- Mouse and focus ----------------------------------------------------------------------------------------
void TcxCustomInnerListBox::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  if (!FContainer) return;
  FContainer->FInnerControlMouseDown = true;
  TcxContainer* container = FContainer;
  TFinally done([container] { container->FInnerControlMouseDown = false; });
  _TcxContainerAccess::MouseDown(FContainer, Button, Shift, X + GetLeft(), Y + GetTop());
}

void TcxCustomInnerListBox::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseMove(Shift, X, Y);
  if (FContainer) _TcxContainerAccess::MouseMove(FContainer, Shift, X + GetLeft(), Y + GetTop());
}

void TcxCustomInnerListBox::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  if (FContainer) _TcxContainerAccess::MouseUp(FContainer, Button, Shift, X + GetLeft(), Y + GetTop());
}

void TcxCustomInnerListBox::Click() {
  inherited::Click();
  if (FContainer) _TcxContainerAccess::Click(FContainer);
  if (FVScrollBar && HandleAllocated()) FVScrollBar->SetPosition(GetTopIndex());
}

void TcxCustomInnerListBox::DblClick() {
  inherited::DblClick();
  if (FContainer) _TcxContainerAccess::DblClick(FContainer);
}

bool TcxCustomInnerListBox::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) {
  if (FContainer && _TcxContainerAccess::DoMouseWheel(FContainer, Shift, WheelDelta, MousePos)) return true;
  return inherited::DoMouseWheel(Shift, WheelDelta, MousePos);
}

void TcxCustomInnerListBox::DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept) {
  if (FContainer) _TcxContainerAccess::DragOver(FContainer, Source, X + GetLeft(), Y + GetTop(), State, Accept);
}

void TcxCustomInnerListBox::DragDrop(TObject* Source, Integer X, Integer Y) {
  if (FContainer) FContainer->DragDrop(Source, X + GetLeft(), Y + GetTop());
}

void TcxCustomInnerListBox::WMLButtonDown(TMessage& Message) {
  if (!FContainer || FContainer->GetDragMode() != dmAutomatic || FContainer->IsDesigning())
    return inherited::Dispatch(Message);
  // The container drags, not the list box: the list box stays manual meanwhile.
  SetDragMode(dmManual);
  TFinally restore([this] { SetDragMode(dmAutomatic); });
  const TShiftState shift = KeysToShiftState(static_cast<WORD>(Message.WParam));
  const bool multi = GetMultiSelect();
  const TPoint p(static_cast<int16_t>(Message.LParamLo()), static_cast<int16_t>(Message.LParamHi()));
  if (multi && (!shift.Contains(ssShift) || shift.Contains(ssCtrl))) {
    const Integer index = ItemAtPos(p, true);
    if (index >= 0 && GetSelected(index)) {
      FContainer->BeginDrag(false);
      return;
    }
  }
  inherited::Dispatch(Message);
  if (!(multi && (shift.Contains(ssCtrl) || shift.Contains(ssShift)))) FContainer->BeginDrag(false);
}

// ---- Scroll bars --------------------------------------------------------------------------------------------
void TcxCustomInnerListBox::PlaceScrollBar(TcxScrollBar* AScrollBar) {
  SCROLLBARINFO info;
  const bool horizontal = AScrollBar->GetKind() == sbHorizontal;
  bool visible = GetParent() && cxGetScrollBarInfo(GetHandle(), horizontal ? OBJID_HSCROLL : OBJID_VSCROLL, info) &&
                 !(info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN));
  TRect bounds;
  if (visible) {
    const TPoint topLeft = GetParent()->ScreenToClient(TPoint(info.rcScrollBar.left, info.rcScrollBar.top));
    bounds = Bounds(topLeft.x, topLeft.y, info.rcScrollBar.right - info.rcScrollBar.left,
                    info.rcScrollBar.bottom - info.rcScrollBar.top);
    visible = bounds.left >= 0 && bounds.top >= 0 && bounds.Width() <= GetWidth() && bounds.Height() <= GetHeight();
  }
  if (!visible) {
    AScrollBar->SetVisible(false);
    AScrollBar->SetBoundsRect(TRect());
    return;
  }
  AScrollBar->SetEnabled(!(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) && GetParent()->GetEnabled());
  ++FScrollBarsLockCount;
  {
    TFinally unlock([this] { --FScrollBarsLockCount; });
    AScrollBar->SetParent(GetParent());
  }
  AScrollBar->SetCtl3D(false);
  AScrollBar->BringToFront();
  AScrollBar->SetBoundsRect(bounds);
  AScrollBar->SetVisible(true);
  SCROLLINFO values;
  values.fMask = SIF_ALL;
  GetScrollInfo(GetHandle(), horizontal ? SB_HORZ : SB_VERT, &values);
  AScrollBar->SetScrollParams(values.nMin, values.nMax, values.nPos,
                              std::min<Integer>(static_cast<Integer>(values.nPage), values.nMax), true);
}

void TcxCustomInnerListBox::SetExternalScrollBarsParameters() {
  if (ComponentState().Contains(csDestroying) || FScrollBarsLockCount > 0 || !UsecxScrollBars() ||
      FIsRedrawLocked || !HandleAllocated())
    return;
  FScrollBarsCalculating = true;
  TFinally done([this] { FScrollBarsCalculating = false; });
  for (TcxScrollBar* bar : {FHScrollBar, FVScrollBar})
    if (bar) PlaceScrollBar(bar);
}

bool TcxCustomInnerListBox::IsScrollBarsParametersMessage(UINT AMsg) const {
  switch (AMsg) {
    case WM_WINDOWPOSCHANGED: case WM_HSCROLL: case WM_VSCROLL: case LB_ADDSTRING: case LB_INSERTSTRING:
    case LB_DELETESTRING: case LB_RESETCONTENT: case LB_SETCURSEL: case LB_SETHORIZONTALEXTENT:
    case LB_SETTOPINDEX: case LB_SETCARETINDEX: case WM_MOUSEWHEEL: case CM_WININICHANGE:
      return true;
    default: return false;
  }
}

void TcxCustomInnerListBox::SendScrollToDefault(UINT AMsg, TScrollCode AScrollCode, Integer AScrollPos,
                                                TcxScrollBar* ASource) {
  TMessage message;
  message.Msg = AMsg;
  message.WParam = MAKEWPARAM(static_cast<WORD>(AScrollCode), static_cast<WORD>(AScrollPos));
  message.LParam = reinterpret_cast<LPARAM>(ASource->GetHandle());
  TWinControl::DefaultHandler(message);
}

void TcxCustomInnerListBox::HScrollHandler(TObject* Sender, TScrollCode AScrollCode, Integer& AScrollPos) {
  SendScrollToDefault(WM_HSCROLL, AScrollCode, AScrollPos, static_cast<TcxScrollBar*>(Sender));
  AScrollPos = GetScrollPos(GetHandle(), SB_HORZ);
}

void TcxCustomInnerListBox::VScrollHandler(TObject* Sender, TScrollCode AScrollCode, Integer& AScrollPos) {
  switch (AScrollCode) {
    case scLineUp:
    case scLineDown: SetTopIndex(AScrollPos); break;
    case scPosition:
    case scTrack:
      SetTopIndex(AScrollPos);
      AScrollPos = GetScrollPos(GetHandle(), SB_VERT);
      break;
    default:
      SendScrollToDefault(WM_VSCROLL, AScrollCode, AScrollPos, static_cast<TcxScrollBar*>(Sender));
      AScrollPos = GetScrollPos(GetHandle(), SB_VERT);
  }
}

// ---- Size grip ------------------------------------------------------------------------------------------------
TRect TcxCustomInnerListBox::GetSizeGripRect() {
  if (!FHScrollBar || !FVScrollBar || !FHScrollBar->GetVisible() || !FVScrollBar->GetVisible() || !GetParent() ||
      !HandleAllocated())
    return TRect();
  const TPoint topLeft = GetParent()->ClientToScreen(TPoint(FVScrollBar->GetLeft(), FHScrollBar->GetTop()));
  RECT window;
  GetWindowRect(GetHandle(), &window);
  return Bounds(topLeft.x - window.left, topLeft.y - window.top, FVScrollBar->GetWidth(), FHScrollBar->GetHeight());
}

void TcxCustomInnerListBox::DrawSizeGrip(HDC ADC) {
  if (!UsecxScrollBars() || !FHScrollBar || !FVScrollBar || !FHScrollBar->GetVisible() || !FVScrollBar->GetVisible())
    return;
  const TColor color =
      FContainer ? FContainer->GetLookAndFeelPainter()->DefaultSizeGripAreaColor() : clBtnFace;
  HBRUSH brush = CreateSolidBrush(ColorToRGB(color));
  const TRect r = GetSizeGripRect();
  FillRect(ADC, &r, brush);
  DeleteObject(brush);
}

// ---- Items --------------------------------------------------------------------------------------------------
bool TcxCustomInnerListBox::ItemVisible(Integer AIndex) {
  const TRect item = ItemRect(AIndex);
  const TRect own(0, 0, GetWidth(), GetHeight());
  for (const TPoint& corner : {TPoint(item.left, item.top), TPoint(item.right - 1, item.top),
                               TPoint(item.left, item.bottom - 1), TPoint(item.right - 1, item.bottom - 1)})
    if (cxRectPtIn(own, corner)) return true;
  return false;
}

void TcxCustomInnerListBox::SaveCanvasParametersForFocusRect() {
  FSavedBrushColor = FCanvas->GetBrush()->GetColor();
  FSavedFontColor = FCanvas->GetFont()->GetColor();
}

void TcxCustomInnerListBox::RestoreCanvasParametersForFocusRect() {
  FCanvas->GetBrush()->SetColor(FSavedBrushColor);
  FCanvas->GetFont()->SetColor(FSavedFontColor);
  // The platform canvas selects its handle and brush again.
  TCanvas* canvas = FCanvas->GetCanvas();
  HDC dc = canvas->GetHandle();
  canvas->SetHandle(nullptr);
  canvas->SetHandle(dc);
}

void TcxCustomInnerListBox::CNDrawItem(TMessage& Message) {
  auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
  const auto state = TOwnerDrawState::FromBits(dis->itemState & 0xFFFF);
  TCanvas* canvas = FCanvas->GetCanvas();
  static_cast<TControlCanvas*>(canvas)->FreeHandle();
  canvas->SetHandle(dis->hDC);
  TFinally release([canvas] { canvas->SetHandle(nullptr); });
  canvas->SetFont(GetFont());
  canvas->SetBrush(GetBrush());
  if (state.Contains(odSelected)) {
    canvas->GetBrush()->SetColor(clHighlight);
    canvas->GetFont()->SetColor(clHighlightText);
  }
  const TRect r(dis->rcItem);
  const auto index = static_cast<Integer>(dis->itemID);
  if (index < 0)
    canvas->FillRect(r);
  else
    DrawItem(index, r, state);
  if (state.Contains(odFocused) && NeedDrawFocusRect()) FCanvas->DrawFocusRect(r);
  Message.Result = 1;
}

// ---- Messages -------------------------------------------------------------------------------------------------
void TcxCustomInnerListBox::WndProc(TMessage& Message) {
  if (FContainer && FContainer->InnerControlMenuHandler(Message)) return;
  inherited::WndProc(Message);
  if ((IsScrollBarsParametersMessage(Message.Msg) || (Message.Msg == WM_SETREDRAW && Message.WParam)) &&
      !ComponentState().Contains(csDestroying))
    SetExternalScrollBarsParameters();
}

void TcxCustomInnerListBox::DefaultHandler(TMessage& Message) {
  if (FContainer && FContainer->InnerControlDefaultHandler(Message)) return;
  inherited::DefaultHandler(Message);
}

void TcxCustomInnerListBox::WMPrint(TMessage& Message) {
  if (Message.LParam & PRF_NONCLIENT) {
    DrawSizeGrip(reinterpret_cast<HDC>(Message.WParam));
    Message.LParam &= ~static_cast<LPARAM>(PRF_NONCLIENT);
  }
  DefaultHandler(Message);
}

void TcxCustomInnerListBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      inherited::Dispatch(Message);
      if (FContainer) {
        Message.Result |= DLGC_WANTCHARS;
        if (!IsCtrlPressed()) Message.Result |= DLGC_WANTTAB;
      }
      return;
    case WM_KILLFOCUS:
      inherited::Dispatch(Message);
      if (FContainer && !FContainer->GetIsDestroying()) ContainerFocusChanged(FContainer);
      return;
    case WM_SETFOCUS:
      inherited::Dispatch(Message);
      if (FContainer && !FContainer->GetIsDestroying() &&
          !(FContainer->HandleAllocated() && reinterpret_cast<HWND>(Message.WParam) == FContainer->GetHandle()))
        ContainerFocusChanged(FContainer);
      return;
    case WM_LBUTTONDOWN: WMLButtonDown(Message); return;
    case WM_NCCALCSIZE:
      inherited::Dispatch(Message);
      if (!FScrollBarsCalculating) SetExternalScrollBarsParameters();
      return;
    case WM_NCPAINT: {
      inherited::Dispatch(Message);
      HDC dc = GetWindowDC(GetHandle());
      DrawSizeGrip(dc);
      ReleaseDC(GetHandle(), dc);
      return;
    }
    case WM_PRINT: WMPrint(Message); return;
    case WM_PRINTCLIENT: DefaultHandler(Message); return;
    case WM_SETREDRAW:
      FIsRedrawLocked = Message.WParam == 0;
      inherited::Dispatch(Message);
      return;
    case WM_WINDOWPOSCHANGED:
      inherited::Dispatch(Message);
      if (FHScrollBar && FVScrollBar && FHScrollBar->GetVisible() && FVScrollBar->GetVisible() && HandleAllocated()) {
        RECT window;
        GetWindowRect(GetHandle(), &window);
        const TRect grip = cxRectOffset(GetSizeGripRect(), window.left, window.top);
        HRGN region = CreateRectRgnIndirect(&grip);
        SendMessage(GetHandle(), WM_NCPAINT, reinterpret_cast<WPARAM>(region), 0);
        DeleteObject(region);
      }
      return;
    case CM_MOUSEENTER: inherited::Dispatch(Message); return;
    case CM_MOUSELEAVE:
      inherited::Dispatch(Message);
      if (FContainer) FContainer->ShortRefreshContainer(true);
      return;
    case CN_DRAWITEM: CNDrawItem(Message); return;
    case WM_DESTROY:
      FIsRedrawLocked = false;
      inherited::Dispatch(Message);
      return;
    default: inherited::Dispatch(Message);
  }
}

}  // namespace cxContainer
