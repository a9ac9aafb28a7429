// The framework's push button: TcxCustomButton is a class-library button whose window is owner-drawn
// through the painter of its own look-and-feel, with per-state colours (TcxButtonColors), a glyph laid
// out beside the caption (TcxButtonGlyph, its prepared images shared by size in the process-wide
// glyph cache), two drop-down kinds that open a popup menu, and a speed-button mode in which the
// button takes no focus and can stay down as a member of a group.
#pragma once

#include <vector>

#include "ActnList.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "cxControlsUtils.h"
#include "cxGraphicsImageList.h"
#include "cxLookAndFeelPainters.h"
#include "cxLookAndFeels.h"

namespace cxButtons {

using cxLookAndFeelPainters::TcxButtonState;
using Menus::TPopupAlignment;
using Menus::TPopupMenu;

// Sent or posted to a button: open its drop-down menu; the menu has closed.
constexpr UINT CM_DROPDOWNPOPUPMENU = 0x8065;
constexpr UINT CM_CLOSEUPPOPUPMENU = 0x8066;
// The width of the drop-down part of a cxbkDropDownButton, and how far its main part reaches into it.
constexpr Integer cxDropDownButtonWidth = 15;
constexpr Integer cxDropDownButtonMainPartOffset = 13;
// The "not set" value of a button colour.
constexpr TColor cxButtonColorNotSet = clDefault;

PUBLISHED_ENUM(TcxButtonKind, cxbkStandard, cxbkDropDown, cxbkDropDownButton)
PUBLISHED_ENUM(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)
PUBLISHED_ENUM(TcxButtonAssignedColor, cxbcDefault, cxbcDefaultText, cxbcDisabled, cxbcDisabledText, cxbcHot,
               cxbcHotText, cxbcNormal, cxbcNormalText, cxbcPressed, cxbcPressedText)
using TcxButtonAssignedColors = TSet<TcxButtonAssignedColor, 16>;
// How many frames a glyph bitmap holds side by side (1 to 4).
using TNumGlyphs = Integer;

class TcxCustomButton;

using TcxButtonDropDownMenuPopupEvent = TClosure<void(TObject* Sender, TPopupMenu*& APopupMenu, bool& AHandled)>;
using TcxButtonGetDrawParamsEvent =
    TClosure<void(TcxCustomButton* Sender, TcxButtonState AState, TColor& AColor, TFont* AFont)>;

// ---- Colours -----------------------------------------------------------------------------------------
// The face and text colour of each button state; a colour that is not set leaves it to the painter.
class TcxButtonColors : public TPersistent {
  DECLARE_CLASS(TcxButtonColors, TPersistent)
 public:
  explicit TcxButtonColors(TcxCustomButton* AButton = nullptr);
  void Assign(TPersistent* Source) override;

  static TcxButtonAssignedColor TcxButtonState2TcxButtonAssignedColor(TcxButtonState AState, bool AIsTextColor);
  // The face colour of the state: its own when set, else the default button's (for the normal
  // state) or the normal one (for the others); cxButtonColorNotSet when none of them is.
  TColor GetColorByState(TcxButtonState AState) const;
  TColor GetTextColorByState(TcxButtonState AState) const;

  TColor GetColor(TcxButtonAssignedColor AIndex) const { return FColors[AIndex]; }
  // clNone and cxButtonColorNotSet reset the colour.
  void SetColor(TcxButtonAssignedColor AIndex, TColor Value);
  bool IsColorStored(TcxButtonAssignedColor AIndex) const { return FAssignedColors.Contains(AIndex); }
  TcxButtonAssignedColors GetAssignedColors() const { return FAssignedColors; }
  // Acts only while the button is designed: colours left out are reset, unset ones are dropped.
  void SetAssignedColors(TcxButtonAssignedColors Value);

  template <TcxButtonAssignedColor I>
  TColor GetColorAt() const { return GetColor(I); }
  template <TcxButtonAssignedColor I>
  void SetColorAt(TColor Value) { SetColor(I, Value); }
  template <TcxButtonAssignedColor I>
  bool IsColorStoredAt() const { return IsColorStored(I); }

