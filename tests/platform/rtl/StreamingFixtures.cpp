#include "StreamingFixtures.h"

#include <algorithm>

#include "Filer.h"
#include "ObjectText.h"
#include "Streams.h"
#include "Strings.h"

namespace StreamingFixtures {

std::vector<String>& Journal() {
  static std::vector<String> journal;
  return journal;
}

namespace {
struct TColorName {
  const char* Name;
  Int64 Value;
};
constexpr TColorName ColorNames[] = {{"clBlack", 0}, {"clRed", 0x0000FF}, {"clBlue", 0xFF0000}};

bool ColorIdentToInt(const String& ident, Int64& value) {
  for (auto& c : ColorNames)
    if (SameText(c.Name, ident)) {
      value = c.Value;
      return true;
    }
  return false;
}
bool ColorIntToIdent(Int64 value, String& ident) {
  for (auto& c : ColorNames)
    if (c.Value == value) {
      ident = c.Name;
      return true;
    }
  return false;
}
}  // namespace

const TTypeInfo* TestColorTypeInfo() {
  static const TTypeInfo* info = MakeIdentIntTypeInfo("TTestColor", ColorIdentToInt, ColorIntToIdent);
  return info;
}

void RegisterFixtureClasses() {
  for (TClass c : {TTestPanel::StaticClass(), TTestControl::StaticClass(), TTestTimer::StaticClass(),
                   TTestForm::StaticClass(), TTestDerivedForm::StaticClass()})
    if (!GetClass(c->Name)) RegisterClass(c);
}

// ---- Font and items ----------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TTestFont) {
  d.Property("Name", &TTestFont::GetName, &TTestFont::SetName);
  d.Property("Size", &TTestFont::GetSize, &TTestFont::SetSize).Default(8);
  d.Property("Style", &TTestFont::GetStyle, &TTestFont::SetStyle).Default(TTestStyles{});
  d.Property("Color", &TTestFont::GetColor, &TTestFont::SetColor).Default(0).Type(TestColorTypeInfo());
}

void TTestFont::Assign(TPersistent* Source) {
  if (auto* f = dynamic_cast<TTestFont*>(Source)) {
    FName = f->FName;
    FSize = f->FSize;
    FStyle = f->FStyle;
    FColor = f->FColor;
    return;
  }
  inherited::Assign(Source);
}

IMPLEMENT_CLASS_PUBLISHED(TTestItem) {
  d.Property("Caption", &TTestItem::GetCaption, &TTestItem::SetCaption);
  d.Property("Width", &TTestItem::GetWidth, &TTestItem::SetWidth).Default(64);
}

void TTestItem::Assign(TPersistent* Source) {
  if (auto* i = dynamic_cast<TTestItem*>(Source)) {
    FCaption = i->FCaption;
    FWidth = i->FWidth;
    return;
  }
  inherited::Assign(Source);
}

// ---- Controls ----------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TTestControl) {
  d.Property("Left", &TTestControl::GetLeft, &TTestControl::SetLeft);
  d.Property("Caption", &TTestControl::GetCaption, &TTestControl::SetCaption);
  d.Property("Hint", &TTestControl::GetHint, &TTestControl::SetHint).Stored(&TTestControl::IsHintStored);
  d.Property("Visible", &TTestControl::GetVisible, &TTestControl::SetVisible).Default(true);
  d.Property("Side", &TTestControl::GetSide, &TTestControl::SetSide).Default(sideNone);
  d.Property("Font", &TTestControl::GetFont, &TTestControl::SetFont);
  d.Property("Buddy", &TTestControl::GetBuddy, &TTestControl::SetBuddy);
  d.Property("OnClick", &TTestControl::GetOnClick, &TTestControl::SetOnClick);
}

void TTestControl::Construct() {
  inherited::Construct();
  FFont = New<TTestFont>();
}

void TTestControl::Destroy() {
  SetParent(nullptr);
  FreeAndNil(FFont);
  inherited::Destroy();
}

void TTestControl::SetBuddy(TTestControl* V) {
  if (FBuddy == V) return;
  if (FBuddy) FBuddy->RemoveFreeNotification(this);
  FBuddy = V;
  if (FBuddy) FBuddy->FreeNotification(this);
}

void TTestControl::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FBuddy) FBuddy = nullptr;
}

void TTestControl::Loaded() {
  inherited::Loaded();
  String entry = "Loaded " + GetName();
  // What the component sees of its reference when Loaded runs: set, and read in full.
  if (FBuddy) entry += " buddy=" + FBuddy->GetName() + ":" + FBuddy->GetCaption();
  Journal().push_back(entry);
}

void TTestControl::SetParent(TTestPanel* V) {
  if (FParent == V) return;
  if (FParent) {
    auto& c = FParent->FChildren;
    c.erase(std::remove(c.begin(), c.end(), this), c.end());
  }
  FParent = V;
  if (FParent) FParent->FChildren.push_back(this);
}

TComponent* TTestControl::GetParentComponent() { return FParent; }

void TTestControl::SetParentComponent(TComponent* Value) { SetParent(dynamic_cast<TTestPanel*>(Value)); }

