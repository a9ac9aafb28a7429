// Streams over the value of a blob field of the dataset's current record.
#pragma once

#include "DB.h"
#include "Streams.h"

namespace DBTables {

// bmRead reads the field's value; bmWrite starts empty and bmReadWrite with the value. A write
// stream needs its dataset in edit or insert state when it opens, and the field takes what was
// written when the stream is freed, while the edit of the record it was opened on still lasts. A
// read stream writes nothing.
class TBlobStream : public Streams::TStringStream {
  DECLARE_CLASS(TBlobStream, Streams::TStringStream)
 public:
  Integer Write(const void* Buffer, Integer Count) override;
  void SetSize(Int64 NewSize) override;
  void Truncate() { SetSize(GetPosition()); }
  DB::TBlobField* GetField() const { return FField; }
  DB::TBlobStreamMode GetMode() const { return FMode; }

 protected:
  TBlobStream(DB::TBlobField* AField, DB::TBlobStreamMode AMode);
  void Destroy() override;

 private:
  DB::TBlobField* FField;
  bool EditLasts() const;

  DB::TBlobStreamMode FMode;
  DB::TBookmarkStr FRecord;  // the record a write stream was opened on
  bool FModified = false;
};

}  // namespace DBTables

using namespace DBTables;
