// The mask editor's input modes. The editor hands every editing key, every paste and every change
// of its text to the mode of its mask kind; the mode decides whether a key is handled by itself,
// passed on to the inner edit or swallowed, and keeps the model of the text it needs. Modes count
// positions in characters; the editor's selection is converted at the edges.
#pragma once

#include "cxMaskText.h"
#include "cxTextEdit.h"

namespace cxStandardMask {
class TcxStandardMask;
}
namespace cxRegExpr {
class TcxRegExpr;
}

namespace cxMaskEdit {

PUBLISHED_ENUM(TcxEditMaskKind, emkStandard, emkRegExpr, emkRegExprEx)

class TcxCustomMaskEdit;
class TcxCustomMaskEditProperties;

class TcxMaskEditCustomMode : public TObject {
  DECLARE_CLASS(TcxMaskEditCustomMode, TObject)
 public:
  // A mode of AClass for the editor, or without editor (AEdit null) for the settings' own use.
  static TcxMaskEditCustomMode* Create(TClass AClass, TcxCustomMaskEdit* AEdit,
                                       TcxCustomMaskEditProperties* AProperties);

  virtual TcxEditMaskKind GetMaskKind() = 0;
  virtual void AfterPasteFromClipboard() = 0;
  virtual void Compile(const String& AMask) = 0;
  virtual String GetEmptyString() = 0;
  virtual String GetFormattedText(const String& AText, bool ATextHasLiterals = false) = 0;
  virtual void GotoEnd() = 0;
  virtual bool IsCursorBegin() = 0;
  virtual bool IsCursorEnd() = 0;
  virtual bool IsFullValidText(const String& AText) = 0;
  virtual void LMouseDown() = 0;
  virtual void PrePasteFromClipboard() = 0;
  // The keys: true lets the inner edit perform its own handling of the key.
  virtual bool PressBackSpace() = 0;
  virtual bool PressDelete() = 0;
  virtual bool PressEnd() = 0;
  virtual bool PressHome() = 0;
  virtual bool PressLeft() = 0;
  virtual bool PressRight() = 0;
  virtual bool PressSymbol(char32_t& AChar) = 0;
  virtual void SetText(const String& AText) = 0;
  // Refreshes the displayed text from the value.
  virtual void SynchronizeEditValue();
  virtual void UpdateEditValue() = 0;
  virtual String GetUpdatedText(const String& AText, bool ATextHasLiterals = true) = 0;

  TcxCustomMaskEditProperties* GetProperties();
  const String& GetEditMask() const { return FEditMask; }

  Integer ClipboardTextLength = 0;  // the length of a pending paste, 0 when none
  bool NeedUpdateEditValue = false;
  // The settings' case and echo as the editor last applied them.
  TEditCharCase CharCase = StdCtrls::ecNormal;
  TcxEditEchoMode EchoMode = eemNormal;

 protected:
  // An editor is attached and it is not inside a change of its settings.
  bool HasEdit();
  void BeepOnError();
  // ---- The editor's text and selection, in characters
  TcxMaskChars GetDisplayChars();
  Integer GetSelStart();
  Integer GetSelLength();
  Integer GetCursorPos();
  void SetSelStart(Integer AStart);
  void SetSelLength(Integer ALength);
  void DirectSetSelStart(Integer AStart);
  void DirectSetSelLength(Integer ALength);
  void SetDisplayChars(const TcxMaskChars& AText);
  bool IsShiftDown();
  void ReleaseShift();
  void SendKey(Word AKey);
  void SendChar(char32_t AChar);
  bool IsCharValidForPos(char32_t& AChar, Integer APosition);
  // Gives the editor a new edit value.
  void SetEditValue(const String& AValue);

  TcxCustomMaskEdit* FEdit = nullptr;
  TcxCustomMaskEditProperties* FProperties = nullptr;
  String FEditMask;
};

// Fixed-width pictures: the editor shows the whole picture and the cursor is a one-character
// selection that typing overwrites.
class TcxMaskEditStandardMode : public TcxMaskEditCustomMode {
  DECLARE_CLASS(TcxMaskEditStandardMode, TcxMaskEditCustomMode)
 public:
  TcxEditMaskKind GetMaskKind() override { return emkStandard; }
  void AfterPasteFromClipboard() override;
  void Compile(const String& AMask) override;
  String GetEmptyString() override;
  String GetFormattedText(const String& AText, bool ATextHasLiterals = false) override;
  void GotoEnd() override {}
  bool IsCursorBegin() override;
  bool IsCursorEnd() override;
  bool IsFullValidText(const String& AText) override;
  void LMouseDown() override;
  void PrePasteFromClipboard() override;
  bool PressBackSpace() override;
  bool PressDelete() override;
  bool PressEnd() override;
  bool PressHome() override;
  bool PressLeft() override;
  bool PressRight() override;
  bool PressSymbol(char32_t& AChar) override;
  void SetText(const String& AText) override { LMouseDown(); }
  void SynchronizeEditValue() override;
  void UpdateEditValue() override;
  String GetUpdatedText(const String& AText, bool ATextHasLiterals = true) override;
  char32_t GetBlank();
  cxStandardMask::TcxStandardMask* GetMask() const { return FMask; }

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  bool IsLiteralAt(Integer APosition);
  Integer FirstNonLiteral();

