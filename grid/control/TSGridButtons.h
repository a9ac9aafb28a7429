// Cell buttons and component links. A button object knows its picture and its size; the grid
// shares one object per kind among its cells, and a column can own an ellipsis button with a
// picture of its own. The links are how a grid hears from the mask-definitions, image-list and
// date/time picker components it uses.
#pragma once

#include "TSDateTimeDef.h"
#include "TSGridTypes.h"
#include "TSGridResources.h"
#include "TSImageList.h"
#include "TSMask.h"

namespace TSGrid {

class TtsBaseGrid;

class TtsCustomButton : public TObject {
  DECLARE_CLASS(TtsCustomButton, TObject)
 public:
  virtual TBitmap* GetBitmap() { return FBitmap; }
  virtual Integer GetHeight() { return FHeight; }
  virtual Integer GetWidth() { return FWidth; }
  virtual TColor GetTransparentColor() { return FTransparentColor; }
  // The button keeps a copy of the picture, which it owns; the caller keeps its own.
  virtual void SetBitmap(TBitmap* Value) { TakeBitmap(Value, nullptr, nullptr); }
  virtual void SetHeight(Integer Value) { FHeight = Value; }
  virtual void SetWidth(Integer Value) { FWidth = Value; }
  virtual void SetTransparentColor(TColor Value) { FTransparentColor = Value; }
  // The button with its edges.
  virtual Integer FullWidth();
  virtual Integer FullHeight();
  // Whether the button shows a shared picture (so that it may be rebuilt with new sizes).
  virtual bool IsDefault() { return true; }

  TtsBaseGrid* GetGrid() const { return FGrid; }
  bool OwnsBitmap() const { return FOwnsBitmap; }

 protected:
  // The base button shows the picture it is given without holding it.
  TtsCustomButton(TtsBaseGrid* AGrid = nullptr, TBitmap* ABitmap = nullptr, TColor ATransparentColor = Graphics::clNone,
                  Integer AWidth = 0, Integer AHeight = 0)
      : FGrid(AGrid), FBitmap(ABitmap), FTransparentColor(ATransparentColor), FHeight(AHeight), FWidth(AWidth) {}
  void Destroy() override;
  // Replaces the picture by an own copy of Value; nil, or one of the shared pictures that the
  // button shows anyway, leaves it without a picture of its own. Only an own copy is freed.
  void TakeBitmap(TBitmap* Value, TBitmap* Shared, TBitmap* OtherShared);
  // The picture given to the constructor taken as SetBitmap takes it.
  void TakeGivenBitmap();
  void FreeOwnBitmap();

  TtsBaseGrid* FGrid;
  TBitmap* FBitmap;
  TColor FTransparentColor;
  Integer FHeight;
  Integer FWidth;
  bool FOwnsBitmap = false;
};

class TtsComboButton : public TtsCustomButton {
  DECLARE_CLASS(TtsComboButton, TtsCustomButton)
 public:
  TBitmap* GetBitmap() override { return FBitmap ? FBitmap : ComboArrowBitmap; }
  void SetBitmap(TBitmap* Value) override { TakeBitmap(Value, ComboArrowBitmap, nullptr); }
  bool IsDefault() override { return GetBitmap() == ComboArrowBitmap; }

 protected:
  using TtsCustomButton::TtsCustomButton;
  void Construct() override { TakeGivenBitmap(); }
};

class TtsNormalButton : public TtsCustomButton {
  DECLARE_CLASS(TtsNormalButton, TtsCustomButton)
 public:
  TBitmap* GetBitmap() override { return FBitmap ? FBitmap : ButtonDetailBitmap; }
  void SetBitmap(TBitmap* Value) override { TakeBitmap(Value, ButtonDetailBitmap, nullptr); }
  bool IsDefault() override { return GetBitmap() == ButtonDetailBitmap; }

 protected:
  using TtsCustomButton::TtsCustomButton;
  void Construct() override { TakeGivenBitmap(); }
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
  // The shared ellipsis makes it a popup button, any other picture a drop-down button.
  void SetBitmap(TBitmap* Value) override;
  bool IsDefault() override { return !FBitmap; }
  bool GetPopup() const { return FPopup; }

 protected:
  using TtsCustomButton::TtsCustomButton;
  void Construct() override { TakeGivenBitmap(); }

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
