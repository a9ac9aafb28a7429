// The Forms unit's controls beneath the form: the scroll bars of a scrolling control, the scrolling
// control that forms and frames derive from, frames read from their own form resource (and placed
// inline in forms), and the desktop's monitor.
#pragma once

#include "Controls.h"

namespace WinMetrics {
struct HMONITOR__;
}

namespace Forms {

PUBLISHED_ENUM(TScrollBarKind, sbHorizontal, sbVertical)
using TScrollBarInc = Integer;  // 1..32767
class TScrollingWinControl;
class TCustomForm;

// One scroll bar of a scrolling control. Range is the extent of the content (computed from the
// children while AutoScroll is on); Position is how far the content is scrolled, kept between 0
// and Range less the visible extent. The bar shows when the content does not fit.
class TControlScrollBar : public TPersistent {
  DECLARE_CLASS(TControlScrollBar, TPersistent)
 public:
  explicit TControlScrollBar(TScrollingWinControl* Control = nullptr, TScrollBarKind Kind = sbHorizontal)
      : FControl(Control), FKind(Kind) {}
  void Assign(TPersistent* Source) override;
  TScrollBarKind GetKind() const { return FKind; }
  bool IsScrollBarVisible();
  Integer GetScrollPos() { return IsScrollBarVisible() ? FPosition : 0; }

  TScrollBarInc GetIncrement() const { return FIncrement; }
  void SetIncrement(TScrollBarInc Value) { FIncrement = std::max<Integer>(1, Value); }
  Integer GetMargin() const { return FMargin; }
  void SetMargin(Integer Value) { FMargin = std::max<Integer>(0, Value); }
  Integer GetPosition() const { return FPosition; }
  void SetPosition(Integer Value);
  Integer GetRange() const { return FRange; }
  void SetRange(Integer Value);  // a range set by hand turns AutoScroll off
  bool GetTracking() const { return FTracking; }
  void SetTracking(bool Value) { FTracking = Value; }
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  bool IsRangeStored() const;

 private:
  friend class TScrollingWinControl;
  Integer ControlSize();  // the visible extent along the bar
  void Update();
  void ScrollMessage(WORD Code, Integer Pos);
  void SetAutoRange(Integer Value);

  TScrollingWinControl* FControl;
  TScrollBarKind FKind;
  TScrollBarInc FIncrement = 8;
  Integer FMargin = 0;
  Integer FPosition = 0;
  Integer FRange = 0;
  bool FTracking = false;
  bool FVisible = true;
};

class TScrollingWinControl : public TWinControl {
  DECLARE_CLASS(TScrollingWinControl, TWinControl)
 public:
  explicit TScrollingWinControl(TComponent* AOwner = nullptr) : TWinControl(AOwner) {}
  void Dispatch(TMessage& Message) override;
  bool GetAutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool Value);
  TControlScrollBar* GetHorzScrollBar() const { return FHorzScrollBar; }
  void SetHorzScrollBar(TControlScrollBar* Value) { FHorzScrollBar->Assign(Value); }
  TControlScrollBar* GetVertScrollBar() const { return FVertScrollBar; }
  void SetVertScrollBar(TControlScrollBar* Value) { FVertScrollBar->Assign(Value); }
  // Scrolls so that the control (a descendant) is wholly visible, its margin included.
  void ScrollInView(TControl* AControl);
  void UpdateScrollBars();
  // Which bars the content needs, on the client area without the control's own bars.
  void NeededScrollBars(bool& Horz, bool& Vert);
  void ChangeScale(Integer M, Integer D) override;

 protected:
  friend class TControlScrollBar;
  friend class TCustomForm;
  void Construct() override;
  void Destroy() override;
  void CreateWnd() override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void AdjustClientRect(TRect& Rect) override;
  virtual void AutoScrollInView(TControl* AControl);
  // Scales the ranges set by hand (AutoScroll off); automatic ones follow the scaled children.
  void ScaleScrollBars(Integer M, Integer D);

 private:
  void CalcAutoRange();

  TControlScrollBar* FHorzScrollBar = nullptr;
  TControlScrollBar* FVertScrollBar = nullptr;
  bool FAutoScroll = true;
  bool FUpdatingScrollBars = false;
};

// A frame: a scrolling control with a form resource of its own, read when it is made; placed in a
// form's resource it is written inline (csInline), with only what differs from its own resource.
class TCustomFrame : public TScrollingWinControl {
  DECLARE_CLASS(TCustomFrame, TScrollingWinControl)
 public:
  explicit TCustomFrame(TComponent* AOwner = nullptr) : TScrollingWinControl(AOwner) {}
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;

 protected:
  void Construct() override;
};

class TFrame : public TCustomFrame {
  DECLARE_CLASS(TFrame, TCustomFrame)
 public:
  explicit TFrame(TComponent* AOwner = nullptr) : TCustomFrame(AOwner) {}
};

// ---- Monitors ---------------------------------------------------------------------------------------
enum TMonitorDefaultTo { mdNearest, mdNull, mdPrimary };

// The desktop is one monitor: the whole virtual screen, its work area without the task bar.
class TMonitor : public TObject {
  DECLARE_CLASS(TMonitor, TObject)
 public:
  WinMetrics::HMONITOR__* GetHandle() const { return FHandle; }
  Integer GetMonitorNum() const { return 0; }
  bool GetPrimary() const { return true; }
  TRect GetBoundsRect() const;
  TRect GetWorkareaRect() const;
  Integer GetLeft() const { return GetBoundsRect().left; }
  Integer GetTop() const { return GetBoundsRect().top; }
  Integer GetWidth() const { return GetBoundsRect().Width(); }
  Integer GetHeight() const { return GetBoundsRect().Height(); }

 private:
  friend TMonitor* DesktopMonitor();
  WinMetrics::HMONITOR__* FHandle = nullptr;
};

TMonitor* DesktopMonitor();
// The monitor holding Point; outside every monitor the nearest (mdNearest), none (mdNull) or the
// primary one (mdPrimary).
TMonitor* MonitorFromPoint(const TPoint& Point, TMonitorDefaultTo MonitorDefault = mdNearest);
TMonitor* MonitorFromRect(const TRect& Rect, TMonitorDefaultTo MonitorDefault = mdNearest);

}  // namespace Forms

using namespace Forms;
