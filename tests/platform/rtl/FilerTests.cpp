#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

#include "Exceptions.h"
#include "Filer.h"
#include "ObjectText.h"
#include "StreamingFixtures.h"
#include "Streams.h"
#include "Strings.h"
#include "Variants.h"

using namespace StreamingFixtures;

namespace {

// Writes with a writer, then reads back with a reader over the same bytes.
class Roundtrip {
 public:
  Roundtrip() : FStream(New<TMemoryStream>()) {}
  ~Roundtrip() {
    if (FReader) FReader->Free();
    FStream->Free();
  }
  TReader* Write(const std::function<void(TWriter*)>& write) {
    TWriter* writer = New<TWriter>(FStream, 64);  // a small buffer: values cross its edge
    write(writer);
    writer->Free();
    FStream->SetPosition(0);
    FReader = New<TReader>(FStream, 64);
    return FReader;
  }
  TMemoryStream* Stream() { return FStream; }

 private:
  TMemoryStream* FStream;
  TReader* FReader = nullptr;
};

TEST(FilerValues, IntegersTakeTheSmallestKindAndReadBackExactly) {
  const struct {
    Int64 value;
    TValueType kind;
  } cases[] = {
      {0, vaInt8},          {127, vaInt8},        {-128, vaInt8},         {128, vaInt16},
      {-129, vaInt16},      {32767, vaInt16},     {32768, vaInt32},       {INT32_MIN, vaInt32},
      {INT32_MAX, vaInt32}, {INT32_MAX + 1LL, vaInt64}, {INT64_MIN, vaInt64},
  };
  Roundtrip rt;
  TReader* r = rt.Write([&](TWriter* w) {
    for (auto& c : cases) w->WriteInteger(c.value);
  });
  for (auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(r->NextValue(), c.kind);
    if (c.kind == vaInt64) EXPECT_EQ(r->ReadInt64(), c.value);
    else EXPECT_EQ(r->ReadInteger(), c.value);
  }
}

TEST(FilerValues, FloatsKeepEveryBit) {
  const double doubles[] = {0.1, -1e300, 5e-324, 2.2250738585072014e-308, 1.0 / 3, -0.0,
                            std::numeric_limits<double>::infinity()};
  Roundtrip rt;
  TReader* r = rt.Write([&](TWriter* w) {
    for (double d : doubles) w->WriteFloat(d);
    w->WriteSingle(1.5f);
    w->WriteCurrency(Currency::FromRaw(-922337203685477LL));
    w->WriteDate(45000.75);
    w->WriteInteger(7);
  });
  for (double d : doubles) {
    EXPECT_EQ(r->NextValue(), vaExtended);
    double back = r->ReadFloat();
    EXPECT_EQ(std::memcmp(&back, &d, sizeof d), 0) << d;
  }
  EXPECT_EQ(r->ReadSingle(), 1.5f);
  EXPECT_EQ(r->ReadCurrency().Raw, -922337203685477LL);
  EXPECT_EQ(r->ReadDate(), 45000.75);
  EXPECT_EQ(r->ReadFloat(), 7.0);  // an integer reads as a float
}

TEST(FilerValues, TextValues) {
  const String longText(300, 'x');
  Roundtrip rt;
  TReader* r = rt.Write([&](TWriter* w) {
    w->WriteString("");
    w->WriteString("拍卖");
    w->WriteString(longText);
    w->WriteWideString(u"宋体");
    w->WriteUTF8Str("计时");
    w->WriteChar('A');
    w->WriteIdent("sideTop");
    w->WriteIdent("true");
    w->WriteIdent("nil");
    w->WriteBoolean(false);
  });
  EXPECT_EQ(r->ReadString(), "");
  EXPECT_EQ(r->ReadString(), "拍卖");
  EXPECT_EQ(r->NextValue(), vaLString);
  EXPECT_EQ(r->ReadString(), longText);
  EXPECT_EQ(r->ReadString(), "宋体");
  EXPECT_EQ(r->ReadWideString(), u"计时");
  EXPECT_EQ(r->ReadChar(), 'A');
  EXPECT_EQ(r->ReadIdent(), "sideTop");
  EXPECT_EQ(r->NextValue(), vaTrue);
  EXPECT_EQ(r->ReadIdent(), "True");
  EXPECT_EQ(r->ReadIdent(), "nil");
  EXPECT_FALSE(r->ReadBoolean());
}

TEST(FilerValues, ListsSetsVariantsAndSkipping) {
  const TTypeInfo* styles = TypeInfoOf<TTestStyles>();
  Roundtrip rt;
  TReader* r = rt.Write([&](TWriter* w) {
    w->WriteListBegin();
    w->WriteVariant(Variant());
    w->WriteVariant(Null());
    w->WriteVariant(Variant(static_cast<int16_t>(-300)));
    w->WriteVariant(Variant("字"));
    w->WriteListEnd();
    w->WriteSet(styles, TTestStyles{styItalic, styUnderline}.ToBits());
    w->WriteListBegin();  // skipped whole
    w->WriteListBegin();
    w->WriteString("inner");
    w->WriteListEnd();
    w->WriteSet(styles, 0);
    w->WriteListEnd();
    w->WriteInteger(99);
  });
  r->ReadListBegin();
  EXPECT_TRUE(VarIsEmpty(r->ReadVariant()));
  EXPECT_TRUE(VarIsNull(r->ReadVariant()));  // Null does not end the list
  Variant small = r->ReadVariant();
  EXPECT_EQ(VarType(small), varSmallint);
  EXPECT_EQ(small.ToInteger(), -300);
  EXPECT_EQ(r->ReadVariant().ToString(), "字");
  EXPECT_TRUE(r->EndOfList());
  r->ReadListEnd();
  EXPECT_EQ(TTestStyles::FromBits(r->ReadSet(styles)), (TTestStyles{styItalic, styUnderline}));
  r->SkipValue();
  EXPECT_EQ(r->ReadInteger(), 99);
}

TEST(FilerValues, AValueOfTheWrongKindIsAReadError) {
  const std::function<void(TReader*)> reads[] = {
      [](TReader* r) { r->ReadInteger(); }, [](TReader* r) { r->ReadBoolean(); },
      [](TReader* r) { r->ReadIdent(); },   [](TReader* r) { r->ReadFloat(); },
      [](TReader* r) { r->ReadListBegin(); },
  };
  for (auto& read : reads) {
    Roundtrip rt;
    TReader* r = rt.Write([](TWriter* w) { w->WriteString("text"); });
    EXPECT_THROW(read(r), EReadError);
  }
  Roundtrip rt;
  TReader* r = rt.Write([](TWriter* w) { w->WriteInteger(Int64{1} << 40); });
  EXPECT_THROW(r->ReadInteger(), EReadError);  // beyond 32 bits
}

TEST(FilerValues, TheReaderLeavesTheStreamRightAfterWhatItRead) {
  Roundtrip rt;
  rt.Write([](TWriter* w) {
    w->WriteInteger(1);
    w->WriteInteger(2);
  });
  TReader* reader = New<TReader>(rt.Stream(), 4096);
  reader->ReadInteger();
  reader->Free();
  EXPECT_EQ(rt.Stream()->GetPosition(), 2);
}

// ---- Components --------------------------------------------------------------------------------------
String MainFormBinary() { return ObjectTextToBinaryString(MainFormText); }

TTestForm* ReadForm(const String& binary, TReaderError onError = nullptr) {
  TTestForm* form = CreateComponent<TTestForm>(nullptr);
  TStringStream* stream = New<TStringStream>(binary);
  TReader* reader = New<TReader>(stream, 4096);
  reader->OnError = onError;
  try {
    reader->ReadRootComponent(form);
  } catch (...) {
    reader->Free();
    stream->Free();
    form->Free();
    throw;
  }
  reader->Free();
  stream->Free();
  return form;
}

String ReadError(const String& text) {
  try {
    ReadForm(ObjectTextToBinaryString(text))->Free();
  } catch (Exception& e) {
    return String(e.ClassName()) + ": " + e.Message();
  }
  return "no error";
}

class FilerComponents : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterFixtureClasses();
    Journal().clear();
  }
};

