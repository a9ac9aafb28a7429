#include <gtest/gtest.h>

#include "ExtCtrls.h"
#include "Forms.h"
#include "Registry.h"
#include "StdCtrls.h"
#include "StringLists.h"
#include "TSCommon.h"
#include "TypInfo.h"

namespace {

TEST(TSCommonRegistry, PathsNameTheirRootKey) {
  struct Case {
    const char* Path;
    bool Ok;
    HKEY Root;
    const char *RootName, *KeyPath;
  } cases[] = {
      {"\\\\hkey_local_machine\\Software\\X", true, HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE", "\\Software\\X"},
      {"\\\\HKEY_USERS", true, HKEY_USERS, "HKEY_USERS", ""},
      {"Software\\Grid", true, nullptr, "", "Software\\Grid"},
      {"\\", true, nullptr, "", "\\"},
      {"\\\\HKEY_CURRENT_CONFIG\\X", false, nullptr, "HKEY_CURRENT_CONFIG", "\\X"},
  };
  for (const Case& c : cases) {
    HKEY root = HKEY_CLASSES_ROOT;
    String rootName, keyPath;
    EXPECT_EQ(ParseRegistryPath(c.Path, root, rootName, keyPath), c.Ok) << c.Path;
    EXPECT_EQ(root, c.Root) << c.Path;
    EXPECT_EQ(rootName, c.RootName) << c.Path;
    EXPECT_EQ(keyPath, c.KeyPath) << c.Path;
  }
}

TEST(TSCommonRegistry, OpensMadeAndExistingKeys) {
  EXPECT_EQ(OpenRegistryKey("\\\\hkey_local_machine\\Software\\GridTest", false), nullptr);
  {
    TOwnedPtr<TRegistry> made(OpenRegistryKey("\\\\hkey_local_machine\\Software\\GridTest", true));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetRootKey(), HKEY_LOCAL_MACHINE);
    made->WriteString("Layout", "1;2;3");
  }
  EXPECT_EQ(GetRegStrValue(HKEY_LOCAL_MACHINE, "Software\\GridTest", "Layout"), "1;2;3");
  EXPECT_EQ(GetRegStrValue(HKEY_LOCAL_MACHINE, "Software\\GridTest", "Missing"), "");
  EXPECT_EQ(GetRegStrValue(HKEY_LOCAL_MACHINE, "Software\\Nowhere", "Layout"), "");

  TOwnedPtr<TRegistry> root(OpenRegistryKey("\\\\HKEY_USERS", false));
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->GetCurrentPath(), "");

  TOwnedPtr<TRegistry> user(OpenRegistryKey("Software\\GridUser", true));
  ASSERT_NE(user, nullptr);
  EXPECT_EQ(user->GetRootKey(), HKEY_CURRENT_USER);

  try {
    OpenRegistryKey("\\\\HKEY_CURRENT_CONFIG\\X", true);
    FAIL() << "an unknown root raises";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(e.Message(), "Unknown registry key HKEY_CURRENT_CONFIG");
  }
}

// A component with a value, a text, an owned sub-object whose setter only stores the reference
// (the copy must still not share it), a component reference, a tag and an event.
class TCopied : public TComponent {
  DECLARE_CLASS(TCopied, TComponent)
 public:
  Integer GetColor() const { return FColor; }
  void SetColor(Integer V) { FColor = V; }
  String GetCaption() const { return FCaption; }
  void SetCaption(const String& V) { FCaption = V; }
  TFont* GetFont() const { return FFont; }
  void SetFont(TFont* V) { FFont = V; }
  TComponent* GetBuddy() const { return FBuddy; }
  void SetBuddy(TComponent* V) { FBuddy = V; }
  NativeInt GetMark() const { return FMark; }
  void SetMark(NativeInt V) { FMark = V; }
  TNotifyEvent GetOnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent V) { FOnChange = V; }

 protected:
  explicit TCopied(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  void Construct() override {
    inherited::Construct();
    FOwnFont = FFont = New<TFont>();
  }
  void Destroy() override {
    FreeAndNil(FOwnFont);
    inherited::Destroy();
  }

 private:
  Integer FColor = 0;
  String FCaption;
  TFont* FFont = nullptr;
  TFont* FOwnFont = nullptr;
  TComponent* FBuddy = nullptr;
  NativeInt FMark = 0;
  TNotifyEvent FOnChange;
};
IMPLEMENT_CLASS_PUBLISHED(TCopied) {
  d.Property("Color", &TCopied::GetColor, &TCopied::SetColor);
  d.Property("Caption", &TCopied::GetCaption, &TCopied::SetCaption);
  d.Property("Font", &TCopied::GetFont, &TCopied::SetFont);
  d.Property("Buddy", &TCopied::GetBuddy, &TCopied::SetBuddy);
  d.Property("Mark", &TCopied::GetMark, &TCopied::SetMark);
  d.Property("OnChange", &TCopied::GetOnChange, &TCopied::SetOnChange);
}

