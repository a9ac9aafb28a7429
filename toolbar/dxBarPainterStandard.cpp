// The three-dimensional looks: the standard painter with its double grip and system caption buttons,
// and the enhanced painter with a single grip and quick customization.
#include "dxBarPainter.h"

namespace dxBar {

// ---- Standard --------------------------------------------------------------------------------------------
Integer TdxBarStandardPainter::GetBorderSize() { return 2; }
// A checked or pressed glyph sinks one pixel with its sunken edge.
Integer TdxBarStandardPainter::GlyphDownShift() { return 1; }
Integer TdxBarStandardPainter::GlyphDrawDownedShift(bool) { return 1; }
Integer TdxBarStandardPainter::LoweredBorderSize() { return 1; }
Integer TdxBarStandardPainter::BeforeFingersSize() { return 2; }
// Two grip bars side by side.
Integer TdxBarStandardPainter::FingersSize() { return 2 * GripperSize() + BeforeFingersSize() + 1; }
Integer TdxBarStandardPainter::SubMenuBeginGroupIndent() { return 2; }
TRect TdxBarStandardPainter::GetEditTextVerticalOffsets() { return TRect(0, 0, 0, 2); }
TRect TdxBarStandardPainter::GetCaptionOffsets() { return TRect(2, 1, 2, 1); }
bool TdxBarStandardPainter::IgnoreGlyphOpaque() { return true; }
bool TdxBarStandardPainter::BarUseSystemClose() { return true; }
bool TdxBarStandardPainter::BarUseSystemNCBorder() { return true; }
bool TdxBarStandardPainter::SubMenuControlIsOffsetRecentGroupNeeded() { return true; }
bool TdxBarStandardPainter::BarIsBarSmall(const TRect&) { return false; }
bool TdxBarStandardPainter::BarAllowHotTrack() { return false; }
bool TdxBarStandardPainter::BarAllowQuickCustomizing() { return false; }
Integer TdxBarStandardPainter::BarHorSize() { return 4; }
Integer TdxBarStandardPainter::BarTopSize() { return 2; }
Integer TdxBarStandardPainter::BarBottomSize() { return 1; }
Integer TdxBarStandardPainter::SubMenuControlClientBorderSize() { return 2; }

// ---- Enhanced --------------------------------------------------------------------------------------------
Integer TdxBarEnhancedPainter::BeforeFingersSize() { return 1; }
// One grip bar.
Integer TdxBarEnhancedPainter::FingersSize() { return GripperSize() + BeforeFingersSize() + 2; }
Integer TdxBarEnhancedPainter::SubMenuBeginGroupIndent() { return 12; }
bool TdxBarEnhancedPainter::BarAllowQuickCustomizing() { return true; }

}  // namespace dxBar
