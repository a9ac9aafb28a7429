#include "GridsTestSupport.h"

#include <set>

#include "HeadlessBackend.h"
#include "WindowPictures.h"
#include "WinUser.h"

namespace GridsTest {

IMPLEMENT_CLASS(TTestGrid)

TInplaceEdit* TTestGrid::CreateEditor() {
  if (UseListEditor) return New<TInplaceEditList>(this);
  return inherited::CreateEditor();
}

// The windows of the started units (hidden listeners) stay: only the test's own form goes.
void GridFixture::SetUp() {
  ReleaseCapture();
  Form = TCustomForm::CreateNew<TForm>(nullptr);
  Form->SetBorderStyle(bsNone);
  Form->SetBounds(0, 0, 500, 400);
}

void GridFixture::TearDown() {
  FreeAndNil(Form);
  Grid = nullptr;
  Pump();
}

void GridFixture::MakeGrid(Integer Width, Integer Height) {
  Grid = New<TTestGrid>(Form);
  Grid->SetBorderStyle(bsNone);
  Grid->SetScrollBars(ssNone);
  Grid->SetParent(Form);
  Grid->SetBounds(0, 0, Width, Height);
}

void GridFixture::Show() {
  Form->Show();
  Pump();
  Grid->SetFocus();
  Pump();
}

void GridFixture::Pump() { Application->ProcessMessages(); }

namespace {
void HoldShift(TShiftState Shift, bool Down) {
  if (Shift.Contains(ssShift)) InjectKey(VK_SHIFT, Down);
  if (Shift.Contains(ssCtrl)) InjectKey(VK_CONTROL, Down);
  if (Shift.Contains(ssAlt)) InjectKey(VK_MENU, Down);
}
}  // namespace

void GridFixture::MoveTo(Integer X, Integer Y) {
  const TPoint p = Grid->ClientToScreen(TPoint(X, Y));
  InjectMouseMove(p.x, p.y);
  Pump();
}

void GridFixture::Press(Integer X, Integer Y, TShiftState Shift) {
  HoldShift(Shift, true);
  MoveTo(X, Y);
  InjectMouseButton(0, true);
  Pump();
  HoldShift(Shift, false);
  Pump();
}

void GridFixture::Release(Integer X, Integer Y) {
  MoveTo(X, Y);
  InjectMouseButton(0, false);
  Pump();
}

void GridFixture::Click(Integer X, Integer Y, TShiftState Shift) {
  HoldShift(Shift, true);
  MoveTo(X, Y);
  InjectMouseButton(0, true);
  InjectMouseButton(0, false);
  Pump();
  HoldShift(Shift, false);
  Pump();
}

void GridFixture::Key(Word VK, TShiftState Shift) {
  HoldShift(Shift, true);
  InjectKeyPress(VK);
  Pump();
  HoldShift(Shift, false);
  Pump();
}

void GridFixture::Type(const String& Text) {
  InjectText(Text);
  Pump();
}

void GridFixture::Capture(GdiSurface::TGdiSurface& Picture) { ASSERT_TRUE(WindowPictures::CaptureClient(Grid, Picture)); }

COLORREF GridFixture::Pixel(Integer X, Integer Y) { return WindowPictures::ClientPixel(Grid, X, Y); }

String GridFixture::SavePng(const String& Name) {
  const String file = testing::TempDir() + Name;
  EXPECT_TRUE(SaveWindowPng(Form->GetHandle(), file));
  return file;
}

TRect GridFixture::UpdateBox() { return WindowPictures::UpdateBox(Grid); }

}  // namespace GridsTest
