// The tab control's life, settings, style choice, selection protocol, stream entries and painting.
#include "cxPCInternal.h"
#include "cxPCTabControl.h"

#include "Filer.h"
#include "Format.h"
#include "ImgList.h"
#include "WinUser.h"
#include "cxClassesLinks.h"
#include "cxClassesResStrings.h"
#include "cxPCConsts.h"
#include "cxPCGoDialog.h"
#include "cxPCImageList.h"
#include "cxPCPainter.h"
#include "cxPCPaintersFactory.h"
#include "cxPCPublished.h"
#include "cxPCRoutines.h"

namespace cxPC {

IMPLEMENT_CLASS(TcxCustomTabControl)

IMPLEMENT_CLASS_PUBLISHED(TcxTabControl) {
  DescribeTabControlProperties<TcxTabControl>(d);
  d.Property("MultiSelect", &TcxTabControl::GetMultiSelect, &TcxTabControl::SetMultiSelect).Default(false);
  d.Property("TabIndex", &TcxTabControl::GetTabIndex, &TcxTabControl::SetTabIndex).Default(-1);
  d.Property("Tabs", &TcxTabControl::GetTabsStrings, &TcxTabControl::SetTabsStrings);
  d.Property("TabStop", &TcxTabControl::GetTabStop, &TcxTabControl::SetTabStop).Default(true);
  d.Property("OnChanging", &TcxTabControl::GetOnChanging, &TcxTabControl::SetOnChanging);
}

namespace {
// The options whose change needs a new layout, and those that only need a repaint.
const TcxPCOptions LayoutOptions{pcoAlwaysShowGoDialogButton, pcoCloseButton, pcoFixedTabWidthWhenRotated,
                                 pcoGoDialog,  pcoGradient,    pcoGradientClientArea,
                                 pcoNoArrows,  pcoTopToBottomText};
const TcxPCOptions RepaintOptions{pcoGradient, pcoGradientClientArea, pcoUsePageColorForTab};
constexpr const char* StandardStyleNames[] = {"tsTabs", "tsButtons", "tsFlatButtons"};

TcxPCPaintersFactory* RequireFactory(const char* AMethodName) {
  TcxPCPaintersFactory* factory = PaintersFactory();
  if (!factory) TcxPCPaintersFactory::OutError(AMethodName, cxGetResourceString(&scxPCNoRegisteredStyles));
  return factory;
}
}  // namespace

// ---- Life ---------------------------------------------------------------------------------------------
void TcxCustomTabControl::Construct() {
  inherited::Construct();
  ControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks};
  SetBounds(GetLeft(), GetTop(), 289, 193);
  FVisibleTabList = New<TcxVisibleTabList>(this);
  FTabSlants = New<TcxTabSlants>(this);
  FTabSlants->OnChange = TNotifyEvent(this, &TcxCustomTabControl::TabSlantsChanged);
  SetTabStop(true);
  FImages = New<TcxPCImageList>(this);
  FImages->OnChange = TNotifyEvent(this, &TcxCustomTabControl::ImageListChangeHandler);
  FImages->OnPrepareBitmapBackground =
      TcxPCImageListPrepareBitmapBackgroundEvent(this, &TcxCustomTabControl::PrepareImagesBitmapBackground);
  FTabs = New<TcxTabs>(this);
  SetStyle(cxPCDefaultStyle);
  if (!IsDesigning()) CreateGoDialog();
}

void TcxCustomTabControl::Destroy() {
  FreeAndNil(FTabSlants);
  FreeAndNil(FTimer);
  FreeAndNil(FGoDialog);
  FreeAndNil(FImages);
  // The tabs' destruction reaches back for the list while it empties it.
  FTabs->Free();
  FTabs = nullptr;
  if (TcxPCPaintersFactory* factory = PaintersFactory())
    factory->FreePainterInstance(FPainter);
  else
    FreeAndNil(FPainter);
  FreeAndNil(FVisibleTabList);
  inherited::Destroy();
}

