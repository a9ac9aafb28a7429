// Sparse per-cell settings: a property element holds one override of every property kind and exists
// only while one of its values differs from its kind's default; a property set keeps the elements
// of a grid in an ordered set. The cell property set keys its elements by (data column, data row),
// rows first; the data-bound grid derives its per-record sets and elements from the two bases.
#pragma once

#include "TSGridTypes.h"
#include "TSSetLib.h"

namespace TSGrid {

class TtsBaseGrid;
class TtsCombo;

class TtsCustomElement : public TtsSetElement {
  DECLARE_CLASS(TtsCustomElement, TtsSetElement)
 public:
  TtsBaseGrid* GetGrid() const { return FGrid; }
  void SetGrid(TtsBaseGrid* Value) { FGrid = Value; }

  virtual Variant GetPropValue(TtsProperty Kind, Integer Index);
  virtual void SetPropValue(const Variant& Value, TtsProperty Kind, Integer Index);
  virtual void AssignProperties(TtsCustomElement* Source) {}
  virtual void Assign(TtsCustomElement* Source) {}
  virtual bool Empty();

 protected:
  explicit TtsCustomElement(TtsBaseGrid* AGrid = nullptr) : FGrid(AGrid) {}

 private:
  TtsBaseGrid* FGrid;
};

class TtsCustomPropElement : public TtsCustomElement {
  DECLARE_CLASS(TtsCustomPropElement, TtsCustomElement)
 public:
  Variant GetPropValue(TtsProperty Kind, Integer Index) override;
  void SetPropValue(const Variant& Value, TtsProperty Kind, Integer Index) override;
  void AssignProperties(TtsCustomElement* Source) override;
  void Assign(TtsCustomElement* Source) override;
  bool Empty() override;

  virtual void FontChange(TObject* Sender);
  virtual void SetFont(TFont* Value);
  virtual void SetParentFont(bool Value);
  virtual void CheckFont();
  virtual void AssignCombo();

  // Setters with side effects; the plain values are the public fields below.
  void SetAlignment(TAlignment Value);
  void SetAlign(bool Value);
  void SetHorzAlignment(TSCommon::TtsHorzAlignment Value);
  void SetButtonType(TtsButtonType Value);
  TtsDropDownStyle GetDropDownStyle();
  void SetDropDownStyle(TtsDropDownStyle Value);
  void SetCombo(TtsCombo* Value);
  void ResetCombo();
  void SetParentCombo(bool Value);
  void SetDateTimeDef(TtsDateTimeDefComponent* Value);
  // Font copies: CopyFont makes the own font a copy of Value (nil drops it); UpdateFont does so
  // without taking the copy's change notice as an own setting.
  void CopyFont(TFont* Value);
  void UpdateFont(TFont* Value);
  bool GetChangeFont() const { return FChangeFontCount == 0; }
  void SetChangeFont(bool Value);

  TFont* GetFont() const { return FFont; }
  TtsCombo* GetCombo() const { return FCombo; }
  TtsDateTimeDefComponent* GetDateTimeDef() const { return FDateTimeDef; }

  TColor Color = Graphics::clNone;
  bool ParentFont = true;
  TAlignment Alignment = taLeftJustify;
  bool Align = false;
  TSCommon::TtsHorzAlignment HorzAlignment = TSCommon::htaDefault;
  TSCommon::TtsVertAlignment VertAlignment = TSCommon::vtaDefault;
  bool Is3D = false;
  bool ReadOnly = false;
  TtsWordWrap WordWrap = wwDefault;
  TtsButtonType ButtonType = btDefault;
  TtsDropDownStyle KeptDropDownStyle = ddDropDown;
  TtsReadOnly CellReadOnly = roDefault;
  String MaskName;
  bool AutoCreateFont = false;
  bool ParentCombo = true;
  TtsDrawOption StretchPicture = dopDefault, ShrinkPicture = dopDefault, CenterPicture = dopDefault,
                KeepAspectRatio = dopDefault;
  TtsControlType ControlType = ctDefault;
  TtsSpinOptions SpinOptions = AllSpinOptions;
  double SpinIncrement = 1.0;
  Integer Tag = 0;
  void* Data = nullptr;

 protected:
  explicit TtsCustomPropElement(TtsBaseGrid* AGrid = nullptr) : TtsCustomElement(AGrid) {}
  void Destroy() override;
  // The picture option of a prPicture index (1..4), nil for any other index.
  TtsDrawOption* PictureOption(Integer Index);

