// An inline component (a part made from its own form resource, placed in a form) is written as
// what differs from its resource and read back from the resource and those differences.
#include <gtest/gtest.h>

#include <cstring>

#include "Filer.h"
#include "FormResources.h"
#include "ObjectText.h"
#include "Resources.h"
#include "StreamingFixtures.h"
#include "Streams.h"
#include "TypInfo.h"

using namespace StreamingFixtures;

namespace {

// A panel made from the form resource of its class, as a frame is.
class TInlinePart : public TTestPanel {
  DECLARE_CLASS(TInlinePart, TTestPanel)
 protected:
  void Construct() override {
    inherited::Construct();
    InitInheritedComponent(this, TTestPanel::StaticClass());
  }
};
IMPLEMENT_CLASS(TInlinePart)

// A part whose resource holds another part inline.
class TOuterPart : public TTestPanel {
  DECLARE_CLASS(TOuterPart, TTestPanel)
 protected:
  void Construct() override {
    inherited::Construct();
    InitInheritedComponent(this, TTestPanel::StaticClass());
  }
};
IMPLEMENT_CLASS(TOuterPart)

const char* const PartText = R"(object InlinePart: TInlinePart
  Caption = 'Part'
  object Inner: TTestControl
    Left = 4
    Caption = 'Inside'
  end
  object Other: TTestControl
    Caption = 'Kept'
  end
end
)";

const char* const OuterText = R"(object OuterPart: TOuterPart
  inline Sub: TInlinePart
    Left = 2
    inherited Other: TTestControl
      Caption = 'Outer'
    end
  end
end
)";

class WriterInline : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterFixtureClasses();
    static bool registered = false;
    if (!registered) {
      registered = true;
      RegisterClasses({TInlinePart::StaticClass(), TOuterPart::StaticClass()});
      static const TResourceEntry entries[] = {
          {"RCDATA", "TINLINEPART", reinterpret_cast<const unsigned char*>(PartText), std::strlen(PartText)},
          {"RCDATA", "TOUTERPART", reinterpret_cast<const unsigned char*>(OuterText), std::strlen(OuterText)}};
      static const TResourceTable table{entries, 2};
      RegisterResourceTable(table);
    }
    Journal().clear();
  }

  // A form holding Part1 inline, with a control of its own that refers into the part; with
  // AddedFirst, another part (Part0) comes before them.
  static TTestForm* MakeHost(bool AddedFirst = false) {
    TTestForm* form = CreateComponent<TTestForm>(nullptr);
    form->SetName("Host");
    auto addPart = [&](const char* Name) {
      auto* part = static_cast<TInlinePart*>(CreateComponent(TInlinePart::StaticClass(), form, {csInline}));
      part->SetName(Name);
      part->SetParent(form);
    };
    if (AddedFirst) addPart("Part0");
    addPart("Part1");
    auto* label = CreateComponent<TTestControl>(form);
    label->SetName("Label1");
    label->SetParent(form);
    return form;
  }

  static TComponent* Read(const String& Text) {
    TStringStream* text = New<TStringStream>(Text);
    TMemoryStream* binary = New<TMemoryStream>();
    ObjectTextToBinary(text, binary);
    binary->SetPosition(0);
    TComponent* result = ReadComponent(binary, nullptr);
    binary->Free();
    text->Free();
    return result;
  }

  static String DescendentText(TComponent* Instance, TComponent* Ancestor) {
    TMemoryStream* binary = New<TMemoryStream>();
    TStringStream* text = New<TStringStream>();
    WriteDescendent(binary, Instance, Ancestor);
    binary->SetPosition(0);
    ObjectBinaryToText(binary, text);
    String result = text->GetDataString();
    binary->Free();
    text->Free();
    return result;
  }
};

TTestControl* Find(TComponent* root, const char* path) { return dynamic_cast<TTestControl*>(FindNestedComponent(root, path)); }

