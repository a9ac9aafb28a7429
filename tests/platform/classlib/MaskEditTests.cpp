// The masked edit on a shown form: what key sequences leave under a table of masks (accepted and
// refused characters, literals skipped, places blanked instead of closed up), paste of partly
// invalid text, Escape resetting, validation with the place at fault, and a new mask keeping the
// entered characters.
#include "ClasslibTestSupport.h"

#include "FormatSettings.h"
#include "HeadlessBackend.h"
#include "Mask.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

class MaskEditTest : public TClasslibFixture {
 protected:
  TForm* Form = nullptr;
  TMaskEdit* Edit = nullptr;
  TFormatSettings Saved;

  void SetUp() override {
    TClasslibFixture::SetUp();
    Saved = FormatSettings;
    FormatSettings.TimeSeparator = ':';
    FormatSettings.DateSeparator = '-';
    Form = TCustomForm::CreateNew<TForm>(Application);
    Form->SetBounds(100, 100, 400, 300);
    Edit = New<TMaskEdit>(Form);
    Edit->SetParent(Form);
    Edit->SetBounds(10, 10, 200, 21);
    Form->Show();
    Application->ProcessMessages();
  }
  void TearDown() override {
    TClasslibFixture::TearDown();
    FormatSettings = Saved;
  }
  // Plays keys: plain characters are typed; {BS} {DEL} {HOME} {END} {LEFT} {RIGHT} {ESC} press
  // keys, {SHIFT+RIGHT} and {SHIFT+LEFT} extend the selection.
  void Play(const String& keys) {
    Edit->SetFocus();
    Application->ProcessMessages();
    static const std::pair<const char*, int> named[] = {{"BS", VK_BACK}, {"DEL", VK_DELETE}, {"HOME", VK_HOME},
                                                        {"END", VK_END}, {"LEFT", VK_LEFT}, {"RIGHT", VK_RIGHT},
                                                        {"ESC", VK_ESCAPE}};
    for (size_t i = 0; i < keys.size();) {
      if (keys[i] != '{') {
        size_t next = keys.find('{', i);
        InjectText(keys.substr(i, next == String::npos ? String::npos : next - i));
        i = next == String::npos ? keys.size() : next;
        continue;
      }
      size_t close = keys.find('}', i);
      String name = keys.substr(i + 1, close - i - 1);
      i = close + 1;
      bool shift = name.rfind("SHIFT+", 0) == 0;
      if (shift) name = name.substr(6);
      for (const auto& [n, vk] : named)
        if (name == n) {
          if (shift) InjectKey(VK_SHIFT, true);
          InjectKeyPress(vk);
          if (shift) InjectKey(VK_SHIFT, false);
        }
    }
    Application->ProcessMessages();
  }
};

TEST_F(MaskEditTest, KeySequencesUnderMasks) {
  struct TCase {
    const char* Mask;
    const char* Keys;
    const char* EditText;
    const char* Text;
  };
  const TCase cases[] = {
      {"(999) 000-0000;1;_", "5551234567", "(555) 123-4567", "(555) 123-4567"},
      {"(999) 000-0000;0;_", "5551234567", "(555) 123-4567", "5551234567"},
      {"(999) 000-0000;0;_", "555", "(555) ___-____", "555       "},
      // refused characters leave the caret where it is
      {"000;1;_", "1a-2", "12_", "12 "},
      {">LL-000;0;_", "ab1x23", "AB-123", "AB123"},
      {"<LLL;1;*", "AbC", "abc", "abc"},
      {"00:00;1;_", "0930", "09:30", "09:30"},
      // a literal typed where it stands steps over it
      {"(999) 000;1;_", "(1", "(1__) ___", "(1  )    "},
      // Delete and Backspace blank places; the caret skips the literals
      {"(999) 000-0000;1;_", "5551234567{HOME}{DEL}{RIGHT}{RIGHT}{RIGHT}{BS}", "(_5_) 123-4567", "( 5 ) 123-4567"},
      {"(999) 000;1;_", "123456{BS}{BS}{BS}{BS}", "(12_) ___", "(12 )    "},
      {"(999) 000;1;_", "123{END}{LEFT}{LEFT}{LEFT}{LEFT}9", "(129) ___", "(129)    "},
      // a selection is blanked by the next character, which goes to its start
      {"000-000;1;_", "123456{HOME}{SHIFT+RIGHT}{SHIFT+RIGHT}{SHIFT+RIGHT}{SHIFT+RIGHT}7", "7__-_56", "7  - 56"},
      // a place holds a whole character of several bytes
      {"CCC;1;_", "中a{BS}b文", "中b文", "中b文"},
      {"l9#;1;_", "x5-", "x5-", "x5-"},
  };
  for (const TCase& c : cases) {
    Edit->SetEditMask("");
    Edit->SetText("");
    Edit->SetEditMask(c.Mask);
    Play(c.Keys);
    EXPECT_EQ(Edit->GetEditText(), c.EditText) << c.Mask << " keys " << c.Keys;
    EXPECT_EQ(Edit->GetText(), c.Text) << c.Mask << " keys " << c.Keys;
  }
}