  TFont* FFont = nullptr;
  TtsCombo* FCombo = nullptr;
  TtsDateTimeDefComponent* FDateTimeDef = nullptr;
  Integer FChangeFontCount = 0;
};

class TtsCellElement : public TtsCustomPropElement {
  DECLARE_CLASS(TtsCellElement, TtsCustomPropElement)
 public:
  TtsSetOrder Compare(TtsCustomSet* Set, TtsSetElement* Other) override;
  TtsSetOrder CompareKey(TtsCustomSet* Set, TtsVarRecArray Key, Integer KeyHigh) override;
  void Assign(TtsCustomElement* Source) override;
  void FontChange(TObject* Sender) override;
  void SetParentFont(bool Value) override;
  void CheckFont() override;
  void AssignCombo() override;
  // Drops an own font that only follows the grid.
  void RemoveFonts();
  // Replaces the key: for an element outside a set, or inside one when every key around it moves
  // alike (the set's order unchanged).
  void SetKey(Integer ADataCol, Integer ADataRow);
  Integer GetDataCol() const { return FDataCol; }
  Integer GetDataRow() const { return FDataRow; }

 protected:
  TtsCellElement(TtsBaseGrid* AGrid = nullptr, Integer ADataCol = 0, Integer ADataRow = 0)
      : TtsCustomPropElement(AGrid), FDataCol(ADataCol), FDataRow(ADataRow) {}
  void Construct() override;
  void Destroy() override;

 private:
  // Invalidates the cell when it is visible, and redisplays the in-place control on it.
  void RedrawCell();
  Integer FDataCol;
  Integer FDataRow;
};

class TtsCustomPropSet : public TtsObjectSet {
  DECLARE_CLASS(TtsCustomPropSet, TtsObjectSet)
 public:
  TtsBaseGrid* GetGrid() const { return FGrid; }
  // While the set is assigned from another, each node gets a copy of the element bound to this
  // set's grid, so that copying a set never shares elements.
  TtsSetNode* NewNode(const void* Value) override;

  virtual TtsCustomPropElement* CreateElement(TtsVarRecArray Key, Integer KeyHigh);
  virtual void AddElement(TtsCustomPropElement* Element) { Add(Element); }
  virtual void DeleteElement(TtsCustomPropElement* Element);
  virtual bool CheckDelete(TtsCustomPropElement* Element);
  // Sets one value of the key's element, creating the element when the value leaves the default
  // and deleting it when its last value returns there. Element: the key's element when the caller
  // has it, else nil; afterwards the element that holds the key's values, nil when none does.
  // Answers whether the value changed.
  virtual bool SetProperty(TtsVarRecArray Key, Integer KeyHigh, TtsCustomPropElement*& Element, const Variant& Value,
                           TtsProperty Kind, Integer Index, bool Redraw);
  virtual void SetAutoCreateFont(TtsVarRecArray Key, Integer KeyHigh, bool Value, TtsCustomPropElement*& Element);

  // Puts the given kinds of one element (of every element) back to their defaults.
  void ResetElement(TtsCustomPropElement* Element, const TtsProperties& Kinds, bool Redraw);
  void ResetProperties(const TtsProperties& Kinds, bool Redraw);

 protected:
  explicit TtsCustomPropSet(TtsBaseGrid* AGrid = nullptr) : FGrid(AGrid) {}
  // The set's own SetProperty and SetAutoCreateFont steps, without the cell set's follow-ups.
  bool DoSetProperty(TtsVarRecArray Key, Integer KeyHigh, TtsCustomPropElement*& Element, const Variant& Value,
                     TtsProperty Kind, Integer Index);
  void DoSetAutoCreateFont(TtsVarRecArray Key, Integer KeyHigh, bool Value, TtsCustomPropElement*& Element);
  // The CheckDelete of the concrete sets: an element left with no value of its own is deleted.
  bool DeleteIfEmpty(TtsCustomPropElement* Element);

 private:
  TtsBaseGrid* FGrid;
};

class TtsCellPropSet : public TtsCustomPropSet {
  DECLARE_CLASS(TtsCellPropSet, TtsCustomPropSet)
 public:
  TtsCustomPropElement* CreateElement(TtsVarRecArray Key, Integer KeyHigh) override;
  void AddElement(TtsCustomPropElement* Element) override;
  void DeleteElement(TtsCustomPropElement* Element) override;
  bool CheckDelete(TtsCustomPropElement* Element) override;
  bool SetProperty(TtsVarRecArray Key, Integer KeyHigh, TtsCustomPropElement*& Element, const Variant& Value,
                   TtsProperty Kind, Integer Index, bool Redraw) override;
  void SetAutoCreateFont(TtsVarRecArray Key, Integer KeyHigh, bool Value, TtsCustomPropElement*& Element) override;
  // Redraws one cell after a change; CheckOnly asks whether it is visible first.
  void CheckRedraw(Integer DataCol, Integer DataRow, bool CheckOnly);

  TtsCellElement* GetCell(Integer DataCol, Integer DataRow);

 protected:
  explicit TtsCellPropSet(TtsBaseGrid* AGrid = nullptr) : TtsCustomPropSet(AGrid) {}
};

}  // namespace TSGrid