TEST_F(FilerComponents, ErrorsNameTheObjectAndTheEntry) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"object F: TTestForm\n  object B: TTestControl\n    Colour = 1\n  end\nend",
       "EReadError: Error reading B.Colour: Property Colour does not exist"},
      {"object F: TTestForm\n  Side = sideSideways\nend", "EReadError: Error reading F.Side: Invalid property value"},
      {"object F: TTestForm\n  Caption = 5\nend", "EReadError: Error reading F.Caption: Invalid property value"},
      {"object F: TTestForm\n  Font.Style = [styBold, styHuge]\nend",
       "EReadError: Error reading F.Font.Style: Invalid property value: styHuge"},
      {"object F: TTestForm\n  Caption.Size = 1\nend", "EReadError: Error reading F.Caption.Size: Property Caption does not exist"},
      {"object F: TTestForm\n  Items = <\n    item\n      Depth = 1\n    end>\nend",
       "EReadError: Error reading TTestItem.Depth: Property Depth does not exist"},
      {"object F: TTestForm\n  OnClick = NoSuchHandler\nend",
       "EReadError: Error reading F.OnClick: Method NoSuchHandler not found"},
      {"object F: TTestForm\n  object B: TNoSuchClass\n  end\nend", "EClassNotFound: Class TNoSuchClass not found"},
      {"object F: TTestForm\n  object B: TTestControl\n  end\n  object b: TTestControl\n  end\nend",
       "EComponentError: A component named b already exists"},
  };
  for (auto& c : cases) EXPECT_EQ(ReadError(c.text), c.error) << c.text;
}

