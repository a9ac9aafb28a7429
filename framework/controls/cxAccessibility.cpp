// The accessibility helper: its overridable answers with their defaults, the accessible-object
// interface built on them (child addressing, the string rule, navigation, hit testing), and the
// run-time binding of the platform accessibility library.
#include "cxAccessibility.h"

#include "Exceptions.h"
#include "Menus.h"
#include "Multibyte.h"
#include "Strings.h"
#include "SysInfo.h"
#include "WinManage.h"
#include "WinScrollBars.h"
#include "cxGeometry.h"

namespace cxAccessibility {

IMPLEMENT_CLASS(TcxAccessibilityHelper)

namespace {

using TAccessibleObjectFromWindow = HRESULT (*)(HWND hwnd, DWORD dwObjectID, const TGUID& riid, void** ppvObject);
using TLresultFromObject = LRESULT (*)(const TGUID& riid, WPARAM wParam, IInterface* punk);

HMODULE FOleAccLibrary = nullptr;
TAccessibleObjectFromWindow FAccessibleObjectFromWindow = nullptr;
TLresultFromObject FLresultFromObject = nullptr;

// What a descendant that has children or values must answer itself.
[[noreturn]] void RaiseNotAnswered() { throw Exception(String()); }

// The child identifier a client passed: an empty argument names the object itself, anything but a
// number names nothing.
bool ChildIDOf(const TcxAccessibleVariant& AChildID, LONG& AID) {
  if (AChildID.VType == VT_EMPTY) {
    AID = CHILDID_SELF;
    return true;
  }
  AID = AChildID.IntValue;
  return AChildID.VType == VT_I4;
}

TcxAccessibilityNavigationDirection NavigationDirectionOf(LONG navDir) {
  switch (navDir) {
    case NAVDIR_DOWN: return andDown;
    case NAVDIR_LEFT: return andLeft;
    case NAVDIR_RIGHT: return andRight;
    case NAVDIR_NEXT: return andNext;
    case NAVDIR_PREVIOUS: return andPrev;
    default: return andUp;
  }
}

template <class F>
F LibraryEntry(const char* AName) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(SysInfo::GetProcAddress(FOleAccLibrary, AName)));
}

}  // namespace

// ---- Overridable answers ------------------------------------------------------------------------------------

void TcxAccessibilityHelper::Construct() {
  inherited::Construct();
  RegisterInterface<IcxAccessibilityHelper>();
  RegisterInterface<IDispatch>();
  RegisterInterface<IcxAccessible>();
  RegisterInterface<IOleWindow>();
}

void TcxAccessibilityHelper::OwnerObjectDestroyed() { FIsOwnerObjectLive = false; }

bool TcxAccessibilityHelper::ChildIsSimpleElement(Integer) { RaiseNotAnswered(); }

bool TcxAccessibilityHelper::Focused(bool& AChildFocused, Integer& AChildIndex) {
  AChildFocused = false;
  AChildIndex = -1;
  return false;
}

Integer TcxAccessibilityHelper::GetChildIndex(TcxAccessibilityHelper*) { RaiseNotAnswered(); }

TcxAccessibleObjectHitTest TcxAccessibilityHelper::GetHitTest(Integer, Integer, Integer& AChildIndex) {
  AChildIndex = -1;
  return aohtNone;
}

void TcxAccessibilityHelper::GetKeyboardAccessParameters(Integer, Word& AShortCut, String& ACaption) {
  AShortCut = 0;
  ACaption.clear();
}

String TcxAccessibilityHelper::GetValue(Integer) { RaiseNotAnswered(); }

Integer TcxAccessibilityHelper::NavigateToChild(Integer, TcxAccessibilityNavigationDirection) { RaiseNotAnswered(); }

TcxAccessibilityHelper* TcxAccessibilityHelper::GetRootHelper() {
  TcxAccessibilityHelper* helper = this;
  while (TcxAccessibilityHelper* parent = helper->GetParent()) helper = parent;
  return helper;
}

bool TcxAccessibilityHelper::GetVisible() { return (GetState(0) & STATE_SYSTEM_INVISIBLE) == 0; }

