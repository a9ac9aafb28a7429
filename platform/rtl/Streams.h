// Streams of bytes: TStream and its transfers, memory streams, the string stream, and streams over
// files (THandleStream, TFileStream). The resource stream over data compiled into the program is in
// Resources.h.
#pragma once

#include <vector>

#include "System.h"

namespace Components {
class TComponent;
}

namespace Streams {

enum TSeekOrigin { soBeginning, soCurrent, soEnd };
constexpr TSeekOrigin soFromBeginning = soBeginning;
constexpr TSeekOrigin soFromCurrent = soCurrent;
constexpr TSeekOrigin soFromEnd = soEnd;

// TFileStream modes: one access mode, or-ed with one sharing mode; or fmCreate alone.
constexpr Word fmCreate = 0xFFFF;
constexpr Word fmOpenRead = 0x0000;
constexpr Word fmOpenWrite = 0x0001;
constexpr Word fmOpenReadWrite = 0x0002;
constexpr Word fmShareCompat = 0x0000;
constexpr Word fmShareExclusive = 0x0010;
constexpr Word fmShareDenyWrite = 0x0020;
constexpr Word fmShareDenyRead = 0x0030;
constexpr Word fmShareDenyNone = 0x0040;

class TStream : public TObject {
  DECLARE_CLASS(TStream, TObject)
 public:
  // Transfer up to Count bytes and answer how many moved (0 at the end or on failure).
  virtual Integer Read(void* Buffer, Integer Count) = 0;
  virtual Integer Write(const void* Buffer, Integer Count) = 0;
  // Moves the position and answers the new one.
  virtual Int64 Seek(Int64 Offset, TSeekOrigin Origin) = 0;
  // Exactly Count bytes, or EReadError "Stream read error" / EWriteError "Stream write error".
  void ReadBuffer(void* Buffer, Integer Count);
  void WriteBuffer(const void* Buffer, Integer Count);
  // Copies Count bytes of Source from its position (Count 0: the whole of Source from its start);
  // answers the number of bytes copied.
  Int64 CopyFrom(TStream* Source, Int64 Count);
  // A whole component tree on the object stream, from the position on: ReadComponent reads into
  // Instance (a new component of the stream's class when null) and answers it.
  Components::TComponent* ReadComponent(Components::TComponent* Instance);
  void WriteComponent(Components::TComponent* Instance);

  Int64 GetPosition() { return Seek(0, soCurrent); }
  void SetPosition(Int64 Pos) { Seek(Pos, soBeginning); }
  virtual Int64 GetSize();
  virtual void SetSize(Int64 NewSize) {}
};

// A stream over a block of memory that it does not manage itself.
class TCustomMemoryStream : public TStream {
  DECLARE_CLASS(TCustomMemoryStream, TStream)
 public:
  Integer Read(void* Buffer, Integer Count) override;
  Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;
  Int64 GetSize() override { return FSize; }
  void SaveToStream(TStream* Stream);
  void SaveToFile(const String& FileName);
  void* GetMemory() const { return FMemory; }

 protected:
  void SetPointer(void* Ptr, Int64 Size);

  void* FMemory = nullptr;
  Int64 FSize = 0;
  Int64 FPosition = 0;  // may stand past the end (or before the start): reads there give nothing
};

// A memory stream that owns and grows its memory. Bytes between the old end and a write past it,
// and bytes added by enlarging Size, read as zero.
class TMemoryStream : public TCustomMemoryStream {
  DECLARE_CLASS(TMemoryStream, TCustomMemoryStream)
 public:
  Integer Write(const void* Buffer, Integer Count) override;
  void SetSize(Int64 NewSize) override;
  void Clear();
  // Replaces the contents with the whole of Stream (read from its start).
  void LoadFromStream(TStream* Stream);
  void LoadFromFile(const String& FileName);
  Int64 GetCapacity() const { return static_cast<Int64>(FData.size()); }

 protected:
  void Destroy() override;
  virtual void SetCapacity(Int64 NewCapacity);

 private:
  std::vector<Byte> FData;  // sized to the capacity
};

// A stream whose contents are a string.
class TStringStream : public TStream {
  DECLARE_CLASS(TStringStream, TStream)
 public:
  Integer Read(void* Buffer, Integer Count) override;
  Integer Write(const void* Buffer, Integer Count) override;
  // The position is kept within 0..Size.
  Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;
  void SetSize(Int64 NewSize) override;
  // Up to Count bytes from the position on.
  String ReadString(Integer Count);
  void WriteString(const String& AString);
  const String& GetDataString() const { return FDataString; }

 protected:
  explicit TStringStream(String AString = String()) : FDataString(std::move(AString)) {}

 private:
  String FDataString;
  Int64 FPosition = 0;
};

// A stream over an open file handle (a descriptor of the operating system), which it does not close.
class THandleStream : public TStream {
  DECLARE_CLASS(THandleStream, TStream)
 public:
  Integer Read(void* Buffer, Integer Count) override;
  Integer Write(const void* Buffer, Integer Count) override;
  Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;
  // Truncates or extends the file (extension reads as zero).
  void SetSize(Int64 NewSize) override;
  NativeInt GetHandle() const { return FHandle; }

 protected:
  explicit THandleStream(NativeInt AHandle = -1) : FHandle(AHandle) {}
  NativeInt FHandle;
};

// A stream over a named file, which it opens in its constructor and closes when freed. A file that
// cannot be created raises EFCreateError, one that cannot be opened EFOpenError, each naming the
// full file name and the system's reason. The sharing modes are accepted but not enforced: the
// platform has no mandatory sharing locks.
class TFileStream : public THandleStream {
  DECLARE_CLASS(TFileStream, THandleStream)
 public:
  const String& GetFileName() const { return FFileName; }

 protected:
  explicit TFileStream(String AFileName = String(), Word Mode = fmOpenRead)
      : FFileName(std::move(AFileName)), FMode(Mode) {}
  void Construct() override;
  void Destroy() override;

 private:
  String FFileName;
  Word FMode;
};

}  // namespace Streams

using namespace Streams;
