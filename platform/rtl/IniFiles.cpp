#include "IniFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <unordered_map>
#include <vector>

#include "DateFormat.h"
#include "Exceptions.h"
#include "FloatFormat.h"
#include "Guids.h"
#include "Format.h"
#include "StringLists.h"
#include "Streams.h"
#include "Strings.h"
#include "SysConst.h"

namespace IniFiles {

// ---- Writing files --------------------------------------------------------------------------------------
bool ReplaceFileContents(const String& FileName, const String& Contents) {
  if (FileName.empty()) return false;
  // Through a symbolic link the file it names is replaced, not the link.
  String target = FileName;
  if (char* real = realpath(FileName.c_str(), nullptr)) {
    target = real;
    free(real);
  }
  // A new file of a fresh name, created with the usual permissions (the process's mask applies)
  // or with those of the file it replaces.
  String temp;
  int fd = -1;
  for (int attempt = 0; fd < 0 && attempt < 8; ++attempt) {
    TGUID id;
    if (CreateGUID(id) != S_OK) return false;
    temp = target + "." + GUIDToString(id).substr(1, 8) + ".tmp";
    fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;
  struct stat old;
  if (stat(target.c_str(), &old) == 0) fchmod(fd, old.st_mode & 07777);
  bool ok = true;
  size_t done = 0;
  while (ok && done < Contents.size()) {
    ssize_t n = write(fd, Contents.data() + done, Contents.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) ok = false;
    else done += static_cast<size_t>(n);
  }
  ok = ok && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) unlink(temp.c_str());
  return ok;
}

namespace {

[[noreturn]] void RaiseWriteError(const String& FileName) {
  throw EIniFileException(Format(SysConst::SIniFileWriteError, {FileName}));
}

void CheckNoLineBreak(const String& Text) {
  if (Text.find_first_of("\r\n") != String::npos)
    throw EIniFileException(Format("Line breaks cannot be stored in an ini file: '%s'", {Text}));
}

// Reads the whole file; false when it does not exist.
bool ReadWholeFile(const String& FileName, String& Text) {
  std::ifstream in(FileName, std::ios::binary);
  if (!in) {
    if (access(FileName.c_str(), F_OK) != 0) return false;
    throw EFOpenError(Format(SysConst::SFOpenError, {FileName}));
  }
  Text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (Text.compare(0, 3, "\xEF\xBB\xBF") == 0) Text.erase(0, 3);  // a UTF-8 byte-order mark
  return true;
}

}  // namespace

// ---- The store ----------------------------------------------------------------------------------------------
struct TIniLine {
  enum TKind { kPair, kText, kComment } Kind = kPair;
  String Name;   // kPair: the key; otherwise the whole line
  String Value;
  String Key;    // kPair: the name upper-cased, for lookups
  String Text() const { return Kind == kPair ? Name + "=" + Value : Name; }
};

struct TIniSection {
  String Name;
  std::vector<TIniLine> Lines;
  TIniLine* Find(const String& Key) {
    for (TIniLine& l : Lines)
      if (l.Kind == TIniLine::kPair && l.Key == Key) return &l;
    return nullptr;
  }
  bool HasKeys() const {
    for (const TIniLine& l : Lines)
      if (l.Kind == TIniLine::kPair) return true;
    return false;
  }
};

struct TIniData {
  std::vector<String> Preamble;  // comment lines before the first section
  std::vector<std::unique_ptr<TIniSection>> Sections;
  std::unordered_map<String, TIniSection*> Index;  // upper-cased name -> section
  // The file as this object last read or wrote it (TIniFile).
  bool Stamped = false;
  struct stat Stamp {};

  TIniSection* Find(const String& Name) {
    auto it = Index.find(AnsiUpperCase(Name));
    return it == Index.end() ? nullptr : it->second;
  }
  TIniSection& Get(const String& Name) {
    if (TIniSection* s = Find(Name)) return *s;
    Sections.push_back(std::make_unique<TIniSection>());
    Sections.back()->Name = Name;
    Index[AnsiUpperCase(Name)] = Sections.back().get();
    return *Sections.back();
  }
  void Erase(const String& Name) {
    auto it = Index.find(AnsiUpperCase(Name));
    if (it == Index.end()) return;
    TIniSection* s = it->second;
    Index.erase(it);
    for (auto p = Sections.begin(); p != Sections.end(); ++p)
      if (p->get() == s) {
        Sections.erase(p);
        break;
      }
  }
  void Clear() {
    Preamble.clear();
    Sections.clear();
    Index.clear();
  }