TEST(TSCommonProperties, AssignObjectCopiesValuesAndSettingsButNoEvents) {
  TOwnedPtr<TCopied> source(New<TCopied>(nullptr));
  TOwnedPtr<TCopied> dest(New<TCopied>(nullptr));
  TOwnedPtr<TComponent> buddy(New<TComponent>(nullptr));
  source->SetName("Source");
  source->SetColor(7);
  source->SetCaption("价格");
  source->GetFont()->SetSize(14);
  source->SetBuddy(buddy.get());
  source->SetMark(NativeInt(1) << 40);
  source->SetOnChange([](TObject*) {});

  AssignObject(dest.get(), source.get(), " Caption ; name");
  EXPECT_EQ(dest->GetColor(), 7);
  EXPECT_EQ(dest->GetCaption(), "");
  EXPECT_EQ(dest->GetName(), "");
  EXPECT_NE(dest->GetFont(), source->GetFont()) << "a sub-object is assigned, never shared";
  EXPECT_EQ(dest->GetFont()->GetSize(), 14);
  EXPECT_EQ(dest->GetBuddy(), buddy.get()) << "a component reference is copied as one";
  EXPECT_EQ(dest->GetMark(), NativeInt(1) << 40);
  EXPECT_FALSE(dest->GetOnChange()) << "events are not copied";

  AssignNameValue("Caption", dest.get(), source.get());
  EXPECT_EQ(dest->GetCaption(), "价格");
  AssignNameValue("OnChange", dest.get(), source.get());
  EXPECT_TRUE(dest->GetOnChange());

  // A property of another class is written through the destination's property of that name.
  TOwnedPtr<TComponent> plain(New<TComponent>(nullptr));
  AssignObject(plain.get(), source.get(), "");
  EXPECT_EQ(plain->GetName(), "Source");
  EXPECT_EQ(plain->GetTag(), 0);
}

TEST(TSCommonProperties, ExcludedNamesMatchWholeNamesIgnoringCase) {
  TOwnedPtr<TStringList> list(CreateStringList(" Color ; ; Font;"));
  ASSERT_EQ(list->GetCount(), 2);
  EXPECT_EQ(list->GetStrings(0), "Color");
  EXPECT_TRUE(StringInList("color", list.get()));
  EXPECT_TRUE(StringInList("FONT", list.get()));
  EXPECT_FALSE(StringInList("ColorX", list.get()));
  EXPECT_FALSE(StringInList("Col", list.get()));
  EXPECT_FALSE(StringInList("", list.get()));
}

TEST(TSCommonControls, VisibilityFocusAndHandles) {
  TForm* form = TCustomForm::CreateNew<TForm>(nullptr);
  form->SetBounds(50, 50, 300, 200);
  auto* panel = CreateComponent<TPanel>(form);
  panel->SetParent(form);
  auto* edit = CreateComponent<TEdit>(form);
  edit->SetParent(panel);
  auto* other = CreateComponent<TEdit>(form);
  other->SetParent(form);
  other->SetTop(150);

  EXPECT_FALSE(IsControlHandle(nullptr, panel)) << "no window yet";
  form->Show();
  Application->ProcessMessages();
  EXPECT_TRUE(ControlVisible(edit));
  EXPECT_TRUE(IsControlHandle(edit->GetHandle(), panel));
  EXPECT_TRUE(IsControlHandle(panel->GetHandle(), panel));
  EXPECT_FALSE(IsControlHandle(other->GetHandle(), panel));
  EXPECT_FALSE(IsControlHandle(edit->GetHandle(), nullptr));

  edit->SetFocus();
  Application->ProcessMessages();
  EXPECT_TRUE(ControlFocused(panel));
  EXPECT_TRUE(ControlFocused(form));
  other->SetFocus();
  Application->ProcessMessages();
  EXPECT_FALSE(ControlFocused(panel));

  panel->SetVisible(false);
  EXPECT_TRUE(edit->GetVisible());
  EXPECT_FALSE(ControlVisible(edit)) << "a visible control on a hidden panel";
  form->Free();
}

}  // namespace
