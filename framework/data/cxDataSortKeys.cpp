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
  return static_cast<Int64>(LoadStoredValue<T>(P));
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

using TIntegerLoad = Int64 (*)(const void* P);

TIntegerLoad IntegerLoadOf(cxDataStorage::TcxValueTypeClass T) {
  const TClass C = T->ClassType();
  if (C == TcxSmallintValueType::StaticClass()) return &LoadAs<SmallInt>;
  if (C == TcxIntegerValueType::StaticClass()) return &LoadAs<Integer>;
  if (C == TcxWordValueType::StaticClass()) return &LoadAs<Word>;
  if (C == TcxBooleanValueType::StaticClass()) return &LoadAs<Byte>;
  return &LoadAs<Int64>;
}

Int64 IntegerOf(cxDataStorage::TcxValueTypeClass T, const void* P) { return IntegerLoadOf(T)(P); }

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

// Numbers and texts order totally, so up to three such items are packed beside the record index
// into one entry per record and the entries sorted directly: every comparison reads one entry. Each
// item becomes a rank (a Null before or, descending, after every value) and a 64-bit key whose
// unsigned order is the item's order, reversed for a descending item: a whole number with its sign
// bit flipped, a real by its bits (negative ones inverted, minus zero as zero), a text by eight bytes
// big-endian (zero-padded, so a proper prefix sorts first) taken after the prefix that all texts of
// the column share. A text that ends within those bytes also keeps its remaining length, so that two
// such texts are told apart without reading them; the whole texts decide only between longer ones.
// A column holding a NaN, which orders against nothing, is left to the general sort.
constexpr size_t MaxPackedKeys = 3;
constexpr uint64_t SignBit = uint64_t(1) << 63;

constexpr uint8_t LongTail = 255;  // the text goes on past the eight bytes of its key

// The eight bytes of S from AFrom on as a key, and how many of them S has (LongTail: more).
uint64_t TextKey(const String& S, size_t AFrom, uint8_t& ATail) {
  uint64_t R = 0;
  for (size_t I = AFrom; I < AFrom + 8; ++I) R = (R << 8) | (I < S.size() ? static_cast<uint8_t>(S[I]) : 0);
  ATail = S.size() <= AFrom + 8 ? static_cast<uint8_t>(S.size() - std::min(S.size(), AFrom)) : LongTail;
  return R;
}

uint64_t RealKey(double D) {
  if (D == 0) D = 0;  // minus zero equals zero
  uint64_t ABits;
  std::memcpy(&ABits, &D, sizeof ABits);
  return ABits & SignBit ? ~ABits : ABits | SignBit;
}

// How each item of a packed sort reads its records.
struct TPackedItem {
  TKeyKind Kind;
  TIntegerLoad Load;
  cxDataStorage::TcxValueDef* ValueDef;
  bool Descending;
};

// Reads one item of one record; false for a NaN.
bool ReadPacked(cxDataStorage::TcxDataStorage* AStorage, Integer ARecord, const TPackedItem& AItem, uint64_t& AKey,
                uint8_t& ARank, const String*& AText) {
  const void* P = nullptr;
  const bool ANull = AStorage->GetCompareInfo(ARecord, AItem.ValueDef, P);
  ARank = ANull != AItem.Descending ? 0 : 1;
  AKey = 0;
  AText = nullptr;
  if (!ANull) {
    switch (AItem.Kind) {
      case kkInteger: AKey = static_cast<uint64_t>(AItem.Load(P)) ^ SignBit; break;
      case kkReal: {
        double D;
        std::memcpy(&D, P, sizeof D);
        if (D != D) return false;
        AKey = RealKey(D);
        break;
      }
      default: AText = static_cast<const String*>(P); return true;  // keyed once the shared prefix is known
    }
  }
  if (AItem.Descending) AKey = ~AKey;
  return true;
}

// Numbers alone: M keys and the record in one small entry.
template <size_t M>
struct TNumberEntry {
  uint64_t Key[M];
  Integer Record;
  uint8_t Rank[M];
};

template <size_t M>
struct TNumberLess {
  bool operator()(const TNumberEntry<M>& A, const TNumberEntry<M>& B) const {
    for (size_t K = 0; K < M; ++K) {
      if (A.Rank[K] != B.Rank[K]) return A.Rank[K] < B.Rank[K];
      if (A.Key[K] != B.Key[K]) return A.Key[K] < B.Key[K];
    }
    return A.Record < B.Record;
  }
};

