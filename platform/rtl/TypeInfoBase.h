// The type information of enumerations and the other published value types: the light part of
// the type-information unit, for headers that declare published enumerations (PUBLISHED_ENUM).
#pragma once

#include <vector>

#include "System.h"

namespace TypInfo {

enum TTypeKind {
  tkUnknown, tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet, tkClass, tkMethod,
  tkWChar, tkLString, tkWString, tkVariant, tkArray, tkRecord, tkInterface, tkInt64, tkDynArray
};
enum TOrdType { otSByte, otUByte, otSWord, otUWord, otSLong, otULong };
enum TFloatType { ftSingle, ftDouble, ftExtended, ftComp, ftCurr };

// What is known of a type: its kind and name, and what its kind needs (bounds and names of an
// enumeration, the member type of a set, the class of a class type).
struct TTypeInfo {
  TTypeKind Kind = tkUnknown;
  String Name;
  TOrdType OrdType = otSLong;
  Int64 MinValue = 0;
  Int64 MaxValue = 0;
  std::vector<String> Names;          // enumeration member names, by ordinal
  const TTypeInfo* CompType = nullptr;  // set: the member type
  TClass ClassType = nullptr;           // class: the declared class
  TFloatType FloatType = ftDouble;
  // Integer types written by identifier in form resources (colours, cursors): the two mappings.
  bool (*IdentToInt)(const String& ident, Int64& value) = nullptr;
  bool (*IntToIdent)(Int64 value, String& ident) = nullptr;
};

// Builds the type information of an enumeration from its name and its member list as written in
// the source ("alNone, alTop, alBottom").
const TTypeInfo* MakeEnumTypeInfo(const char* name, const char* members);
const TTypeInfo* MakeSetTypeInfo(const TTypeInfo* memberType);
// An integer type with its own name that streams by identifier (TColor, TCursor).
const TTypeInfo* MakeIdentIntTypeInfo(const char* name, bool (*identToInt)(const String&, Int64&),
                                      bool (*intToIdent)(Int64, String&));

}  // namespace TypInfo

// Declares an enumeration (at namespace scope) together with its type information:
//   PUBLISHED_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient)
#define PUBLISHED_ENUM(E, ...)                                                       \
  enum E { __VA_ARGS__ };                                                            \
  inline const ::TypInfo::TTypeInfo* AtTypeInfo(E*) {                                \
    static const ::TypInfo::TTypeInfo* info = ::TypInfo::MakeEnumTypeInfo(#E, #__VA_ARGS__); \
    return info;                                                                     \
  }
// Type information for an enumeration declared elsewhere, in the namespace where it was declared.
#define ENUM_TYPEINFO(E, ...)                                                        \
  inline const ::TypInfo::TTypeInfo* AtTypeInfo(E*) {                                \
    static const ::TypInfo::TTypeInfo* info = ::TypInfo::MakeEnumTypeInfo(#E, #__VA_ARGS__); \
    return info;                                                                     \
  }

using namespace TypInfo;
