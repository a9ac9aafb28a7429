#include "cxDataSortKeys.h"

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

}  // namespace

void cxSortRecordsByStoredValues(cxDataStorage::TcxDataStorage* AStorage, std::vector<Integer>& AList,
                                 const std::vector<TcxStoredSortKey>& AKeys) {
  const Integer N = static_cast<Integer>(AList.size());
  if (N < 2) return;
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