  String Read(const String& Section, const String& Ident, const String& Default) {
    if (TIniSection* s = Find(Section))
      if (TIniLine* l = s->Find(AnsiUpperCase(Ident))) return l->Value;
    return Default;
  }
  void Write(const String& Section, const String& Ident, const String& Value) {
    CheckNoLineBreak(Section);
    CheckNoLineBreak(Ident);
    CheckNoLineBreak(Value);
    TIniSection& s = Get(Section);
    String key = AnsiUpperCase(Ident);
    if (TIniLine* l = s.Find(key)) {
      l->Value = Value;
      return;
    }
    s.Lines.push_back(TIniLine{TIniLine::kPair, Ident, Value, key});
  }
  void DeleteKey(const String& Section, const String& Ident) {
    TIniSection* s = Find(Section);
    if (!s) return;
    String key = AnsiUpperCase(Ident);
    for (auto l = s->Lines.begin(); l != s->Lines.end(); ++l)
      if (l->Kind == TIniLine::kPair && l->Key == key) {
        s->Lines.erase(l);
        return;
      }
  }

  void KeyNames(const String& Section, TStrings* Strings) {
    TUpdateGuard guard(Strings);
    Strings->Clear();
    if (TIniSection* s = Find(Section))
      for (const TIniLine& l : s->Lines)
        if (l.Kind == TIniLine::kPair) Strings->Add(l.Name);
  }
  void SectionNames(TStrings* Strings) {
    TUpdateGuard guard(Strings);
    Strings->Clear();
    for (const auto& s : Sections) Strings->Add(s->Name);
  }
  void SectionValues(const String& Section, TStrings* Strings) {
    TUpdateGuard guard(Strings);
    Strings->Clear();
    if (TIniSection* s = Find(Section))
      for (const TIniLine& l : s->Lines)
        if (l.Kind != TIniLine::kComment) Strings->Add(l.Text());
  }

  // The lines of the file: each section's header, its lines, and an empty line.
  void GetLines(TStrings* List) {
    TUpdateGuard guard(List);
    List->Clear();
    for (const String& c : Preamble) List->Add(c);
    for (const auto& s : Sections) {
      List->Add("[" + s->Name + "]");
      for (const TIniLine& l : s->Lines) List->Add(l.Text());
      List->Add(String());
    }
  }

  // Blank lines go; a line "[name]" opens a section; "name=value" is a key (the name trimmed, the
  // value as it follows the "="); other lines of a section are kept as they are.
  void SetLines(TStrings* List) {
    Clear();
    TIniSection* current = nullptr;
    for (Integer i = 0, n = List->GetCount(); i < n; ++i) {
      String line = Trim(List->GetStrings(i));
      if (line.empty()) continue;
      if (line[0] == ';') {
        TIniLine comment{TIniLine::kComment, line, String(), String()};
        if (current)
          current->Lines.push_back(comment);
        else
          Preamble.push_back(line);
        continue;
      }
      if (line.front() == '[' && line.back() == ']') {
        current = &Get(line.substr(1, line.size() - 2));
        continue;
      }
      if (!current) continue;  // keys before the first section belong to none
      size_t eq = line.find('=');
      if (eq == String::npos) {
        current->Lines.push_back(TIniLine{TIniLine::kText, line, String(), String()});
        continue;
      }
      String name = Trim(line.substr(0, eq));
      current->Lines.push_back(TIniLine{TIniLine::kPair, name, line.substr(eq + 1), AnsiUpperCase(name)});
    }
  }

  void Load(const String& FileName) {
    Clear();
    String text;
    Stamped = !FileName.empty() && ReadWholeFile(FileName, text) && stat(FileName.c_str(), &Stamp) == 0;
    if (text.empty()) return;
    TStringList* lines = New<TStringList>();
    try {
      lines->SetText(text);
      SetLines(lines);
    } catch (...) {
      lines->Free();
      throw;
    }
    lines->Free();
  }

  void Save(const String& FileName) {
    TStringList* lines = New<TStringList>();
    String text;
    try {
      GetLines(lines);
      text = lines->GetText();
    } catch (...) {
      lines->Free();
      throw;
    }
    lines->Free();
    if (!ReplaceFileContents(FileName, text)) RaiseWriteError(FileName);
    Stamped = stat(FileName.c_str(), &Stamp) == 0;
  }

