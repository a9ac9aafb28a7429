// The standard painter (the classic raised three-dimensional look: two-pixel buttons, sunken borders,
// the system's own scroll-bar arrow buttons) and the flat painter (the same parts with one-pixel bevels).
#pragma once

#include "cxLookAndFeelPaintersBase.h"

namespace cxLookAndFeelPaintersStandard {

class TcxStandardLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
  DECLARE_CLASS(TcxStandardLookAndFeelPainter, TcxCustomLookAndFeelPainter)
 public:
  TcxStandardLookAndFeelPainter() = default;

  TcxLookAndFeelStyle LookAndFeelStyle() const override;
  TColor DefaultSchedulerViewContentColor() const override;
  Integer BorderSize() const override;
  Integer ButtonBorderSize(TcxButtonState AState = cxbsNormal) const override;
  Integer ButtonTextOffset() const override;
  Integer ButtonTextShift() const override;
  Integer ExpandButtonSize() const override;
  bool IsButtonHotTrack() const override;
  Integer HeaderBorderSize() const override;
  Integer HeaderControlSectionBorderSize(TcxButtonState AState = cxbsNormal) const override;
  TPoint SortingMarkSize() const override;
  Integer FooterBorderSize() const override;
  Integer FooterCellBorderSize() const override;
  Integer FooterCellOffset() const override;
  Integer TabBorderSize(bool AVertical) const override;

};

class TcxFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
  DECLARE_CLASS(TcxFlatLookAndFeelPainter, TcxCustomLookAndFeelPainter)
 public:
  TcxFlatLookAndFeelPainter() = default;
};

}  // namespace cxLookAndFeelPaintersStandard

using namespace cxLookAndFeelPaintersStandard;
