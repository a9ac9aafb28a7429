// The style classes the style tests use: a control-like component owning a style collection with
// three published slots and known defaults, a style sheet of that collection, a collection and
// sheet of another class, and a stream root that writes its components without a parent.
#pragma once

#include <vector>

#include "Components.h"
#include "Graphics.h"
#include "cxStyles.h"

namespace cxStylesTest {

constexpr Integer BackgroundSlot = 0, ContentSlot = 1, HeaderSlot = 2;

// The defaults of every slot: window colours and the collection's default font.
class TTestStyles : public TcxStyles {
  DECLARE_CLASS(TTestStyles, TcxStyles)
 public:
  using TcxStyles::TcxStyles;
  TcxStyle* GetBackground() { return GetValues(BackgroundSlot); }
  TcxCustomStyleSheet* GetSheet() const { return GetStyleSheet(); }
  void SetSheet(TcxCustomStyleSheet* Value) { SetStyleSheet(Value); }

  TFont* DefaultFont() const { return FDefaultFont; }
  std::vector<Integer> ChangedSlots;  // every Changed, in order
  Integer DefaultRequests = 0;

 protected:
  void Construct() override;
  void Destroy() override;
  void Changed(Integer AIndex) override { ChangedSlots.push_back(AIndex); }
  void GetDefaultViewParams(Integer AIndex, TObject* AData, TcxViewParams& AParams) override;

 private:
  TFont* FDefaultFont = nullptr;
};

class TTestStyleSheet : public TcxCustomStyleSheet {
  DECLARE_CLASS(TTestStyleSheet, TcxCustomStyleSheet)
 public:
  using TcxCustomStyleSheet::TcxCustomStyleSheet;
  TClass GetStylesClass() const override { return TTestStyles::StaticClass(); }
  TTestStyles* GetTestStyles() const { return static_cast<TTestStyles*>(GetStyles()); }
  void SetTestStyles(TTestStyles* Value) { SetStyles(Value); }
};

class TOtherStyles : public TcxStyles {
  DECLARE_CLASS(TOtherStyles, TcxStyles)
 public:
  using TcxStyles::TcxStyles;
};

class TOtherStyleSheet : public TcxCustomStyleSheet {
  DECLARE_CLASS(TOtherStyleSheet, TcxCustomStyleSheet)
 public:
  using TcxCustomStyleSheet::TcxCustomStyleSheet;
  TClass GetStylesClass() const override { return TOtherStyles::StaticClass(); }
};

// Owns its style collection as a control does.
class TTestControl : public TComponent {
  DECLARE_CLASS(TTestControl, TComponent)
 public:
  using TComponent::TComponent;
  TTestStyles* GetStyles() const { return FStyles; }
  void SetStyles(TTestStyles* Value) { FStyles->Assign(Value); }

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  TTestStyles* FStyles = nullptr;
};

// Writes the components it owns that have no parent, as a form does.
class TTestRoot : public TComponent {
  DECLARE_CLASS(TTestRoot, TComponent)
 public:
  using TComponent::TComponent;
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
};

// Registers the classes a stream names (idempotent).
void RegisterTestClasses();

}  // namespace cxStylesTest