 private:
  void InvalidateButton();
  TcxCustomButton* FButton;
  TColor FColors[cxbcPressedText + 1];
  TcxButtonAssignedColors FAssignedColors;
};

// ---- Image source ------------------------------------------------------------------------------------
// The button's image: a glyph bitmap of its own, or an image of an image list. Its change event is the
// glyph bitmap's.
class TcxImageInfo : public TObject {
  DECLARE_CLASS(TcxImageInfo, TObject)
 public:
  bool IsImageAssigned();
  TSize GetImageSize();
  TBitmap* GetGlyph() const { return FGlyph; }
  void SetGlyph(TBitmap* Value);
  TCustomImageList* GetImages() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  Integer GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(Integer Value);
  TNotifyEvent GetOnChange() const;
  void SetOnChange(const TNotifyEvent& Value);

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  void CallNotify();
  TBitmap* FGlyph = nullptr;
  TCustomImageList* FImages = nullptr;
  Integer FImageIndex = -1;
};

// ---- Glyph cache ---------------------------------------------------------------------------------------
// An image list of one image size whose freed indexes are reused before it grows.
class TcxGlyphList : public TcxImageList {
  DECLARE_CLASS(TcxGlyphList, TcxImageList)
 public:
  TcxGlyphList(Integer AWidth = 16, Integer AHeight = 16) : FInitialWidth(AWidth), FInitialHeight(AHeight) {}
  Integer Add(TBitmap* AImage, TBitmap* AMask);
  Integer AddMasked(TBitmap* AImage, TColor AMaskColor);
  void Delete(Integer AIndex);
  // How many of its images are in use.
  Integer UsedCount() const { return FCount; }

 protected:
  void Construct() override;

 private:
  Integer AllocateIndex(TBitmap* AImage);
  Integer FInitialWidth, FInitialHeight;
  std::vector<bool> FUsed;
  Integer FCount = 0;
};

// The process-wide store of glyph lists, one per image size.
class TcxGlyphCache : public TObject {
  DECLARE_CLASS(TcxGlyphCache, TObject)
 public:
  TcxGlyphList* GetList(Integer AWidth, Integer AHeight);
  // Frees the list when no image of it is in use; null is ignored.
  void ReturnList(TcxGlyphList* AList);
  bool IsEmpty() const { return FLists.empty(); }
  Integer ListCount() const { return static_cast<Integer>(FLists.size()); }

 protected:
  void Destroy() override;

 private:
  std::vector<TcxGlyphList*> FLists;
};

// The cache while any glyph object lives; null otherwise.
TcxGlyphCache* GlyphCache();

// ---- Glyph and caption -------------------------------------------------------------------------------
class TcxButtonGlyph : public TObject {
  DECLARE_CLASS(TcxButtonGlyph, TObject)
 public:
  static constexpr Integer SlotCount = 4;

  virtual Integer CreateButtonGlyph(TcxButtonState AState);
  virtual TRect GetTextOffsets(TButtonLayout ALayout);

  // Lays out glyph and caption in AClient and draws both.
  void Draw(TcxCanvas* ACanvas, const TRect& AClient, const TPoint& AOffset, const String& ACaption,
            TButtonLayout ALayout, Integer AMargin, Integer ASpacing, TcxButtonState AState, Integer ABiDiFlags,
            bool ANativeStyle);
  void CalcButtonLayout(TcxCanvas* ACanvas, const TRect& AClient, const TPoint& AOffset, const String& ACaption,
                        TButtonLayout ALayout, Integer AMargin, Integer ASpacing, TPoint& AGlyphPos,
                        TRect& ATextBounds, Integer ABiDiFlags);
  bool CanWordWrapText() const { return false; }
  // Drops every prepared image and hands the glyph list back to the cache.
  void Invalidate();

  TSize GetImageSize();
  TcxImageInfo* GetImageInfo() const { return FImageInfo; }
  TBitmap* GetGlyph() const { return FImageInfo->GetGlyph(); }
  // The number of frames follows from a glyph whose width is 1 to 4 times its height.
  void SetGlyph(TBitmap* Value);
  TCustomImageList* GetImageList() const { return FImageInfo->GetImages(); }
  void SetImageList(TCustomImageList* Value) { FImageInfo->SetImages(Value); }
  Integer GetImageIndex() const { return FImageInfo->GetImageIndex(); }
  void SetImageIndex(Integer Value) { FImageInfo->SetImageIndex(Value); }
  TNumGlyphs GetNumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(TNumGlyphs Value);
  TColor GetTransparentColor() const;
  TcxGlyphList* GetGlyphList() const { return FGlyphList; }
  Integer GetSlotIndex(Integer ASlot) const { return FIndexes[ASlot]; }

  TNotifyEvent OnChange;

 protected:
  void Construct() override;
  void Destroy() override;
  void DrawButtonGlyph(TcxCanvas* ACanvas, const TPoint& AGlyphPos, TcxButtonState AState);
  void DrawButtonText(TcxCanvas* ACanvas, const String& ACaption, TRect ATextBounds, TcxButtonState AState,
                      Integer ABiDiFlags, bool ANativeStyle);

