// What the editor unit's sources share among themselves.
#pragma once

#include "System.h"
#include "Types.h"

namespace Forms {
class THintWindow;
}

namespace cxEdit {

class TcxCustomEditProperties;

// An object of AClass (T or a descendant) whose fields AInit puts in place before its Construct
// chain runs: the virtual construction of the unit's classes whose constructors take arguments.
template <class T, class F>
T* CreateInstanceOf(TClass AClass, F AInit) {
  if (!AClass || !AClass->InheritsFrom(T::StaticClass()) || AClass->IsAbstract()) RaiseInvalidCast();
  auto* object = static_cast<T*>(AClass->NewInstance());
  AInit(object);
  return static_cast<T*>(TObject::Initialize(object));
}

// The list of live settings objects: every settings object joins when it is made and leaves when
// it goes.
void AddEditProperties(TcxCustomEditProperties* AProperties);
void RemoveEditProperties(TcxCustomEditProperties* AProperties);

// Where a hint window shows AText for the pointer at the screen point: the window's own size for
// the text within the screen's width, just below the pointer. A temporary window of the
// application's hint class answers when AWindow is null.
TRect CalculateEditHintRect(Forms::THintWindow* AWindow, const String& AText, const TPoint& APoint);

}  // namespace cxEdit