IMPLEMENT_CLASS(TTestPanel)

// As a parent control does, the panel frees its children with itself.
void TTestPanel::Destroy() {
  while (!FChildren.empty()) FChildren.back()->Free();
  inherited::Destroy();
}

void TTestPanel::GetChildren(TGetChildProc Proc, TComponent* Root) {
  for (TTestControl* c : FChildren)
    if (c->Owner() == Root) Proc(c);
}

void TTestPanel::SetChildOrder(TComponent* Child, Integer Order) {
  auto it = std::find(FChildren.begin(), FChildren.end(), Child);
  if (it == FChildren.end()) return;
  FChildren.erase(it);
  FChildren.insert(FChildren.begin() + std::clamp<Integer>(Order, 0, static_cast<Integer>(FChildren.size())),
                   static_cast<TTestControl*>(Child));
}

IMPLEMENT_CLASS_PUBLISHED(TTestTimer) {
  d.Property("Interval", &TTestTimer::GetInterval, &TTestTimer::SetInterval).Default(1000);
  d.Property("OnTimer", &TTestTimer::GetOnTimer, &TTestTimer::SetOnTimer);
}

void TTestTimer::Loaded() {
  inherited::Loaded();
  Journal().push_back("Loaded " + GetName());
}

// ---- The form ----------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TTestForm) {
  d.Property("Items", &TTestForm::GetItems, &TTestForm::SetItems);
  d.Property("Lines", &TTestForm::GetLines, &TTestForm::SetLines);
  d.Property("Big", &TTestForm::GetBig, &TTestForm::SetBig).Default(0);
  d.Property("Amount", &TTestForm::GetAmount, &TTestForm::SetAmount);
  d.Property("Ratio", &TTestForm::GetRatio, &TTestForm::SetRatio);
  d.Property("Value", &TTestForm::GetValue, &TTestForm::SetValue);
  d.Method("FormClick", &TTestForm::FormClick);
  d.Method("TimerTick", &TTestForm::TimerTick);
}

void TTestForm::Construct() {
  inherited::Construct();
  FItems = New<TOwnedCollection>(this, TTestItem::StaticClass());
  FLines = New<TStringList>();
}

void TTestForm::Destroy() {
  FreeAndNil(FItems);
  FreeAndNil(FLines);
  inherited::Destroy();
}

void TTestForm::GetChildren(TGetChildProc Proc, TComponent* Root) {
  inherited::GetChildren(Proc, Root);
  for (Integer i = 0; i < ComponentCount(); ++i)
    if (!GetComponent(i)->HasParent()) Proc(GetComponent(i));
}

// Defined entries compare with the ancestor themselves: only what differs from it is written.
void TTestForm::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  auto* ancestor = dynamic_cast<TTestForm*>(Filer->GetAncestor());
  Filer->DefineProperty("Secret", TReaderProc(this, &TTestForm::ReadSecret), TWriterProc(this, &TTestForm::WriteSecret),
                        ancestor ? Secret != ancestor->Secret : Secret != 0);
  Filer->DefineBinaryProperty("Blob", TStreamProc(this, &TTestForm::ReadBlob), TStreamProc(this, &TTestForm::WriteBlob),
                              ancestor ? Blob != ancestor->Blob : !Blob.empty());
}

void TTestForm::ReadBlob(TStream* Stream) {
  Blob.resize(static_cast<size_t>(Stream->GetSize()));
  Stream->ReadBuffer(Blob.data(), static_cast<Integer>(Blob.size()));
}

void TTestForm::WriteBlob(TStream* Stream) { Stream->WriteBuffer(Blob.data(), static_cast<Integer>(Blob.size())); }

IMPLEMENT_CLASS(TTestDerivedForm)

const char* const MainFormText = R"(object MainForm: TTestForm
  Caption = '拍卖计时器'
  Font.Name = #23435#20307
  Font.Style = [styBold, styUnderline]
  Font.Color = clRed
  OnClick = FormClick
  Items = <
    item
      Caption = '价格'
      Width = 80
    end
    item
      Caption = 'Second'
    end>
  Lines.Strings = (
    '第一行'
    'two')
  Big = 5000000000
  Amount = 12.3456c
  Ratio = 0.25
  Value = Null
  Secret = 42
  Blob = {
    00FF7F}
  object Panel1: TTestPanel
    Side = sideTop
    object Button1: TTestControl
      Left = 8
      Caption = 'OK'
      Buddy = Label2
      OnClick = FormClick
    end
  end
  object Label2: TTestControl
    Caption = 'It''s'#13#10'two lines'
    Visible = False
  end
  object Timer1: TTestTimer
    Interval = 250
    OnTimer = TimerTick
    Left = 16
    Top = 24
  end
end
)";

String FormText(TComponent* Root) {
  TMemoryStream* binary = New<TMemoryStream>();
  TStringStream* text = New<TStringStream>();
  WriteComponent(binary, Root);
  binary->SetPosition(0);
  ObjectBinaryToText(binary, text);
  String result = text->GetDataString();
  binary->Free();
  text->Free();
  return result;
}

}  // namespace StreamingFixtures