Integer TcxAccessibilityHelper::GetNextSelectableChildIndex(Integer AIndex, bool AForward) {
  const Integer count = GetChildCount();
  if (AIndex >= count) RaiseNotAnswered();
  const Integer step = AForward ? 1 : -1;
  Integer index = AIndex >= 0 ? AIndex : (AForward ? -1 : count);
  for (index += step; index >= 0 && index < count; index += step)
    if (TcxAccessibilityHelper* child = GetChild(index); child && child->GetSelectable()) return index;
  return -1;
}

// ---- Interface plumbing --------------------------------------------------------------------------------------

bool TcxAccessibilityHelper::CheckIsOwnerObjectLive(HRESULT& AResult) const {
  if (FIsOwnerObjectLive) return true;
  AResult = S_OK;
  return false;
}

bool TcxAccessibilityHelper::GetSimpleChildElementID(const TcxAccessibleVariant& AChildID, Integer& AIndex,
                                                     HRESULT& AResult) {
  LONG id = CHILDID_SELF;
  if (!ChildIDOf(AChildID, id) || id < 0 || id > GetChildCount() ||
      (id != CHILDID_SELF && !ChildIsSimpleElement(id - 1))) {
    AResult = E_INVALIDARG;
    return false;
  }
  AIndex = id == CHILDID_SELF ? 0 : id - 1;
  return true;
}

IDispatch* TcxAccessibilityHelper::ChildDispatch(Integer AIndex) {
  TcxAccessibilityHelper* child = GetChild(AIndex);
  return child ? static_cast<IcxAccessible*>(child) : nullptr;
}

void TcxAccessibilityHelper::CheckSimpleChildElementToBeReturned(TcxAccessibleVariant& AVariant) {
  if (AVariant.VType != VT_I4 || AVariant.IntValue == CHILDID_SELF || ChildIsSimpleElement(AVariant.IntValue - 1))
    return;
  IDispatch* child = ChildDispatch(AVariant.IntValue - 1);
  AVariant = child ? TcxAccessibleVariant::OfDispatch(child) : TcxAccessibleVariant();
}

void TcxAccessibilityHelper::CheckStringToBeReturned(const String& S, HRESULT& AResult) {
  AResult = S.empty() ? S_FALSE : S_OK;
}

template <class F>
HRESULT TcxAccessibilityHelper::Guarded(F ABody) noexcept {
  try {
    HRESULT result = S_OK;
    if (!CheckIsOwnerObjectLive(result)) return result;
    return ABody();
  } catch (...) {
    return E_FAIL;
  }
}

template <class F>
HRESULT TcxAccessibilityHelper::ElementCall(const TcxAccessibleVariant& varChild,
                                            TcxAccessibleObjectProperties ANeeds, F ABody) noexcept {
  return Guarded([&] {
    HRESULT result = S_OK;
    Integer index = 0;
    if (!GetSimpleChildElementID(varChild, index, result)) return result;
    if (!(ANeeds <= GetSupportedProperties(index))) return DISP_E_MEMBERNOTFOUND;
    return ABody(index);
  });
}

template <class F>
HRESULT TcxAccessibilityHelper::TextAnswer(const TcxAccessibleVariant& varChild, WideString& AText,
                                           TcxAccessibleObjectProperties ANeeds, bool AStringRule,
                                           F AGetText) noexcept {
  AText.clear();
  return ElementCall(varChild, ANeeds, [&](Integer AIndex) {
    const String text = AGetText(AIndex);
    AText = Utf8ToWide(text);
    HRESULT result = S_OK;
    if (AStringRule) CheckStringToBeReturned(text, result);
    return result;
  });
}

// ---- IDispatch and IOleWindow ---------------------------------------------------------------------------------

HRESULT TcxAccessibilityHelper::GetTypeInfoCount(UINT& pctinfo) {
  pctinfo = 0;
  return E_NOTIMPL;
}

HRESULT TcxAccessibilityHelper::GetTypeInfo(UINT, LCID, void** ppTInfo) {
  if (ppTInfo) *ppTInfo = nullptr;
  return E_NOTIMPL;
}

HRESULT TcxAccessibilityHelper::GetIDsOfNames(const TGUID&, const WideString*, UINT, LCID, LONG*) {
  return E_NOTIMPL;
}

HRESULT TcxAccessibilityHelper::Invoke(LONG, const TGUID&, LCID, Word, void*, void*, void*, UINT*) {
  return E_NOTIMPL;
}

