// The object stream: TFiler, TReader and TWriter read and write persistent objects and whole
// component trees (published properties, defined entries, collections, child components) in a
// binary format of tagged values.
//
// The binary format. A stream of one root component is
//   signature   the four bytes 'A' 'O' 'S' '1'
//   component   [prefix] class-name object-name property* 0 component* 0
// where a name is a short string (one length byte, then that many UTF-8 bytes), a property is
// its (dotted) name as a short string followed by exactly one value, and a lone 0 byte ends a
// list (vaNull). The optional prefix is one byte 0xF0 | flags (1 inherited, 2 child position,
// 4 inline); with the child-position flag an integer value follows it.
// A value is one kind byte (TValueType, by ordinal) and its data, numbers little-endian:
//   vaNull           nothing: the end of a list
//   vaList           values up to a vaNull
//   vaInt8/16/32/64  a signed integer of 1, 2, 4 or 8 bytes (writers use the smallest that fits)
//   vaExtended       10 bytes, the 80-bit extended format
//   vaSingle         4 bytes IEEE single
//   vaCurrency       8 bytes: the value times 10 000 as a signed integer
//   vaDate           8 bytes IEEE double (days since 1899-12-30)
//   vaString         a short string;            vaLString, vaUTF8String: 4-byte length and UTF-8 bytes
//   vaWString        4-byte count, then that many UTF-16 code units
//   vaIdent          a short string holding an identifier (an enumeration value, a component
//                    reference "Name" or "Owner.Name", an event handler's method name, the
//                    Variant values Empty and Null)
//   vaFalse, vaTrue, vaNil   nothing
//   vaBinary         4-byte length and the bytes
//   vaSet            short strings (member names) ended by an empty one
//   vaCollection     items up to a vaNull; each item is an optional integer value (its order
//                    number), then vaList, its properties (name and value) and a vaNull
// A string value holds UTF-8 text (the program's code page); wide strings convert on reading.
// A stream of several components (ReadComponents) is a list: each component with its own
// signature before it, and a vaNull after the last.
#pragma once

#include <vector>

#include "Closures.h"
#include "System.h"

namespace Streams {
class TStream;
}
namespace Persistent {
class TPersistent;
}
namespace Components {
class TComponent;
}
namespace Collections {
class TCollection;
}
namespace Variants {
class Variant;
}
namespace TypInfo {
struct TPropInfo;
struct TTypeInfo;
}  // namespace TypInfo

namespace Filer {

using Streams::TStream;
using Persistent::TPersistent;
using Components::TComponent;
using Collections::TCollection;

enum TValueType : Byte {
  vaNull, vaList, vaInt8, vaInt16, vaInt32, vaExtended, vaString, vaIdent, vaFalse, vaTrue, vaBinary,
  vaSet, vaLString, vaNil, vaCollection, vaSingle, vaCurrency, vaDate, vaWString, vaInt64, vaUTF8String
};

enum TFilerFlag { ffInherited, ffChildPos, ffInline };
using TFilerFlags = TSet<TFilerFlag, 8>;

inline constexpr char FilerSignature[4] = {'A', 'O', 'S', '1'};

class TFiler;
class TReader;
class TWriter;

using TReaderProc = TClosure<void(TReader* Reader)>;
using TWriterProc = TClosure<void(TWriter* Writer)>;
using TStreamProc = TClosure<void(TStream* Stream)>;
using TReadComponentsProc = TClosure<void(TComponent* Component)>;

// The common part of reader and writer: the stream with its buffer, the root being read or
// written, and the defined-entry interface that DefineProperties talks to.
class TFiler : public TObject {
  DECLARE_CLASS(TFiler, TObject)
 public:
  // A named stream entry beyond the published properties: the reader calls ReadData when the
  // entry is found; the writer calls WriteData (which writes exactly one value) when HasData.
  virtual void DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) = 0;
  // The same for raw bytes: the procs get a memory stream holding (or taking) the data.
  virtual void DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc WriteData,
                                    bool HasData) = 0;
  // Hands back to the stream what the buffer holds (writer) or has read ahead (reader).
  virtual void FlushBuffer() = 0;

  TComponent* GetRoot() const { return FRoot; }
  // The root is also where references and handlers are looked up.
  virtual void SetRoot(TComponent* Value) {
    FRoot = Value;
    FLookupRoot = Value;
  }
  TComponent* GetLookupRoot() const { return FLookupRoot; }
  // The object of the ancestor (inherited form) that the one being written is compared with;
  // null when writing without ancestor. Defined entries write only what differs from it.
  TPersistent* GetAncestor() const { return FAncestor; }
  void SetAncestor(TPersistent* Value) { FAncestor = Value; }
  bool GetIgnoreChildren() const { return FIgnoreChildren; }
  void SetIgnoreChildren(bool Value) { FIgnoreChildren = Value; }

 protected:
  TFiler(TStream* Stream, Integer BufSize);

  TStream* FStream;
  std::vector<Byte> FBuffer;
  Integer FBufPos = 0;
  Integer FBufEnd = 0;
  TComponent* FRoot = nullptr;
  TComponent* FLookupRoot = nullptr;
  TPersistent* FAncestor = nullptr;
  bool FIgnoreChildren = false;
};

