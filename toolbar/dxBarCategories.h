// The bar manager's categories: the names into which items are sorted for customization, each with
// the visibility of the category and of its items. An item refers to its category by index, so the
// list keeps the items' numbers attached to their categories when categories move.
#pragma once

#include "StringLists.h"
#include "dxBarTypes.h"

namespace dxBar {

// The data of one category; a category without one reads as ItemsVisible ivAlways, Visible true.
class TdxBarCategoryData : public TObject {
  DECLARE_CLASS(TdxBarCategoryData, TObject)
 public:
  TdxBarItemVisible ItemsVisible = ivAlways;
  TdxBarItemVisible LoadedItemsVisible = ivAlways;  // read from the form stream, applied after loading
  bool Visible = true;
};

class TdxBarManagerCategories : public TStringList {
  DECLARE_CLASS(TdxBarManagerCategories, TStringList)
 public:
  explicit TdxBarManagerCategories(TdxBarManager* ABarManager = nullptr) : FBarManager(ABarManager) {}

  void Clear() override;
  // Frees the category's items and renumbers the later categories' items; "Default" comes back when
  // no category is left.
  void Delete(Integer Index) override;
  void Exchange(Integer Index1, Integer Index2) override;
  void InsertObject(Integer Index, const String& S, TObject* AObject) override;
  void Move(Integer CurIndex, Integer NewIndex) override;

  TdxBarManager* GetBarManager() const { return FBarManager; }
  TdxBarCategoryData* GetData(Integer Index) { return static_cast<TdxBarCategoryData*>(GetObjects(Index)); }
  // The category's data, made when it has none.
  TdxBarCategoryData* NeedData(Integer Index);

 protected:
  void Construct() override;
  void DefineProperties(Filer::TFiler* Filer) override;

 private:
  // Gives every item of category AFrom the category ATo.
  void MoveItems(Integer AFrom, Integer ATo);
  void ReadItemsVisibles(Filer::TReader* Reader);
  void WriteItemsVisibles(Filer::TWriter* Writer);
  void ReadVisibles(Filer::TReader* Reader);
  void WriteVisibles(Filer::TWriter* Writer);

  TdxBarManager* FBarManager;
  bool FMoving = false;
};

}  // namespace dxBar

using namespace dxBar;
