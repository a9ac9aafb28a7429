// The command item of the toolbar framework: caption, glyphs, shortcut, category, visibility,
// enabled state, styles and click event of one command, shown through the item links that place it
// on bars and menus. Every change of the item reaches the controls of all of its links.
#pragma once

#include <vector>

#include "ActnList.h"
#include "Graphics.h"
#include "Menus.h"
#include "dxBarComponents.h"
#include "dxBarItemTypes.h"
#include "dxBarStylesData.h"

namespace ImgList {
class TCustomImageList;
}
namespace IniFiles {
class TCustomIniFile;
}
namespace cxClasses {
class TcxObjectLink;
}

namespace dxBar {

class TdxBarItemActionLink;
class TdxBarItemLinks;


class TdxBarItem : public TdxBarComponent {
  DECLARE_CLASS(TdxBarItem, TdxBarComponent)
 public:
  explicit TdxBarItem(TComponent* AOwner = nullptr) : TdxBarComponent(AOwner) {}

  void Assign(TPersistent* Source) override;
  void BeforeDestruction() override;
  TComponent* GetParentComponent() override;
  bool HasParent() override;
  void SetName(const String& NewName) override;

  // ---- Overridable operations, in slot order -----------------------------------------------------------
  virtual Integer GetWidth();
  virtual void SetWidth(Integer Value);
  virtual void BarManagerChanged() {}
  virtual bool CanBePlacedOn(TdxBarItemControlParentKind AParentKind, TdxBar* AToolBar, String& AErrorText);
  virtual bool CanChangePaintStyle() { return false; }
  virtual bool CanClicked() { return true; }
  virtual void DrawCustomizingImage(TcxCanvas* ACanvas, const TRect& ARect, Integer AState);
  virtual void DrawCustomizingImageContent(TcxCanvas* ACanvas, const TRect& ARect, bool ASelected);
  virtual Integer GetActionImageIndex() { return FImageIndex; }
  virtual void SetActionImageIndex(Integer Value) { SetImageIndex(Value); }
  virtual TClass GetControlClass(bool AIsVertical);
  virtual bool GetHidden() { return false; }
  virtual TdxBarItemLinks* GetItemLinks() { return nullptr; }
  virtual Integer GetStyleCount() { return 1; }  // a class operation: reads no state
  virtual bool HasAccel(TdxBarItemLink* AItemLink) { return GetEnabled(); }
  virtual void HideControl(TdxBarItemControl* AControl) {}
  virtual bool InternalActuallyVisible() { return true; }
  virtual bool InternalCanMergeWith(TdxBarItem* AItem) { return false; }
  virtual bool IsShortCut(TShortCut AShortCut);
  virtual bool IsStyleColorSupported() { return false; }
  virtual bool NeedToBeHidden() { return false; }
  virtual void ObjectNotification(TOperation AOperation, TObject* AObject) {}
  virtual void Recalculate();
  virtual void SetImageIndex(Integer Value);
  virtual void SetLargeImageIndex(Integer Value);
  virtual void Update();
  virtual void UpdateEx(TdxBarKinds AKinds);
  virtual bool UseHotImages() { return false; }
  virtual bool UseLargeImages() { return FImageIndex >= 0 || FLargeImageIndex >= 0; }
  virtual void CaptionChanged();
  virtual void EnabledChanged();
  virtual void GlyphChanged();
  virtual void HotGlyphChanged();
  virtual void LargeGlyphChanged();
  virtual void PaintStyleChanged() {}
  virtual void ShortCutChanged();
  virtual void VisibleChanged();
  virtual void WidthChanged();
  virtual String GetCaption() { return FCaption; }
  virtual bool IsCaptionStored();
  virtual void SetCaption(const String& Value);
  virtual void CheckLinks(IniFiles::TCustomIniFile* AIniFile, const String& ASection) {}
  virtual void LoadFromIni(IniFiles::TCustomIniFile* AIniFile, const String& ASection,
                           TdxBarStoringKind AStoringKind) {}
  virtual void LoadUsageData(IniFiles::TCustomIniFile* AIniFile, const String& ASection) {}
  virtual void SaveToIni(IniFiles::TCustomIniFile* AIniFile, const String& ASection,
                         TdxBarStoringKind AStoringKind) {}
  virtual String GetNewCaption();  // a class operation: the caption of a new item of this kind
  virtual String GetAddMessageName() { return String(); }
  virtual ImgList::TCustomImageList* GetCurImages();

