// Accessibility: TcxAccessibilityHelper lets a visual object (a control, a toolbar, an item) answer
// the platform's accessibility clients. It implements the platform's accessible-object interface,
// its dispatch base and the window query by turning every call into one of its own overridable
// operations, so that a descendant only answers questions about its owner. A client names the object
// itself with the child identifier 0 and its children with 1 to the child count; a child is a helper
// of its own or a simple element that its parent's helper answers for. The unit binds the platform
// accessibility library at run time and helps a window answer WM_GETOBJECT.
#pragma once

#include "Interfaces.h"
#include "Messages.h"
#include "System.h"
#include "Types.h"

namespace cxAccessibility {

enum TcxAccessibleObjectProperty { aopDefaultAction, aopDescription, aopFocus, aopLocation, aopShortcut, aopValue };
using TcxAccessibleObjectProperties = TSet<TcxAccessibleObjectProperty, 8>;
enum TcxAccessibleObjectHitTest { aohtNone, aohtSelf, aohtChild };
enum TcxAccessibilityNavigationDirection { andLeft, andUp, andRight, andDown, andPrev, andNext };

// ---- The platform's accessibility types ------------------------------------------------------------------
constexpr HRESULT DISP_E_MEMBERNOTFOUND = static_cast<HRESULT>(0x80020003u);
constexpr LONG CHILDID_SELF = 0;
constexpr LONG NAVDIR_UP = 1, NAVDIR_DOWN = 2, NAVDIR_LEFT = 3, NAVDIR_RIGHT = 4, NAVDIR_NEXT = 5,
               NAVDIR_PREVIOUS = 6, NAVDIR_FIRSTCHILD = 7, NAVDIR_LASTCHILD = 8;
constexpr Word VT_EMPTY = 0, VT_I4 = 3, VT_DISPATCH = 9;

class IDispatch : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IDispatch, "{00020400-0000-0000-C000-000000000046}")
 public:
  virtual HRESULT GetTypeInfoCount(UINT& pctinfo) = 0;
  virtual HRESULT GetTypeInfo(UINT iTInfo, LCID lcid, void** ppTInfo) = 0;
  virtual HRESULT GetIDsOfNames(const TGUID& riid, const WideString* rgszNames, UINT cNames, LCID lcid,
                                LONG* rgDispId) = 0;
  virtual HRESULT Invoke(LONG dispIdMember, const TGUID& riid, LCID lcid, Word wFlags, void* pDispParams,
                         void* pVarResult, void* pExcepInfo, UINT* puArgErr) = 0;
};

class IOleWindow : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IOleWindow, "{00000114-0000-0000-C000-000000000046}")
 public:
  virtual HRESULT GetWindow(HWND& phwnd) = 0;
  virtual HRESULT ContextSensitiveHelp(BOOL fEnterMode) = 0;
};

// What the accessible-object interface passes where the platform passes a VARIANT: nothing
// (VT_EMPTY), a 4-byte integer (VT_I4: a child identifier, a role, a state) or an object's dispatch
// interface (VT_DISPATCH, counted while held).
struct TcxAccessibleVariant {
  Word VType = VT_EMPTY;
  LONG IntValue = 0;
  TInterfaceRef<IDispatch> Dispatch;

  static TcxAccessibleVariant OfInteger(LONG AValue) { return {VT_I4, AValue, nullptr}; }
  static TcxAccessibleVariant OfDispatch(IDispatch* AValue) { return {VT_DISPATCH, 0, AValue}; }
};

