#include "cxContainerTestSupport.h"

#include "GdiPng.h"
#include "GdiSurface.h"
#include "HeadlessBackend.h"

namespace cxContainerTest {

bool SaveWindowPngScaled(HWND AWnd, const String& AFileName, int AScale) {
  GdiSurface::TGdiSurface picture;
  if (!CaptureWindow(AWnd, picture)) return false;
  GdiSurface::TGdiSurface scaled(picture.Width() * AScale, picture.Height() * AScale);
  for (int y = 0; y < scaled.Height(); ++y)
    for (int x = 0; x < scaled.Width(); ++x) scaled.SetPixel(x, y, picture.Pixel(x / AScale, y / AScale));
  return SaveSurfaceToPng(scaled, AFileName);
}

IMPLEMENT_CLASS_PUBLISHED(TTestStyleController) {
  d.Property("Style", &TTestStyleController::GetStyleNormal, &TTestStyleController::SetStyleNormal);
  d.Property("StyleHot", &TTestStyleController::GetStyleHot, &TTestStyleController::SetStyleHot);
}

IMPLEMENT_CLASS(TTestInnerEdit)

void TTestInnerEdit::Dispatch(TMessage& Message) {
  inherited::Dispatch(Message);
  if ((Message.Msg == WM_SETFOCUS || Message.Msg == WM_KILLFOCUS) && Container)
    static_cast<TTestContainer*>(Container)->FocusChanged();
}

IMPLEMENT_CLASS(TTestContainer)

TWinControl* TTestContainer::AddInnerControl(bool AListBox) {
  TWinControl* inner;
  if (AListBox) {
    auto* list = CreateComponent<TTestInnerListBox>(this);
    list->Container = this;
    inner = list;
  } else {
    auto* edit = CreateComponent<TTestInnerEdit>(this);
    edit->Container = this;
    inner = edit;
  }
  inner->SetParent(this);
  if (auto* edit = dynamic_cast<TEdit*>(inner)) edit->SetBorderStyle(bsNone);
  if (auto* list = dynamic_cast<TListBox*>(inner)) list->SetBorderStyle(bsNone);
  SetInnerControl(inner);
  return inner;
}

TTestcxInnerListBox* TTestContainer::AddInnerListBox() {
  auto* list = CreateComponent<TTestcxInnerListBox>(this);
  list->SetParent(this);
  list->SetContainer(this);
  SetInnerControl(list);
  return list;
}

IMPLEMENT_CLASS(TTestInnerListBox)
IMPLEMENT_CLASS(TTestcxInnerListBox)

IMPLEMENT_CLASS(TTestPopup)

void TTestPopup::Construct() {
  inherited::Construct();
  Button = CreateComponent<TButton>(this);
  Button->SetParent(this);
  Button->SetBounds(4, 4, 80, 24);
  SetBounds(0, 0, 120, 60);
  SetAdjustable(false);
}

void TTestPopup::DoClosed() {
  Events.push_back("closed");
  inherited::DoClosed();
}

void TTestPopup::DoClosing() {
  Events.push_back("closing");
  inherited::DoClosing();
}

void TTestPopup::DoShowed() {
  Events.push_back("showed");
  inherited::DoShowed();
}

void TTestPopup::DoShowing() {
  Events.push_back("showing");
  inherited::DoShowing();
}

}  // namespace cxContainerTest
