// Dragging: the base control's internal drag-and-drop states, the class library's drag with the
// copy cursor and drag images, and the drag-image windows: arrows, size frames and images.
#include "cxControlsTestSupport.h"

#include <cstdlib>

#include "ExtCtrls.h"
#include "GdiPng.h"
#include "PixelSurface.h"
#include "WinGdi.h"

using namespace cxControlsTest;

namespace {

std::vector<String>& Log() {
  static std::vector<String> log;
  return log;
}

// A drag operation that writes down what happens to it.
class TRecordingDragObject : public TcxDragAndDropObject {
  DECLARE_CLASS(TRecordingDragObject, TcxDragAndDropObject)
 public:
  using TcxDragAndDropObject::TcxDragAndDropObject;
  static bool ImmediateStart;
  bool GetImmediateStart() override { return ImmediateStart; }

 protected:
  void Destroy() override {
    Log().push_back("Free");
    inherited::Destroy();
  }
  void BeginDragAndDrop() override {
    Log().push_back("Begin");
    inherited::BeginDragAndDrop();
  }
  void DragAndDrop(const TPoint& P, bool& Accepted) override {
    Log().push_back("Drag " + std::to_string(P.x) + "," + std::to_string(P.y));
    Accepted = P.x < 150;
    inherited::DragAndDrop(P, Accepted);
  }
  void EndDragAndDrop(bool Accepted) override {
    Log().push_back(Accepted ? "End accepted" : "End refused");
    inherited::EndDragAndDrop(Accepted);
  }
};
IMPLEMENT_CLASS(TRecordingDragObject)
bool TRecordingDragObject::ImmediateStart = false;

// A control that starts an internal drag on every left press, and shows a 16 x 12 drag image.
class TDragControl : public TScrollingControl {
  DECLARE_CLASS(TDragControl, TScrollingControl)
 public:
  bool InternalDrags = true;
  bool DragImages = false;

