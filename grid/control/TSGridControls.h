// The grid's in-place control adapters. The grid never talks to an in-place window directly: it
// holds adapters (TtsCustomGridControl) that each wrap one window (TSGridInplaceControl.h) and
// answer one uniform set of operations, so that the grid's show, hide, value and edit logic is
// written once for every kind of control. TtsDefaultGridControl wraps a plain window that shows
// nothing; it serves cells whose control the grid draws itself.
#pragma once

#include "Controls.h"
#include "TSGridInplaceControl.h"
#include "TSGridTypes.h"

namespace TSMask {
class TtsMaskDefsComponent;
}

namespace TSGrid {

using TSMask::TtsMaskDefsComponent;

// The adapter base. Operations that make no sense for a kind of window have a harmless answer here.
class TtsCustomGridControl : public TObject {
  DECLARE_CLASS(TtsCustomGridControl, TObject)
 public:
  virtual TWinControl* GetGrid();
  virtual void SetGrid(TWinControl* Value);
  virtual TColor GetColor();
  virtual void SetColor(TColor Value);
  virtual TFont* GetFont();
  virtual void SetFont(TFont* Value);

  virtual bool GetVisible();
  virtual void SetVisible(bool Value);
  virtual void SetMouseCapture(bool Value);
  virtual bool GetMouseCapture();

  virtual void SetEnter(TNotifyEvent Value) { FControl->OnEnter = Value; }
  virtual void SetExit(TNotifyEvent Value) { FControl->OnExit = Value; }
  virtual void SetKillFocus(TNotifyEvent Value) { FControl->OnKillFocus = Value; }
  virtual void SetKeyDown(TKeyEvent Value) { FControl->OnKeyDown = Value; }
  virtual void SetKeyUp(TKeyEvent Value) { FControl->OnKeyUp = Value; }
  virtual void SetKeyPress(TKeyPressEvent Value) { FControl->OnKeyPress = Value; }
  virtual void SetClick(TNotifyEvent Value) { FControl->OnClick = Value; }
  virtual void SetDblClick(TNotifyEvent Value) { FControl->OnDblClick = Value; }
  virtual void SetDragDrop(TDragDropEvent Value) { FControl->OnDragDrop = Value; }
  virtual void SetDragOver(TDragOverEvent Value) { FControl->OnDragOver = Value; }
  virtual void SetEndDrag(TEndDragEvent Value) { FControl->OnEndDrag = Value; }
  virtual void SetMouseDown(TMouseEvent Value) { FControl->OnMouseDown = Value; }
  virtual void SetMouseMove(TMouseMoveEvent Value) { FControl->OnMouseMove = Value; }
  virtual void SetMouseUp(TMouseEvent Value) { FControl->OnMouseUp = Value; }
  virtual void SetStartDrag(TStartDragEvent Value) { FControl->OnStartDrag = Value; }
  virtual void SetEndKeyDown(TKeyEvent Value) { FControl->OnEndKeyDown = Value; }
  virtual void SetEndKeyUp(TKeyEvent Value) { FControl->OnEndKeyUp = Value; }
  virtual void SetEndKeyPress(TKeyPressEvent Value) { FControl->OnEndKeyPress = Value; }
  virtual void SetNotifyChanged(TtsNotifyChangedEvent Value) { FControl->OnNotifyChanged = Value; }
  virtual void SetChanged(TtsChangedEvent Value) { FControl->OnChanged = Value; }
  virtual void SetEdit(TtsEditEvent Value) { FControl->OnEdit = Value; }
  virtual void SetCanChange(TtsChangeEvent Value) { FControl->OnCanChange = Value; }
  virtual void SetUndoChanged(TtsUndoChangedEvent Value) { FControl->OnUndoChanged = Value; }
  virtual void SetWantKey(TtsWantKeyEvent Value) { FControl->OnWantKey = Value; }
  virtual void SetInvalidKeys(TtsInvalidEditEvent Value) { FControl->OnInvalidKeys = Value; }
  virtual void SetEditTextResized(TtsEditTextResizedEvent Value) { FControl->OnEditTextResized = Value; }

