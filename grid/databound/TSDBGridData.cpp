// The data strategies' bodies.
#include "TSDBGridData.h"

namespace TSDBGrid {

TtsBkmPos CurrentBkmPos(const String& Bookmark) { return TtsBkmPos{Bookmark, bpoCurrent}; }
TtsBkmPos StartBkmPos() { return TtsBkmPos{String(), bpoBof}; }
TtsBkmPos EndBkmPos() { return TtsBkmPos{String(), bpoEof}; }

IMPLEMENT_ABSTRACT_CLASS(TtsGridData)
IMPLEMENT_CLASS(TtsStandardDataset)
IMPLEMENT_CLASS(TtsScrollDataset)

void TtsGridData::InitGridDataSet() {}
void TtsGridData::LinkActive(bool Value) {}
bool TtsGridData::IsSequenced() { return false; }
void TtsGridData::FirstBkmPos(TtsBkmPos& Pos) {}
void TtsGridData::LastBkmPos(TtsBkmPos& Pos) {}
void TtsGridData::GetDatasetPosition(TtsDatasetPosition& Pos) {}
void TtsGridData::ResetFieldLayout() {}
void TtsGridData::SaveFieldLayout() {}
bool TtsGridData::FieldLayoutChanged() { return false; }
bool TtsGridData::FieldOrderChanged() { return false; }
String TtsGridData::DatasetIndexName() { return String(); }
String TtsGridData::DatasetIndexFieldNames() { return String(); }
void TtsGridData::SaveCurIndex() {}
bool TtsGridData::IndexChanged() { return false; }
Integer TtsGridData::CompareBkm(const String& A, const String& B) { return 0; }
Integer TtsGridData::CheckCompareBkmPos(const TtsBkmPos& P1, const TtsBkmPos& P2, bool& Decided) { return 0; }
Integer TtsGridData::CompareBkmPos(TtsBkmPos& P1, TtsBkmPos& P2) { return 0; }
bool TtsGridData::GreaterEqualBkmPos(TtsBkmPos& P1, TtsBkmPos& P2) { return false; }
bool TtsGridData::LessEqualBkmPos(TtsBkmPos& P1, TtsBkmPos& P2) { return false; }
void TtsGridData::ActualBkmPos(const TtsBkmPos& Pos, TtsBkmPos& Result) {}
bool TtsGridData::BkmPosBookmark(const TtsBkmPos& Pos, String& Bookmark) { return false; }
Integer TtsGridData::RecIDRow(const Variant& Id) { return 0; }
Integer TtsGridData::GetRecNo() { return 0; }
void TtsGridData::SetRecNo(Integer Value) {}
void TtsGridData::CheckDisableControls() {}
void TtsGridData::SetCanDisableControls(bool Value) {}
void TtsGridData::CheckDatalinkBufferOk(Integer OldCount) {}
void TtsGridData::SetDatasetBufferCount(Integer Count) {}
void TtsGridData::ClearPropBuffer(Integer First, Integer Last, bool All) {}
void TtsGridData::ResizePropBuffer(Integer Rows) {}
TtsPropBufferEntry& TtsGridData::PropBufferEntry(Integer Row) { return FPropBuffer[static_cast<size_t>(Row - 1)]; }
void TtsGridData::SetPropBufferEntry(Integer Row, TtsDBRowElement* Element) {}
void TtsGridData::Construct() { inherited::Construct(); }
void TtsGridData::Destroy() { inherited::Destroy(); }
Integer TtsStandardDataset::GetBufferRows() { return 0; }
bool TtsStandardDataset::GetActive() { return false; }
void TtsStandardDataset::MoveFirst() {}
void TtsStandardDataset::MoveLast() {}
void TtsStandardDataset::SetActiveRecord(Integer Row) {}
Integer TtsStandardDataset::GetActiveRecord() { return 0; }
Integer TtsStandardDataset::GetActiveRecordNumber() { return 0; }
String TtsStandardDataset::GetActiveBookmark() { return String(); }
Integer TtsStandardDataset::GetRecCount() { return 0; }
Integer TtsStandardDataset::FirstRow() { return 0; }
Integer TtsStandardDataset::CurrentBufRow() { return 0; }
Integer TtsStandardDataset::BufferPos(const String& Bookmark) { return 0; }
Integer TtsStandardDataset::BufferRow(const String& Bookmark) { return 0; }
Integer TtsStandardDataset::BufferBkmPos(const TtsBkmPos& Pos) { return 0; }
Integer TtsStandardDataset::MoveActive(Integer Distance, Integer& Beyond) { return 0; }
String TtsStandardDataset::GetBookmark(Integer Row) { return String(); }
void TtsStandardDataset::GetRecId(Integer Row, Variant& Id) {}
void TtsStandardDataset::GetRecordId(Integer Row, Variant& DataRow) {}
bool TtsStandardDataset::ResizeBuffer(Integer Rows, bool& Grown) { return false; }
bool TtsStandardDataset::OnLastRecord() { return false; }
bool TtsStandardDataset::NextBookmark(const String& Bookmark, String& Next) { return false; }
bool TtsStandardDataset::PrevBookmark(const String& Bookmark, String& Prev) { return false; }
void TtsStandardDataset::PrevBkmPos(const TtsBkmPos& Pos, TtsBkmPos& Result) {}
void TtsStandardDataset::NextBkmPos(const TtsBkmPos& Pos, TtsBkmPos& Result) {}
void TtsStandardDataset::CheckPrevBkmPos(const TtsBkmPos& Pos, TtsBkmPos& Result) {}
void TtsStandardDataset::CheckNextBkmPos(const TtsBkmPos& Pos, TtsBkmPos& Result) {}
void TtsStandardDataset::FirstBookmark(String& Bookmark) {}
void TtsStandardDataset::LastBookmark(String& Bookmark) {}
bool TtsStandardDataset::BufferPositionChanged(const TtsDatasetPosition& Pos) { return false; }
void TtsStandardDataset::GetDatasetPosition(TtsDatasetPosition& Pos) {}
void TtsStandardDataset::SetDatasetPosition(const TtsDatasetPosition& Pos) {}
Integer TtsStandardDataset::MoveBy(Integer Distance) { return 0; }
bool TtsStandardDataset::GetAtEnd() { return false; }
bool TtsStandardDataset::GetAtStart() { return false; }
bool TtsStandardDataset::MoveToRecord(const String& Bookmark) { return false; }
void TtsStandardDataset::BookmarkValue(Integer DataCol, const String& Bookmark, Variant& Value) {}
void TtsStandardDataset::GetBookmarkRecID(const String& Bookmark, Integer Row, Variant& Id) {}
void TtsStandardDataset::GetBkmValueAndRecordID(Integer DataCol, const String& Bookmark, Variant& Value, Variant& DataRow) {}
Integer TtsStandardDataset::DoRecCount(bool Exact) { return 0; }
String TtsStandardDataset::FindKey(const String& Key, Integer DataCol, TtsComboCompareType CompareType, TtsBaseGrid* Grid, bool FullLength, bool& Found) { return String(); }
String TtsStandardDataset::LocateValue(const String& Start, const String& Stop, const String& Key, Integer DataCol, TtsComboCompareType CompareType, TtsBaseGrid* Grid, bool FullLength, bool& Found) { return String(); }
bool TtsStandardDataset::GetPreviousBkms(String& Bookmark, const String& Stop, TtsSelectedList* List, Integer MaxCount, bool ScanAll, bool& Done, Integer& Count, Integer& Reported, bool& Cancel) { return false; }
bool TtsStandardDataset::GetNextBkms(String& Bookmark, const String& Stop, TtsSelectedList* List, Integer MaxCount, bool ScanAll, bool& Done, Integer& Count, Integer& Reported, bool& Cancel) { return false; }
void TtsStandardDataset::SetBookmarkPos(const String& Bookmark) {}
String TtsStandardDataset::GetBookmarkPos() { return String(); }
void TtsStandardDataset::ClearIdBuffers(Integer First, Integer Last, bool Finalize) {}
void TtsStandardDataset::ResizeIdBuffers(Integer Rows) {}
void TtsStandardDataset::MoveIdBuffers(Integer Distance) {}
bool TtsStandardDataset::SetToBookmark(const String& Bookmark, bool RaiseErrors) { return false; }
bool TtsStandardDataset::NextBufferBkm(const String& Bookmark, String& Next) { return false; }
bool TtsStandardDataset::PrevBufferBkm(const String& Bookmark, String& Prev) { return false; }
bool TtsStandardDataset::GetNextBookmark(const String& Bookmark, String& Next) { return false; }
bool TtsStandardDataset::GetPrevBookmark(const String& Bookmark, String& Prev) { return false; }
bool TtsStandardDataset::KeyEqual(const String& Bookmark, const String& Key, bool FullLength, TtsBaseGrid* Grid, TtsComboCompareType CompareType, Integer DataCol) { return false; }
void TtsStandardDataset::Destroy() { inherited::Destroy(); }
bool TtsStandardDataset::ControlsDisabled() { return false; }

Integer TtsScrollDataset::MoveActive(Integer Distance, Integer& Beyond) { Beyond = 0; return 0; }
void TtsScrollDataset::GetRecId(Integer Row, Variant& Id) { Id = Variant(); }
void TtsScrollDataset::GetRecordId(Integer Row, Variant& DataRow) { DataRow = Variant(); }
bool TtsScrollDataset::ResizeBuffer(Integer Rows, bool& Grown) { Grown = false; return false; }
bool TtsScrollDataset::NextBookmark(const String& Bookmark, String& Next) { Next.clear(); return false; }
bool TtsScrollDataset::PrevBookmark(const String& Bookmark, String& Prev) { Prev.clear(); return false; }
void TtsScrollDataset::GetBookmarkRecID(const String& Bookmark, Integer Row, Variant& Id) { Id = Variant(); }
void TtsScrollDataset::GetBkmValueAndRecordID(Integer DataCol, const String& Bookmark, Variant& Value, Variant& DataRow) {}
String TtsScrollDataset::FindKey(const String& Key, Integer DataCol, TtsComboCompareType CompareType, TtsBaseGrid* Grid, bool FullLength, bool& Found) { Found = false; return String(); }
String TtsScrollDataset::LocateValue(const String& Start, const String& Stop, const String& Key, Integer DataCol, TtsComboCompareType CompareType, TtsBaseGrid* Grid, bool FullLength, bool& Found) { Found = false; return String(); }
bool TtsScrollDataset::GetPreviousBkms(String& Bookmark, const String& Stop, TtsSelectedList* List, Integer MaxCount, bool ScanAll, bool& Done, Integer& Count, Integer& Reported, bool& Cancel) { Done = true; return true; }
bool TtsScrollDataset::GetNextBkms(String& Bookmark, const String& Stop, TtsSelectedList* List, Integer MaxCount, bool ScanAll, bool& Done, Integer& Count, Integer& Reported, bool& Cancel) { Done = true; return true; }

}  // namespace TSDBGrid
