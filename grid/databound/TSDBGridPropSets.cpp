// Per-record property elements and sets.
#include "TSDBGridBase.h"
#include "TSDBGridPropSets.h"

namespace TSDBGrid {

IMPLEMENT_CLASS(TtsDBRowElement)
IMPLEMENT_CLASS(TtsDBCellElement)
IMPLEMENT_CLASS(TtsDBRowPropSet)
IMPLEMENT_CLASS(TtsDBCellPropSet)

namespace {

// A key entry as the Variant it stands for.
Variant KeyVariant(const TVarRec& Entry) {
  switch (Entry.VType) {
    case vtVariant:
      return *static_cast<const Variant*>(Entry.VPointer);
    case vtInteger:
      return Entry.VInteger;
    case vtInt64:
      return Entry.VInt64;
    case vtAnsiString:
      return *Entry.VAnsiString;
    default:
      return Variant();
  }
}

}  // namespace

TtsSetOrder TtsDBRowElement::Compare(TtsCustomSet* Set, TtsSetElement* Other) { return inherited::Compare(Set, Other); }
TtsSetOrder TtsDBRowElement::CompareKey(TtsCustomSet* Set, TtsVarRecArray Key, Integer KeyHigh) { return inherited::CompareKey(Set, Key, KeyHigh); }
void TtsDBRowElement::Assign(TtsCustomElement* Source) { inherited::Assign(Source); }
void TtsDBRowElement::FontChange(TObject* Sender) { inherited::FontChange(Sender); }

TtsSetOrder TtsDBCellElement::Compare(TtsCustomSet* Set, TtsSetElement* Other) { return inherited::Compare(Set, Other); }
TtsSetOrder TtsDBCellElement::CompareKey(TtsCustomSet* Set, TtsVarRecArray Key, Integer KeyHigh) { return inherited::CompareKey(Set, Key, KeyHigh); }
void TtsDBCellElement::Assign(TtsCustomElement* Source) { inherited::Assign(Source); }
void TtsDBCellElement::FontChange(TObject* Sender) { inherited::FontChange(Sender); }
void TtsDBCellElement::AssignCombo() { inherited::AssignCombo(); }



void TtsDBRowElement::Construct() { inherited::Construct(); }
void TtsDBRowElement::Destroy() { inherited::Destroy(); }
void TtsDBCellElement::Construct() { inherited::Construct(); }
void TtsDBCellElement::Destroy() { inherited::Destroy(); }
TtsCustomDBGrid* TtsDBRowElement::GetDBGrid() const { return static_cast<TtsCustomDBGrid*>(GetGrid()); }
TtsCustomDBGrid* TtsDBCellElement::GetDBGrid() const { return static_cast<TtsCustomDBGrid*>(GetGrid()); }
TtsCustomDBGrid* TtsDBRowPropSet::GetDBGrid() const { return static_cast<TtsCustomDBGrid*>(GetGrid()); }
TtsCustomDBGrid* TtsDBCellPropSet::GetDBGrid() const { return static_cast<TtsCustomDBGrid*>(GetGrid()); }
TtsDBRowElement* TtsDBRowPropSet::GetRow(const Variant& DataRow) {
  const TVarRec key[1] = {VarRecOfVariant(DataRow)};
  return static_cast<TtsDBRowElement*>(Get(key, 0));
}
TtsDBCellElement* TtsDBCellPropSet::GetCell(Integer DataCol, const Variant& DataRow) {
  const TVarRec key[2] = {DataCol, VarRecOfVariant(DataRow)};
  return static_cast<TtsDBCellElement*>(Get(key, 1));
}
TtsCustomPropElement* TtsDBRowPropSet::CreateElement(TtsVarRecArray Key, Integer) {
  return New<TtsDBRowElement>(GetGrid(), KeyVariant(Key[0]));
}

void TtsDBRowPropSet::DeleteElement(TtsCustomPropElement* Element) {
  const TVarRec key[1] = {VarRecOfVariant(static_cast<TtsDBRowElement*>(Element)->GetDataRow())};
  Remove(key, 0);
}

bool TtsDBRowPropSet::CheckDelete(TtsCustomPropElement* Element) {
  if (!Element->Empty()) return false;
  DeleteElement(Element);
  return true;
}

TtsCustomPropElement* TtsDBCellPropSet::CreateElement(TtsVarRecArray Key, Integer) {
  return New<TtsDBCellElement>(GetGrid(), KeyVariant(Key[0]).ToInteger(), KeyVariant(Key[1]));
}

void TtsDBCellPropSet::DeleteElement(TtsCustomPropElement* Element) {
  auto* cell = static_cast<TtsDBCellElement*>(Element);
  const TVarRec key[2] = {cell->GetDataCol(), VarRecOfVariant(cell->GetDataRow())};
  Remove(key, 1);
}

bool TtsDBCellPropSet::CheckDelete(TtsCustomPropElement* Element) {
  if (!Element->Empty()) return false;
  DeleteElement(Element);
  return true;
}

void TtsDBCellPropSet::CheckRedraw(Integer, const Variant&, bool) {}

}  // namespace TSDBGrid
