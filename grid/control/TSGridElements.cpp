// Property elements and property sets.
#include "TSGridImpl.h"
#include "Graphics.h"
#include "TSGridBase.h"
#include "TSGridCombo.h"
#include "TSGridElements.h"
#include "TSGridStores.h"
#include "Variants.h"

namespace TSGrid {

IMPLEMENT_CLASS(TtsCustomElement)
IMPLEMENT_CLASS(TtsCustomPropElement)
IMPLEMENT_CLASS(TtsCellElement)
IMPLEMENT_CLASS(TtsCustomPropSet)
IMPLEMENT_CLASS(TtsCellPropSet)

namespace {

// A key entry of a cell set as an integer.
Integer KeyInteger(const TVarRec& Entry) {
  switch (Entry.VType) {
    case vtInteger:
      return Entry.VInteger;
    case vtInt64:
      return static_cast<Integer>(Entry.VInt64);
    case vtVariant:
      return static_cast<const Variant*>(Entry.VPointer)->ToInteger();
    default:
      return 0;
  }
}

Variant ByteOf(Integer Ordinal) { return static_cast<Byte>(Ordinal); }

}  // namespace

// ---- TtsCustomElement -------------------------------------------------------------------------------
Variant TtsCustomElement::GetPropValue(TtsProperty, Integer) { AbstractCall(); }
void TtsCustomElement::SetPropValue(const Variant&, TtsProperty, Integer) { AbstractCall(); }
bool TtsCustomElement::Empty() { AbstractCall(); }

// ---- TtsCustomPropElement ---------------------------------------------------------------------------
void TtsCustomPropElement::Destroy() {
  if (TtsBaseGrid* grid = GetGrid()) {
    grid->CheckResetComboInit(FCombo, true);
    grid->CheckResetDateTimeInit(FDateTimeDef);
  }
  FreeAndNil(FFont);
  FreeAndNil(FCombo);
  if (FDateTimeDef && GetGrid()) GetGrid()->RemoveDateTime(FDateTimeDef);
  FDateTimeDef = nullptr;
  inherited::Destroy();
}

TtsDrawOption* TtsCustomPropElement::PictureOption(Integer Index) {
  switch (Index) {
    case 1:
      return &StretchPicture;
    case 2:
      return &ShrinkPicture;
    case 3:
      return &CenterPicture;
    case 4:
      return &KeepAspectRatio;
    default:
      return nullptr;
  }
}

Variant TtsCustomPropElement::GetPropValue(TtsProperty Kind, Integer Index) {
  switch (Kind) {
    case prColor:
      return Integer{Color};
    case prFont:
      return ObjectToVariant(FFont);
    case prReadOnly:
      return ReadOnly;
    case prAlign:
      return Align;
    case prAlignment:
      return ByteOf(Alignment);
    case prIs3D:
      return Is3D;
    case prWordWrap:
      return ByteOf(WordWrap);
    case prButtonType:
      return ByteOf(ButtonType);
    case prDropDownStyle:
      return ByteOf(GetDropDownStyle());
    case prCellReadOnly:
      return ByteOf(CellReadOnly);
    case prParentFont:
      return ParentFont;
    case prMask:
      return MaskName;
    case prCombo:
      return ObjectToVariant(FCombo);
    case prParentCombo:
      return ParentCombo;
    case prPicture:
      if (TtsDrawOption* option = PictureOption(Index)) return ByteOf(*option);
      return Variant();
    case prControlType:
      return ByteOf(ControlType);
    case prSpinOptions:
      return static_cast<Byte>(SpinOptions.ToBits());
    case prSpinIncrement:
      return SpinIncrement;
    case prHorzAlignment:
      return ByteOf(HorzAlignment);
    case prVertAlignment:
      return ByteOf(VertAlignment);
    case prDateTime:
      return ObjectToVariant(FDateTimeDef);
    case prTag:
      return Tag;
    case prData:
      return VarFromPointer(Data);
    default:
      return Variant();
  }
}

void TtsCustomPropElement::SetPropValue(const Variant& Value, TtsProperty Kind, Integer Index) {
  switch (Kind) {
    case prColor:
      Color = Value.ToInteger();
      break;
    case prFont:
      SetFont(static_cast<TFont*>(VariantToObject(Value)));
      break;
    case prReadOnly:
      ReadOnly = Value.ToBoolean();
      break;
    case prAlign:
      SetAlign(Value.ToBoolean());
      break;
    case prAlignment:
      SetAlignment(static_cast<TAlignment>(Value.ToInteger()));
      break;
    case prIs3D:
      Is3D = Value.ToBoolean();
      break;
    case prWordWrap:
      WordWrap = static_cast<TtsWordWrap>(Value.ToInteger());
      break;
    case prButtonType:
      SetButtonType(static_cast<TtsButtonType>(Value.ToInteger()));
      break;
    case prDropDownStyle:
      SetDropDownStyle(static_cast<TtsDropDownStyle>(Value.ToInteger()));
      break;
    case prCellReadOnly:
      CellReadOnly = static_cast<TtsReadOnly>(Value.ToInteger());
      break;
    case prParentFont:
      SetParentFont(Value.ToBoolean());
      break;
    case prMask:
      MaskName = VarToStr(Value);
      break;
    case prCombo:
      SetCombo(static_cast<TtsCombo*>(VariantToObject(Value)));
      break;
    case prParentCombo:
      SetParentCombo(Value.ToBoolean());
      break;
    case prPicture:
      if (TtsDrawOption* option = PictureOption(Index)) *option = static_cast<TtsDrawOption>(Value.ToInteger());
      break;
    case prControlType:
      ControlType = static_cast<TtsControlType>(Value.ToInteger());
      break;
    case prSpinOptions:
      SpinOptions = TtsSpinOptions::FromBits(static_cast<UInt64>(Value.ToInteger()) & 7);
      break;
    case prSpinIncrement:
      SpinIncrement = Value.ToDouble();
      break;
    case prHorzAlignment:
      SetHorzAlignment(static_cast<TSCommon::TtsHorzAlignment>(Value.ToInteger()));
      break;
    case prVertAlignment:
      VertAlignment = static_cast<TSCommon::TtsVertAlignment>(Value.ToInteger());
      break;
    case prDateTime:
      SetDateTimeDef(static_cast<TtsDateTimeDefComponent*>(VariantToObject(Value)));
      break;
    case prTag:
      Tag = Value.ToInteger();
      break;
    case prData:
      Data = VarToPointer(Value);
      break;
    default:  // kinds the element does not keep
      break;
  }
}

bool TtsCustomPropElement::Empty() {
  return Color == Graphics::clNone && !FFont && ParentFont && Alignment == taLeftJustify && !Align &&
         HorzAlignment == TSCommon::htaDefault && VertAlignment == TSCommon::vtaDefault && !Is3D && !ReadOnly &&
         WordWrap == wwDefault && ButtonType == btDefault && KeptDropDownStyle == ddDropDown &&
         CellReadOnly == roDefault && MaskName.empty() && !AutoCreateFont && !FCombo && ParentCombo &&
         StretchPicture == dopDefault && ShrinkPicture == dopDefault && CenterPicture == dopDefault &&
         KeepAspectRatio == dopDefault && ControlType == ctDefault && SpinOptions == AllSpinOptions &&
         SpinIncrement == 1.0 && !FDateTimeDef && Tag == 0 && !Data;
}

void TtsCustomPropElement::Assign(TtsCustomElement* Source) {
  if (auto* source = dynamic_cast<TtsCustomPropElement*>(Source)) AssignProperties(source);
}

void TtsCustomPropElement::AssignProperties(TtsCustomElement* Source) {
  auto* source = dynamic_cast<TtsCustomPropElement*>(Source);
  if (!source) return;
  Color = source->Color;
  Alignment = source->Alignment;
  Align = source->Align;
  HorzAlignment = source->HorzAlignment;
  VertAlignment = source->VertAlignment;
  Is3D = source->Is3D;
  ReadOnly = source->ReadOnly;
  WordWrap = source->WordWrap;
  KeptDropDownStyle = source->KeptDropDownStyle;
  CellReadOnly = source->CellReadOnly;
  MaskName = source->MaskName;
  StretchPicture = source->StretchPicture;
  ShrinkPicture = source->ShrinkPicture;
  CenterPicture = source->CenterPicture;
  KeepAspectRatio = source->KeepAspectRatio;
  ParentCombo = source->ParentCombo;
  ControlType = source->ControlType;
  SpinOptions = source->SpinOptions;
  SpinIncrement = source->SpinIncrement;
  SetButtonType(source->ButtonType);
  SetDateTimeDef(source->FDateTimeDef);
  SetCombo(source->FCombo);
  ParentFont = source->ParentFont;
  if (ParentFont)
    CheckFont();
  else
    UpdateFont(source->FFont);
}

void TtsCustomPropElement::SetAlignment(TAlignment Value) {
  SetLayerAlignment(Alignment, Align, HorzAlignment, Value);
}

void TtsCustomPropElement::SetAlign(bool Value) { SetLayerAlign(Alignment, Align, HorzAlignment, Value); }

void TtsCustomPropElement::SetHorzAlignment(TSCommon::TtsHorzAlignment Value) {
  SetLayerHorzAlignment(Alignment, Align, HorzAlignment, Value);
}

void TtsCustomPropElement::SetButtonType(TtsButtonType Value) {
  if (ButtonType == Value) return;
  ButtonType = Value;
  if ((Value == btDateTimeDropDown || Value == btDateTimePopup) && GetGrid()) GetGrid()->ResetDateTimeInit();
}

TtsDropDownStyle TtsCustomPropElement::GetDropDownStyle() { return LayerDropDownStyle(FCombo, KeptDropDownStyle); }

void TtsCustomPropElement::SetDropDownStyle(TtsDropDownStyle Value) {
  SetLayerDropDownStyle(FCombo, KeptDropDownStyle, Value);
}

void TtsCustomPropElement::AssignCombo() {
  if (FCombo) return;
  FCombo = GetGrid()->CreateCombo();
  ParentCombo = false;
  FCombo->SetDropDownStyle(KeptDropDownStyle);
}

void TtsCustomPropElement::ResetCombo() {
  if (!FCombo) return;
  if (GetGrid()) GetGrid()->CheckResetComboInit(FCombo, true);
  FreeAndNil(FCombo);
}

void TtsCustomPropElement::SetCombo(TtsCombo* Value) {
  if (Value && Value == FCombo) return;
  if (!Value) {
    ResetCombo();
    return;
  }
  AssignCombo();
  FCombo->Assign(Value);
  GetGrid()->CheckResetComboInit(FCombo, false);
}

void TtsCustomPropElement::SetParentCombo(bool Value) {
  if (SetLayerParentCombo(ParentCombo, Value)) SetCombo(nullptr);
}

void TtsCustomPropElement::SetDateTimeDef(TtsDateTimeDefComponent* Value) {
  if (FDateTimeDef == Value) return;
  TtsBaseGrid* grid = GetGrid();
  if (grid) {
    grid->ResetDateTimeInit();
    if (FDateTimeDef) grid->RemoveDateTime(FDateTimeDef);
  }
  FDateTimeDef = Value;
  if (grid && Value) grid->AddDateTime(Value);
}

void TtsCustomPropElement::CopyFont(TFont* Value) {
  CopyOwnedFont(FFont, Value, TNotifyEvent(this, &TtsCustomPropElement::FontChange));
}

void TtsCustomPropElement::UpdateFont(TFont* Value) {
  CopyUnreported(FChangeFontCount, [&] { CopyFont(Value); });
}

void TtsCustomPropElement::SetChangeFont(bool Value) { CountFontChange(FChangeFontCount, Value); }

void TtsCustomPropElement::SetFont(TFont* Value) {
  SetLayerFont(FFont, ParentFont, Value, [this](TFont* F) { CopyFont(F); });
}

void TtsCustomPropElement::SetParentFont(bool Value) { ParentFont = Value; }

void TtsCustomPropElement::FontChange(TObject*) {
  if (GetChangeFont()) ParentFont = false;
}

void TtsCustomPropElement::CheckFont() {
  if (ParentFont && FFont) UpdateFont(GetGrid()->GetFont());
}

// ---- TtsCellElement ---------------------------------------------------------------------------------
void TtsCellElement::Construct() {
  inherited::Construct();
  if (GetGrid()) GetGrid()->ResetLastCell();
}

void TtsCellElement::Destroy() {
  if (GetGrid()) GetGrid()->ResetLastCell();
  inherited::Destroy();
}

void TtsCellElement::SetKey(Integer ADataCol, Integer ADataRow) {
  FDataCol = ADataCol;
  FDataRow = ADataRow;
}

TtsSetOrder TtsCellElement::CompareKey(TtsCustomSet*, TtsVarRecArray Key, Integer) {
  Integer col = KeyInteger(Key[0]);
  Integer row = KeyInteger(Key[1]);
  if (FDataRow < row) return ordLarger;
  if (FDataRow > row) return ordSmaller;
  if (FDataCol < col) return ordLarger;
  if (FDataCol > col) return ordSmaller;
  return ordEqual;
}

TtsSetOrder TtsCellElement::Compare(TtsCustomSet* Set, TtsSetElement* Other) {
  auto* other = static_cast<TtsCellElement*>(Other);
  const TVarRec key[2] = {other->FDataCol, other->FDataRow};
  return CompareKey(Set, key, 1);
}

void TtsCellElement::Assign(TtsCustomElement* Source) {
  if (auto* cell = dynamic_cast<TtsCellElement*>(Source)) SetKey(cell->FDataCol, cell->FDataRow);
  inherited::Assign(Source);
}

void TtsCellElement::FontChange(TObject* Sender) {
  if (!GetChangeFont()) return;
  inherited::FontChange(Sender);
  RedrawCell();
}

void TtsCellElement::RedrawCell() {
  TtsBaseGrid* grid = GetGrid();
  Integer col = grid->GetDisplayCol(FDataCol);
  Integer row = grid->GetDisplayRow(FDataRow);
  if (grid->CheckInvalidateCell(col, row) && col == grid->GetCurDisplayCol() && row == grid->GetCurDisplayRow())
    grid->RedisplayControl(true);
}

void TtsCellElement::SetParentFont(bool Value) {
  if (ParentFont == Value) return;
  ParentFont = Value;
  TtsBaseGrid* grid = GetGrid();
  if (!Value) {
    UpdateFont(grid->GetFont());
  } else if (AutoCreateFont) {
    if (FFont) {
      UpdateFont(grid->GetFont());
      RedrawCell();
    }
  } else {
    UpdateFont(nullptr);
  }
}

void TtsCellElement::CheckFont() {
  if (ParentFont && FFont) UpdateFont(GetGrid()->GiveCellFont(FDataCol, FDataRow));
}

void TtsCellElement::AssignCombo() {
  inherited::AssignCombo();
  TtsBaseGrid* grid = GetGrid();
  if (FCombo && FDataCol >= 1 && FDataCol <= grid->GetGridColCount())
    FCombo->GetGrid()->InitComboColWidth(grid->GetCols()->GetItem(FDataCol)->GetWidth());
}

void TtsCellElement::RemoveFonts() {
  if (ParentFont && FFont) UpdateFont(nullptr);
}

// ---- TtsCustomPropSet -------------------------------------------------------------------------------
TtsSetNode* TtsCustomPropSet::NewNode(const void* Value) {
  auto* given = static_cast<TtsCustomPropElement*>(const_cast<void*>(Value));
  if (!GetAssigning()) return inherited::NewNode(Value);
  auto* copy = static_cast<TtsCustomPropElement*>(given->ClassType()->Create());
  try {
    copy->SetGrid(FGrid);
    copy->Assign(given);
    // The base refuses every node while a set is assigned; this one holds a copy of its own.
    return New<TtsObjectSetNode>(copy);
  } catch (...) {
    copy->Free();
    throw;
  }
}

TtsCustomPropElement* TtsCustomPropSet::CreateElement(TtsVarRecArray, Integer) { AbstractCall(); }
void TtsCustomPropSet::DeleteElement(TtsCustomPropElement*) { AbstractCall(); }
bool TtsCustomPropSet::CheckDelete(TtsCustomPropElement*) { AbstractCall(); }

bool TtsCustomPropSet::DeleteIfEmpty(TtsCustomPropElement* Element) {
  if (!Element->Empty()) return false;
  DeleteElement(Element);
  return true;
}

bool TtsCustomPropSet::SetProperty(TtsVarRecArray Key, Integer KeyHigh, TtsCustomPropElement*& Element,
                                   const Variant& Value, TtsProperty Kind, Integer Index, bool) {
  return DoSetProperty(Key, KeyHigh, Element, Value, Kind, Index);
}

bool TtsCustomPropSet::DoSetProperty(TtsVarRecArray Key, Integer KeyHigh, TtsCustomPropElement*& Element,
                                     const Variant& Value, TtsProperty Kind, Integer Index) {
  Variant current;
  if (Element)
    current = Element->GetPropValue(Kind, Index);
  else
    DefaultPropValue(Kind, current);
  if (EqualPropValue(current, Value)) return false;
  Variant standard;
  DefaultPropValue(Kind, standard);
  if (Element) {
    Element->SetPropValue(Value, Kind, Index);
    if (EqualPropValue(standard, Value) && CheckDelete(Element)) Element = nullptr;
  } else {
    TtsCustomPropElement* created = CreateElement(Key, KeyHigh);
    try {
      created->SetPropValue(Value, Kind, Index);
    } catch (...) {
      created->Free();
      throw;
    }
    AddElement(created);
    // The element that now holds the key's values (a value back at its default leaves none).
    Element = created;
    if (created->Empty() && CheckDelete(created)) Element = nullptr;
  }
  return true;
}

void TtsCustomPropSet::SetAutoCreateFont(TtsVarRecArray Key, Integer KeyHigh, bool Value,
                                         TtsCustomPropElement*& Element) {
  DoSetAutoCreateFont(Key, KeyHigh, Value, Element);
}

void TtsCustomPropSet::DoSetAutoCreateFont(TtsVarRecArray Key, Integer KeyHigh, bool Value,
                                           TtsCustomPropElement*& Element) {
  bool current = Element ? Element->AutoCreateFont : false;
  if (current == Value) return;
  if (Element) {
    Element->AutoCreateFont = Value;
    if (!Value && CheckDelete(Element)) Element = nullptr;
    return;
  }
  TtsCustomPropElement* created = CreateElement(Key, KeyHigh);
  created->AutoCreateFont = true;
  AddElement(created);
  Element = created;
}

void TtsCustomPropSet::ResetElement(TtsCustomPropElement* Element, const TtsProperties& Kinds, bool Redraw) {
  static constexpr TtsProperty Redrawing[] = {
      prColor,        prFont,       prIs3D,     prAlign,          prAlignment,     prHorzAlignment, prVertAlignment,
      prReadOnly,     prWordWrap,   prButtonType, prDropDownStyle, prCellReadOnly, prParentFont,    prCombo,
      prParentCombo,  prPicture,    prControlType, prSpinOptions,  prSpinIncrement};
  const TVarRec noKey[1];
  auto reset = [&](TtsProperty kind, Integer index, bool redraw) {
    Variant standard;
    DefaultPropValue(kind, standard);
    return SetProperty(noKey, -1, Element, standard, kind, index, redraw);
  };
  for (TtsProperty kind : Redrawing) {
    if (!Element) return;
    if (!Kinds.Contains(kind)) continue;
    if (kind == prPicture) {
      for (Integer index = 1; index <= 4 && Element; ++index)
        if (reset(kind, index, Redraw)) Redraw = false;
    } else if (reset(kind, 0, Redraw)) {
      Redraw = false;
    }
  }
  if (Element && Kinds.Contains(prDateTime)) reset(prDateTime, 0, false);
  if (Element && Kinds.Contains(prMask)) reset(prMask, 0, true);
  for (TtsProperty kind : {prSelected, prTag, prData})
    if (Element && Kinds.Contains(kind)) reset(kind, 0, Redraw);
}

void TtsCustomPropSet::ResetProperties(const TtsProperties& Kinds, bool Redraw) {
  if (Kinds.Empty()) return;
  TOwnedPtr<TtsSetList> list(List());
  for (Integer i = 1; i <= list->GetCount(); ++i)
    ResetElement(static_cast<TtsCustomPropElement*>(list->GetItems(i)), Kinds, Redraw);
}

// ---- TtsCellPropSet ---------------------------------------------------------------------------------
TtsCustomPropElement* TtsCellPropSet::CreateElement(TtsVarRecArray Key, Integer) {
  return New<TtsCellElement>(GetGrid(), KeyInteger(Key[0]), KeyInteger(Key[1]));
}

void TtsCellPropSet::AddElement(TtsCustomPropElement* Element) {
  Add(Element);
  GetGrid()->AddToPropList(static_cast<TtsCellElement*>(Element));
}

void TtsCellPropSet::DeleteElement(TtsCustomPropElement* Element) {
  auto* cell = static_cast<TtsCellElement*>(Element);
  GetGrid()->DeleteFromPropList(cell);
  Remove({cell->GetDataCol(), cell->GetDataRow()});
}

bool TtsCellPropSet::CheckDelete(TtsCustomPropElement* Element) { return DeleteIfEmpty(Element); }

TtsCellElement* TtsCellPropSet::GetCell(Integer DataCol, Integer DataRow) {
  return static_cast<TtsCellElement*>(Get({DataCol, DataRow}));
}

bool TtsCellPropSet::SetProperty(TtsVarRecArray Key, Integer KeyHigh, TtsCustomPropElement*& Element,
                                 const Variant& Value, TtsProperty Kind, Integer Index, bool Redraw) {
  Integer col, row;
  if (Element) {
    col = static_cast<TtsCellElement*>(Element)->GetDataCol();
    row = static_cast<TtsCellElement*>(Element)->GetDataRow();
  } else {
    col = KeyInteger(Key[0]);
    row = KeyInteger(Key[1]);
  }
  if (!DoSetProperty(Key, KeyHigh, Element, Value, Kind, Index)) return false;
  if (Kind == prMask)
    GetGrid()->CheckSetMask(col, row);
  else if (Redraw)
    CheckRedraw(col, row, TtsBaseGrid::IsDrawProp(Kind));
  return true;
}

void TtsCellPropSet::SetAutoCreateFont(TtsVarRecArray Key, Integer KeyHigh, bool Value,
                                       TtsCustomPropElement*& Element) {
  Integer col, row;
  if (Element) {
    col = static_cast<TtsCellElement*>(Element)->GetDataCol();
    row = static_cast<TtsCellElement*>(Element)->GetDataRow();
  } else {
    col = KeyInteger(Key[0]);
    row = KeyInteger(Key[1]);
  }
  DoSetAutoCreateFont(Key, KeyHigh, Value, Element);
  TtsCoordList* followers = GetGrid()->GetCellFontFollowers();
  if (Element && Element->AutoCreateFont) {
    followers->AddCoord(col, row);
    return;
  }
  followers->RemoveCoord(col, row);
  if (Element) {
    static_cast<TtsCellElement*>(Element)->RemoveFonts();
    if (CheckDelete(Element)) Element = nullptr;
  }
}

void TtsCellPropSet::CheckRedraw(Integer DataCol, Integer DataRow, bool CheckOnly) {
  TtsBaseGrid* grid = GetGrid();
  if (grid->GetFastAssign() || grid->ComponentState().Contains(csDestroying)) return;
  if (DataCol < 0 || DataCol >= grid->GetColCount() || DataRow < 0 || DataRow >= grid->GetRowCount()) return;
  Integer col = grid->GetDisplayCol(DataCol);
  Integer row = grid->GetDisplayRow(DataRow);
  bool invalidated = true;
  if (CheckOnly)
    invalidated = grid->CheckInvalidateCell(col, row);
  else
    grid->InvalidateCell(col, row);
  if (invalidated && col == grid->GetCurDisplayCol() && row == grid->GetCurDisplayRow()) {
    grid->RedisplayControl(true);
    grid->InvalidateFocusRect(col, row, false);
  }
}

}  // namespace TSGrid
