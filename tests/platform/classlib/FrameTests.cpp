// Frames: a frame class made from its own form resource, and placed inline in a form's resource,
// read with the form's changes to it and written back inline.
#include "ClasslibTestSupport.h"

#include "ObjectText.h"
#include "Streams.h"

using namespace ClasslibTest;

namespace {

class TTestFrame : public TFrame {
  DECLARE_CLASS(TTestFrame, TFrame)
};
IMPLEMENT_CLASS(TTestFrame)

class TFrameHostForm : public TForm {
  DECLARE_CLASS(TFrameHostForm, TForm)
};
IMPLEMENT_CLASS(TFrameHostForm)

const char* const FrameText = R"(object TestFrame: TTestFrame
  Left = 0
  Top = 0
  Width = 200
  Height = 100
  TabOrder = 0
  object Inner: TTestPanel
    Left = 8
    Top = 8
    Width = 100
    Height = 30
    Caption = 'Inside'
  end
end
)";

const char* const HostText = R"(object FrameHost: TFrameHostForm
  Left = 0
  Top = 0
  Width = 400
  Height = 300
  Caption = 'Host'
  inline Frame1: TTestFrame
    Left = 10
    Top = 20
    inherited Inner: TTestPanel
      Caption = 'Changed'
    end
  end
end
)";

class Frame : public TClasslibFixture {
 protected:
  void SetUp() override {
    TClasslibFixture::SetUp();
    RegisterFormText(TTestFrame::StaticClass(), FrameText);
    RegisterFormText(TFrameHostForm::StaticClass(), HostText);
  }
};

TEST_F(Frame, AFrameIsMadeFromItsOwnResource) {
  auto* frame = CreateComponent<TTestFrame>(nullptr);
  EXPECT_EQ(frame->GetWidth(), 200);
  auto* inner = As<TTestPanel>(frame->FindComponent("Inner"));
  EXPECT_EQ(inner->GetParent(), frame);
  EXPECT_EQ(inner->GetCaption(), "Inside");
  auto* another = CreateComponent<TTestFrame>(nullptr);
  EXPECT_NE(another->FindComponent("Inner"), inner) << "each frame owns its own controls";
  another->Free();
  frame->Free();
}

TEST_F(Frame, AnInlineFrameReadsItsResourceThenTheFormsChanges) {
  auto* form = Application->CreateForm<TFrameHostForm>();
  auto* frame = As<TTestFrame>(form->FindComponent("Frame1"));
  EXPECT_TRUE(frame->ComponentState().Contains(csInline));
  EXPECT_EQ(frame->GetParent(), form);
  EXPECT_EQ(frame->GetBoundsRect(), TRect(10, 20, 210, 120)) << "its size from its own resource";
  auto* inner = As<TTestPanel>(frame->FindComponent("Inner"));
  EXPECT_EQ(inner->Owner(), frame);
  EXPECT_EQ(inner->GetCaption(), "Changed");
  EXPECT_EQ(form->FindComponent("Inner"), nullptr) << "the frame's controls are not the form's";

  String text = FormText(form);
  EXPECT_NE(text.find("inline Frame1: TTestFrame"), String::npos) << text;
  EXPECT_NE(text.find("Caption = 'Changed'"), String::npos) << text;
}

// Written back, the inline frame carries only what the form changed of it (and its tab order,
// which only a parent gives it); a new form read from that text rebuilds the same frame from the
// frame's resource and the changes.
TEST_F(Frame, AnInlineFrameWritesOnlyItsChangesAndReadsBackEqual) {
  auto* form = Application->CreateForm<TFrameHostForm>();
  String text = FormText(form);
  size_t begin = text.find("  inline Frame1: TTestFrame");
  ASSERT_NE(begin, String::npos) << text;
  EXPECT_EQ(text.substr(begin, text.find("\n  end\n", begin) + 7 - begin), R"(  inline Frame1: TTestFrame
    Left = 10
    Top = 20
    TabOrder = 0
    inherited Inner: TTestPanel
      Caption = 'Changed'
    end
  end
)") << text;

  form->Free();  // the copy takes its name

  TOwnedPtr<TStringStream> source = NewOwned<TStringStream>(text);
  TOwnedPtr<TMemoryStream> binary = NewOwned<TMemoryStream>();
  ObjectTextToBinary(source.get(), binary.get());
  binary->SetPosition(0);
  auto* copy = TCustomForm::CreateNew<TFrameHostForm>(nullptr);
  ReadComponent(binary.get(), copy);
  auto* frame = As<TTestFrame>(copy->FindComponent("Frame1"));
  EXPECT_EQ(frame->ComponentCount(), 1);
  EXPECT_EQ(As<TTestPanel>(frame->FindComponent("Inner"))->GetCaption(), "Changed");
  EXPECT_EQ(FormText(copy), text);
  copy->Free();
}

}  // namespace