 private:
  void GlyphChanged(TObject* Sender);
  TcxImageInfo* FImageInfo = nullptr;
  TcxGlyphList* FGlyphList = nullptr;
  Integer FIndexes[SlotCount] = {-1, -1, -1, -1};
  TNumGlyphs FNumGlyphs = 1;
};

// The slot of a state's prepared image: up, disabled or pressed.
Integer cxButtonGlyphSlot(TcxButtonState AState, TNumGlyphs ANumGlyphs);

// ---- Action link -----------------------------------------------------------------------------------------
class TcxButtonActionLink : public StdCtrls::TButtonActionLink {
  DECLARE_CLASS(TcxButtonActionLink, StdCtrls::TButtonActionLink)
 public:
  explicit TcxButtonActionLink(TObject* AClient = nullptr) : StdCtrls::TButtonActionLink(AClient) {}
  void SetImageIndex(Integer Value) override;
  TcxCustomButton* GetClient() const;

 protected:
  void Destroy() override;
};

// ---- The button ------------------------------------------------------------------------------------------
class TcxCustomButton : public StdCtrls::TButton,
                        public IcxLookAndFeelContainer,
                        public cxControls::IcxMouseTrackingCaller,
                        public IdxSkinSupport {
  DECLARE_CLASS(TcxCustomButton, StdCtrls::TButton)
 public:
  explicit TcxCustomButton(TComponent* AOwner = nullptr) : StdCtrls::TButton(AOwner) {}

  // ---- Settings
  TcxButtonColors* GetColors() const { return FColors; }
  void SetColors(TcxButtonColors* Value) { FColors->Assign(Value); }
  bool IsColorsStored() const { return !FColors->GetAssignedColors().Empty(); }
  TcxButtonKind GetKind() const { return FKind; }
  void SetKind(TcxButtonKind Value);
  TButtonLayout GetLayout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  Integer GetMargin() const { return FMargin; }
  void SetMargin(Integer Value);
  Integer GetSpacing() const { return FSpacing; }
  void SetSpacing(Integer Value);
  TPopupAlignment GetPopupAlignment() const { return FPopupAlignment; }
  void SetPopupAlignment(TPopupAlignment Value) { FPopupAlignment = Value; }
  TPopupMenu* GetDropDownMenu() const { return FDropDownMenu; }
  void SetDropDownMenu(TPopupMenu* Value);
  // A TPopupMenu or a component offering IcxPopupMenu; anything else is taken as null.
  TComponent* GetPopupMenu() const override { return FPopupMenu; }
  void SetPopupMenu(TComponent* Value);
  bool GetUseSystemPaint() const { return FUseSystemPaint; }
  void SetUseSystemPaint(bool Value);
  bool GetAllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  bool GetCanBeFocused() const { return FCanBeFocused; }
  void SetCanBeFocused(bool Value);
  bool GetDown() const { return FDown; }
  void SetDown(bool Value);
  Integer GetGroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(Integer Value);
  TBitmap* GetGlyph() const { return FGlyph->GetGlyph(); }
  void SetGlyph(TBitmap* Value);
  TNumGlyphs GetNumGlyphs() const { return FGlyph->GetNumGlyphs(); }
  void SetNumGlyphs(TNumGlyphs Value);
  TcxLookAndFeel* GetLookAndFeel() override { return FLookAndFeel; }
  void SetLookAndFeel(TcxLookAndFeel* Value) { FLookAndFeel->Assign(Value); }
  bool GetButtonAutoSize() const { return FAutoSize; }
  void SetButtonAutoSize(bool Value);
  TcxButtonGlyph* GetButtonGlyph() const { return FGlyph; }

  // ---- State
  TcxButtonState GetButtonState();
  bool GetSpeedButtonMode() const { return !FCanBeFocused || FGroupIndex != 0; }
  bool IsMenuShown() const { return FMenuShown; }
  bool IsHot() const { return FHot; }
  bool IsPressed() const { return FPressed; }
  TRect GetMenuButtonBounds();
  TRect GetBorderRect(TcxButtonState AState);
  TRect GetContentRect();
  bool IsHotTrack();
  // Where the drop-down menu opens (screen coordinates) and with which alignment.
  TPoint GetDropDownMenuPopupPoint(TPopupMenu* AMenu);
  TPopupAlignment GetDropDownMenuAlignment(const TPoint& APopupPoint, TPopupAlignment AEstimatedAlignment);

  // ---- Overridable operations
  virtual bool DoOnDropDownMenuPopup(TPopupMenu*& AMenu);
  virtual bool DoShowPopupMenu(TComponent* AMenu, Integer X, Integer Y);
  virtual TClass GetGlyphClass() { return TcxButtonGlyph::StaticClass(); }
  virtual TcxCustomLookAndFeelPainterClass GetPainterClass();
  virtual bool StandardButton() { return false; }
  virtual TSize GetOptimalSize();

  void Click() override;
  bool CanFocus() override;
  void SetButtonStyle(bool ADefault) override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  TClass GetActionLinkClass() const override;
  bool UpdateAction(ActnList::TBasicAction* Action) override;
  HPALETTE GetPalette() override;

  // IcxMouseTrackingCaller.
  void MouseTrackingLeave() override { ButtonMouseLeave(); }

  TcxButtonDropDownMenuPopupEvent OnDropDownMenuPopup;
  TcxButtonGetDrawParamsEvent OnGetDrawParams;
  TcxButtonDropDownMenuPopupEvent GetOnDropDownMenuPopup() const { return OnDropDownMenuPopup; }
  void SetOnDropDownMenuPopup(TcxButtonDropDownMenuPopupEvent V) { OnDropDownMenuPopup = V; }
  TcxButtonGetDrawParamsEvent GetOnGetDrawParams() const { return OnGetDrawParams; }
  void SetOnGetDrawParams(TcxButtonGetDrawParamsEvent V) { OnGetDrawParams = V; }

 protected:
  friend class TcxButtonColors;
  friend class TcxButtonActionLink;
  void Construct() override;
  void Destroy() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  bool CanResize(Integer& NewWidth, Integer& NewHeight) override;
  void CreateHandle() override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWindowHandle(const TCreateParams& Params) override;
  void DestroyWindowHandle() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void DoContextPopup(TPoint MousePos, bool& Handled) override;

  void CheckShowMenu(const TPoint& P);
  void DoDropDownMenu();
  void DrawItem(const DRAWITEMSTRUCT& AItem);
  void InternalPaint();
  void InitializeCanvasColors(TcxButtonState& AState, TColor& AColor, TColor& ATextColor);
  void UpdateGroup();
  void UpdateImageInfo();
  void UpdateSize();
  void GlyphChanged(TObject* Sender);
  void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);
  void ButtonMouseLeave();
  TcxCanvas* GetCxCanvas() const { return FCanvas; }

