// A transparent control's background: its parent, and the parent's windowed children that lie
// below it, painted into the control's canvas at the control's position.
#include <gtest/gtest.h>

#include "Controls.h"
#include "Forms.h"
#include "WinManage.h"
#include "cxGraphics.h"

namespace {

// Paints a red square at (10, 10) over its colour.
class TSquarePanel : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    GetCanvas()->GetBrush()->SetColor(clRed);
    GetCanvas()->FillRect(TRect(10, 10, 20, 20));
  }
};

struct TScene {
  TForm* Form = TCustomForm::CreateNew<TForm>(nullptr);
  TSquarePanel* Parent = New<TSquarePanel>(Form);
  TSquarePanel* Below = New<TSquarePanel>(Form);  // a child of Parent before the control
  TWinControl* Control = New<TWinControl>(Form);
  TSquarePanel* Above = New<TSquarePanel>(Form);  // a child after it: on top, not beneath
  TScene() {
    Parent->SetParent(Form);
    Parent->SetBounds(0, 0, 100, 100);
    Parent->SetColor(clBlue);
    for (TWinControl* c : {static_cast<TWinControl*>(Below), Control, static_cast<TWinControl*>(Above)})
      c->SetParent(Parent);
    Below->SetBounds(40, 40, 30, 30);
    Below->SetColor(clLime);
    Control->SetBounds(5, 5, 60, 60);
    Above->SetBounds(0, 0, 8, 8);
    Above->SetColor(clYellow);
  }
  ~TScene() { Form->Free(); }
};

TEST(cxDrawTransparentControlBackground, PaintsTheParentAndTheChildrenBelow) {
  TScene scene;
  auto target = NewOwned<TcxBitmap>(60, 60);
  cxDrawTransparentControlBackground(scene.Control, target->GetcxCanvas(), TRect(0, 0, 60, 60));
  TCanvas* c = target->GetCanvas();
  EXPECT_EQ(c->GetPixel(1, 1) & 0xFFFFFF, static_cast<uint32_t>(clBlue));   // the parent at (6, 6)
  EXPECT_EQ(c->GetPixel(6, 6) & 0xFFFFFF, static_cast<uint32_t>(clRed));    // the parent's square
  EXPECT_EQ(c->GetPixel(36, 36) & 0xFFFFFF, static_cast<uint32_t>(clLime)); // the child below
  EXPECT_EQ(c->GetPixel(46, 46) & 0xFFFFFF, static_cast<uint32_t>(clRed));  // its own square at (10, 10)
  EXPECT_EQ(c->GetPixel(0, 0) & 0xFFFFFF, static_cast<uint32_t>(clBlue));   // not the child above
  EXPECT_FALSE(scene.Parent->ControlState.Contains(csPaintCopy));
  EXPECT_EQ(scene.Above->Paints, 0);

  // Without the children only the parent is painted.
  auto alone = NewOwned<TcxBitmap>(60, 60);
  cxDrawTransparentControlBackground(scene.Control, alone->GetCanvas(), TRect(0, 0, 60, 60), false);
  EXPECT_EQ(alone->GetCanvas()->GetPixel(36, 36) & 0xFFFFFF, static_cast<uint32_t>(clBlue));
}

TEST(cxDrawTransparentControlBackground, NothingWithoutAParentOrOutsideTheClip) {
  TScene scene;
  auto target = NewOwned<TcxBitmap>(10, 10);
  cxDrawTransparentControlBackground(scene.Form, target->GetcxCanvas(), TRect(0, 0, 10, 10));
  EXPECT_EQ(target->GetCanvas()->GetPixel(1, 1) & 0xFFFFFF, 0u);
  int before = scene.Parent->Paints;
  cxDrawTransparentControlBackground(scene.Control, target->GetcxCanvas(), TRect(200, 200, 210, 210));
  EXPECT_EQ(scene.Parent->Paints, before);
}

}  // namespace
