// The effective properties of a cell: each resolved through the cell, the row and the column (in
// the order the grid's DrawOverlap gives) and the grid, with the heading paths for row 0 and
// column 0, and the same answers for the current cell.
#include "TSGridImpl.h"

namespace TSGrid {

namespace {

using TSCommon::TtsHorzAlignment;
using TSCommon::TtsVertAlignment;

TtsHorzAlignment LegacyAlignment(TAlignment Alignment) {
  switch (Alignment) {
    case taRightJustify:
      return TSCommon::htaRight;
    case taCenter:
      return TSCommon::htaCenter;
    default:
      return TSCommon::htaDefault;
  }
}

}  // namespace

// ---- Fonts, word wrap, colour ---------------------------------------------------------------------
TFont* TtsBaseGrid::GiveHeadingFont(Integer DataCol) {
  TFont* font = nullptr;
  if (DataCol >= 0 && DataCol <= GetGridColCount()) font = FCols->GetItem(DataCol)->GetHeadingFont();
  return font ? font : FHeadingFont;
}

TFont* TtsBaseGrid::GiveCellFont(Integer DataCol, Integer DataRow) {
  if (DataCol == 0) return GiveHeadingFont(0);
  if (DataRow == 0) return GiveHeadingFont(DataCol);
  if (!GetCellParentFont(DataCol, DataRow)) {
    if (TFont* font = GetCellFont(DataCol, DataRow)) return font;
  }
  TtsCol* col = DataCol <= GetGridColCount() ? FCols->GetItem(DataCol) : nullptr;
  TFont* font = RowColLayer<TFont*>(
      FDrawOverlap, nullptr, [&]() { return GetRowParentFont(DataRow) ? nullptr : GetRowFont(DataRow); },
      [&]() { return col && !col->GetParentFont() ? col->GetFont() : nullptr; });
  return font ? font : GetFont();
}

TtsWordWrap TtsBaseGrid::GiveHeadingWordWrap(Integer DataCol) {
  if (DataCol >= 0 && DataCol <= GetGridColCount()) {
    TtsWordWrap wrap = FCols->GetItem(DataCol)->GetHeadingWordWrap();
    if (wrap != wwDefault) return wrap;
  }
  return FHeadingWordWrap;
}

TtsWordWrap TtsBaseGrid::GiveCellWordWrap(Integer DataCol, Integer DataRow) {
  if (DataCol == 0 || DataRow == 0) return GiveHeadingWordWrap(DataCol);
  TtsWordWrap wrap = GetCellWordWrap(DataCol, DataRow);
  if (wrap != wwDefault) return wrap;
  TtsCol* col = DataCol <= GetGridColCount() ? FCols->GetItem(DataCol) : nullptr;
  wrap = RowColLayer(FDrawOverlap, wwDefault, [&]() { return GetRowWordWrap(DataRow); },
                     [&]() { return col ? col->GetWordWrap() : wwDefault; });
  return wrap != wwDefault ? wrap : FWordWrap;
}

TColor TtsBaseGrid::GiveCellColor(Integer DataCol, Integer DataRow, bool Is3D) {
  if (DataCol == 0 || DataRow == 0) {
    if (DataCol > 0 && DataCol <= GetGridColCount()) {
      TColor color = FCols->GetItem(DataCol)->GetHeadingColor();
      if (color != Graphics::clNone) return color;
    }
    return FHeadingColor;
  }
  TColor color = GetCellColor(DataCol, DataRow);
  if (color != Graphics::clNone) return color;
  TtsCol* col = DataCol <= GetGridColCount() ? FCols->GetItem(DataCol) : nullptr;
  color = RowColLayer(FDrawOverlap, Graphics::clNone, [&]() { return GetRowColor(DataRow); },
                      [&]() { return col ? col->GetColor() : Graphics::clNone; });
  if (color != Graphics::clNone) return color;
  color = GetColor();
  if (Is3D && (color == Graphics::clNone || color == Graphics::clWindow)) return Graphics::clBtnFace;
  return color;
}

// ---- Alignment ----------------------------------------------------------------------------------------
TSCommon::TtsHorzAlignment TtsBaseGrid::GiveHeadingHorzAlignment(Integer DataCol) {
  if (DataCol >= 0 && DataCol <= GetGridColCount()) {
    TtsHorzAlignment align = FCols->GetItem(DataCol)->GetHeadingHorzAlignment();
    if (align != TSCommon::htaDefault) return align;
  }
  return FHeadingHorzAlignment != TSCommon::htaDefault ? FHeadingHorzAlignment : FHorzAlignment;
}

TSCommon::TtsVertAlignment TtsBaseGrid::GiveHeadingVertAlignment(Integer DataCol) {
  if (DataCol >= 0 && DataCol <= GetGridColCount()) {
    TtsVertAlignment align = FCols->GetItem(DataCol)->GetHeadingVertAlignment();
    if (align != TSCommon::vtaDefault) return align;
  }
  return FHeadingVertAlignment != TSCommon::vtaDefault ? FHeadingVertAlignment : FVertAlignment;
}

TSCommon::TtsHorzAlignment TtsBaseGrid::GiveCellHorzAlignment(Integer DataCol, Integer DataRow) {
  TtsHorzAlignment align;
  if (DataCol == 0 || DataRow == 0) {
    align = GiveHeadingHorzAlignment(DataCol);
  } else {
    align = GetCellHorzAlignment(DataCol, DataRow);
    TtsCol* col = DataCol <= GetGridColCount() ? FCols->GetItem(DataCol) : nullptr;
    if (align == TSCommon::htaDefault)
      align = RowColLayer(FDrawOverlap, TSCommon::htaDefault, [&]() { return GetRowHorzAlignment(DataRow); },
                          [&]() { return col ? col->GetHorzAlignment() : TSCommon::htaDefault; });
    if (align == TSCommon::htaDefault) {
      TtsHorzAlignment legacy = col ? LegacyAlignment(col->GetAlignment()) : TSCommon::htaDefault;
      align = legacy != TSCommon::htaDefault ? legacy : FHorzAlignment;
    }
  }
  return align == TSCommon::htaDefault ? TSCommon::htaLeft : align;
}

TSCommon::TtsVertAlignment TtsBaseGrid::GiveCellVertAlignment(Integer DataCol, Integer DataRow) {
  TtsVertAlignment align;
  if (DataCol == 0 || DataRow == 0) {
    align = GiveHeadingVertAlignment(DataCol);
  } else {
    align = GetCellVertAlignment(DataCol, DataRow);
    TtsCol* col = DataCol <= GetGridColCount() ? FCols->GetItem(DataCol) : nullptr;
    if (align == TSCommon::vtaDefault)
      align = RowColLayer(FDrawOverlap, TSCommon::vtaDefault, [&]() { return GetRowVertAlignment(DataRow); },
                          [&]() { return col ? col->GetVertAlignment() : TSCommon::vtaDefault; });
    if (align == TSCommon::vtaDefault) align = FVertAlignment;
  }
  return align == TSCommon::vtaDefault ? TSCommon::vtaTop : align;
}

TAlignment TtsBaseGrid::GiveCellAlignment(Integer DataCol, Integer DataRow) {
  switch (GiveCellHorzAlignment(DataCol, DataRow)) {
    case TSCommon::htaRight:
      return taRightJustify;
    case TSCommon::htaCenter:
      return taCenter;
    default:
      return taLeftJustify;
  }
}

// ---- 3-D, mask, control type ------------------------------------------------------------------------
bool TtsBaseGrid::GiveCell3D(Integer DataCol, Integer DataRow) {
  if (DataCol == 0 || DataRow == 0) return FHeading3D;
  if (FIs3D) return true;
  if (DataCol <= GetGridColCount() && FCols->GetItem(DataCol)->GetIs3D()) return true;
  return GetRowIs3D(DataRow) || GetCellIs3D(DataCol, DataRow);
}

String TtsBaseGrid::GiveCellMaskName(Integer DataCol, Integer DataRow) {
  if (DataCol < 1 || DataCol > GetGridColCount() || DataRow < 1 || DataRow > GetGridRowCount()) return String();
  String name = GetCellMaskName(DataCol, DataRow);
  if (!name.empty()) return name;
  TtsCol* col = FCols->GetItem(DataCol);
  return RowColLayer(FDrawOverlap, String(), [&]() { return GetRowMaskName(DataRow); },
                     [&]() { return col->GetMaskName(); });
}

TtsControlType TtsBaseGrid::GiveCellControlType(Integer DataCol, Integer DataRow) {
  if (DataCol < 1 || DataCol > GetGridColCount() || DataRow < 1 || DataRow > GetRowCount() - 1) return ctNone;
  TtsControlType type = GetCellControlType(DataCol, DataRow);
  if (type == ctDefault) {
    TtsCol* col = FCols->GetItem(DataCol);
    type = RowColLayer(FDrawOverlap, ctDefault, [&]() { return GetRowControlType(DataRow); },
                       [&]() { return col->GetControlType(); });
  }
  return type == ctDefault ? ctText : type;
}

// ---- Buttons and spinning ---------------------------------------------------------------------------
TtsButtonType TtsBaseGrid::GiveCellButton(Integer DataCol, Integer DataRow, TtsDropDownStyle& DropDownStyle) {
  DropDownStyle = ddDropDown;
  if (DataCol < 1 || DataCol > GetGridColCount() || DataRow < 1 || DataRow > GetRowCount() - 1) return btNone;
  if (!FReadOnlyButton && CellIsReadOnly(DataCol, DataRow)) return btNone;
  TtsButtonType type = GetCellButtonType(DataCol, DataRow);
  if (type != btDefault) {
    DropDownStyle = GetCellDropDownStyle(DataCol, DataRow);
    return type;
  }
  TtsCol* col = FCols->GetItem(DataCol);
  bool colFirst = FDrawOverlap != doDrawRowOnTop;
  for (Integer pass = 0; pass < 2; ++pass) {
    bool asCol = (pass == 0) == colFirst;
    type = asCol ? col->GetButtonType() : GetRowButtonType(DataRow);
    if (type != btDefault) {
      DropDownStyle = asCol ? col->GetDropDownStyle() : GetRowDropDownStyle(DataRow);
      return type;
    }
  }
  return btNone;
}

TtsButtonType TtsBaseGrid::GiveCellButtonType(Integer DataCol, Integer DataRow) {
  TtsDropDownStyle style;
  return GiveCellButton(DataCol, DataRow, style);
}

TtsDropDownStyle TtsBaseGrid::GiveCellDropDownStyle(Integer DataCol, Integer DataRow) {
  TtsDropDownStyle style;
  GiveCellButton(DataCol, DataRow, style);
  return style;
}

bool TtsBaseGrid::IsSpinButton(TtsButtonType ButtonType) {
  return ButtonType == btVertSpin || ButtonType == btHorzSpin;
}

namespace {
// Which layer supplies the spin settings: 0 none, 1 cell, 2 row, 3 column.
Integer SpinLayer(TtsBaseGrid* Grid, Integer DataCol, Integer DataRow) {
  if (DataCol < 1 || DataCol > Grid->GetGridColCount() || DataRow < 1 || DataRow > Grid->GetRowCount() - 1)
    return 0;
  if (TtsBaseGrid::IsSpinButton(Grid->GetCellButtonType(DataCol, DataRow))) return 1;
  bool colFirst = Grid->GetDrawOverlap() != doDrawRowOnTop;
  bool rowSpin = TtsBaseGrid::IsSpinButton(Grid->GetRowButtonType(DataRow));
  bool colSpin = TtsBaseGrid::IsSpinButton(Grid->GetCols()->GetItem(DataCol)->GetButtonType());
  if (colFirst) return colSpin ? 3 : rowSpin ? 2 : 0;
  return rowSpin ? 2 : colSpin ? 3 : 0;
}
}  // namespace

TtsSpinOptions TtsBaseGrid::GiveCellSpinOptions(Integer DataCol, Integer DataRow) {
  switch (SpinLayer(this, DataCol, DataRow)) {
    case 1:
      return GetCellSpinOptions(DataCol, DataRow);
    case 2:
      return GetRowSpinOptions(DataRow);
    case 3:
      return FCols->GetItem(DataCol)->GetSpinOptions();
    default:
      return TtsSpinOptions();
  }
}

double TtsBaseGrid::GiveCellSpinIncrement(Integer DataCol, Integer DataRow) {
  switch (SpinLayer(this, DataCol, DataRow)) {
    case 1:
      return GetCellSpinIncrement(DataCol, DataRow);
    case 2:
      return GetRowSpinIncrement(DataRow);
    case 3:
      return FCols->GetItem(DataCol)->GetSpinIncrement();
    default:
      return 0;
  }
}

String TtsBaseGrid::GiveCellCheckBoxValues(Integer DataCol, Integer DataRow) {
  if (DataCol < 0 || DataCol > GetGridColCount()) return FCheckBoxValues;
  TtsCol* col = FCols->GetItem(DataCol);
  if (!col->UseCheckBoxValues()) return String();
  String values = col->GetCheckBoxValues();
  return values.empty() ? FCheckBoxValues : values;
}

// ---- Pictures ------------------------------------------------------------------------------------------
namespace {
template <class CellRead, class RowRead, class ColRead>
TtsDrawOption PictureOption(TtsBaseGrid* Grid, Integer DataCol, Integer DataRow, CellRead Cell, RowRead Row,
                            ColRead Col) {
  if (DataCol < 1 || DataRow < 1 || DataCol > Grid->GetGridColCount()) return dopDefault;
  TtsDrawOption option = Cell();
  if (option != dopDefault) return option;
  TtsCol* col = Grid->GetCols()->GetItem(DataCol);
  return RowColLayer(Grid->GetDrawOverlap(), dopDefault, Row, [&]() { return Col(col); });
}
}  // namespace

TtsDrawOption TtsBaseGrid::GiveCellStretchPicture(Integer DataCol, Integer DataRow) {
  return PictureOption(
      this, DataCol, DataRow, [&]() { return GetCellStretchPicture(DataCol, DataRow); },
      [&]() { return GetRowStretchPicture(DataRow); }, [](TtsCol* C) { return C->GetStretchPicture(); });
}
TtsDrawOption TtsBaseGrid::GiveCellShrinkPicture(Integer DataCol, Integer DataRow) {
  return PictureOption(
      this, DataCol, DataRow, [&]() { return GetCellShrinkPicture(DataCol, DataRow); },
      [&]() { return GetRowShrinkPicture(DataRow); }, [](TtsCol* C) { return C->GetShrinkPicture(); });
}
TtsDrawOption TtsBaseGrid::GiveCellCenterPicture(Integer DataCol, Integer DataRow) {
  return PictureOption(
      this, DataCol, DataRow, [&]() { return GetCellCenterPicture(DataCol, DataRow); },
      [&]() { return GetRowCenterPicture(DataRow); }, [](TtsCol* C) { return C->GetCenterPicture(); });
}
TtsDrawOption TtsBaseGrid::GiveCellKeepAspectRatio(Integer DataCol, Integer DataRow) {
  return PictureOption(
      this, DataCol, DataRow, [&]() { return GetCellKeepAspectRatio(DataCol, DataRow); },
      [&]() { return GetRowKeepAspectRatio(DataRow); }, [](TtsCol* C) { return C->GetKeepAspectRatio(); });
}

// ---- Combos ------------------------------------------------------------------------------------------
TtsCombo* TtsBaseGrid::GiveCellCombo(Integer DataCol, Integer DataRow) {
  if (DataCol < 1 || DataCol > GetGridColCount() || DataRow < 1 || DataRow > GetRowCount() - 1) return nullptr;
  bool design = GetInDesignMode();
  if (GetCellButtonType(DataCol, DataRow) == btCombo && (!GetCellParentCombo(DataCol, DataRow) || design))
    return GetCellCombo(DataCol, DataRow);
  TtsCol* col = FCols->GetItem(DataCol);
  bool rowFirst = FDrawOverlap == doDrawRowOnTop;
  bool rowCombo = GetRowButtonType(DataRow) == btCombo;
  bool colCombo = col->GetButtonType() == btCombo;
  bool rowOwn = rowCombo && (!GetRowParentCombo(DataRow) || design);
  bool colOwn = colCombo && (!col->GetParentCombo() || design);
  if (rowFirst ? rowOwn : colOwn) return rowFirst ? GetRowCombo(DataRow) : col->GetCombo();
  if (rowFirst ? colCombo : rowCombo) return rowFirst ? col->GetCombo() : GetRowCombo(DataRow);
  return nullptr;
}

// ---- The current cell --------------------------------------------------------------------------------
String TtsBaseGrid::CurCellMaskName() { return GiveCellMaskName(FCurDataCol, FCurDataRow); }
TtsControlType TtsBaseGrid::CurCellControlType() { return GiveCellControlType(FCurDataCol, FCurDataRow); }
bool TtsBaseGrid::CurCellReadOnly() { return CellIsReadOnly(FCurDataCol, FCurDataRow); }
bool TtsBaseGrid::CurCellSelected() { return IsCellSelected(FCurDisplayCol, FCurDisplayRow); }
String TtsBaseGrid::CurCellCheckBoxValues() { return GiveCellCheckBoxValues(FCurDataCol, FCurDataRow); }

TtsControlType TtsBaseGrid::ActiveControlType(Integer DataCol, const Variant& DataRow) {
  if (!CheckIndex(itCol, DataCol, GetGridColCount(), 1) || !CheckIndex(itRow, DataRow.ToInteger(), GetRowCount() - 1, 1))
    return ctNone;
  return GiveCellControlType(DataCol, DataRow.ToInteger());
}

TtsCombo* TtsBaseGrid::ActiveCombo(Integer DataCol, const Variant& DataRow) {
  if (!CheckIndex(itCol, DataCol, GetGridColCount(), 1) || !CheckIndex(itRow, DataRow.ToInteger(), GetRowCount() - 1, 1))
    return nullptr;
  return GiveCellCombo(DataCol, DataRow.ToInteger());
}

}  // namespace TSGrid
