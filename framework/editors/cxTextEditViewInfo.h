// Where and how a text editor's text is drawn when its inner edit does not show it (an unfocused
// editor, a grid cell, a list-style editor), its content size for auto-sizing, and the painting of
// the text with its selection highlight, the one-pixel frame and the focus rectangle.
#pragma once

#include "cxDrawTextUtils.h"
#include "cxEditViewData.h"
#include "cxEditViewInfo.h"
#include "cxTextEditProperties.h"

namespace cxTextEdit {

class TcxCustomTextEditViewInfo;

using TcxEditOwnerDrawEvent = TClosure<void(TcxCanvas* ACanvas, const TRect& ARect)>;

class TcxCustomTextEditViewData : public TcxCustomEditViewData {
  DECLARE_CLASS(TcxCustomTextEditViewData, TcxCustomEditViewData)
 public:
  using TcxCustomEditViewData::TcxCustomEditViewData;
  void Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                 TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) override;
  void EditValueToDrawValue(TcxCanvas* ACanvas, const TcxEditValue& AEditValue,
                            TcxCustomEditViewInfo* AViewInfo) override;
  TRect GetClientExtent(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo) override;

  virtual bool GetIsEditClass();
  virtual Integer GetMaxLineCount() { return 0; }
  virtual bool IsComboBoxStyle() { return false; }
  virtual void PrepareDrawTextFlags(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo);
  virtual void DisplayValueToDrawValue(const TcxEditValue& ADisplayValue, TcxCustomEditViewInfo* AViewInfo);
  virtual DWORD GetDrawTextFlags();
  virtual TRect GetDrawTextOffset();
  // The selection of the view data with its colours.
  void PrepareSelection(TcxCustomEditViewInfo* AViewInfo);
  TcxCustomTextEditProperties* GetTextProperties() const {
    return static_cast<TcxCustomTextEditProperties*>(GetProperties());
  }

  // Set by the editor: the selection shown when the view info draws the text itself.
  Integer SelStart = 0;
  Integer SelLength = 0;
  TColor SelTextColor = clDefault;
  TColor SelBackgroundColor = clDefault;

 protected:
  void InitCacheData() override;
  String InternalEditValueToDisplayText(const TcxEditValue& AEditValue) override;
  TSize InternalGetEditContentSize(TcxCanvas* ACanvas, const TcxEditValue& AEditValue,
                                   const TcxEditSizeProperties& AEditSizeProperties) override;

 private:
  bool FIsValueEditorWithValueFormatting = false;
};

class TcxCustomTextEditViewInfo : public TcxCustomEditViewInfo {
  DECLARE_CLASS(TcxCustomTextEditViewInfo, TcxCustomEditViewInfo)
 public:
  void Offset(Integer DX, Integer DY) override;
  bool NeedShowHint(TcxCanvas* ACanvas, const TPoint& P, const TRect& AVisibleBounds, String& AText,
                    bool& AIsMultiLine, TRect& ATextRect) override;
  virtual void DrawText(TcxCanvas* ACanvas);

  bool ComboBoxStyle = false;
  TcxEditOwnerDrawEvent OnOwnerDraw;
  bool DrawSelectionBar = false;
  DWORD DrawTextFlags = 0;
  TcxEditEditingStyle EditingStyle = esEdit;
  bool HasPopupWindow = false;
  bool IsEditClass = false;
  bool IsOwnerDrawing = false;
  Integer MaxLineCount = 0;
  Integer SelStart = 0;
  Integer SelLength = 0;
  TColor SelTextColor = clHighlightText;
  TColor SelBackgroundColor = clHighlight;
  String Text;
  TRect TextRect;

  // The text-out cache, prepared on the first drawing after a calculation.
  bool TextOutInitialized = false;
  bool ForceEndEllipsis = false;
  TcxTextParams TextParams;
  TRect PreparedTextRect;
  TcxTextRows TextRows;
  Integer RowCount = 0;

 protected:
  void InternalPaint(TcxCanvas* ACanvas) override;
};

// The text editor's painting and measuring routines.
void DrawTextEdit(TcxCanvas* ACanvas, TcxCustomTextEditViewInfo* AViewInfo);
void DrawEditText(TcxCanvas* ACanvas, TcxCustomTextEditViewInfo* AViewInfo);
TSize GetTextEditContentSize(TcxCanvas* ACanvas, TcxCustomEditViewData* AViewData, const String& AText,
                             DWORD ADrawTextFlags, const TcxEditSizeProperties& AEditSizeProperties,
                             Integer ALineCount = 0, bool ACorrectWidth = true);
TRect GetTextEditDrawTextOffset(TcxCustomEditViewData* AViewData);
TRect GetTextEditDrawTextOffset(TAlignment AAlignment, bool AIsInplace);
// The colour with all 24 colour bits inverted.
TColor InvertColor(TColor AColor);

}  // namespace cxTextEdit
