// The tab painters' unit start and end.
#include "Graphics.h"
#include "cxLookAndFeels.h"
#include "cxPCPainters.h"
#include "cxPCPaintersFactory.h"

namespace cxPCPainters {

namespace {
// Reloads the OneNote colour set on every system colour change.
class TcxPaletteChangedNotifier : public TcxSystemPaletteChangedNotifier {
  DECLARE_CLASS(TcxPaletteChangedNotifier, TcxSystemPaletteChangedNotifier)
 public:
  explicit TcxPaletteChangedNotifier(bool AIsPrimary = true) : TcxSystemPaletteChangedNotifier(AIsPrimary) {}
  void DoChanged() override {
    inherited::DoChanged();
    LoadOneNoteColors();
  }
};
IMPLEMENT_CLASS(TcxPaletteChangedNotifier)

TcxPaletteChangedNotifier* PaletteChangedNotifier = nullptr;

const TcxPCPainterClass* PainterClasses() {
  static const TcxPCPainterClass classes[] = {
      TcxPCPainterClass::Of<TcxPCTabsPainter>(),      TcxPCPainterClass::Of<TcxPCButtonsPainter>(),
      TcxPCPainterClass::Of<TcxPCFlatButtonsPainter>(), TcxPCPainterClass::Of<TcxPCExtraFlatPainter>(),
      TcxPCPainterClass::Of<TcxPCUltraFlatPainter>(), TcxPCPainterClass::Of<TcxPCFlatPainter>(),
      TcxPCPainterClass::Of<TcxPCOffice11Painter>(),  TcxPCPainterClass::Of<TcxPCSlantedPainter>(),
      TcxPCPainterClass::Of<TcxPCOneNotePainter>()};
  return classes;
}
constexpr int PainterClassCount = 9;

TColor CalculateLightBrushColor() {
  const COLORREF face = ColorToRGB(clBtnFace);
  auto raise = [](BYTE c) { return static_cast<BYTE>(c + 20 > 235 ? 255 : c + 20); };
  return static_cast<TColor>(RGB(raise(GetRValue(face)), raise(GetGValue(face)), raise(GetBValue(face))));
}
}  // namespace

void InitPCPainters() {
  cxPCLightBrushColor = CalculateLightBrushColor();
  LoadOneNoteColors();
  PaletteChangedNotifier = New<TcxPaletteChangedNotifier>(true);
  for (int i = 0; i < PainterClassCount; ++i) RegisterPCPainterClass(PainterClasses()[i]);
}

void DonePCPainters() {
  for (int i = 0; i < PainterClassCount; ++i) UnregisterPCPainterClass(PainterClasses()[i]);
  FreeAndNil(PaletteChangedNotifier);
}

}  // namespace cxPCPainters
