#include "ClasslibTestSupport.h"

#include <cstring>
#include <map>
#include <memory>

#include "HeadlessBackend.h"
#include "ObjectText.h"
#include "Resources.h"
#include "Streams.h"
#include "Strings.h"
#include "WinUser.h"

namespace ClasslibTest {

std::vector<String>& Journal() {
  static std::vector<String> journal;
  return journal;
}

void TClasslibFixture::SetUp() {
  ResetWindowManager();
  RegisterTestClasses();
  Journal().clear();
}

void TClasslibFixture::TearDown() {
  DoneApplication();
  ResetWindowManager();
}

// ---- Columns ----------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TTestColumn) {
  d.Property("Caption", &TTestColumn::GetCaption, &TTestColumn::SetCaption);
  d.Property("Width", &TTestColumn::GetWidth, &TTestColumn::SetWidth).Default(64);
}

void TTestColumn::Assign(TPersistent* Source) {
  if (auto* c = dynamic_cast<TTestColumn*>(Source)) {
    FCaption = c->FCaption;
    FWidth = c->FWidth;
    return;
  }
  inherited::Assign(Source);
}

// ---- Panel, button, label ---------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TTestPanel) {
  d.Property("Align", &TTestPanel::GetAlign, &TTestPanel::SetAlign).Default(alNone);
  d.Property("Anchors", &TTestPanel::GetAnchors, &TTestPanel::SetAnchors).Default(TAnchors{akLeft, akTop});
  d.Property("Caption", &TTestPanel::GetCaption, &TTestPanel::SetCaption);
  d.Property("Color", &TTestPanel::GetColor, &TTestPanel::SetColor).Default(clBtnFace).Type(ColorTypeInfo());
  d.Property("Columns", &TTestPanel::GetColumns, &TTestPanel::SetColumns);
  d.Property("Font", &TTestPanel::GetFont, &TTestPanel::SetFont);
  d.Property("ParentColor", &TTestPanel::GetParentColor, &TTestPanel::SetParentColor).Default(false);
  d.Property("ParentFont", &TTestPanel::GetParentFont, &TTestPanel::SetParentFont).Default(true);
  d.Property("TabOrder", &TTestPanel::GetTabOrder, &TTestPanel::SetTabOrder).Default(-1);
  d.Property("TabStop", &TTestPanel::GetTabStop, &TTestPanel::SetTabStop).Default(false);
  d.Property("Visible", &TTestPanel::GetVisible, &TTestPanel::SetVisible).Default(true);
  d.Property("OnClick", &TTestPanel::GetOnClick, &TTestPanel::SetOnClick);
  d.Property("OnKeyPress", &TTestPanel::GetOnKeyPress, &TTestPanel::SetOnKeyPress);
}

void TTestPanel::Construct() {
  inherited::Construct();
  ControlStyle.Include(csAcceptsControls);
  ControlStyle.Include(csOpaque);
  SetBounds(0, 0, 100, 40);
  SetColor(clBtnFace);
  FColumns = New<TOwnedCollection>(this, TTestColumn::StaticClass());
}

void TTestPanel::Destroy() {
  FreeAndNil(FColumns);
  inherited::Destroy();
}

void TTestPanel::Loaded() {
  inherited::Loaded();
  Journal().push_back("Loaded " + GetName() + " parent=" + (GetParent() ? GetParent()->GetName() : String("-")));
}

void TTestPanel::Paint() {
  GetCanvas()->GetBrush()->SetColor(GetColor());
  GetCanvas()->FillRect(GetClientRect());
  GetCanvas()->GetFont()->Assign(GetFont());
  GetCanvas()->GetBrush()->SetStyle(bsClear);
  GetCanvas()->TextOut(4, 4, GetCaption());
}

void TTestPanel::Click() {
  Journal().push_back("Click " + GetName());
  inherited::Click();
}

IMPLEMENT_CLASS(TTestButton)

void TTestButton::Construct() {
  inherited::Construct();
  SetTabStop(true);
}

void TTestButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  if (CanFocus()) SetFocus();
  inherited::MouseDown(Button, Shift, X, Y);
}

IMPLEMENT_CLASS_PUBLISHED(TTestLabel) {
  d.Property("Align", &TTestLabel::GetAlign, &TTestLabel::SetAlign).Default(alNone);
  d.Property("Caption", &TTestLabel::GetCaption, &TTestLabel::SetCaption);
  d.Property("Color", &TTestLabel::GetColor, &TTestLabel::SetColor).Type(ColorTypeInfo());
  d.Property("ParentColor", &TTestLabel::GetParentColor, &TTestLabel::SetParentColor).Default(true);
  d.Property("OnClick", &TTestLabel::GetOnClick, &TTestLabel::SetOnClick);
}

void TTestLabel::Paint() {
  GetCanvas()->GetBrush()->SetColor(GetColor());
  GetCanvas()->FillRect(GetClientRect());
  GetCanvas()->TextOut(0, 0, GetCaption());
}

void TTestLabel::Click() {
  Journal().push_back("Click " + GetName());
  inherited::Click();
}

// ---- Ticker -----------------------------------------------------------------------------------------
namespace {
std::map<UINT_PTR, TTestTicker*>& Tickers() {
  static std::map<UINT_PTR, TTestTicker*> tickers;
  return tickers;
}
}  // namespace

IMPLEMENT_CLASS_PUBLISHED(TTestTicker) {
  d.Property("Enabled", &TTestTicker::GetEnabled, &TTestTicker::SetEnabled).Default(true);
  d.Property("Interval", &TTestTicker::GetInterval, &TTestTicker::SetInterval).Default(1000);
  d.Property("OnTimer", &TTestTicker::GetOnTimer, &TTestTicker::SetOnTimer);
}

