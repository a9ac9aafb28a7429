// The mask editor end to end: its settings, and the three input modes driven by simulated keys,
// typing, selections and pastes on a form.
#include "Clipbrd.h"
#include "HeadlessBackend.h"
#include "WinUser.h"
#include "cxEditTestSupport.h"
#include "cxMaskEdit.h"

namespace {

using cxEditTest::TEditFixture;

// ---- Settings -------------------------------------------------------------------------------------------------
TEST(cxMaskEditProperties, KindMaskAndCaseSettings) {
  TOwnedPtr<TcxMaskEditProperties> p(New<TcxMaskEditProperties>());
  EXPECT_TRUE(p->GetCaseInsensitive());
  EXPECT_TRUE(p->GetValidateOnEnter());
  EXPECT_FALSE(p->IsMasked());
  p->SetEditMask("  \t");
  EXPECT_FALSE(p->IsMasked()) << "a mask of blanks is no mask";
  p->SetMaskKind(emkRegExpr);
  try {
    p->SetEditMask("(\\d");
    FAIL() << "an invalid pattern is refused";
  } catch (const EcxMaskEditError& e) {
    EXPECT_EQ(e.Message(), "Regular expression errors:\r\nMissing ')'");
  }
  EXPECT_EQ(p->GetEditMask(), "  \t") << "nothing was stored";
  p->SetEditMask("\\d+");
  EXPECT_TRUE(p->IsMasked());
  p->SetMaxLength(5);
  EXPECT_EQ(p->GetMaxLength(), 0) << "a masked editor has no length limit of its own";
  EXPECT_FALSE(p->UseLookupData());
  p->SetCaseInsensitive(false);
  EXPECT_FALSE(p->GetCaseInsensitive());
  p->SetCharCase(StdCtrls::ecUpperCase);
  EXPECT_TRUE(p->GetCaseInsensitive());
  p->SetCaseInsensitive(false);
  EXPECT_TRUE(p->GetCaseInsensitive()) << "cannot be switched off while the case is converted";
  TOwnedPtr<TcxMaskEditProperties> copy(New<TcxMaskEditProperties>());
  copy->Assign(p.get());
  EXPECT_EQ(copy->GetMaskKind(), emkRegExpr);
  EXPECT_EQ(copy->GetEditMask(), "\\d+");
}

TEST(cxMaskEditProperties, DisplayValuesOfMaskedValues) {
  TOwnedPtr<TcxMaskEditProperties> p(New<TcxMaskEditProperties>());
  p->SetEditMask("(000)000;0");
  TcxEditValue display;
  p->PrepareDisplayValue("12345", display, false);
  EXPECT_EQ(VarToStr(display), "12345 ") << "unfocused: the value text, literals not saved";
  p->PrepareDisplayValue("12345", display, true);
  EXPECT_EQ(VarToStr(display), "(123)45_") << "focused: the whole picture";
  p->SetAlwaysShowBlanksAndLiterals(true);
  p->PrepareDisplayValue("12345", display, false);
  EXPECT_EQ(VarToStr(display), "(123)45_");
}

// ---- The control ------------------------------------------------------------------------------------------------
class cxMaskEditControl : public TEditFixture {
 protected:
  TcxMaskEdit* Edit = nullptr;
  void SetUp() override {
    TEditFixture::SetUp();
    Edit = Add<TcxMaskEdit>(10, 10, 200, 21);
  }
  void Masked(TcxEditMaskKind AKind, const String& AMask) {
    Edit->GetProperties()->SetMaskKind(AKind);
    Edit->GetProperties()->SetEditMask(AMask);
  }
  void Focus() {
    ShowForm();
    Edit->SetFocus();
    Application->ProcessMessages();
  }
  void Type(const String& AText) {
    InjectText(AText);
    Application->ProcessMessages();
  }
  void Press(int AKey, bool AShift = false) {
    if (AShift) SetKeyState(VK_SHIFT, true);
    InjectKeyPress(AKey);
    Application->ProcessMessages();
    if (AShift) SetKeyState(VK_SHIFT, false);
  }
  String Shown() { return VarToStr(Edit->GetInnerTextEdit()->GetEditValue()); }
  // The selection in characters of the shown text, as "start+length".
  String Selection() {
    const String text = Shown();
    const Integer start = MaskByteToChar(text, Edit->GetSelStart());
    const Integer end = MaskByteToChar(text, Edit->GetSelStart() + Edit->GetSelLength());
    return std::to_string(start) + "+" + std::to_string(end - start);
  }
};

TEST_F(cxMaskEditControl, StandardPictureIsTypedOverPositionByPosition) {
  Masked(emkStandard, "(999)000-0000");
  Focus();
  Edit->SetSelStart(0);
  Application->ProcessMessages();
  Type("5");
  EXPECT_EQ(Shown(), "(5__)___-____") << "the digit goes to the first digit position, not over the parenthesis";
  EXPECT_EQ(Selection(), "2+1") << "the cursor is a one-character selection";
  Type("x");
  EXPECT_EQ(Shown(), "(5__)___-____") << "a letter at a digit position is ignored";
  Type("551234567");
  EXPECT_EQ(Shown(), "(555)123-4567");
  EXPECT_EQ(Edit->GetText(), "(555)123-4567");
  EXPECT_EQ(Selection(), "13+0");
  Press(VK_LEFT);
  EXPECT_TRUE(cxEditTest::SaveEditWindowPng(Form->GetHandle(), "mask-edit-focused.png"));
  Press(VK_END);
  Press(VK_BACK);
  EXPECT_EQ(Shown(), "(555)123-456_") << "Backspace at the end blanks the last digit";
  Press(VK_HOME);
  EXPECT_EQ(Selection(), "1+1") << "Home passes the leading literal";
  Press(VK_RIGHT);
  Press(VK_RIGHT);
  Press(VK_RIGHT);
  EXPECT_EQ(Selection(), "5+1") << "Right steps over the literal";
  Press(VK_LEFT);
  EXPECT_EQ(Selection(), "3+1") << "and Left back over it";
}

TEST_F(cxMaskEditControl, StandardSelectionsBlankAndPastesFill) {
  Masked(emkStandard, "(999)000-0000");
  Focus();
  Edit->SetSelStart(0);
  Application->ProcessMessages();
  Type("5551234567");
  Edit->SetSelStart(MaskCharToByte(Shown(), 5));
  Application->ProcessMessages();
  Press(VK_LEFT, true);
  EXPECT_EQ(Selection(), "4+2") << "Shift+Left selects the cursor character and the one before it";
  Press(VK_DELETE);
  EXPECT_EQ(Shown(), "(555)_23-4567") << "Delete blanks the digits of the selection and keeps literals";
  Edit->SetSelection(MaskCharToByte(Shown(), 3), MaskCharToByte(Shown(), 7) - MaskCharToByte(Shown(), 3));
  Press(VK_BACK);
  EXPECT_EQ(Shown(), "(55_)__3-4567") << "Backspace on a selection blanks it too";
  Clipboard()->SetAsText("98");
  Edit->SetSelection(MaskCharToByte(Shown(), 5), 0);
  Application->ProcessMessages();
  Edit->PasteFromClipboard();
  EXPECT_EQ(Shown(), "(55_)983-4567") << "a paste overwrites as many positions as it has characters";
  EXPECT_EQ(Edit->GetText(), "(55 )983-4567") << "the value text has spaces for blanks";
}

TEST_F(cxMaskEditControl, StandardPictureTakesChineseCharactersWhole) {
  Masked(emkStandard, "CC-0");
  Focus();
  Edit->SetSelStart(0);
  Application->ProcessMessages();
  Type("中文7");
  EXPECT_EQ(Shown(), "中文-7");
  Press(VK_HOME);
  Press(VK_RIGHT);
  EXPECT_EQ(Selection(), "1+1") << "the cursor covers the whole second character";
  Press(VK_DELETE);
  EXPECT_EQ(Shown(), "中_-7");
}

TEST_F(cxMaskEditControl, UnfocusedStandardEditorShowsTheValueText) {
  Masked(emkStandard, "(000)000;0");
  Edit->SetText("123456");
  EXPECT_EQ(Edit->GetText(), "123456");
  EXPECT_EQ(Shown(), "123456") << "literals not saved and not focused: only the characters";
  Focus();
  EXPECT_EQ(Shown(), "(123)456");
  auto* other = Add<TcxMaskEdit>(10, 40, 100, 21);
  other->SetFocus();
  Application->ProcessMessages();
  EXPECT_EQ(Shown(), "123456");
  EXPECT_TRUE(cxEditTest::SaveEditWindowPng(Form->GetHandle(), "mask-edit-standard.png"));
}

TEST_F(cxMaskEditControl, RegularExpressionTypingKeepsTheRestFitting) {
  Masked(emkRegExpr, "\\d\\d\\d");
  Focus();
  Type("1a2");
  EXPECT_EQ(Shown(), "12") << "a letter is refused";
  Type("3");
  EXPECT_EQ(Shown(), "123");
  Edit->SetSelStart(1);
  Application->ProcessMessages();
  Type("4");
  EXPECT_EQ(Shown(), "14") << "typing in the middle so that the rest no longer fits removes the rest";
  Type("5");
  Press(VK_HOME);
  Press(VK_RIGHT, true);
  EXPECT_EQ(Edit->GetSelText(), "1");
  Press(VK_DELETE);
  EXPECT_EQ(Shown(), "45") << "the rest still fits: the selection goes";
  Edit->SetText("123");
  Edit->SetSelection(1, 1);
  Press(VK_BACK);
  EXPECT_EQ(Shown(), "13");
  Clipboard()->SetAsText("9");
  Edit->SetSelection(2, 0);
  Edit->PasteFromClipboard();
  EXPECT_EQ(Shown(), "139");
  EXPECT_EQ(Edit->GetText(), "139");
}

TEST_F(cxMaskEditControl, RegularExpressionSelectionsWhoseRestNoLongerFits) {
  Masked(emkRegExpr, "a\\d*b");
  Focus();
  Edit->SetText("a12b");
  Edit->SetSelection(0, 1);
  Application->ProcessMessages();
  Press(VK_BACK);
  EXPECT_EQ(Shown(), "") << "without the a nothing after it can stand";
  Edit->SetText("a12b");
  Edit->SetSelection(1, 2);
  Application->ProcessMessages();
  Press(VK_DELETE);
  EXPECT_EQ(Shown(), "ab") << "the rest still fits";
  Edit->SetSelection(0, 1);
  Application->ProcessMessages();
  Type("x");
  EXPECT_EQ(Shown(), "ab") << "a refused character leaves the selection in place";
  EXPECT_EQ(Edit->GetSelText(), "a");
}

TEST_F(cxMaskEditControl, RegularExpressionTakesWholeCharactersAndThePatternsCase) {
  Masked(emkRegExpr, "[一-龥]+'ab'");
  Focus();
  Type("中文xAB");
  EXPECT_EQ(Shown(), "中文ab") << "a Chinese character is one symbol; a case-insensitive literal takes the pattern's case";
  Edit->GetProperties()->SetCaseInsensitive(false);
  Edit->SetText("");
  Type("中AB");
  EXPECT_EQ(Shown(), "中");
}

TEST_F(cxMaskEditControl, ExtendedModeCompletesForcedLiterals) {
  Masked(emkRegExprEx, "\\d\\d-\\d\\d");
  Focus();
  Type("12");
  EXPECT_EQ(Shown(), "12-") << "the '-' is forced";
  Press(VK_BACK);
  EXPECT_EQ(Shown(), "1") << "Backspace removes the forced '-' and the 2 together";
  Type("234");
  EXPECT_EQ(Shown(), "12-34");
  Edit->SetSelStart(1);
  Application->ProcessMessages();
  Press(VK_RIGHT);
  EXPECT_EQ(Selection(), "3+0") << "Right from before the 2 jumps behind the '-'";
  Press(VK_LEFT);
  EXPECT_EQ(Selection(), "1+0");
}

TEST_F(cxMaskEditControl, ExtendedModeKeepsAForcedPrefix) {
  Masked(emkRegExprEx, "'('\\d\\d')'");
  Focus();
  EXPECT_EQ(Shown(), "(") << "an empty editor shows the forced prefix";
  Edit->SetSelStart(1);
  Application->ProcessMessages();
  Press(VK_BACK);
  EXPECT_EQ(Shown(), "(");
  Edit->SetSelStart(0);
  Application->ProcessMessages();
  Press(VK_DELETE);
  EXPECT_EQ(Shown(), "(") << "neither Backspace nor Delete removes the prefix";
  Edit->SetSelStart(1);
  Application->ProcessMessages();
  Type("42");
  EXPECT_EQ(Shown(), "(42)");
  EXPECT_TRUE(Edit->GetMode()->IsFullValidText(Shown()));
}

TEST_F(cxMaskEditControl, ChangingTheKindEmptiesTheMaskUnlessBothChange) {
  Masked(emkStandard, "000");
  Edit->GetProperties()->SetMaskKind(emkRegExpr);
  EXPECT_EQ(Edit->GetProperties()->GetEditMask(), "") << "a picture means nothing as a pattern";
  EXPECT_EQ(Edit->GetMode()->GetMaskKind(), emkRegExpr);
  TOwnedPtr<TcxMaskEditProperties> source(New<TcxMaskEditProperties>());
  source->SetEditMask("00");
  source->SetMaskKind(emkRegExprEx);
  source->SetEditMask("\\d+");
  Edit->GetProperties()->Assign(source.get());
  EXPECT_EQ(Edit->GetProperties()->GetEditMask(), "\\d+") << "a mask changed with the kind survives";
  EXPECT_EQ(Edit->GetMode()->GetMaskKind(), emkRegExprEx);
}

TEST_F(cxMaskEditControl, PostingAnIncompleteTextFailsValidation) {
  Masked(emkRegExpr, "\\d\\d");
  Focus();
  Type("1");
  EXPECT_FALSE(Edit->ValidateEdit(false));
  Edit->GetProperties()->SetIgnoreMaskBlank(true);
  EXPECT_TRUE(Edit->ValidateEdit(false)) << "an incomplete text is acceptable when blanks may stay";
  Edit->GetProperties()->SetIgnoreMaskBlank(false);
  Type("2");
  EXPECT_TRUE(Edit->ValidateEdit(false));
}

}  // namespace
