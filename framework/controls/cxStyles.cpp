// Styles: the base with its listeners and repository membership, TcxStyle's four values with their
// assigned set; the free routines that combine styles into view parameters; the registry of
// style-sheet classes and the unit's start and end.
#include "cxStyles.h"

#include <algorithm>

#include "Controls.h"
#include "Filer.h"
#include "Graphics.h"
#include "TypInfo.h"

namespace cxStyles {

IMPLEMENT_CLASS(TcxCustomStyle)
IMPLEMENT_CLASS_PUBLISHED(TcxStyle) {
  d.Property("AssignedValues", &TcxStyle::GetAssignedValues, &TcxStyle::SetAssignedValues)
      .Default(TcxStyleValues());
  d.Property("Color", &TcxStyle::GetColor, &TcxStyle::SetColor)
      .Type(ColorTypeInfo())
      .Stored(&TcxStyle::IsColorStored);
  d.Property("Bitmap", &TcxStyle::GetBitmap, &TcxStyle::SetBitmap).Stored(&TcxStyle::IsBitmapStored);
  d.Property("Font", &TcxStyle::GetFont, &TcxStyle::SetFont).Stored(&TcxStyle::IsFontStored);
  d.Property("TextColor", &TcxStyle::GetTextColor, &TcxStyle::SetTextColor)
      .Type(ColorTypeInfo())
      .Stored(&TcxStyle::IsTextColorStored);
}

namespace {

std::vector<TClass>* FRegisteredStyleSheetClasses = nullptr;  // made on the first registration

// Copies ASource into a font or bitmap without its change event, which the caller answers once.
template <class T>
void AssignQuietly(T* AObject, TPersistent* ASource) {
  const TNotifyEvent handler = AObject->OnChange;
  AObject->OnChange = TNotifyEvent();
  try {
    AObject->Assign(ASource);
  } catch (...) {
    AObject->OnChange = handler;
    throw;
  }
  AObject->OnChange = handler;
}

}  // namespace

// ---- TcxCustomStyle -----------------------------------------------------------------------------------------

// Each listener leaves the list before it hears of the removal, so one that does not unregister
// itself cannot keep the loop going.
void TcxCustomStyle::Destroy() {
  while (!FListeners.empty()) {
    IcxStyleChangeListener* listener = FListeners.back();
    FListeners.pop_back();
    listener->StyleRemoved(this);
  }
  SetStyleRepository(nullptr);
  inherited::Destroy();
}

void TcxCustomStyle::AddListener(IcxStyleChangeListener* AListener) {
  if (AListener && std::find(FListeners.begin(), FListeners.end(), AListener) == FListeners.end())
    FListeners.push_back(AListener);
}

void TcxCustomStyle::RemoveListener(IcxStyleChangeListener* AListener) {
  auto it = std::find(FListeners.begin(), FListeners.end(), AListener);
  if (it != FListeners.end()) FListeners.erase(it);
}

// A listener may stop listening while it is told; the walk goes on from the next lower position.
void TcxCustomStyle::Changed() {
  for (size_t i = FListeners.size(); i > 0; --i)
    if (i <= FListeners.size()) FListeners[i - 1]->StyleChanged(this);
}

void TcxCustomStyle::SetStyleRepository(TcxStyleRepository* Value) {
  if (FStyleRepository == Value) return;
  if (FStyleRepository) FStyleRepository->RemoveItem(this);
  FStyleRepository = Value;
  if (Value) Value->AddItem(this);
}

Integer TcxCustomStyle::GetIndex() const {
  return FStyleRepository ? FStyleRepository->StyleIndexOf(const_cast<TcxCustomStyle*>(this)) : -1;
}

TComponent* TcxCustomStyle::GetParentComponent() { return FStyleRepository; }

void TcxCustomStyle::SetParentComponent(TComponent* Value) {
  if (!ComponentState().Contains(csLoading)) SetStyleRepository(As<TcxStyleRepository>(Value));
}

void TcxCustomStyle::ReadState(Filer::TReader* Reader) {
  inherited::ReadState(Reader);
  SetStyleRepository(dynamic_cast<TcxStyleRepository*>(Reader->GetParent()));
}

// ---- TcxStyle -------------------------------------------------------------------------------------------------

void TcxStyle::Construct() {
  inherited::Construct();
  FBitmap = New<TBitmap>();
  FBitmap->OnChange = TNotifyEvent(this, &TcxStyle::BitmapChanged);
  FFont = New<TFont>();
  FFont->OnChange = TNotifyEvent(this, &TcxStyle::FontChanged);
}

void TcxStyle::Destroy() {
  inherited::Destroy();
  FreeAndNil(FFont);
  FreeAndNil(FBitmap);
}

void TcxStyle::BitmapChanged(TObject*) {
  if (FBitmap->GetEmpty())
    FAssignedValues.Exclude(svBitmap);
  else
    FAssignedValues.Include(svBitmap);
  Changed();
}

void TcxStyle::FontChanged(TObject*) {
  FAssignedValues.Include(svFont);
  Changed();
}

void TcxStyle::SetAssignedValues(TcxStyleValues Value) {
  if (FAssignedValues == Value) return;
  FAssignedValues = Value;
  Changed();
}

// A copy is one change, whether or not the object's own change event fires for it.
void TcxStyle::SetBitmap(TBitmap* Value) {
  AssignQuietly(FBitmap, Value);
  BitmapChanged(FBitmap);
}

void TcxStyle::SetFont(TFont* Value) {
  AssignQuietly(FFont, Value);
  FontChanged(FFont);
}

void TcxStyle::SetColor(TColor Value) { SetColorValue(FColor, svColor, Value); }

void TcxStyle::SetTextColor(TColor Value) { SetColorValue(FTextColor, svTextColor, Value); }

// clDefault stands for no colour: it unassigns the value, any other colour assigns it.
void TcxStyle::SetColorValue(TColor& AColor, TcxStyleValue AValue, TColor ANewColor) {
  if (AColor == ANewColor) return;
  AColor = ANewColor;
  if (ANewColor == clDefault)
    FAssignedValues.Exclude(AValue);
  else
    FAssignedValues.Include(AValue);
  Changed();
}

void TcxStyle::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxStyle*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  SetBitmap(source->GetBitmap());
  SetColor(source->GetColor());
  SetFont(source->GetFont());
  SetTextColor(source->GetTextColor());
  SetAssignedValues(source->GetAssignedValues());
}

