#include "InplaceTestSupport.h"

#include "GdiSurface.h"
#include "HeadlessBackend.h"
#include "WinUser.h"

namespace InplaceTest {

IMPLEMENT_CLASS(TStandInGrid)

Integer TextWidthIn(const char* Face, const String& Text) {
  TOwnedPtr<TBitmap> bitmap(New<TBitmap>());
  bitmap->GetCanvas()->GetFont()->SetName(Face);
  bitmap->GetCanvas()->GetFont()->SetHeight(-13);
  return bitmap->GetCanvas()->TextWidth(Text);
}

void InplaceFixture::SetUp() {
  ReleaseCapture();
  Form = TCustomForm::CreateNew<TForm>(nullptr);
  Form->SetBorderStyle(bsNone);
  Form->SetBounds(0, 0, 400, 300);
  Grid = New<TStandInGrid>(Form);
  Grid->SetParent(Form);
  Grid->SetBounds(0, 0, 400, 300);
  Grid->SetTabStop(true);
}

void InplaceFixture::TearDown() {
  FreeAndNil(Form);
  ReleaseCapture();
  for (int key : {VK_LBUTTON, VK_SHIFT, VK_CONTROL, VK_MENU, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_ESCAPE, VK_SPACE})
    SetKeyState(key, false);
  Pump();
}

TtsGridEditBox* InplaceFixture::MakeEditBox(Integer Width, Integer Lines, const String& Text, const char* Face,
                                            TAlignment Alignment) {
  auto* box = Make<TtsGridEditBox>(10, 10, Width, 20);
  box->GetFont()->SetName(Face);
  box->GetFont()->SetHeight(-13);
  box->SetAlignment(Alignment);
  const Integer pitch = box->GetTextHeight();
  box->SetHeight(Lines > 1 ? Lines * pitch : pitch + 2);
  box->SetText(Text);
  return box;
}

void InplaceFixture::ShowFocused(TWinControl* Control) {
  Form->Show();
  Pump();
  Control->SetFocus();
  Pump();
}

void InplaceFixture::Pump() { Application->ProcessMessages(); }

void InplaceFixture::Key(Word VK, TShiftState Shift) {
  if (Shift.Contains(ssShift)) InjectKey(VK_SHIFT, true);
  if (Shift.Contains(ssCtrl)) InjectKey(VK_CONTROL, true);
  InjectKeyPress(VK);
  if (Shift.Contains(ssCtrl)) InjectKey(VK_CONTROL, false);
  if (Shift.Contains(ssShift)) InjectKey(VK_SHIFT, false);
  Pump();
}

void InplaceFixture::Down(Word VK) {
  InjectKey(VK, true);
  Pump();
}

void InplaceFixture::Up(Word VK) {
  InjectKey(VK, false);
  Pump();
}

void InplaceFixture::Type(const String& Text) {
  InjectText(Text);
  Pump();
}

void InplaceFixture::MoveTo(TControl* Control, Integer X, Integer Y) {
  const TPoint p = Control->ClientToScreen(TPoint(X, Y));
  InjectMouseMove(p.x, p.y);
  Pump();
}

void InplaceFixture::Press(TControl* Control, Integer X, Integer Y) {
  MoveTo(Control, X, Y);
  InjectMouseButton(0, true);
  Pump();
}

void InplaceFixture::Release(TControl* Control, Integer X, Integer Y) {
  MoveTo(Control, X, Y);
  InjectMouseButton(0, false);
  Pump();
}

void InplaceFixture::Click(TControl* Control, Integer X, Integer Y) {
  Press(Control, X, Y);
  Release(Control, X, Y);
}

String InplaceFixture::SavePng(const String& Name) {
  Pump();
  const String file = testing::TempDir() + Name;
  EXPECT_TRUE(SaveWindowPng(Form->GetHandle(), file));
  return file;
}

COLORREF InplaceFixture::Pixel(TControl* Control, Integer X, Integer Y) {
  Pump();
  GdiSurface::TGdiSurface picture;
  EXPECT_TRUE(CaptureWindow(Form->GetHandle(), picture));
  const TPoint p = Form->ScreenToClient(Control->ClientToScreen(TPoint(X, Y)));
  const uint32_t c = picture.Pixel(p.x, p.y);
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

}  // namespace InplaceTest
