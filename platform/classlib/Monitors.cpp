// The desktop's monitor: one, covering the virtual screen.
#include "Forms.h"
#include "WinMetrics.h"

namespace Forms {

IMPLEMENT_CLASS(TMonitor)

TMonitor* DesktopMonitor() {
  static TMonitor* monitor = [] {
    auto* m = New<TMonitor>();
    m->FHandle = WinMetrics::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    return m;
  }();
  return monitor;
}

TRect TMonitor::GetBoundsRect() const {
  MONITORINFO info;
  if (FHandle && GetMonitorInfoA(FHandle, &info)) return TRect(info.rcMonitor);
  return TRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

TRect TMonitor::GetWorkareaRect() const {
  MONITORINFO info;
  if (FHandle && GetMonitorInfoA(FHandle, &info)) return TRect(info.rcWork);
  return GetBoundsRect();
}

TMonitor* MonitorFromPoint(const TPoint& Point, TMonitorDefaultTo MonitorDefault) {
  TRect r = DesktopMonitor()->GetBoundsRect();
  bool inside = Point.x >= r.left && Point.x < r.right && Point.y >= r.top && Point.y < r.bottom;
  return inside || MonitorDefault != mdNull ? DesktopMonitor() : nullptr;
}

TMonitor* MonitorFromRect(const TRect& Rect, TMonitorDefaultTo MonitorDefault) {
  TRect r = DesktopMonitor()->GetBoundsRect();
  bool meets = Rect.left < r.right && Rect.right > r.left && Rect.top < r.bottom && Rect.bottom > r.top;
  return meets || MonitorDefault != mdNull ? DesktopMonitor() : nullptr;
}

}  // namespace Forms
