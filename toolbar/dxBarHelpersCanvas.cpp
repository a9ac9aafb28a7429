// The shared drawing surface of the toolbar unit.
#include "dxBarHelpers.h"

#include "Graphics.h"
#include "WinGdi.h"
#include "dxBarUnit.h"

namespace dxBar {

IMPLEMENT_CLASS(TdxBarCanvas)

void TdxBarCanvas::Construct() {
  inherited::Construct();
  FOwnCanvas = New<TCanvas>();
  SetCanvas(FOwnCanvas);
}

void TdxBarCanvas::Destroy() {
  while (!FStates.empty()) EndPaint();
  FOwnCanvas->SetHandle(nullptr);
  SetCanvas(nullptr);
  FreeAndNil(FOwnCanvas);
  inherited::Destroy();
}

void TdxBarCanvas::BeginPaint(HDC DC) {
  TdxBarCanvasState state{nullptr, FOwnCanvas->HandleAllocated() ? FOwnCanvas->GetHandle() : nullptr, DC, 0, false};
  // A device-context paint inside a canvas paint draws on the own canvas again.
  if (GetCanvas() != FOwnCanvas) {
    state.Canvas = GetCanvas();
    SetCanvas(FOwnCanvas);
  }
  if (state.PrevDC) {
    SaveState();
    state.StateSaved = true;
  }
  state.SavedDC = ::SaveDC(DC);
  FOwnCanvas->SetHandle(DC);
  SynchronizeObjects(DC);
  FStates.push_back(state);
}

void TdxBarCanvas::BeginPaint(TCanvas* ACanvas) {
  FStates.push_back(TdxBarCanvasState{GetCanvas(), nullptr, nullptr, 0, false});
  SetCanvas(ACanvas);
  SaveClipRegion();
  SaveState();
}

void TdxBarCanvas::EndPaint() {
  if (FStates.empty()) return;
  const TdxBarCanvasState state = FStates.back();
  FStates.pop_back();
  if (!state.DC) {
    RestoreState();
    RestoreClipRegion();
    SetCanvas(state.Canvas);
    return;
  }
  FOwnCanvas->SetHandle(state.PrevDC);
  ::RestoreDC(state.DC, state.SavedDC);
  if (state.StateSaved) RestoreState();
  if (state.Canvas) SetCanvas(state.Canvas);
}

namespace {
TdxBarCanvas* FBarCanvas = nullptr;
bool FBarCanvasStopped = false;
}  // namespace

TdxBarCanvas* BarCanvas() {
  if (!FBarCanvas && !FBarCanvasStopped && !IsFinalizing()) FBarCanvas = New<TdxBarCanvas>();
  return FBarCanvas;
}

void StartBarCanvas() { FBarCanvasStopped = false; }

void FreeBarCanvas() {
  FBarCanvasStopped = true;
  dxFreeAndNil(FBarCanvas);
}

}  // namespace dxBar
