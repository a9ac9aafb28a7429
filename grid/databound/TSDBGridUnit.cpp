// The data-bound grid unit's start and end, and the class tables of the classes placed on forms.
#include "TSDBGrid.h"
#include "TypInfo.h"

namespace TSDBGrid {

void InitDBGridVariants();
void DoneDBGridVariants();

IMPLEMENT_CLASS_PUBLISHED(TtsDBGrid) {
  using G = TtsDBGrid;
  d.Property("AutoInsert", &G::GetAutoInsert, &G::SetAutoInsert).Default(true);
  d.Property("BookmarkCompareType", &G::GetBookmarkCompareType, &G::SetBookmarkCompareType).Default(bctDefault);
  d.Property("BookmarkType", &G::GetBookmarkType, &G::SetBookmarkType).Default(bmtDefault);
  d.Property("ConfirmDelete", &G::GetConfirmDelete, &G::SetConfirmDelete).Default(true);
  d.Property("DatasetType", &G::GetDatasetType, &G::SetDatasetType);
  d.Property("DataSource", &G::GetDataSource, &G::SetDataSource);
  d.Property("FieldState", &G::GetFieldState, &G::SetFieldState).Default(fsDefault);
  d.Property("ExactRowCount", &G::GetExactRowCount, &G::SetExactRowCount).Default(true);
  d.Property("RecordSelection", &G::GetRecordSelection, &G::SetRecordSelection).Default(rseBookmarkRange);
  d.Property("UseRecordIds", &G::GetUseRecordIds, &G::SetUseRecordIds).Default(false);
#define TS_PUBLISH_EVENT(Type, Name) d.Property(#Name, &G::Get##Name, &G::Set##Name);
  TS_DB_GRID_EVENTS(TS_PUBLISH_EVENT, TS_PUBLISH_EVENT)
  TS_BASE_GRID_EVENTS(TS_PUBLISH_EVENT)
#undef TS_PUBLISH_EVENT
}

namespace {
Integer InitCount = 0;
}

void TSDBGridInitialization() {
  if (InitCount++ > 0) return;
  InitDBGridVariants();
  // Form streams name the grid by its class.
  RegisterClass(TtsDBGrid::StaticClass());
}

void TSDBGridFinalization() {
  if (InitCount == 0 || --InitCount > 0) return;
  UnRegisterClass(TtsDBGrid::StaticClass());
  DoneDBGridVariants();
}

}  // namespace TSDBGrid