void TTestTicker::SetInterval(Integer V) {
  FInterval = V;
  Update();
}

void TTestTicker::SetEnabled(bool V) {
  FEnabled = V;
  Update();
}

void TTestTicker::Loaded() {
  inherited::Loaded();
  Update();
}

void TTestTicker::Destroy() {
  FEnabled = false;
  Update();
  inherited::Destroy();
}

void TTestTicker::Update() {
  if (FTimer) {
    KillTimer(nullptr, FTimer);
    Tickers().erase(FTimer);
    FTimer = 0;
  }
  if (FEnabled && FInterval > 0 && !ComponentState().Contains(csLoading) && !ComponentState().Contains(csDestroying)) {
    FTimer = SetTimer(nullptr, 0, static_cast<UINT>(FInterval), &TTestTicker::TimerProc);
    Tickers()[FTimer] = this;
  }
}

void TTestTicker::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = Tickers().find(id);
  if (it == Tickers().end()) return;
  try {
    if (it->second->FOnTimer) it->second->FOnTimer(it->second);
  } catch (...) {
    Application->HandleException(it->second);
  }
}

// ---- The form ---------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TTestMainForm) {
  d.Method("FormCreate", &TTestMainForm::FormCreate);
  d.Method("ButtonClick", &TTestMainForm::ButtonClick);
  d.Method("EntryKeyPress", &TTestMainForm::EntryKeyPress);
  d.Method("TickerTimer", &TTestMainForm::TickerTimer);
}

void TTestMainForm::FormCreate(TObject*) {
  Journal().push_back("FormCreate Secret=" + std::to_string(Secret));
}

void TTestMainForm::ButtonClick(TObject* Sender) {
  Journal().push_back("ButtonClick " + static_cast<TComponent*>(Sender)->GetName());
}

void TTestMainForm::EntryKeyPress(TObject* Sender, char& Key) {
  Journal().push_back("KeyPress " + static_cast<TComponent*>(Sender)->GetName() + " " + String(1, Key));
}

void TTestMainForm::TickerTimer(TObject*) { ++Ticks; }

void TTestMainForm::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty("Secret", TReaderProc(this, &TTestMainForm::ReadSecret),
                        TWriterProc(this, &TTestMainForm::WriteSecret), Secret != 0);
}

const char* const MainFormText = R"(object TestMainForm: TTestMainForm
  Left = 100
  Top = 80
  ActiveControl = Entry1
  BorderStyle = bsSingle
  Caption = '拍卖计时器'
  ClientHeight = 200
  ClientWidth = 300
  Font.Charset = GB2312_CHARSET
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = '宋体'
  Font.Style = []
  OldCreateOrder = False
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 12
  Secret = 42
  object Panel1: TTestPanel
    Left = 0
    Top = 0
    Width = 300
    Height = 50
    Align = alTop
    Color = clNavy
    Columns = <
      item
        Caption = '价格'
        Width = 80
      end
      item
        Caption = 'Name'
      end>
    object Button1: TTestButton
      Left = 10
      Top = 10
      Width = 80
      Height = 25
      Caption = 'OK'
      Color = clSilver
      TabOrder = 0
      OnClick = ButtonClick
    end
    object Label1: TTestLabel
      Left = 120
      Top = 10
      Width = 60
      Height = 20
      Caption = 'Label'
      OnClick = ButtonClick
    end
  end
  object Entry1: TTestButton
    Left = 10
    Top = 60
    Width = 120
    Height = 24
    Color = clWhite
    TabOrder = 1
    OnKeyPress = EntryKeyPress
  end
  object Entry2: TTestButton
    Left = 10
    Top = 100
    Width = 120
    Height = 24
    Color = clYellow
    TabOrder = 2
    OnKeyPress = EntryKeyPress
  end
  object Ticker1: TTestTicker
    Interval = 20
    OnTimer = TickerTimer
    Left = 16
    Top = 24
  end
end
)";

void RegisterTestClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterClasses({TTestPanel::StaticClass(), TTestButton::StaticClass(), TTestLabel::StaticClass(),
                   TTestTicker::StaticClass(), TTestMainForm::StaticClass()});
  static const TResourceEntry entries[] = {
      {"RCDATA", "TTESTMAINFORM", reinterpret_cast<const unsigned char*>(MainFormText), std::strlen(MainFormText)},
  };
  static const TResourceTable table{entries, 1};
  RegisterResourceTable(table);
}

void RegisterFormText(TClass FormClass, const char* Text) {
  // Entries and tables are kept for the program's life: the module holds on to them.
  static std::map<TClass, std::pair<String, TResourceEntry>> forms;
  static std::vector<std::unique_ptr<TResourceTable>> tables;
  if (forms.count(FormClass)) return;
  RegisterClass(FormClass);
  auto& form = forms[FormClass];
  form.first = UpperCase(FormClass->Name);
  form.second = {"RCDATA", form.first.c_str(), reinterpret_cast<const unsigned char*>(Text), std::strlen(Text)};
  tables.push_back(std::make_unique<TResourceTable>(TResourceTable{&form.second, 1}));
  RegisterResourceTable(*tables.back());
}

String FormText(TComponent* Root) {
  TOwnedPtr<TMemoryStream> binary = NewOwned<TMemoryStream>();
  TOwnedPtr<TStringStream> text = NewOwned<TStringStream>();
  WriteComponent(binary.get(), Root);
  binary->SetPosition(0);
  ObjectBinaryToText(binary.get(), text.get());
  return text->GetDataString();
}

}  // namespace ClasslibTest
