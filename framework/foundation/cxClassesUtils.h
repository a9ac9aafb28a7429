// Shared helpers of the framework: a multicast list of event handlers, the automatic distribution
// of a width over items, a two-way alignment setting, and a most-recently-used list.
#pragma once

#include <vector>

#include "cxClassesBase.h"

namespace cxClasses {

// Event handlers in registration order, each present once (same code and object).
class TcxEventHandlerCollection : public TObject {
  DECLARE_CLASS(TcxEventHandlerCollection, TObject)
 public:
  void Add(const TcxEventHandler& AEvent);
  void Remove(const TcxEventHandler& AEvent);
  void Delete(Integer AIndex);  // an index outside the list is ignored
  Integer IndexOf(const TcxEventHandler& AEvent) const;
  Integer GetCount() const { return static_cast<Integer>(FEvents.size()); }
  // Calls the handlers present when the call begins, in order; one that a handler removes on the
  // way is not called, and handlers added on the way wait for the next call.
  void CallEvents(TObject* Sender, const void* AEventArgs);

 private:
  std::vector<TcxEventHandler> FEvents;
};

class TcxAutoWidthItem : public TObject {
  DECLARE_CLASS(TcxAutoWidthItem, TObject)
 public:
  Integer MinWidth = 0;
  Integer Width = 0;
  bool Fixed = false;
  Integer AutoWidth = -1;  // the computed width; -1 until Calculate gives one
};

// Distributes AvailableWidth over the items in proportion to their widths: fixed items keep their
// width, an item whose share would not exceed its minimum gets the minimum, and the others share
// what is left so that the shares add up to it exactly.
class TcxAutoWidthObject : public TObject {
  DECLARE_CLASS(TcxAutoWidthObject, TObject)
 public:
  explicit TcxAutoWidthObject(Integer ACount = 0) : FCapacity(ACount) {}
  TcxAutoWidthItem* AddItem();
  void Calculate();
  void Clear();
  Integer GetCount() const { return static_cast<Integer>(FItems.size()); }
  TcxAutoWidthItem* GetItem(Integer Index) const;  // EListError out of range
  Integer GetWidth() const;                        // the sum of the items' widths
  Integer AvailableWidth = 0;

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  Integer FCapacity;
  std::vector<TcxAutoWidthItem*> FItems;
};

// A horizontal and a vertical alignment with defaults. Storing is decided by whether a value was
// assigned (AUseAssignedValues) or by whether it differs from its default.
class TcxAlignment : public TPersistent {
  DECLARE_CLASS(TcxAlignment, TPersistent)
 public:
  explicit TcxAlignment(TPersistent* AOwner = nullptr, bool AUseAssignedValues = false,
                        TAlignment ADefaultHorz = taLeftJustify, TcxAlignmentVert ADefaultVert = vaTop)
      : FOwner(AOwner), FDefaultHorz(ADefaultHorz), FDefaultVert(ADefaultVert), FHorz(ADefaultHorz),
        FVert(ADefaultVert), FUseAssignedValues(AUseAssignedValues) {}

  void Assign(TPersistent* Source) override;
  // Back to the defaults, nothing assigned.
  void Reset();
  TAlignment GetHorz() const { return FHorz; }
  void SetHorz(TAlignment Value);
  TcxAlignmentVert GetVert() const { return FVert; }
  void SetVert(TcxAlignmentVert Value);
  bool IsHorzStored() const;
  bool IsVertStored() const;

  TNotifyEvent OnChanged;

 protected:
  TPersistent* GetOwner() override { return FOwner; }
  virtual void DoChanged();

 private:
  TPersistent* FOwner;
  TAlignment FDefaultHorz;
  TcxAlignmentVert FDefaultVert;
  TAlignment FHorz;
  TcxAlignmentVert FVert;
  bool FIsHorzAssigned = false;
  bool FIsVertAssigned = false;
  bool FUseAssignedValues;
};

// An entry of a most-recently-used list; equal entries stand for the same thing.
class TcxMRUItem : public TObject {
  DECLARE_CLASS(TcxMRUItem, TObject)
 public:
  virtual bool Equals(TcxMRUItem* AItem) = 0;
};

// Owns its items, most recent first, at most MaxCount of them (0: no limit).
class TcxMRUItems : public TObject {
  DECLARE_CLASS(TcxMRUItems, TObject)
 public:
  // Makes AItem the most recent: an equal item already listed moves to the front and AItem is
  // freed; otherwise AItem goes to the front and the oldest items beyond MaxCount are freed.
  void Add(TcxMRUItem* AItem);
  void Delete(Integer AIndex);  // frees the item
  void ClearItems();
  Integer IndexOf(TcxMRUItem* AItem) const;  // the first equal item, or -1
  Integer GetCount() const { return static_cast<Integer>(FItems.size()); }
  // Frees items from the end until Value are left (never adds).
  void SetCount(Integer Value);
  TcxMRUItem* GetItem(Integer Index) const;  // EListError out of range
  Integer GetMaxCount() const { return FMaxCount; }
  void SetMaxCount(Integer Value);  // negative counts as 0

 protected:
  void Destroy() override;
  void UpdateCount();

 private:
  std::vector<TcxMRUItem*> FItems;
  Integer FMaxCount = 0;
};

}  // namespace cxClasses

using namespace cxClasses;
