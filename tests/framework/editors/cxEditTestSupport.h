// What the editor framework's tests share: a settings class whose class-level answers the test sets,
// an editor of that kind that keeps a display text and records what happens to it, a binding that
// records what is stored, and a fixture on the base controls' desktop with an event log.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "../controls/cxControlsTestSupport.h"
#include "cxEdit.h"

namespace cxEditTest {

using cxControlsTest::TControlsFixture;

// Settings of the test kind. The class-level answers are fields so that each test sets its own.
class TEditTestProperties : public TcxCustomEditProperties {
  DECLARE_CLASS(TEditTestProperties, TcxCustomEditProperties)
 public:
  explicit TEditTestProperties(TPersistent* AOwner = nullptr) : TcxCustomEditProperties(AOwner) {}
  bool Comparable = true;
  bool Validates = true;
  bool ResetClass = true;
  bool CanCompareEditValue() override { return Comparable; }
  bool CanValidate() override { return Validates; }
  bool IsResetEditClass() override { return ResetClass; }
  TClass GetContainerClass() override;
};

// A binding whose stored value is a field.
class TEditTestDataBinding : public TcxEditDataBinding {
  DECLARE_CLASS(TEditTestDataBinding, TcxEditDataBinding)
 public:
  explicit TEditTestDataBinding(TcxCustomEdit* AEdit = nullptr) : TcxEditDataBinding(AEdit) {}
  std::vector<TcxEditValue> Stored;
  void SetStoredValue(const TcxEditValue& Value) override { Stored.push_back(Value); }
};

// An editor of the test kind. Its display value is a text kept beside the edit value (the text
// editor keeps it in its inner edit); the protected operations are reachable for the tests.
class TEditTestEdit : public TcxCustomEdit {
  DECLARE_CLASS(TEditTestEdit, TcxCustomEdit)
 public:
  explicit TEditTestEdit(TComponent* AOwner = nullptr, bool AIsInplace = false) : TcxCustomEdit(AOwner, AIsInplace) {}
  String DisplayText;
  bool KeysModify = false;
  bool NavigationKeysWanted = false;
  TEditTestProperties* GetProperties() const { return static_cast<TEditTestProperties*>(TcxCustomEdit::GetProperties()); }
  TEditTestDataBinding* GetTestBinding() const { return static_cast<TEditTestDataBinding*>(GetDataBinding()); }
  TClass GetPropertiesClass() override { return TEditTestProperties::StaticClass(); }

  using TcxCustomEdit::ButtonVisibleIndexAt;
  using TcxCustomEdit::CalculateViewInfo;
  using TcxCustomEdit::DoEditing;
  using TcxCustomEdit::KeyDown;
  using TcxCustomEdit::KeyPress;
  using TcxCustomEdit::RefreshContainer;
  using TcxCustomEdit::SetInternalEditValue;
  using TcxCustomEdit::SetUserAction;

 protected:
  TClass GetDataBindingClass() override { return TEditTestDataBinding::StaticClass(); }
  TcxEditValue GetDisplayValue() override { return DisplayText; }
  void SetInternalDisplayValue(const TcxEditValue& Value) override { DisplayText = VarToStr(Value); }
  void InternalSetDisplayValue(const TcxEditValue& Value) override {
    DisplayText = VarToStr(Value);
    FEditValue = DisplayText;
  }
  void SynchronizeDisplayValue() override { DisplayText = VarToStr(FEditValue); }
  bool CanKeyDownModifyEdit(Word Key, TShiftState Shift) override { return KeysModify; }
  bool CanKeyPressModifyEdit(char Key) override { return KeysModify; }
  bool WantNavigationKeys() override { return NavigationKeysWanted; }
};

// A repository item of the test kind.
class TEditTestRepositoryItem : public TcxEditRepositoryItem {
  DECLARE_CLASS(TEditTestRepositoryItem, TcxEditRepositoryItem)
 public:
  explicit TEditTestRepositoryItem(TComponent* AOwner = nullptr) : TcxEditRepositoryItem(AOwner) {}
  TClass GetEditPropertiesClass() override { return TEditTestProperties::StaticClass(); }
  TEditTestProperties* GetProperties() const {
    return static_cast<TEditTestProperties*>(TcxEditRepositoryItem::GetProperties());
  }
};

// The base controls' fixture with a log that event handlers write to.
class TEditFixture : public TControlsFixture {
 protected:
  std::vector<String> Log;
  TEditTestEdit* AddEdit(Integer X = 10, Integer Y = 10, Integer W = 120, Integer H = 21) {
    return Add<TEditTestEdit>(X, Y, W, H);
  }
  // A handler that writes the name into the log.
  TNotifyEvent LogEvent(const String& AName) {
    return TNotifyEvent([this, AName](TObject*) { Log.push_back(AName); });
  }
};

}  // namespace cxEditTest
