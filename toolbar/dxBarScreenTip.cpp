// Screen-tip bands, tips, their collection and the repository with its band fonts.
#include "dxBarScreenTip.h"

#include "Format.h"
#include "Forms.h"
#include "cxClassesRoutines.h"
#include "dxBarHelpers.h"
#include "dxBarUnit.h"

namespace dxBar {

IMPLEMENT_ABSTRACT_CLASS_PUBLISHED(TdxBarCustomScreenTipBand) {
  using T = TdxBarCustomScreenTipBand;
  d.Property("Glyph", &T::GetGlyph, &T::SetGlyph);
  d.Property("Text", &T::GetText, &T::SetText);
  d.Property("TextAlign", &T::GetTextAlign, &T::SetTextAlign).Default(stbtaRight);
}
IMPLEMENT_CLASS(TdxBarScreenTipBand)
IMPLEMENT_CLASS(TdxBarScreenTipFooterBand)
IMPLEMENT_CLASS_PUBLISHED(TdxBarScreenTip) {
  using T = TdxBarScreenTip;
  d.Property("Header", &T::GetHeader, &T::SetHeader);
  d.Property("Description", &T::GetDescription, &T::SetDescription);
  d.Property("Footer", &T::GetFooter, &T::SetFooter);
  d.Property("UseHintAsHeader", &T::GetUseHintAsHeader, &T::SetUseHintAsHeader).Default(false);
  d.Property("UseStandardFooter", &T::GetUseStandardFooter, &T::SetUseStandardFooter).Default(false);
  d.Property("Width", &T::GetWidthValue, &T::SetWidth).Default(0);
}
IMPLEMENT_CLASS(TdxBarScreenTipCollection)
IMPLEMENT_CLASS_PUBLISHED(TdxBarScreenTipRepository) {
  using T = TdxBarScreenTipRepository;
  d.Property("AssignedFonts", &T::GetAssignedFonts, &T::SetAssignedFonts);
  d.Property("DescriptionFont", &T::GetDescriptionFont, &T::SetDescriptionFont).Stored(&T::IsDescriptionFontStored);
  d.Property("FooterFont", &T::GetFooterFont, &T::SetFooterFont).Stored(&T::IsFooterFontStored);
  d.Property("HeaderFont", &T::GetHeaderFont, &T::SetHeaderFont).Stored(&T::IsHeaderFontStored);
  d.Property("Items", &T::GetItems, &T::SetItems);
  d.Property("ShowDescription", &T::GetShowDescription, &T::SetShowDescription).Default(true);
  d.Property("StandardFooter", &T::GetStandardFooter, &T::SetStandardFooter);
}

// ---- Bands -------------------------------------------------------------------------------------------------
void TdxBarCustomScreenTipBand::Construct() {
  inherited::Construct();
  FGlyph = New<TBitmap>();
  FGlyph->SetTransparent(true);
  FGlyph->OnChange = TNotifyEvent(this, &TdxBarCustomScreenTipBand::GlyphChanged);
}

void TdxBarCustomScreenTipBand::Destroy() {
  FreeAndNil(FGlyph);
  inherited::Destroy();
}

void TdxBarCustomScreenTipBand::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxBarCustomScreenTipBand*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  FText = source->FText;
  FTextAlign = source->FTextAlign;
  FGlyph->Assign(source->FGlyph);  // tells Changed
}

void TdxBarCustomScreenTipBand::Changed() {
  if (OnChange) OnChange(this);
}

void TdxBarCustomScreenTipBand::GlyphChanged(TObject*) { Changed(); }

void TdxBarCustomScreenTipBand::SetText(const String& Value) {
  if (FText == Value) return;
  FText = Value;
  Changed();
}

void TdxBarCustomScreenTipBand::SetTextAlign(TdxBarScreenTipBandTextAlign Value) {
  if (FTextAlign == Value) return;
  FTextAlign = Value;
  Changed();
}

bool TdxBarCustomScreenTipBand::IsVisible(const String& AHintText) {
  return !FText.empty() || !FGlyph->GetEmpty() || (FBandType == stbHeader && !AHintText.empty());
}

TFont* TdxBarScreenTipBand::GetFont() {
  TdxBarScreenTipRepository* repository = FScreenTip ? FScreenTip->GetRepository() : nullptr;
  return repository ? repository->GetBandFont(GetBandType()) : nullptr;
}
TPersistent* TdxBarScreenTipBand::GetOwner() { return FScreenTip; }

TFont* TdxBarScreenTipFooterBand::GetFont() { return FRepository ? FRepository->GetBandFont(stbFooter) : nullptr; }
TPersistent* TdxBarScreenTipFooterBand::GetOwner() { return FRepository; }

// ---- The screen tip ------------------------------------------------------------------------------------------
void TdxBarScreenTip::Construct() {
  inherited::Construct();
  FHeader = New<TdxBarScreenTipBand>(this, stbHeader);
  FDescription = New<TdxBarScreenTipBand>(this, stbDescription);
  FFooter = New<TdxBarScreenTipBand>(this, stbFooter);
}

void TdxBarScreenTip::Destroy() {
  FreeAndNil(FFooter);
  FreeAndNil(FDescription);
  FreeAndNil(FHeader);
  inherited::Destroy();
}