TEST_F(MaskEditTest, RefusedCharactersBeepAndChangeNothing) {
  Edit->SetEditMask("00;1;_");
  std::vector<String> changes;
  Edit->OnChange = [&](TObject*) { changes.push_back(Edit->GetEditText()); };
  int beeps = BeepCount();
  Play("x1y");
  EXPECT_EQ(BeepCount() - beeps, 2);
  EXPECT_EQ(changes, std::vector<String>{"1_"});
  EXPECT_TRUE(Edit->GetModified());
}

TEST_F(MaskEditTest, PasteTakesWhatFitsAndCutBlanks) {
  Edit->SetEditMask("(999) 000-0000;0;_");
  SetClipboardText("(555) 12x3-4567 and more");
  Edit->SetFocus();
  Edit->PasteFromClipboard();
  EXPECT_EQ(Edit->GetEditText(), "(555) 123-4567");
  EXPECT_EQ(Edit->GetText(), "5551234567");

  Edit->SetSelStart(1);
  Edit->SetSelLength(3);
  Edit->CutToClipboard();
  String clip;
  ASSERT_TRUE(GetClipboardText(clip));
  EXPECT_EQ(clip, "555");
  EXPECT_EQ(Edit->GetEditText(), "(___) 123-4567");

  SetClipboardText("98");
  Edit->SetSelStart(6);
  Edit->SetSelLength(0);
  Edit->PasteFromClipboard();
  EXPECT_EQ(Edit->GetEditText(), "(___) 983-4567") << "paste overwrites from the caret";
}

TEST_F(MaskEditTest, EscapeResetsToTheTextOnEntry) {
  Edit->SetEditMask("0000;1;_");
  Edit->SetText("1234");
  Play("{HOME}99");
  EXPECT_EQ(Edit->GetEditText(), "9934");
  ASSERT_TRUE(Edit->GetModified());
  Play("{ESC}");
  EXPECT_EQ(Edit->GetEditText(), "1234");
  EXPECT_FALSE(Edit->GetModified());
}

TEST_F(MaskEditTest, ValidateEditNamesTheFirstEmptyRequiredPlace) {
  Edit->SetEditMask("(999) 000-0000;1;_");
  Play("55512");
  try {
    Edit->ValidateEdit();
    FAIL() << "an incomplete entry is refused";
  } catch (const EDBEditError& e) {
    EXPECT_EQ(e.Position, 8);
    EXPECT_EQ(Edit->GetSelStart(), 8) << "the caret goes to the place at fault";
  }
  Play("34567");
  EXPECT_NO_THROW(Edit->ValidateEdit());

  Edit->SetText("   1234567");
  Edit->SetModified(true);
  EXPECT_NO_THROW(Edit->ValidateEdit()) << "optional places may stay blank";
}

TEST_F(MaskEditTest, ANewMaskKeepsTheEnteredCharactersAndTheMaskSetsMaxLength) {
  Edit->SetText("12345");
  Edit->SetMaxLength(3);
  Edit->SetEditMask("000-00;1;_");
  EXPECT_EQ(Edit->GetEditText(), "123-45");
  EXPECT_EQ(Edit->GetMaxLength(), 6);
  EXPECT_TRUE(Edit->IsMasked());
  Edit->SetEditMask("00/00/00;0;*");
  EXPECT_EQ(Edit->GetEditText(), "12-34-5*");
  EXPECT_EQ(Edit->GetText(), "12345 ");
  Edit->SetEditMask("");
  EXPECT_FALSE(Edit->IsMasked());
  EXPECT_EQ(Edit->GetText(), "12345 ");
  EXPECT_EQ(Edit->GetMaxLength(), 3);
}

TEST_F(MaskEditTest, TextSetFromOutsideIsShownInTheMasksForm) {
  Edit->SetEditMask("00-00;1;_");
  SetWindowTextA(Edit->GetHandle(), "1x");
  EXPECT_EQ(Edit->GetEditText(), "1x-__");
  Edit->SetEditText("98-7");
  EXPECT_EQ(Edit->GetEditText(), "98-7_");
  Integer pos = 0;
  EXPECT_FALSE(Edit->Validate(Edit->GetEditText(), pos));
}

}  // namespace
