#include <gtest/gtest.h>

#include <string>

#include "Exceptions.h"
#include "Resources.h"
#include "SysInfo.h"

// The fixtures under tests/platform/rtl/fixtures, compiled in by the build (cmake/EmbedResources.cmake).
DECLARE_RESOURCE_TABLE(test_platform_rtl, RCDATA)
DECLARE_RESOURCE_TABLE(test_platform_rtl, NOTE)

namespace {

const char* const GreetingText = "竞拍倒计时\r\nAuction countdown\r\n";

class CompiledResources : public testing::Test {
 protected:
  void SetUp() override {
    RegisterResourceTable(ResourceTable_test_platform_rtl_RCDATA());
    RegisterResourceTable(ResourceTable_test_platform_rtl_NOTE());
  }
};

String Contents(TStream* s) {
  String r(static_cast<size_t>(s->GetSize()), '\0');
  s->ReadBuffer(r.data(), static_cast<Integer>(r.size()));
  return r;
}

}  // namespace

TEST_F(CompiledResources, FoundByTypeAndNameWhateverTheirCaseOrForm) {
  struct Case {
    HMODULE module;
    const char* name;
    const char* type;
    bool found;
  } cases[] = {
      {HInstance, "GREETING", RT_RCDATA, true},
      {nullptr, "Greeting", "rcdata", true},
      {HInstance, "greeting", MAKEINTRESOURCE(10), true},
      {HInstance, "greeting", "#010", true},
      {HInstance, "Readme", "Note", true},
      {HInstance, MAKEINTRESOURCE(7), "NOTE", true},
      {HInstance, "#7", "note", true},
      {HInstance, "GREETING", RT_BITMAP, false},
      {HInstance, "README", RT_RCDATA, false},
      {HInstance, "Greeting.txt", RT_RCDATA, false},
      {reinterpret_cast<HMODULE>(uintptr_t{0x1234000}), "GREETING", RT_RCDATA, false},
      {HInstance, nullptr, RT_RCDATA, false},
  };
  for (const Case& c : cases) {
    std::string label = std::string(IS_INTRESOURCE(c.name) ? "#id" : c.name ? c.name : "null") + " / " +
                        (IS_INTRESOURCE(c.type) ? "#id" : c.type);
    EXPECT_EQ(FindResource(c.module, c.name, c.type) != nullptr, c.found) << label;
  }

  HRSRC info = FindResource(HInstance, "greeting", RT_RCDATA);
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(SizeofResource(HInstance, info), std::char_traits<char>::length(GreetingText));
  auto* bytes = static_cast<const char*>(LockResource(LoadResource(HInstance, info)));
  EXPECT_EQ(std::string(bytes, SizeofResource(HInstance, info)), GreetingText);
  EXPECT_EQ(GetModuleHandle(nullptr), HInstance) << "one module, one handle";
  EXPECT_EQ(MainInstance, HInstance);
}

TEST_F(CompiledResources, ResourceStreamReadsTheBytesAndRefusesWrites) {
  TResourceStream* s = New<TResourceStream>(HInstance, String("Greeting"), RT_RCDATA);
  EXPECT_EQ(Contents(s), GreetingText);
  EXPECT_THROW(s->WriteBuffer("x", 1), EStreamError);
  s->Free();

  TResourceStream* empty = TResourceStream::CreateFromID(HInstance, 7, "NOTE");
  EXPECT_EQ(empty->GetSize(), 0);
  char c;
  EXPECT_EQ(empty->Read(&c, 1), 0);
  empty->Free();

  try {
    New<TResourceStream>(HInstance, String("TFRMMISSING"), RT_RCDATA);
    FAIL() << "no error for a missing resource";
  } catch (const EResNotFound& e) {
    EXPECT_EQ(e.Message(), "Resource TFRMMISSING not found");
  }
}