// The owner's window is not asked for once the owner is gone.
HRESULT TcxAccessibilityHelper::GetWindow(HWND& phwnd) {
  phwnd = nullptr;
  return Guarded([&] {
    phwnd = GetOwnerObjectWindow();
    return S_OK;
  });
}

HRESULT TcxAccessibilityHelper::ContextSensitiveHelp(BOOL) { return S_OK; }

// ---- The accessible-object interface --------------------------------------------------------------------------

HRESULT TcxAccessibilityHelper::get_accParent(TInterfaceRef<IDispatch>& ppdispParent) {
  ppdispParent.Reset();
  return Guarded([&] {
    if (TcxAccessibilityHelper* parent = GetParent()) {
      ppdispParent = static_cast<IcxAccessible*>(parent);
      return S_OK;
    }
    HWND window = GetOwnerObjectWindow();
    if (!window || !FAccessibleObjectFromWindow) return S_FALSE;
    HWND parentWindow = (GetWindowLong(window, GWL_STYLE) & WS_CHILD) ? WinManage::GetParent(window)
                                                                        : GetDesktopWindow();
    void* object = nullptr;
    if (FAccessibleObjectFromWindow(parentWindow, OBJID_WINDOW, IIDOf<IcxAccessible>(), &object) != S_OK || !object)
      return S_FALSE;
    ppdispParent = TInterfaceRef<IDispatch>::Adopt(static_cast<IcxAccessible*>(object));
    return S_OK;
  });
}

HRESULT TcxAccessibilityHelper::get_accChildCount(LONG& pcountChildren) {
  pcountChildren = 0;
  return Guarded([&] {
    pcountChildren = GetChildCount();
    return S_OK;
  });
}

// The object itself is no child of its own: identifiers below 1 are refused with the others.
HRESULT TcxAccessibilityHelper::get_accChild(const TcxAccessibleVariant& varChild,
                                             TInterfaceRef<IDispatch>& ppdispChild) {
  ppdispChild.Reset();
  return Guarded([&] {
    if (varChild.VType != VT_I4 || varChild.IntValue <= 0 || varChild.IntValue > GetChildCount())
      return E_INVALIDARG;
    if (ChildIsSimpleElement(varChild.IntValue - 1)) return S_FALSE;
    ppdispChild = ChildDispatch(varChild.IntValue - 1);
    return ppdispChild ? S_OK : S_FALSE;
  });
}

HRESULT TcxAccessibilityHelper::get_accName(const TcxAccessibleVariant& varChild, WideString& pszName) {
  return TextAnswer(varChild, pszName, {}, true, [&](Integer AIndex) { return GetName(AIndex); });
}

HRESULT TcxAccessibilityHelper::get_accValue(const TcxAccessibleVariant& varChild, WideString& pszValue) {
  return TextAnswer(varChild, pszValue, {aopValue}, false, [&](Integer AIndex) { return GetValue(AIndex); });
}

HRESULT TcxAccessibilityHelper::get_accDescription(const TcxAccessibleVariant& varChild, WideString& pszDescription) {
  return TextAnswer(varChild, pszDescription, {aopDescription}, true,
                      [&](Integer AIndex) { return GetDescription(AIndex); });
}

HRESULT TcxAccessibilityHelper::get_accKeyboardShortcut(const TcxAccessibleVariant& varChild,
                                                        WideString& pszKeyboardShortcut) {
  return TextAnswer(varChild, pszKeyboardShortcut, {aopShortcut}, true, [&](Integer AIndex) {
    Word shortCut = 0;
    String caption;
    GetKeyboardAccessParameters(AIndex, shortCut, caption);
    const String accelerator = GetHotkey(caption);
    return accelerator.empty() ? ShortCutToText(shortCut) : AnsiUpperCase(accelerator);
  });
}

HRESULT TcxAccessibilityHelper::get_accDefaultAction(const TcxAccessibleVariant& varChild,
                                                     WideString& pszDefaultAction) {
  return TextAnswer(varChild, pszDefaultAction, {aopDefaultAction}, false,
                      [&](Integer AIndex) { return GetDefaultActionDescription(AIndex); });
}

HRESULT TcxAccessibilityHelper::get_accRole(const TcxAccessibleVariant& varChild, TcxAccessibleVariant& pvarRole) {
  pvarRole = TcxAccessibleVariant();
  return ElementCall(varChild, {}, [&](Integer AIndex) {
    pvarRole = TcxAccessibleVariant::OfInteger(static_cast<LONG>(GetRole(AIndex)));
    return S_OK;
  });
}