  // Message-style operations the kinds override.
  virtual void ActionChange(TObject* Sender, bool ACheckDefaults);
  virtual TClass GetActionLinkClass();
  virtual void Click();
  virtual void DirectClick();
  virtual void DoClick();

  // ---- TdxBarComponent ----------------------------------------------------------------------------------
  bool GetEnabled() override;
  void SetEnabled(bool Value) override;
  void SetVisible(TdxBarItemVisible Value) override;
  bool CanDelete(bool AExtended = false) override;
  void DeleteSelection(IdxBarSelectableItem*& AReference, bool AExtended) override;
  void ExecuteCustomizationAction(TdxBarCustomizationAction AAction) override;
  void GetMasterObjects(TdxObjectList* AList) override;
  IdxBarSelectableItem* GetNextSelectableItem() override;
  IdxBarSelectableItem* GetSelectableParent() override;
  TdxBarCustomizationActions GetSupportedActions() override;
  void Invalidate() override { Update(); }
  bool IsComplex() override { return GetLinkCount() > 1; }
  bool SelectParentComponent() override;
  void SelectionChanged() override;

  // ---- Non-virtual operations ---------------------------------------------------------------------------
  TBasicAction* GetAction() const;
  void SetAction(TBasicAction* Value);
  TdxBarItemActionLink* GetActionLink() const { return FActionLink; }
  bool GetActuallyVisible();
  bool GetVisibleForUser();
  TdxBarItemVisible GetVisible() const { return FVisible; }
  TdxBarItemLink* GetCurItemLink();
  TdxBarItemLink* GetActiveLink();
  Integer GetLinkCount() const { return static_cast<Integer>(FLinks.size()); }
  TdxBarItemLink* GetLinks(Integer AIndex) const;
  Integer GetIndex();
  void SetIndex(Integer Value);
  bool GetIsDesigning() const { return ComponentState().Contains(csDesigning); }
  bool GetIsDestroying() const { return ComponentState().Contains(csDestroying); }
  bool GetIsLoading() const { return ComponentState().Contains(csLoading); }
  TClass GetPainterClass();
  bool HasControls();
  void DestroyLinks();
  bool CanMergeWith(TdxBarItem* AItem);
  String GetHintFromCaption();
  bool IsHintFromCaption();
  bool CurImageIndexLinked();
  bool IsImageIndexLinked(ImgList::TCustomImageList* AImages, Integer AIndex);
  TcxStyle* GetStyleValue(Integer AIndex) const;
  void SetStyleValue(Integer AIndex, TcxStyle* AStyle);
  void GetTextViewParams(TcxViewParams& AParams);
  void GetViewParams(TcxStyle* AStyle, TcxViewParams& AParams);
  void ShowDefaultEventHandler();
  // The link through which the click in progress runs (set by the item control around DirectClick).
  TdxBarItemLink* GetClickItemLink() const { return FClickItemLink; }
  void SetClickItemLink(TdxBarItemLink* Value) { FClickItemLink = Value; }
  // The loaded visibility, applied by the manager after loading.
  TdxBarItemVisible GetLoadedVisible() const { return FLoadedVisible; }
  // True while an action's values are applied with CheckDefaults.
  bool GetCheckDefaults() const { return FCheckDefaults; }