 protected:
  void Construct() override {
    inherited::Construct();
    SetDragAndDropObjectClass(TRecordingDragObject::StaticClass());
  }
  bool StartDragAndDrop(const TPoint&) override { return InternalDrags; }
  bool HasDragImages() override { return DragImages; }
  TSize GetDragImagesSize() override { return TSize{16, 12}; }
  void DrawDragImage(TcxCanvas* ACanvas, const TRect& R) override { ACanvas->FillRect(R, clRed); }
};
IMPLEMENT_CLASS(TDragControl)

class DragAndDrop : public TControlsFixture {
 protected:
  TDragControl* Control = nullptr;
  void SetUp() override {
    TControlsFixture::SetUp();
    Log().clear();
    TRecordingDragObject::ImmediateStart = false;
    Control = Add<TDragControl>(10, 10, 200, 100);
    ShowForm();
  }
};

TEST_F(DragAndDrop, ADragStartsOnceThePointerLeavesThePressedArea) {
  Screen->SetCursor(crHandPoint);
  Press(Control, 20, 20);
  EXPECT_EQ(Control->GetDragAndDropState(), ddsStarting);
  MoveTo(Control, 22, 21);
  EXPECT_EQ(Control->GetDragAndDropState(), ddsStarting) << "inside the pressed area";
  MoveTo(Control, 40, 20);
  EXPECT_EQ(Control->GetDragAndDropState(), ddsInProcess);
  TcxDragAndDropObject* object = Control->GetDragAndDropObject();
  EXPECT_EQ(object->GetCurMousePos(), TPoint(40, 20));
  MoveTo(Control, 60, 25);
  EXPECT_EQ(object->GetPrevMousePos(), TPoint(40, 20));
  EXPECT_EQ(object->GetCurMousePos(), TPoint(60, 25));
  EXPECT_EQ(Screen->GetCursor(), crDrag);
  MoveTo(Control, 190, 25);
  EXPECT_EQ(Screen->GetCursor(), crNoDrop);
  Release(Control, 70, 25);
  EXPECT_EQ(Control->GetDragAndDropState(), ddsNone);
  EXPECT_EQ(Screen->GetCursor(), crHandPoint) << "the cursor before the drag comes back";
  EXPECT_EQ(Log(), (std::vector<String>{"Begin", "Drag 60,25", "Drag 190,25", "Drag 70,25", "End accepted", "Free"}));
  Screen->SetCursor(crDefault);
}

TEST_F(DragAndDrop, EscapeCancelAndAPressThatStartsNothingRefuseTheDrop) {
  struct TCase {
    const char* Name;
    std::function<void()> End;
  };
  const TCase cases[] = {
      {"Escape", [] { InjectKeyPress(VK_ESCAPE); }},
      {"cancel mode", [this] { SendMessage(Control->GetHandle(), WM_CANCELMODE, 0, 0); }},
  };
  for (const TCase& c : cases) {
    Step(1000);  // no double click with the press before
    Log().clear();
    Control->SetFocus();
    Press(Control, 20, 20);
    MoveTo(Control, 50, 20);
    ASSERT_EQ(Control->GetDragAndDropState(), ddsInProcess) << c.Name;
    c.End();
    Application->ProcessMessages();
    EXPECT_EQ(Control->GetDragAndDropState(), ddsNone) << c.Name;
    EXPECT_EQ(Log(), (std::vector<String>{"Begin", "End refused", "Free"})) << c.Name;
    Release(Control, 50, 20);
    EXPECT_EQ(Log().size(), 3u) << c.Name;
  }
}

TEST_F(DragAndDrop, AnImmediateStartBeginsWithThePressAndADoubleClickNever) {
  TRecordingDragObject::ImmediateStart = true;
  Press(Control, 20, 20);
  EXPECT_EQ(Control->GetDragAndDropState(), ddsInProcess);
  Release(Control, 20, 20);
  Log().clear();
  SendMessage(Control->GetHandle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 20));
  EXPECT_EQ(Control->GetDragAndDropState(), ddsNone);
  SendMessage(Control->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  EXPECT_EQ(Log(), std::vector<String>{}) << "no drag object was even made";
}

TEST_F(DragAndDrop, LosingTheCaptureWhileStartingCancelsTheMouseMode) {
  Press(Control, 20, 20);
  ASSERT_EQ(Control->GetDragAndDropState(), ddsStarting);
  Control->SetMouseCaptureObject(Control);
  Control->SetMouseCaptureObject(nullptr);
  EXPECT_EQ(Control->GetDragAndDropState(), ddsNone);
  InjectMouseButton(0, false);
  Application->ProcessMessages();
}

TEST_F(DragAndDrop, AnAutomaticClassLibraryDragShowsTheControlsImageAndTheCopyCursor) {
  Control->SetDragMode(dmAutomatic);
  Control->InternalDrags = false;
  Control->DragImages = true;
  TcxDragImageList* images = nullptr;
  TCursor cursor = crDefault;
  // The drag begins inside the press (DragDetect waits there): the move is given from a message that
  // the press posts.
  HWND input = AllocateHWnd([&](TMessage& Message) {
    if (Message.Msg != WM_USER) return;
    const TPoint p = Control->ClientToScreen(TPoint(60, 20));
    InjectMouseMove(p.x, p.y);
  });
  Control->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, Integer, Integer) {
    PostMessage(input, WM_USER, 0, 0);
  };
  Press(Control, 20, 20);
  ASSERT_TRUE(Control->Dragging());
  auto* object = dynamic_cast<TcxDragControlObject*>(DragObject());
  ASSERT_NE(object, nullptr);
  images = dynamic_cast<TcxDragImageList*>(Control->GetDragImages());
  ASSERT_NE(images, nullptr);
  EXPECT_EQ(images->GetCount(), 1);
  EXPECT_EQ(images->GetWidth(), 16);
  EXPECT_EQ(GetDragObject(), object) << "the drag over the control is recorded";
  SetKeyState(VK_CONTROL, true);
  cursor = object->GetDragCursor(true, 0, 0);
  EXPECT_EQ(cursor, crcxDragCopy);
  SetKeyState(VK_CONTROL, false);
  EXPECT_EQ(object->GetDragCursor(true, 0, 0), Control->GetDragCursor());
  Release(Control, 60, 20);
  EXPECT_FALSE(Control->Dragging());
  DeallocateHWnd(input);
}

// ---- Drag-image windows ---------------------------------------------------------------------------------
TEST(cxDragAndDropArrow, BoundsStandBesideTheAreaKeptInTheClientRect) {
  const TRect area(20, 30, 60, 50), client(0, 0, 100, 100);
  struct TCase {
    TcxArrowPlace Place;
    TRect Area, Expected;
  };
  const TCase cases[] = {
      {apLeft, area, {11, 25, 20, 36}},
      {apRight, area, {60, 25, 69, 36}},
      {apTop, area, {15, 21, 26, 30}},
      {apBottom, area, {15, 50, 26, 59}},
      {apLeft, {-40, 30, 60, 50}, {-9, 25, 0, 36}},   // left of the client: at its left edge
      {apRight, {20, 30, 160, 50}, {99, 25, 108, 36}},  // right of it: at its last column
  };
  for (const TCase& c : cases) EXPECT_EQ(GetDragAndDropArrowBounds(c.Area, client, c.Place), c.Expected) << c.Place;
  EXPECT_EQ(GetDragAndDropArrowBounds(TRect(-40, 30, 60, 50), TRect(), apLeft), TRect(-49, 25, -40, 36))
      << "no client rect, no clamp";
}