  virtual void SetSelStart(Integer Value) {}
  virtual void SetSelLength(Integer Value) {}
  virtual void SetSelText(const String& Value) {}
  virtual void SetValue(const Variant& Value);
  virtual void SetEditValue(const Variant& Value, bool ByUser);
  virtual void SetKeyEdit(bool Value) { FControl->KeyEdit = Value; }
  virtual void SetMouseSelect(bool Value) { FControl->MouseSelect = Value; }
  virtual void SetCursor(TCursor Value) { FControl->SetCursor(Value); }
  virtual void SetMaxLength(Integer Value) {}
  virtual void SetWantTabs(bool Value) { FControl->WantTabs = Value; }
  virtual void SetMaskDefs(TtsMaskDefsComponent* Value) {}
  virtual void SetMaskName(const String& Value) {}
  virtual void SetAlwaysShowFocus(bool Value) { FControl->AlwaysShowFocus = Value; }

  virtual TNotifyEvent GetEnter() { return FControl->OnEnter; }
  virtual TNotifyEvent GetExit() { return FControl->OnExit; }
  virtual TNotifyEvent GetKillFocus() { return FControl->OnKillFocus; }
  virtual TKeyEvent GetKeyDown() { return FControl->OnKeyDown; }
  virtual TKeyEvent GetKeyUp() { return FControl->OnKeyUp; }
  virtual TKeyPressEvent GetKeyPress() { return FControl->OnKeyPress; }
  virtual TNotifyEvent GetClick() { return FControl->OnClick; }
  virtual TNotifyEvent GetDblClick() { return FControl->OnDblClick; }
  virtual TDragDropEvent GetDragDrop() { return FControl->OnDragDrop; }
  virtual TDragOverEvent GetDragOver() { return FControl->OnDragOver; }
  virtual TEndDragEvent GetEndDrag() { return FControl->OnEndDrag; }
  virtual TMouseEvent GetMouseDown() { return FControl->OnMouseDown; }
  virtual TMouseMoveEvent GetMouseMove() { return FControl->OnMouseMove; }
  virtual TMouseEvent GetMouseUp() { return FControl->OnMouseUp; }
  virtual TStartDragEvent GetStartDrag() { return FControl->OnStartDrag; }
  virtual TKeyEvent GetEndKeyDown() { return FControl->OnEndKeyDown; }
  virtual TKeyEvent GetEndKeyUp() { return FControl->OnEndKeyUp; }
  virtual TKeyPressEvent GetEndKeyPress() { return FControl->OnEndKeyPress; }
  virtual TtsNotifyChangedEvent GetNotifyChanged() { return FControl->OnNotifyChanged; }
  virtual TtsChangedEvent GetChanged() { return FControl->OnChanged; }
  virtual TtsEditEvent GetEdit() { return FControl->OnEdit; }
  virtual TtsChangeEvent GetCanChange() { return FControl->OnCanChange; }
  virtual TtsUndoChangedEvent GetUndoChanged() { return FControl->OnUndoChanged; }
  virtual TtsWantKeyEvent GetWantKey() { return FControl->OnWantKey; }
  virtual TtsInvalidEditEvent GetInvalidKeys() { return FControl->OnInvalidKeys; }
  virtual TtsEditTextResizedEvent GetEditTextResized() { return FControl->OnEditTextResized; }

  virtual Variant GetValue();
  virtual Integer GetSelStart() { return 0; }
  virtual Integer GetSelLength() { return 0; }
  virtual String GetSelText() { return String(); }
  virtual bool GetKeyEdit() { return FControl->KeyEdit; }
  virtual bool GetMouseSelect() { return FControl->MouseSelect; }
  virtual TCursor GetCursor() { return FControl->GetCursor(); }
  virtual Integer GetMaxLength() { return 0; }
  virtual bool GetWantTabs() { return FControl->WantTabs; }
  virtual TtsMaskDefsComponent* GetMaskDefs() { return nullptr; }
  virtual String GetMaskName() { return String(); }
  virtual bool GetAlwaysShowFocus() { return FControl->AlwaysShowFocus; }

