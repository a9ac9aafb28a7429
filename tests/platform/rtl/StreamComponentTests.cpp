// A stream's own members for whole components, as the grid's stored settings and the filter's
// criteria use them: written after what the stream already holds, read back from that position.
#include <gtest/gtest.h>

#include "Exceptions.h"
#include "ObjectText.h"
#include "StreamingFixtures.h"
#include "Streams.h"

using namespace StreamingFixtures;

namespace {

class StreamComponents : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterFixtureClasses();
    Journal().clear();
    FForm = CreateComponent<TTestForm>(nullptr);
    TStringStream* text = New<TStringStream>(String(MainFormText));
    FStream = New<TMemoryStream>();
    ObjectTextToBinary(text, FStream);
    text->Free();
    FStream->SetPosition(0);
    FStream->ReadComponent(FForm);
    FStream->Clear();
  }
  void TearDown() override {
    FStream->Free();
    FForm->Free();
  }
  TTestForm* FForm = nullptr;
  TMemoryStream* FStream = nullptr;
};

TEST_F(StreamComponents, AComponentWrittenAfterOtherDataReadsBackFromItsPosition) {
  const char header[] = "HEAD";
  FStream->WriteBuffer(header, 4);
  FStream->WriteComponent(FForm);
  const Int64 end = FStream->GetPosition();
  FStream->WriteBuffer(header, 4);  // what follows the component is left for the caller

  struct Case {
    const char* name;
    bool intoExisting;
  } cases[] = {{"new instance of the stream's class", false}, {"existing instance", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FStream->SetPosition(4);
    TTestForm* existing = c.intoExisting ? CreateComponent<TTestForm>(nullptr) : nullptr;
    TComponent* read = FStream->ReadComponent(existing);
    ASSERT_NE(read, nullptr);
    if (existing) EXPECT_EQ(read, existing);
    EXPECT_STREQ(read->ClassName(), "TTestForm");
    EXPECT_EQ(FStream->GetPosition(), end);
    EXPECT_EQ(FormText(read), FormText(FForm));
    read->Free();
  }
}

TEST_F(StreamComponents, AStreamWithoutAComponentIsAReadErrorAndNothingIsLeftBehind) {
  const char junk[] = "not a component at all";
  FStream->WriteBuffer(junk, sizeof junk);
  FStream->SetPosition(0);
  TTestForm* target = CreateComponent<TTestForm>(nullptr);
  EXPECT_THROW(FStream->ReadComponent(target), EFilerError);
  EXPECT_EQ(target->ComponentCount(), 0);
  target->Free();
}

}  // namespace