TEST_F(FilerComponents, AnErrorHandlerMaySkipWhatCannotBeRead) {
  std::vector<String> messages;
  TReaderError skip = [&](TReader*, const String& message, bool& handled) {
    messages.push_back(message);
    handled = true;
  };
  TTestForm* form = ReadForm(ObjectTextToBinaryString(R"(object F: TTestForm
  Side = 3.5
  Colour = (1 (2 3) 'x')
  Items = <
    item
      Depth = <item end>
      Caption = 'kept'
    end>
  object Lost: TNoSuchClass
    Caption = 'x'
    object Inner: TTestControl
    end
  end
  object Kept: TTestControl
    Caption = 'after'
  end
end
)"),
                             skip);
  EXPECT_EQ(messages.size(), 4u);
  EXPECT_EQ(static_cast<TTestItem*>(form->GetItems()->GetItem(0))->GetCaption(), "kept");
  EXPECT_EQ(form->FindComponent("Lost"), nullptr);
  EXPECT_EQ(form->FindComponent("Inner"), nullptr);
  ASSERT_NE(form->FindComponent("Kept"), nullptr);
  form->Free();
}

TEST_F(FilerComponents, EveryTruncatedOrDamagedStreamIsARefusalNotACrash) {
  const String good = MainFormBinary();
  for (size_t length = 0; length < good.size(); ++length)
    EXPECT_THROW(ReadForm(good.substr(0, length))->Free(), Exception) << length;
  for (size_t at = 0; at < good.size(); ++at)
    for (unsigned char b : {0x00, 0x7F, 0xFF}) {
      String bad = good;
      bad[at] = static_cast<char>(b);
      try {
        ReadForm(bad)->Free();
      } catch (Exception&) {
      }
    }
  EXPECT_NO_THROW(ReadForm(good)->Free());
}

TComponent* otherForm = nullptr;
TComponent* FindOtherForm(const String& name) {
  return otherForm && SameText(otherForm->GetName(), name) ? otherForm : nullptr;
}

TEST_F(FilerComponents, AReferenceToAFormNotYetLoadedWaitsForIt) {
  RegisterFindGlobalComponentProc(FindOtherForm);
  const char* first = "object First: TTestForm\n  object Button1: TTestControl\n    Buddy = Second.Label9\n  end\nend";
  const char* second = "object Second: TTestForm\n  object Label9: TTestControl\n  end\nend";
  TTestForm* a = ReadForm(ObjectTextToBinaryString(first));
  auto* button = dynamic_cast<TTestControl*>(a->FindComponent("Button1"));
  EXPECT_EQ(button->GetBuddy(), nullptr);
  TTestForm* b = CreateComponent<TTestForm>(nullptr);
  otherForm = b;
  TStringStream* stream = New<TStringStream>(ObjectTextToBinaryString(second));
  ReadComponent(stream, b);
  stream->Free();
  ASSERT_NE(button->GetBuddy(), nullptr);
  EXPECT_EQ(button->GetBuddy(), b->FindComponent("Label9"));
  // Written from the first form, the reference names the other form.
  EXPECT_NE(FormText(a).find("Buddy = Second.Label9"), String::npos);

  // A form freed while its reference still waits leaves nothing behind to be written later.
  TTestForm* c = ReadForm(ObjectTextToBinaryString(
      "object Third: TTestForm\n  object Button1: TTestControl\n    Buddy = Fourth.Label1\n  end\nend"));
  c->Free();
  otherForm = nullptr;
  b->Free();
  a->Free();
  TTestForm* d = CreateComponent<TTestForm>(nullptr);
  otherForm = d;
  stream = New<TStringStream>(ObjectTextToBinaryString("object Fourth: TTestForm\n  object Label1: TTestControl\n  end\nend"));
  ReadComponent(stream, d);
  stream->Free();
  otherForm = nullptr;
  d->Free();
  UnregisterFindGlobalComponentProc(FindOtherForm);
}

TEST_F(FilerComponents, AStoredPredicateDecidesWhetherAPropertyIsWritten) {
  TTestForm* form = ReadForm(MainFormBinary());
  auto* button = dynamic_cast<TTestControl*>(form->FindComponent("Button1"));
  button->SetHint("OK");  // the same as the caption: not stored
  EXPECT_EQ(FormText(form).find("Hint"), String::npos);
  button->SetHint("Press");
  EXPECT_NE(FormText(form).find("      Hint = 'Press'\n"), String::npos);
  form->Free();
}

TEST_F(FilerComponents, HandlersTheRootDoesNotPublishAreNotWritten) {
  TTestForm* form = ReadForm(MainFormBinary());
  auto* button = dynamic_cast<TTestControl*>(form->FindComponent("Button1"));
  button->SetOnClick([](TObject*) {});
  String text = FormText(form);
  EXPECT_EQ(text.find("      OnClick"), String::npos);
  EXPECT_NE(text.find("  OnClick = FormClick"), String::npos);
  form->Free();
}

}  // namespace
