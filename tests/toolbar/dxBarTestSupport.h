// Shared pieces of the toolbar tests: a bar component that records what reaches it, and a form that
// owns the managers under test.
#pragma once

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

}  // namespace dxBarTests