  bool FileChanged(const String& FileName) {
    struct stat now;
    bool exists = stat(FileName.c_str(), &now) == 0;
    if (!exists || !Stamped) return exists != Stamped;
    return now.st_ino != Stamp.st_ino || now.st_size != Stamp.st_size ||
           now.st_mtim.tv_sec != Stamp.st_mtim.tv_sec || now.st_mtim.tv_nsec != Stamp.st_mtim.tv_nsec;
  }

 private:
  // BeginUpdate/EndUpdate of a list for the life of the guard.
  struct TUpdateGuard {
    TStrings* List;
    explicit TUpdateGuard(TStrings* l) : List(l) { List->BeginUpdate(); }
    ~TUpdateGuard() { List->EndUpdate(); }
  };
};

// ---- TCustomIniFile -----------------------------------------------------------------------------------------
IMPLEMENT_ABSTRACT_CLASS(TCustomIniFile)

bool TCustomIniFile::SectionExists(const String& Section) {
  TStringList* keys = New<TStringList>();
  bool result = false;
  try {
    ReadSection(Section, keys);
    result = keys->GetCount() > 0;
  } catch (...) {
    keys->Free();
    throw;
  }
  keys->Free();
  return result;
}

bool TCustomIniFile::ValueExists(const String& Section, const String& Ident) {
  TStringList* keys = New<TStringList>();
  bool result = false;
  try {
    ReadSection(Section, keys);
    result = keys->IndexOf(Ident) >= 0;
  } catch (...) {
    keys->Free();
    throw;
  }
  keys->Free();
  return result;
}

Integer TCustomIniFile::ReadInteger(const String& Section, const String& Ident, Integer Default) {
  String text = ReadString(Section, Ident, String());
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text = "$" + text.substr(2);
  return StrToIntDef(text, Default);
}

void TCustomIniFile::WriteInteger(const String& Section, const String& Ident, Integer Value) {
  WriteString(Section, Ident, IntToStr(Value));
}

bool TCustomIniFile::ReadBool(const String& Section, const String& Ident, bool Default) {
  return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const String& Section, const String& Ident, bool Value) {
  WriteString(Section, Ident, Value ? "1" : "0");
}

Double TCustomIniFile::ReadFloat(const String& Section, const String& Ident, Double Default) {
  Extended value;
  return TryStrToFloat(ReadString(Section, Ident, String()), value) ? value : Default;
}

void TCustomIniFile::WriteFloat(const String& Section, const String& Ident, Double Value) {
  WriteString(Section, Ident, FloatToStr(Value));
}

TDateTime TCustomIniFile::ReadDate(const String& Section, const String& Ident, TDateTime Default) {
  return StrToDateDef(ReadString(Section, Ident, String()), Default);
}

void TCustomIniFile::WriteDate(const String& Section, const String& Ident, TDateTime Value) {
  WriteString(Section, Ident, DateToStr(Value));
}

TDateTime TCustomIniFile::ReadDateTime(const String& Section, const String& Ident, TDateTime Default) {
  return StrToDateTimeDef(ReadString(Section, Ident, String()), Default);
}

void TCustomIniFile::WriteDateTime(const String& Section, const String& Ident, TDateTime Value) {
  WriteString(Section, Ident, DateTimeToStr(Value));
}

TDateTime TCustomIniFile::ReadTime(const String& Section, const String& Ident, TDateTime Default) {
  return StrToTimeDef(ReadString(Section, Ident, String()), Default);
}

void TCustomIniFile::WriteTime(const String& Section, const String& Ident, TDateTime Value) {
  WriteString(Section, Ident, TimeToStr(Value));
}

namespace {
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}
}  // namespace

Integer TCustomIniFile::ReadBinaryStream(const String& Section, const String& Name, Streams::TStream* Value) {
  String text = ReadString(Section, Name, String());
  std::vector<Byte> bytes;
  bytes.reserve(text.size() / 2);
  for (size_t i = 0; i + 1 < text.size(); i += 2) {
    int hi = HexDigit(text[i]), lo = HexDigit(text[i + 1]);
    if (hi < 0 || lo < 0) break;
    bytes.push_back(static_cast<Byte>(hi * 16 + lo));
  }
  return PutBinary(Value, bytes.data(), static_cast<Integer>(bytes.size()));
}

