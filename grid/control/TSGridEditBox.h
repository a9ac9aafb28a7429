// The grid's in-place text editor. It is no system edit control: it keeps its own text, breaks it
// into lines and draws text and selection with the grid family's text layout, so that the text in
// the editor sits exactly where the grid draws the cell's text, and it drives the system caret
// itself.
//
// The text is UTF-8. Positions are byte offsets unless an operation counts characters; every
// operation keeps them on character boundaries, never inside a sequence or between CR and LF.
// TSGridEditBoxLayout.cpp holds the text model, the layout, the caret and the selection;
// TSGridEditBoxInput.cpp the keys, the mouse, the clipboard, undo, masks and the system caret.
#pragma once

#include "TSGridInplaceControl.h"

namespace TSMask {
class TtsMaskDefsComponent;
class TtsMaskItem;
}  // namespace TSMask
namespace WinGdi {
struct TEXTMETRICA;
}

namespace TSGrid {

class TtsEditMaskLink;

class TtsGridEditBox : public TtsGridControl {
  DECLARE_CLASS(TtsGridEditBox, TtsGridControl)
 public:
  explicit TtsGridEditBox(TComponent* AOwner = nullptr) : TtsGridControl(AOwner) {}
  void Dispatch(TMessage& Message) override;

  // ---- Text
  const String& GetText() const { return FText; }
  // A programmatic change, when the CanChange hook allows it.
  void SetText(const String& S);
  // A change that counts as an edit, when the grid allows the edit.
  void SetEditText(const String& S, bool ByUser);
  void SetTextValue(const String& S, bool IsEdit, bool ByUser);
  // Tells the grid the text was laid out again; true when the grid changed the height meanwhile.
  bool EditTextResized(bool ByUser);
  // Lays the lines out again and brings the caret into view.
  void DisplayEditText();
  void SetAlignment(TAlignment Value) override;
  void SetVertAlignment(TSCommon::TtsVertAlignment Value) override;
  void SetWordWrap(TtsWordWrap Value) override;
  Integer LineCount() const;
  Integer LineStart(Integer Line) const;
  Integer TextLineLength(Integer Line) const;
  // The line pitch: the font's text height plus the line spacing.
  Integer GetTextHeight();
  bool IsMultiLine();
  // The client area widened by the left margin, so that text sits where the grid draws it.
  TRect GetDrawRect();

  // ---- Selection in bytes
  Integer GetSelByteStart() const { return FSelStart; }
  Integer GetSelByteLength() const { return FSelLength; }
  void SetSelByteStart(Integer P);
  void SetSelByteLength(Integer L);
  bool AllSelected() const;
  void SelectAll();
  String GetSelText() const;

  // ---- Selection in characters (a multibyte character and a CR LF count one each)
  Integer GetSelStart();
  Integer GetSelLength();
  void SetSelStart(Integer N);
  void SetSelLength(Integer N);
  // Moves the caret to the selection start and into view.
  void TextPosToSelStart();
  void ReplaceSelText(const String& S);
  // A change by the program that counts as an edit.
  void SetSelText(const String& S);

  // ---- Caret
  Integer GetCaretPosition() const { return FCaretPos; }
  bool GetCaretAtLineStart() const { return FCaretAtLineStart; }
  TPoint GetCaretPoint() const { return FCaretPoint; }
  Integer GetCaretLine() const { return FCaretLine; }
  Integer GetCaretOffset() const { return FCaretOffset; }
  Integer GetFirstVisibleLine() const { return FFirstVisibleLine; }
  Integer GetScrollAnchor() const { return FScrollAnchor; }
  void SetTextPosition(Integer P, bool AtLineStart);
  // Scrolls so that the caret is inside the window; Fraction of the width is left on the side the
  // caret came from. True when the view scrolled.
  bool MoveCaretIntoView(bool Repaint, double Fraction);
  // The text position under a client point, and whether it shows at the start of its line.
  Integer GetPointCaretPos(const TPoint& Point, bool& AtLineStart);

