// Message dialogs: a form made for the message with the type's icon, the text and a row of
// buttons captioned in the user's locale, shown modally.
#include <algorithm>

#include "Dialogs.h"
#include "Locale.h"
#include "StdCtrls.h"
#include "WinGdi.h"
#include "WinUser.h"

namespace Dialogs {

namespace {

bool ChineseTexts() { return PRIMARYLANGID(LANGIDFROMLCID(GetUserDefaultLCID())) == LANG_CHINESE; }

struct TDialogTexts {
  const char* Chinese;
  const char* English;
};
constexpr TDialogTexts TypeCaptions[] = {
    {"\xE8\xAD\xA6\xE5\x91\x8A", "Warning"},      // mtWarning
    {"\xE9\x94\x99\xE8\xAF\xAF", "Error"},        // mtError
    {"\xE4\xBF\xA1\xE6\x81\xAF", "Information"},  // mtInformation
    {"\xE7\xA1\xAE\xE8\xAE\xA4", "Confirm"},      // mtConfirmation
    {"", ""}};
constexpr TDialogTexts ButtonCaptions[] = {
    {"\xE6\x98\xAF(&Y)", "&Yes"},
    {"\xE5\x90\xA6(&N)", "&No"},
    {"\xE7\xA1\xAE\xE5\xAE\x9A", "OK"},
    {"\xE5\x8F\x96\xE6\xB6\x88", "Cancel"},
    {"\xE4\xB8\xAD\xE6\xAD\xA2(&A)", "&Abort"},
    {"\xE9\x87\x8D\xE8\xAF\x95(&R)", "&Retry"},
    {"\xE5\xBF\xBD\xE7\x95\xA5(&I)", "&Ignore"},
    {"\xE5\x85\xA8\xE9\x83\xA8(&A)", "&All"},
    {"\xE5\x85\xA8\xE5\x90\xA6(&O)", "N&o to All"},
    {"\xE5\x85\xA8\xE6\x98\xAF(&Y)", "Yes to &All"},
    {"\xE5\xB8\xAE\xE5\x8A\xA9(&H)", "&Help"}};
constexpr Integer ButtonResults[] = {mrYes, mrNo, mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrAll, mrNoToAll,
                                     mrYesToAll, mrNone};
constexpr const char* ButtonNames[] = {"Yes", "No", "OK", "Cancel", "Abort", "Retry", "Ignore", "All", "NoToAll",
                                       "YesToAll", "Help"};

constexpr Integer Margin = 12, IconSize = 32, ButtonWidth = 75, ButtonHeight = 25, ButtonSpacing = 8;

// The type's icon as the system draws it: a red disc with a cross, a yellow triangle with "!", a
// blue disc with "i" or "?".
class TMessageIcon : public TGraphicControl {
  DECLARE_CLASS(TMessageIcon, TGraphicControl)
 public:
  TMsgDlgType Kind = mtInformation;

