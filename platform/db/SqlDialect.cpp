// Rewriting statements of the application's dialect for SQLite (see SqlDialect.h).
#include "SqlDialect.h"

#include <cctype>

#include "Strings.h"

namespace SqlDialect {

namespace {

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || (c & 0x80); }

// Calls Emit for each piece of the statement: quoted texts, comments, brackets, words and single
// characters, with its kind.
enum TPiece { pkText, pkString, pkJetString, pkBracket, pkComment, pkWord, pkParam };

template <class F>
void Scan(const String& sql, F&& emit) {
  size_t i = 0, n = sql.size();
  while (i < n) {
    char c = sql[i];
    size_t start = i;
    if (c == '\'' || c == '"') {
      // A doubled quote stands for itself inside its text.
      ++i;
      while (i < n) {
        if (sql[i] == c) {
          if (i + 1 < n && sql[i + 1] == c) {
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        ++i;
      }
      emit(c == '\'' ? pkString : pkJetString, sql.substr(start, i - start));
    } else if (c == '[') {
      size_t close = sql.find(']', i);
      i = close == String::npos ? n : close + 1;
      emit(pkBracket, sql.substr(start, i - start));
    } else if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
      size_t eol = sql.find('\n', i);
      i = eol == String::npos ? n : eol;
      emit(pkComment, sql.substr(start, i - start));
    } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
      size_t close = sql.find("*/", i + 2);
      i = close == String::npos ? n : close + 2;
      emit(pkComment, sql.substr(start, i - start));
    } else if (c == ':' && i + 1 < n && IsWordChar(sql[i + 1]) && !(i > 0 && sql[i - 1] == ':')) {
      ++i;
      while (i < n && IsWordChar(sql[i])) ++i;
      emit(pkParam, sql.substr(start, i - start));
    } else if (IsWordChar(c)) {
      while (i < n && IsWordChar(sql[i])) ++i;
      emit(pkWord, sql.substr(start, i - start));
    } else {
      ++i;
      emit(pkText, sql.substr(start, 1));
    }
  }
}

String Unquote(const String& quoted, char quote) {
  String body = quoted.substr(1, quoted.size() >= 2 && quoted.back() == quote ? quoted.size() - 2 : quoted.size() - 1);
  String out;
  for (size_t i = 0; i < body.size(); ++i) {
    out += body[i];
    if (body[i] == quote && i + 1 < body.size() && body[i + 1] == quote) ++i;
  }
  return out;
}

String Quote(const String& text, char quote) {
  String out(1, quote);
  for (char c : text) {
    out += c;
    if (c == quote) out += quote;
  }
  return out + quote;
}

bool IsBlank(const String& piece) { return piece.size() == 1 && std::isspace(static_cast<unsigned char>(piece[0])); }

}  // namespace

String TranslateSql(const String& Sql) {
  String out, limit;
  int depth = 0;
  // 0: nothing; 1: after the outer SELECT (and DISTINCT/ALL); 2: after TOP; 3: TOP n taken, drop one blank
  int topState = 0;
  bool topDone = false;
  Scan(Sql, [&](TPiece kind, const String& piece) {
    if (topState == 3) {
      topState = 0;
      if (IsBlank(piece)) return;
    }
    if (topState == 2) {
      if (IsBlank(piece)) return;
      if (kind == pkWord && std::isdigit(static_cast<unsigned char>(piece[0]))) {
        limit = piece;
        topState = 3;
        return;
      }
      out += "TOP ";  // not a count: leave the text as it was, for SQLite to judge
      topState = 0;
    }
    switch (kind) {
      case pkBracket:
        out += Quote(Unquote(piece, ']'), '"');
        break;
      case pkJetString:
        out += Quote(Unquote(piece, '"'), '\'');
        break;
      case pkWord:
        if (depth == 0 && !topDone && topState == 0 && SameText(piece, "SELECT")) {
          topState = 1;
          out += piece;
        } else if (topState == 1 && (SameText(piece, "DISTINCT") || SameText(piece, "ALL"))) {
          out += piece;
        } else if (topState == 1 && SameText(piece, "TOP")) {
          topState = 2;
          topDone = true;
        } else {
          if (topState == 1) topDone = true;
          topState = 0;
          out += piece;
        }
        break;
      case pkText:
        if (piece == "(") ++depth;
        if (piece == ")") --depth;
        if (topState == 1 && !IsBlank(piece)) {
          topState = 0;
          topDone = true;
        }
        out += piece;
        break;
      default:
        out += piece;
        break;
    }
  });
  if (!limit.empty()) {
    size_t end = out.find_last_not_of(" \t\r\n;");
    out = out.substr(0, end + 1) + " LIMIT " + limit + out.substr(end + 1);
  }
  return out;
}

std::vector<String> ParameterNames(const String& Sql) {
  std::vector<String> names;
  Scan(Sql, [&](TPiece kind, const String& piece) {
    if (kind != pkParam) return;
    String name = piece.substr(1);
    for (const String& n : names)
      if (SameText(n, name)) return;
    names.push_back(name);
  });
  return names;
}

}  // namespace SqlDialect