using TFindMethodEvent = TClosure<void(TReader* Reader, const String& MethodName, TMethod& Address, bool& Error)>;
using TSetNameEvent = TClosure<void(TReader* Reader, TComponent* Component, String& Name)>;
using TReferenceNameEvent = TClosure<void(TReader* Reader, String& Name)>;
using TReaderError = TClosure<void(TReader* Reader, const String& Message, bool& Handled)>;
using TFindComponentClassEvent = TClosure<void(TReader* Reader, const String& ClassName, TClass& ComponentClass)>;
using TCreateComponentEvent = TClosure<void(TReader* Reader, TClass ComponentClass, TComponent*& Component)>;
using TAncestorNotFoundEvent =
    TClosure<void(TReader* Reader, const String& ComponentName, TClass ComponentClass, TComponent*& Component)>;

class TReader : public TFiler {
  DECLARE_CLASS(TReader, TFiler)
 public:
  void DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) override;
  void DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc WriteData,
                            bool HasData) override;
  void FlushBuffer() override;

  // ---- Values. A read of the wrong kind raises EReadError "Invalid property value".
  TValueType NextValue();         // the kind of the next value, not consumed
  TValueType ReadValue();         // consumes the kind byte only
  void CheckValue(TValueType Value);
  bool EndOfList();               // the next byte ends a list
  void ReadListBegin();
  void ReadListEnd();
  bool ReadBoolean();
  Char ReadChar();
  WideChar ReadWideChar();
  Integer ReadInteger();          // any integer kind in the 32-bit range
  Int64 ReadInt64();
  Extended ReadFloat();           // any float kind or an integer
  Single ReadSingle();
  Currency ReadCurrency();
  TDateTime ReadDate();
  String ReadIdent();             // an identifier; False, True, nil and Null as those words
  String ReadString();            // any string kind, as UTF-8
  WideString ReadWideString();
  String ReadStr();               // a short string (names)
  Variants::Variant ReadVariant();  // integers, floats, strings, Booleans, and the words Empty and Null
  UInt64 ReadSet(const TypInfo::TTypeInfo* SetType);  // member names to bits
  void ReadCollection(TCollection* Collection);  // replaces the items with those of the stream
  void SkipValue();
  void Read(void* Buf, Integer Count);
  // Copies the next value to Writer unchanged.
  void CopyValue(TWriter* Writer);

  // ---- Objects and components.
  // Reads one property entry (name and value) onto Instance: published properties first, nested
  // persistents by dotted path, then the instance's defined entries.
  void ReadProperty(TPersistent* AInstance);
  // The properties and child components of Instance (what TComponent::ReadState does).
  void ReadData(TComponent* Instance);
  // One component of the tree: created as a child of Parent, owned by Owner, unless given.
  TComponent* ReadComponent(TComponent* Component);
  // A whole stream into Root (or a new component of the stream's class when Root is null):
  // signature, tree, component references, then Loaded for every component read.
  TComponent* ReadRootComponent(TComponent* Root);
  // A list of components (each after its signature) up to the end of the list, as pasted from a
  // copy: each made with AOwner as owner and root (handlers and references are looked up on it)
  // and AParent as parent, then handed to Proc. References are fixed up and Loaded runs for all
  // of them once the list is read; when a component fails, those read before it are finished
  // the same way before the error goes on.
  void ReadComponents(TComponent* AOwner, TComponent* AParent, TReadComponentsProc Proc);
  void ReadSignature();
  void ReadPrefix(TFilerFlags& Flags, Integer& AChildPos);
  // Reading several components outside ReadRootComponent: references and Loaded run at
  // FixupReferences, between these two calls.
  void BeginReferences();
  void FixupReferences();
  void EndReferences();

  TComponent* GetOwner() const { return FOwner; }
  void SetOwner(TComponent* Value) { FOwner = Value; }
  TComponent* GetParent() const { return FParent; }
  void SetParent(TComponent* Value) { FParent = Value; }
  Int64 GetPosition();
  void SetPosition(Int64 Value);

  TFindMethodEvent OnFindMethod;
  TSetNameEvent OnSetName;
  TReferenceNameEvent OnReferenceName;
  TReaderError OnError;
  TFindComponentClassEvent OnFindComponentClass;
  TCreateComponentEvent OnCreateComponent;
  TAncestorNotFoundEvent OnAncestorNotFound;

 protected:
  friend struct TObjectFactory;
  TReader(TStream* Stream, Integer BufSize = 4096) : TFiler(Stream, BufSize) {}
  void Destroy() override;

  // Asks OnError whether a failed entry may be skipped; false lets the error go on.
  virtual bool Error(const String& Message);
  virtual TMethod FindMethod(TComponent* Root, const String& MethodName);
  virtual void SetName(TComponent* Component, String& Name);
  virtual void ReferenceName(String& Name);
  virtual TComponent* FindAncestorComponent(const String& Name, TClass ComponentClass);
  virtual TClass FindComponentClass(const String& ClassName);
  void ReadPropValue(TPersistent* Instance, const TypInfo::TPropInfo* PropInfo);
  [[noreturn]] void PropertyError(const String& Name);  // skips the value, then raises
  [[noreturn]] void PropValueError();
  void SkipProperty();
  void SkipComponent(bool SkipHeader);

 private:
  struct TFixup;
  void ReadBuffer();
  void ReadDataInner(TComponent* Instance);
  void DoFixupReferences();
  void CallLoaded();
  Integer ReadLength();
  String ReadBytes(Integer Count);
  void Nest();

  TComponent* FOwner = nullptr;
  TComponent* FParent = nullptr;
  String FPropName;
  std::vector<TFixup>* FFixups = nullptr;
  std::vector<TComponent*>* FLoaded = nullptr;
  Integer FDepth = 0;
};