 private:
  void CNDrawItem(TMessage& Message);
  void CNMeasureItem(TMessage& Message);
  void CNKeyDown(TMessage& Message);
  void WMEraseBkgnd(TMessage& Message);
  void WMLButtonDown(TMessage& Message);
  void WMLButtonUp(TMessage& Message);
  void WMLButtonDblClk(TMessage& Message);
  void WMCaptureChanged(TMessage& Message);
  void WMContextMenu(TMessage& Message);
  void CMEnabledChanged(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMTextChanged(TMessage& Message);
  void CMMouseEnter(TMessage& Message);
  void CMMouseLeave(TMessage& Message);
  void CMButtonPressed(TMessage& Message);
  void CMDropDownPopupMenu(TMessage& Message);
  void CMCloseupPopupMenu(TMessage& Message);
  // Speed-button mode's handling of the window's focus, key and mouse messages; false: not handled.
  bool SpeedButtonWndProc(TMessage& Message);
  // The mouse is over the button and hot tracking applies.
  bool IsMouseOverHot();

  TcxButtonColors* FColors = nullptr;
  TcxButtonGlyph* FGlyph = nullptr;
  TControlCanvas* FControlCanvas = nullptr;
  TcxCanvas* FCanvas = nullptr;
  TcxLookAndFeel* FLookAndFeel = nullptr;
  TcxButtonKind FKind = cxbkStandard;
  TButtonLayout FLayout = blGlyphLeft;
  Integer FMargin = -1;
  Integer FSpacing = 4;
  TPopupAlignment FPopupAlignment = Menus::paLeft;
  TPopupMenu* FDropDownMenu = nullptr;
  TComponent* FPopupMenu = nullptr;
  bool FUseSystemPaint = false;
  bool FAllowAllUp = false;
  bool FCanBeFocused = true;
  bool FDown = false;
  Integer FGroupIndex = 0;
  bool FAutoSize = false;
  // Run-time state.
  bool FPressed = false;
  bool FDefaultLook = false;
  bool FDefaultStyle = false;
  bool FOwnPress = false;
  bool FMenuShown = false;
  bool FHot = false;
  bool FSkipNextClick = false;
};

class TcxButton : public TcxCustomButton {
  DECLARE_CLASS(TcxButton, TcxCustomButton)
 public:
  explicit TcxButton(TComponent* AOwner = nullptr) : TcxCustomButton(AOwner) {}
};

// The painter a button of this look draws with: Office 2003 buttons are drawn themed or standard.
TcxCustomLookAndFeelPainterClass GetButtonPainterClass(TcxLookAndFeel* ALookAndFeel);

// Unit start: form resources can name TcxButton.
void InitButtons();

}  // namespace cxButtons

using namespace cxButtons;