HRESULT TcxAccessibilityHelper::get_accState(const TcxAccessibleVariant& varChild, TcxAccessibleVariant& pvarState) {
  pvarState = TcxAccessibleVariant();
  return ElementCall(varChild, {}, [&](Integer AIndex) {
    pvarState = TcxAccessibleVariant::OfInteger(static_cast<LONG>(GetState(AIndex)));
    return S_OK;
  });
}

HRESULT TcxAccessibilityHelper::get_accHelp(const TcxAccessibleVariant&, WideString& pszHelp) {
  pszHelp.clear();
  return Guarded([] { return DISP_E_MEMBERNOTFOUND; });
}

HRESULT TcxAccessibilityHelper::get_accHelpTopic(WideString& pszHelpFile, const TcxAccessibleVariant&,
                                                 LONG& pidTopic) {
  pszHelpFile.clear();
  pidTopic = 0;
  return Guarded([] { return DISP_E_MEMBERNOTFOUND; });
}

HRESULT TcxAccessibilityHelper::get_accSelection(TcxAccessibleVariant& pvarChildren) {
  pvarChildren = TcxAccessibleVariant();
  return Guarded([] { return DISP_E_MEMBERNOTFOUND; });
}

HRESULT TcxAccessibilityHelper::accSelect(LONG, const TcxAccessibleVariant&) {
  return Guarded([] { return DISP_E_MEMBERNOTFOUND; });
}

HRESULT TcxAccessibilityHelper::put_accName(const TcxAccessibleVariant&, const WideString&) {
  return Guarded([] { return DISP_E_MEMBERNOTFOUND; });
}

HRESULT TcxAccessibilityHelper::get_accFocus(TcxAccessibleVariant& pvarChild) {
  pvarChild = TcxAccessibleVariant();
  return Guarded([&] {
    if (!IsSupported(0, aopFocus)) return DISP_E_MEMBERNOTFOUND;
    bool childFocused = false;
    Integer childIndex = -1;
    if (!Focused(childFocused, childIndex)) return S_FALSE;
    pvarChild = TcxAccessibleVariant::OfInteger(childFocused ? childIndex + 1 : CHILDID_SELF);
    CheckSimpleChildElementToBeReturned(pvarChild);
    return S_OK;
  });
}

HRESULT TcxAccessibilityHelper::accDoDefaultAction(const TcxAccessibleVariant& varChild) {
  return ElementCall(varChild, {aopDefaultAction}, [&](Integer AIndex) {
    DoDefaultAction(AIndex);
    return S_OK;
  });
}

HRESULT TcxAccessibilityHelper::put_accValue(const TcxAccessibleVariant& varChild, const WideString& szValue) {
  return ElementCall(varChild, {aopValue}, [&](Integer AIndex) {
    SetValue(AIndex, WideToUtf8(szValue));
    return S_OK;
  });
}

// The location is supported or not for the object as a whole.
HRESULT TcxAccessibilityHelper::accLocation(LONG& pxLeft, LONG& pyTop, LONG& pcxWidth, LONG& pcyHeight,
                                            const TcxAccessibleVariant& varChild) {
  pxLeft = pyTop = pcxWidth = pcyHeight = 0;
  return ElementCall(varChild, {}, [&](Integer AIndex) {
    if (!IsSupported(0, aopLocation)) return DISP_E_MEMBERNOTFOUND;
    const TRect bounds = GetScreenBounds(AIndex);
    pxLeft = bounds.Left();
    pyTop = bounds.Top();
    pcxWidth = bounds.Width();
    pcyHeight = bounds.Height();
    return S_OK;
  });
}

HRESULT TcxAccessibilityHelper::accHitTest(LONG xLeft, LONG yTop, TcxAccessibleVariant& pvarChild) {
  pvarChild = TcxAccessibleVariant();
  return Guarded([&] {
    if (!IsSupported(0, aopLocation)) return DISP_E_MEMBERNOTFOUND;
    if (!cxRectPtIn(GetScreenBounds(0), xLeft, yTop)) return S_FALSE;
    Integer childIndex = -1;
    switch (GetHitTest(xLeft, yTop, childIndex)) {
      case aohtSelf:
        pvarChild = TcxAccessibleVariant::OfInteger(CHILDID_SELF);
        return S_OK;
      case aohtChild:
        pvarChild = TcxAccessibleVariant::OfInteger(childIndex + 1);
        CheckSimpleChildElementToBeReturned(pvarChild);
        return S_OK;
      default:
        return S_FALSE;
    }
  });
}

