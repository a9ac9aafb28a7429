// One run of the filter criteria's binary tree reader and of the record stream reader over
// arbitrary bytes. Malformed input must end in EReadError (or a Variant conversion error for a
// value that does not fit its record type); any other exception, or a crash, is a fault. Shared by
// the libFuzzer targets and plain tests that replay seeds.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Exceptions.h"
#include "Streams.h"
#include "cxDataStorage.h"
#include "cxFilter.h"

namespace cxFilterFuzz {

// A host whose every item ID and name resolves, so that read conditions stay in the tree.
class TFuzzItem : public TcxFilterCriteriaItem {
  DECLARE_CLASS(TFuzzItem, TcxFilterCriteriaItem)
 public:
  void GetDataValue(void*, Variant& AValue) override { AValue = 1; }
  String GetFieldCaption() override { return "F"; }
  String GetFieldName() override { return "F"; }
};

class TFuzzCriteria : public TcxFilterCriteria {
  DECLARE_CLASS(TFuzzCriteria, TcxFilterCriteria)
 public:
  Integer GetIDByItemLink(TObject*) override { return 1; }
  String GetNameByItemLink(TObject*) override { return String(); }
  TObject* GetItemLinkByID(Integer) override { return this; }
  TObject* GetItemLinkByName(const String&) override { return this; }
  TClass GetItemClass() override { return TFuzzItem::StaticClass(); }
  void UseVersion3() { FVersion = 3; }
};

IMPLEMENT_CLASS(TFuzzItem)
IMPLEMENT_CLASS(TFuzzCriteria)

inline TMemoryStream* StreamOf(const uint8_t* data, size_t size) {
  auto* stream = New<TMemoryStream>();
  if (size > 0) stream->Write(data, static_cast<Integer>(size));
  stream->SetPosition(0);
  return stream;
}

// Answers whether the bytes were read as a tree; the tree is then evaluated and written back.
inline bool FuzzFilterReader(const uint8_t* data, size_t size) {
  TMemoryStream* stream = StreamOf(data, size);
  TFuzzCriteria* criteria = New<TFuzzCriteria>();
  criteria->UseVersion3();
  bool read = false;
  try {
    criteria->ReadData(stream);
    read = true;
    try {
      (void)criteria->DoFilterData(nullptr);
      (void)criteria->GetFilterText();
      (void)criteria->GetFilterCaption();
    } catch (const EVariantError&) {
    }
    TMemoryStream* copy = New<TMemoryStream>();
    criteria->WriteData(copy);
    copy->Free();
  } catch (const EReadError&) {
  }
  criteria->Free();
  stream->Free();
  return read;
}

// Reads records of a layout holding every streamed value type until the bytes end.
inline int FuzzRecordReader(const uint8_t* data, size_t size) {
  TMemoryStream* stream = StreamOf(data, size);
  TcxDataStorage* storage = New<TcxDataStorage>();
  storage->SetUseRecordID(size > 0 && (data[0] & 0x80));
  TcxValueTypeClassList* types = cxValueTypeClassList();
  for (Integer i = 0; i < types->Count(); ++i)
    storage->GetValueDefs()->Add(types->GetItem(i), true, i % 3 == 0, nullptr);
  int records = 0;
  try {
    while (stream->GetPosition() < stream->GetSize()) {
      storage->ReadData(storage->AppendRecord(), stream);
      ++records;
    }
  } catch (const EReadError&) {
  } catch (const EVariantError&) {
  } catch (const EConvertError&) {
  }
  storage->Free();
  stream->Free();
  return records;
}

}  // namespace cxFilterFuzz
