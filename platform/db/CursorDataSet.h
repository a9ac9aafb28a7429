// TCursorDataSet: a dataset read through an engine cursor (EngineCursor.h). Opening reads the
// cursor's rows in its order into the dataset's records, each with the cursor's bookmark, so that
// a record's bookmark is the same string in the dataset and in any clone of its cursor and
// bookmarks compare in the cursor's order. A post moves the record to its place in that order
// and gives it its new bookmark; the order, the filter or a range changed while open re-reads the
// records and keeps the current one.
//
// Filter is a condition in the application's SQL dialect ("wpm = 'a' and flag > 0"); it applies
// while Filtered. FilterOptions are kept with it for the controls that compare them.
#pragma once

#include <memory>

#include "DB.h"

namespace EngineCursor {
class TEngineCursor;
struct TCursorSource;
}  // namespace EngineCursor

namespace CursorDataSet {

enum TFilterOption { foCaseInsensitive, foNoPartialCompare };
using TFilterOptions = TSet<TFilterOption, 8>;

class TCursorDataSet : public TDataSet {
  DECLARE_CLASS(TCursorDataSet, TDataSet)
 public:
  using TDataSet::TDataSet;

  const String& GetFilter() const { return FFilter; }
  void SetFilter(const String& Value);
  bool GetFiltered() const { return FFiltered; }
  void SetFiltered(bool Value);
  TFilterOptions GetFilterOptions() const { return FFilterOptions; }
  void SetFilterOptions(TFilterOptions Value) { FFilterOptions = Value; }

  // The dataset's own engine cursor (null while closed): the one clones are taken from.
  EngineCursor::TEngineCursor* Handle() const;
  // The native form of Field's value in the current record (its edit values while editing or
  // inserting) written to Buffer (NativeFields.h); false when blank. Buffer may be null.
  bool GetFieldData(TField* Field, void* Buffer) const;
  // The bookmark in the current order of the record that Bookmark named under an earlier order
  // ("" when no record of the dataset is that one).
  TBookmarkStr CurrentBookmarkOf(const TBookmarkStr& Bookmark) const;

 protected:
  void Destroy() override;
  // What the cursor reads; called when opening and when the source changed.
  virtual EngineCursor::TCursorSource CursorSource() const = 0;
  void InternalOpen() override;
  void InternalClose() override;
  void InternalRefresh() override;
  void InternalPost(Integer Position, bool Inserting, const std::vector<Variant>& Values) override;
  void InternalDelete(Integer Position) override;
  TBookmarkStr PendingBookmark(const TBookmarkStr& Low, const TBookmarkStr& High) override;
  TBookmarkStr PostedBookmark(const TBookmarkStr& Bookmark, std::vector<Variant>& Values) override;
  // Re-reads the records through a new cursor (order, filter or range changed); keeps the current
  // record when it is still there.
  void SourceChanged();

 private:
  void OpenCursor();
  void FetchRecords();
  void RowsChanged() { ++*FChanges; }

  std::unique_ptr<EngineCursor::TEngineCursor> FCursor;
  std::shared_ptr<Cardinal> FChanges = std::make_shared<Cardinal>(0);
  bool FSourceChanged = false;  // the next refresh takes a new cursor
  String FFilter;
  bool FFiltered = false;
  TFilterOptions FFilterOptions;
  Int64 FPostedRowId = -1;  // the row id the last InternalPost wrote
};

}  // namespace CursorDataSet

using namespace CursorDataSet;
