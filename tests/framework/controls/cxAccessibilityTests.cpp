// The accessibility helper as a client sees it: child addressing, the S_OK/S_FALSE string rule, the
// properties a call needs, focus, location and hit testing, navigation, the parent, an owner that is
// gone, exceptions kept inside, and the unit's binding of the accessibility library.
#include <gtest/gtest.h>

#include <vector>

#include "Menus.h"
#include "Multibyte.h"
#include "SysInfo.h"
#include "WinManage.h"
#include "WinScrollBars.h"
#include "cxAccessibility.h"

namespace {

// A helper whose answers are plain fields; its children are helpers it holds or simple elements.
class TTestHelper : public TcxAccessibilityHelper {
  DECLARE_CLASS(TTestHelper, TcxAccessibilityHelper)
 public:
  using TcxAccessibilityHelper::TcxAccessibilityHelper;
  struct TChild {
    TTestHelper* Helper = nullptr;  // null: a simple element
    String Name;
    TRect Bounds;
  };

  TTestHelper* AddHelper(const String& AName, const TRect& ABounds = TRect()) {
    auto* child = New<TTestHelper>(nullptr);
    child->Name = AName;
    child->Bounds = ABounds;
    child->Parent = this;
    FHeld.emplace_back(child);
    Children.push_back({child, AName, ABounds});
    return child;
  }
  void AddSimple(const String& AName, const TRect& ABounds = TRect()) { Children.push_back({nullptr, AName, ABounds}); }
  IcxAccessible* Accessible() { return this; }

  String Name, Description, Value, Caption;
  Word ShortCut = 0;
  TRect Bounds;
  Cardinal State = 0;
  bool Selectable = false;
  bool ValueAnswered = true;
  Integer FocusedChild = -2;  // -2 nothing, -1 the object itself, else a child index
  TcxAccessibleObjectProperties Supported;
  TTestHelper* Parent = nullptr;
  HWND Window = nullptr;
  std::vector<TChild> Children;
  std::vector<Integer> Actions;

  bool ChildIsSimpleElement(Integer AIndex) override { return Children.at(AIndex).Helper == nullptr; }
  TcxAccessibilityHelper* GetChild(Integer AIndex) override { return Children.at(AIndex).Helper; }
  Integer GetChildCount() override { return static_cast<Integer>(Children.size()); }
  Integer GetChildIndex(TcxAccessibilityHelper* AChild) override {
    for (size_t i = 0; i < Children.size(); ++i)
      if (Children[i].Helper == AChild) return static_cast<Integer>(i);
    return TcxAccessibilityHelper::GetChildIndex(AChild);
  }
  // Index 0 is the object itself here: the tests keep their simple elements after the first child.
  String GetName(Integer AIndex) override { return AIndex == 0 ? Name : Children.at(AIndex).Name; }
  String GetDescription(Integer) override { return Description; }
  String GetValue(Integer AIndex) override { return ValueAnswered ? Value : TcxAccessibilityHelper::GetValue(AIndex); }
  void SetValue(Integer, const String& AValue) override { Value = AValue; }
  void DoDefaultAction(Integer AIndex) override { Actions.push_back(AIndex); }
  String GetDefaultActionDescription(Integer) override { return "Press"; }
  void GetKeyboardAccessParameters(Integer, Word& AShortCut, String& ACaption) override {
    AShortCut = ShortCut;
    ACaption = Caption;
  }
  Cardinal GetRole(Integer AIndex) override { return 100 + AIndex; }
  Cardinal GetState(Integer AIndex) override { return AIndex == 0 ? State : 0; }
  TRect GetScreenBounds(Integer AIndex) override { return AIndex == 0 ? Bounds : Children.at(AIndex).Bounds; }
  TcxAccessibleObjectProperties GetSupportedProperties(Integer) override { return Supported; }
  TcxAccessibilityHelper* GetParent() override { return Parent; }
  bool GetSelectable() override { return Selectable; }
  HWND GetOwnerObjectWindow() override { return Window; }
  bool Focused(bool& AChildFocused, Integer& AChildIndex) override {
    AChildFocused = FocusedChild >= 0;
    AChildIndex = FocusedChild;
    return FocusedChild != -2;
  }
  TcxAccessibleObjectHitTest GetHitTest(Integer X, Integer Y, Integer& AChildIndex) override {
    for (size_t i = 0; i < Children.size(); ++i)
      if (X >= Children[i].Bounds.left && X < Children[i].Bounds.right && Y >= Children[i].Bounds.top &&
          Y < Children[i].Bounds.bottom) {
        AChildIndex = static_cast<Integer>(i);
        return aohtChild;
      }
    return aohtSelf;
  }
  // Next and previous step within the children; down stays; left names no child at all.
  Integer NavigateToChild(Integer AIndex, TcxAccessibilityNavigationDirection ADirection) override {
    switch (ADirection) {
      case andNext: return AIndex + 1 < GetChildCount() ? AIndex + 1 : AIndex;
      case andPrev: return AIndex > 0 ? AIndex - 1 : AIndex;
      case andLeft: return -1;
      default: return AIndex;
    }
  }