// Texts among the items: the text beside its prefix.
template <size_t M>
struct TTextEntry {
  uint64_t Key[M];
  const String* Text[M];
  Integer Record;
  uint8_t Rank[M];
  uint8_t Tail[M];
};

template <size_t M>
struct TTextLess {
  const bool* Descending;
  bool operator()(const TTextEntry<M>& A, const TTextEntry<M>& B) const {
    for (size_t K = 0; K < M; ++K) {
      if (A.Rank[K] != B.Rank[K]) return A.Rank[K] < B.Rank[K];
      if (A.Key[K] != B.Key[K]) return A.Key[K] < B.Key[K];
      if (A.Text[K] == B.Text[K]) continue;
      int R;
      if (!A.Text[K] || !B.Text[K]) {
        R = (A.Text[K] != nullptr) - (B.Text[K] != nullptr);  // no text holder before any text
      } else if (A.Tail[K] != LongTail || B.Tail[K] != LongTail) {
        R = (A.Tail[K] > B.Tail[K]) - (A.Tail[K] < B.Tail[K]);  // equal keys: the shorter is a prefix
      } else {
        const int C = A.Text[K]->compare(*B.Text[K]);
        R = (C > 0) - (C < 0);
      }
      if (R != 0) return Descending[K] ? R > 0 : R < 0;
    }
    return A.Record < B.Record;
  }
};

// The length of the prefix that the texts of a column share, taken in one text at a time.
struct TSharedPrefix {
  const String* First = nullptr;
  size_t Length = 0;
  void Take(const String* T) {
    if (!T) return;
    if (!First) {
      First = T;
      Length = T->size();
      return;
    }
    const auto AMost = static_cast<std::ptrdiff_t>(std::min(Length, T->size()));
    Length = static_cast<size_t>(std::mismatch(First->begin(), First->begin() + AMost, T->begin()).first - First->begin());
  }
};

// Keys the text items once every text is read: after the prefix the column's texts share.
template <class TEntry>
void KeyTexts(std::vector<TEntry>& AEntries, const std::vector<TPackedItem>& AItems, const TSharedPrefix* AShared) {
  for (TEntry& E : AEntries) {
    for (size_t K = 0; K < AItems.size(); ++K) {
      if (AItems[K].Kind != kkString) continue;
      E.Tail[K] = 0;
      E.Key[K] = E.Text[K] ? TextKey(*E.Text[K], AShared[K].Length, E.Tail[K]) : 0;
      if (AItems[K].Descending) E.Key[K] = ~E.Key[K];
    }
  }
}

template <class TEntry>
void StoreText(TEntry& E, size_t K, const String* AText) {
  if constexpr (requires { E.Text[K]; }) E.Text[K] = AText;
}

// Reads the records of the list in index order (their buffers in the order they were made), sorts
// the entries and writes the order back. False when a column holds a NaN.
template <class TEntry, class TLess>
bool SortEntries(cxDataStorage::TcxDataStorage* AStorage, std::vector<Integer>& AList,
                 const std::vector<TPackedItem>& AItems, const std::vector<Integer>& APositionOf, TLess ALess,
                 TcxSortedKeys* ASortedKeys) {
  // The entries are made in record order: every record is told from every other, so the order in
  // which the list held them does not matter, and records and entries are then visited in the
  // order they lie in memory.
  std::vector<TEntry> AEntries;
  AEntries.reserve(AList.size());
  TSharedPrefix AShared[MaxPackedKeys];
  for (size_t R = 0; R < APositionOf.size(); ++R) {
    if (APositionOf[R] < 0) continue;
    TEntry& E = AEntries.emplace_back();
    E.Record = static_cast<Integer>(R);
    for (size_t K = 0; K < AItems.size(); ++K) {
      const String* AText;
      if (!ReadPacked(AStorage, E.Record, AItems[K], E.Key[K], E.Rank[K], AText)) return false;
      StoreText(E, K, AText);
      AShared[K].Take(AText);
    }
  }
  if constexpr (requires(TEntry E) { E.Text; }) KeyTexts(AEntries, AItems, AShared);
  std::sort(AEntries.begin(), AEntries.end(), ALess);
  for (size_t I = 0; I < AList.size(); ++I) AList[I] = AEntries[I].Record;
  if constexpr (!requires(TEntry E) { E.Text; }) {
    if (ASortedKeys) {
      const size_t M = AItems.size();
      ASortedKeys->Width = M;
      ASortedKeys->Keys.resize(AEntries.size() * M);
      ASortedKeys->Ranks.resize(AEntries.size() * M);
      for (size_t I = 0; I < AEntries.size(); ++I)
        for (size_t K = 0; K < M; ++K) {
          ASortedKeys->Keys[I * M + K] = AEntries[I].Key[K];
          ASortedKeys->Ranks[I * M + K] = AEntries[I].Rank[K];
        }
    }
  }
  return true;
}

