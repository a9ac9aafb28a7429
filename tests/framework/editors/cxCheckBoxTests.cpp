// The check box editor: values and states, the state values' rules, toggling by the mouse, the space
// key and an action, streaming of a pending state and of the older caption, the layout of the box and
// its caption, and a picture of boxes in their states.
#include "ActnList.h"
#include "ObjectText.h"
#include "Streams.h"
#include "WinUser.h"
#include "cxCheckBox.h"
#include "cxEditTestSupport.h"
#include "cxVariants.h"

namespace {

using cxEditTest::TEditFixture;

TEST(cxCheckBoxProperties, ValuesReadAsStatesAndTexts) {
  TOwnedPtr<TcxCheckBoxProperties> properties(New<TcxCheckBoxProperties>(nullptr));
  struct Case {
    Variant Value;
    TcxCheckBoxState State;
    const char* Text;
  };
  const Case cases[] = {
      {Variant(true), cbsChecked, "True"},     {Variant("True"), cbsChecked, "True"},
      {Variant(false), cbsUnchecked, "False"}, {Variant("False"), cbsUnchecked, "False"},
      {Null(), cbsGrayed, ""},                 {Variant(Integer(1)), cbsGrayed, ""},
      {Variant("yes"), cbsGrayed, ""},         {Variant(), cbsGrayed, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(properties->GetState(c.Value), c.State) << VarToStr(c.Value);
    EXPECT_EQ(properties->GetDisplayText(c.Value), c.Text) << VarToStr(c.Value);
  }
  EXPECT_TRUE(properties->CompareDisplayValues(Variant("True"), Variant(true)));
  EXPECT_FALSE(properties->CompareDisplayValues(Null(), Variant(false)));
  TcxEditValue value = Variant("True");
  EXPECT_FALSE(properties->IsEditValueValid(value, false)) << "only the state values themselves are valid";
  value = Variant(true);
  EXPECT_TRUE(properties->IsEditValueValid(value, false));
  value = Null();
  EXPECT_TRUE(properties->IsEditValueValid(value, false));

  // Integer values with an explicit grayed value: any other value still reads grayed.
  properties->SetStateValues(Variant(Integer(1)), Variant(Integer(2)), Variant(Integer(0)));
  EXPECT_EQ(properties->GetState(Variant(Integer(1))), cbsChecked);
  EXPECT_EQ(properties->GetState(Variant(Integer(0))), cbsUnchecked);
  EXPECT_EQ(properties->GetState(Variant(Integer(7))), cbsGrayed);
  EXPECT_EQ(properties->GetState(Variant(true)), cbsGrayed) << "a Boolean compares by its text";
}

TEST(cxCheckBoxProperties, StateValuesRefuseNullAndValuesOfAnotherState) {
  TOwnedPtr<TcxCheckBoxProperties> properties(New<TcxCheckBoxProperties>(nullptr));
  Integer changes = 0;
  properties->OnPropertiesChanged = TNotifyEvent([&](TObject*) { ++changes; });
  properties->SetValueUnchecked(Variant(true));
  EXPECT_TRUE(VarEqualsExact(properties->GetValueUnchecked(), Variant(false))) << "the checked value is taken";
  properties->SetValueChecked(Null());
  EXPECT_TRUE(VarEqualsExact(properties->GetValueChecked(), Variant(true)));
  properties->SetValueGrayed(Variant(false));
  EXPECT_TRUE(VarIsNull(properties->GetValueGrayed()));
  EXPECT_EQ(changes, 0);
  properties->SetValueGrayed(Variant("?"));
  EXPECT_EQ(VarToStr(properties->GetValueGrayed()), "?");
  properties->SetValueGrayed(Null());
  EXPECT_TRUE(VarIsNull(properties->GetValueGrayed())) << "the grayed value may be Null";
  EXPECT_EQ(changes, 2);

  properties->SetStateValues(Variant("Y"), Null(), Variant("Y"));
  properties->SetStateValues(Null(), Variant("G"), Variant("N"));
  EXPECT_TRUE(VarEqualsExact(properties->GetValueChecked(), Variant(true))) << "refused pairs change nothing";
  properties->SetStateValues(Variant("N"), Null(), Variant(true));
  EXPECT_EQ(VarToStr(properties->GetValueChecked()), "N");
  EXPECT_EQ(changes, 3);

  TOwnedPtr<TcxCheckBoxProperties> copy(New<TcxCheckBoxProperties>(nullptr));
  properties->SetCaption("x");
  properties->SetAllowGrayed(true);
  copy->Assign(properties.get());
  EXPECT_EQ(VarToStr(copy->GetValueChecked()), "N");
  EXPECT_TRUE(copy->GetAllowGrayed());
  EXPECT_EQ(copy->GetCaption(), "") << "the caption is not copied";
}

class cxCheckBoxFixture : public TEditFixture {
 protected:
  TcxCheckBox* AddCheckBox(const String& ACaption, int x = 10, int y = 10, int w = 140, int h = 21) {
    auto* box = Add<TcxCheckBox>(x, y, w, h);
    box->SetCaption(ACaption);
    box->GetStyle()->GetLookAndFeel()->SetNativeStyle(false);
    box->GetStyle()->SetBorderStyle(ebsFlat);
    box->SetTransparent(false);
    return box;
  }
  void Listen(TcxCheckBox* ABox) {
    ABox->SetOnClick(LogEvent("click"));
    ABox->GetProperties()->OnChange = LogEvent("change");
  }
};

TEST_F(cxCheckBoxFixture, TogglingCyclesThroughGrayedOnlyWhenAllowed) {
  TcxCheckBox* box = AddCheckBox("A");
  Listen(box);
  EXPECT_EQ(box->GetState(), cbsUnchecked) << "a new box starts unchecked";
  box->Toggle();
  box->Toggle();
  EXPECT_EQ(box->GetState(), cbsUnchecked);
  EXPECT_EQ(Log, (std::vector<String>{"click", "change", "click", "change"}));
  box->GetProperties()->SetAllowGrayed(true);
  std::vector<TcxCheckBoxState> seen;
  for (int i = 0; i < 3; ++i) {
    box->Toggle();
    seen.push_back(box->GetState());
  }
  EXPECT_EQ(seen, (std::vector<TcxCheckBoxState>{cbsGrayed, cbsChecked, cbsUnchecked}));
  box->SetChecked(true);
  EXPECT_TRUE(VarEqualsExact(box->GetEditValue(), Variant(true)));
  box->Clear();
  EXPECT_FALSE(box->GetChecked());

  // A refused edit leaves the state.
  box->SetOnEditing(TcxEditEditingEvent([](TObject*, bool& ACanEdit) { ACanEdit = false; }));
  box->Toggle();
  EXPECT_EQ(box->GetState(), cbsUnchecked);
}

TEST_F(cxCheckBoxFixture, TheSpaceKeyTogglesOnReleaseAndTheMouseOnReleaseOverTheBox) {
  TcxCheckBox* box = AddCheckBox("A");
  ShowForm();
  box->SetFocus();
  Application->ProcessMessages();
  box->Perform(WM_KEYDOWN, VK_SPACE, 0);
  Application->ProcessMessages();
  EXPECT_EQ(box->GetCheckBoxViewInfo()->CheckBoxCheckState, ecsPressed);
  EXPECT_FALSE(box->GetChecked()) << "nothing toggles while the key is down";
  box->Perform(WM_CHAR, ' ', 0);
  box->Perform(WM_KEYUP, VK_SPACE, 0);
  Application->ProcessMessages();
  EXPECT_TRUE(box->GetChecked());
  EXPECT_EQ(box->GetCheckBoxViewInfo()->CheckBoxCheckState, ecsNormal);

  const TRect check = box->GetCheckBoxViewInfo()->CheckBoxRect;
  const TPoint centre((check.left + check.right) / 2, (check.top + check.bottom) / 2);
  Press(box, centre.x, centre.y);
  EXPECT_EQ(box->GetCheckBoxViewInfo()->CheckBoxCheckState, ecsPressed);
  EXPECT_TRUE(box->GetChecked());
  Release(box, centre.x, centre.y);
  EXPECT_FALSE(box->GetChecked());
  EXPECT_EQ(box->GetCheckBoxViewInfo()->CheckBoxCheckState, ecsHot);
  // Released outside: no toggle.
  Press(box, centre.x, centre.y);
  Release(box, 200, 200);
  EXPECT_FALSE(box->GetChecked());
}

TEST_F(cxCheckBoxFixture, DisplayValuesOutsideTheStatesLeaveTheValueUnassigned) {
  TcxCheckBox* box = AddCheckBox("A");
  box->GetProperties()->SetValueGrayed(Variant("?"));
  struct Case {
    Variant Display;
    const char* Value;
  };
  for (const Case& c : {Case{Variant(Integer(0)), "False"}, Case{Variant(Integer(1)), "True"},
                        Case{Variant(Integer(2)), "?"}}) {
    TcxEditValue value;
    box->PrepareEditValue(c.Display, value, false);
    EXPECT_EQ(VarToStr(value), c.Value);
  }
  for (const Variant& display : {Variant(Integer(3)), Variant(Integer(-1)), Variant("x"), Null()}) {
    TcxEditValue value = Variant("kept?");
    box->PrepareEditValue(display, value, false);
    EXPECT_TRUE(VarIsEmpty(value)) << VarToStr(display);
  }
}

TEST_F(cxCheckBoxFixture, AnInplaceBoxTogglesOnTheKeyPress) {
  auto* box = New<TcxCheckBox>(Form, true);
  box->SetParent(Form);
  box->SetBounds(10, 10, 40, 20);
  ShowForm();
  box->Perform(WM_CHAR, ' ', 0);
  EXPECT_TRUE(box->GetChecked());
  EXPECT_TRUE(box->GetProperties()->IsActivationKey(' '));
  EXPECT_FALSE(box->GetProperties()->IsActivationKey('a'));
}

TEST_F(cxCheckBoxFixture, ALinkedActionSetsTheStateSilentlyAndKeepsItFromTheStream) {
  TcxCheckBox* box = AddCheckBox("A");
  auto* action = CreateComponent<ActnList::TAction>(Form);
  action->SetCaption("Linked");
  action->SetChecked(true);
  Listen(box);
  box->SetAction(action);
  EXPECT_TRUE(box->GetChecked());
  EXPECT_EQ(box->GetCaption(), "Linked");
  action->SetChecked(false);
  EXPECT_FALSE(box->GetChecked());
  EXPECT_TRUE(Log.empty()) << "neither OnClick nor OnChange";
  EXPECT_FALSE(box->IsStateStored());
  box->SetState(cbsGrayed);
  EXPECT_TRUE(box->IsStateStored());
  action->SetChecked(true);
  EXPECT_EQ(box->GetState(), cbsGrayed) << "a grayed box is not linked";
}

TEST_F(cxCheckBoxFixture, AStreamedStateIsAppliedAfterLoadingWithoutEvents) {
  const String binary = ObjectTextToBinaryString(R"(object cbOld: TcxCheckBox
  Left = 4
  Top = 8
  Properties.Caption = 'Old'
  Properties.ValueChecked = 'Y'
  Properties.ValueUnchecked = 'N'
  State = cbsChecked
  TabOrder = 0
  Width = 90
end
)");
  TOwnedPtr<TcxCheckBox> box(New<TcxCheckBox>(nullptr));
  box->SetOnClick(LogEvent("click"));
  TOwnedPtr<TMemoryStream> in = NewOwned<TMemoryStream>();
  in->WriteBuffer(binary.data(), static_cast<Integer>(binary.size()));
  in->SetPosition(0);
  in->ReadComponent(box.get());
  EXPECT_EQ(box->GetState(), cbsChecked);
  EXPECT_EQ(VarToStr(box->GetEditValue()), "Y");
  EXPECT_TRUE(Log.empty());
  EXPECT_EQ(box->GetCaption(), "Old") << "an older caption in the settings reaches the control";

  TOwnedPtr<TMemoryStream> out = NewOwned<TMemoryStream>();
  out->WriteComponent(box.get());
  const String text = ObjectBinaryToTextString(String(static_cast<const char*>(out->GetMemory()), out->GetSize()));
  EXPECT_NE(text.find("State = cbsChecked"), String::npos) << text;
  EXPECT_EQ(text.find("Properties.Caption"), String::npos) << text;
  EXPECT_EQ(text.find("\n  Checked ="), String::npos) << text;
  EXPECT_NE(text.find("Properties.ValueChecked = 'Y'"), String::npos) << text;
  EXPECT_EQ(text.find("DisplayChecked"), String::npos) << text;
}

TEST_F(cxCheckBoxFixture, LayoutPlacesTheBoxAndCaptionByAlignment) {
  struct Case {
    TAlignment Alignment;
    bool Inplace;
    const char* Caption;
  };
  const Case cases[] = {
      {taLeftJustify, false, "Caption"}, {taRightJustify, false, "Caption"},
      {taCenter, false, "Caption"},      {taLeftJustify, true, ""},
  };
  for (const Case& c : cases) {
    TOwnedPtr<TcxCheckBoxProperties> properties(New<TcxCheckBoxProperties>(nullptr));
    properties->SetHorzAlignment(c.Alignment);
    TOwnedPtr<TcxEditStyleController> controller(New<TcxEditStyleController>(nullptr));
    controller->GetStyle()->GetLookAndFeel()->SetNativeStyle(false);
    controller->GetStyle()->SetBorderStyle(ebsFlat);
    TOwnedPtr<TcxCustomEditViewData> data(properties->CreateViewData(controller->GetStyle(), c.Inplace));
    TOwnedPtr<TcxCustomCheckBoxViewInfo> info(static_cast<TcxCustomCheckBoxViewInfo*>(
        TcxContainerViewInfo::Create(TcxCustomCheckBoxViewInfo::StaticClass())));
    info->Text = c.Caption;
    data->Calculate(cxScreenCanvas(), TRect(0, 0, 120, 21), TPoint(-1, -1), cxmbNone, {}, info.get(), false);
    data->EditValueToDrawValue(cxScreenCanvas(), Variant(true), info.get());
    const TRect k = cxRectOffset(info->CheckBoxRect, -info->ClientRect.left, 0);
    const TRect t = cxRectOffset(info->TextRect, -info->ClientRect.left, 0);
    const Integer width = info->ClientRect.Width();
    EXPECT_EQ(info->State, cbsChecked);
    EXPECT_EQ(k.Width(), 13) << c.Alignment;
    if (c.Inplace) {
      EXPECT_EQ(info->Alignment, taCenter) << "an in-place box without caption is centred";
      EXPECT_EQ(k.left, (width - 13) / 2);
    } else if (c.Alignment == taLeftJustify) {
      EXPECT_EQ(k.left, 2);
      EXPECT_EQ(t.left, k.right + 3);
    } else if (c.Alignment == taRightJustify) {
      EXPECT_EQ(k.right, width - 2);
      EXPECT_EQ(t.right, k.left - 3);
    } else {
      EXPECT_EQ(k.left, 2 + (width - 4 - 13) / 2);
    }
  }

  // A box wider than the client leaves no room for a caption.
  TOwnedPtr<TcxCheckBoxProperties> properties(New<TcxCheckBoxProperties>(nullptr));
  TOwnedPtr<TcxEditStyleController> controller(New<TcxEditStyleController>(nullptr));
  TOwnedPtr<TcxCustomEditViewData> data(properties->CreateViewData(controller->GetStyle(), false));
  TOwnedPtr<TcxCustomCheckBoxViewInfo> info(static_cast<TcxCustomCheckBoxViewInfo*>(
      TcxContainerViewInfo::Create(TcxCustomCheckBoxViewInfo::StaticClass())));
  data->Calculate(cxScreenCanvas(), TRect(0, 0, 12, 21), TPoint(-1, -1), cxmbNone, {}, info.get(), false);
  EXPECT_TRUE(cxRectIsEmpty(info->TextRect));
}

TEST_F(cxCheckBoxFixture, OnlyTheBoxIsPaintedAgainWhenOnlyItsStateChanges) {
  TcxCheckBox* box = AddCheckBox("A");
  ShowForm();
  TOwnedPtr<TcxCustomCheckBoxViewInfo> previous(static_cast<TcxCustomCheckBoxViewInfo*>(
      TcxContainerViewInfo::Create(TcxCustomCheckBoxViewInfo::StaticClass())));
  previous->Assign(box->GetCheckBoxViewInfo());
  previous->Bounds = box->GetCheckBoxViewInfo()->Bounds;
  EXPECT_FALSE(box->GetCheckBoxViewInfo()->StatesDiffer(previous.get()));
  previous->State = cbsChecked;
  TOwnedPtr<TcxRegion> region(box->GetCheckBoxViewInfo()->GetUpdateRegion(previous.get()));
  RECT box_{};
  GetRgnBox(region->GetHandle(), &box_);
  EXPECT_EQ(TRect(box_), box->GetCheckBoxViewInfo()->CheckBoxRect);
}

TEST_F(cxCheckBoxFixture, PictureOfBoxesInTheirStatesAndBorderStyles) {
  Form->SetBounds(100, 100, 460, 200);
  Form->SetColor(clWhite);
  const TcxEditBorderStyle borders[] = {ebsFlat, ebs3D, ebsUltraFlat, ebsOffice11};
  const TcxCheckBoxState states[] = {cbsUnchecked, cbsChecked, cbsGrayed};
  const char* names[] = {"\xE6\x9C\xAA\xE9\x80\x89", "\xE5\xB7\xB2\xE9\x80\x89",  // 未选, 已选
                         "\xE4\xB8\x8D\xE5\xAE\x9A"};                              // 不定
  for (int b = 0; b < 4; ++b)
    for (int s = 0; s < 3; ++s) {
      TcxCheckBox* box = AddCheckBox(names[s], 10 + s * 145, 10 + b * 28, 140, 24);
      box->GetStyle()->SetBorderStyle(borders[b]);
      box->GetProperties()->SetAllowGrayed(true);
      box->SetState(states[s]);
    }
  TcxCheckBox* disabled = AddCheckBox("Disabled", 10, 130, 140, 24);
  disabled->SetChecked(true);
  disabled->SetEnabled(false);
  TcxCheckBox* right = AddCheckBox("Right", 155, 130, 140, 24);
  right->GetProperties()->SetHorzAlignment(taRightJustify);
  right->SetChecked(true);
  ShowForm();
  right->SetFocus();
  Application->ProcessMessages();
  EXPECT_TRUE(cxEditTest::SaveWindowPngScaled(Form->GetHandle(), "checkbox-states.png"));
}

}  // namespace
