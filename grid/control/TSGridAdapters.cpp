// The edit and check adapters: every operation goes to the wrapped self-drawn window.
#include "TSGridAdapters.h"

#include "TSGridCheckBox.h"
#include "TSGridEditBox.h"
#include "TSGridImpl.h"

namespace TSGrid {

IMPLEMENT_CLASS(TtsEditGridControl)
IMPLEMENT_CLASS(TtsCheckGridControl)

// ---- TtsEditGridControl --------------------------------------------------------------------------------
void TtsEditGridControl::Construct() {
  inherited::Construct();
  auto* box = New<TtsGridEditBox>(GetOwnerComponent());
  FControl = box;
  box->SetParentCtl3D(false);
  box->SetCtl3D(false);
  box->SetVisible(false);
  box->SetWidth(1);
  box->SetHeight(1);
}

TtsGridEditBox* TtsEditGridControl::GetEditBox() const { return static_cast<TtsGridEditBox*>(FControl); }

TWinControl* TtsEditGridControl::GetGrid() { return FControl->GetGrid(); }
void TtsEditGridControl::SetGrid(TWinControl* Value) { FControl->SetGrid(Value); }
TColor TtsEditGridControl::GetColor() { return FControl->GetColor(); }
void TtsEditGridControl::SetColor(TColor Value) { FControl->SetColor(Value); }
TFont* TtsEditGridControl::GetFont() { return FControl->GetFont(); }
void TtsEditGridControl::SetFont(TFont* Value) { FControl->SetFont(Value); }

String TtsEditGridControl::GetText() {
  const String& text = GetEditBox()->GetText();
  return text.substr(0, text.find('\0'));
}

void TtsEditGridControl::SetText(const String& Value) { GetEditBox()->SetText(Value); }
void TtsEditGridControl::SetEditText(const String& Value, bool ByUser) { GetEditBox()->SetEditText(Value, ByUser); }

Variant TtsEditGridControl::GetValue() { return Variant(GetText()); }
void TtsEditGridControl::SetValue(const Variant& Value) { SetText(VarToStr(Value)); }
void TtsEditGridControl::SetEditValue(const Variant& Value, bool ByUser) { SetEditText(VarToStr(Value), ByUser); }

Integer TtsEditGridControl::GetSelStart() { return GetEditBox()->GetSelStart(); }
Integer TtsEditGridControl::GetSelLength() { return GetEditBox()->GetSelLength(); }
String TtsEditGridControl::GetSelText() { return GetEditBox()->GetSelText(); }

void TtsEditGridControl::SetSelStart(Integer Value) {
  GetEditBox()->SetSelStart(Value);
  GetEditBox()->TextPosToSelStart();
}

void TtsEditGridControl::SetSelLength(Integer Value) { GetEditBox()->SetSelLength(Value); }
void TtsEditGridControl::SetSelText(const String& Value) { GetEditBox()->SetSelText(Value); }
Integer TtsEditGridControl::GetMaxLength() { return GetEditBox()->GetMaxLength(); }
void TtsEditGridControl::SetMaxLength(Integer Value) { GetEditBox()->SetMaxLength(Value); }
TtsMaskDefsComponent* TtsEditGridControl::GetMaskDefs() { return GetEditBox()->GetMaskDefs(); }
void TtsEditGridControl::SetMaskDefs(TtsMaskDefsComponent* Value) { GetEditBox()->SetMaskDefs(Value); }
String TtsEditGridControl::GetMaskName() { return GetEditBox()->GetMaskName(); }
void TtsEditGridControl::SetMaskName(const String& Value) { GetEditBox()->SetMaskName(Value); }
void TtsEditGridControl::SelectAll() { GetEditBox()->SelectAll(); }
void TtsEditGridControl::CutToClipboard(bool ByUser) { GetEditBox()->CutToClipboard(ByUser); }
void TtsEditGridControl::CopyToClipboard() { GetEditBox()->CopyToClipboard(); }
void TtsEditGridControl::PasteFromClipboard(bool ByUser) { GetEditBox()->PasteFromClipboard(ByUser); }

void TtsEditGridControl::SaveCurrentState() {
  Integer start = GetSelStart(), length = GetSelLength();
  SetSelStart(start);
  SetSelLength(length);
}

bool TtsEditGridControl::MultiLine() { return GetEditBox()->LineCount() > 1; }

void TtsEditGridControl::DrawControl(TCanvas* Canvas, Integer Height, const TRect& Rect, Integer Left, Integer Top,
                                     bool) {
  GetEditBox()->DrawControl(Canvas, Height, Rect, Left, Top);
}

// ---- TtsCheckGridControl --------------------------------------------------------------------------------
void TtsCheckGridControl::Construct() {
  inherited::Construct();
  auto* box = New<TtsGridCheckBox>(GetOwnerComponent());
  FControl = box;
  box->SetText(String());
  box->SetParentCtl3D(false);
  box->SetCtl3D(false);
  box->SetVisible(false);
  box->SetTabStop(false);
  box->SetWidth(1);
  box->SetHeight(1);
}

TtsGridCheckBox* TtsCheckGridControl::GetCheckBox() const { return static_cast<TtsGridCheckBox*>(FControl); }

TWinControl* TtsCheckGridControl::GetGrid() { return FControl->GetGrid(); }
void TtsCheckGridControl::SetGrid(TWinControl* Value) { FControl->SetGrid(Value); }
TColor TtsCheckGridControl::GetColor() { return FControl->GetColor(); }
void TtsCheckGridControl::SetColor(TColor Value) { FControl->SetColor(Value); }
TFont* TtsCheckGridControl::GetFont() { return FControl->GetFont(); }
void TtsCheckGridControl::SetFont(TFont* Value) { FControl->SetFont(Value); }

void TtsCheckGridControl::SetMouseCapture(bool Value) {
  inherited::SetMouseCapture(Value);
  if (!Value) GetCheckBox()->ResetSelectState();
}

Variant TtsCheckGridControl::GetValue() { return GetCheckBox()->GetValue(); }
void TtsCheckGridControl::SetValue(const Variant& Value) { GetCheckBox()->SetValue(Value); }
void TtsCheckGridControl::SetEditValue(const Variant& Value, bool ByUser) { GetCheckBox()->SetEditValue(Value, ByUser); }
TCheckBoxState TtsCheckGridControl::GetState() { return GetCheckBox()->GetState(); }
void TtsCheckGridControl::SetState(TCheckBoxState Value) { GetCheckBox()->SetCheckBoxState(Value); }
void TtsCheckGridControl::SetEditState(TCheckBoxState Value, bool ByUser) {
  GetCheckBox()->SetEditCheckBoxState(Value, ByUser);
}
TtsGridCheckBoxStyle TtsCheckGridControl::GetCheckBoxStyle() { return GetCheckBox()->GetCheckBoxStyle(); }
void TtsCheckGridControl::SetCheckBoxStyle(TtsGridCheckBoxStyle Value) { GetCheckBox()->SetCheckBoxStyle(Value); }

TBitmap* TtsCheckGridControl::GetCheckBoxBitmap(TCheckBoxState State, Integer& CopyMode, bool Pressed,
                                                TRect& Source) {
  return GetCheckBox()->GetCheckBoxBitmap(State, CopyMode, Pressed, Source);
}

void TtsCheckGridControl::SetCheckBoxBitmap(TCheckBoxState State, TBitmap* Bitmap) {
  GetCheckBox()->SetCheckBoxBitmap(State, Bitmap);
}
TColor TtsCheckGridControl::GetCheckBoxMaskColor() { return GetCheckBox()->GetCheckBoxMaskColor(); }
void TtsCheckGridControl::SetCheckBoxMaskColor(TColor Value) { GetCheckBox()->SetCheckBoxMaskColor(Value); }
TColor TtsCheckGridControl::GetCheckBoxMaskToColor() { return GetCheckBox()->GetCheckBoxMaskToColor(); }
void TtsCheckGridControl::SetCheckBoxMaskToColor(TColor Value) { GetCheckBox()->SetCheckBoxMaskToColor(Value); }
bool TtsCheckGridControl::GetAllowGrayed() { return GetCheckBox()->GetAllowGrayed(); }
void TtsCheckGridControl::SetAllowGrayed(bool Value) { GetCheckBox()->SetAllowGrayed(Value); }
String TtsCheckGridControl::GetCheckBoxValues() { return GetCheckBox()->GetCheckBoxValues(); }
void TtsCheckGridControl::SetCheckBoxValues(const String& Value) { GetCheckBox()->SetCheckBoxValues(Value); }

void TtsCheckGridControl::DrawControl(TCanvas* Canvas, Integer, const TRect& Rect, Integer Left, Integer Top,
                                      bool Focused) {
  GetCheckBox()->DrawCheck(Canvas, TRect(Left, Top, Rect.right, Rect.bottom), Focused);
}

}  // namespace TSGrid
