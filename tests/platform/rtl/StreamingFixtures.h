// Small component classes with published properties of every streamed kind, shared by the tests
// of the object stream, its text form and form resources: a form-like root, a panel with child
// controls, a button-like control with a component reference, a non-visual timer, a font-like
// nested persistent and a collection.
#pragma once

#include <vector>

#include "Closures.h"
#include "Collections.h"
#include "Components.h"
#include "Filer.h"
#include "StringLists.h"
#include "TypInfo.h"
#include "Variants.h"

namespace StreamingFixtures {

// What happened, in order: "Loaded Button1", ...
std::vector<String>& Journal();

// Registers the fixture classes for reading (idempotent).
void RegisterFixtureClasses();

PUBLISHED_ENUM(TTestSide, sideNone, sideTop, sideBottom, sideFill)
PUBLISHED_ENUM(TTestStyle, styBold, styItalic, styUnderline)
using TTestStyles = TSet<TTestStyle, 8>;

// A colour-like integer type written by name where it has one (clRed, clBlue).
const TTypeInfo* TestColorTypeInfo();

class TTestFont : public TPersistent {
  DECLARE_CLASS(TTestFont, TPersistent)
 public:
  void Assign(TPersistent* Source) override;
  String GetName() const { return FName; }
  void SetName(const String& V) { FName = V; }
  Integer GetSize() const { return FSize; }
  void SetSize(Integer V) { FSize = V; }
  TTestStyles GetStyle() const { return FStyle; }
  void SetStyle(TTestStyles V) { FStyle = V; }
  Integer GetColor() const { return FColor; }
  void SetColor(Integer V) { FColor = V; }

 private:
  String FName = "Tahoma";
  Integer FSize = 8;
  TTestStyles FStyle;
  Integer FColor = 0;
};

class TTestItem : public TCollectionItem {
  DECLARE_CLASS(TTestItem, TCollectionItem)
 public:
  void Assign(TPersistent* Source) override;
  String GetCaption() const { return FCaption; }
  void SetCaption(const String& V) { FCaption = V; }
  Integer GetWidth() const { return FWidth; }
  void SetWidth(Integer V) { FWidth = V; }

 private:
  String FCaption;
  Integer FWidth = 64;
};

class TTestPanel;

class TTestControl : public TComponent {
  DECLARE_CLASS(TTestControl, TComponent)
 public:
  Integer GetLeft() const { return FLeft; }
  void SetLeft(Integer V) { FLeft = V; }
  String GetCaption() const { return FCaption; }
  void SetCaption(const String& V) { FCaption = V; }
  // Stored only when it differs from the caption.
  String GetHint() const { return FHint; }
  void SetHint(const String& V) { FHint = V; }
  bool IsHintStored() { return FHint != FCaption; }  // stored tests need not be const
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool V) { FVisible = V; }
  TTestSide GetSide() const { return FSide; }
  void SetSide(TTestSide V) { FSide = V; }
  TTestFont* GetFont() const { return FFont; }
  void SetFont(TTestFont* V) { FFont->Assign(V); }
  TTestControl* GetBuddy() const { return FBuddy; }
  void SetBuddy(TTestControl* V);
  TNotifyEvent GetOnClick() const { return FOnClick; }
  void SetOnClick(TNotifyEvent V) { FOnClick = V; }
  void Click() {
    if (FOnClick) FOnClick(this);
  }

  TTestPanel* GetParent() const { return FParent; }
  void SetParent(TTestPanel* V);
  TComponent* GetParentComponent() override;
  bool HasParent() override { return true; }

 protected:
  void Construct() override;
  void Destroy() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void SetParentComponent(TComponent* Value) override;

 private:
  Integer FLeft = 0;
  String FCaption;
  String FHint;
  bool FVisible = true;
  TTestSide FSide = sideNone;
  TTestFont* FFont = nullptr;
  TTestControl* FBuddy = nullptr;
  TNotifyEvent FOnClick;
  TTestPanel* FParent = nullptr;
};

class TTestPanel : public TTestControl {
  DECLARE_CLASS(TTestPanel, TTestControl)
 public:
  const std::vector<TTestControl*>& Children() const { return FChildren; }
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;

 protected:
  friend class TTestControl;
  void Destroy() override;
  void SetChildOrder(TComponent* Child, Integer Order) override;

 private:
  std::vector<TTestControl*> FChildren;
};

class TTestTimer : public TComponent {
  DECLARE_CLASS(TTestTimer, TComponent)
 public:
  Integer GetInterval() const { return FInterval; }
  void SetInterval(Integer V) { FInterval = V; }
  TNotifyEvent GetOnTimer() const { return FOnTimer; }
  void SetOnTimer(TNotifyEvent V) { FOnTimer = V; }

 protected:
  void Loaded() override;

 private:
  Integer FInterval = 1000;
  TNotifyEvent FOnTimer;
};

// The root: a panel that also lists its non-visual components, with a collection, a string list, an
// Int64, a currency, a float, a Variant, a defined integer entry ("Secret") and a defined binary
// entry ("Blob"), each written when it differs from the ancestor (or from zero and empty), and
// published handlers.
class TTestForm : public TTestPanel {
  DECLARE_CLASS(TTestForm, TTestPanel)
 public:
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  TOwnedCollection* GetItems() const { return FItems; }
  void SetItems(TOwnedCollection* V) { FItems->Assign(V); }
  Int64 GetBig() const { return FBig; }
  void SetBig(Int64 V) { FBig = V; }
  Currency GetAmount() const { return FAmount; }
  void SetAmount(Currency V) { FAmount = V; }
  double GetRatio() const { return FRatio; }
  void SetRatio(double V) { FRatio = V; }
  TStrings* GetLines() const { return FLines; }
  void SetLines(TStrings* V) { FLines->Assign(V); }
  Variant GetValue() const { return FValue; }
  void SetValue(const Variant& V) { FValue = V; }
  Integer Secret = 0;
  String Blob;

  void FormClick(TObject* Sender) { Journal().push_back("FormClick " + static_cast<TComponent*>(Sender)->GetName()); }
  void TimerTick(TObject* Sender) { Journal().push_back("TimerTick"); }

 protected:
  void Construct() override;
  void Destroy() override;
  void DefineProperties(TFiler* Filer) override;

 private:
  void ReadSecret(TReader* Reader) { Secret = Reader->ReadInteger(); }
  void WriteSecret(TWriter* Writer) { Writer->WriteInteger(Secret); }
  void ReadBlob(TStream* Stream);
  void WriteBlob(TStream* Stream);

  TOwnedCollection* FItems = nullptr;
  TStrings* FLines = nullptr;
  Int64 FBig = 0;
  Currency FAmount;
  double FRatio = 0;
  Variant FValue;
};

// A form class derived from TTestForm, for inherited form resources.
class TTestDerivedForm : public TTestForm {
  DECLARE_CLASS(TTestDerivedForm, TTestForm)
};

// A form of TTestForm with nested components, a collection, sets, a colour, defined entries, a
// forward component reference and event handlers, in the object text form.
extern const char* const MainFormText;

// The form tree as text (whole components, every property), for comparing trees.
String FormText(TComponent* Root);

}  // namespace StreamingFixtures