 private:
  std::vector<TInterfaceRef<IcxAccessibilityHelper>> FHeld;
};
IMPLEMENT_CLASS(TTestHelper)

TcxAccessibleVariant Id(LONG AID) { return TcxAccessibleVariant::OfInteger(AID); }

// A root "Panel" at (10, 10)-(110, 60) with the children Button (a helper), Label (simple) and Edit
// (a helper), each 20 pixels wide along the top row.
class cxAccessibilityHelper : public testing::Test {
 protected:
  void SetUp() override {
    Root = New<TTestHelper>(nullptr);
    FRootRef = Root;
    Root->Name = "Panel";
    Root->Bounds = TRect(10, 10, 110, 60);
    Root->Supported = {aopDefaultAction, aopDescription, aopFocus, aopLocation, aopShortcut, aopValue};
    Button = Root->AddHelper("Button", TRect(10, 10, 30, 30));
    Root->AddSimple("Label", TRect(30, 10, 50, 30));
    Edit = Root->AddHelper("Edit", TRect(50, 10, 70, 30));
  }

  TTestHelper *Root = nullptr, *Button = nullptr, *Edit = nullptr;

 private:
  TInterfaceRef<IcxAccessibilityHelper> FRootRef;
};

TEST_F(cxAccessibilityHelper, ChildIdentifiersNameTheObjectItsSimpleElementsOrTheirOwnHelpers) {
  IcxAccessible* root = Root->Accessible();
  struct TCase {
    TcxAccessibleVariant Child;
    HRESULT Result;
    const char* Name;
  };
  const TCase cases[] = {
      {Id(0), S_OK, "Panel"},
      {TcxAccessibleVariant(), S_OK, "Panel"},  // an empty argument names the object itself
      {Id(2), S_OK, "Label"},
      {Id(1), E_INVALIDARG, ""},  // a child with a helper of its own answers for itself
      {Id(4), E_INVALIDARG, ""},
      {Id(-1), E_INVALIDARG, ""},
      {TcxAccessibleVariant::OfDispatch(Button->Accessible()), E_INVALIDARG, ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    WideString name = u"stale";
    EXPECT_EQ(root->get_accName(c.Child, name), c.Result);
    EXPECT_EQ(WideToUtf8(name), c.Name);
    TcxAccessibleVariant role;
    EXPECT_EQ(root->get_accRole(c.Child, role), c.Result);
    EXPECT_EQ(role.VType, c.Result == S_OK ? VT_I4 : VT_EMPTY);
  }
  TcxAccessibleVariant role;
  root->get_accRole(Id(2), role);
  EXPECT_EQ(role.IntValue, 101);  // the simple element's index is its identifier - 1

  LONG count = 0;
  EXPECT_EQ(root->get_accChildCount(count), S_OK);
  EXPECT_EQ(count, 3);
  TInterfaceRef<IDispatch> child;
  EXPECT_EQ(root->get_accChild(Id(3), child), S_OK);
  EXPECT_EQ(child.Get(), static_cast<IDispatch*>(Edit->Accessible()));
  EXPECT_EQ(root->get_accChild(Id(2), child), S_FALSE);
  EXPECT_FALSE(child);
  for (const TcxAccessibleVariant& bad : {Id(0), Id(-1), Id(4), TcxAccessibleVariant()})
    EXPECT_EQ(root->get_accChild(bad, child), E_INVALIDARG);
}

TEST_F(cxAccessibilityHelper, TextsFollowTheStringRuleAndNeedTheirProperty) {
  IcxAccessible* root = Root->Accessible();
  WideString text;
  EXPECT_EQ(root->get_accDescription(Id(0), text), S_FALSE);  // empty
  Root->Description = "A panel";
  EXPECT_EQ(root->get_accDescription(Id(0), text), S_OK);
  EXPECT_EQ(WideToUtf8(text), "A panel");
  EXPECT_EQ(root->get_accValue(Id(0), text), S_OK);  // a value answers S_OK even when empty

  struct TCase {
    String Caption;
    Word ShortCut;
    HRESULT Result;
    String Text;
  };
  const TCase shortcuts[] = {{"&save", 0, S_OK, "S"},
                             {"Save", ShortCut('S', {ssCtrl}), S_OK, ShortCutToText(ShortCut('S', {ssCtrl}))},
                             {"Save", 0, S_FALSE, ""}};
  for (const TCase& c : shortcuts) {
    Root->Caption = c.Caption;
    Root->ShortCut = c.ShortCut;
    EXPECT_EQ(root->get_accKeyboardShortcut(Id(0), text), c.Result);
    EXPECT_EQ(WideToUtf8(text), c.Text);
  }

  Root->Supported = {};
  EXPECT_EQ(root->get_accDescription(Id(0), text), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(root->get_accValue(Id(0), text), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(root->get_accKeyboardShortcut(Id(0), text), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(root->put_accValue(Id(0), u"x"), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(root->accDoDefaultAction(Id(0)), DISP_E_MEMBERNOTFOUND);
  LONG topic = 0;
  TcxAccessibleVariant selection;
  EXPECT_EQ(root->get_accHelp(Id(0), text), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(root->get_accHelpTopic(text, Id(0), topic), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(root->get_accSelection(selection), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(root->accSelect(1, Id(0)), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(root->put_accName(Id(0), u"x"), DISP_E_MEMBERNOTFOUND);
}

TEST_F(cxAccessibilityHelper, ValuesAndDefaultActionsReachTheHelperAndItsExceptionsStayInside) {
  IcxAccessible* root = Root->Accessible();
  EXPECT_EQ(root->put_accValue(Id(2), u"\u4E2D"), S_OK);
  EXPECT_EQ(Root->Value, "\xE4\xB8\xAD");
  EXPECT_EQ(root->accDoDefaultAction(Id(2)), S_OK);
  EXPECT_EQ(Root->Actions, std::vector<Integer>{1});
  WideString text;
  EXPECT_EQ(root->get_accDefaultAction(Id(0), text), S_OK);
  EXPECT_EQ(WideToUtf8(text), "Press");

  // The base answer of a helper that claims a value without giving one raises: the client gets E_FAIL.
  Root->ValueAnswered = false;
  EXPECT_EQ(root->get_accValue(Id(0), text), E_FAIL);
  EXPECT_TRUE(text.empty());
}

TEST_F(cxAccessibilityHelper, FocusNamesTheObjectASimpleElementOrAChildHelper) {
  IcxAccessible* root = Root->Accessible();
  TcxAccessibleVariant focus;
  EXPECT_EQ(root->get_accFocus(focus), S_FALSE);
  EXPECT_EQ(focus.VType, VT_EMPTY);
  Root->FocusedChild = -1;
  EXPECT_EQ(root->get_accFocus(focus), S_OK);
  EXPECT_EQ(focus.VType, VT_I4);
  EXPECT_EQ(focus.IntValue, 0);
  Root->FocusedChild = 1;
  root->get_accFocus(focus);
  EXPECT_EQ(focus.IntValue, 2);
  Root->FocusedChild = 2;
  root->get_accFocus(focus);
  EXPECT_EQ(focus.VType, VT_DISPATCH);
  EXPECT_EQ(focus.Dispatch.Get(), static_cast<IDispatch*>(Edit->Accessible()));
  Root->Supported = {};
  EXPECT_EQ(root->get_accFocus(focus), DISP_E_MEMBERNOTFOUND);
}

TEST_F(cxAccessibilityHelper, LocationAndHitTestWorkInScreenCoordinates) {
  IcxAccessible* root = Root->Accessible();
  LONG left = 0, top = 0, width = 0, height = 0;
  EXPECT_EQ(root->accLocation(left, top, width, height, Id(2)), S_OK);
  EXPECT_EQ((std::vector<LONG>{left, top, width, height}), (std::vector<LONG>{30, 10, 20, 20}));

  struct TCase {
    LONG X, Y;
    HRESULT Result;
    Word VType;
    LONG ID;
    TTestHelper* Object;
  };
  const TCase cases[] = {
      {5, 5, S_FALSE, VT_EMPTY, 0, nullptr},  // outside the object
      {110, 20, S_FALSE, VT_EMPTY, 0, nullptr},
      {80, 40, S_OK, VT_I4, 0, nullptr},  // the object itself
      {35, 15, S_OK, VT_I4, 2, nullptr},  // the simple element
      {55, 15, S_OK, VT_DISPATCH, 0, Edit},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.X) + "," + std::to_string(c.Y));
    TcxAccessibleVariant hit;
    EXPECT_EQ(root->accHitTest(c.X, c.Y, hit), c.Result);
    EXPECT_EQ(hit.VType, c.VType);
    EXPECT_EQ(hit.IntValue, c.ID);
    EXPECT_EQ(hit.Dispatch.Get(), c.Object ? static_cast<IDispatch*>(c.Object->Accessible()) : nullptr);
  }
  Root->Supported = {};
  TcxAccessibleVariant hit;
  EXPECT_EQ(root->accHitTest(80, 40, hit), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(root->accLocation(left, top, width, height, Id(0)), DISP_E_MEMBERNOTFOUND);
}

TEST_F(cxAccessibilityHelper, NavigationAmongChildrenAndFromAChildThroughItsParent) {
  struct TCase {
    const char* What;
    TTestHelper* From;
    LONG Direction;
    TcxAccessibleVariant Start;
    HRESULT Result;
    Word VType;
    LONG ID;
    TTestHelper* Object;
  };
  const TCase cases[] = {
      {"first child", Root, NAVDIR_FIRSTCHILD, Id(0), S_OK, VT_DISPATCH, 0, Button},
      {"last child", Root, NAVDIR_LASTCHILD, Id(0), S_OK, VT_DISPATCH, 0, Edit},
      {"first child of a child", Root, NAVDIR_FIRSTCHILD, Id(2), E_INVALIDARG, VT_EMPTY, 0, nullptr},
      {"no children", Edit, NAVDIR_LASTCHILD, Id(0), S_FALSE, VT_EMPTY, 0, nullptr},
      {"next of the simple element", Root, NAVDIR_NEXT, Id(2), S_OK, VT_DISPATCH, 0, Edit},
      {"previous of the last", Root, NAVDIR_PREVIOUS, Id(3), S_OK, VT_I4, 2, nullptr},
      {"nowhere to go", Root, NAVDIR_DOWN, Id(2), S_FALSE, VT_EMPTY, 0, nullptr},
      {"an answer naming no child", Root, NAVDIR_LEFT, Id(2), S_FALSE, VT_EMPTY, 0, nullptr},
      {"a start above the count", Root, NAVDIR_NEXT, Id(4), E_INVALIDARG, VT_EMPTY, 0, nullptr},
      {"a negative start", Root, NAVDIR_NEXT, Id(-2), E_INVALIDARG, VT_EMPTY, 0, nullptr},
      {"the parent steps from the child", Button, NAVDIR_NEXT, Id(0), S_OK, VT_I4, 2, nullptr},
      {"the parent finds nothing further", Edit, NAVDIR_NEXT, Id(0), S_FALSE, VT_EMPTY, 0, nullptr},
      {"no parent", Root, NAVDIR_NEXT, Id(0), S_FALSE, VT_EMPTY, 0, nullptr},
  };
  Edit->Supported = {aopLocation};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    TcxAccessibleVariant end;
    EXPECT_EQ(c.From->Accessible()->accNavigate(c.Direction, c.Start, end), c.Result);
    EXPECT_EQ(end.VType, c.VType);
    EXPECT_EQ(end.IntValue, c.ID);
    EXPECT_EQ(end.Dispatch.Get(), c.Object ? static_cast<IDispatch*>(c.Object->Accessible()) : nullptr);
  }
  // A parent without location support, or one whose owner is gone, does not navigate.
  TcxAccessibleVariant end;
  Root->Supported = {};
  EXPECT_EQ(Button->Accessible()->accNavigate(NAVDIR_NEXT, Id(0), end), S_FALSE);
  Root->Supported = {aopLocation};
  Root->OwnerObjectDestroyed();
  EXPECT_EQ(Button->Accessible()->accNavigate(NAVDIR_NEXT, Id(0), end), S_FALSE);
}

TEST_F(cxAccessibilityHelper, OnceTheOwnerIsGoneEveryCallAnswersSOkWithNothing) {
  Root->Window = reinterpret_cast<HWND>(0x1234);  // never asked for again
  Root->OwnerObjectDestroyed();
  IcxAccessible* root = Root->Accessible();
  WideString name = u"stale";
  EXPECT_EQ(root->get_accName(Id(0), name), S_OK);
  EXPECT_TRUE(name.empty());
  LONG count = 7;
  EXPECT_EQ(root->get_accChildCount(count), S_OK);
  EXPECT_EQ(count, 0);
  TcxAccessibleVariant hit;
  EXPECT_EQ(root->accHitTest(80, 40, hit), S_OK);
  EXPECT_EQ(hit.VType, VT_EMPTY);
  EXPECT_EQ(root->get_accName(Id(99), name), S_OK);
  HWND window = nullptr;
  EXPECT_EQ(static_cast<IOleWindow*>(Root)->GetWindow(window), S_OK);
  EXPECT_EQ(window, nullptr);
}

TEST_F(cxAccessibilityHelper, SelectableChildrenRootAndVisibility) {
  Button->Selectable = true;
  TTestHelper* last = Root->AddHelper("Last");
  last->Selectable = true;  // children: Button*, Label, Edit, Last*
  struct TCase {
    Integer From;
    bool Forward;
    Integer Next;
  };
  for (const TCase& c : {TCase{-1, true, 0}, TCase{0, true, 3}, TCase{-1, false, 3}, TCase{3, false, 0},
                         TCase{0, false, -1}, TCase{3, true, -1}}) {
    SCOPED_TRACE(std::to_string(c.From) + (c.Forward ? " forward" : " backward"));
    EXPECT_EQ(Root->GetNextSelectableChildIndex(c.From, c.Forward), c.Next);
  }
  EXPECT_THROW(Root->GetNextSelectableChildIndex(4, true), Exception);

  TTestHelper* grandchild = Edit->AddHelper("Inner");
  EXPECT_EQ(grandchild->GetRootHelper(), Root);
  EXPECT_EQ(Root->GetRootHelper(), Root);
  EXPECT_TRUE(Root->GetVisible());
  Root->State = STATE_SYSTEM_INVISIBLE;
  EXPECT_FALSE(Root->GetVisible());
}

TEST_F(cxAccessibilityHelper, InterfacesAreFoundByTheirIdentifiers) {
  for (const TGUID& iid : {IIDOf<IcxAccessible>(), IIDOf<IDispatch>(), IIDOf<IOleWindow>(),
                           IIDOf<IcxAccessibilityHelper>()}) {
    void* found = nullptr;
    ASSERT_EQ(Root->QueryInterface(iid, &found), S_OK);
    EXPECT_NE(found, nullptr);
    Root->_Release();
  }
  void* found = nullptr;
  Root->QueryInterface(IIDOf<IcxAccessibilityHelper>(), &found);
  EXPECT_EQ(static_cast<IcxAccessibilityHelper*>(found)->GetHelper(), Root);
  Root->_Release();
  UINT count = 1;
  EXPECT_EQ(Root->GetTypeInfoCount(count), E_NOTIMPL);
  EXPECT_EQ(Root->Invoke(0, GUID_NULL, 0, 0, nullptr, nullptr, nullptr, nullptr), E_NOTIMPL);
  EXPECT_EQ(Root->ContextSensitiveHelp(TRUE), S_OK);
}

// ---- The parent beyond the helpers and the accessibility library ----------------------------------------------

struct TLibraryCall {
  HWND Window = nullptr;
  DWORD ObjectID = 0xFFFF;
  TGUID IID;
  WPARAM WParam = 0;
  IInterface* Object = nullptr;
};
TLibraryCall LastCall;
TTestHelper* WindowAccessible = nullptr;

HRESULT FakeAccessibleObjectFromWindow(HWND AWindow, DWORD AObjectID, const TGUID& AIID, void** AObject) {
  LastCall.Window = AWindow;
  LastCall.ObjectID = AObjectID;
  LastCall.IID = AIID;
  IcxAccessible* accessible = WindowAccessible;
  accessible->_AddRef();
  *AObject = accessible;
  return S_OK;
}

LRESULT FakeLresultFromObject(const TGUID& AIID, WPARAM AWParam, IInterface* AObject) {
  LastCall.IID = AIID;
  LastCall.WParam = AWParam;
  LastCall.Object = AObject;
  return 77;
}

// The unit starts again with a fake accessibility library and once more without it afterwards.
class cxAccessibilityLibrary : public cxAccessibilityHelper {
 protected:
  void SetUp() override {
    cxAccessibilityHelper::SetUp();
    DoneAccessibility();
    RegisterSystemFunction("oleacc.dll", "AccessibleObjectFromWindow",
                           reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&FakeAccessibleObjectFromWindow)));
    RegisterSystemFunction("oleacc.dll", "LresultFromObject",
                           reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&FakeLresultFromObject)));
    InitAccessibility();
    WindowAccessible = New<TTestHelper>(nullptr);
    FWindowAccessibleRef = WindowAccessible;
    LastCall = TLibraryCall();
  }
  void TearDown() override {
    FWindowAccessibleRef.Reset();
    DoneAccessibility();
    UnregisterSystemLibrary("oleacc");
    InitAccessibility();
  }

 private:
  TInterfaceRef<IcxAccessibilityHelper> FWindowAccessibleRef;
};

TEST(cxAccessibilityUnit, WithoutTheLibraryNothingIsSupportedAndAWindowHasNoAccessibleParent) {
  EXPECT_FALSE(IsAccessibilitySupported());
  Messages::TMessage message{WM_GETOBJECT, 0, OBJID_CLIENT};
  EXPECT_FALSE(CanReturnAccessibleObject(message));
  auto* helper = New<TTestHelper>(nullptr);
  TInterfaceRef<IcxAccessibilityHelper> ref(helper);
  EXPECT_EQ(WMGetObjectResultFromIAccessibilityHelper(message, helper), 0);
  helper->Window = CreateWindowExA(0, "BUTTON", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  TInterfaceRef<IDispatch> parent;
  EXPECT_EQ(helper->get_accParent(parent), S_FALSE);
  DestroyWindow(helper->Window);
}

TEST_F(cxAccessibilityLibrary, TheParentIsTheParentHelperOrTheWindowsAccessibleObject) {
  TInterfaceRef<IDispatch> parent;
  EXPECT_EQ(Button->get_accParent(parent), S_OK);
  EXPECT_EQ(parent.Get(), static_cast<IDispatch*>(Root->Accessible()));
  EXPECT_EQ(Root->get_accParent(parent), S_FALSE);  // no parent helper, no window

  HWND form = CreateWindowExA(0, "BUTTON", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  HWND child = CreateWindowExA(0, "BUTTON", "", WS_CHILD, 0, 0, 10, 10, form, nullptr, nullptr, nullptr);
  struct TCase {
    HWND Owner, Asked;
  };
  for (const TCase& c : {TCase{child, form}, TCase{form, GetDesktopWindow()}}) {
    Root->Window = c.Owner;
    EXPECT_EQ(Root->get_accParent(parent), S_OK);
    EXPECT_EQ(parent.Get(), static_cast<IDispatch*>(WindowAccessible->Accessible()));
    EXPECT_EQ(LastCall.Window, c.Asked);
    EXPECT_EQ(LastCall.ObjectID, 0u);
    EXPECT_TRUE(LastCall.IID == IIDOf<IcxAccessible>());
  }
  parent.Reset();
  DestroyWindow(form);
}

TEST_F(cxAccessibilityLibrary, AWindowAnswersWmGetObjectForItsClientObjectWithTheHelper) {
  EXPECT_TRUE(IsAccessibilitySupported());
  for (LPARAM objectID : {LPARAM(OBJID_CLIENT), LPARAM(0xFFFFFFFC)})
    EXPECT_TRUE(CanReturnAccessibleObject(Messages::TMessage{WM_GETOBJECT, 0, objectID}));
  EXPECT_FALSE(CanReturnAccessibleObject(Messages::TMessage{WM_GETOBJECT, 0, OBJID_WINDOW}));

  Messages::TMessage message{WM_GETOBJECT, 5, OBJID_CLIENT};
  EXPECT_EQ(WMGetObjectResultFromIAccessibilityHelper(message, Root), 77);
  EXPECT_TRUE(LastCall.IID == IIDOf<IcxAccessible>());
  EXPECT_EQ(LastCall.WParam, 5u);
  EXPECT_EQ(dynamic_cast<TTestHelper*>(LastCall.Object), Root);
}

}  // namespace
