// What the class-library tests share: a fixture on an empty desktop that frees the application's
// forms after each test, small control classes with published properties, a timer-like component,
// and the text form resource of a form built from them.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "Collections.h"
#include "Filer.h"
#include "Forms.h"

namespace ClasslibTest {

// What happened, in order ("Click Button1", "KeyPress Entry1 a", ...).
std::vector<String>& Journal();

class TClasslibFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// Registers the test classes and the form resource of TTestMainForm (idempotent).
void RegisterTestClasses();

// Registers a form class with the text form resource it is read from (the resource is named after
// the class, in capitals). Texts are the program's own literals; registering again changes nothing.
void RegisterFormText(TClass FormClass, const char* Text);

class TTestColumn : public TCollectionItem {
  DECLARE_CLASS(TTestColumn, TCollectionItem)
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

// A windowed control that accepts children and paints its colour with its caption; it journals the
// clicks and keys it gets.
class TTestPanel : public TCustomControl {
  DECLARE_CLASS(TTestPanel, TCustomControl)
 public:
  TOwnedCollection* GetColumns() const { return FColumns; }
  void SetColumns(TOwnedCollection* V) { FColumns->Assign(V); }

 protected:
  void Construct() override;
  void Destroy() override;
  void Loaded() override;
  void Paint() override;

 public:
  void Click() override;

 private:
  TOwnedCollection* FColumns = nullptr;
};

// A tab stop that takes the keyboard focus when clicked.
class TTestButton : public TTestPanel {
  DECLARE_CLASS(TTestButton, TTestPanel)
 protected:
  void Construct() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
};

class TTestLabel : public TGraphicControl {
  DECLARE_CLASS(TTestLabel, TGraphicControl)
 public:
  void Click() override;

 protected:
  void Paint() override;
};

// A non-visual component that ticks on a thread timer while enabled.
class TTestTicker : public TComponent {
  DECLARE_CLASS(TTestTicker, TComponent)
 public:
  Integer GetInterval() const { return FInterval; }
  void SetInterval(Integer V);
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool V);
  TNotifyEvent GetOnTimer() const { return FOnTimer; }
  void SetOnTimer(TNotifyEvent V) { FOnTimer = V; }

 protected:
  void Destroy() override;
  void Loaded() override;

 private:
  void Update();
  static void TimerProc(HWND, UINT, UINT_PTR, DWORD);
  Integer FInterval = 1000;
  bool FEnabled = true;
  UINT_PTR FTimer = 0;
  TNotifyEvent FOnTimer;
};

// The form of the form resource below, with its handlers and a defined "Secret" entry.
class TTestMainForm : public TForm {
  DECLARE_CLASS(TTestMainForm, TForm)
 public:
  Integer Secret = 0;
  Integer Ticks = 0;
  void FormCreate(TObject* Sender);
  void ButtonClick(TObject* Sender);
  void EntryKeyPress(TObject* Sender, char& Key);
  void TickerTimer(TObject* Sender);

 protected:
  void DefineProperties(TFiler* Filer) override;

 private:
  void ReadSecret(TReader* Reader) { Secret = Reader->ReadInteger(); }
  void WriteSecret(TWriter* Writer) { Writer->WriteInteger(Secret); }
};

extern const char* const MainFormText;

// The form tree as text, for comparing trees.
String FormText(TComponent* Root);

}  // namespace ClasslibTest