// The font keeps its values, only unassigned; one change for the whole reset.
void TcxStyle::RestoreDefaults() {
  FAssignedValues = TcxStyleValues();
  AssignQuietly(FBitmap, nullptr);
  FColor = clDefault;
  FTextColor = clDefault;
  Changed();
}

// A form read at another resolution than the screen's gets its fonts scaled; that does not make an
// unassigned font assigned.
void TcxStyle::ReadState(Filer::TReader* Reader) {
  inherited::ReadState(Reader);
  if (TcxStyleRepository* repository = GetStyleRepository()) {
    const bool fontAssigned = FAssignedValues.Contains(svFont);
    FFont->SetHeight(repository->GetScaledValue(FFont->GetHeight()));
    if (!fontAssigned) FAssignedValues.Exclude(svFont);
  }
}

// ---- Unit routines ------------------------------------------------------------------------------------------------

bool UseStyle(TcxStyle* AStyle, TcxStyleValue AValue) {
  return AStyle && AStyle->GetAssignedValues().Contains(AValue);
}

TcxStyleValues CombineParamsWithStyle(TcxStyle* AStyle, TcxStyleValues AAssigned, TcxViewParams& AParams) {
  if (!AStyle || AAssigned == cxStyleValuesAll || AStyle->ComponentState().Contains(csDestroying)) return AAssigned;
  auto take = [&](TcxStyleValue AValue) {
    const bool taken = !AAssigned.Contains(AValue) && UseStyle(AStyle, AValue);
    if (taken) AAssigned.Include(AValue);
    return taken;
  };
  if (take(svColor)) AParams.Color = AStyle->GetColor();
  if (AStyle->GetFont() && take(svFont)) AParams.Font = AStyle->GetFont();
  if (take(svTextColor)) AParams.TextColor = AStyle->GetTextColor();
  if (take(svBitmap)) AParams.Bitmap = AStyle->GetBitmap();
  return AAssigned;
}

void RegisterStyleSheetClass(TClass AStyleSheetClass) {
  if (!FRegisteredStyleSheetClasses) FRegisteredStyleSheetClasses = new std::vector<TClass>;
  auto& list = *FRegisteredStyleSheetClasses;
  if (std::find(list.begin(), list.end(), AStyleSheetClass) == list.end()) list.push_back(AStyleSheetClass);
}

void UnregisterStyleSheetClass(TClass AStyleSheetClass) {
  if (!FRegisteredStyleSheetClasses) return;
  auto& list = *FRegisteredStyleSheetClasses;
  list.erase(std::remove(list.begin(), list.end(), AStyleSheetClass), list.end());
}

void GetRegisteredStyleSheetClasses(std::vector<TClass>& AList) {
  AList.clear();
  if (FRegisteredStyleSheetClasses) AList = *FRegisteredStyleSheetClasses;
}

// The streaming and design classes group with the controls; styles are named in form streams.
void InitStyles() {
  StartClassGroup(Controls::TControl::StaticClass());
  GroupDescendentsWith(TcxCustomStyle::StaticClass(), Controls::TControl::StaticClass());
  GroupDescendentsWith(TcxCustomStyleSheet::StaticClass(), Controls::TControl::StaticClass());
  GroupDescendentsWith(TcxStyleRepository::StaticClass(), Controls::TControl::StaticClass());
  RegisterClass(TcxStyle::StaticClass());
}

void DoneStyles() {
  delete FRegisteredStyleSheetClasses;
  FRegisteredStyleSheetClasses = nullptr;
}

}  // namespace cxStyles