void TcxCustomTabControl::OutError(const String& AMethodName, const String& AText) {
  throw Exception("TcxCustomTabControl." + AMethodName + ": " + AText);
}

void TcxCustomTabControl::CreateGoDialog() {
  FGoDialog = New<TcxPCGoDialog>(this);
  FGoDialog->OnClick = TcxPCGoDialogClickEvent(this, &TcxCustomTabControl::GoDialogClick);
}

void TcxCustomTabControl::GoDialogClick(Integer ATabIndex) { GoDialogClickEventHandler(ATabIndex); }

void TcxCustomTabControl::GoDialogClickEventHandler(Integer ATabIndex) { HideGoDialog(ATabIndex); }

void TcxCustomTabControl::PrepareImagesBitmapBackground(TBitmap* ABitmap) {
  FPainter->PrepareTabControlImagesBitmapBackground(ABitmap);
}

void TcxCustomTabControl::TabSlantsChanged(TObject*) { RequestLayout(); }

void TcxCustomTabControl::ImageListChange(TObject*) { RequestLayout(); }

// ---- Settings -----------------------------------------------------------------------------------------
void TcxCustomTabControl::SetHideTabs(bool Value) {
  if (FHideTabs == Value) return;
  FHideTabs = Value;
  Invalidate();
  Realign();
}

void TcxCustomTabControl::SetHotTrack(bool Value) {
  if (FHotTrack == Value) return;
  FHotTrack = Value;
  SynchronizeHotTrackStates(InternalGetShiftState());
}

void TcxCustomTabControl::SetImageBorder(Integer Value) {
  if (Value < 0 || FImageBorder == Value) return;
  FImageBorder = Value;
  if (FVisibleTabList->GetCount() > 0) RequestLayout();
}

TCustomImageList* TcxCustomTabControl::GetImages() const { return FImages->GetBaseImages(); }

void TcxCustomTabControl::SetImages(TCustomImageList* Value) { FImages->SetBaseImages(Value); }

Integer TcxCustomTabControl::GetMaxRotatedTabWidth() {
  CorrectMaxRotatedTabWidth();
  return FMaxRotatedTabWidth;
}

void TcxCustomTabControl::SetMaxRotatedTabWidth(Integer Value) {
  if (Value < 0) Value = 0;
  if (Value > 0 && FPainter) Value = std::max(Value, FPainter->GetMinTabNormalWidth(-1));
  if (FMaxRotatedTabWidth == Value) return;
  FMaxRotatedTabWidth = Value;
  if (FRotate && FVisibleTabList->GetCount() > 0) RequestLayout();
}

void TcxCustomTabControl::CorrectMaxRotatedTabWidth() {
  if (FMaxRotatedTabWidth > 0 && FPainter)
    FMaxRotatedTabWidth = std::max(FMaxRotatedTabWidth, FPainter->GetMinTabNormalWidth(-1));
}

void TcxCustomTabControl::SetMultiLine(bool Value) {
  if (FMultiLine == Value) return;
  FMultiLine = Value;
  RequestLayout();
}

void TcxCustomTabControl::SetNavigatorPosition(TcxPCNavigatorPosition Value) {
  if (FNavigatorPosition == Value) return;
  FNavigatorPosition = Value;
  RequestLayout();
}

void TcxCustomTabControl::SetOptions(TcxPCOptions Value) {
  if (FOptions == Value) return;
  const TcxPCOptions changed = (FOptions - Value) + (Value - FOptions);
  FOptions = Value;
  if (!(changed * LayoutOptions).Empty())
    RequestLayout();
  else if (!(changed * RepaintOptions).Empty())
    Invalidate();
}

void TcxCustomTabControl::SetOwnerDraw(bool Value) {
  if (FOwnerDraw == Value) return;
  FOwnerDraw = Value;
  Invalidate();
}

void TcxCustomTabControl::SetRaggedRight(bool Value) {
  if (FRaggedRight == Value) return;
  FRaggedRight = Value;
  if (FMultiLine) RequestLayout();
}

