// Blob streams.
#include "DBTables.h"

#include "DBConsts.h"

namespace DBTables {

using namespace DBConsts;

IMPLEMENT_ABSTRACT_CLASS(TBlobStream)

namespace {

// The value a stream of that mode starts with; a write stream is refused unless the field can take
// its value, so that freeing it stores what was written.
String OpeningValue(DB::TBlobField* Field, DB::TBlobStreamMode Mode) {
  if (Mode != bmRead) {
    TDataSet* dataSet = Field->GetDataSet();
    TDataSetState state = dataSet ? dataSet->State() : dsInactive;
    if (state != dsEdit && state != dsInsert) DatabaseError(SNotEditing, dataSet);
    if (!Field->CanModify()) DatabaseErrorFmt(SFieldReadOnly, Field->GetDisplayLabel(), dataSet);
  }
  return Mode == bmWrite ? String() : Field->GetAsString();
}

}  // namespace

TBlobStream::TBlobStream(DB::TBlobField* AField, DB::TBlobStreamMode AMode)
    : TStringStream(OpeningValue(AField, AMode)), FField(AField), FMode(AMode) {
  if (AMode != bmRead) FRecord = AField->GetDataSet()->GetBookmark();
}

bool TBlobStream::EditLasts() const {
  TDataSet* dataSet = FField->GetDataSet();
  if (!dataSet || (dataSet->State() != dsEdit && dataSet->State() != dsInsert)) return false;
  return dataSet->GetBookmark() == FRecord;
}

Integer TBlobStream::Write(const void* Buffer, Integer Count) {
  if (FMode == bmRead) return 0;
  Integer written = inherited::Write(Buffer, Count);
  if (written > 0) FModified = true;
  return written;
}

void TBlobStream::SetSize(Int64 NewSize) {
  if (FMode == bmRead) return;
  inherited::SetSize(NewSize);
  FModified = true;
}

void TBlobStream::Destroy() {
  // The edit the stream was opened for may have ended meanwhile (posted or cancelled): its bytes
  // then belong to no record and are not stored into whichever record is being edited now.
  try {
    if (FModified && EditLasts()) FField->SetAsString(GetDataString());
  } catch (...) {
    inherited::Destroy();
    throw;
  }
  inherited::Destroy();
}

}  // namespace DBTables
