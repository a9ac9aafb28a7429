// Ini files: named sections of name=value keys in a UTF-8 text file.
//
// TCustomIniFile is the interface every store of this shape offers (ini files here, the registry
// view TRegistryIniFile in Registry.h); its typed reads and writes go through ReadString and
// WriteString. TMemIniFile holds the whole file in memory and writes it back on UpdateFile;
// TIniFile writes every change through to the file at once and sees changes made to the file by
// others. Section and key names compare without regard to case (the locale's rule); sections, keys
// and comment lines (";...") stay in file order and are written back so.
//
// The file name may be empty: nothing then touches the disk. A TIniFile without a name is inert
// (reads give the defaults, writes are dropped); a TMemIniFile without a name is a store in memory
// only (its text comes and goes through SetStrings and GetStrings; UpdateFile does nothing).
// Writing a file replaces it whole (a new file written and renamed over it), so a failure never
// leaves it half-written; it raises EIniFileException "Unable to write to <name>".
#pragma once

#include "System.h"

namespace Streams {
class TStream;
}
namespace StringLists {
class TStrings;
}

namespace IniFiles {

class TCustomIniFile : public TObject {
  DECLARE_CLASS(TCustomIniFile, TObject)
 public:
  const String& GetFileName() const { return FFileName; }

  // A section exists when it has at least one key.
  virtual bool SectionExists(const String& Section);
  virtual bool ValueExists(const String& Section, const String& Ident);

  // The key's value, or Default when the key is missing.
  virtual String ReadString(const String& Section, const String& Ident, const String& Default) = 0;
  // Names and values may hold any text but a line break (EIniFileException).
  virtual void WriteString(const String& Section, const String& Ident, const String& Value) = 0;
  // Decimal text (or hexadecimal after "0x"); Default when missing or not a number.
  virtual Integer ReadInteger(const String& Section, const String& Ident, Integer Default);
  virtual void WriteInteger(const String& Section, const String& Ident, Integer Value);
  // Stored as "1" and "0"; read as an integer (anything but 0 is true).
  virtual bool ReadBool(const String& Section, const String& Ident, bool Default);
  virtual void WriteBool(const String& Section, const String& Ident, bool Value);
  // The locale's number, date and time texts (FloatToStr, DateToStr, ...); Default when missing or
  // not readable.
  virtual Double ReadFloat(const String& Section, const String& Ident, Double Default);
  virtual void WriteFloat(const String& Section, const String& Ident, Double Value);
  virtual TDateTime ReadDate(const String& Section, const String& Ident, TDateTime Default);
  virtual void WriteDate(const String& Section, const String& Ident, TDateTime Value);
  virtual TDateTime ReadDateTime(const String& Section, const String& Ident, TDateTime Default);
  virtual void WriteDateTime(const String& Section, const String& Ident, TDateTime Value);
  virtual TDateTime ReadTime(const String& Section, const String& Ident, TDateTime Default);
  virtual void WriteTime(const String& Section, const String& Ident, TDateTime Value);
  // Bytes as upper-case hexadecimal text. Writing takes Value from its position to its end.
  // Reading writes the bytes into Value at its position and answers their count (decoding stops
  // at the first pair that is not hexadecimal); a memory stream is left positioned at the start
  // of the bytes read, so that they can be read next.
  virtual Integer ReadBinaryStream(const String& Section, const String& Name, Streams::TStream* Value);
  virtual void WriteBinaryStream(const String& Section, const String& Name, Streams::TStream* Value);

  // The lists are cleared first. ReadSection: the key names; ReadSections: the section names;
  // ReadSectionValues: the section's lines "name=value".
  virtual void ReadSection(const String& Section, StringLists::TStrings* Strings) = 0;
  virtual void ReadSections(StringLists::TStrings* Strings) = 0;
  virtual void ReadSectionValues(const String& Section, StringLists::TStrings* Strings) = 0;
  virtual void EraseSection(const String& Section) = 0;
  virtual void DeleteKey(const String& Section, const String& Ident) = 0;
  // Writes pending changes to the file.
  virtual void UpdateFile() = 0;

 protected:
  explicit TCustomIniFile(String FileName = String()) : FFileName(std::move(FileName)) {}
  // How ReadBinaryStream hands its bytes to the stream; answers Count.
  static Integer PutBinary(Streams::TStream* Value, const void* Data, Integer Count);
  // Bytes as the upper-case hexadecimal text binary values are stored as.
  static String BytesToHex(const void* Data, size_t Count);
  String FFileName;
};

struct TIniData;  // sections and their lines, kept in file order

// The whole file in memory: read when the object is made (or renamed with reload), written by
// UpdateFile.
class TMemIniFile : public TCustomIniFile {
  DECLARE_CLASS(TMemIniFile, TCustomIniFile)
 public:
  String ReadString(const String& Section, const String& Ident, const String& Default) override;
  void WriteString(const String& Section, const String& Ident, const String& Value) override;
  void ReadSection(const String& Section, StringLists::TStrings* Strings) override;
  void ReadSections(StringLists::TStrings* Strings) override;
  void ReadSectionValues(const String& Section, StringLists::TStrings* Strings) override;
  void EraseSection(const String& Section) override;
  void DeleteKey(const String& Section, const String& Ident) override;
  void UpdateFile() override;

  void Clear();
  // The file's text as lines ("[section]", its lines, an empty line after each section), and the
  // reverse: the store's whole content replaced by the lines' sections and keys.
  void GetStrings(StringLists::TStrings* List);
  void SetStrings(StringLists::TStrings* List);
  // Another file from now on; with Reload its content replaces the store's.
  void Rename(const String& FileName, bool Reload);

 protected:
  explicit TMemIniFile(String FileName = String()) : TCustomIniFile(std::move(FileName)) {}
  ~TMemIniFile() override;
  void Construct() override;

 private:
  TIniData* FData = nullptr;
};

// Every change goes to the file at once; a change of the file by someone else is seen by the next call.
class TIniFile : public TCustomIniFile {
  DECLARE_CLASS(TIniFile, TCustomIniFile)
 public:
  String ReadString(const String& Section, const String& Ident, const String& Default) override;
  void WriteString(const String& Section, const String& Ident, const String& Value) override;
  void ReadSection(const String& Section, StringLists::TStrings* Strings) override;
  void ReadSections(StringLists::TStrings* Strings) override;
  void ReadSectionValues(const String& Section, StringLists::TStrings* Strings) override;
  void EraseSection(const String& Section) override;
  void DeleteKey(const String& Section, const String& Ident) override;
  // Nothing is pending: every change is already written.
  void UpdateFile() override {}

 protected:
  explicit TIniFile(String FileName = String()) : TCustomIniFile(std::move(FileName)) {}
  ~TIniFile() override;
  void Construct() override;

 private:
  // Re-reads the file when it changed since this object last read or wrote it.
  void Refresh();
  void Save();
  TIniData* FData = nullptr;
};

// Replaces the file's contents safely, as every settings file of the program is written: the text
// goes to a new file beside it (keeping the old file's permissions), which is flushed and renamed
// over the old one (through a symbolic link, onto its target). False when any step fails; the old
// file is then untouched.
bool ReplaceFileContents(const String& FileName, const String& Contents);

}  // namespace IniFiles

using namespace IniFiles;