  virtual void Hide() { FControl->SetVisible(false); }
  virtual void Show() { FControl->Show(); }
  virtual void Repaint() { FControl->Repaint(); }
  virtual void Invalidate() { FControl->Invalidate(); }
  virtual void DrawControl(TCanvas* Canvas, Integer Height, const TRect& Rect, Integer Left, Integer Top,
                           bool Focused);
  virtual void SetFocus();
  virtual bool CanFocus() { return FControl->CanFocus(); }
  virtual TPoint ScreenToClient(const TPoint& Point) { return FControl->ScreenToClient(Point); }
  virtual void SaveCurrentState() {}
  virtual bool Focused() { return FControl->Focused(); }
  virtual bool IsEditControl();
  // The check-box control's glyph for a state, with the copy mode and the part of the bitmap to
  // copy (Pressed: its pressed form while the box shows pressed); none from other controls.
  virtual TBitmap* GetCheckBoxBitmap(TCheckBoxState State, Integer& CopyMode, bool Pressed, TRect& Source) {
    return nullptr;
  }
  virtual bool IsEditKey(char Key) { return FControl->IsEditKey(Key); }
  virtual bool MultiLine() { return false; }
  virtual void CutToClipboard(bool ByUser) {}
  virtual void CopyToClipboard() {}
  virtual void PasteFromClipboard(bool ByUser) {}
  virtual void SelectAll() {}
  virtual void DblClick() { FControl->DblClick(); }

  // The wrapped window's bounds, parent and settings; the setters act only on a change.
  TtsGridControl* GetControl() const { return FControl; }
  Integer GetLeft() const { return FControl->GetLeft(); }
  Integer GetTop() const { return FControl->GetTop(); }
  Integer GetWidth() const { return FControl->GetWidth(); }
  Integer GetHeight() const { return FControl->GetHeight(); }
  void SetLeft(Integer Value);
  void SetTop(Integer Value);
  void SetWidth(Integer Value);
  void SetHeight(Integer Value);
  TWinControl* GetParent() const { return FControl->GetParent(); }
  void SetParent(TWinControl* Value);
  HWND GetParentWindow() const { return FControl->GetParentWindow(); }
  void SetParentWindow(HWND Value);
  bool GetCtl3D() const { return FControl->GetCtl3D(); }
  void SetCtl3D(bool Value) { FControl->SetCtl3D(Value); }
  // No window is made for a control without a parent control.
  HWND GetHandle();
  TComponentState ComponentState() const { return FControl->ComponentState(); }
  void SetAlignment(TAlignment Value) { FControl->SetAlignment(Value); }
  void SetVertAlignment(TSCommon::TtsVertAlignment Value) { FControl->SetVertAlignment(Value); }
  void SetWordWrap(TtsWordWrap Value) { FControl->SetWordWrap(Value); }
  TAlignment GetAlignment() const { return FControl->GetAlignment(); }
  TSCommon::TtsVertAlignment GetVertAlignment() const { return FControl->GetVertAlignment(); }
  TtsWordWrap GetWordWrap() const { return FControl->GetWordWrap(); }
  void SetLeftMargin(Integer Value) { FControl->LeftMargin = Value; }
  Integer GetLeftMargin() const { return FControl->LeftMargin; }

 protected:
  explicit TtsCustomGridControl(TComponent* AOwner = nullptr) : FOwner(AOwner) {}
  void Destroy() override;
  TComponent* GetOwnerComponent() const { return FOwner; }

  TtsGridControl* FControl = nullptr;

 private:
  TComponent* FOwner;
};

// The placeholder: a hidden window that shows nothing and keeps no value.
class TtsDefaultGridControl : public TtsCustomGridControl {
  DECLARE_CLASS(TtsDefaultGridControl, TtsCustomGridControl)
 public:
  TWinControl* GetGrid() override { return FControl->GetGrid(); }
  void SetGrid(TWinControl* Value) override { FControl->SetGrid(Value); }
  TColor GetColor() override { return Graphics::clNone; }
  void SetColor(TColor Value) override {}
  TFont* GetFont() override { return FControl->GetFont(); }
  void SetFont(TFont* Value) override {}
  void SetValue(const Variant& Value) override {}
  void SetEditValue(const Variant& Value, bool ByUser) override {}
  Variant GetValue() override;
  void DrawControl(TCanvas* Canvas, Integer Height, const TRect& Rect, Integer Left, Integer Top,
                   bool Focused) override {}
  bool IsEditControl() override { return false; }

 protected:
  using TtsCustomGridControl::TtsCustomGridControl;
  void Construct() override;
};

}  // namespace TSGrid
