// Controls that paint on a canvas: the control canvas on a control's device context, the windowed
// TCustomControl and the non-windowed TGraphicControl.
#include "Controls.h"
#include "WinGdi.h"
#include "WinUser.h"

namespace Controls {

// ---- TControlCanvas ---------------------------------------------------------------------------------
IMPLEMENT_CLASS(TControlCanvas)

void TControlCanvas::Destroy() {
  FreeHandle();
  inherited::Destroy();
}

void TControlCanvas::SetControl(TControl* Value) {
  if (FControl == Value) return;
  FreeHandle();
  FControl = Value;
}

void TControlCanvas::FreeHandle() {
  if (!FDeviceContext) return;
  SetHandle(nullptr);
  ReleaseDC(FWindowHandle, FDeviceContext);
  FDeviceContext = nullptr;
  FWindowHandle = nullptr;
}

void TControlCanvas::CreateHandle() {
  if (!FControl) return;
  if (!FDeviceContext) FDeviceContext = FControl->GetDeviceContext(FWindowHandle);
  SetHandle(FDeviceContext);
}

// ---- TCustomControl ---------------------------------------------------------------------------------
IMPLEMENT_CLASS(TCustomControl)

void TCustomControl::Construct() {
  inherited::Construct();
  auto* canvas = New<TControlCanvas>();
  canvas->SetControl(this);
  FCanvas = canvas;
}

void TCustomControl::Destroy() {
  FreeAndNil(FCanvas);
  inherited::Destroy();
}

void TCustomControl::PaintWindow(HDC DC) {
  auto* canvas = static_cast<TControlCanvas*>(FCanvas);
  canvas->FreeHandle();
  canvas->Lock();
  canvas->SetHandle(DC);
  try {
    Paint();
  } catch (...) {
    canvas->SetHandle(nullptr);
    canvas->Unlock();
    throw;
  }
  canvas->SetHandle(nullptr);
  canvas->Unlock();
}

// ---- TGraphicControl --------------------------------------------------------------------------------
IMPLEMENT_CLASS(TGraphicControl)

void TGraphicControl::Construct() {
  inherited::Construct();
  auto* canvas = New<TControlCanvas>();
  canvas->SetControl(this);
  FCanvas = canvas;
}

void TGraphicControl::Destroy() {
  if (MouseControl() == this) SetMouseControl(nullptr);
  FreeAndNil(FCanvas);
  inherited::Destroy();
}

void TGraphicControl::Dispatch(TMessage& Message) {
  if (Message.Msg != WM_PAINT || !Message.WParam) {
    inherited::Dispatch(Message);
    return;
  }
  auto* canvas = static_cast<TControlCanvas*>(FCanvas);
  canvas->FreeHandle();
  canvas->Lock();
  canvas->SetHandle(reinterpret_cast<HDC>(Message.WParam));
  try {
    Paint();
  } catch (...) {
    canvas->SetHandle(nullptr);
    canvas->Unlock();
    throw;
  }
  canvas->SetHandle(nullptr);
  canvas->Unlock();
}

}  // namespace Controls
