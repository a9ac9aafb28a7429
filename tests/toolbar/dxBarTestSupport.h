// Shared pieces of the toolbar tests: a bar component that records what reaches it, and a form that
// owns the managers under test.
#pragma once

#include <functional>
#include <vector>

#include "Forms.h"
#include "dxBar.h"

namespace dxBarTests {

// A bar component of the tests: records the enabled and visible values it is given.
class TRecordingBarComponent : public TdxBarComponent {
  DECLARE_CLASS(TRecordingBarComponent, TdxBarComponent)
 public:
  explicit TRecordingBarComponent(TComponent* AOwner = nullptr) : TdxBarComponent(AOwner) {}
  bool GetEnabled() override { return FEnabled; }
  void SetEnabled(bool Value) override { FEnabled = Value; }
  void SetVisible(TdxBarItemVisible Value) override { FVisible = Value; }
  TdxBarItemVisible GetVisible() const { return FVisible; }
};

// An item with a menu of its own (the collection of its links), which merges with another of its kind.
class TdxBarTestSubItem : public TdxBarItem {
  DECLARE_CLASS(TdxBarTestSubItem, TdxBarItem)
 public:
  explicit TdxBarTestSubItem(TComponent* AOwner = nullptr) : TdxBarItem(AOwner) {}
  TdxBarItemLinks* GetItemLinks() override { return Menu; }
  bool InternalCanMergeWith(TdxBarItem* AItem) override { return dynamic_cast<TdxBarTestSubItem*>(AItem) != nullptr; }
  TdxBarItemLinks* Menu = nullptr;

 protected:
  void Construct() override;
  void Destroy() override;
};

// A form without a resource, freed by the fixture.
TForm* NewTestForm();

// Reads the components of ARoot from a form text, as a form resource gives them.
void ReadFormText(TComponent* ARoot, const String& AText);
// The form text that the object stream writes for ARoot.
String WriteFormText(TComponent* ARoot);

// A bar window standing for the toolbar window or a menu in tests: its controls sit side by side, 40
// pixels each; it becomes active when an item control is focused, clicks the key-selected control on
// Enter, counts how often its menus close and its frame is painted, and records the repaints its item
// controls ask for. Its kind, orientation, painter and background fill are the test's.
class TTestBarWindow : public TCustomdxBarControl {
  DECLARE_CLASS(TTestBarWindow, TCustomdxBarControl)
 public:
  explicit TTestBarWindow(TComponent* AOwner = nullptr) : TCustomdxBarControl(AOwner) {}
  TClass GetAccessibilityHelperClass() override { return nullptr; }
  TBitmap* GetBackgroundBitmap() override { return nullptr; }
  Integer GetBeginGroupSize() override { return BeginGroupSize; }
  bool GetIsMainMenu() override { return false; }
  bool GetIsStatusBar() override { return false; }
  TClass GetViewInfoClass() override;
  void SetMarkState(TdxBarMarkState) override {}
  void SetFont() override {}
  void UpdateItem(TdxBarItemControl* AControl) override;
  // Fills with the colour, else the brush, when PaintsBackground is set; otherwise leaves the pixels.
  void FillBackground(HDC DC, const TRect& ADestR, const TRect& ASourceR, HBRUSH ABrush, TColor AColor) override;
  void Hide() override { SetVisible(false); }
  TdxBarKind Kind() override { return IsMenu ? bkSubMenu : bkBarControl; }
  TdxBarPaintType GetPaintType() override { return IsMenu ? ptMenu : TCustomdxBarControl::GetPaintType(); }
  TdxBarPainter* GetPainter() override { return Painter ? Painter : TCustomdxBarControl::GetPainter(); }
  void FocusItemControl(TdxBarItemControl* AItemControl) override;
  void DoHideAll() override;
  bool CanCustomizing() override { return Customizable || TCustomdxBarControl::CanCustomizing(); }
  bool AllowNCPaint() override { return NCPaintAllowed; }
  void NCPaint(HDC) override { ++NCPaintCount; }
  bool IsVertical() override { return Vertical; }
  void WndProc(TMessage& Message) override;
  int HideAllCount = 0;
  TNotifyEvent OnHideAll;  // runs before the menus close; may raise
  std::vector<TdxBarItemControl*> Repaints;
  int NCPaintCount = 0;
  bool NCPaintAllowed = true;
  bool Vertical = false;
  bool IsMenu = false;
  bool Customizable = false;
  bool PaintsBackground = false;
  Integer BeginGroupSize = 0;
  TdxBarPainter* Painter = nullptr;  // none: the manager's
};

// The links of a test bar window and their owner; the bar window is made on the form at (10, 10).
class TTestBarLinks : public TComponent, public IdxBarLinksOwner {
  DECLARE_CLASS(TTestBarLinks, TComponent)
 public:
  explicit TTestBarLinks(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  bool CanContainItem(TdxBarItem*, String&) override { return true; }
  TCustomdxBarControl* CreateBarControl() override;
  TComponent* GetComponentInstance() override { return this; }
  TdxBarItemLinks* GetItemLinks() override { return Links; }
  // Makes the links of AManager and a shown bar window for them on AParent.
  TTestBarWindow* MakeBar(TdxBarManager* AManager, TWinControl* AParent, const std::vector<TdxBarItem*>& AItems);

  TdxBarManager* Manager = nullptr;
  TdxBarItemLinks* Links = nullptr;  // owned
  // Makes the bar window of the links; none: a TTestBarWindow.
  std::function<TTestBarWindow*(TdxBarManager*)> NewBar;

 protected:
  void Destroy() override;
};

}  // namespace dxBarTests
