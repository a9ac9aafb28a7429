// The editor view info: the buttons in every drawing style, state and kind (written as a picture),
// the background styles, what a new view info repaints, and the buttons' hints.
#include "Forms.h"
#include "HeadlessBackend.h"
#include "PixelSurface.h"
#include "cxEditTestSupport.h"
#include "cxEditUtilsTestSupport.h"

namespace {

using namespace cxEditTest;
using PixelSurface::RGBOf;
using PixelSurface::TSurface;

// One editor of a single button of the kind, drawn in the style and forced into the state.
struct TEditTestButtonPicture {
  TEditTestLayout Layout{{18}};
  TcxEditButtonState State = ebsNormal;
  TEditTestButtonPicture(TcxEditButtonKind AKind, TcxEditButtonStyle AStyle, TcxEditButtonState AState,
                         const char* ACaption = "Ab") {
    TcxEditButton* button = Layout.Properties->GetButtons()->GetItem(0);
    button->SetKind(AKind);
    button->SetCaption(ACaption);
    button->SetWidth(AKind == bkText ? 24 : 18);
    Layout.Controller->GetStyle()->SetButtonStyle(AStyle);
    Layout.Controller->GetStyle()->SetColor(clWindow);
    State = AState;
    Layout.ViewInfo->OnGetButtonState =
        TcxEditGetButtonStateEvent([this](TObject*, Integer, TcxEditButtonState& AButtonState) { AButtonState = State; });
    Layout.MakeViewData(false);
  }
  void PaintAt(TSurface& ASurface, Integer X, Integer Y) { Layout.PaintAt(ASurface.Cx, TRect(X, Y, X + 50, Y + 20)); }
  TRect ButtonBounds() const {
    return cxRectOffset(Layout.Button(0)->Bounds, Layout.ViewInfo->Left, Layout.ViewInfo->Top);
  }
};

TEST(cxEditViewInfo, ButtonsInEveryStyleStateAndKind) {
  const TcxEditButtonStyle styles[] = {bts3D, btsFlat, btsSimple, btsHotFlat, btsUltraFlat, btsOffice11};
  const TcxEditButtonState states[] = {ebsNormal, ebsSelected, ebsPressed, ebsDisabled};
  const TcxEditButtonKind kinds[] = {bkEllipsis, bkDown, bkText};
  TSurface surface(12 + 3 * 4 * 56, 12 + 6 * 26);
  for (size_t s = 0; s < std::size(styles); ++s)
    for (size_t k = 0; k < std::size(kinds); ++k)
      for (size_t t = 0; t < std::size(states); ++t) {
        TEditTestButtonPicture picture(kinds[k], styles[s], states[t]);
        const Integer x = 6 + static_cast<Integer>((k * 4 + t) * 56), y = 6 + static_cast<Integer>(s * 26);
        picture.PaintAt(surface, x, y);
        // Every button leaves ink of its content inside its bounds.
        const TRect bounds = picture.ButtonBounds();
        EXPECT_FALSE(cxRectIsEmpty(surface.InkBox(cxRectInflate(bounds, -3, -3), RGBOf(picture.Layout.Button(0)->BackgroundColor))))
            << "style " << styles[s] << " kind " << kinds[k] << " state " << states[t];
      }
  cxEditUtilsTest::SaveEditUtilsPng(surface, "cxEditViewInfoButtons.png", 3);
}

TEST(cxEditViewInfo, ADisabledEllipsisShowsItsDotsEngravedAndAnEnabledOneInThePenColour) {
  TSurface surface(60, 30);
  TEditTestButtonPicture disabled(bkEllipsis, bts3D, ebsDisabled);
  disabled.PaintAt(surface, 0, 0);
  // Inside the 3D frame: three dots of 2 x 2 in the shadow colour over a copy one pixel right and
  // down in the highlight colour, of which three pixels a dot show.
  const TRect content = cxRectInflate(disabled.ButtonBounds(), -2, -2);
  EXPECT_EQ(3 * 4, surface.Count(content, RGBOf(clBtnShadow)));
  EXPECT_EQ(3 * 3, surface.Count(content, RGBOf(clBtnHighlight)));
  const TRect dots = surface.InkBox(content, RGBOf(clBtnFace));
  EXPECT_EQ(3 * 2 + 2 * 2 + 1, dots.Width());
  EXPECT_EQ(2 + 1, dots.Height());
  EXPECT_EQ(RGBOf(clBtnShadow), surface.At(dots.left, dots.top));
  EXPECT_EQ(RGBOf(clBtnHighlight), surface.At(dots.left + 2, dots.top + 2));
  surface.Clear();
  TEditTestButtonPicture enabled(bkEllipsis, bts3D, ebsNormal);
  enabled.PaintAt(surface, 0, 0);
  EXPECT_EQ(3 * 4, surface.Count(content, RGBOf(clBtnText)));
  EXPECT_EQ(0, surface.Count(content, RGBOf(clBtnHighlight)));
}

TEST(cxEditViewInfo, APressedSimpleButtonIsDrawnFlat) {
  TSurface simple(60, 30), flat(60, 30);
  TEditTestButtonPicture(bkDown, btsSimple, ebsPressed).PaintAt(simple, 0, 0);
  TEditTestButtonPicture(bkDown, btsFlat, ebsPressed).PaintAt(flat, 0, 0);
  EXPECT_EQ(0, simple.Differences(flat));
  TSurface normal(60, 30);
  TEditTestButtonPicture(bkDown, btsSimple, ebsNormal).PaintAt(normal, 0, 0);
  EXPECT_GT(normal.Differences(flat), 0);
}

TEST(cxEditViewInfo, TheBackgroundStyleFollowsPlaceAndTransparency) {
  TEditTestLayout layout({});
  TcxCustomEditViewInfo* viewInfo = layout.ViewInfo.get();
  struct TCase {
    bool Inplace, Transparent;
    TcxDrawBackgroundStyle Style;
  };
  for (const TCase& c : {TCase{true, true, dbsNone}, TCase{true, false, dbsSimpleFill},
                         TCase{false, true, dbsSimpleParent}, TCase{false, false, dbsCustomEdit}}) {
    viewInfo->IsInplace = c.Inplace;
    viewInfo->Transparent = c.Transparent;
    viewInfo->NativeStyle = false;
    EXPECT_EQ(c.Style, viewInfo->GetDrawBackgroundStyle()) << c.Inplace << c.Transparent;
  }
  viewInfo->IsInplace = true;
  viewInfo->Transparent = false;
  viewInfo->OnDrawBackground = TcxEditDrawBackgroundEvent([](TObject*, TcxCanvas*, bool& AHandled) { AHandled = true; });
  EXPECT_EQ(dbsCustom, viewInfo->GetDrawBackgroundStyle());
}

TEST(cxEditViewInfo, ANewViewInfoRepaintsOnlyTheButtonsThatLookDifferent) {
  TEditTestLayout layout({16, 16});
  layout.Calculate(TRect(0, 0, 80, 20));
  TOwnedPtr<TcxCustomEditViewInfo> previous(
      static_cast<TcxCustomEditViewInfo*>(TcxContainerViewInfo::Create(TcxCustomEditViewInfo::StaticClass())));
  previous->Assign(layout.ViewInfo.get());
  layout.Calculate(TRect(0, 0, 80, 20), TPoint(70, 10));  // the second button becomes hot
  TOwnedPtr<TcxRegion> region(layout.ViewInfo->GetUpdateRegion(previous.get()));
  EXPECT_EQ(layout.Button(1)->Bounds, region->GetBoundsRect());
  // A different frame repaints the whole editor.
  previous->BorderColor = clRed;
  region.reset(layout.ViewInfo->GetUpdateRegion(previous.get()));
  EXPECT_EQ(layout.ViewInfo->Bounds, region->GetBoundsRect());
}

TEST(cxEditViewInfo, HintsComeFromTheSelectedButtonsHint) {
  TEditTestLayout layout({16, 16});
  layout.Properties->GetButtons()->GetItem(1)->SetHint("second");
  layout.MakeViewData(false);
  layout.Calculate(TRect(0, 0, 80, 20), TPoint(70, 10));
  EXPECT_EQ(1, layout.ViewInfo->GetHintAreaIndex(TPoint(70, 10)));
  EXPECT_EQ("second", layout.ViewInfo->GetHintText(true, 1));
  EXPECT_EQ("", layout.ViewInfo->GetHintText(false, 1));
  String text;
  bool multiLine = true;
  TRect textRect;
  EXPECT_TRUE(layout.ViewInfo->NeedShowHint(nullptr, TPoint(70, 10), text, multiLine, textRect));
  EXPECT_FALSE(multiLine);
  EXPECT_GT(textRect.top, 10);
  // The first button has no hint: none shows while it is under the pointer.
  layout.Calculate(TRect(0, 0, 80, 20), TPoint(54, 10));
  EXPECT_FALSE(layout.ViewInfo->NeedShowHint(nullptr, TPoint(54, 10), text, multiLine, textRect));
  layout.Calculate(TRect(0, 0, 80, 20), TPoint(10, 10));
  EXPECT_EQ(cxEditHintAreaBody, layout.ViewInfo->GetHintAreaIndex(TPoint(10, 10)));
  EXPECT_EQ(cxEditHintAreaNone, layout.ViewInfo->GetHintAreaIndex(TPoint(90, 30)));
}

}  // namespace