void TcxCustomTabControl::SetRotate(bool Value) {
  if (Value && FPainter && !FPainter->AllowRotate())
    throw Exception(Format(cxGetResourceString(&scxPCAllowRotateError), {FPainter->GetStyleName()}));
  if (FRotate == Value) return;
  FRotate = Value;
  RequestLayout();
}

void TcxCustomTabControl::SetScrollOpposite(bool Value) {
  if (FScrollOpposite == Value) return;
  FScrollOpposite = Value;
  if (!FMultiLine) return;
  if (FMainTabVisibleIndex != -1) {
    RearrangeRows();
    Realign();
    Invalidate();
  } else {
    Realign();
  }
}

void TcxCustomTabControl::SetShowFrame(bool Value) {
  if (FShowFrame == Value) return;
  FShowFrame = Value;
  RequestLayout();
}

void TcxCustomTabControl::SetTabHeight(int16_t Value) {
  if (FTabHeight == Value) return;
  FTabHeight = Value;
  RequestLayout();
}

void TcxCustomTabControl::SetTabWidth(int16_t Value) {
  if (FTabWidth == Value) return;
  FTabWidth = Value;
  RequestLayout();
}

void TcxCustomTabControl::SetTabPosition(TcxTabPosition Value) {
  if (FTabPosition == Value) return;
  FTabPosition = Value;
  RequestLayout();
}

void TcxCustomTabControl::SetTabs(TcxTabs* Value) { FTabs->Assign(Value); }

void TcxCustomTabControl::SetTabsStrings(TStrings* Value) { FTabs->Assign(Value); }

void TcxCustomTabControl::SetTabSlants(TcxTabSlants* Value) { FTabSlants->Assign(Value); }

void TcxCustomTabControl::SetTabCaptionAlignment(TAlignment Value) {
  if (FTabCaptionAlignment == Value) return;
  FTabCaptionAlignment = Value;
  RequestLayout();
}

void TcxCustomTabControl::SetIsTabsContainer(bool Value) {
  if (FIsTabsContainer == Value) return;
  FIsTabsContainer = Value;
  RequestLayout();
}

TcxTab* TcxCustomTabControl::GetTabsTab(Integer TabIndex) { return FTabs->GetTab(TabIndex); }

void TcxCustomTabControl::SetTabsTab(Integer TabIndex, TcxTab* Value) { FTabs->SetTab(TabIndex, Value); }

Integer TcxCustomTabControl::GetMainTabIndex() const {
  if (FMainTabVisibleIndex < 0 || FMainTabVisibleIndex >= FVisibleTabList->GetCount()) return -1;
  return FVisibleTabList->TabIndexAt(FMainTabVisibleIndex);
}

TRect TcxCustomTabControl::GetDisplayRect() { return FPainter->GetClientRect(); }

// ---- Style --------------------------------------------------------------------------------------------
void TcxCustomTabControl::SetStyle(TcxPCStyleID Value) {
  if (Value == cxPCDefaultStyle) {
    FStyle = cxPCDefaultStyle;
    SetDefaultStyle();
    return;
  }
  if (Value == FStyle) return;
  TcxPCPaintersFactory* factory = PaintersFactory();
  const TcxPCPainterClass painterClass = factory ? factory->GetPainterClass(Value) : TcxPCPainterClass();
  if (!painterClass) return;
  FStyle = Value;
  if (FPainter && FPainter->ClassType() == painterClass.Class()) return;
  factory->FreePainterInstance(FPainter);
  FPainter = factory->GetPainterInstance(painterClass, this);
  if (FRotate && !FPainter->AllowRotate()) FRotate = false;
  FTabs->ResetTabVerticalTextBitmaps();
  RequestLayout();
  InvalidateWithChildren();
}

