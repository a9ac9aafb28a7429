// What the editor framework's tests share: a settings class whose class-level answers the test sets,
// an editor of that kind that keeps a display text and records what happens to it, a binding that
// records what is stored, and a fixture on the base controls' desktop with an event log.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "../controls/cxControlsTestSupport.h"
#include "cxEdit.h"
#include "cxGraphicsCanvas.h"

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

// The defaults of the test binding: one character is refused.
class TEditTestCharProvider : public TcxCustomEditDefaultValuesProvider {
  DECLARE_CLASS(TEditTestCharProvider, TcxCustomEditDefaultValuesProvider)
 public:
  static constexpr char RefusedChar = '#';
  bool IsValidChar(char AChar) override { return AChar != RefusedChar; }
};

// A binding that records what is stored.
class TEditTestDataBinding : public TcxEditDataBinding {
  DECLARE_CLASS(TEditTestDataBinding, TcxEditDataBinding)
 public:
  explicit TEditTestDataBinding(TcxCustomEdit* AEdit = nullptr) : TcxEditDataBinding(AEdit) {}
  std::vector<TcxEditValue> Stored;
  void SetStoredValue(const TcxEditValue& Value) override { Stored.push_back(Value); }
  TClass GetDefaultValuesProviderClass() override { return TEditTestCharProvider::StaticClass(); }
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
  bool RightBoundFixed = false;
  TClass EditDataClass = nullptr;
  Integer EditDataInitializations = 0;
  // Told "down i", "up i" and "click i" for the buttons.
  std::function<void(const String&)> OnButtonEvent;
  TEditTestProperties* GetProperties() const { return static_cast<TEditTestProperties*>(TcxCustomEdit::GetProperties()); }
  TEditTestDataBinding* GetTestBinding() const { return static_cast<TEditTestDataBinding*>(GetDataBinding()); }
  TClass GetPropertiesClass() override { return TEditTestProperties::StaticClass(); }

  using TcxCustomEdit::ButtonVisibleIndexAt;
  using TcxCustomEdit::CalculateViewInfo;
  void DoButtonClick(Integer AIndex) override {
    ButtonEvent("click", AIndex);
    TcxCustomEdit::DoButtonClick(AIndex);
  }
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
  bool IsRightBoundFixed() override { return RightBoundFixed; }
  TClass GetEditDataClass() override { return EditDataClass; }
  void InitializeEditData() override { ++EditDataInitializations; }
  void DoButtonDown(Integer AIndex) override { ButtonEvent("down", AIndex); }
  void DoButtonUp(Integer AIndex) override { ButtonEvent("up", AIndex); }

 private:
  void ButtonEvent(const char* AName, Integer AIndex) {
    if (OnButtonEvent) OnButtonEvent(String(AName) + " " + std::to_string(AIndex));
  }
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

// Settings with buttons of the given widths (negative: left-aligned), a style of a controller of
// their own, and a view data and view info of them, calculated on the screen canvas (or another).
struct TEditTestLayout {
  TOwnedPtr<TEditTestProperties> Properties{New<TEditTestProperties>()};
  TOwnedPtr<TcxEditStyleController> Controller{New<TcxEditStyleController>(nullptr)};
  TOwnedPtr<TcxCustomEditViewInfo> ViewInfo{
      static_cast<TcxCustomEditViewInfo*>(TcxContainerViewInfo::Create(TcxCustomEditViewInfo::StaticClass()))};
  TOwnedPtr<TcxCustomEditViewData> ViewData;

  TEditTestLayout(std::initializer_list<Integer> AWidths, bool AInplace = false) {
    for (Integer width : AWidths) {
      TcxEditButton* button = Properties->GetButtons()->Add();
      button->SetWidth(std::abs(width));
      button->SetLeftAlignment(width < 0);
    }
    TcxEditStyle* style = Controller->GetStyle();
    style->SetBorderStyle(ebsSingle);
    style->SetTransparentBorder(false);
    style->GetLookAndFeel()->SetNativeStyle(false);
    MakeViewData(AInplace);
  }
  void MakeViewData(bool AInplace) {
    ViewData.reset(Properties->CreateViewData(Controller->GetStyle(), AInplace));
  }
  void Calculate(const TRect& ABounds, TPoint P = TPoint(-1, -1), TcxMouseButton AButton = cxmbNone,
                 TShiftState AShift = {}) {
    ViewData->Calculate(cxScreenCanvas(), ABounds, P, AButton, AShift, ViewInfo.get(), AButton != cxmbNone);
  }
  // Lays the editor out at ABounds of ACanvas (the view info keeps the position) and paints it there.
  void PaintAt(TcxCanvas* ACanvas, const TRect& ABounds) {
    ViewData->CalculateEx(ACanvas, ABounds, TPoint(-1, -1), cxmbNone, {}, ViewInfo.get(), false);
    ViewInfo->PaintEx(ACanvas);
  }
  TcxEditButtonViewInfo* Button(Integer AVisibleIndex) const { return ViewInfo->ButtonsInfo.at(AVisibleIndex); }
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

// The fixture with one editor on the form whose change events go into the log.
class TEditLoggingFixture : public TEditFixture {
 protected:
  TEditTestEdit* Edit = nullptr;
  void SetUp() override {
    TEditFixture::SetUp();
    Edit = AddEdit();
    Edit->GetProperties()->OnChange = LogEvent("change");
    Edit->GetProperties()->OnEditValueChanged = LogEvent("value");
  }
};

}  // namespace cxEditTest
