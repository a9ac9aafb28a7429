// File names and the file system: the parts of a name, expansion against the current directory, and
// the existence, rename and delete calls. The path delimiter is '/'; there are no drives.
#pragma once

#include "System.h"

namespace FileNames {

inline constexpr Char PathDelim = '/';
inline constexpr Char PathSep = ':';  // between the folders of a search path

// "dir/sub/name.ext": ExtractFilePath "dir/sub/", ExtractFileDir "dir/sub", ExtractFileName
// "name.ext", ExtractFileExt ".ext" (from the last '.' of the name; "" when there is none).
String ExtractFilePath(const String& FileName);
String ExtractFileDir(const String& FileName);  // the root keeps its delimiter: "/"
String ExtractFileName(const String& FileName);
String ExtractFileExt(const String& FileName);
String ExtractFileDrive(const String& FileName);  // always "": no drives
// The name with its extension replaced by Extension (which carries its own '.'), or added.
String ChangeFileExt(const String& FileName, const String& Extension);
// The absolute name: a relative name is taken from the current directory; "." and ".." parts
// and doubled delimiters are resolved in the text (links are not followed). "" stays "".
String ExpandFileName(const String& FileName);
String IncludeTrailingPathDelimiter(const String& S);
String ExcludeTrailingPathDelimiter(const String& S);  // "/" stays "/"
bool IsPathDelimiter(const String& S, Integer Index);  // 1-based

// The file system (names relative to the current directory).
bool FileExists(const String& FileName);      // an existing file that is not a directory
bool DirectoryExists(const String& Directory);
bool RenameFile(const String& OldName, const String& NewName);  // fails if NewName exists
bool DeleteFile(const String& FileName);
bool CreateDir(const String& Dir);
bool ForceDirectories(const String& Dir);  // creates every missing folder of the path
bool RemoveDir(const String& Dir);
String GetCurrentDir();
bool SetCurrentDir(const String& Dir);

}  // namespace FileNames

using namespace FileNames;