Integer TCustomIniFile::PutBinary(Streams::TStream* Value, const void* Data, Integer Count) {
  if (Count <= 0) return 0;
  Int64 start = Value->GetPosition();
  Value->WriteBuffer(Data, Count);
  if (::System::Is<TMemoryStream>(Value)) Value->SetPosition(start);
  return Count;
}

String TCustomIniFile::BytesToHex(const void* Data, size_t Count) {
  static const char digits[] = "0123456789ABCDEF";
  const Byte* bytes = static_cast<const Byte*>(Data);
  String text;
  text.reserve(Count * 2);
  for (size_t i = 0; i < Count; ++i) {
    text += digits[bytes[i] >> 4];
    text += digits[bytes[i] & 15];
  }
  return text;
}

void TCustomIniFile::WriteBinaryStream(const String& Section, const String& Name, Streams::TStream* Value) {
  Int64 count = Value->GetSize() - Value->GetPosition();
  std::vector<Byte> bytes(static_cast<size_t>(std::max<Int64>(count, 0)));
  if (!bytes.empty()) Value->ReadBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
  WriteString(Section, Name, BytesToHex(bytes.data(), bytes.size()));
}

// ---- TMemIniFile --------------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TMemIniFile)

TMemIniFile::~TMemIniFile() { delete FData; }

void TMemIniFile::Construct() {
  inherited::Construct();
  FData = new TIniData;
  FData->Load(FFileName);
}

String TMemIniFile::ReadString(const String& Section, const String& Ident, const String& Default) {
  return FData->Read(Section, Ident, Default);
}
void TMemIniFile::WriteString(const String& Section, const String& Ident, const String& Value) {
  FData->Write(Section, Ident, Value);
}
void TMemIniFile::ReadSection(const String& Section, TStrings* Strings) { FData->KeyNames(Section, Strings); }
void TMemIniFile::ReadSections(TStrings* Strings) { FData->SectionNames(Strings); }
void TMemIniFile::ReadSectionValues(const String& Section, TStrings* Strings) {
  FData->SectionValues(Section, Strings);
}
void TMemIniFile::EraseSection(const String& Section) { FData->Erase(Section); }
void TMemIniFile::DeleteKey(const String& Section, const String& Ident) { FData->DeleteKey(Section, Ident); }

void TMemIniFile::UpdateFile() {
  if (!FFileName.empty()) FData->Save(FFileName);
}

void TMemIniFile::Clear() { FData->Clear(); }
void TMemIniFile::GetStrings(TStrings* List) { FData->GetLines(List); }
void TMemIniFile::SetStrings(TStrings* List) { FData->SetLines(List); }

void TMemIniFile::Rename(const String& FileName, bool Reload) {
  FFileName = FileName;
  if (Reload) FData->Load(FFileName);
}

// ---- TIniFile -----------------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TIniFile)

TIniFile::~TIniFile() { delete FData; }

void TIniFile::Construct() {
  inherited::Construct();
  FData = new TIniData;
  FData->Load(FFileName);
}

void TIniFile::Refresh() {
  if (!FFileName.empty() && FData->FileChanged(FFileName)) FData->Load(FFileName);
}

void TIniFile::Save() { FData->Save(FFileName); }

String TIniFile::ReadString(const String& Section, const String& Ident, const String& Default) {
  Refresh();
  return FData->Read(Section, Ident, Default);
}

void TIniFile::WriteString(const String& Section, const String& Ident, const String& Value) {
  if (FFileName.empty()) return;
  Refresh();
  FData->Write(Section, Ident, Value);
  Save();
}

void TIniFile::ReadSection(const String& Section, TStrings* Strings) {
  Refresh();
  FData->KeyNames(Section, Strings);
}

void TIniFile::ReadSections(TStrings* Strings) {
  Refresh();
  FData->SectionNames(Strings);
}

void TIniFile::ReadSectionValues(const String& Section, TStrings* Strings) {
  Refresh();
  FData->SectionValues(Section, Strings);
}

void TIniFile::EraseSection(const String& Section) {
  if (FFileName.empty()) return;
  Refresh();
  FData->Erase(Section);
  Save();
}

void TIniFile::DeleteKey(const String& Section, const String& Ident) {
  if (FFileName.empty()) return;
  Refresh();
  FData->DeleteKey(Section, Ident);
  Save();
}

}  // namespace IniFiles