  cxStandardMask::TcxStandardMask* FMask = nullptr;
  Integer FPasteStart = 0;
};

// Regular expressions with free insertion: Head is the text before the cursor, which the automaton
// has consumed, Tail the text after it, which must still fit after every change.
class TcxMaskEditRegExprMode : public TcxMaskEditCustomMode {
  DECLARE_CLASS(TcxMaskEditRegExprMode, TcxMaskEditCustomMode)
 public:
  TcxEditMaskKind GetMaskKind() override { return emkRegExpr; }
  void AfterPasteFromClipboard() override {}
  void Compile(const String& AMask) override;
  String GetEmptyString() override { return ""; }
  String GetFormattedText(const String& AText, bool ATextHasLiterals = false) override;
  void GotoEnd() override;
  bool IsCursorBegin() override { return GetSelStart() == 0; }
  bool IsCursorEnd() override;
  bool IsFullValidText(const String& AText) override;
  void LMouseDown() override { FMouseAction = true; }
  void PrePasteFromClipboard() override {}
  bool PressBackSpace() override;
  bool PressDelete() override;
  bool PressEnd() override;
  bool PressHome() override;
  bool PressLeft() override;
  bool PressRight() override;
  bool PressSymbol(char32_t& AChar) override;
  void SetText(const String& AText) override;
  void SynchronizeEditValue() override;
  void UpdateEditValue() override {}
  String GetUpdatedText(const String& AText, bool = true) override { return AText; }
  void DeleteSelection();
  void RestoreSelection();
  cxRegExpr::TcxRegExpr* GetRegExpr() const { return FRegExpr; }

 protected:
  void Construct() override;
  void Destroy() override;
  virtual void CursorCorrection();
  // Whether Tail still fits after Head (a look-ahead that leaves the automaton where it was).
  bool NextTail();
  void ClearTail();
  // Feeds a character, ignoring whether it was accepted.
  void Feed(char32_t AChar);
  void StepBack(Integer ACount);
  // Moves one character between Head and Tail, feeding or stepping back over it.
  void MoveRight();
  void MoveLeft();
  // Compiles the mask into AExpr; raises the mask error with every pattern error.
  void CompileInto(cxRegExpr::TcxRegExpr* AExpr, const String& AMask);
  // A second expression of this mode's pattern (null when nothing is compiled).
  cxRegExpr::TcxRegExpr* CreateCompiledCopy(bool ACaseInsensitive);

  cxRegExpr::TcxRegExpr* FRegExpr = nullptr;
  TcxMaskChars FHead;
  TcxMaskChars FTail;
  TcxMaskChars FSelectionText;
  bool FSelectionAtTail = false;
  bool FMouseAction = false;
};

// A regular expression that also completes the literal characters the pattern forces: a typed
// character and the forced characters after it form one unit, and the cursor never rests inside one.
class TcxMaskEditRegExprExMode : public TcxMaskEditRegExprMode {
  DECLARE_CLASS(TcxMaskEditRegExprExMode, TcxMaskEditRegExprMode)
 public:
  TcxEditMaskKind GetMaskKind() override { return emkRegExprEx; }
  void AfterPasteFromClipboard() override;
  void Compile(const String& AMask) override;
  String GetEmptyString() override;
  String GetFormattedText(const String& AText, bool ATextHasLiterals = false) override;
  bool IsFullValidText(const String& AText) override;
  void PrePasteFromClipboard() override { CursorCorrection(); }
  bool PressBackSpace() override;
  bool PressDelete() override;
  bool PressEnd() override;
  bool PressLeft() override;
  bool PressRight() override;
  bool PressSymbol(char32_t& AChar) override;
  void SetText(const String& AText) override;
  void UpdateEditValue() override;

 protected:
  void Construct() override;
  void CursorCorrection() override;

 private:
  void SymbolUpdate(char32_t AChar) { FForcedText += AChar; }
  void SymbolDelete() { ++FRemovedForcedCount; }
  void ClearBuffers();
  // Runs AProc with completion off, switching it back on afterwards.
  template <class F>
  void WithoutCompletion(F AProc);
  void SetCompletion(bool AOn);
  // The forced characters of the pattern's start.
  TcxMaskChars ForcedPrefix();
  bool TakeOutSelection();
  void UpdateTail();
  void RevalidateTail();
  // One unit forward or back in the model, answering its length (0 when there was none).
  Integer UnitRight();
  Integer UnitLeft();

  TcxMaskChars FForcedText;
  Integer FRemovedForcedCount = 0;
  Integer FPendingCursorPos = -1;
  TcxMaskChars FPrefixText;
};

}  // namespace cxMaskEdit