TEST_F(WriterInline, AnInlinePartWritesOnlyItsDifferencesAndReadsBackEqual) {
  TTestForm* form = MakeHost();
  auto* part = static_cast<TInlinePart*>(form->FindComponent("Part1"));
  part->SetLeft(10);
  Find(part, "Inner")->SetCaption("Changed");
  Find(part, "Inner")->SetOnClick(TNotifyEvent(form, &TTestForm::FormClick));
  auto* added = CreateComponent<TTestControl>(part);
  added->SetName("Added");
  added->SetCaption("New");
  added->SetParent(part);
  Find(form, "Label1")->SetBuddy(Find(part, "Other"));

  String text = FormText(form);
  // The fixture's controls write Left and Font.Name always; the part writes nothing else of
  // its own, and of its children only the changed one and the added one.
  EXPECT_EQ(text, R"(object Host: TTestForm
  Left = 0
  Font.Name = 'Tahoma'
  Items = <>
  inline Part1: TInlinePart
    Left = 10
    inherited Inner: TTestControl
      Caption = 'Changed'
      OnClick = FormClick
    end
    object Added: TTestControl
      Left = 0
      Caption = 'New'
      Font.Name = 'Tahoma'
    end
  end
  object Label1: TTestControl
    Left = 0
    Font.Name = 'Tahoma'
    Buddy = Part1.Other
  end
end
)");

  TComponent* copy = Read(text);
  EXPECT_EQ(FormText(copy), text);
  auto* copyPart = dynamic_cast<TInlinePart*>(copy->FindComponent("Part1"));
  ASSERT_NE(copyPart, nullptr);
  EXPECT_TRUE(copyPart->ComponentState().Contains(csInline));
  EXPECT_EQ(copyPart->GetCaption(), "Part") << "from the part's own resource";
  TTestControl* inner = Find(copyPart, "Inner");
  EXPECT_EQ(inner->GetLeft(), 4);
  EXPECT_EQ(inner->GetCaption(), "Changed");
  EXPECT_EQ(inner->GetOnClick().Data(), static_cast<TObject*>(copy));
  EXPECT_EQ(copyPart->ComponentCount(), 3) << "the part owns what was added to it";
  EXPECT_EQ(copyPart->Children(), (std::vector<TTestControl*>{inner, Find(copyPart, "Other"), Find(copyPart, "Added")}));
  EXPECT_EQ(Find(copy, "Label1")->GetBuddy(), Find(copyPart, "Other"));
  copy->Free();
  form->Free();
}

// In a form written against an ancestor form that has the same inline part, the part is one of
// the ancestor's components: written as inherited, found again when read into the ancestor's copy.
TEST_F(WriterInline, AnInheritedInlinePartIsWrittenAsInherited) {
  TTestForm* ancestor = MakeHost();
  TTestForm* form = MakeHost();
  Find(form, "Part1.Inner")->SetCaption("Changed");
  // A part the descendant adds before the ancestor's components takes its place by its order
  // number; the ancestor's components after it keep theirs.
  TTestForm* added = MakeHost(true);
  Find(added, "Part0.Other")->SetCaption("Mine");

  struct Case {
    TTestForm* form;
    const char* text;
  };
  for (Case c : {Case{form, R"(inherited Host: TTestForm
  inherited Part1: TInlinePart
    inherited Inner: TTestControl
      Caption = 'Changed'
    end
  end
end
)"},
                 Case{added, R"(inherited Host: TTestForm
  inline Part0: TInlinePart [0]
    inherited Other: TTestControl
      Caption = 'Mine'
    end
  end
end
)"}}) {
    String text = DescendentText(c.form, ancestor);
    EXPECT_EQ(text, c.text);

    TStringStream* in = New<TStringStream>(text);
    TMemoryStream* binary = New<TMemoryStream>();
    ObjectTextToBinary(in, binary);
    binary->SetPosition(0);
    TTestForm* copy = MakeHost();
    ReadComponent(binary, copy);
    EXPECT_EQ(FormText(copy), FormText(c.form));
    EXPECT_EQ(copy->FindComponent("Part1")->ComponentCount(), 2);
    binary->Free();
    in->Free();
    copy->Free();
  }
  TTestForm* same = MakeHost();
  EXPECT_EQ(DescendentText(same, ancestor).find("Part1"), String::npos) << "an unchanged part is left out";
  same->Free();
  added->Free();
  form->Free();
  ancestor->Free();
}

// A part inside a part: the inner one is of the outer one's resource, so it is written as
// inherited within the outer one, and each level carries only its own changes.
TEST_F(WriterInline, APartInsideAPartCarriesOnlyTheChangesOfEachLevel) {
  TTestForm* form = CreateComponent<TTestForm>(nullptr);
  form->SetName("Host");
  auto* outer = static_cast<TOuterPart*>(CreateComponent(TOuterPart::StaticClass(), form, {csInline}));
  outer->SetName("Outer1");
  outer->SetParent(form);
  ASSERT_EQ(Find(outer, "Sub.Other")->GetCaption(), "Outer");
  Find(outer, "Sub.Inner")->SetCaption("Deep");

  String text = FormText(form);
  size_t begin = text.find("  inline Outer1");
  ASSERT_NE(begin, String::npos) << text;
  EXPECT_EQ(text.substr(begin), R"(  inline Outer1: TOuterPart
    inherited Sub: TInlinePart
      inherited Inner: TTestControl
        Caption = 'Deep'
      end
    end
  end
end
)");
  TComponent* copy = Read(text);
  EXPECT_EQ(Find(copy, "Outer1.Sub.Inner")->GetCaption(), "Deep");
  EXPECT_EQ(Find(copy, "Outer1.Sub.Other")->GetCaption(), "Outer");
  EXPECT_EQ(FormText(copy), text);
  copy->Free();
  form->Free();
}

}  // namespace
