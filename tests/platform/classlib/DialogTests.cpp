// Standard dialogs answered by injected keys: message dialogs with their default and cancelling
// buttons, Alt accelerators and the locale's captions; the save and open dialogs with the typed
// name, the default extension, the overwrite prompt and the filter.
#include "ClasslibTestSupport.h"

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "Dialogs.h"
#include "HeadlessBackend.h"
#include "Locale.h"
#include "StdCtrls.h"
#include "StringLists.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

class Dialog : public TClasslibFixture {
 protected:
  void SetUp() override {
    TClasslibFixture::SetUp();
    SavedLocale = GetUserDefaultLCID();
    Folder = std::filesystem::temp_directory_path() / ("classlib-dialogs-" + std::to_string(::getpid()));
    std::filesystem::remove_all(Folder);
    std::filesystem::create_directories(Folder / "sub");
  }
  void TearDown() override {
    SelectUserLocale(SavedLocale);
    std::filesystem::remove_all(Folder);
    TClasslibFixture::TearDown();
  }
  static void Keys(std::initializer_list<int> keys) {
    for (int k : keys) InjectKeyPress(k);
  }
  static void AltKey(int vk) {
    InjectKey(VK_MENU, true);
    InjectKeyPress(vk);
    InjectKey(VK_MENU, false);
  }
  void Touch(const char* name) { std::ofstream(Folder / name) << "x"; }
  String Path(const char* name) const { return (Folder / name).string(); }

  LCID SavedLocale = 0;
  std::filesystem::path Folder;
};

TEST_F(Dialog, MessageDlgAnswersEnterWithTheDefaultAndEscapeWithTheCancellingButton) {
  struct TCase {
    const char* name;
    TMsgDlgButtons buttons;
    int key;
    Integer expected;
  };
  const TCase cases[] = {
      {"OK+Cancel, Enter", mbOKCancel, VK_RETURN, mrOk},
      {"OK+Cancel, Escape", mbOKCancel, VK_ESCAPE, mrCancel},
      {"Yes+No, Enter", {mbYes, mbNo}, VK_RETURN, mrYes},
      {"Yes+No, Escape", {mbYes, mbNo}, VK_ESCAPE, mrNo},
      {"Yes+No+Cancel, Escape", mbYesNoCancel, VK_ESCAPE, mrCancel},
      {"OK alone, Escape", {mbOK}, VK_ESCAPE, mrOk},
      {"Abort+Retry+Ignore, Enter", mbAbortRetryIgnore, VK_RETURN, mrRetry},
      {"Yes+No, Tab then Enter", {mbYes, mbNo}, VK_TAB, mrNo},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.key == VK_TAB) Keys({VK_TAB, VK_RETURN});
    else Keys({c.key});
    EXPECT_EQ(MessageDlg("Go on?", mtConfirmation, c.buttons, 0), c.expected);
  }
  Keys({VK_RETURN});
  EXPECT_EQ(MessageDlg("Go on?", mtConfirmation, {mbYes, mbNo}, 0, mbNo), mrNo) << "an explicit default button";
  AltKey('N');
  EXPECT_EQ(MessageDlg("Go on?", mtConfirmation, {mbYes, mbNo}, 0), mrNo) << "Alt and the accelerator press it";
  EXPECT_EQ(Screen->FormCount(), 0) << "each dialog is freed";
}

TEST_F(Dialog, MessageDialogsSpeakTheUsersLocale) {
  struct TCase {
    LCID locale;
    TMsgDlgType type;
    const char* caption;
    const char* ok;
    const char* cancel;
  };
  const TCase cases[] = {
      {LOCALE_ZH_CN, mtConfirmation, "\xE7\xA1\xAE\xE8\xAE\xA4", "\xE7\xA1\xAE\xE5\xAE\x9A", "\xE5\x8F\x96\xE6\xB6\x88"},
      {LOCALE_ZH_CN, mtError, "\xE9\x94\x99\xE8\xAF\xAF", "\xE7\xA1\xAE\xE5\xAE\x9A", "\xE5\x8F\x96\xE6\xB6\x88"},
      {LOCALE_EN_US, mtWarning, "Warning", "OK", "Cancel"},
      {LOCALE_EN_US, mtInformation, "Information", "OK", "Cancel"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.caption);
    ASSERT_TRUE(SelectUserLocale(c.locale));
    TForm* form = CreateMessageDialog("Text", c.type, mbOKCancel);
    EXPECT_EQ(form->GetCaption(), c.caption);
    EXPECT_EQ(As<TButton>(form->FindComponent("OK"))->GetCaption(), c.ok);
    EXPECT_EQ(As<TButton>(form->FindComponent("Cancel"))->GetCaption(), c.cancel);
    EXPECT_TRUE(As<TButton>(form->FindComponent("OK"))->GetDefault());
    EXPECT_TRUE(As<TButton>(form->FindComponent("Cancel"))->GetCancel());
    EXPECT_NE(form->FindComponent("Image"), nullptr);
    form->Free();
  }
  Application->SetTitle("Auction");
  TForm* custom = CreateMessageDialog("Text", mtCustom, {mbOK});
  EXPECT_EQ(custom->GetCaption(), "Auction") << "a custom dialog carries the application's title";
  EXPECT_EQ(custom->FindComponent("Image"), nullptr);
  custom->Free();
}

