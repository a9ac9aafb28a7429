// Writing a component against its ancestor: what is left out leaves nothing behind in the stream.
#include <gtest/gtest.h>

#include "Filer.h"
#include "ObjectText.h"
#include "StreamingFixtures.h"
#include "Streams.h"

using namespace StreamingFixtures;

namespace {

TTestForm* MakeForm() {
  TTestForm* form = CreateComponent<TTestForm>(nullptr);
  form->SetName("Form1");
  auto* label = CreateComponent<TTestControl>(form);
  label->SetName("Label1");
  label->SetParent(form);
  auto* timer = CreateComponent<TTestTimer>(form);
  timer->SetName("Timer1");
  return form;
}

// An unchanged inherited component is taken back out of the stream after its header was written;
// wherever the writer's buffer happened to be handed to the stream, the stream ends where the
// component tree ends.
TEST(WriterDescendent, ALeftOutComponentLeavesNoBytesBehindWhereverTheBufferWasFlushed) {
  TTestForm* ancestor = MakeForm();
  TTestForm* form = MakeForm();
  for (size_t length = 3950; length <= 4100; ++length) {
    SCOPED_TRACE(length);
    form->SetCaption(String(length, 'x'));
    TStringStream* stream = New<TStringStream>();
    WriteDescendent(stream, form, ancestor);
    String bytes = stream->GetDataString();
    stream->Free();
    String text = ObjectBinaryToTextString(bytes);
    ASSERT_EQ(text.find("Timer1"), String::npos) << "the unchanged timer is left out";
    ASSERT_EQ(ObjectTextToBinaryString(text).size(), bytes.size());
  }
  form->Free();
  ancestor->Free();
}

}  // namespace