using TFindAncestorEvent = TClosure<void(TWriter* Writer, TComponent* Component, const String& Name,
                                         TComponent*& Ancestor, TComponent*& RootAncestor)>;

class TWriter : public TFiler {
  DECLARE_CLASS(TWriter, TFiler)
 public:
  void DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) override;
  void DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc WriteData,
                            bool HasData) override;
  void FlushBuffer() override;

  // ---- Values.
  void Write(const void* Buf, Integer Count);
  void WriteValue(TValueType Value);
  void WriteListBegin();
  void WriteListEnd();
  void WriteBoolean(bool Value);
  void WriteChar(Char Value);
  void WriteWideChar(WideChar Value);
  void WriteInteger(Integer Value);  // the smallest integer kind that holds it
  void WriteInteger(Int64 Value);
  void WriteFloat(Extended Value);
  void WriteSingle(Single Value);
  void WriteCurrency(Currency Value);
  void WriteDate(TDateTime Value);
  void WriteIdent(const String& Ident);  // False, True and nil as their own kinds
  void WriteString(const String& Value);
  void WriteWideString(const WideString& Value);
  void WriteUTF8Str(const String& Value);
  void WriteStr(const String& Value);    // a short string; raises EWriteError past 255 bytes
  void WriteVariant(const Variants::Variant& Value);
  void WriteSet(const TypInfo::TTypeInfo* SetType, UInt64 Value);
  void WriteCollection(TCollection* Value);

  // ---- Objects and components.
  // The stored published properties of Instance that differ from the ancestor (or from their
  // defaults), then its defined entries.
  void WriteProperties(TPersistent* Instance);
  // One component of the tree. An inline component (a frame placed on a form) that has no
  // ancestor but whose class has a form resource is written as what differs from a new instance
  // of its class, made from that resource: only changed properties, changed inherited children
  // and added children.
  void WriteComponent(TComponent* Component);
  // The properties and children of Instance (what TComponent::WriteState does).
  void WriteData(TComponent* Instance);
  // Signature and the whole tree of Root, writing only what differs from AAncestor when given.
  void WriteDescendent(TComponent* Root, TComponent* AAncestor);
  void WriteRootComponent(TComponent* Root);
  void WriteSignature();
  void WritePrefix(TFilerFlags Flags, Integer AChildPos);

  TComponent* GetRootAncestor() const { return FRootAncestor; }
  void SetRootAncestor(TComponent* Value) { FRootAncestor = Value; }
  Int64 GetPosition();
  void SetPosition(Int64 Value);

  TFindAncestorEvent OnFindAncestor;

 protected:
  friend struct TObjectFactory;
  TWriter(TStream* Stream, Integer BufSize = 4096) : TFiler(Stream, BufSize) {}
  void Destroy() override;

  void WriteProperty(TPersistent* Instance, const TypInfo::TPropInfo* PropInfo);
  void WritePropName(const String& PropName);
  void WriteBinary(TStreamProc WriteData);

 private:
  void WriteBuffer();
  void WriteByte(Byte Value);
  void WriteLength(Integer Value);
  void AddAncestor(TComponent* Component);
  TComponent* MakeInlineAncestor(TComponent* Component);
  bool IsDefaultPropertyValue(TPersistent* Instance, const TypInfo::TPropInfo* PropInfo);
  String GetComponentValue(TComponent* Component);

  TComponent* FRootAncestor = nullptr;
  String FPropPath;
  std::vector<TComponent*>* FAncestorList = nullptr;
  // The instance made from its own form resource that an inline component being written is
  // compared with; it is not one of the ancestor list's components.
  TComponent* FInlineAncestor = nullptr;
  // While above zero the buffer grows instead of going to the stream: what is written may yet be
  // taken back (an inherited component that turns out unchanged).
  Integer FHoldBuffer = 0;
  Integer FAncestorPos = 0;
  Integer FChildPos = 0;
};

