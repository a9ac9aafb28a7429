// The memo: a multi-line edit whose Lines are the window text's lines, with word wrapping, scroll
// bars and whether Enter and Tab are typed into it or left to the form.
#include "Forms.h"
#include "StdCtrls.h"
#include "StringLists.h"
#include "WinUser.h"

namespace StdCtrls {

namespace {

// The memo's text seen as lines: every change rewrites the text, each line ended by CR LF.
class TMemoStrings : public TStrings {
  DECLARE_CLASS(TMemoStrings, TStrings)
 public:
  explicit TMemoStrings(TCustomMemo* Memo = nullptr) : FMemo(Memo) {}
  void Clear() override { FMemo->Clear(); }
  void Delete(Integer Index) override {
    std::vector<String> lines = Lines();
    Check(Index, static_cast<Integer>(lines.size()) - 1);
    lines.erase(lines.begin() + Index);
    Store(lines);
  }
  void Insert(Integer Index, const String& S) override {
    std::vector<String> lines = Lines();
    Check(Index, static_cast<Integer>(lines.size()));
    lines.insert(lines.begin() + Index, S);
    Store(lines);
  }
  Integer GetCount() override { return static_cast<Integer>(Lines().size()); }

 protected:
  String Get(Integer Index) override {
    std::vector<String> lines = Lines();
    Check(Index, static_cast<Integer>(lines.size()) - 1);
    return lines[static_cast<size_t>(Index)];
  }
  void Put(Integer Index, const String& S) override {
    std::vector<String> lines = Lines();
    Check(Index, static_cast<Integer>(lines.size()) - 1);
    lines[static_cast<size_t>(Index)] = S;
    Store(lines);
  }
  String GetTextStr() override { return FMemo->GetText(); }
  void SetTextStr(const String& Value) override { FMemo->SetText(Value); }
  void SetUpdateState(bool Updating) override {
    if (!FMemo->HandleAllocated()) return;
    SendMessage(FMemo->GetHandle(), WM_SETREDRAW, !Updating, 0);
    if (!Updating) FMemo->Refresh();
  }

