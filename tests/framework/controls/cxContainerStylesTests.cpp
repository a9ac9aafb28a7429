// Container styles: each value comes from the style itself, then from the same state's style along
// the chain of style controllers, then from a default of the state and the look-and-feel; the base
// style's own values are shared by the state styles; controllers refuse cycles, tell their listeners
// of changes and hand them to the default controller when they go; the font-assigned entry streams.
#include <gtest/gtest.h>

#include "Filer.h"
#include "ObjectText.h"
#include "Streams.h"
#include "cxContainerTestSupport.h"

using namespace cxContainerTest;

namespace {

class ContainerStyles : public ::testing::Test {
 protected:
  // A chain: the container's styles follow Middle, which follows Top.
  TOwnedPtr<TTestStyleController> Top = NewOwned<TTestStyleController>(nullptr);
  TOwnedPtr<TTestStyleController> Middle = NewOwned<TTestStyleController>(nullptr);
  TOwnedPtr<TcxStyleController> Own = NewOwned<TcxStyleController>(nullptr);

  void SetUp() override { Middle->GetStyle()->SetStyleController(Top.get()); }
  // The styles of a "container": Own's four styles bound to Middle.
  TcxContainerStyle* Style(TcxContainerStateItem AState) { return Own->GetInternalStyle(AState); }
};

TEST_F(ContainerStyles, AValueComesFromTheStyleThenTheControllerChainThenTheDefault) {
  Own->GetStyle()->SetStyleController(Middle.get());
  Top->GetStyle()->SetBorderColor(clRed);
  Middle->GetInternalStyle(csHotTrack)->SetBorderColor(clGreen);
  Style(csActive)->SetBorderColor(clBlue);

  struct TCase {
    TcxContainerStateItem State;
    TColor Expected;
    bool Assigned;
    const char* Why;
  } cases[] = {
      {csNormal, clRed, true, "from the top controller's normal style, through the middle one"},
      {csHotTrack, clGreen, true, "from the middle controller's hot style"},
      {csActive, clBlue, true, "the style's own value"},
      {csDisabled, clBtnShadow, false, "nothing assigned: the disabled default"},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(Style(c.State)->GetBorderColor(), c.Expected) << c.Why;
    EXPECT_EQ(Style(c.State)->IsValueAssigned(csvBorderColor), c.Assigned) << c.Why;
  }
  EXPECT_FALSE(Style(csHotTrack)->GetAssignedValues().Contains(csvBorderColor)) << "found, not its own";
  // The hot style's value was the middle controller's: clearing it there shows the parent default.
  Middle->GetInternalStyle(csHotTrack)->RestoreDefaults();
  EXPECT_EQ(Style(csHotTrack)->GetBorderColor(), clRed) << "a state style defaults to its parent's value";
}

TEST_F(ContainerStyles, TheBaseStylesOwnValuesAreSharedByTheStateStyles) {
  Own->GetStyle()->SetStyleController(Middle.get());
  Top->GetStyle()->SetShadow(true);
  EXPECT_TRUE(Style(csHotTrack)->GetShadow()) << "a state style reads the base style's values along the chain";
  Style(csDisabled)->SetEdges({bLeft, bTop});
  EXPECT_EQ(Style(csNormal)->GetEdges(), (TcxBorders{bLeft, bTop})) << "a state style's setter sets the base's";
  EXPECT_TRUE(Style(csNormal)->GetAssignedValues().Contains(csvEdges));
  EXPECT_FALSE(Style(csDisabled)->GetAssignedValues().Contains(csvEdges));
  EXPECT_EQ(Style(csActive)->GetEdges(), (TcxBorders{bLeft, bTop}));
}

TEST_F(ContainerStyles, StateBorderStylesAreRaisedWhereHotTrackingAsks) {
  Style(csNormal)->SetBorderStyle(cbsSingle);
  for (bool hotTrack : {true, false}) {
    Style(csNormal)->SetHotTrack(hotTrack);
    EXPECT_EQ(Style(csHotTrack)->GetBorderStyle(), hotTrack ? cbsThick : cbsSingle) << hotTrack;
    EXPECT_EQ(Style(csActive)->GetBorderStyle(), hotTrack ? cbsThick : cbsSingle) << hotTrack;
    EXPECT_EQ(Style(csDisabled)->GetBorderStyle(), cbsSingle) << hotTrack;
  }
  // The raised row for each base style.
  Style(csNormal)->SetHotTrack(true);
  const std::pair<TcxContainerBorderStyle, TcxContainerBorderStyle> raised[] = {
      {cbsNone, cbsFlat}, {cbsThick, cbsThick},         {cbsFlat, cbs3D},
      {cbs3D, cbs3D},     {cbsUltraFlat, cbsUltraFlat}, {cbsOffice11, cbsOffice11}};
  for (auto [base, hot] : raised) {
    Style(csNormal)->SetBorderStyle(base);
    EXPECT_EQ(Style(csHotTrack)->GetBorderStyle(), hot) << base;
  }
}

TEST_F(ContainerStyles, TheBaseBorderStyleFollowsTheLookAndFeelKind) {
  const std::pair<TcxLookAndFeelKind, TcxContainerBorderStyle> kinds[] = {
      {lfFlat, cbsFlat}, {lfStandard, cbs3D}, {lfUltraFlat, cbsUltraFlat}, {lfOffice11, cbsOffice11}};
  for (auto [kind, style] : kinds) {
    Style(csNormal)->GetLookAndFeel()->SetKind(kind);
    EXPECT_EQ(Style(csNormal)->GetBorderStyle(), style) << kind;
    EXPECT_EQ(GetContainerBorderWidth(Style(csNormal)->GetBorderStyle()), GetContainerBorderWidth(kind)) << kind;
  }
  EXPECT_EQ(GetContainerBorderWidth(cbsFlat), 2);
  EXPECT_EQ(GetContainerBorderWidth(cbsUltraFlat), 1);
}

TEST_F(ContainerStyles, ADisabledStyleWithNothingAssignedIsGreyed) {
  Style(csNormal)->GetFont()->SetColor(clMaroon);
  EXPECT_EQ(Style(csDisabled)->GetBorderColor(), clBtnShadow);
  EXPECT_EQ(Style(csDisabled)->GetTextColor(), clBtnShadow);
  EXPECT_EQ(Style(csNormal)->GetBorderColor(), clWindowFrame);
  EXPECT_EQ(Style(csNormal)->GetTextColor(), clMaroon) << "the base style's text colour is its font's";
  EXPECT_EQ(Style(csHotTrack)->GetTextColor(), clMaroon);
  Style(csNormal)->GetFont()->SetStyle({fsBold});
  EXPECT_EQ(Style(csActive)->GetVisibleFont()->GetStyle(), (TFontStyles{fsBold}));
  Style(csActive)->SetTextStyle({fsItalic});
  EXPECT_EQ(Style(csActive)->GetVisibleFont()->GetStyle(), (TFontStyles{fsItalic}));
  EXPECT_EQ(Style(csActive)->GetVisibleFont()->GetColor(), clMaroon);
}

TEST_F(ContainerStyles, AControllerWhoseChainLeadsBackIsRefused) {
  // Top's normal style is bound to nothing; Middle's to Top. Binding Top to Middle would close a loop.
  Top->GetStyle()->SetStyleController(Middle.get());
  EXPECT_EQ(Top->GetStyle()->GetStyleController(), nullptr);
  EXPECT_EQ(Top->GetFakeStyleController(), nullptr);
  Middle->GetStyle()->SetStyleController(Middle.get());
  EXPECT_EQ(Middle->GetStyle()->GetStyleController(), Top.get()) << "a controller cannot follow itself";
}

TEST_F(ContainerStyles, ListenersHearOfChangesAndFallBackWhenTheControllerGoes) {
  int changes = 0;
  Own->GetStyle()->SetStyleController(Middle.get());
  Own->GetStyle()->OnChanged = [&](TObject*) { ++changes; };
  Top->GetStyle()->SetColor(clYellow);
  EXPECT_GE(changes, 1) << "a change two controllers up reaches the listening style";
  EXPECT_EQ(Own->GetStyle()->GetColor(), clYellow);
  EXPECT_EQ(Own->GetStyle()->GetLookAndFeel()->GetMasterLookAndFeel(), Middle->GetStyle()->GetLookAndFeel());
  Middle.reset();
  EXPECT_EQ(Own->GetStyle()->GetStyleController(), nullptr) << "bound to the default controller (none here)";
  EXPECT_EQ(Own->GetStyle()->GetColor(), clBtnFace) << "the value went with the controller: the default";
  EXPECT_EQ(Own->GetStyle()->GetLookAndFeel()->GetMasterLookAndFeel(), RootLookAndFeel());
}

TEST_F(ContainerStyles, SettersAssignAndTellOnceInAnUpdateBracket) {
  int changes = 0;
  TcxContainerStyle* style = Style(csNormal);
  Own->OnStyleChanged = [&](TObject*) { ++changes; };
  style->BeginUpdate();
  style->SetColor(clAqua);
  style->SetBorderStyle(cbsThick);
  style->SetTextColor(clPurple);
  EXPECT_EQ(changes, 0);
  style->EndUpdate();
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(style->GetAssignedValues(), (TcxContainerStyleValues{csvColor, csvBorderStyle, csvTextColor}));
  style->SetColor(clAqua);
  EXPECT_EQ(changes, 1) << "an assigned, equal value changes nothing";
  style->RestoreDefaults();
  EXPECT_TRUE(style->GetAssignedValues().Empty());
  EXPECT_EQ(changes, 2);
}

TEST_F(ContainerStyles, ADirectAccessStyleTakesWhatItsOwnerWrites) {
  TFont font;
  auto owned = NewOwned<TFont>();
  owned->SetStyle({fsUnderline});
  auto style = TOwnedPtr<TcxContainerStyle>(
      TcxContainerStyle::Create(TcxContainerStyle::StaticClass(), nullptr, true, nullptr, csNormal));
  int changes = 0;
  style->OnChanged = [&](TObject*) { ++changes; };
  style->SetFont(owned.get());
  style->SetColor(clLime);
  style->SetTextColor(clNavy);
  EXPECT_EQ(style->GetFont(), owned.get()) << "the owner's font itself, not a copy";
  EXPECT_EQ(style->GetTextStyle(), (TFontStyles{fsUnderline}));
  EXPECT_EQ(style->GetColor(), clLime);
  EXPECT_EQ(style->GetStyleColor(), clLime);
  EXPECT_EQ(style->GetBorderColor(), clDefault);
  EXPECT_TRUE(style->GetEdges().Empty());
  EXPECT_TRUE(style->GetTransparentBorder());
  EXPECT_FALSE(style->GetShadow());
  EXPECT_EQ(style->GetAssignedValues().Count(), cxContainerStyleValueCount);
  EXPECT_EQ(changes, 0) << "a direct-access style tells nobody";
}

TEST_F(ContainerStyles, ValueNamesAndThePropertiesAStateStylePublishes) {
  TcxContainerStyleValue value = -1;
  EXPECT_TRUE(Style(csNormal)->GetStyleValue("transparentborder", value));
  EXPECT_EQ(value, csvTransparentBorder);
  String name;
  EXPECT_TRUE(Style(csNormal)->GetStyleValueName(csvTextStyle, name));
  EXPECT_EQ(name, "TextStyle");
  EXPECT_FALSE(Style(csNormal)->GetStyleValueName(10, name));
  EXPECT_EQ(name, "");
  for (const char* hidden : {"LookAndFeel", "StyleController", "Edges", "Font", "HotTrack", "Shadow"})
    EXPECT_FALSE(Style(csHotTrack)->IsExtendedStylePropertyPublished(hidden)) << hidden;
  for (const char* shown : {"Color", "BorderColor", "TextColor", "Anything"})
    EXPECT_TRUE(Style(csHotTrack)->IsExtendedStylePropertyPublished(shown)) << shown;
}

String StreamText(TComponent* AComponent) {
  auto stream = NewOwned<TMemoryStream>();
  stream->WriteComponent(AComponent);
  return ObjectBinaryToTextString(String(static_cast<const char*>(stream->GetMemory()), stream->GetSize()));
}

void ReadText(const String& AText, TComponent* AComponent) {
  const String binary = ObjectTextToBinaryString(AText);
  auto stream = NewOwned<TMemoryStream>();
  stream->WriteBuffer(binary.data(), static_cast<Integer>(binary.size()));
  stream->SetPosition(0);
  stream->ReadComponent(AComponent);
}

TEST_F(ContainerStyles, OnlyAssignedValuesStreamAndTheFontAssignedEntryAssignsTheFont) {
  Top->GetStyle()->SetColor(clTeal);
  Top->GetStyle()->GetFont()->SetSize(12);
  Top->GetStyleHot()->SetBorderColor(clRed);
  const String text = StreamText(Top.get());
  EXPECT_NE(text.find("Style.Color = clTeal"), String::npos) << text;
  EXPECT_NE(text.find("Style.IsFontAssigned = True"), String::npos) << text;
  EXPECT_NE(text.find("StyleHot.BorderColor = clRed"), String::npos) << text;
  EXPECT_EQ(text.find("Style.BorderColor"), String::npos) << "unassigned values are not written: " << text;
  EXPECT_EQ(text.find("AssignedValues"), String::npos) << text;

  auto copy = NewOwned<TTestStyleController>(nullptr);
  ReadText(text, copy.get());
  EXPECT_EQ(copy->GetStyle()->GetColor(), clTeal);
  EXPECT_EQ(copy->GetStyle()->GetFont()->GetSize(), 12);
  EXPECT_EQ(copy->GetStyleHot()->GetBorderColor(), clRed);
  // The entry alone marks the font as the style's own, whatever it holds.
  auto plain = NewOwned<TTestStyleController>(nullptr);
  ReadText("object TTestStyleController\n  Style.IsFontAssigned = False\nend\n", plain.get());
  EXPECT_TRUE(plain->GetStyle()->GetAssignedValues().Contains(csvFont));
}

TEST_F(ContainerStyles, AControllerScalesItsOwnFontOnceOrPassesTheScalingOn) {
  Top->GetStyle()->GetFont()->SetSize(10);
  Middle->ChangeFontScale(2, 1);
  EXPECT_EQ(Top->GetStyle()->GetFont()->GetSize(), 20) << "the middle controller's font is the top one's";
  Top->ChangeFontScale(2, 1);
  EXPECT_EQ(Top->GetStyle()->GetFont()->GetSize(), 20) << "scaled once only";
}

TEST_F(ContainerStyles, StylesFollowTheDefaultControllerAndAreLetGoWhenItIsFreed) {
  auto* defaults = New<TcxStyleController>(nullptr);
  cxContainerDefaultStyleController = defaults;
  auto bound = NewOwned<TcxStyleController>(nullptr);
  EXPECT_EQ(bound->GetStyle()->GetActiveStyleController(), defaults) << "a new base style binds the default";
  EXPECT_EQ(bound->GetStyle()->GetStyleController(), nullptr) << "which is never shown";
  EXPECT_EQ(defaults->GetStyle()->GetActiveStyleController(), nullptr) << "the default does not follow itself";
  defaults->GetStyle()->SetTextColor(clOlive);
  EXPECT_EQ(bound->GetStyle()->GetTextColor(), clOlive);
  // Freed while still the default: the styles do not keep it.
  defaults->Free();
  EXPECT_EQ(bound->GetStyle()->GetActiveStyleController(), nullptr);
  EXPECT_NE(bound->GetStyle()->GetTextColor(), clOlive);
  cxContainerDefaultStyleController = nullptr;
}

}  // namespace