// ---- Pending references ------------------------------------------------------------------------------
// A component reference that names a component not yet loaded ("Form2.Table1") waits in a
// program-wide list until a later read makes it resolvable.
void GlobalFixupReferences();
// Forgets the waiting references read under Root (all of them when Root is null) whose target
// root is named RootName (any when empty).
void RemoveFixupReferences(TComponent* Root, const String& RootName);
// Forgets the waiting references of one object (when it is freed).
void RemoveFixups(TPersistent* Instance);

// ---- Loading several streams as one ---------------------------------------------------------------
// Between BeginGlobalLoading and EndGlobalLoading, ReadRootComponent does not call Loaded itself:
// the components read by every stream in between are collected, each once, and NotifyGlobalLoading
// calls Loaded for them (a form and the resources of its ancestor classes load as one tree).
// The calls nest.
void BeginGlobalLoading();
void NotifyGlobalLoading();
void EndGlobalLoading();

// ---- Whole components on a stream ------------------------------------------------------------------
// ReadComponent reads a stream into Instance (a new component of the stream's class when null)
// and answers it; WriteComponent writes Instance; WriteDescendent writes only what differs from
// Ancestor.
TComponent* ReadComponent(TStream* Stream, TComponent* Instance);
void WriteComponent(TStream* Stream, TComponent* Instance);
void WriteDescendent(TStream* Stream, TComponent* Instance, TComponent* Ancestor);

// Two collections are equal when their items write the same values (also for two nulls).
bool CollectionsEqual(TCollection* A, TCollection* B);

}  // namespace Filer

using namespace Filer;