// The platform's accessible-object interface.
class IcxAccessible : public IDispatch {
  DECLARE_INTERFACE_GUID(IcxAccessible, "{618736E0-3C3D-11CF-810C-00AA00389B71}")
 public:
  virtual HRESULT get_accParent(TInterfaceRef<IDispatch>& ppdispParent) = 0;
  virtual HRESULT get_accChildCount(LONG& pcountChildren) = 0;
  virtual HRESULT get_accChild(const TcxAccessibleVariant& varChild, TInterfaceRef<IDispatch>& ppdispChild) = 0;
  virtual HRESULT get_accName(const TcxAccessibleVariant& varChild, WideString& pszName) = 0;
  virtual HRESULT get_accValue(const TcxAccessibleVariant& varChild, WideString& pszValue) = 0;
  virtual HRESULT get_accDescription(const TcxAccessibleVariant& varChild, WideString& pszDescription) = 0;
  virtual HRESULT get_accRole(const TcxAccessibleVariant& varChild, TcxAccessibleVariant& pvarRole) = 0;
  virtual HRESULT get_accState(const TcxAccessibleVariant& varChild, TcxAccessibleVariant& pvarState) = 0;
  virtual HRESULT get_accHelp(const TcxAccessibleVariant& varChild, WideString& pszHelp) = 0;
  virtual HRESULT get_accHelpTopic(WideString& pszHelpFile, const TcxAccessibleVariant& varChild,
                                   LONG& pidTopic) = 0;
  virtual HRESULT get_accKeyboardShortcut(const TcxAccessibleVariant& varChild,
                                          WideString& pszKeyboardShortcut) = 0;
  virtual HRESULT get_accFocus(TcxAccessibleVariant& pvarChild) = 0;
  virtual HRESULT get_accSelection(TcxAccessibleVariant& pvarChildren) = 0;
  virtual HRESULT get_accDefaultAction(const TcxAccessibleVariant& varChild, WideString& pszDefaultAction) = 0;
  virtual HRESULT accSelect(LONG flagsSelect, const TcxAccessibleVariant& varChild) = 0;
  virtual HRESULT accLocation(LONG& pxLeft, LONG& pyTop, LONG& pcxWidth, LONG& pcyHeight,
                              const TcxAccessibleVariant& varChild) = 0;
  virtual HRESULT accNavigate(LONG navDir, const TcxAccessibleVariant& varStart,
                              TcxAccessibleVariant& pvarEndUpAt) = 0;
  virtual HRESULT accHitTest(LONG xLeft, LONG yTop, TcxAccessibleVariant& pvarChild) = 0;
  virtual HRESULT accDoDefaultAction(const TcxAccessibleVariant& varChild) = 0;
  virtual HRESULT put_accName(const TcxAccessibleVariant& varChild, const WideString& szName) = 0;
  virtual HRESULT put_accValue(const TcxAccessibleVariant& varChild, const WideString& szValue) = 0;
};

class TcxAccessibilityHelper;

class IcxAccessibilityHelper : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IcxAccessibilityHelper, "{D4890860-09B2-4648-BD9E-DFFBD140E5F1}")
 public:
  virtual TcxAccessibilityHelper* GetHelper() = 0;
  virtual void OwnerObjectDestroyed() = 0;
};