TEST_F(Dialog, AMessageDialogFitsItsTextAndButtons) {
  String longText(400, 'w');
  for (size_t i = 20; i < longText.size(); i += 21) longText[i] = ' ';
  TForm* form = CreateMessageDialog(longText, mtInformation, mbYesAllNoAllCancel);
  auto* label = As<TControl>(form->FindComponent("Message"));
  EXPECT_LE(label->GetLeft() + label->GetWidth(), form->GetClientWidth());
  EXPECT_LE(label->GetWidth(), Screen->Width() / 2 + 2) << "long text wraps";
  auto* last = As<TControl>(form->FindComponent("Cancel"));
  EXPECT_LE(last->GetLeft() + last->GetWidth(), form->GetClientWidth());
  EXPECT_GE(last->GetTop(), label->GetTop() + label->GetHeight());
  EXPECT_LE(last->GetTop() + last->GetHeight(), form->GetClientHeight());
  form->Free();
}

TEST_F(Dialog, ShowMessageClosesWithEnter) {
  Keys({VK_RETURN});
  ShowMessage("Saved");
  EXPECT_EQ(Screen->FormCount(), 0);
}

TEST_F(Dialog, TheSaveDialogReturnsTheTypedNameWithTheDefaultExtension) {
  auto* dialog = CreateComponent<TSaveDialog>(nullptr);
  dialog->SetInitialDir(Folder.string());
  dialog->SetFilter("CSV (*.csv)|*.csv|All files (*.*)|*.*");
  dialog->SetDefaultExt("csv");
  dialog->SetOptions({ofOverwritePrompt});
  InjectText("report");
  Keys({VK_RETURN});
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(dialog->GetFileName(), Path("report.csv"));
  EXPECT_EQ(dialog->GetFilterIndex(), 1);

  InjectText("notes.txt");
  Keys({VK_RETURN});
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(dialog->GetFileName(), Path("notes.txt")) << "a typed extension stays";
  EXPECT_TRUE(dialog->GetOptions().Contains(ofExtensionDifferent));

  Keys({VK_ESCAPE});
  EXPECT_FALSE(dialog->Execute());
  EXPECT_EQ(dialog->GetFileName(), Path("notes.txt")) << "cancelled: the name stays as it was";
  dialog->Free();
}

TEST_F(Dialog, TheOverwritePromptCanKeepTheDialogOpen) {
  Touch("report.csv");
  auto* dialog = CreateComponent<TSaveDialog>(nullptr);
  dialog->SetInitialDir(Folder.string());
  dialog->SetDefaultExt("csv");
  dialog->SetOptions({ofOverwritePrompt});
  InjectText("report");
  Keys({VK_RETURN, VK_ESCAPE});  // the prompt says No, the dialog stays
  Keys({VK_ESCAPE});             // then it is cancelled
  EXPECT_FALSE(dialog->Execute());

  InjectText("report");
  Keys({VK_RETURN});
  AltKey('Y');
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(dialog->GetFileName(), Path("report.csv"));
  dialog->Free();
}

TEST_F(Dialog, TheOpenDialogListsTheFilteredFilesAndOpensFoldersTyped) {
  Touch("a.csv");
  Touch("b.txt");
  Touch("C.CSV");
  auto* dialog = CreateComponent<TOpenDialog>(nullptr);
  dialog->SetInitialDir(Folder.string());
  dialog->SetFilter("CSV (*.csv)|*.csv|Text|*.txt;*.log");
  dialog->SetOptions({ofFileMustExist});
  std::vector<String> listed;
  dialog->OnShow = [&listed](TObject*) {
    auto* form = Screen->Forms(Screen->FormCount() - 1);
    auto* files = As<TListBox>(form->FindComponent("FileList"));
    for (Integer i = 0; i < files->GetItems()->GetCount(); ++i) listed.push_back(files->GetItems()->GetStrings(i));
  };
  InjectText("missing.csv");
  Keys({VK_RETURN, VK_RETURN});  // not found: the warning is confirmed and the dialog stays
  InjectText("sub");
  Keys({VK_RETURN});  // a folder typed opens it
  InjectText("../a.csv");
  Keys({VK_RETURN});
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(listed, (std::vector<String>{"C.CSV", "a.csv"})) << "the first filter, any case";
  EXPECT_EQ(dialog->GetFileName(), Path("a.csv"));
  dialog->Free();
}

}  // namespace
