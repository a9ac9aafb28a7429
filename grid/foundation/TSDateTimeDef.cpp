#include "TSDateTimeDef.h"

#include <algorithm>

#include "Graphics.h"
#include "TypInfo.h"
#include "Variants.h"

namespace TSDateTimeDef {

IMPLEMENT_ABSTRACT_CLASS_PUBLISHED(TtsDateTimeProps) {
  d.Property("Color", &TtsDateTimeProps::GetColor, &TtsDateTimeProps::SetColor).Type(ColorTypeInfo());
  d.Property("CalendarRows", &TtsDateTimeProps::GetCalendarRows, &TtsDateTimeProps::SetCalendarRows);
  d.Property("DateTimeDisplay", &TtsDateTimeProps::GetDateTimeDisplay, &TtsDateTimeProps::SetDateTimeDisplay);
  d.Property("DayNameFontColor", &TtsDateTimeProps::GetDayNameFontColor, &TtsDateTimeProps::SetDayNameFontColor)
      .Type(ColorTypeInfo());
  d.Property("DisabledFontColor", &TtsDateTimeProps::GetDisabledFontColor, &TtsDateTimeProps::SetDisabledFontColor)
      .Type(ColorTypeInfo());
  d.Property("FirstDayOfWeek", &TtsDateTimeProps::GetFirstDayOfWeek, &TtsDateTimeProps::SetFirstDayOfWeek);
  d.Property("Font", &TtsDateTimeProps::GetFont, &TtsDateTimeProps::SetFont);
  d.Property("ParentFont", &TtsDateTimeProps::GetParentFont, &TtsDateTimeProps::SetParentFont);
  d.Property("LineColor", &TtsDateTimeProps::GetLineColor, &TtsDateTimeProps::SetLineColor).Type(ColorTypeInfo());
  d.Property("MaxDate", &TtsDateTimeProps::GetMaxDate, &TtsDateTimeProps::SetMaxDate);
  d.Property("MinDate", &TtsDateTimeProps::GetMinDate, &TtsDateTimeProps::SetMinDate);
  d.Property("MonthColor", &TtsDateTimeProps::GetMonthColor, &TtsDateTimeProps::SetMonthColor).Type(ColorTypeInfo());
  d.Property("MonthFontColor", &TtsDateTimeProps::GetMonthFontColor, &TtsDateTimeProps::SetMonthFontColor)
      .Type(ColorTypeInfo());
  d.Property("OkCaption", &TtsDateTimeProps::GetOkCaption, &TtsDateTimeProps::SetOkCaption);
  d.Property("CancelCaption", &TtsDateTimeProps::GetCancelCaption, &TtsDateTimeProps::SetCancelCaption);
  d.Property("Caption", &TtsDateTimeProps::GetCaption, &TtsDateTimeProps::SetCaption);
  d.Property("SelectSaturday", &TtsDateTimeProps::GetSelectSaturday, &TtsDateTimeProps::SetSelectSaturday);
  d.Property("SelectSunday", &TtsDateTimeProps::GetSelectSunday, &TtsDateTimeProps::SetSelectSunday);
  d.Property("ShowDayNames", &TtsDateTimeProps::GetShowDayNames, &TtsDateTimeProps::SetShowDayNames);
  d.Property("ShowSeconds", &TtsDateTimeProps::GetShowSeconds, &TtsDateTimeProps::SetShowSeconds);
  d.Property("ShowToday", &TtsDateTimeProps::GetShowToday, &TtsDateTimeProps::SetShowToday);
  d.Property("ShowWeekNumbers", &TtsDateTimeProps::GetShowWeekNumbers, &TtsDateTimeProps::SetShowWeekNumbers);
  d.Property("ShowSingleMonth", &TtsDateTimeProps::GetShowSingleMonth, &TtsDateTimeProps::SetShowSingleMonth);
  d.Property("WeekFontColor", &TtsDateTimeProps::GetWeekFontColor, &TtsDateTimeProps::SetWeekFontColor)
      .Type(ColorTypeInfo());
}
IMPLEMENT_CLASS(TtsDateTimeLink)
IMPLEMENT_ABSTRACT_CLASS(TtsDateTimeDefComponent)

void TtsDateTimeLink::Add(TtsDateTimeDefComponent* Component) {
  if (Component) Component->AddLink(this);
}

void TtsDateTimeLink::Remove(TtsDateTimeDefComponent* Component) {
  if (Component) Component->RemoveLink(this, false);
}

void TtsDateTimeDefComponent::Destroy() {
  NotifyLinks();
  FLinks.clear();
  FCounts.clear();
  inherited::Destroy();
}

void TtsDateTimeDefComponent::AddLink(TtsDateTimeLink* Link) {
  auto it = std::find(FLinks.begin(), FLinks.end(), Link);
  if (it != FLinks.end()) {
    ++FCounts[static_cast<size_t>(it - FLinks.begin())];
    return;
  }
  FLinks.push_back(Link);
  FCounts.push_back(1);
}

void TtsDateTimeDefComponent::RemoveLink(TtsDateTimeLink* Link, bool RemoveAll) {
  auto it = std::find(FLinks.begin(), FLinks.end(), Link);
  if (it == FLinks.end()) return;
  size_t at = static_cast<size_t>(it - FLinks.begin());
  if (--FCounts[at] > 0 && !RemoveAll) return;
  FLinks.erase(it);
  FCounts.erase(FCounts.begin() + static_cast<std::ptrdiff_t>(at));
}

Integer TtsDateTimeDefComponent::LinkUses(TtsDateTimeLink* Link) const {
  auto it = std::find(FLinks.begin(), FLinks.end(), Link);
  return it == FLinks.end() ? 0 : FCounts[static_cast<size_t>(it - FLinks.begin())];
}

void TtsDateTimeDefComponent::NotifyLinks() {
  // A copy: a link told of the picker's end may take itself off the list.
  std::vector<TtsDateTimeLink*> links = FLinks;
  for (TtsDateTimeLink* link : links) link->DateTimeDefDeleted(this);
}

}  // namespace TSDateTimeDef