TEST(cxDragAndDropArrow, TheArrowsPointAtTheArea) {
  using namespace PixelSurface;
  TSurface s(120, 40);
  const TcxArrowPlace places[] = {apLeft, apTop, apRight, apBottom};
  for (int i = 0; i < 4; ++i) {
    const bool across = places[i] == apLeft || places[i] == apRight;
    const TRect r = Bounds(10 + 30 * i, 10, across ? 9 : 11, across ? 11 : 9);
    DrawDragAndDropArrow(s.Cx, r, places[i]);
    EXPECT_EQ(s.InkBox(cxRectInflate(r, 3, 3), kWhite), r) << i;
    EXPECT_GT(s.Count(r, RGBOf(clLime)), 20) << i;
  }
  // The left arrow's tip is at the right (towards the area), its tail at the left.
  EXPECT_EQ(s.At(18, 15), RGBOf(clBlack));
  EXPECT_EQ(s.At(18, 11), kWhite);
  TPointArray points;
  GetDragAndDropArrowPoints(TRect(0, 0, 9, 11), apLeft, points, true);
  EXPECT_EQ(points, (TPointArray{{3, -1}, {3, 3}, {0, 3}, {0, 8}, {3, 8}, {3, 11}, {9, 5}}));
  const char* dir = std::getenv("GDI_SNAPSHOT_DIR");
  EXPECT_TRUE(SaveDCToPng(s.DC, std::string(dir ? dir : std::getenv("HOME")) + "/drop-arrows.png"));
}

using DragImages = TControlsFixture;

TEST_F(DragImages, AnImageFollowsThePointerBlendedWithoutTakingTheMouse) {
  ShowForm();
  auto* image = New<TcxDragImage>();
  image->Init(TRect(100, 100, 140, 120), TPoint(110, 105));
  EXPECT_EQ(image->GetImageOffset(), TPoint(10, 5));
  image->GetCanvas()->FillRect(TRect(0, 0, 40, 20), clBlue);
  image->MoveTo(TPoint(300, 200));
  EXPECT_EQ(image->GetBoundsRect(), TRect(290, 195, 330, 215));
  EXPECT_TRUE(image->GetAlphaBlended());
  image->SetVisible(true);
  EXPECT_TRUE(image->GetVisible());
  EXPECT_TRUE(Form->GetActive()) << "showing the image does not activate it";
  EXPECT_EQ(SendMessage(image->GetHandle(), WM_NCHITTEST, 0, MAKELPARAM(300, 200)), HTTRANSPARENT);
  image->SetVisible(false);
  EXPECT_FALSE(image->GetVisible());
  image->Free();
}

TEST_F(DragImages, AnArrowStandsBesideTheAreaOnScreenKeyedOrShaped) {
  ShowForm();
  for (bool transparent : {true, false}) {
    auto* arrow = New<TcxDragAndDropArrow>(transparent);
    EXPECT_EQ(arrow->GetTransparent(), transparent);
    arrow->Init(Form, TRect(20, 30, 60, 50), Form->GetClientRect(), apRight);
    const TPoint p = Form->ClientToScreen(TPoint(60, 25));
    EXPECT_EQ(arrow->GetBoundsRect(), TRect(p.x, p.y, p.x + 9, p.y + 11));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    // Without the colour key the window itself has the arrow's shape.
    EXPECT_EQ(GetWindowRgn(arrow->GetHandle(), region) != ERROR, !transparent);
    if (!transparent) {
      EXPECT_TRUE(PtInRegion(region, 0, 5)) << "the tip";
      EXPECT_FALSE(PtInRegion(region, 0, 0));
    } else {
      EXPECT_TRUE(arrow->GetTransparentColor());
      EXPECT_EQ(arrow->GetTransparentColorValue(), clFuchsia);
    }
    DeleteObject(region);
    arrow->Free();
  }
}

TEST_F(DragImages, ASizeFrameIsABandAlongTheOutline) {
  auto* frame = New<TcxSizeFrame>(3);
  frame->HandleNeeded();
  frame->DrawSizeFrame(TRect(100, 100, 160, 140));
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(frame->GetHandle(), region), ERROR);
  EXPECT_TRUE(PtInRegion(region, 0, 0));
  EXPECT_TRUE(PtInRegion(region, 2, 20));
  EXPECT_FALSE(PtInRegion(region, 3, 20)) << "inside the band";
  EXPECT_TRUE(PtInRegion(region, 59, 39));
  EXPECT_FALSE(PtInRegion(region, 30, 20));
  // No room inside: the window keeps the shape it had.
  frame->DrawSizeFrame(TRect(100, 100, 106, 140));
  HRGN after = CreateRectRgn(0, 0, 0, 0);
  GetWindowRgn(frame->GetHandle(), after);
  EXPECT_TRUE(EqualRgn(region, after));
  DeleteObject(after);
  DeleteObject(region);
  frame->Free();
}

}  // namespace
