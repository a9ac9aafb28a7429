// The standard and flat painters' values and drawings.
#include "cxLookAndFeelPaintersStandard.h"

#include "Graphics.h"
#include "cxGeometry.h"
#include "cxLookAndFeelPaintersBaseDraw.h"

namespace cxLookAndFeelPaintersStandard {

IMPLEMENT_CLASS(TcxStandardLookAndFeelPainter)
IMPLEMENT_CLASS(TcxFlatLookAndFeelPainter)

// ---- Standard: values --------------------------------------------------------------------------------
TcxLookAndFeelStyle TcxStandardLookAndFeelPainter::LookAndFeelStyle() const { return lfsStandard; }
TColor TcxStandardLookAndFeelPainter::DefaultSchedulerViewContentColor() const { return clWindow; }
Integer TcxStandardLookAndFeelPainter::BorderSize() const { return 2; }
Integer TcxStandardLookAndFeelPainter::ButtonBorderSize(TcxButtonState AState) const {
  return AState == cxbsDefault ? 3 : 2;
}
Integer TcxStandardLookAndFeelPainter::ButtonTextOffset() const { return 1; }
Integer TcxStandardLookAndFeelPainter::ButtonTextShift() const { return 1; }
Integer TcxStandardLookAndFeelPainter::ExpandButtonSize() const { return 12; }
bool TcxStandardLookAndFeelPainter::IsButtonHotTrack() const { return false; }
Integer TcxStandardLookAndFeelPainter::HeaderBorderSize() const { return 1; }
Integer TcxStandardLookAndFeelPainter::HeaderControlSectionBorderSize(TcxButtonState AState) const {
  return AState == cxbsPressed ? 1 : 2;
}
TPoint TcxStandardLookAndFeelPainter::SortingMarkSize() const { return TPoint(8, 7); }
Integer TcxStandardLookAndFeelPainter::FooterBorderSize() const { return 1; }
Integer TcxStandardLookAndFeelPainter::FooterCellBorderSize() const { return 1; }
Integer TcxStandardLookAndFeelPainter::FooterCellOffset() const { return 1; }
Integer TcxStandardLookAndFeelPainter::TabBorderSize(bool) const { return 1; }

}  // namespace cxLookAndFeelPaintersStandard

namespace cxLookAndFeelPaintersStandard {

// ---- Flat: values ------------------------------------------------------------------------------------
TcxLookAndFeelStyle TcxFlatLookAndFeelPainter::LookAndFeelStyle() const { return lfsFlat; }
Integer TcxFlatLookAndFeelPainter::BorderSize() const { return 1; }
Integer TcxFlatLookAndFeelPainter::ButtonBorderSize(TcxButtonState AState) const {
  return AState == cxbsDefault ? 2 : 1;
}
Integer TcxFlatLookAndFeelPainter::ButtonTextOffset() const { return 1; }
Integer TcxFlatLookAndFeelPainter::ButtonTextShift() const { return 1; }
Integer TcxFlatLookAndFeelPainter::ExpandButtonSize() const { return 11; }
bool TcxFlatLookAndFeelPainter::IsButtonHotTrack() const { return false; }
Integer TcxFlatLookAndFeelPainter::HeaderBorderSize() const { return 1; }
TPoint TcxFlatLookAndFeelPainter::SortingMarkSize() const { return TPoint(8, 7); }
Integer TcxFlatLookAndFeelPainter::FooterBorderSize() const { return 1; }
Integer TcxFlatLookAndFeelPainter::FooterCellBorderSize() const { return 1; }
Integer TcxFlatLookAndFeelPainter::FooterCellOffset() const { return 1; }
Integer TcxFlatLookAndFeelPainter::TabBorderSize(bool) const { return 1; }

}  // namespace cxLookAndFeelPaintersStandard
