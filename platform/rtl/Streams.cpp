#include "Streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <stdexcept>

#include "Exceptions.h"
#include "FileNames.h"
#include "Format.h"
#include "SysConst.h"

namespace Streams {

IMPLEMENT_ABSTRACT_CLASS(TStream)
IMPLEMENT_ABSTRACT_CLASS(TCustomMemoryStream)
IMPLEMENT_CLASS(TMemoryStream)
IMPLEMENT_CLASS(TStringStream)
IMPLEMENT_CLASS(THandleStream)
IMPLEMENT_CLASS(TFileStream)

namespace {

// The largest block that one Read or Write call moves.
constexpr Int64 MaxTransfer = MaxInt;

Integer ClampCount(Int64 available, Integer Count) {
  if (Count <= 0 || available <= 0) return 0;
  return static_cast<Integer>(std::min<Int64>(available, Count));
}

}  // namespace

// ---- TStream -----------------------------------------------------------------------------------------

void TStream::ReadBuffer(void* Buffer, Integer Count) {
  if (Count != 0 && Read(Buffer, Count) != Count) throw EReadError(SysConst::SReadError);
}

void TStream::WriteBuffer(const void* Buffer, Integer Count) {
  if (Count != 0 && Write(Buffer, Count) != Count) throw EWriteError(SysConst::SWriteError);
}

Int64 TStream::GetSize() {
  Int64 pos = Seek(0, soCurrent);
  Int64 result = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return result;
}

Int64 TStream::CopyFrom(TStream* Source, Int64 Count) {
  if (Count == 0) {
    Source->SetPosition(0);
    Count = Source->GetSize();
  }
  constexpr Integer MaxBufSize = 0xF000;
  std::vector<Byte> buffer(static_cast<size_t>(std::clamp<Int64>(Count, 1, MaxBufSize)));
  Int64 result = Count;
  while (Count > 0) {
    Integer n = static_cast<Integer>(std::min<Int64>(Count, static_cast<Int64>(buffer.size())));
    Source->ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    Count -= n;
  }
  return result;
}

// ---- TCustomMemoryStream ---------------------------------------------------------------------------

void TCustomMemoryStream::SetPointer(void* Ptr, Int64 Size) {
  FMemory = Ptr;
  FSize = Size;
}

Integer TCustomMemoryStream::Read(void* Buffer, Integer Count) {
  if (FPosition < 0) return 0;
  Integer n = ClampCount(FSize - FPosition, Count);
  if (n == 0) return 0;
  std::memcpy(Buffer, static_cast<Byte*>(FMemory) + FPosition, static_cast<size_t>(n));
  FPosition += n;
  return n;
}

Int64 TCustomMemoryStream::Seek(Int64 Offset, TSeekOrigin Origin) {
  switch (Origin) {
    case soBeginning: FPosition = Offset; break;
    case soCurrent: FPosition += Offset; break;
    case soEnd: FPosition = FSize + Offset; break;
  }
  return FPosition;
}

void TCustomMemoryStream::SaveToStream(TStream* Stream) {
  // WriteBuffer moves at most MaxInt bytes at a time.
  for (Int64 done = 0; done < FSize;) {
    Integer n = static_cast<Integer>(std::min(FSize - done, MaxTransfer));
    Stream->WriteBuffer(static_cast<Byte*>(FMemory) + done, n);
    done += n;
  }
}

void TCustomMemoryStream::SaveToFile(const String& FileName) {
  auto stream = NewOwned<TFileStream>(FileName, fmCreate);
  SaveToStream(stream.get());
}

// ---- TMemoryStream ------------------------------------------------------------------------------------

void TMemoryStream::Destroy() {
  Clear();
  inherited::Destroy();
}

void TMemoryStream::Clear() {
  SetCapacity(0);
  FSize = 0;
  FPosition = 0;
}

void TMemoryStream::SetCapacity(Int64 NewCapacity) {
  if (NewCapacity < 0) throw EStreamError(SysConst::SMemoryStreamError);
  // Grow in steps of 8 KB, so that a run of small writes does not reallocate each time.
  constexpr Int64 MemoryDelta = 0x2000;
  if (NewCapacity > 0 && NewCapacity != FSize) NewCapacity = (NewCapacity + MemoryDelta - 1) & ~(MemoryDelta - 1);
  if (NewCapacity == GetCapacity()) return;
  try {
    if (NewCapacity == 0) std::vector<Byte>().swap(FData);
    else FData.resize(static_cast<size_t>(NewCapacity));
  } catch (const std::bad_alloc&) {
    throw EStreamError(SysConst::SMemoryStreamError);
  } catch (const std::length_error&) {
    throw EStreamError(SysConst::SMemoryStreamError);
  }
  FMemory = FData.empty() ? nullptr : FData.data();
}

void TMemoryStream::SetSize(Int64 NewSize) {
  if (NewSize < 0) throw EStreamError(SysConst::SMemoryStreamError);
  Int64 oldSize = FSize;
  if (NewSize > GetCapacity()) SetCapacity(NewSize);
  if (NewSize > oldSize) std::memset(static_cast<Byte*>(FMemory) + oldSize, 0, static_cast<size_t>(NewSize - oldSize));
  FSize = NewSize;
  if (FPosition > NewSize) FPosition = NewSize;
}

Integer TMemoryStream::Write(const void* Buffer, Integer Count) {
  if (FPosition < 0 || Count <= 0) return 0;
  Int64 end = FPosition + Count;
  if (end > FSize) {
    if (end > GetCapacity()) SetCapacity(end);
    if (FPosition > FSize) std::memset(static_cast<Byte*>(FMemory) + FSize, 0, static_cast<size_t>(FPosition - FSize));
    FSize = end;
  }
  std::memmove(static_cast<Byte*>(FMemory) + FPosition, Buffer, static_cast<size_t>(Count));
  FPosition = end;
  return Count;
}

void TMemoryStream::LoadFromStream(TStream* Stream) {
  Stream->SetPosition(0);
  Int64 count = Stream->GetSize();
  SetSize(count);
  FPosition = 0;
  for (Int64 done = 0; done < count;) {
    Integer n = static_cast<Integer>(std::min(count - done, MaxTransfer));
    Stream->ReadBuffer(static_cast<Byte*>(FMemory) + done, n);
    done += n;
  }
}

void TMemoryStream::LoadFromFile(const String& FileName) {
  auto stream = NewOwned<TFileStream>(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream.get());
}

// ---- TStringStream ------------------------------------------------------------------------------------

Integer TStringStream::Read(void* Buffer, Integer Count) {
  Integer n = ClampCount(static_cast<Int64>(FDataString.size()) - FPosition, Count);
  if (n == 0) return 0;
  std::memcpy(Buffer, FDataString.data() + FPosition, static_cast<size_t>(n));
  FPosition += n;
  return n;
}

String TStringStream::ReadString(Integer Count) {
  Integer n = ClampCount(static_cast<Int64>(FDataString.size()) - FPosition, Count);
  String result = FDataString.substr(static_cast<size_t>(FPosition), static_cast<size_t>(n));
  FPosition += n;
  return result;
}

// Overwrites from the position on and extends the string where the data runs past its end; what
// follows the written bytes stays.
Integer TStringStream::Write(const void* Buffer, Integer Count) {
  if (Count <= 0) return 0;
  size_t end = static_cast<size_t>(FPosition) + static_cast<size_t>(Count);
  if (end > FDataString.size()) FDataString.resize(end);
  std::memcpy(FDataString.data() + FPosition, Buffer, static_cast<size_t>(Count));
  FPosition = static_cast<Int64>(end);
  return Count;
}

void TStringStream::WriteString(const String& AString) {
  WriteBuffer(AString.data(), static_cast<Integer>(AString.size()));
}

Int64 TStringStream::Seek(Int64 Offset, TSeekOrigin Origin) {
  Int64 size = static_cast<Int64>(FDataString.size());
  switch (Origin) {
    case soBeginning: FPosition = Offset; break;
    case soCurrent: FPosition += Offset; break;
    case soEnd: FPosition = size + Offset; break;
  }
  FPosition = std::clamp<Int64>(FPosition, 0, size);
  return FPosition;
}

void TStringStream::SetSize(Int64 NewSize) {
  FDataString.resize(static_cast<size_t>(std::max<Int64>(NewSize, 0)));
  if (FPosition > NewSize) FPosition = static_cast<Int64>(FDataString.size());
}

// ---- THandleStream --------------------------------------------------------------------------------------

Integer THandleStream::Read(void* Buffer, Integer Count) {
  if (Count <= 0) return 0;
  Integer done = 0;
  while (done < Count) {
    ssize_t n = ::read(static_cast<int>(FHandle), static_cast<Byte*>(Buffer) + done, static_cast<size_t>(Count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<Integer>(n);
  }
  return done;
}

Integer THandleStream::Write(const void* Buffer, Integer Count) {
  if (Count <= 0) return 0;
  Integer done = 0;
  while (done < Count) {
    ssize_t n = ::write(static_cast<int>(FHandle), static_cast<const Byte*>(Buffer) + done,
                        static_cast<size_t>(Count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<Integer>(n);
  }
  return done;
}

Int64 THandleStream::Seek(Int64 Offset, TSeekOrigin Origin) {
  int whence = Origin == soBeginning ? SEEK_SET : Origin == soCurrent ? SEEK_CUR : SEEK_END;
  return ::lseek(static_cast<int>(FHandle), static_cast<off_t>(Offset), whence);
}

void THandleStream::SetSize(Int64 NewSize) {
  if (NewSize < 0 || ::ftruncate(static_cast<int>(FHandle), static_cast<off_t>(NewSize)) != 0)
    RaiseLastOSError();
  if (GetPosition() > NewSize) Seek(NewSize, soBeginning);
}

// ---- TFileStream ----------------------------------------------------------------------------------------

void TFileStream::Construct() {
  inherited::Construct();
  String fullName = ExpandFileName(FFileName);
  auto fail = [&](int code) {
    String reason = std::strerror(code);
    if (FMode == fmCreate) throw EFCreateError(Format(SysConst::SFCreateErrorEx, {fullName, reason}));
    throw EFOpenError(Format(SysConst::SFOpenErrorEx, {fullName, reason}));
  };
  int flags = O_CLOEXEC;
  if (FMode == fmCreate) flags |= O_RDWR | O_CREAT | O_TRUNC;
  else if ((FMode & 3) == fmOpenWrite) flags |= O_WRONLY;
  else if ((FMode & 3) == fmOpenReadWrite) flags |= O_RDWR;
  else if ((FMode & 3) == fmOpenRead) flags |= O_RDONLY;
  else fail(EINVAL);
  if (FFileName.empty()) fail(ENOENT);
  int fd = ::open(FFileName.c_str(), flags, 0666);
  if (fd < 0) fail(errno);
  FHandle = fd;
  // A directory opens for reading here, but is no file to stream.
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) fail(EISDIR);
}

void TFileStream::Destroy() {
  if (FHandle >= 0) ::close(static_cast<int>(FHandle));
  FHandle = -1;
  inherited::Destroy();
}

}  // namespace Streams
