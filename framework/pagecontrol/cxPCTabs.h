// The tab model behind a tab strip: one tab (TcxTab), the ordered list of all tabs of a control, a
// string list of their captions (TcxTabs), and the ascending list of the indexes of the tabs that are
// shown (TcxVisibleTabList). Published properties address a tab by its tab index (its place in
// TcxTabs); the layout, the painters and the hit test by its visible index (its place among the shown
// tabs). A tab also carries what the layout computed for it and the painters read.
#pragma once

#include <vector>

#include "Persistent.h"
#include "StringLists.h"
#include "cxPCTypes.h"

namespace Graphics {
class TBitmap;
}

namespace cxPC {

using Graphics::TBitmap;

class TcxCustomTabControl;
class TcxTabs;

class TcxTab : public TPersistent {
  DECLARE_CLASS(TcxTab, TPersistent)
 public:
  explicit TcxTab(TcxTabs* ATabs = nullptr, Integer AIndex = 0) : FImageIndex(AIndex), FIndex(AIndex), FTabs(ATabs) {}

  void AssignTo(TPersistent* Dest) override;

  // ---- Properties
  String GetCaption() const { return FCaption; }
  void SetCaption(const String& Value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool GetHighlighted() const { return FHighlighted; }
  void SetHighlighted(bool Value);
  // The image the control shows for the tab (OnGetImageIndex and the image list's bounds applied).
  Integer GetImageIndex();
  void SetImageIndex(Integer Value);
  // The stored image index, as it is written to a stream.
  Integer GetRawImageIndex() const { return FImageIndex; }
  bool IsImageIndexStored() const { return FImageIndex != FIndex; }
  Integer GetIndex() const { return FIndex; }
  TObject* GetObject() const { return FObject; }
  void SetObject(TObject* Value) { FObject = Value; }
  bool GetSelected() const { return FSelected; }
  void SetSelected(bool Value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);

  // ---- Derived, read-only
  TcxCustomTabControl* GetParentControl() const;
  Integer GetVisibleIndex() const;
  bool GetIsMainTab() const;
  bool GetHotTrack() const;
  bool GetPressed() const;
  bool GetTracking() const;
  bool GetRealEnabled() const;
  bool GetRealVisible();
  Integer GetNormalLongitudinalSize() const;
  TRect GetNormalRect() const;
  TRect GetFullRect();
  TRect GetVisibleRect();
  TcxTabPosition GetPaintingPosition() const;
  Integer GetPaintingPositionIndex() const;

  // ---- Layout values
  Integer GetLineIndex() const { return FLineIndex; }
  void SetLineIndex(Integer Value) { FLineIndex = Value; }
  Integer GetDisplayRow() const { return FDisplayRow; }
  void SetDisplayRow(Integer Value) { FDisplayRow = Value; }
  TcxPCTabPosition& Position() { return FPosition; }
  const TcxPCTabPosition& Position() const { return FPosition; }

  // ---- Cached bitmaps
  TBitmap* GetPaintBitmap() const { return FPaintBitmap; }
  void InitializePaintBitmap();
  void ResetPaintBitmap();
  TBitmap* GetVerticalTextBitmap() const { return FVerticalTextBitmap; }
  void SetVerticalTextBitmap(TBitmap* Value);
  void ResetVerticalTextBitmap();

  // Stores the caption without any notification.
  void InternalSetCaption(const String& Value) { FCaption = Value; }
  void Changed(TcxPCTabPropertyChanged AType);
  void ValidateImageIndex();

 protected:
  friend class TcxTabs;
  void Destroy() override;

 private:
  String FCaption;
  TColor FColor = clDefault;
  bool FEnabled = true;
  bool FHighlighted = false;
  Integer FImageIndex;
  Integer FIndex;
  TObject* FObject = nullptr;
  TBitmap* FPaintBitmap = nullptr;
  Integer FLineIndex = 0;
  bool FSelected = false;
  TcxPCTabPosition FPosition;
  TcxTabs* FTabs;
  TBitmap* FVerticalTextBitmap = nullptr;
  bool FVisible = true;
  Integer FDisplayRow = 0;
};

class TcxTabs : public TStrings {
  DECLARE_CLASS(TcxTabs, TStrings)
 public:
  explicit TcxTabs(TcxCustomTabControl* ATabControl = nullptr) : FTabControl(ATabControl) {}

  void Clear() override;
  void Delete(Integer Index) override;
  void Insert(Integer Index, const String& S) override;
  void Move(Integer CurIndex, Integer NewIndex) override;
  Integer GetCount() override { return static_cast<Integer>(FItems.size()); }

  TcxTab* GetTab(Integer Index);
  void SetTab(Integer Index, TcxTab* Value);
  TcxTab* operator[](Integer Index) { return GetTab(Index); }
  TcxTab* GetVisibleTab(Integer VisibleIndex);
  Integer GetVisibleTabsCount();
  TcxCustomTabControl* GetTabControl() const { return FTabControl; }
  // The common height of the tabs across their text, as the painter computed it.
  Integer GetNormalHeight() const { return FNormalHeight; }
  void SetNormalHeight(Integer Value) { FNormalHeight = Value; }

  // Called by a tab when it is freed on its own: its entry goes without freeing it again.
  virtual void Notify(Integer Index, TcxPCTabNotification AType);
  void Changed(Integer AVisibleIndex, TcxPCTabPropertyChanged AType);
  void SetHotTrack(Integer AVisibleIndex);
  // Recomputes the control's main visible index from its tab index.
  void SetMainTab();
  void SetTracking(Integer AVisibleIndex);
  void ResetTabVerticalTextBitmaps();
  void UpdateTabIndexes(Integer AFirst, Integer ALast);
  void ValidateImageIndexes();

  [[noreturn]] static void OutError(const String& AMethodName, Integer AIndex);

 protected:
  void Destroy() override;
  String Get(Integer Index) override;
  void Put(Integer Index, const String& S) override;
  TObject* GetObject(Integer Index) override;
  void PutObject(Integer Index, TObject* AObject) override;

 private:
  void CheckIndex(const char* AMethodName, Integer Index);

  bool FNotification = false;
  TcxCustomTabControl* FTabControl;
  Integer FNormalHeight = 0;
  std::vector<TcxTab*> FItems;
  bool FUpdating = false;
};

class TcxVisibleTabList : public TObject {
  DECLARE_CLASS(TcxVisibleTabList, TObject)
 public:
  explicit TcxVisibleTabList(TcxCustomTabControl* ATabControl = nullptr) : FTabControl(ATabControl) {}

  Integer GetCount() const { return static_cast<Integer>(FItems.size()); }
  TcxTab* GetTab(Integer VisibleIndex);
  // A halving search of the ascending indexes; on failure APosition is where ATabIndex would go.
  bool FindVisibleTab(Integer ATabIndex, Integer& APosition) const;
  void ShowTab(Integer ATabIndex);
  void HideTab(Integer ATabIndex);
  void Update();
  Integer TabVisibleIndexOf(Integer ATabIndex) const;
  // The tab index at a visible index (no check).
  Integer TabIndexAt(Integer VisibleIndex) const { return FItems[static_cast<size_t>(VisibleIndex)]; }

  [[noreturn]] static void OutError(const String& AMethodName, const String& AText);

 private:
  TcxCustomTabControl* FTabControl;
  std::vector<Integer> FItems;
};

}  // namespace cxPC

using namespace cxPC;