  // ---- Caret moves. Shift extends the selection; Default is the answer at the edge of the text.
  // Unshifted moves over an all-selected text answer false at once and leave the key to the grid.
  bool MoveLeft(bool Shift, bool Word, bool Default);
  bool MoveRight(bool Shift, bool Word, bool Default);
  bool MoveUp(bool Shift, bool Default);
  bool MoveDown(bool Shift, bool Default);
  bool MovePageUp(bool Shift, bool Default);
  bool MovePageDown(bool Shift, bool Default);
  bool MoveHome(bool Shift);
  bool MoveEnd(bool Shift);
  void MoveToStartOfText(bool Shift);
  void MoveToEndOfText(bool Shift);
  bool CtrlMoveHome(bool Shift, bool CheckStart);
  bool CtrlMoveEnd(bool Shift);

  // Draws text and selection on Canvas within Rect with the text placed at (Left, Top), as the box
  // paints itself; the selection shows while the box or the grid has the focus.
  void DrawControl(TCanvas* Canvas, Integer Height, const TRect& Rect, Integer Left, Integer Top);

  // ---- Editing
  bool IsEditKey(char Key) override;
  // One level of undo: the text before the first change since the text was set.
  bool HasUndoState() const { return FOldTextSaved; }
  const String& GetOldText() const { return FOldText; }
  void SaveOldText();
  // Escape and Ctrl+Z: restores the saved text when the grid agrees (Key becomes 0).
  bool UndoEdit(Word& Key);
  bool RestoreOldText();
  // Whether S fits MaxLength in place of the selection (characters are counted).
  bool NewLengthOk(const String& S);
  Integer GetMaxLength() const { return FMaxLength; }
  void SetMaxLength(Integer N);
  // Whether the mask lets S in at the caret; the mask may extend S by auto-fill.
  bool CanInsertText(String& S);
  TSMask::TtsMaskItem* GetEditMask();
  void ResetEditMask() { FMaskItem = nullptr; }
  TSMask::TtsMaskDefsComponent* GetMaskDefs() const;
  void SetMaskDefs(TSMask::TtsMaskDefsComponent* Value);
  const String& GetMaskName() const { return FMaskName; }
  void SetMaskName(const String& Value);
  // Typing: S replaces the selection (a CR goes in as CR LF) and the caret steps over it.
  void AddCharToText(const String& S, bool& Changed);
  void DeleteSelText(bool& Changed);
  void DelSelectedText(bool& Changed, bool CheckEdit);
  void DelNextCharFromText(bool& Changed, bool CheckEdit);
  void DelPrevCharFromText(bool& Changed, bool CheckEdit);

  // ---- Clipboard (plain text; a paste keeps its line breaks as they come)
  void ClipboardCopy();
  void ClipboardCut(bool ByUser);
  bool ClipboardPaste(bool ByUser);
  void CopyToClipboard() { ClipboardCopy(); }
  void CutToClipboard(bool ByUser) { ClipboardCut(ByUser); }
  void PasteFromClipboard(bool ByUser) { ClipboardPaste(ByUser); }

  // The lead byte of a character whose other bytes are still to be typed (0 for none).
  const String& GetPendingLead() const { return FPendingLead; }
  bool GetKeyHeld() const { return FKeyHeld; }

 protected:
  void Construct() override;
  void Destroy() override;
  void Paint() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void DblClick() override;
  void Resize() override;
  void MouseDownSetPosition(Integer X, Integer Y);

 private:
  // Characters: boundaries are where stepping forward from the start of the text lands.
  Integer TextLength() const { return static_cast<Integer>(FText.size()); }
  Integer NextPos(Integer P) const;
  Integer PrevPos(Integer P) const;
  // The boundary at or before P, or with Forward the one at or after it.
  Integer SnapToBoundary(Integer P, bool Forward) const;
  void CountChars(Integer From, Integer To, Integer& Chars) const;
  Integer CharsToBytes(Integer From, Integer Chars) const;
  Integer WordLeft(Integer P) const;
  Integer WordRight(Integer P) const;