// ---- The helper ---------------------------------------------------------------------------------------------
// Counted: the owner holds it through an interface reference and tells it when the owner dies; it
// lives on while clients hold references and then answers every call with S_OK and empty results.
// No exception leaves an interface call: one raised inside answers E_FAIL.
class TcxAccessibilityHelper : public TInterfacedObject,
                               public IcxAccessibilityHelper,
                               public IcxAccessible,
                               public IOleWindow {
  DECLARE_CLASS(TcxAccessibilityHelper, TInterfacedObject)
 public:
  explicit TcxAccessibilityHelper(TObject* AOwnerObject = nullptr) : FOwnerObject(AOwnerObject) {}

  TObject* GetOwnerObject() const { return FOwnerObject; }
  bool GetIsOwnerObjectLive() const { return FIsOwnerObjectLive; }
  // The topmost helper of the parent chain.
  TcxAccessibilityHelper* GetRootHelper();
  // The state of the object itself lacks the invisible bit.
  bool GetVisible();
  // The next child from AIndex (from before the first or after the last for a negative AIndex)
  // whose helper is selectable; -1 when none. An AIndex at or above the child count raises.
  Integer GetNextSelectableChildIndex(Integer AIndex, bool AForward);

  // IcxAccessibilityHelper
  TcxAccessibilityHelper* GetHelper() override { return this; }
  void OwnerObjectDestroyed() override;

  // Overridable answers about the owner. An index is 0 for the object itself and the child
  // identifier - 1 for a simple child element. A descendant with children overrides
  // ChildIsSimpleElement, GetChildIndex and NavigateToChild; one that supports aopValue overrides
  // GetValue: these raise here.
  virtual bool ChildIsSimpleElement(Integer AIndex);
  virtual void DoDefaultAction(Integer AIndex) {}
  virtual bool Focused(bool& AChildFocused, Integer& AChildIndex);
  virtual TcxAccessibilityHelper* GetChild(Integer AIndex) { return nullptr; }
  virtual Integer GetChildCount() { return 0; }
  virtual Integer GetChildIndex(TcxAccessibilityHelper* AChild);
  virtual String GetDefaultActionDescription(Integer AIndex) { return String(); }
  virtual String GetDescription(Integer AIndex) { return String(); }
  virtual TcxAccessibleObjectHitTest GetHitTest(Integer X, Integer Y, Integer& AChildIndex);
  virtual void GetKeyboardAccessParameters(Integer AIndex, Word& AShortCut, String& ACaption);
  virtual String GetName(Integer AIndex) { return String(); }
  virtual HWND GetOwnerObjectWindow() { return nullptr; }
  virtual TcxAccessibilityHelper* GetParent() { return nullptr; }
  virtual Cardinal GetRole(Integer AIndex) { return 0; }
  virtual TRect GetScreenBounds(Integer AIndex) { return TRect(); }
  virtual bool GetSelectable() { return false; }
  virtual Cardinal GetState(Integer AIndex) { return 0; }
  virtual TcxAccessibleObjectProperties GetSupportedProperties(Integer AIndex) { return {}; }
  virtual String GetValue(Integer AIndex);
  virtual Integer NavigateToChild(Integer ACurrentChildIndex, TcxAccessibilityNavigationDirection ADirection);
  virtual void SetValue(Integer AIndex, const String& AValue) {}

  // IDispatch
  HRESULT GetTypeInfoCount(UINT& pctinfo) override;
  HRESULT GetTypeInfo(UINT iTInfo, LCID lcid, void** ppTInfo) override;
  HRESULT GetIDsOfNames(const TGUID& riid, const WideString* rgszNames, UINT cNames, LCID lcid,
                        LONG* rgDispId) override;
  HRESULT Invoke(LONG dispIdMember, const TGUID& riid, LCID lcid, Word wFlags, void* pDispParams,
                 void* pVarResult, void* pExcepInfo, UINT* puArgErr) override;

  // IcxAccessible
  HRESULT get_accParent(TInterfaceRef<IDispatch>& ppdispParent) override;
  HRESULT get_accChildCount(LONG& pcountChildren) override;
  HRESULT get_accChild(const TcxAccessibleVariant& varChild, TInterfaceRef<IDispatch>& ppdispChild) override;
  HRESULT get_accName(const TcxAccessibleVariant& varChild, WideString& pszName) override;
  HRESULT get_accValue(const TcxAccessibleVariant& varChild, WideString& pszValue) override;
  HRESULT get_accDescription(const TcxAccessibleVariant& varChild, WideString& pszDescription) override;
  HRESULT get_accRole(const TcxAccessibleVariant& varChild, TcxAccessibleVariant& pvarRole) override;
  HRESULT get_accState(const TcxAccessibleVariant& varChild, TcxAccessibleVariant& pvarState) override;
  HRESULT get_accHelp(const TcxAccessibleVariant& varChild, WideString& pszHelp) override;
  HRESULT get_accHelpTopic(WideString& pszHelpFile, const TcxAccessibleVariant& varChild, LONG& pidTopic) override;
  HRESULT get_accKeyboardShortcut(const TcxAccessibleVariant& varChild, WideString& pszKeyboardShortcut) override;
  HRESULT get_accFocus(TcxAccessibleVariant& pvarChild) override;
  HRESULT get_accSelection(TcxAccessibleVariant& pvarChildren) override;
  HRESULT get_accDefaultAction(const TcxAccessibleVariant& varChild, WideString& pszDefaultAction) override;
  HRESULT accSelect(LONG flagsSelect, const TcxAccessibleVariant& varChild) override;
  HRESULT accLocation(LONG& pxLeft, LONG& pyTop, LONG& pcxWidth, LONG& pcyHeight,
                      const TcxAccessibleVariant& varChild) override;
  HRESULT accNavigate(LONG navDir, const TcxAccessibleVariant& varStart, TcxAccessibleVariant& pvarEndUpAt) override;
  HRESULT accHitTest(LONG xLeft, LONG yTop, TcxAccessibleVariant& pvarChild) override;
  HRESULT accDoDefaultAction(const TcxAccessibleVariant& varChild) override;
  HRESULT put_accName(const TcxAccessibleVariant& varChild, const WideString& szName) override;
  HRESULT put_accValue(const TcxAccessibleVariant& varChild, const WideString& szValue) override;

  // IOleWindow
  HRESULT GetWindow(HWND& phwnd) override;
  HRESULT ContextSensitiveHelp(BOOL fEnterMode) override;

 protected:
  void Construct() override;
  // False, with AResult = S_OK, once the owner object is gone.
  bool CheckIsOwnerObjectLive(HRESULT& AResult) const;
  // The index of a child identifier that names the object itself or a simple element; false with
  // AResult = E_INVALIDARG for any other identifier.
  bool GetSimpleChildElementID(const TcxAccessibleVariant& AChildID, Integer& AIndex, HRESULT& AResult);
  // A child identifier that names a child helper is replaced by that helper's dispatch interface.
  void CheckSimpleChildElementToBeReturned(TcxAccessibleVariant& AVariant);
  // S_OK for a non-empty string, S_FALSE for an empty one.
  static void CheckStringToBeReturned(const String& S, HRESULT& AResult);

 private:
  // Runs one interface call: the owner check first, exceptions answered with E_FAIL.
  template <class F>
  HRESULT Guarded(F ABody) noexcept;
  // One call about the object or a simple element: the element's index and the properties the call
  // needs there are checked, then ABody(index) answers.
  template <class F>
  HRESULT ElementCall(const TcxAccessibleVariant& varChild, TcxAccessibleObjectProperties ANeeds, F ABody) noexcept;
  // A text about the object or a simple element; under the string rule an empty text answers S_FALSE.
  template <class F>
  HRESULT TextAnswer(const TcxAccessibleVariant& varChild, WideString& AText, TcxAccessibleObjectProperties ANeeds,
                     bool AStringRule, F AGetText) noexcept;
  bool IsSupported(Integer AIndex, TcxAccessibleObjectProperty AProperty) {
    return GetSupportedProperties(AIndex).Contains(AProperty);
  }
  IDispatch* ChildDispatch(Integer AIndex);
  HRESULT NavigateFromSelf(LONG navDir, TcxAccessibleVariant& pvarEndUpAt);

  TObject* FOwnerObject;
  bool FIsOwnerObjectLive = true;
};

// ---- Unit routines -----------------------------------------------------------------------------------------------
// The accessibility library offered LresultFromObject when the unit started.
bool IsAccessibilitySupported();
// Accessibility is supported and the message asks for the client object (OBJID_CLIENT).
bool CanReturnAccessibleObject(const Messages::TMessage& AMessage);
// The answer to WM_GETOBJECT: the helper's accessible-object interface through LresultFromObject;
// 0 without the accessibility library.
LRESULT WMGetObjectResultFromIAccessibilityHelper(const Messages::TMessage& AMessage,
                                                  IcxAccessibilityHelper* AHelper);

void InitAccessibility();
void DoneAccessibility();

}  // namespace cxAccessibility

using namespace cxAccessibility;