namespace {

using namespace cxEditTest;

class cxEditOnFormTest : public TEditFixture {};

TEST_F(cxEditOnFormTest, EditorsOnAFormDrawTheirFramesButtonsAndStates) {
  const TcxEditBorderStyle borders[] = {ebs3D, ebsFlat, ebsSingle, ebsUltraFlat, ebsOffice11};
  std::vector<TEditTestEdit*> edits;
  for (size_t i = 0; i < std::size(borders); ++i) {
    TEditTestEdit* edit = AddEdit();
    edit->SetAutoSize(false);
    edit->SetBounds(10, 10 + static_cast<Integer>(i) * 30, 160, 22);
    edit->GetStyle()->SetBorderStyle(borders[i]);
    edit->GetStyle()->SetTransparentBorder(false);
    edit->GetStyle()->GetLookAndFeel()->SetNativeStyle(false);
    TcxCustomEditProperties* properties = edit->GetProperties();
    properties->GetButtons()->Add()->SetKind(bkEllipsis);
    properties->GetButtons()->Add()->SetKind(bkDown);
    edits.push_back(edit);
  }
  ShowForm();
  // The ultra-flat editor is focused: its frame takes the highlight colour.
  edits[3]->SetFocus();
  Application->ProcessMessages();
  const TRect button = edits[4]->GetViewInfo()->ButtonsInfo[1]->Bounds;
  MoveTo(edits[4], (button.left + button.right) / 2, (button.top + button.bottom) / 2);
  EXPECT_EQ(ebsSelected, edits[4]->GetViewInfo()->ButtonsInfo[1]->State);
  EXPECT_EQ(clHighlight, edits[3]->GetViewInfo()->BorderColor);
  Form->Repaint();
  EXPECT_TRUE(SaveWindowPng(Form->GetHandle(), testing::TempDir() + "cxEditOnForm.png"));
}

}  // namespace
