// The layout record of one item control: the view levels it may take, the one it has, its bounds and
// its place in a button group, read and written by the bar window's layout through
// IdxBarItemControlViewInfo. The widths per view level are cached until the control resets them.
#pragma once

#include "Graphics.h"
#include "cxClassesBase.h"
#include "cxGraphicsFunctions.h"
#include "dxBarHelpers.h"
#include "dxBarItemTypes.h"

namespace ImgList {
class TCustomImageList;
}

namespace dxBar {

class TdxBarItemControl;

class IdxBarItemControlViewInfo : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IdxBarItemControlViewInfo, "{C5537BA0-539F-490E-B49C-7FB904916B36}")
 public:
  virtual void CalculateFinalize() = 0;
  virtual TdxBarItemAlign GetAlign() = 0;
  virtual TdxBarItemViewLevels GetAllowedViewLevels() = 0;
  virtual TRect GetBounds() = 0;
  virtual Integer GetColumnRowCount() = 0;
  virtual TdxBarItemPosition GetPosition() = 0;
  virtual TdxBarButtonGroupPosition GetPositionInButtonGroup() = 0;
  virtual TdxBarButtonGroupRealPosition GetRealPositionInButtonGroup() = 0;
  virtual Integer GetRow() = 0;
  virtual TdxBarItemViewLevel GetViewLevel() = 0;
  virtual TdxBarItemViewLevel GetViewLevelForButtonGroup() = 0;
  virtual Integer GetWidth(TdxBarItemViewLevel AViewLevel) = 0;
  virtual bool HasSeparator() = 0;
  virtual bool IsMultiColumnItemControl() = 0;
  virtual void SetBounds(const TRect& Value) = 0;
  virtual void SetColumnRowCount(Integer Value) = 0;
  virtual void SetRealPositionInButtonGroup(TdxBarButtonGroupRealPosition Value) = 0;
  virtual void SetRow(Integer Value) = 0;
  virtual void SetViewLevel(TdxBarItemViewLevel Value) = 0;
};

// The hook of item kinds that lay out over several columns; no view info of the unit implements it.
class IdxBarMultiColumnItemControlViewInfo : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IdxBarMultiColumnItemControlViewInfo, "{E1DF6009-F9F8-4F26-9C82-C5791794D339}")
 public:
  virtual bool CanCollapse() = 0;
  virtual Integer GetCollapsedWidth() = 0;
  virtual Integer GetWidth(TdxBarItemViewLevel AViewLevel) = 0;
};

class TdxBarItemControlViewInfo : public TcxInterfacedPersistent, public IdxBarItemControlViewInfo {
  DECLARE_CLASS(TdxBarItemControlViewInfo, TcxInterfacedPersistent)
 public:
  // Made through the control's view-info class record; the control is set before construction.
  static TdxBarItemControlViewInfo* Create(TClass AClass, TdxBarItemControl* AControl);

  virtual void BoundsCalculated() {}
  virtual void ResetCachedValues();

  // IdxBarItemControlViewInfo
  void CalculateFinalize() override { BoundsCalculated(); }
  TdxBarItemAlign GetAlign() override;
  TdxBarItemViewLevels GetAllowedViewLevels() override { return FAllowedViewLevels; }
  TRect GetBounds() override { return FBounds; }
  Integer GetColumnRowCount() override { return FColumnRowCount; }
  TdxBarItemPosition GetPosition() override;
  TdxBarButtonGroupPosition GetPositionInButtonGroup() override;
  TdxBarButtonGroupRealPosition GetRealPositionInButtonGroup() override { return FRealPositionInButtonGroup; }
  Integer GetRow() override { return FRow; }
  TdxBarItemViewLevel GetViewLevel() override { return FViewLevel; }
  TdxBarItemViewLevel GetViewLevelForButtonGroup() override { return FViewLevelForButtonGroup; }
  Integer GetWidth(TdxBarItemViewLevel AViewLevel) override;
  bool HasSeparator() override;
  bool IsMultiColumnItemControl() override;
  void SetBounds(const TRect& Value) override { FBounds = Value; }
  void SetColumnRowCount(Integer Value) override { FColumnRowCount = Value; }
  void SetRealPositionInButtonGroup(TdxBarButtonGroupRealPosition Value) override {
    FRealPositionInButtonGroup = Value;
  }
  void SetRow(Integer Value) override { FRow = Value; }
  void SetViewLevel(TdxBarItemViewLevel Value) override { FViewLevel = Value; }

  TdxBarItemControl* GetControl() const { return FControl; }
  TRect GetImageBounds() const { return FImageBounds; }
  void SetImageBounds(const TRect& Value) { FImageBounds = Value; }
  TdxBarItemViewLevel GetMinPossibleViewLevel() const { return FMinPossibleViewLevel; }

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  struct TCachedWidth {
    Integer Width = 0;
    bool Valid = false;
  };

  TdxBarItemViewLevels FAllowedViewLevels;
  TRect FBounds;
  Integer FColumnRowCount = 0;
  TRect FImageBounds;
  TdxBarItemViewLevel FMinPossibleViewLevel = ivlLargeIconWithText;
  TdxBarButtonGroupRealPosition FRealPositionInButtonGroup = bgrpNone;
  Integer FRow = 0;
  TdxBarItemViewLevel FViewLevel = ivlDefault;
  TdxBarItemViewLevel FViewLevelForButtonGroup = ivlLargeIconWithText;
  TCachedWidth FCachedWidths[4];
  TdxBarItemControl* FControl = nullptr;
};

// The last glyph drawn for a control, kept as a bitmap so that a repaint with the same picture does
// not draw the glyph again.
class TdxCachedImageOptions : public TObject {
  DECLARE_CLASS(TdxCachedImageOptions, TObject)
 public:
  void Cache(const TRect& R, TBitmap* AGlyph, ImgList::TCustomImageList* AImages, Integer AImageIndex,
             TcxImageDrawMode ADrawMode);
  bool IsCached(TcxImageDrawMode ADrawMode, TBitmap* AGlyph, ImgList::TCustomImageList* AImages);
  void Reset() { FIsCached = false; }
  TBitmap* GetBitmap() const { return FBitmap; }

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  TBitmap* FBitmap = nullptr;  // owned
  TcxImageDrawMode FDrawMode = idmNormal;
  TBitmap* FGlyph = nullptr;
  ImgList::TCustomImageList* FImages = nullptr;
  Integer FImageIndex = -1;
  bool FIsCached = false;
};

}  // namespace dxBar

using namespace dxBar;
