// The masked edit: an edit whose text follows an edit mask (MaskUtils) place by place. Typing
// overwrites the place at the caret when the character fits it, the caret skips the literals, and
// deleting blanks places instead of closing them up. EditText is the text as shown (literals and
// blank characters); Text is the value (blanks as spaces, literals only when the mask saves them).
#pragma once

#include "Exceptions.h"
#include "MaskUtils.h"
#include "StdCtrls.h"

namespace Mask {

// An entry that does not satisfy the mask; Position is the byte offset of the first place at fault.
class EDBEditError : public Exception {
 public:
  EDBEditError(const String& Msg, Integer APosition) : Exception(Msg), Position(APosition) {}
  const char* ClassName() const override { return "EDBEditError"; }
  Integer Position;
};

class TCustomMaskEdit : public TCustomEdit {
  DECLARE_CLASS(TCustomMaskEdit, TCustomEdit)
 public:
  explicit TCustomMaskEdit(TComponent* AOwner = nullptr) : TCustomEdit(AOwner) {}
  void Dispatch(TMessage& Message) override;

  String GetEditMask() const { return FEditMask; }
  // A new mask keeps the entered characters, in order, in the new mask's places.
  void SetEditMask(const String& Value);
  bool IsMasked() const { return !FMask.Places.empty(); }
  String GetEditText();
  void SetEditText(const String& Value);
  // The value; without a mask the edit's text. (Read through this class: the control's own text
  // is the edit text.)
  String GetText();
  void SetText(const String& Value);
  // With a mask, the number of its places; the mask sets it.
  Integer GetMaxLength() const;
  void SetMaxLength(Integer Value);
  void Clear() override;
  // Raises EDBEditError (with the caret put at the place at fault) when a changed entry leaves a
  // required place empty.
  virtual void ValidateEdit();
  // Gives up the changes since the control was entered (or its text last set).
  void Reset();
  void CutToClipboard() override;
  void PasteFromClipboard() override;
  // Whether the edit text fills every required place with a fitting character; Pos is the byte
  // offset of the first place at fault.
  virtual bool Validate(const String& Value, Integer& Pos);

 protected:
  void CreateWnd() override;
  void DoSetMaxLength(Integer Value) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;

 private:
  using TCells = std::vector<String>;  // per place: the entered character, empty when blank
  TCells ReadCells(const String& EditText) const;
  String Shown(const TCells& Cells) const;
  size_t Offset(const TCells& Cells, size_t Place) const;
  size_t PlaceAt(const TCells& Cells, size_t ByteOffset) const;
  size_t NextDataPlace(size_t Place) const;
  ptrdiff_t PrevDataPlace(size_t Place) const;
  void Selection(const TCells& Cells, size_t& First, size_t& Last, size_t& Caret);
  void Show(const TCells& Cells, size_t Anchor, size_t Caret, bool ByUser);
  void TypeCharacter(const String& Ch);
  void Backspace();
  void DeleteKey();
  void MoveCaret(Word Key, bool Extend);
  bool BlankSelection(TCells& Cells, size_t& First);
  void Paste(const String& Text);

  String FEditMask;
  MaskUtils::TEditMaskInfo FMask;
  String FOldValue;     // the edit text Reset returns to
  String FPending;      // leading bytes of a character typed byte by byte
  Integer FPlainMaxLength = 0;
  bool FSettingText = false;
};

class TMaskEdit : public TCustomMaskEdit {
  DECLARE_CLASS(TMaskEdit, TCustomMaskEdit)
 public:
  explicit TMaskEdit(TComponent* AOwner = nullptr) : TCustomMaskEdit(AOwner) {}
};

}  // namespace Mask

using namespace Mask;