  // Layout.
  TCanvas* MeasureCanvas();
  void Metrics(WinGdi::TEXTMETRICA& TM);
  Integer MeasureWidth(Integer Start, Integer Length);
  Integer PrintedWidth(Integer Start, Integer Length, bool WithOverhang);
  Integer Overhang();
  Integer LineSpacing();
  void LayoutLines();
  // After a change of the text: the lines laid out, the caret at P with the selection collapsed
  // there, and the grid told; a second layout when the grid changed the height meanwhile.
  void LayoutAfterEdit(Integer P, bool AtLineStart);
  Integer LineTextEnd(Integer Line) const;
  Integer LineTop(Integer DefaultTop);
  Integer TextStartOffset(Integer Start, Integer Length, bool WithOverhang);
  void SetCaretRowAndOffset(Integer P, bool AtLineStart);
  TPoint GetTextCaretPos();
  TPoint GetTextCaretPosLeft();
  TPoint GetTextCaretPosRight();
  Integer LineCaretPos(Integer Start, Integer Length, Integer StartX, Integer X);
  bool MoveCaretUpIntoView();
  bool MoveCaretDownIntoView();
  bool MoveCaretLeftIntoView(double Fraction);
  bool MoveCaretRightIntoView(double Fraction);

  // Selection and the frame every caret move shares.
  void SetSelectionBytes(Integer Start, Integer Length);
  struct TMoveStart {
    Integer Caret, SelStart, SelLength;
  };
  TMoveStart StartMove(bool Shift, bool CheckAllSelected, bool& Refused);
  void PrepareMoveSelection();
  bool EdgeAnswer(const TMoveStart& Start, bool Answer);
  bool FinishMove(const TMoveStart& Start, bool Shift, bool Scrolled, bool TowardEnd);
  void MoveSelectionLeft(Integer OldCaret);
  void MoveSelectionRight(Integer OldCaret);
  bool MoveLeftSingleLine(bool Word);
  bool MoveLeftMultiLine(bool Word);
  bool MoveRightSingleLine(bool Word);
  bool MoveRightMultiLine(bool Word);
  bool MoveVertically(bool Shift, bool Default, bool Down);
  bool MovePage(bool Shift, bool Default, bool Down);

  void DropUndo();
  void SetCaretPos();
  void ShowCaret();
  void HideCaret();
  void SetCaretVisible(bool Visible);
  void CreateCaretBitmap();
  void DestroyCaretBitmap();
  void FocusGained();
  void FocusLost();
  void SetCursorMessage(TMessage& Message);

  String FText;
  String FOldText;
  bool FOldTextSaved = false;
  Integer FSelStartCache = 0, FSelLengthCache = 0;
  Integer FSelStart = 0;
  Integer FSelLength = 0;
  Integer FCaretPos = 0;
  Integer FScrollAnchor = 0;
  Integer FFirstVisibleLine = 0;
  TtsIntegerList* FLines = nullptr;
  TPoint FCaretPoint;
  Integer FCaretLine = 0, FCaretOffset = 0;
  bool FCaretAtLineStart = true;
  bool FCaretCreated = false, FCaretWanted = false, FCaretShown = false;
  bool FMouseSelecting = false;
  Integer FMouseAnchor = 0;
  TPoint FMouseDownPoint;
  bool FFirstMovePending = false;
  bool FKeyHeld = false;
  Integer FRightSlack = 0;
  HBITMAP FCaretBitmap = nullptr;
  Integer FMaxLength = 0;
  String FPendingLead;
  TSMask::TtsMaskItem* FMaskItem = nullptr;
  TtsEditMaskLink* FMaskLink = nullptr;
  String FMaskName;
  TBitmap* FMeasureBitmap = nullptr;
};

}  // namespace TSGrid
