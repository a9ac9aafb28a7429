#include "cxDataSortKeys.h"

#include <algorithm>
#include <cstring>

#include "cxDataGroups.h"
#include "cxDataStorage.h"

namespace cxDataSortKeys {

namespace {

// How a column compares: whole numbers and reals as read, texts by their bytes, anything else
// through its value type.
enum TKeyKind { kkInteger, kkReal, kkString, kkValueType };

struct TKeyColumn {
  TKeyKind Kind = kkValueType;
  bool Descending = false;
  cxDataStorage::TcxValueDef* ValueDef = nullptr;
  std::vector<uint8_t> Null;
  std::vector<Int64> Integers;
  std::vector<double> Reals;
  std::vector<const void*> Pointers;
};

template <class T>
Int64 LoadAs(const void* P) {
  T V;
  std::memcpy(&V, P, sizeof V);
  return static_cast<Int64>(V);
}

// Only the exact classes: a descendant may compare differently.
TKeyKind KindOf(cxDataStorage::TcxValueTypeClass T) {
  const TClass C = T->ClassType();
  if (C == TcxSmallintValueType::StaticClass() || C == TcxIntegerValueType::StaticClass() ||
      C == TcxWordValueType::StaticClass() || C == TcxBooleanValueType::StaticClass() ||
      C == TcxCurrencyValueType::StaticClass() || C == TcxLargeIntValueType::StaticClass())
    return kkInteger;
  if (C == TcxFloatValueType::StaticClass() || C == TcxDateTimeValueType::StaticClass()) return kkReal;
  if (C == TcxStringValueType::StaticClass()) return kkString;
  return kkValueType;
}

Int64 IntegerOf(cxDataStorage::TcxValueTypeClass T, const void* P) {
  const TClass C = T->ClassType();
  if (C == TcxSmallintValueType::StaticClass()) return LoadAs<SmallInt>(P);
  if (C == TcxIntegerValueType::StaticClass()) return LoadAs<Integer>(P);
  if (C == TcxWordValueType::StaticClass()) return LoadAs<Word>(P);
  if (C == TcxBooleanValueType::StaticClass()) return LoadAs<Byte>(P);
  return LoadAs<Int64>(P);
}

void FillColumn(cxDataStorage::TcxDataStorage* AStorage, const std::vector<Integer>& AList, TKeyColumn& K) {
  const size_t N = AList.size();
  cxDataStorage::TcxValueTypeClass T = K.ValueDef->GetValueTypeClass();
  K.Kind = KindOf(T);
  K.Null.resize(N);
  switch (K.Kind) {
    case kkInteger: K.Integers.resize(N); break;
    case kkReal: K.Reals.resize(N); break;
    default: K.Pointers.resize(N); break;
  }
  for (size_t I = 0; I < N; ++I) {
    const void* P = nullptr;
    const bool ANull = AStorage->GetCompareInfo(AList[I], K.ValueDef, P);
    K.Null[I] = ANull;
    if (ANull) continue;
    switch (K.Kind) {
      case kkInteger: K.Integers[I] = IntegerOf(T, P); break;
      case kkReal: std::memcpy(&K.Reals[I], P, sizeof(double)); break;
      default: K.Pointers[I] = P; break;
    }
  }
}

template <class T>
Integer SignOf(T A, T B) {
  return (A > B) - (A < B);
}

Integer CompareAt(const TKeyColumn& K, Integer A, Integer B) {
  const bool N1 = K.Null[static_cast<size_t>(A)], N2 = K.Null[static_cast<size_t>(B)];
  Integer R;
  if (N1 || N2) {
    R = N1 == N2 ? 0 : (N1 ? -1 : 1);
  } else {
    switch (K.Kind) {
      case kkInteger: R = SignOf(K.Integers[static_cast<size_t>(A)], K.Integers[static_cast<size_t>(B)]); break;
      case kkReal: R = SignOf(K.Reals[static_cast<size_t>(A)], K.Reals[static_cast<size_t>(B)]); break;
      case kkString: {
        const void* P1 = K.Pointers[static_cast<size_t>(A)];
        const void* P2 = K.Pointers[static_cast<size_t>(B)];
        if (!P1 || !P2) {
          R = SignOf(P1 != nullptr, P2 != nullptr);
        } else {
          const int C = static_cast<const String*>(P1)->compare(*static_cast<const String*>(P2));
          R = (C > 0) - (C < 0);
        }
        break;
      }
      default:
        R = K.ValueDef->CompareValues(false, false, K.Pointers[static_cast<size_t>(A)], K.Pointers[static_cast<size_t>(B)]);
        break;
    }
  }
  return K.Descending ? -R : R;
}

// Whole numbers and texts order totally, so up to three such items are packed beside the record
// index into one entry per record and the entries sorted directly: every comparison reads one
// entry. A number is kept with its sign bit flipped (unsigned order is then signed order); a text
// by its first eight bytes big-endian (zero-padded, so a proper prefix sorts first), the whole
// text deciding only when those are equal.
constexpr size_t MaxPackedKeys = 3;

struct TPackedEntry {
  uint64_t Key[MaxPackedKeys];
  const String* Text[MaxPackedKeys];
  uint8_t Null[MaxPackedKeys];
  Integer Record;
};

uint64_t TextPrefix(const String& S) {
  uint64_t R = 0;
  for (size_t I = 0; I < 8; ++I) R = (R << 8) | (I < S.size() ? static_cast<uint8_t>(S[I]) : 0);
  return R;
}

// Whole numbers alone: M keys and the record in one small entry.
template <size_t M>
struct TIntegerEntry {
  uint64_t Key[M];
  Integer Record;
  uint8_t Null[M];
};

template <size_t M>
void SortIntegers(cxDataStorage::TcxDataStorage* AStorage, std::vector<Integer>& AList,
                  const std::vector<TcxStoredSortKey>& AKeys, const std::vector<Integer>& APositionOf) {
  std::vector<TIntegerEntry<M>> AEntries(AList.size());
  cxDataStorage::TcxValueTypeClass ATypes[M];
  bool ADescending[M];
  for (size_t K = 0; K < M; ++K) {
    ATypes[K] = AKeys[K].ValueDef->GetValueTypeClass();
    ADescending[K] = AKeys[K].Descending;
  }
  for (size_t R = 0; R < APositionOf.size(); ++R) {
    const Integer APos = APositionOf[R];
    if (APos < 0) continue;
    TIntegerEntry<M>& E = AEntries[static_cast<size_t>(APos)];
    E.Record = static_cast<Integer>(R);
    for (size_t K = 0; K < M; ++K) {
      const void* P = nullptr;
      E.Null[K] = AStorage->GetCompareInfo(E.Record, AKeys[K].ValueDef, P);
      E.Key[K] = E.Null[K] ? 0 : static_cast<uint64_t>(IntegerOf(ATypes[K], P)) ^ (uint64_t(1) << 63);
    }
  }
  std::sort(AEntries.begin(), AEntries.end(), [&ADescending](const TIntegerEntry<M>& A, const TIntegerEntry<M>& B) {
    for (size_t K = 0; K < M; ++K) {
      int R;
      if (A.Null[K] != B.Null[K])
        R = A.Null[K] ? -1 : 1;  // Null first
      else if (A.Key[K] != B.Key[K])
        R = A.Key[K] < B.Key[K] ? -1 : 1;
      else
        continue;
      return ADescending[K] ? R > 0 : R < 0;
    }
    return A.Record < B.Record;
  });
  for (size_t I = 0; I < AList.size(); ++I) AList[I] = AEntries[I].Record;
}

bool SortPacked(cxDataStorage::TcxDataStorage* AStorage, std::vector<Integer>& AList,
                const std::vector<TcxStoredSortKey>& AKeys) {
  if (AKeys.size() > MaxPackedKeys) return false;
  {
    std::vector<bool> ASeen;
    for (Integer R : AList) {
      if (R < 0) return false;
      if (static_cast<size_t>(R) >= ASeen.size()) ASeen.resize(static_cast<size_t>(R) + 1);
      if (ASeen[static_cast<size_t>(R)]) return false;  // a record twice: left to the general sort
      ASeen[static_cast<size_t>(R)] = true;
    }
  }
  std::vector<TKeyKind> AKinds;
  for (const TcxStoredSortKey& K : AKeys) {
    AKinds.push_back(KindOf(K.ValueDef->GetValueTypeClass()));
    if (AKinds.back() != kkInteger && AKinds.back() != kkString) return false;
  }
  const size_t M = AKeys.size();
  std::vector<cxDataStorage::TcxValueTypeClass> ATypes(M);
  for (size_t K = 0; K < M; ++K) ATypes[K] = AKeys[K].ValueDef->GetValueTypeClass();
  // The records are read in index order (their buffers in the order they were made), each into
  // the entry at its position in the list.
  Integer AMax = -1;
  for (Integer R : AList) AMax = std::max(AMax, R);
  std::vector<Integer> APositionOf(static_cast<size_t>(AMax) + 1, -1);
  for (size_t I = 0; I < AList.size(); ++I) APositionOf[static_cast<size_t>(AList[I])] = static_cast<Integer>(I);
  if (std::all_of(AKinds.begin(), AKinds.end(), [](TKeyKind K) { return K == kkInteger; })) {
    switch (M) {
      case 1: SortIntegers<1>(AStorage, AList, AKeys, APositionOf); return true;
      case 2: SortIntegers<2>(AStorage, AList, AKeys, APositionOf); return true;
      case 3: SortIntegers<3>(AStorage, AList, AKeys, APositionOf); return true;
      default: break;
    }
  }
  std::vector<TPackedEntry> AEntries(AList.size());
  for (Integer R = 0; R <= AMax; ++R) {
    const Integer APos = APositionOf[static_cast<size_t>(R)];
    if (APos < 0) continue;
    TPackedEntry& E = AEntries[static_cast<size_t>(APos)];
    E.Record = R;
    for (size_t K = 0; K < M; ++K) {
      const void* P = nullptr;
      E.Null[K] = AStorage->GetCompareInfo(R, AKeys[K].ValueDef, P);
      E.Key[K] = 0;
      E.Text[K] = nullptr;
      if (E.Null[K]) continue;
      if (AKinds[K] == kkInteger) {
        E.Key[K] = static_cast<uint64_t>(IntegerOf(ATypes[K], P)) ^ (uint64_t(1) << 63);
      } else if (P) {
        E.Text[K] = static_cast<const String*>(P);
        E.Key[K] = TextPrefix(*E.Text[K]);
      }
    }
  }
  std::vector<uint8_t> ADescending(M);
  for (size_t K = 0; K < M; ++K) ADescending[K] = AKeys[K].Descending;
  auto ALess = [M, &ADescending](const TPackedEntry& A, const TPackedEntry& B) {
    for (size_t K = 0; K < M; ++K) {
      int R;
      if (A.Null[K] || B.Null[K]) {
        R = static_cast<int>(B.Null[K]) - static_cast<int>(A.Null[K]);  // Null first
      } else if (A.Key[K] != B.Key[K]) {
        R = A.Key[K] < B.Key[K] ? -1 : 1;
      } else if (A.Text[K] && B.Text[K]) {
        const int C = A.Text[K]->compare(*B.Text[K]);
        R = (C > 0) - (C < 0);
      } else {
        R = (A.Text[K] != nullptr) - (B.Text[K] != nullptr);
      }
      if (R != 0) return ADescending[K] ? R > 0 : R < 0;
    }
    return A.Record < B.Record;
  };
  std::sort(AEntries.begin(), AEntries.end(), ALess);
  for (size_t I = 0; I < AList.size(); ++I) AList[I] = AEntries[I].Record;
  return true;
}

}  // namespace

void cxSortRecordsByStoredValues(cxDataStorage::TcxDataStorage* AStorage, std::vector<Integer>& AList,
                                 const std::vector<TcxStoredSortKey>& AKeys) {
  const Integer N = static_cast<Integer>(AList.size());
  if (N < 2 || SortPacked(AStorage, AList, AKeys)) return;
  std::vector<TKeyColumn> AColumns(AKeys.size());
  for (size_t K = 0; K < AKeys.size(); ++K) {
    AColumns[K].ValueDef = AKeys[K].ValueDef;
    AColumns[K].Descending = AKeys[K].Descending;
    FillColumn(AStorage, AList, AColumns[K]);
  }
  // Positions are sorted, so that every key is read from its column by position.
  std::vector<Integer> APositions(static_cast<size_t>(N));
  for (Integer I = 0; I < N; ++I) APositions[static_cast<size_t>(I)] = I;
  auto ACompare = [&](Integer A, Integer B) -> Integer {
    for (const TKeyColumn& K : AColumns)
      if (const Integer R = CompareAt(K, A, B)) return R;
    const Integer RA = AList[static_cast<size_t>(A)], RB = AList[static_cast<size_t>(B)];
    return (RA > RB) - (RA < RB);
  };
  QuickSortListOf(APositions, 0, N - 1, ACompare);
  std::vector<Integer> ASorted(static_cast<size_t>(N));
  for (Integer I = 0; I < N; ++I) ASorted[static_cast<size_t>(I)] = AList[static_cast<size_t>(APositions[static_cast<size_t>(I)])];
  AList.swap(ASorted);
}

}  // namespace cxDataSortKeys
