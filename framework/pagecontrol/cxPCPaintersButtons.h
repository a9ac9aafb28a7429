// The button painters: tabs drawn as push buttons. Buttons (style 2) are raised three-dimensional
// buttons that look pushed while selected; FlatButtons (style 3) are flat, rise under the mouse, sink
// while selected and are separated by short etched lines.
#pragma once

#include "cxPCPaintersStandard.h"

namespace cxPCPainters {

class TcxPCButtonedPainter : public TcxPCStandardPainter {
  DECLARE_CLASS(TcxPCButtonedPainter, TcxPCStandardPainter)
 public:
  Integer GetButtonsRegionHOffset() override { return IsTabsContainer() ? 2 : 0; }
  Integer GetButtonsRegionWOffset() override { return IsTabsContainer() ? 2 : 0; }
  TRect GetDisplayRectOffset() override;
  TColor GetTabBodyColor(Integer AIndex) override;
  TcxPCWOffset GetTabContentWOffset(Integer AIndex) override;
  TRect GetTabsContainerOffsets() override { return TRect(2, 2, 2, 0); }
  TcxPCWOffset GetTooNarrowTabContentWOffset(Integer AIndex) override { return GetTabContentWOffset(AIndex); }
  bool IsTabBorderThick(Integer AIndex) override;
  TPoint GetButtonContentPosition(TcxPCNavigatorButton AButton) override { return Get3DButtonContentPosition(AButton); }
};

class TcxPCButtonsPainter : public TcxPCButtonedPainter {
  DECLARE_CLASS(TcxPCButtonsPainter, TcxPCButtonedPainter)
 public:
  TcxPCStandardStyle GetStandardStyle() override { return tsButtons; }
  TcxPCStyleID GetStyleID() override { return 2; }
  String GetStyleName() override { return "Buttons"; }
  bool HasLookAndFeel(TcxLookAndFeel*) override { return false; }
  bool IsTabBorderThick(Integer AIndex) override;
  void PaintTabShape(Integer AIndex) override;
};

class TcxPCFlatButtonsPainter : public TcxPCButtonedPainter {
  DECLARE_CLASS(TcxPCFlatButtonsPainter, TcxPCButtonedPainter)
 public:
  TcxPCStandardStyle GetStandardStyle() override { return tsFlatButtons; }
  TcxPCStyleID GetStyleID() override { return 3; }
  String GetStyleName() override { return "FlatButtons"; }
  bool HasLookAndFeel(TcxLookAndFeel*) override { return false; }
  void PaintTab(Integer AIndex) override;
  void PaintTabShape(Integer AIndex) override;

 private:
  bool NeedSeparatorAfter(Integer AIndex);
};

}  // namespace cxPCPainters

using namespace cxPCPainters;
