// Reading a list of components into an owner and a parent, as a paste of copied components does.
#include <gtest/gtest.h>

#include "Exceptions.h"
#include "Filer.h"
#include "FormResources.h"
#include "ObjectText.h"
#include "StreamingFixtures.h"
#include "Streams.h"
#include "TypInfo.h"

using namespace StreamingFixtures;

namespace {

TTestForm* MakeMainForm() {
  TTestForm* form = CreateComponent<TTestForm>(nullptr);
  TStringStream* text = New<TStringStream>(String(MainFormText));
  TMemoryStream* binary = New<TMemoryStream>();
  ObjectTextToBinary(text, binary);
  binary->SetPosition(0);
  ReadComponent(binary, form);
  binary->Free();
  text->Free();
  return form;
}

// What a copy puts on the clipboard: each component after a signature, then the end of the list.
String CopyComponents(TComponent* Root, std::initializer_list<TComponent*> Components) {
  TStringStream* stream = New<TStringStream>();
  TWriter* writer = New<TWriter>(stream, 4096);
  writer->SetRoot(Root);
  for (TComponent* c : Components) {
    writer->WriteSignature();
    writer->WriteComponent(c);
  }
  writer->WriteListEnd();
  writer->Free();
  String result = stream->GetDataString();
  stream->Free();
  return result;
}

// Pastes Data into Owner and Parent, journalling each component as it is handed over.
void Paste(const String& Data, TComponent* Owner, TComponent* Parent, TReaderError OnError = {}) {
  TStringStream* stream = New<TStringStream>(Data);
  TReader* reader = New<TReader>(stream, 4096);
  reader->OnError = OnError;
  try {
    reader->ReadComponents(Owner, Parent, [](TComponent* c) { Journal().push_back("Pasted " + c->GetName()); });
  } catch (...) {
    reader->Free();
    stream->Free();
    throw;
  }
  reader->Free();
  stream->Free();
}

class ReaderComponents : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterFixtureClasses();
    Journal().clear();
  }
};

TEST_F(ReaderComponents, CopiedComponentsArePastedWithTheirChildrenReferencesAndHandlers) {
  TTestForm* source = MakeMainForm();
  String data = CopyComponents(source, {source->FindComponent("Panel1"), source->FindComponent("Label2")});
  TTestForm* target = CreateComponent<TTestForm>(nullptr);
  auto* host = CreateComponent<TTestPanel>(target);
  host->SetName("Host");
  host->SetParent(target);
  Journal().clear();

  Paste(data, target, host);

  // Every component is handed over as it is read; Loaded runs for all of them afterwards, when
  // the reference to the component pasted after its holder is already set.
  EXPECT_EQ(Journal(), (std::vector<String>{"Pasted Panel1", "Pasted Label2", "Loaded Button1 buddy=Label2:It's\r\ntwo lines",
                                            "Loaded Panel1", "Loaded Label2"}));
  auto* panel = dynamic_cast<TTestPanel*>(target->FindComponent("Panel1"));
  auto* button = dynamic_cast<TTestControl*>(target->FindComponent("Button1"));
  auto* label = dynamic_cast<TTestControl*>(target->FindComponent("Label2"));
  ASSERT_TRUE(panel && button && label);
  EXPECT_EQ(host->Children(), (std::vector<TTestControl*>{panel, label}));
  EXPECT_EQ(button->GetParent(), panel);
  EXPECT_EQ(button->GetBuddy(), label);
  EXPECT_EQ(button->GetOnClick().Data(), static_cast<TObject*>(target)) << "bound to the owner's handler";
  EXPECT_FALSE(button->ComponentState().Contains(csLoading));
  EXPECT_EQ(source->FindComponent("Panel1")->ComponentCount(), 0) << "the source keeps its own";
  target->Free();
  source->Free();
}

TEST_F(ReaderComponents, AFailingComponentLeavesThoseBeforeItFinished) {
  TTestForm* source = MakeMainForm();
  String good = CopyComponents(source, {source->FindComponent("Label2"), source->FindComponent("Timer1")});
  // The second component's class is unknown to the program.
  String data = good;
  size_t at = data.find("TTestTimer");
  ASSERT_NE(at, String::npos);
  data.replace(at, 10, "TNoSuchOne");

  // Whether the error handler lets the component be skipped or not, the one read before it
  // stays, finished, and the failing one leaves nothing behind.
  for (bool skip : {false, true}) {
    SCOPED_TRACE(skip ? "skipped" : "raised");
    TTestForm* target = CreateComponent<TTestForm>(nullptr);
    Journal().clear();
    std::vector<String> errors;
    TReaderError onError = [&](TReader*, const String& Message, bool& Handled) {
      errors.push_back(Message);
      Handled = skip;
    };
    if (skip) {
      Paste(data, target, target, onError);
      EXPECT_EQ(Journal(), (std::vector<String>{"Pasted Label2", "Loaded Label2"}));
    } else {
      EXPECT_THROW(Paste(data, target, target, onError), EClassNotFound);
      EXPECT_EQ(Journal(), (std::vector<String>{"Pasted Label2", "Loaded Label2"}))
          << "what was read before the failure is loaded";
    }
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("TNoSuchOne"), String::npos) << errors[0];
    EXPECT_EQ(target->ComponentCount(), 1);
    EXPECT_FALSE(target->GetComponent(0)->ComponentState().Contains(csLoading));
    target->Free();
  }
  source->Free();
}

}  // namespace
