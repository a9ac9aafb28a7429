// The clipboard object of the class library: text and raw formats on the window layer's clipboard,
// opened once for a series of calls (Open/Close nest).
#pragma once

#include "Exceptions.h"
#include "System.h"
#include "WinDef.h"

namespace Clipbrd {

class TClipboard : public TObject {
  DECLARE_CLASS(TClipboard, TObject)
 public:
  // Opens the clipboard for this program (nested calls count); EClipboardException when another
  // window holds it open.
  void Open();
  void Close();
  // Empties the clipboard; the program owns it after.
  void Clear();
  bool HasFormat(UINT Format);
  Integer FormatCount();
  UINT Formats(Integer Index);
  // CF_TEXT; empty when the clipboard holds no text.
  String GetAsText();
  void SetAsText(const String& Value);
  // Puts Size bytes in Format; inside an Open the first put empties the clipboard, so several
  // formats of the same data can be put together.
  void SetBuffer(UINT Format, const void* Buffer, size_t Size);

 protected:
  void Destroy() override;

 private:
  void Adding();
  Integer FOpenRefCount = 0;
  HWND FClipboardWindow = nullptr;
  bool FEmptied = false;
};

DECLARE_EXCEPTION(EClipboardException, Exception)

// The program's clipboard object, made on first use.
TClipboard* Clipboard();
// Puts another clipboard object in place (null: the next Clipboard() makes one); answers the old
// one, which the caller frees.
TClipboard* SetClipboard(TClipboard* NewClipboard);

}  // namespace Clipbrd

using namespace Clipbrd;
