#include "cxControlsTestSupport.h"

namespace cxControlsTest {

IMPLEMENT_CLASS(TScrollingControl)

void TScrollingControl::Paint() {
  inherited::Paint();
  TcxCanvas* canvas = GetCanvas();
  const TRect client = GetClientBounds();
  canvas->FillRect(client, clWindow);
  const Integer dx = GetHScrollBarVisible() ? GetHScrollBar()->GetPosition() : 0;
  const Integer dy = GetVScrollBarVisible() ? GetVScrollBar()->GetPosition() : 0;
  for (Integer x = 20 - dx % 20; x < client.Width(); x += 20)
    canvas->FillRect(TRect(client.left + x, client.top, client.left + x + 1, client.bottom), clSilver);
  for (Integer y = 20 - dy % 20; y < client.Height(); y += 20)
    canvas->FillRect(TRect(client.left, client.top + y, client.right, client.top + y + 1), clSilver);
}

}  // namespace cxControlsTest