 protected:
  void Paint() override {
    TCanvas* c = GetCanvas();
    TColor face = Kind == mtError ? TColor(0x1E28DC) : Kind == mtWarning ? TColor(0x14C8FA) : TColor(0xD25A28);
    c->GetBrush()->SetColor(face);
    c->GetPen()->SetColor(Kind == mtWarning ? TColor(0x005A78) : clWhite);
    if (Kind == mtWarning) {
      TPoint tri[3] = {TPoint(16, 1), TPoint(31, 30), TPoint(1, 30)};
      c->Polygon(tri, 3);
    } else {
      c->Ellipse(0, 0, IconSize, IconSize);
    }
    c->GetBrush()->SetStyle(bsClear);
    c->GetFont()->SetColor(Kind == mtWarning ? clBlack : clWhite);
    c->GetFont()->SetStyle({fsBold});
    c->GetFont()->SetHeight(-20);
    const char* mark = Kind == mtError ? "\xC3\x97" : Kind == mtWarning ? "!" : Kind == mtConfirmation ? "?" : "i";
    TRect r(0, Kind == mtWarning ? 6 : 0, IconSize, IconSize);
    c->TextRect(r, (IconSize - c->TextWidth(mark)) / 2, r.top + (r.Height() - c->TextHeight(mark)) / 2, mark);
  }
};
IMPLEMENT_CLASS(TMessageIcon)

// The size the text takes with the font, wrapped at a width of half the screen.
TRect MeasureText(const String& Text, TFont* Font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font->GetHandle());
  RECT r{0, 0, std::max<Integer>(200, Screen->Width() / 2), 0};
  DrawTextA(dc, Text.c_str(), static_cast<int>(Text.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return TRect(r);
}

Integer TextWidthOf(const String& Text, TFont* Font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font->GetHandle());
  RECT r{0, 0, 0, 0};
  DrawTextA(dc, Text.c_str(), static_cast<int>(Text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return r.right - r.left;
}

}  // namespace

String MsgDlgCaption(TMsgDlgType DlgType) {
  if (DlgType == mtCustom) return Application->GetTitle();
  const TDialogTexts& t = TypeCaptions[DlgType];
  return ChineseTexts() ? t.Chinese : t.English;
}

String MsgDlgButtonCaption(TMsgDlgBtn Button) {
  const TDialogTexts& t = ButtonCaptions[Button];
  return ChineseTexts() ? t.Chinese : t.English;
}

TForm* CreateMessageDialog(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons) {
  TMsgDlgBtn defaultButton = Buttons.Contains(mbOK) ? mbOK : Buttons.Contains(mbYes) ? mbYes : mbRetry;
  return CreateMessageDialog(Msg, DlgType, Buttons, defaultButton);
}

TForm* CreateMessageDialog(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, TMsgDlgBtn DefaultButton) {
  // A dialog without buttons could not be closed by the keyboard; it gets OK.
  if (Buttons == TMsgDlgButtons{}) Buttons = {mbOK};
  TMsgDlgBtn cancelButton = Buttons.Contains(mbCancel) ? mbCancel : Buttons.Contains(mbNo) ? mbNo : mbOK;
  TForm* form = TCustomForm::CreateNew<TForm>(Application);
  try {
    form->SetBorderStyle(bsDialog);
    form->SetPosition(poScreenCenter);
    form->SetCaption(MsgDlgCaption(DlgType));
    TFont* font = form->GetFont();
    TRect text = MeasureText(Msg, font);
    Integer textLeft = Margin;
    if (DlgType != mtCustom) {
      auto* icon = CreateComponent<TMessageIcon>(form);
      icon->Kind = DlgType;
      icon->SetName("Image");
      icon->SetBounds(Margin, Margin, IconSize, IconSize);
      icon->SetParent(form);
      textLeft += IconSize + Margin;
    }
    auto* label = CreateComponent<TLabel>(form);
    label->SetName("Message");
    label->SetShowAccelChar(false);
    label->SetWordWrap(true);
    label->SetAutoSize(false);
    label->SetCaption(Msg);
    Integer textTop = Margin + std::max<Integer>(0, (IconSize - text.Height()) / 2);
    label->SetBounds(textLeft, DlgType != mtCustom ? textTop : Margin, text.Width() + 2, text.Height());
    label->SetParent(form);

    std::vector<TMsgDlgBtn> shown;
    for (int b = mbYes; b <= mbHelp; ++b)
      if (Buttons.Contains(static_cast<TMsgDlgBtn>(b))) shown.push_back(static_cast<TMsgDlgBtn>(b));
    Integer buttonWidth = ButtonWidth;
    for (TMsgDlgBtn b : shown) buttonWidth = std::max(buttonWidth, TextWidthOf(MsgDlgButtonCaption(b), font) + 16);
    Integer row = static_cast<Integer>(shown.size()) * buttonWidth + (static_cast<Integer>(shown.size()) - 1) * ButtonSpacing;
    Integer contentBottom = std::max(label->GetTop() + label->GetHeight(), DlgType != mtCustom ? Margin + IconSize : 0);
    Integer clientWidth = std::max(row, label->GetLeft() + label->GetWidth() - Margin) + 2 * Margin;
    Integer buttonTop = contentBottom + Margin + 4;
    form->SetClientWidth(clientWidth);
    form->SetClientHeight(buttonTop + ButtonHeight + Margin);
    Integer x = (clientWidth - row) / 2;
    TButton* focus = nullptr;
    for (TMsgDlgBtn b : shown) {
      auto* button = CreateComponent<TButton>(form);
      static_cast<TComponent*>(button)->SetName(ButtonNames[b]);
      button->SetCaption(MsgDlgButtonCaption(b));
      button->SetModalResult(ButtonResults[b]);
      button->SetDefault(b == DefaultButton);
      button->SetCancel(b == cancelButton);
      button->SetBounds(x, buttonTop, buttonWidth, ButtonHeight);
      button->SetParent(form);
      if (b == DefaultButton) focus = button;
      x += buttonWidth + ButtonSpacing;
    }
    if (focus) form->SetActiveControl(focus);
  } catch (...) {
    form->Free();
    throw;
  }
  return form;
}

namespace {
// Shows a message dialog at X, Y (centred where negative) and frees it.
Integer ShowDialog(TForm* Form, Integer X, Integer Y) {
  Integer result;
  try {
    if (X >= 0 || Y >= 0) {
      Form->SetPosition(poDesigned);
      Form->SetBounds(X >= 0 ? X : Form->GetLeft(), Y >= 0 ? Y : Form->GetTop(), Form->GetWidth(), Form->GetHeight());
    }
    result = Form->ShowModal();
  } catch (...) {
    Form->Free();
    throw;
  }
  Form->Free();
  return result;
}
}  // namespace

Integer MessageDlgPos(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer HelpCtx, Integer X,
                      Integer Y) {
  return ShowDialog(CreateMessageDialog(Msg, DlgType, Buttons), X, Y);
}

Integer MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer HelpCtx) {
  return ShowDialog(CreateMessageDialog(Msg, DlgType, Buttons), -1, -1);
}

Integer MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer HelpCtx,
                   TMsgDlgBtn DefaultButton) {
  return ShowDialog(CreateMessageDialog(Msg, DlgType, Buttons, DefaultButton), -1, -1);
}

void ShowMessage(const String& Msg) { ShowMessagePos(Msg, -1, -1); }

void ShowMessagePos(const String& Msg, Integer X, Integer Y) { MessageDlgPos(Msg, mtCustom, {mbOK}, 0, X, Y); }

}  // namespace Dialogs