void TcxCustomTabControl::SetDefaultStyle() {
  if (FStyle != cxPCDefaultStyle) return;
  TcxPCPaintersFactory* factory = RequireFactory("GetDefaultStyleID");
  TcxPCStyleID id = factory->GetStyleID(GetLookAndFeel());
  if (id == -1) id = factory->GetDefaultStyleID(GetLookAndFeel());
  SetStyle(id);
  FStyle = cxPCDefaultStyle;
}

void TcxCustomTabControl::SetStandardStyle(TcxPCStandardStyle AStandardStyle) {
  TcxPCPaintersFactory* factory = PaintersFactory();
  const TcxPCPainterClass painterClass = factory ? factory->GetPainterClass(AStandardStyle) : TcxPCPainterClass();
  if (!painterClass)
    OutError("SetStandardStyle",
             Format(cxGetResourceString(&scxPCStandardStyleError), {String(StandardStyleNames[AStandardStyle])}));
  SetStyle(painterClass->GetStyleID());
}

void TcxCustomTabControl::SetStyleByStyleName(const String& AStyleName) {
  if (AStyleName == cxPCDefaultStyleName) {
    FStyle = cxPCDefaultStyle;
    SetDefaultStyle();
    return;
  }
  TcxPCPaintersFactory* factory = PaintersFactory();
  const TcxPCPainterClass painterClass = factory ? factory->GetPainterClass(AStyleName) : TcxPCPainterClass();
  if (!painterClass) OutError("SetStyleByName", Format(cxGetResourceString(&scxPCStyleNameError), {AStyleName}));
  SetStyle(painterClass->GetStyleID());
}

void TcxCustomTabControl::LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) {
  inherited::LookAndFeelChanged(Sender, AChangedValues);
  if (!FTabs) return;
  SetDefaultStyle();
  RequestLayout();
  if (AChangedValues.Contains(lfvNativeStyle)) InvalidateWithChildren();
}

// ---- Selection ----------------------------------------------------------------------------------------
void TcxCustomTabControl::SetTabIndex(Integer Value) {
  if (IsLoading()) {
    FTabIndex = Value;
    return;
  }
  if (Value < -1 || Value >= FTabs->GetCount()) return;
  if (Value != -1 && TabIndexTabMustBeVisible() && !FTabs->GetTab(Value)->GetVisible()) Value = -1;
  if (Value == FTabIndex || !CanChange(Value)) return;
  FTabIndex = -1;
  FTabs->SetMainTab();
  for (Integer i = 0; i < FTabs->GetCount(); ++i) FTabs->GetTab(i)->SetSelected(false);
  FTabs->SetTracking(-1);
  FTabIndex = Value;
  FTabs->SetMainTab();
  if (!FMultiLine && FMainTabVisibleIndex != -1) CorrectFirstVisibleTab(FMainTabVisibleIndex);
  if (FMultiLine) {
    RearrangeRows();
    Realign();
    Invalidate();
  } else {
    RequestLayout();
  }
  UpdateButtonsState();
  SynchronizeHotTrackStates(InternalGetShiftState());
  Change();
}

bool TcxCustomTabControl::CanChange(Integer) {
  bool allowed = true;
  if (OnChanging && !IsChangeEventLocked()) OnChanging(this, allowed);
  return allowed;
}

void TcxCustomTabControl::Change() {
  if (OnChange && !IsChangeEventLocked()) OnChange(this);
}

void TcxCustomTabControl::LockChangeEvent(bool ALock) {
  if (ALock)
    ++FChangeEventLockCount;
  else if (FChangeEventLockCount > 0)
    --FChangeEventLockCount;
}

bool TcxCustomTabControl::IsChangeEventLocked() {
  return FChangeEventLockCount > 0 || IsLoading() || IsDesigning();
}

Integer TcxCustomTabControl::GetImageIndex(Integer ATabIndex) {
  Integer result = FTabs->GetTab(ATabIndex)->GetRawImageIndex();
  if (OnGetImageIndex) OnGetImageIndex(this, ATabIndex, result);
  if (result < 0) return -1;
  TCustomImageList* images = FImages->GetBaseImages();
  if (!images || images->GetWidth() <= 0 || images->GetHeight() <= 0 || result >= images->GetCount()) return -1;
  return result;
}