void TdxBarScreenTip::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxBarScreenTip*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  FHeader->Assign(source->FHeader);
  FDescription->Assign(source->FDescription);
  FFooter->Assign(source->FFooter);
  FUseHintAsHeader = source->FUseHintAsHeader;
  FUseStandardFooter = source->FUseStandardFooter;
  FWidth = source->FWidth;
}

cxClasses::TcxComponentCollection* TdxBarScreenTip::GetCollectionFromParent(TComponent* AParent) {
  auto* repository = dynamic_cast<TdxBarScreenTipRepository*>(AParent);
  return repository ? repository->GetItems() : nullptr;
}

cxClasses::TcxComponentCollection* TdxBarScreenTip::GetCollection() { return TcxComponentCollectionItem::GetCollection(); }

TdxBarScreenTipRepository* TdxBarScreenTip::GetRepository() {
  cxClasses::TcxComponentCollection* collection = GetCollection();
  return collection ? dynamic_cast<TdxBarScreenTipRepository*>(collection->GetParentComponent()) : nullptr;
}

String TdxBarScreenTip::GetDisplayName() { return Format("%s - '%s'", {GetName(), FHeader->GetText()}); }

// A header that still shows the tip's name follows a renaming.
void TdxBarScreenTip::SetName(const String& NewName) {
  const bool loading = ComponentState().Contains(csLoading) ||
                       (Owner() && Owner()->ComponentState().Contains(csLoading));
  const bool followName = !loading && FHeader->GetText() == GetName();
  inherited::SetName(NewName);
  if (followName) FHeader->SetText(NewName);
}

Integer TdxBarScreenTip::GetWidth() {
  if (FWidth > 0) return FWidth;
  return WidthToCurrentDpi(FDescription->GetGlyph()->GetEmpty() ? 210 : 318);
}

TdxBarCustomScreenTipBand* TdxBarScreenTip::GetBandForCalculation(TdxBarScreenTipBandType ABandType) {
  switch (ABandType) {
    case stbHeader: return FHeader;
    case stbDescription: return FDescription;
    case stbFooter:
      if (FUseStandardFooter)
        if (TdxBarScreenTipRepository* repository = GetRepository()) return repository->GetStandardFooter();
      return FFooter;
  }
  return FHeader;
}

// ---- The collection ------------------------------------------------------------------------------------------
void TdxBarScreenTipCollection::SetItemName(cxClasses::TcxComponentCollectionItem* AItem) {
  TComponent* parent = GetParentComponent();
  AItem->SetName(CreateUniqueName(parent ? parent->Owner() : nullptr, parent, AItem, "TdxBar", String()));
}

// ---- The repository -----------------------------------------------------------------------------------------
void TdxBarScreenTipRepository::Construct() {
  inherited::Construct();
  FItems = CreateScreenTips();
  FStandardFooter = New<TdxBarScreenTipFooterBand>(this);
  FSystemFont = New<TFont>();
  for (auto type : {stbHeader, stbDescription, stbFooter}) {
    FFonts[type] = New<TFont>();
    SetDefaultFont(type, FFonts[type]);
    FFonts[type]->OnChange = TNotifyEvent(this, &TdxBarScreenTipRepository::FontChanged);
  }
}

void TdxBarScreenTipRepository::Destroy() {
  for (TFont*& font : FFonts) FreeAndNil(font);
  FreeAndNil(FSystemFont);
  FreeAndNil(FStandardFooter);
  if (FItems) FItems->Clear();
  FreeAndNil(FItems);
  inherited::Destroy();
}

TdxBarScreenTipCollection* TdxBarScreenTipRepository::CreateScreenTips() { return New<TdxBarScreenTipCollection>(this); }

void TdxBarScreenTipRepository::SetDefaultFont(TdxBarScreenTipBandType ABandType, TFont* AFont) {
  AFont->Assign(Screen->HintFont());
  AFont->SetColor(dxBarScreenTipFontColor);
  AFont->SetStyle(ABandType == stbDescription ? TFontStyles() : TFontStyles{fsBold});
}

void TdxBarScreenTipRepository::FontChanged(TObject* Sender) {
  if (ComponentState().Contains(csLoading)) return;
  for (auto type : {stbHeader, stbDescription, stbFooter})
    if (FFonts[type] == Sender) FAssignedFonts.Include(type);
}

TFont* TdxBarScreenTipRepository::GetBandFont(TdxBarScreenTipBandType ABandType) {
  if (FAssignedFonts.Contains(ABandType)) return FFonts[ABandType];
  SetDefaultFont(ABandType, FSystemFont);
  return FSystemFont;
}

void TdxBarScreenTipRepository::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxBarScreenTipRepository*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  FItems->Assign(source->FItems);
  FStandardFooter->Assign(source->FStandardFooter);
  for (auto type : {stbHeader, stbDescription, stbFooter}) FFonts[type]->Assign(source->FFonts[type]);
  FAssignedFonts = source->FAssignedFonts;
  FShowDescription = source->FShowDescription;
}

void TdxBarScreenTipRepository::GetChildren(TGetChildProc Proc, TComponent* Root) {
  for (Integer i = 0; i < FItems->GetCount(); ++i)
    if (FItems->GetItem(i)->Owner() == Root) Proc(FItems->GetItem(i));
}

}  // namespace dxBar
