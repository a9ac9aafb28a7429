// The contract between a grid and a date/time picker that it drops down for date-time cells. Only
// the abstract classes are here: an application that wants date-time drop-downs supplies a picker
// derived from TtsDateTimeDefComponent. What is implemented is the bookkeeping of the links through
// which grids register with a picker (counted per link) and the notice the picker gives its links
// when it is destroyed.
#pragma once

#include <vector>

#include "Closures.h"
#include "Components.h"
#include "Persistent.h"
#include "TypeInfoBase.h"

namespace Graphics {
class TFont;
}
namespace Controls {
class TWinControl;
}
namespace Variants {
class Variant;
}

namespace TSDateTimeDef {

using Variants::Variant;

PUBLISHED_ENUM(TtsDateTimeDisplay, dtDate, dtTime, dtDateTime)
PUBLISHED_ENUM(TtsFirstDayOfWeek, dowSunday, dowMonday)
PUBLISHED_ENUM(TtsShowDayNames, sdnNone, sdnFirstLetter, sdnShortDayNames)

class TtsDateTimeDefComponent;

// The settings of a picker's calendar, kept by the picker component and read and written through
// the picker's own accessors.
class TtsDateTimeProps : public TPersistent {
  DECLARE_CLASS(TtsDateTimeProps, TPersistent)
 public:
  TtsDateTimeDefComponent* GetComponent() const { return FComponent; }

  virtual Integer GetColor() = 0;
  virtual void SetColor(Integer Value) = 0;
  virtual Integer GetCalendarRows() = 0;
  virtual void SetCalendarRows(Integer Value) = 0;
  virtual TtsDateTimeDisplay GetDateTimeDisplay() = 0;
  virtual void SetDateTimeDisplay(TtsDateTimeDisplay Value) = 0;
  virtual Integer GetDayNameFontColor() = 0;
  virtual void SetDayNameFontColor(Integer Value) = 0;
  virtual Integer GetDisabledFontColor() = 0;
  virtual void SetDisabledFontColor(Integer Value) = 0;
  virtual TtsFirstDayOfWeek GetFirstDayOfWeek() = 0;
  virtual void SetFirstDayOfWeek(TtsFirstDayOfWeek Value) = 0;
  virtual Graphics::TFont* GetFont() = 0;
  virtual void SetFont(Graphics::TFont* Value) = 0;
  virtual bool GetParentFont() = 0;
  virtual void SetParentFont(bool Value) = 0;
  virtual Integer GetLineColor() = 0;
  virtual void SetLineColor(Integer Value) = 0;
  virtual TDateTime GetMaxDate() = 0;
  virtual void SetMaxDate(TDateTime Value) = 0;
  virtual TDateTime GetMinDate() = 0;
  virtual void SetMinDate(TDateTime Value) = 0;
  virtual Integer GetMonthColor() = 0;
  virtual void SetMonthColor(Integer Value) = 0;
  virtual Integer GetMonthFontColor() = 0;
  virtual void SetMonthFontColor(Integer Value) = 0;
  virtual String GetOkCaption() = 0;
  virtual void SetOkCaption(const String& Value) = 0;
  virtual String GetCancelCaption() = 0;
  virtual void SetCancelCaption(const String& Value) = 0;
  virtual String GetCaption() = 0;
  virtual void SetCaption(const String& Value) = 0;
  virtual bool GetSelectSaturday() = 0;
  virtual void SetSelectSaturday(bool Value) = 0;
  virtual bool GetSelectSunday() = 0;
  virtual void SetSelectSunday(bool Value) = 0;
  virtual TtsShowDayNames GetShowDayNames() = 0;
  virtual void SetShowDayNames(TtsShowDayNames Value) = 0;
  virtual bool GetShowSeconds() = 0;
  virtual void SetShowSeconds(bool Value) = 0;
  virtual bool GetShowToday() = 0;
  virtual void SetShowToday(bool Value) = 0;
  virtual bool GetShowWeekNumbers() = 0;
  virtual void SetShowWeekNumbers(bool Value) = 0;
  virtual bool GetShowSingleMonth() = 0;
  virtual void SetShowSingleMonth(bool Value) = 0;
  virtual Integer GetWeekFontColor() = 0;
  virtual void SetWeekFontColor(Integer Value) = 0;
  // Public, not published.
  virtual Variant GetDateTime() = 0;
  virtual void SetDateTime(const Variant& Value) = 0;
  virtual bool GetPopupForm() = 0;
  virtual void SetPopupForm(bool Value) = 0;

 protected:
  explicit TtsDateTimeProps(TtsDateTimeDefComponent* AComponent = nullptr) : FComponent(AComponent) {}

 private:
  TtsDateTimeDefComponent* FComponent;
};

// The grid side of a link; the grid's own link is told when the picker goes.
class TtsDateTimeLink : public TPersistent {
  DECLARE_CLASS(TtsDateTimeLink, TPersistent)
 public:
  // Registers (once more) with the picker, and takes one registration back.
  void Add(TtsDateTimeDefComponent* Component);
  void Remove(TtsDateTimeDefComponent* Component);
  virtual void DateTimeDefDeleted(TtsDateTimeDefComponent* Component) {}

 protected:
  TtsDateTimeLink() = default;
};

class TtsDateTimeDefComponent : public TComponent {
  DECLARE_CLASS(TtsDateTimeDefComponent, TComponent)
 public:
  explicit TtsDateTimeDefComponent(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

  virtual Controls::TWinControl* GetControl() = 0;
  virtual void SetSelect(TNotifyEvent Value) = 0;  // the user accepts a date
  virtual TNotifyEvent GetSelect() = 0;
  virtual void SetCancel(TNotifyEvent Value) = 0;  // the user cancels
  virtual TNotifyEvent GetCancel() = 0;
  virtual void SetDateTime(const Variant& Value) = 0;
  virtual Variant GetDateTime() = 0;
  virtual void SetDateTimeDisplay(TtsDateTimeDisplay Value) = 0;
  virtual TtsDateTimeDisplay GetDateTimeDisplay() = 0;
  virtual void SetPopupForm(bool Value) = 0;
  virtual bool GetPopupForm() = 0;
  virtual void SetDateTimeProps(TtsDateTimeProps* Value) = 0;
  virtual TtsDateTimeProps* GetDateTimeProps() = 0;
  virtual void InitializeDisplay() = 0;
  virtual void InitializeFocus() = 0;

  // A link already registered counts once more; a new one starts at 1.
  void AddLink(TtsDateTimeLink* Link);
  // One registration less; the link goes at 0, or at once with RemoveAll.
  void RemoveLink(TtsDateTimeLink* Link, bool RemoveAll);
  // Tells every registered link, in order, that this picker goes.
  void NotifyLinks();
  Integer LinkCount() const { return static_cast<Integer>(FLinks.size()); }
  Integer LinkUses(TtsDateTimeLink* Link) const;  // 0 for a link not registered

 protected:
  void Destroy() override;

 private:
  std::vector<TtsDateTimeLink*> FLinks;
  std::vector<Integer> FCounts;
};

}  // namespace TSDateTimeDef

using namespace TSDateTimeDef;