void TcxCustomTabControl::UpdateTabImages() {
  for (Integer i = 0; i < FTabs->GetCount(); ++i) FTabs->GetTab(i)->SetImageIndex(GetImageIndex(i));
  Invalidate();
}

void TcxCustomTabControl::SetModified() {
  if (!IsLoading()) Modified();
}

void TcxCustomTabControl::SynchronizeTabImagesRotationAngle() {
  TCustomImageList* images = FImages->GetBaseImages();
  if (images && images->GetCount() > 0) FImages->SetImageRotationAngle(InternalGetTextRotationAngle(this));
}

void TcxCustomTabControl::PrepareTabCanvasFont(TcxTab* ATab, TcxCanvas* ACanvas) {
  ACanvas->SetFont(GetFont());
  const Integer visibleIndex = ATab->GetVisibleIndex();
  ACanvas->GetFont()->SetColor(visibleIndex != -1 ? FPainter->GetTextColor(visibleIndex) : TColor(clBtnText));
  DoDrawTabEx(ATab, ACanvas->GetFont());
}

void TcxCustomTabControl::DoDrawTabEx(TcxTab* ATab, TFont* AFont) {
  if (OnDrawTabEx) OnDrawTabEx(this, ATab, AFont);
}

bool TcxCustomTabControl::DoCanClose() {
  bool canClose = true;
  if (OnCanClose) OnCanClose(this, canClose);
  return canClose;
}

void TcxCustomTabControl::DoClose() {
  FTabs->Delete(FTabIndex);
  Change();
}

bool TcxCustomTabControl::CanShowTab(Integer ATabIndex) {
  TcxTab* tab = FTabs->GetTab(ATabIndex);
  return tab->GetVisible() && tab->GetRealEnabled();
}

// ---- Layout requests ------------------------------------------------------------------------------------
void TcxCustomTabControl::RequestLayout() {
  if (IsLoading() || IsDestroying() || FUpdating || !FPainter) return;
  FUpdating = true;
  TFinally done([this] { FUpdating = false; });
  const Integer rememberedMain = FMainTabVisibleIndex;
  if (FMainTabVisibleIndex >= FVisibleTabList->GetCount()) FMainTabVisibleIndex = -1;
  FPainter->Init();
  CorrectMaxRotatedTabWidth();
  FTabs->ResetTabVerticalTextBitmaps();
  Calculate();
  FTabs->ValidateImageIndexes();
  SynchronizeTabImagesRotationAngle();
  Realign();
  Invalidate();
  FMainTabVisibleIndex = rememberedMain;
  FTabs->SetMainTab();
  SynchronizeHotTrackStates(InternalGetShiftState());
}

void TcxCustomTabControl::Loaded() {
  inherited::Loaded();
  RequestLayout();
  if (FTabIndex == -1) return;
  const Integer tabIndex = FTabIndex;
  FTabIndex = -1;
  LockChangeEvent(true);
  TFinally unlock([this] { LockChangeEvent(false); });
  SetTabIndex(tabIndex);
}

// ---- The stream entries of the client rectangle ------------------------------------------------------------
TRect TcxCustomTabControl::InternalGetClientRect() {
  if (!IsLoading() && FPainter) {
    TRect r = GetDisplayRect();
    ValidateRect(r);
    return r;
  }
  if (FClientRectLoaded) return FLoadedClientRect;
  return TRect(0, 0, GetWidth(), GetHeight());
}