// From the object itself in a direction among its siblings: the parent answers, counting this
// object by its own identifier there. Its answer is already in the parent's terms.
HRESULT TcxAccessibilityHelper::NavigateFromSelf(LONG navDir, TcxAccessibleVariant& pvarEndUpAt) {
  TcxAccessibilityHelper* parent = GetParent();
  if (!parent || !parent->GetIsOwnerObjectLive() || !parent->IsSupported(0, aopLocation)) return S_FALSE;
  const TcxAccessibleVariant start = TcxAccessibleVariant::OfInteger(parent->GetChildIndex(this) + 1);
  if (static_cast<IcxAccessible*>(parent)->accNavigate(navDir, start, pvarEndUpAt) == S_OK) return S_OK;
  pvarEndUpAt = TcxAccessibleVariant();
  return S_FALSE;
}

HRESULT TcxAccessibilityHelper::accNavigate(LONG navDir, const TcxAccessibleVariant& varStart,
                                            TcxAccessibleVariant& pvarEndUpAt) {
  pvarEndUpAt = TcxAccessibleVariant();
  return Guarded([&] {
    LONG start = CHILDID_SELF;
    if (!ChildIDOf(varStart, start) || start < 0) return E_INVALIDARG;
    const Integer count = GetChildCount();
    if (navDir == NAVDIR_FIRSTCHILD || navDir == NAVDIR_LASTCHILD) {
      if (start != CHILDID_SELF) return E_INVALIDARG;
      if (!IsSupported(0, aopLocation)) return DISP_E_MEMBERNOTFOUND;
      if (count == 0) return S_FALSE;
      pvarEndUpAt = TcxAccessibleVariant::OfInteger(navDir == NAVDIR_FIRSTCHILD ? 1 : count);
    } else if (start == CHILDID_SELF) {
      return NavigateFromSelf(navDir, pvarEndUpAt);
    } else {
      if (start > count) return E_INVALIDARG;
      if (!IsSupported(0, aopLocation)) return DISP_E_MEMBERNOTFOUND;
      // An answer that names no child (out of range) means there is nowhere to go.
      const Integer next = NavigateToChild(start - 1, NavigationDirectionOf(navDir));
      if (next == start - 1 || next < 0 || next >= count) return S_FALSE;
      pvarEndUpAt = TcxAccessibleVariant::OfInteger(next + 1);
    }
    CheckSimpleChildElementToBeReturned(pvarEndUpAt);
    return S_OK;
  });
}

// ---- Unit routines -------------------------------------------------------------------------------------------------

bool IsAccessibilitySupported() { return FLresultFromObject != nullptr; }

// The object identifier travels in the low 32 bits of LParam, whether or not it was sign-extended.
bool CanReturnAccessibleObject(const Messages::TMessage& AMessage) {
  return IsAccessibilitySupported() && static_cast<LONG>(static_cast<DWORD>(AMessage.LParam)) == OBJID_CLIENT;
}

LRESULT WMGetObjectResultFromIAccessibilityHelper(const Messages::TMessage& AMessage,
                                                  IcxAccessibilityHelper* AHelper) {
  if (!FLresultFromObject || !AHelper) return 0;
  IcxAccessible* accessible = AHelper->GetHelper();
  return FLresultFromObject(IIDOf<IcxAccessible>(), AMessage.WParam, accessible);
}

void InitAccessibility() {
  FOleAccLibrary = SysInfo::LoadLibrary("oleacc.dll");
  if (!FOleAccLibrary) return;
  FAccessibleObjectFromWindow = LibraryEntry<TAccessibleObjectFromWindow>("AccessibleObjectFromWindow");
  FLresultFromObject = LibraryEntry<TLresultFromObject>("LresultFromObject");
}

void DoneAccessibility() {
  if (FOleAccLibrary) SysInfo::FreeLibrary(FOleAccLibrary);
  FOleAccLibrary = nullptr;
  FAccessibleObjectFromWindow = nullptr;
  FLresultFromObject = nullptr;
}

}  // namespace cxAccessibility
