// The base bar painter's text layout: the lines of an item text that wraps, such as a large button's
// caption under its glyph.
#include "StringLists.h"
#include "Strings.h"
#include "cxGraphicsFunctions.h"
#include "dxBarPainter.h"

namespace dxBar {

void dxBarGetItemTextLines(cxGraphics::TcxCanvas* ACanvas, const String& AText, const TRect& R,
                           Integer AMaxLineCount, StringLists::TStrings* ALines) {
  ALines->Clear();
  if (AMaxLineCount < 1) return;
  cxGetTextLines(AText, ACanvas, R, ALines);
  if (ALines->GetCount() <= AMaxLineCount) return;
  // The broken lines lose the blanks between them; find each kept line in the text to know where the
  // rest begins.
  size_t restStart = 0;
  for (Integer i = 0; i < AMaxLineCount - 1; ++i) {
    const String line = ALines->GetStrings(i);
    const size_t at = AText.find(line, restStart);
    if (at != String::npos) restStart = at + line.size();
  }
  while (ALines->GetCount() > AMaxLineCount) ALines->Delete(ALines->GetCount() - 1);
  ALines->SetStrings(AMaxLineCount - 1, Trim(AText.substr(restStart)));
}

}  // namespace dxBar
