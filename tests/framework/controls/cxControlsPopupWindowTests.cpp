// The popup form: its place against the owner area on every side and alignment, the flip to the
// roomier side, the work-area clamps, its size around the children inside the frame, the frame, and
// closing when it loses activation.
#include "cxControlsTestSupport.h"

#include "PixelSurface.h"

using namespace cxControlsTest;

namespace {

class PopupWindow : public TControlsFixture {
 protected:
  TcxPopupWindow* Popup = nullptr;
  TWorkAreaOverride WorkArea{RECT{0, 0, 800, 600}};
  void SetUp() override {
    TControlsFixture::SetUp();
    Popup = New<TcxPopupWindow>();
    Popup->SetBounds(0, 0, 100, 50);
    Popup->SetAdjustable(false);
  }
  void TearDown() override {
    FreeAndNil(Popup);
    TControlsFixture::TearDown();
  }
};

TEST_F(PopupWindow, IsPlacedAgainstTheOwnerAreaFlippedWhereThereIsMoreRoomAndKeptInTheWorkArea) {
  struct TCase {
    const char* Name;
    TRect Area;
    TcxPopupDirection Direction;
    TcxPopupAlignHorz Horz;
    TcxPopupAlignVert Vert;
    TPoint Expected;
  };
  const TCase cases[] = {
      {"below, left-aligned", {200, 200, 300, 220}, pdVertical, pahLeft, pavBottom, {200, 220}},
      {"above, right-aligned", {200, 200, 300, 220}, pdVertical, pahRight, pavTop, {200, 150}},
      {"below, centred", {200, 200, 260, 220}, pdVertical, pahCenter, pavBottom, {180, 220}},
      {"beside on the left, top-aligned", {200, 200, 300, 220}, pdHorizontal, pahLeft, pavTop, {100, 200}},
      {"beside on the right, bottom-aligned", {200, 200, 300, 220}, pdHorizontal, pahRight, pavBottom, {300, 170}},
      {"beside, centred both ways", {200, 200, 300, 220}, pdHorizontal, pahCenter, pavCenter, {200, 185}},
      // Near the bottom with more room above: opens above.
      {"flipped above", {200, 570, 300, 590}, pdVertical, pahLeft, pavBottom, {200, 520}},
      // Near the bottom with more room below than above: stays below, kept inside.
      {"stays below", {200, 10, 300, 560}, pdVertical, pahLeft, pavBottom, {200, 550}},
      {"flipped below", {200, 20, 300, 40}, pdVertical, pahLeft, pavTop, {200, 40}},
      {"flipped to the right", {50, 200, 150, 220}, pdHorizontal, pahLeft, pavTop, {150, 200}},
      {"flipped to the left", {700, 200, 780, 220}, pdHorizontal, pahRight, pavTop, {600, 200}},
      {"pushed in from the right edge", {750, 200, 790, 220}, pdVertical, pahLeft, pavBottom, {700, 220}},
      {"centred beside, clamped at the top", {200, 0, 300, 10}, pdHorizontal, pahCenter, pavCenter, {200, 0}},
  };
  for (const TCase& c : cases) {
    Popup->SetOwnerBounds(c.Area);
    Popup->SetDirection(c.Direction);
    Popup->SetAlignHorz(c.Horz);
    Popup->SetAlignVert(c.Vert);
    EXPECT_EQ(Popup->CalculatePosition(), c.Expected) << c.Name;
    EXPECT_EQ(Popup->GetAlignHorz(), c.Horz) << "the settings stay: " << c.Name;
  }
  // A popup wider than the work area starts at its left edge.
  Popup->SetBounds(0, 0, 900, 50);
  Popup->SetOwnerBounds(TRect(400, 100, 450, 120));
  Popup->SetDirection(pdVertical);
  Popup->SetAlignHorz(pahRight);
  Popup->SetAlignVert(pavBottom);
  EXPECT_EQ(Popup->CalculatePosition(), TPoint(0, 120));
}

TEST_F(PopupWindow, TheOwnerAreaIsInTheOwnerParentsClientCoordinates) {
  ShowForm();
  Popup->SetOwnerParent(Form);
  Popup->SetOwnerBounds(TRect(10, 10, 50, 30));
  const TPoint origin = Form->ClientToScreen(TPoint(0, 0));
  EXPECT_EQ(Popup->GetOwnerScreenBounds(), TRect(origin.x + 10, origin.y + 10, origin.x + 50, origin.y + 30));
}

TEST_F(PopupWindow, SizesAroundItsChildrenInsideTheFrameWithoutDrifting) {
  Popup->SetAdjustable(true);
  Popup->SetBorderStyle(pbs3D);
  Popup->SetBorderSpace(2);
  auto* child = CreateComponent<TcxControl>(Popup);
  child->SetParent(Popup);
  child->SetBounds(0, 0, 20, 10);
  Popup->CalculateSize();
  EXPECT_EQ(child->GetBoundsRect(), TRect(4, 4, 24, 14));
  EXPECT_EQ(Popup->GetWidth(), 28);
  EXPECT_EQ(Popup->GetHeight(), 18);
  EXPECT_EQ(Popup->GetNCWidth(), 8);
  for (TcxPopupBorderStyle style : {pbsUltraFlat, pbs3D, pbsNone, pbs3D}) {
    Popup->SetBorderStyle(style);
    Popup->CalculateSize();
  }
  EXPECT_EQ(child->GetBoundsRect(), TRect(4, 4, 24, 14)) << "no drift";
  Popup->SetAdjustable(false);
  Popup->SetBorderSpace(0);
  Popup->CalculateSize();
  EXPECT_EQ(Popup->GetWidth(), 28) << "a popup that is not adjustable keeps its size";
}

TEST_F(PopupWindow, PopsUpTopmostWithTheOwnersFontAndClosesWhenDeactivated) {
  ShowForm();
  Form->GetFont()->SetSize(13);
  Popup->SetOwnerParent(Form);
  Popup->SetOwnerBounds(TRect(10, 10, 50, 30));
  Popup->SetBorderStyle(pbsUltraFlat);
  Popup->SetFrameColor(clRed);
  Popup->Popup();
  Application->ProcessMessages();
  EXPECT_TRUE(Popup->GetVisible());
  EXPECT_EQ(Popup->GetFont()->GetSize(), 13);
  EXPECT_TRUE(GetWindowLong(Popup->GetHandle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(Popup->GetLeft(), Form->ClientToScreen(TPoint(10, 30)).x);
  EXPECT_EQ(Popup->GetTop(), Form->ClientToScreen(TPoint(10, 30)).y);
  // The frame is drawn in the frame colour around the whole form.
  HDC dc = GetDC(Popup->GetHandle());
  EXPECT_EQ(GetPixel(dc, 0, 0) & 0xFFFFFF, PixelSurface::RGBOf(clRed));
  EXPECT_EQ(GetPixel(dc, 99, 49) & 0xFFFFFF, PixelSurface::RGBOf(clRed));
  EXPECT_NE(GetPixel(dc, 50, 25) & 0xFFFFFF, PixelSurface::RGBOf(clRed));
  ReleaseDC(Popup->GetHandle(), dc);
  // Another form taking the activation closes it.
  auto* other = TCustomForm::CreateNew<TForm>(nullptr);
  other->Show();
  Application->ProcessMessages();
  EXPECT_FALSE(Popup->GetVisible());
  other->Free();
}

}  // namespace
