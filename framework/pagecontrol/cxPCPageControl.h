// The page control: a tab control whose tabs belong to pages (TcxTabSheet), child windows that fill
// the page area and hold the controls of their page. Exactly one page, the active page, is shown; tab
// selection activates pages with a veto event of their own, the focus stays sensible when pages
// change, pages stream as the control's children in page order, and whole forms can be docked in as
// new pages. A sheet paints its background through the page control's painter.
#pragma once

#include <vector>

#include "cxPCTabControl.h"

namespace cxPC {

class TcxPageControl;

using TcxPageChangingEvent = TClosure<void(TObject* Sender, TcxTabSheet* NewPage, bool& AllowChange)>;

class TcxTabSheet : public TCustomControl {
  DECLARE_CLASS(TcxTabSheet, TCustomControl)
 public:
  explicit TcxTabSheet(TComponent* AOwner = nullptr) : TCustomControl(AOwner) {}
  void Dispatch(TMessage& Message) override;
  // Only a page control, or none, may be a sheet's parent; anything else aborts silently.
  void SetParent(TWinControl* AParent) override;

  bool GetHighlighted() const { return FHighlighted; }
  void SetHighlighted(bool Value);
  Integer GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(Integer Value);
  TcxPageControl* GetPageControl() const { return FPageControl; }
  void SetPageControl(TcxPageControl* Value);
  Integer GetPageIndex() const;
  void SetPageIndex(Integer Value);
  TcxTab* GetTab() const { return FTab; }
  // The visible index of its tab, or -1 without a tab or with a hidden one.
  Integer GetTabIndex() const;
  bool GetTabVisible() const { return FTabVisible; }
  void SetTabVisible(bool Value);
  bool IsColorStored() const { return !GetParentColor(); }
  bool IsFontStored() const { return !GetParentFont(); }

  TNotifyEvent OnHide;
  TNotifyEvent OnShow;
  TNotifyEvent GetOnHide() const { return OnHide; }
  void SetOnHide(TNotifyEvent V) { OnHide = V; }
  TNotifyEvent GetOnShow() const { return OnShow; }
  void SetOnShow(TNotifyEvent V) { OnShow = V; }

 protected:
  friend class TcxPageControl;
  void Construct() override;
  void Destroy() override;
  void CreateParams(TCreateParams& Params) override;
  void VisibleChanging() override;

  virtual void SetParentPageControl(TcxPageControl* APageControl);
  virtual void DoHide();
  virtual void DoShow();
  virtual void EnabledChanged() { PagePropertyChanged(); }
  virtual void ShowingChanged();
  virtual void TextChanged() { PagePropertyChanged(); }
  void PagePropertyChanged();
  void InternalColorChanged();

 private:
  void EraseBackground(HDC DC);
  void PaintNativeBorder();

  bool FHighlighted = false;
  Integer FImageIndex = -1;
  TcxPageControl* FPageControl = nullptr;
  TcxTab* FTab = nullptr;
  bool FTabVisible = true;
};

class TcxPageControl : public TcxCustomTabControl {
  DECLARE_CLASS(TcxPageControl, TcxCustomTabControl)
 public:
  explicit TcxPageControl(TComponent* AOwner = nullptr) : TcxCustomTabControl(AOwner) {}
  void Dispatch(TMessage& Message) override;

  TcxTabSheet* GetActivePage() override { return FActivePage; }
  void SetActivePage(TcxTabSheet* Value);
  Integer GetActivePageIndex() const;
  void SetActivePageIndex(Integer Value);
  Integer GetPageCount() const { return static_cast<Integer>(FPages.size()); }
  TcxTabSheet* GetPages(Integer Index) const { return FPages.at(static_cast<size_t>(Index)); }
  TcxTabSheet* GetPage(Integer ATabIndex) override;
  // The number of visible tabs.
  Integer GetTabCount() const;
  TcxTabSheet* FindNextPage(TcxTabSheet* ACurrentPage, bool AGoForward, bool ACheckTabVisible);
  TcxTabSheet* FindNextPageEx(TcxTabSheet* ACurrentPage, bool AGoForward, bool ACheckTabVisible, bool AWrapAround);
  void SelectNextPage(bool AGoForward, bool ACheckTabVisible = true);
  // Showing one of its own pages activates it.
  void ShowControl(TControl* AControl);

  TcxPageChangingEvent OnPageChanging;
  TcxPageChangingEvent GetOnPageChanging() const { return OnPageChanging; }
  void SetOnPageChanging(TcxPageChangingEvent V) { OnPageChanging = V; }

  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  void GetSiteInfo(TControl* Client, TRect& InfluenceRect, TPoint MousePos, bool& CanDock) override;
  void DockDrop(TDragDockObject* Source, Integer X, Integer Y) override;
  void RequestLayout() override;

 protected:
  friend class TcxTabSheet;
  void Destroy() override;
  void Loaded() override;
  void SetChildOrder(TComponent* Child, Integer Order) override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  bool CanFocusOnClick(Integer X, Integer Y) override;
  void DockOver(TDragDockObject* Source, Integer X, Integer Y, TDragState State, bool& Accept) override;
  void DoAddDockClient(TControl* Client, const TRect& ARect) override;
  void DoRemoveDockClient(TControl* Client) override;
  bool DoUnDock(TWinControl* NewTarget, TControl* Client) override;

  bool CanChange(Integer ANewTabIndex) override;
  void Change() override;
  void DoClose() override;
  bool TabIndexTabMustBeVisible() override { return true; }
  void ImageListChange(TObject* Sender) override;

  // ---- Overridable operations introduced by the page control
  virtual Integer DockClient(TDragDockObject* DockSource, const TPoint& MousePos);
  virtual bool UndockClient(TWinControl* NewTarget, TControl* Client);
  virtual void ControlChange(bool Inserting, TControl* Child);
  virtual void UpdateActivePage();
  virtual bool CanChangeActivePage(TcxTabSheet* ANewPage);
  virtual void PageChange() { TcxCustomTabControl::Change(); }

  void InsertPage(TcxTabSheet* APage);
  void RemovePage(TcxTabSheet* APage);
  void UpdateTab(TcxTabSheet* APage);
  void UpdateTabs();
  void ChangeActivePage(TcxTabSheet* APage);
  void PageChanging(TcxTabSheet* ANewPage, bool& AllowChange);
  TcxTabSheet* GetPageFromDockClient(TControl* AClient);
  TControl* GetDockClientFromPoint(const TPoint& P);

 private:
  bool IsDockedClient(TControl* AControl);

  std::vector<TcxTabSheet*> FPages;
  TcxTabSheet* FActivePage = nullptr;
  TcxTabSheet* FNewDockSheet = nullptr;
  TcxTabSheet* FUndockingPage = nullptr;
  bool FPageInserting = false;
  bool FActivePageSetting = false;
  bool FChangingPages = false;
};

}  // namespace cxPC

using namespace cxPC;
