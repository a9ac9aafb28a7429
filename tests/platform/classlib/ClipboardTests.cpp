// The clipboard object: text in and out, formats, nested opening that puts several formats of one
// piece of data, and a clear error while another window holds the clipboard.
#include "ClasslibTestSupport.h"

#include "Clipbrd.h"
#include "WinClipboard.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

class ClipboardTest : public TClasslibFixture {};

TEST_F(ClipboardTest, TextGoesInAndComesBackOut) {
  for (const String text : {"", "plain", "拍卖 ¥100\r\nsecond line"}) {
    Clipboard()->SetAsText(text);
    EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
    EXPECT_EQ(Clipboard()->GetAsText(), text);
  }
  String shared;
  EXPECT_TRUE(GetClipboardText(shared));
  EXPECT_EQ(shared, "拍卖 ¥100\r\nsecond line") << "other programs see it";
  Clipboard()->Clear();
  EXPECT_FALSE(Clipboard()->HasFormat(CF_TEXT));
  EXPECT_EQ(Clipboard()->GetAsText(), "");
}

TEST_F(ClipboardTest, InsideOneOpenSeveralFormatsArePutTogether) {
  UINT custom = RegisterClipboardFormat("Auction record");
  Clipboard()->SetAsText("old");
  Clipboard()->Open();
  Clipboard()->SetAsText("record 7");
  const char raw[] = {1, 2, 3};
  Clipboard()->SetBuffer(custom, raw, sizeof raw);
  Clipboard()->Close();
  EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
  EXPECT_TRUE(Clipboard()->HasFormat(custom));
  EXPECT_EQ(Clipboard()->FormatCount(), 2);
  EXPECT_EQ(Clipboard()->Formats(0), CF_TEXT);
  EXPECT_EQ(Clipboard()->Formats(1), custom);
  EXPECT_THROW(Clipboard()->Formats(2), EListError);
  EXPECT_EQ(Clipboard()->GetAsText(), "record 7");
  // Outside an Open each put replaces what was there.
  Clipboard()->SetAsText("alone");
  EXPECT_FALSE(Clipboard()->HasFormat(custom));
  EXPECT_EQ(GetOpenClipboardWindow(), nullptr) << "closed after every call";
}

TEST_F(ClipboardTest, AClipboardHeldByAnotherWindowIsAnErrorAndNothingIsLeftOpen) {
  HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(OpenClipboard(other));
  EXPECT_THROW(Clipboard()->SetAsText("x"), EClipboardException);
  EXPECT_THROW(Clipboard()->GetAsText(), EClipboardException);
  CloseClipboard();
  Clipboard()->SetAsText("after");
  EXPECT_EQ(Clipboard()->GetAsText(), "after");
  DestroyWindow(other);
}

}  // namespace
