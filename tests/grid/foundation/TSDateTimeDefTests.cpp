#include <gtest/gtest.h>

#include <vector>

#include "Graphics.h"
#include "TSDateTimeDef.h"
#include "TypInfo.h"
#include "Variants.h"

namespace {

std::vector<String> Log;

// The least picker that can exist: the grid side only needs the links.
class TTestPicker : public TtsDateTimeDefComponent {
  DECLARE_CLASS(TTestPicker, TtsDateTimeDefComponent)
 public:
  explicit TTestPicker(TComponent* AOwner = nullptr) : TtsDateTimeDefComponent(AOwner) {}
  Controls::TWinControl* GetControl() override { return nullptr; }
  void SetSelect(TNotifyEvent) override {}
  TNotifyEvent GetSelect() override { return {}; }
  void SetCancel(TNotifyEvent) override {}
  TNotifyEvent GetCancel() override { return {}; }
  void SetDateTime(const Variant& Value) override { FValue = Value; }
  Variant GetDateTime() override { return FValue; }
  void SetDateTimeDisplay(TtsDateTimeDisplay) override {}
  TtsDateTimeDisplay GetDateTimeDisplay() override { return dtDate; }
  void SetPopupForm(bool) override {}
  bool GetPopupForm() override { return false; }
  void SetDateTimeProps(TtsDateTimeProps*) override {}
  TtsDateTimeProps* GetDateTimeProps() override { return nullptr; }
  void InitializeDisplay() override {}
  void InitializeFocus() override {}

 private:
  Variant FValue;
};
IMPLEMENT_CLASS(TTestPicker)

class TTestLink : public TtsDateTimeLink {
  DECLARE_CLASS(TTestLink, TtsDateTimeLink)
 public:
  String Name;
  void DateTimeDefDeleted(TtsDateTimeDefComponent* Component) override {
    Log.push_back(Name + " " + Component->GetName());
  }
};
IMPLEMENT_CLASS(TTestLink)

TEST(TtsDateTimeDefComponent, CountsLinksAndTellsThemWhenItGoes) {
  Log.clear();
  TtsDateTimeDefComponent* picker = New<TTestPicker>(nullptr);
  picker->SetName("Picker");
  TOwnedPtr<TTestLink> a(New<TTestLink>()), b(New<TTestLink>());
  a->Name = "a";
  b->Name = "b";
  a->Add(picker);
  a->Add(picker);
  a->Remove(picker);
  EXPECT_EQ(picker->LinkUses(a.get()), 1);
  a->Remove(picker);
  EXPECT_EQ(picker->LinkCount(), 0);
  a->Remove(picker);
  a->Add(nullptr);
  EXPECT_EQ(picker->LinkCount(), 0);

  for (int i = 0; i < 3; ++i) b->Add(picker);
  picker->RemoveLink(b.get(), true);
  EXPECT_EQ(picker->LinkUses(b.get()), 0);

  b->Add(picker);
  a->Add(picker);
  a->Add(picker);
  picker->Free();
  EXPECT_EQ(Log, (std::vector<String>{"b Picker", "a Picker"})) << "each link once, first registered first";
}

TEST(TtsDateTimeProps, PublishesTheCalendarSettings) {
  for (const char* name : {"Color", "CalendarRows", "DateTimeDisplay", "FirstDayOfWeek", "Font", "MaxDate", "MinDate",
                           "OkCaption", "ShowDayNames", "ShowWeekNumbers", "WeekFontColor"})
    EXPECT_NE(GetPropInfo(TtsDateTimeProps::StaticClass(), name), nullptr) << name;
  EXPECT_EQ(GetPropInfo(TtsDateTimeProps::StaticClass(), "DateTime"), nullptr) << "public, not published";
  EXPECT_EQ(GetEnumName(GetPropInfo(TtsDateTimeProps::StaticClass(), "ShowDayNames")->PropType, 2), "sdnShortDayNames");
}

}  // namespace