void TcxCustomTabControl::DefineProperties(Filer::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  const TRect r = InternalGetClientRect();
  auto* ancestor = dynamic_cast<TcxCustomTabControl*>(Filer->GetAncestor());
  const TRect a = ancestor ? ancestor->InternalGetClientRect() : TRect(0, 0, 0, 0);
  // Left and bottom are left out where they are 0; right and top are always written without an ancestor.
  Filer->DefineProperty("ClientRectBottom", Filer::TReaderProc(this, &TcxCustomTabControl::ReadClientRectBottom),
                        Filer::TWriterProc(this, &TcxCustomTabControl::WriteClientRectBottom),
                        ancestor ? r.bottom != a.bottom : r.bottom != 0);
  Filer->DefineProperty("ClientRectLeft", Filer::TReaderProc(this, &TcxCustomTabControl::ReadClientRectLeft),
                        Filer::TWriterProc(this, &TcxCustomTabControl::WriteClientRectLeft),
                        ancestor ? r.left != a.left : r.left != 0);
  Filer->DefineProperty("ClientRectRight", Filer::TReaderProc(this, &TcxCustomTabControl::ReadClientRectRight),
                        Filer::TWriterProc(this, &TcxCustomTabControl::WriteClientRectRight),
                        !ancestor || r.right != a.right);
  Filer->DefineProperty("ClientRectTop", Filer::TReaderProc(this, &TcxCustomTabControl::ReadClientRectTop),
                        Filer::TWriterProc(this, &TcxCustomTabControl::WriteClientRectTop),
                        !ancestor || r.top != a.top);
}

void TcxCustomTabControl::ReadClientRectBottom(Filer::TReader* Reader) { FLoadedClientRect.bottom = Reader->ReadInteger(); }
void TcxCustomTabControl::ReadClientRectLeft(Filer::TReader* Reader) { FLoadedClientRect.left = Reader->ReadInteger(); }
void TcxCustomTabControl::ReadClientRectRight(Filer::TReader* Reader) { FLoadedClientRect.right = Reader->ReadInteger(); }
void TcxCustomTabControl::ReadClientRectTop(Filer::TReader* Reader) {
  FLoadedClientRect.top = Reader->ReadInteger();
  FClientRectLoaded = true;
}
void TcxCustomTabControl::WriteClientRectBottom(Filer::TWriter* Writer) { Writer->WriteInteger(InternalGetClientRect().bottom); }
void TcxCustomTabControl::WriteClientRectLeft(Filer::TWriter* Writer) { Writer->WriteInteger(InternalGetClientRect().left); }
void TcxCustomTabControl::WriteClientRectRight(Filer::TWriter* Writer) { Writer->WriteInteger(InternalGetClientRect().right); }
void TcxCustomTabControl::WriteClientRectTop(Filer::TWriter* Writer) { Writer->WriteInteger(InternalGetClientRect().top); }

// ---- The window and painting ------------------------------------------------------------------------------
void TcxCustomTabControl::AdjustClientRect(TRect& Rect) { Rect = InternalGetClientRect(); }

void TcxCustomTabControl::CreateHandle() {
  inherited::CreateHandle();
  RequestLayout();
  Realign();
}

void TcxCustomTabControl::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TcxCustomTabControl::Paint() {
  if (IsDestroying() || !FPainter) return;
  FPainter->SaveClipRgn();
  TFinally restore([this] { FPainter->RestoreClipRgn(); });
  FPainter->Paint();
}

void TcxCustomTabControl::PaintToDC(HDC DC) { PaintWindow(DC); }

void TcxCustomTabControl::Resize() {
  RequestLayout();
  Realign();
  if (FOptions.Contains(pcoRedrawOnResize) && FPainter && FPainter->NeedRedrawOnResize()) InvalidateWithChildren();
  inherited::Resize();
}

void TcxCustomTabControl::FontChanged() {
  inherited::FontChanged();
  RequestLayout();
}

void TcxCustomTabControl::FocusChanged() {
  inherited::FocusChanged();
  if (IsDestroying() || !FPainter || FMainTabVisibleIndex == -1) return;
  if (FVisibleTabList->GetTab(FMainTabVisibleIndex)->GetRealVisible())
    FPainter->RepaintTab(FMainTabVisibleIndex, tpcFocused);
}

bool TcxCustomTabControl::CanFocus() { return inherited::CanFocus() && FFocusable; }

}  // namespace cxPC
