// Scaling controls by a ratio: each child's edges, an own font and the constraints; a form read from
// a stream laid out at another resolution than the screen's, scaled once as it is read, and an
// inherited stream scaling only what it sets itself.
#include "ClasslibTestSupport.h"

#include "ObjectText.h"
#include "Streams.h"
#include "Strings.h"

using namespace ClasslibTest;

namespace {

// A label with a default size of its own that the stream does not state.
class TSizedLabel : public TGraphicControl {
  DECLARE_CLASS(TSizedLabel, TGraphicControl)
 protected:
  void Construct() override {
    inherited::Construct();
    FWidth = 30;
    FHeight = 16;
  }
};
IMPLEMENT_CLASS(TSizedLabel)

void ReadText(TComponent* Root, const String& Text) {
  TOwnedPtr<TStringStream> text = NewOwned<TStringStream>(Text);
  TOwnedPtr<TMemoryStream> binary = NewOwned<TMemoryStream>();
  ObjectTextToBinary(text.get(), binary.get());
  binary->SetPosition(0);
  binary->ReadComponent(Root);
}

String FormAt(Integer PixelsPerInch) {
  return R"(object ScaledForm: TForm
  Left = 10
  Top = 20
  ClientWidth = 200
  ClientHeight = 100
  Font.Height = -16
  PixelsPerInch = )" +
         IntToStr(PixelsPerInch) + R"(
  TextHeight = 13
  object Panel1: TTestPanel
    Left = 8
    Top = 4
    Width = 50
    Height = 24
    object Label1: TTestLabel
      Left = 2
      Top = 6
      Width = 20
      Height = 10
    end
  end
  object Sized1: TSizedLabel
    Left = 100
    Top = 50
  end
end
)";
}

class ControlScaling : public TClasslibFixture {
 protected:
  void SetUp() override {
    TClasslibFixture::SetUp();
    RegisterClass(TSizedLabel::StaticClass());
  }
};

TEST_F(ControlScaling, ChangeScaleMovesEveryEdgeOfTheChildrenAndAnOwnFont) {
  auto* form = TCustomForm::CreateNew<TForm>(nullptr);
  form->SetBounds(10, 20, 300, 200);
  auto* panel = CreateComponent<TTestPanel>(form);
  panel->SetParent(form);
  panel->SetBounds(5, 7, 41, 21);  // odd edges: each edge is scaled, not the length
  panel->GetFont()->SetHeight(-11);
  panel->GetConstraints()->SetMinWidth(15);
  auto* label = CreateComponent<TTestLabel>(form);
  label->SetParent(panel);
  label->SetBounds(1, 2, 3, 4);

  form->GetFont()->SetHeight(-12);
  panel->ChangeScale(2, 1);
  EXPECT_EQ(panel->GetBoundsRect(), TRect(10, 14, 92, 56));
  EXPECT_EQ(label->GetBoundsRect(), TRect(2, 4, 8, 12));
  EXPECT_EQ(panel->GetFont()->GetHeight(), -22);
  EXPECT_FALSE(panel->GetParentFont());
  EXPECT_EQ(panel->GetConstraints()->GetMinWidth(), 30);
  EXPECT_EQ(label->GetFont()->GetHeight(), -22) << "a child that follows its parent's font keeps following it";

  panel->ChangeScale(1, 2);
  EXPECT_EQ(panel->GetBoundsRect(), TRect(5, 7, 46, 28)) << "scaling back restores the edges";
  EXPECT_EQ(label->GetBoundsRect(), TRect(1, 2, 4, 6));
  form->Free();
}

TEST_F(ControlScaling, AFormLaidOutAtAnotherResolutionIsScaledToTheScreensAsItIsRead) {
  ASSERT_EQ(Screen->PixelsPerInch(), 96);
  const struct {
    Integer ppi;
    TRect panel, label, sized;
    Integer clientWidth, clientHeight, fontHeight;
  } cases[] = {
      {96, TRect(8, 4, 58, 28), TRect(2, 6, 22, 16), TRect(100, 50, 130, 66), 200, 100, -16},
      {48, TRect(16, 8, 116, 56), TRect(4, 12, 44, 32), TRect(200, 100, 260, 132), 400, 200, -32},
      {192, TRect(4, 2, 29, 14), TRect(1, 3, 11, 8), TRect(50, 25, 65, 33), 100, 50, -8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ppi);
    auto* form = TCustomForm::CreateNew<TForm>(nullptr);
    ReadText(form, FormAt(c.ppi));
    auto* panel = As<TControl>(form->FindComponent("Panel1"));
    auto* label = As<TControl>(form->FindComponent("Label1"));
    auto* sized = As<TControl>(form->FindComponent("Sized1"));
    EXPECT_EQ(form->GetLeft(), 10) << "the form's place is not scaled";
    EXPECT_EQ(form->GetTop(), 20);
    EXPECT_EQ(form->GetClientWidth(), c.clientWidth);
    EXPECT_EQ(form->GetClientHeight(), c.clientHeight);
    EXPECT_EQ(form->GetFont()->GetHeight(), c.fontHeight);
    EXPECT_EQ(panel->GetBoundsRect(), c.panel);
    EXPECT_EQ(label->GetBoundsRect(), c.label);
    EXPECT_EQ(sized->GetBoundsRect(), c.sized) << "defaults of a control the stream made scale with it";
    EXPECT_EQ(form->GetPixelsPerInch(), 96) << "the form now stands at the screen's resolution";
    form->Free();
  }
}

TEST_F(ControlScaling, ScrollRangesSetByHandScaleWithTheForm) {
  auto* form = TCustomForm::CreateNew<TForm>(nullptr);
  ReadText(form, R"(object ScrollForm: TForm
  AutoScroll = False
  HorzScrollBar.Range = 300
  VertScrollBar.Range = 150
  ClientWidth = 100
  ClientHeight = 50
  PixelsPerInch = 48
end
)");
  EXPECT_EQ(form->GetHorzScrollBar()->GetRange(), 600);
  EXPECT_EQ(form->GetVertScrollBar()->GetRange(), 300);
  EXPECT_FALSE(form->GetAutoScroll());
  form->Free();
}

TEST_F(ControlScaling, AnInheritedStreamScalesOnlyWhatItSetsItself) {
  // As a form reads the resources of its ancestor classes: one tree, loaded once at the end.
  auto* form = TCustomForm::CreateNew<TForm>(nullptr);
  BeginGlobalLoading();
  ReadText(form, FormAt(48));
  ReadText(form, R"(inherited ScaledForm: TForm
  inherited Panel1: TTestPanel
    Height = 30
  end
end
)");
  NotifyGlobalLoading();
  EndGlobalLoading();
  auto* panel = As<TControl>(form->FindComponent("Panel1"));
  auto* label = As<TControl>(form->FindComponent("Label1"));
  EXPECT_EQ(panel->GetBoundsRect(), TRect(16, 8, 116, 68))
      << "only the height came from this stream, laid out at the ancestor's resolution";
  EXPECT_EQ(label->GetBoundsRect(), TRect(4, 12, 44, 32)) << "scaled once, by the first stream";
  EXPECT_EQ(form->GetClientWidth(), 400);
  EXPECT_EQ(form->GetFont()->GetHeight(), -32);
  form->Free();
}

}  // namespace
