// TtsDBSelection: the data-bound grid's row selection, kept by record identity (bookmarks) so that
// it survives scrolling and refreshes. While the grid is not bound it answers from the plain grid's
// row selection of row numbers.
#pragma once

#include <set>

#include "TSDBGridTypes.h"

namespace TSGrid {
class TtsSelection;
}

namespace TSDBGrid {

class TtsDBSelection : public TObject {
  DECLARE_CLASS(TtsDBSelection, TObject)
 public:
  // Takes Source's mode and records; answers whether the selection changed.
  bool Assign(TtsDBSelection* Source);
  bool RowsSelected() const;
  bool GetRangeSelection() const { return FRangeSelection; }
  void SetRangeSelection(bool Value) { FRangeSelection = Value; }
  void SelectBookmark(const String& Bookmark, bool Selected);
  bool BookmarkSelected(const String& Bookmark) const;
  void DeleteAll() { FBookmarks.clear(); }

 protected:
  friend class TtsCustomDBGrid;
  explicit TtsDBSelection(TtsCustomDBGrid* Grid = nullptr, TtsSelection* RowSelection = nullptr) : FGrid(Grid), FRowSelection(RowSelection) {}

 private:
  TtsCustomDBGrid* FGrid;
  TtsSelection* FRowSelection;
  bool FRangeSelection = true;
  std::set<String> FBookmarks;
};

}  // namespace TSDBGrid