  // ---- Properties ---------------------------------------------------------------------------------------
  TdxBarItemAlign GetAlign() const { return FAlign; }
  void SetAlign(TdxBarItemAlign Value);
  Integer GetCategory() const { return FCategory; }
  void SetCategory(Integer Value);
  TObject* GetData() const { return FData; }
  void SetData(TObject* Value) { FData = Value; }
  String GetDescription() const { return FDescription; }
  void SetDescription(const String& Value);
  TBitmap* GetGlyph() const { return FGlyph; }
  void SetGlyph(TBitmap* Value);
  TdxBarGlyphLayout GetGlyphLayout() const { return FGlyphLayout; }
  void SetGlyphLayout(TdxBarGlyphLayout Value);
  Integer GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(Integer Value) { FHelpContext = Value; }
  String GetHint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  Integer GetImageIndex() const { return FImageIndex; }
  String GetKeyTip() const { return FKeyTip; }
  void SetKeyTip(const String& Value) { FKeyTip = Value; }
  TBitmap* GetLargeGlyph() const { return FLargeGlyph; }
  void SetLargeGlyph(TBitmap* Value);
  Integer GetLargeImageIndex() const { return FLargeImageIndex; }
  TdxBarItemMergeKind GetMergeKind() const { return FMergeKind; }
  void SetMergeKind(TdxBarItemMergeKind Value) { FMergeKind = Value; }
  Integer GetMergeOrder() const { return FMergeOrder; }
  void SetMergeOrder(Integer Value) { FMergeOrder = std::max(Value, 0); }
  TdxBarPaintStyle GetPaintStyle() const { return FPaintStyle; }
  void SetPaintStyle(TdxBarPaintStyle Value);
  TdxBarScreenTip* GetScreenTip() const { return FScreenTip; }
  TShortCut GetShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value);
  bool GetShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool Value);
  TcxStyle* GetStyle() const { return GetStyleValue(0); }
  void SetStyle(TcxStyle* Value) { SetStyleValue(0, Value); }
  TdxBarItemStylesData* GetStylesData() const { return FStylesData; }
  bool GetUnclickAfterDoing() const { return FUnclickAfterDoing; }
  void SetUnclickAfterDoing(bool Value) { FUnclickAfterDoing = Value; }

  TNotifyEvent GetOnClick() const { return FOnClick; }
  void SetOnClick(TNotifyEvent Value) { FOnClick = Value; }
  TNotifyEvent GetOnCreate() const { return FOnCreate; }
  void SetOnCreate(TNotifyEvent Value) { FOnCreate = Value; }
  TNotifyEvent GetOnDestroy() const { return FOnDestroy; }
  void SetOnDestroy(TNotifyEvent Value) { FOnDestroy = Value; }

  // Stored tests: values an action link supplies are not written to the form stream.
  bool IsEnabledStored();
  bool IsHelpContextStored();
  bool IsHintStored();
  bool IsImageIndexStored();
  bool IsShortCutStored();
  bool IsVisibleStored();
  bool IsOnClickStored();

 protected:
  void Construct() override;
  void Destroy() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void ReadState(Filer::TReader* Reader) override;
  void SetParentComponent(TComponent* Value) override;
  void AssignTo(TPersistent* Dest) override;

  // The links maintain the item's list of links (a link is in it exactly while its Item is this one);
  // the categories renumber the items' categories.
  friend class TdxBarItemLink;
  friend class TdxBarManagerCategories;
  friend class TdxBarManager;
  void AddLink(TdxBarItemLink* ALink) { FLinks.push_back(ALink); }
  void RemoveLink(TdxBarItemLink* ALink);

  // Values a kind stores for its published properties.
  String FCaption;
  Integer FImageIndex = -1;
  Integer FLargeImageIndex = -1;
  TShortCut FShortCut = 0;
  TNotifyEvent FOnClick;

 private:
  void DoActionChange(TObject* Sender);
  void InternalStyleChanged(TObject* Sender, TdxBarItemStyleChangeKind AKind);
  void GlyphBitmapChanged(TObject* Sender) { GlyphChanged(); }
  void LargeGlyphBitmapChanged(TObject* Sender) { LargeGlyphChanged(); }
  void SetManager(TdxBarManager* AManager);
  // The controls of the links, in link order (links without a control left out).
  template <class F>
  void ForEachControl(F AProc);

  TdxBarItemActionLink* FActionLink = nullptr;  // owned
  TdxBarItemAlign FAlign = iaLeft;
  Integer FCategory = -1;
  bool FCheckDefaults = false;
  TdxBarItemLink* FClickItemLink = nullptr;
  TObject* FData = nullptr;
  String FDescription;
  TBitmap* FGlyph = nullptr;  // owned
  Integer FHelpContext = 0;
  String FHint;
  String FKeyTip;
  TBitmap* FLargeGlyph = nullptr;  // owned
  std::vector<TdxBarItemLink*> FLinks;  // not owned
  TdxBarItemVisible FLoadedVisible = ivAlways;
  TdxBarItemMergeKind FMergeKind = mkAdd;
  Integer FMergeOrder = 0;
  TdxBarPaintStyle FPaintStyle = psStandard;
  TdxBarItemStylesData* FStylesData = nullptr;  // owned
  TdxBarScreenTip* FScreenTip = nullptr;
  bool FUnclickAfterDoing = true;
  Integer FWidth = 0;
  TNotifyEvent FOnCreate;
  TNotifyEvent FOnDestroy;
  TdxBarGlyphLayout FGlyphLayout = glTop;
  bool FShowCaption = true;
};

// The visibility of an action's Visible value.
TdxBarItemVisible VisibleTodxBarVisible(bool AVisible);

}  // namespace dxBar

using namespace dxBar;