template <size_t M>
bool SortPackedOf(cxDataStorage::TcxDataStorage* AStorage, std::vector<Integer>& AList,
                  const std::vector<TPackedItem>& AItems, const std::vector<Integer>& APositionOf, bool ATexts,
                  TcxSortedKeys* ASortedKeys) {
  if (!ATexts) return SortEntries<TNumberEntry<M>>(AStorage, AList, AItems, APositionOf, TNumberLess<M>(), ASortedKeys);
  bool ADescending[M];
  for (size_t K = 0; K < M; ++K) ADescending[K] = AItems[K].Descending;
  return SortEntries<TTextEntry<M>>(AStorage, AList, AItems, APositionOf, TTextLess<M>{ADescending}, nullptr);
}

// The records of AList, each once: the position of every record index up to the largest (-1 for
// those not in the list). False when the list holds an internal record or a record twice.
bool PositionsOf(const std::vector<Integer>& AList, std::vector<Integer>& APositionOf) {
  Integer AMax = -1;
  for (Integer R : AList) {
    if (R < 0) return false;
    AMax = std::max(AMax, R);
  }
  APositionOf.assign(static_cast<size_t>(AMax) + 1, -1);
  for (size_t I = 0; I < AList.size(); ++I) {
    Integer& APos = APositionOf[static_cast<size_t>(AList[I])];
    if (APos >= 0) return false;
    APos = static_cast<Integer>(I);
  }
  return true;
}

bool SortPacked(cxDataStorage::TcxDataStorage* AStorage, std::vector<Integer>& AList,
                const std::vector<TcxStoredSortKey>& AKeys, TcxSortedKeys* ASortedKeys) {
  if (AKeys.size() > MaxPackedKeys) return false;
  std::vector<TPackedItem> AItems;
  bool ATexts = false;
  for (const TcxStoredSortKey& K : AKeys) {
    const TKeyKind AKind = KindOf(K.ValueDef->GetValueTypeClass());
    if (AKind == kkValueType) return false;
    ATexts |= AKind == kkString;
    AItems.push_back({AKind, IntegerLoadOf(K.ValueDef->GetValueTypeClass()), K.ValueDef, K.Descending});
  }
  std::vector<Integer> APositionOf;
  if (!PositionsOf(AList, APositionOf)) return false;  // left to the general sort
  if (AItems.empty()) {
    // By record index alone: the records in index order, without comparing anything.
    size_t I = 0;
    for (size_t R = 0; R < APositionOf.size(); ++R)
      if (APositionOf[R] >= 0) AList[I++] = static_cast<Integer>(R);
    return true;
  }
  switch (AItems.size()) {
    case 1: return SortPackedOf<1>(AStorage, AList, AItems, APositionOf, ATexts, ASortedKeys);
    case 2: return SortPackedOf<2>(AStorage, AList, AItems, APositionOf, ATexts, ASortedKeys);
    default: return SortPackedOf<3>(AStorage, AList, AItems, APositionOf, ATexts, ASortedKeys);
  }
}

}  // namespace

void cxSortRecordsByStoredValues(cxDataStorage::TcxDataStorage* AStorage, std::vector<Integer>& AList,
                                 const std::vector<TcxStoredSortKey>& AKeys, TcxSortedKeys* ASortedKeys) {
  if (ASortedKeys) ASortedKeys->Clear();
  const Integer N = static_cast<Integer>(AList.size());
  if (N < 2 || SortPacked(AStorage, AList, AKeys, ASortedKeys)) return;
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
