// Cell buttons and component links. A button object knows its picture and its size; the grid
// shares one object per kind among its cells, and a column can own an ellipsis button with a
// picture of its own. The links are how a grid hears from the mask-definitions, image-list and
// date/time picker components it uses.
#pragma once

#include "TSDateTimeDef.h"
#include "TSGridTypes.h"
#include "TSImageList.h"
#include "TSMask.h"

namespace TSCommon {
class TtsMemoryCanvas;
}

namespace TSGrid {

class TtsBaseGrid;

// The pictures the unit loads when it starts (combo arrow, ellipsis); nil until then. Buttons
// show them when they have no picture of their own and never free them.
extern TBitmap* ComboArrowBitmap;
extern TBitmap* ButtonDetailBitmap;
// The row bar's pictures (current row, changed row, insertion row).
extern TBitmap* CurrentRowBitmap;
extern TBitmap* ChangedRowBitmap;
extern TBitmap* InsertRowBitmap;
// The shared off-screen canvases: grids paint through the first, their in-place controls through the
// second; nil until the unit starts.
extern TSCommon::TtsMemoryCanvas* MemoryCanvas;
extern TSCommon::TtsMemoryCanvas* ControlMemoryCanvas;

class TtsCustomButton : public TObject {
  DECLARE_CLASS(TtsCustomButton, TObject)
 public:
  virtual TBitmap* GetBitmap() { return FBitmap; }
  virtual Integer GetHeight() { return FHeight; }
  virtual Integer GetWidth() { return FWidth; }
  virtual TColor GetTransparentColor() { return FTransparentColor; }
  // The setters store the value only: a picture set here is neither copied nor owned.
  virtual void SetBitmap(TBitmap* Value) { FBitmap = Value; }
  virtual void SetHeight(Integer Value) { FHeight = Value; }
  virtual void SetWidth(Integer Value) { FWidth = Value; }
  virtual void SetTransparentColor(TColor Value) { FTransparentColor = Value; }
  // The button with its edges.
  virtual Integer FullWidth();
  virtual Integer FullHeight();
  // Whether the button shows a shared picture (so that it may be rebuilt with new sizes).
  virtual bool IsDefault() { return true; }

  TtsBaseGrid* GetGrid() const { return FGrid; }

 protected:
  TtsCustomButton(TtsBaseGrid* AGrid = nullptr, TBitmap* ABitmap = nullptr, TColor ATransparentColor = Graphics::clNone,
                  Integer AWidth = 0, Integer AHeight = 0)
      : FGrid(AGrid), FBitmap(ABitmap), FTransparentColor(ATransparentColor), FHeight(AHeight), FWidth(AWidth) {}
  // The picture given to the constructor becomes an own copy unless it is one of the two shared
  // pictures, which the button shows without holding them.
  void TakeOwnCopy(TBitmap* Shared, TBitmap* OtherShared);
  // Frees an own picture unless it has the handle of a shared one.
  void FreeOwnBitmap();

  TtsBaseGrid* FGrid;
  TBitmap* FBitmap;
  TColor FTransparentColor;
  Integer FHeight;
  Integer FWidth;
};

class TtsComboButton : public TtsCustomButton {
  DECLARE_CLASS(TtsComboButton, TtsCustomButton)
 public:
  TBitmap* GetBitmap() override { return FBitmap ? FBitmap : ComboArrowBitmap; }
  bool IsDefault() override { return GetBitmap() == ComboArrowBitmap; }

 protected:
  using TtsCustomButton::TtsCustomButton;
  void Construct() override { TakeOwnCopy(ComboArrowBitmap, nullptr); }
  void Destroy() override { FreeOwnBitmap(); }
};

class TtsNormalButton : public TtsCustomButton {
  DECLARE_CLASS(TtsNormalButton, TtsCustomButton)
 public:
  TBitmap* GetBitmap() override { return FBitmap ? FBitmap : ButtonDetailBitmap; }
  bool IsDefault() override { return GetBitmap() == ButtonDetailBitmap; }

 protected:
  using TtsCustomButton::TtsCustomButton;
  void Construct() override { TakeOwnCopy(ButtonDetailBitmap, nullptr); }
  void Destroy() override { FreeOwnBitmap(); }
};

class TtsVertSpinButton : public TtsCustomButton {
  DECLARE_CLASS(TtsVertSpinButton, TtsCustomButton)
 public:
  Integer FullHeight() override { return 2 * GetHeight() + 1; }

 protected:
  using TtsCustomButton::TtsCustomButton;
};

class TtsHorzSpinButton : public TtsCustomButton {
  DECLARE_CLASS(TtsHorzSpinButton, TtsCustomButton)
 public:
  Integer FullWidth() override { return 2 * GetWidth() + 1; }

 protected:
  using TtsCustomButton::TtsCustomButton;
};

// The date-time button: a drop-down arrow, or an ellipsis for the popup form (popup flag).
class TtsDateTimeButton : public TtsCustomButton {
  DECLARE_CLASS(TtsDateTimeButton, TtsCustomButton)
 public:
  TBitmap* GetBitmap() override { return FBitmap ? FBitmap : FPopup ? ButtonDetailBitmap : ComboArrowBitmap; }
  bool IsDefault() override { return !FBitmap; }
  bool GetPopup() const { return FPopup; }

 protected:
  using TtsCustomButton::TtsCustomButton;
  void Construct() override;
  void Destroy() override { FreeOwnBitmap(); }

 private:
  bool FPopup = false;
};

// ---- Links -------------------------------------------------------------------------------------------
class TtsGridMaskLink : public TtsMaskLink {
  DECLARE_CLASS(TtsGridMaskLink, TtsMaskLink)
 public:
  TtsBaseGrid* GetGrid() const { return FGrid; }

 protected:
  explicit TtsGridMaskLink(TtsBaseGrid* AGrid = nullptr) : FGrid(AGrid) {}

 private:
  TtsBaseGrid* FGrid;
};

class TtsGridImageLink : public TtsImageLink {
  DECLARE_CLASS(TtsGridImageLink, TtsImageLink)
 public:
  TtsBaseGrid* GetGrid() const { return FGrid; }
  void ImageChanged(TtsImage* Image) override;
  void ImageListDeleted() override;

 protected:
  explicit TtsGridImageLink(TtsBaseGrid* AGrid = nullptr) : FGrid(AGrid) {}

 private:
  TtsBaseGrid* FGrid;
};

class TtsGridDateTimeLink : public TtsDateTimeLink {
  DECLARE_CLASS(TtsGridDateTimeLink, TtsDateTimeLink)
 public:
  TtsBaseGrid* GetGrid() const { return FGrid; }
  void DateTimeDefDeleted(TtsDateTimeDefComponent* Component) override;

 protected:
  explicit TtsGridDateTimeLink(TtsBaseGrid* AGrid = nullptr) : FGrid(AGrid) {}

 private:
  TtsBaseGrid* FGrid;
};

}  // namespace TSGrid