 private:
  void Check(Integer Index, Integer Last) {
    if (Index < 0 || Index > Last) Error("List index out of bounds (%d)", Index);
  }
  // A text ending with a line break has no empty line after it.
  std::vector<String> Lines() {
    String text = FMemo->GetText();
    std::vector<String> lines;
    size_t start = 0;
    while (start < text.size()) {
      size_t br = text.find_first_of("\r\n", start);
      if (br == String::npos) {
        lines.push_back(text.substr(start));
        break;
      }
      lines.push_back(text.substr(start, br - start));
      start = br + ((text[br] == '\r' && br + 1 < text.size() && text[br + 1] == '\n') ? 2 : 1);
    }
    return lines;
  }
  void Store(const std::vector<String>& lines) {
    String text;
    for (const String& l : lines) text += l + "\r\n";
    FMemo->SetText(text);
  }
  TCustomMemo* FMemo;
};

IMPLEMENT_CLASS(TMemoStrings)

}  // namespace

IMPLEMENT_CLASS(TCustomMemo)

IMPLEMENT_CLASS_PUBLISHED(TMemo) {
  d.Property("Align", &TMemo::GetAlign, &TMemo::SetAlign).Default(alNone);
  d.Property("Alignment", &TMemo::GetAlignment, &TMemo::SetAlignment).Default(taLeftJustify);
  d.Property("Anchors", &TMemo::GetAnchors, &TMemo::SetAnchors).Default(TAnchors{akLeft, akTop});
  d.Property("BorderStyle", &TMemo::GetBorderStyle, &TMemo::SetBorderStyle).Default(bsSingle);
  d.Property("Color", &TMemo::GetColor, &TMemo::SetColor).Default(clWindow).Type(ColorTypeInfo()).Stored(&TMemo::IsColorStored);
  d.Property("Enabled", &TMemo::GetEnabled, &TMemo::SetEnabled).Default(true);
  d.Property("Font", &TMemo::GetFont, &TMemo::SetFont).Stored(&TMemo::IsFontStored);
  d.Property("HideSelection", &TMemo::GetHideSelection, &TMemo::SetHideSelection).Default(true);
  d.Property("ImeMode", &TMemo::GetImeMode, &TMemo::SetImeMode).Default(imDontCare);
  d.Property("ImeName", &TMemo::GetImeName, &TMemo::SetImeName);
  d.Property("Lines", &TMemo::GetLines, &TMemo::SetLines);
  d.Property("MaxLength", &TMemo::GetMaxLength, &TMemo::SetMaxLength).Default(0);
  d.Property("OEMConvert", &TMemo::GetOEMConvert, &TMemo::SetOEMConvert).Default(false);
  d.Property("ParentColor", &TMemo::GetParentColor, &TMemo::SetParentColor).Default(false);
  d.Property("ParentFont", &TMemo::GetParentFont, &TMemo::SetParentFont).Default(true);
  d.Property("ReadOnly", &TMemo::GetReadOnly, &TMemo::SetReadOnly).Default(false);
  d.Property("ScrollBars", &TMemo::GetScrollBars, &TMemo::SetScrollBars).Default(ssNone);
  d.Property("TabOrder", &TMemo::GetTabOrder, &TMemo::SetTabOrder).Default(-1);
  d.Property("TabStop", &TMemo::GetTabStop, &TMemo::SetTabStop).Default(true);
  d.Property("Visible", &TMemo::GetVisible, &TMemo::SetVisible).Default(true);
  d.Property("WantReturns", &TMemo::GetWantReturns, &TMemo::SetWantReturns).Default(true);
  d.Property("WantTabs", &TMemo::GetWantTabs, &TMemo::SetWantTabs).Default(false);
  d.Property("WordWrap", &TMemo::GetWordWrap, &TMemo::SetWordWrap).Default(true);
  d.Property("OnChange", &TMemo::GetOnChange, &TMemo::SetOnChange);
  d.Property("OnClick", &TMemo::GetOnClick, &TMemo::SetOnClick);
  d.Property("OnDblClick", &TMemo::GetOnDblClick, &TMemo::SetOnDblClick);
  d.Property("OnEnter", &TMemo::GetOnEnter, &TMemo::SetOnEnter);
  d.Property("OnExit", &TMemo::GetOnExit, &TMemo::SetOnExit);
  d.Property("OnKeyDown", &TMemo::GetOnKeyDown, &TMemo::SetOnKeyDown);
  d.Property("OnKeyPress", &TMemo::GetOnKeyPress, &TMemo::SetOnKeyPress);
  d.Property("OnKeyUp", &TMemo::GetOnKeyUp, &TMemo::SetOnKeyUp);
  d.Property("OnMouseDown", &TMemo::GetOnMouseDown, &TMemo::SetOnMouseDown);
  d.Property("OnMouseMove", &TMemo::GetOnMouseMove, &TMemo::SetOnMouseMove);
  d.Property("OnMouseUp", &TMemo::GetOnMouseUp, &TMemo::SetOnMouseUp);
}

void TCustomMemo::Construct() {
  inherited::Construct();
  SetBounds(FLeft, FTop, 185, 89);
  SetAutoSize(false);
  FLines = New<TMemoStrings>(this);
}

void TCustomMemo::Destroy() {
  FreeAndNil(FLines);
  inherited::Destroy();
}

void TCustomMemo::SetLines(TStrings* Value) { FLines->Assign(Value); }

void TCustomMemo::CreateParams(TCreateParams& Params) {
  static constexpr DWORD ScrollBars[] = {0, WS_HSCROLL, WS_VSCROLL, WS_HSCROLL | WS_VSCROLL};
  static constexpr DWORD Alignments[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
  inherited::CreateParams(Params);
  Params.Style |= ES_MULTILINE | ScrollBars[FScrollBars] | Alignments[FAlignment];
  if (FWordWrap) Params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
}

void TCustomMemo::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  RecreateWnd();
}

void TCustomMemo::SetScrollBars(TScrollStyle Value) {
  if (FScrollBars == Value) return;
  FScrollBars = Value;
  RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  RecreateWnd();
}

TPoint TCustomMemo::GetCaretPos() {
  DWORD start = 0, end = 0;
  HWND h = GetHandle();
  SendMessage(h, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  auto line = static_cast<Integer>(SendMessage(h, EM_LINEFROMCHAR, end, 0));
  auto first = static_cast<Integer>(SendMessage(h, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
  return TPoint(static_cast<Integer>(end) - first, line);
}

void TCustomMemo::SetCaretPos(const TPoint& Value) {
  HWND h = GetHandle();
  auto first = static_cast<Integer>(SendMessage(h, EM_LINEINDEX, static_cast<WPARAM>(Value.y), 0));
  if (first < 0) return;
  Integer pos = first + Value.x;
  SendMessage(h, EM_SETSEL, static_cast<WPARAM>(pos), pos);
}

void TCustomMemo::KeyPress(char& Key) {
  inherited::KeyPress(Key);
  if (Key == '\r' && !FWantReturns) Key = 0;
}

void TCustomMemo::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    inherited::Dispatch(Message);
    if (FWantTabs) Message.Result |= DLGC_WANTTAB;
    else Message.Result &= ~DLGC_WANTTAB;
    if (!FWantReturns) Message.Result &= ~DLGC_WANTALLKEYS;
    return;
  }
  inherited::Dispatch(Message);
}

}  // namespace StdCtrls
