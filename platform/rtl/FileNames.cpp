#include "FileNames.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace FileNames {

namespace {
size_t NameStart(const String& f) {
  size_t d = f.rfind(PathDelim);
  return d == String::npos ? 0 : d + 1;
}
}  // namespace

String ExtractFilePath(const String& FileName) { return FileName.substr(0, NameStart(FileName)); }

String ExtractFileDir(const String& FileName) {
  size_t start = NameStart(FileName);
  if (start == 0) return String();
  if (start == 1) return String(1, PathDelim);
  return FileName.substr(0, start - 1);
}

String ExtractFileName(const String& FileName) { return FileName.substr(NameStart(FileName)); }

String ExtractFileExt(const String& FileName) {
  size_t dot = FileName.rfind('.');
  if (dot == String::npos || dot < NameStart(FileName)) return String();
  return FileName.substr(dot);
}

String ExtractFileDrive(const String&) { return String(); }

String ChangeFileExt(const String& FileName, const String& Extension) {
  size_t dot = FileName.rfind('.');
  if (dot == String::npos || dot < NameStart(FileName)) return FileName + Extension;
  return FileName.substr(0, dot) + Extension;
}

String ExpandFileName(const String& FileName) {
  if (FileName.empty()) return String();
  String full = FileName[0] == PathDelim ? FileName : IncludeTrailingPathDelimiter(GetCurrentDir()) + FileName;
  std::vector<String> parts;
  size_t i = 0;
  while (i <= full.size()) {
    size_t j = full.find(PathDelim, i);
    if (j == String::npos) j = full.size();
    String part = full.substr(i, j - i);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    i = j + 1;
  }
  String out;
  for (const String& p : parts) out += PathDelim + p;
  if (out.empty()) out = String(1, PathDelim);
  // A name that ended in a delimiter names a folder: keep the delimiter.
  if (full.back() == PathDelim && out.back() != PathDelim) out += PathDelim;
  return out;
}

String IncludeTrailingPathDelimiter(const String& S) {
  return !S.empty() && S.back() == PathDelim ? S : S + PathDelim;
}

String ExcludeTrailingPathDelimiter(const String& S) {
  if (S.size() > 1 && S.back() == PathDelim) return S.substr(0, S.size() - 1);
  return S;
}

bool IsPathDelimiter(const String& S, Integer Index) {
  return Index >= 1 && static_cast<size_t>(Index) <= S.size() && S[static_cast<size_t>(Index) - 1] == PathDelim;
}

bool FileExists(const String& FileName) {
  struct stat st;
  return !FileName.empty() && ::stat(FileName.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const String& Directory) {
  struct stat st;
  return !Directory.empty() && ::stat(Directory.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool RenameFile(const String& OldName, const String& NewName) {
  // rename() would silently replace an existing target; a rename never destroys another file.
  struct stat st;
  if (OldName.empty() || NewName.empty() || ::lstat(NewName.c_str(), &st) == 0) return false;
  return std::rename(OldName.c_str(), NewName.c_str()) == 0;
}

bool DeleteFile(const String& FileName) { return !FileName.empty() && ::unlink(FileName.c_str()) == 0; }

bool CreateDir(const String& Dir) { return !Dir.empty() && ::mkdir(Dir.c_str(), 0777) == 0; }

bool ForceDirectories(const String& Dir) {
  if (Dir.empty()) return false;
  String d = ExcludeTrailingPathDelimiter(ExpandFileName(Dir));
  if (DirectoryExists(d)) return true;
  String parent = ExtractFileDir(d);
  if (parent != d && !ForceDirectories(parent)) return false;
  return CreateDir(d) || (errno == EEXIST && DirectoryExists(d));
}

bool RemoveDir(const String& Dir) { return !Dir.empty() && ::rmdir(Dir.c_str()) == 0; }

String GetCurrentDir() {
  std::vector<char> buf(4096);
  while (::getcwd(buf.data(), buf.size()) == nullptr) {
    if (errno != ERANGE) return String();
    buf.resize(buf.size() * 2);
  }
  return String(buf.data());
}

bool SetCurrentDir(const String& Dir) { return !Dir.empty() && ::chdir(Dir.c_str()) == 0; }

}  // namespace FileNames
