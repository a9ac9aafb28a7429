// The style slots of a bar item: each slot holds a TcxStyle, the slots listen to their styles and
// tell the item whether a style change needs a repaint (colours) or a rebuild of its controls
// (fonts).
#pragma once

#include <vector>

#include "Closures.h"
#include "cxClassesBase.h"
#include "cxStyles.h"

namespace dxBar {

// Ordered by weight: a pending change only grows (none < drawing < structure).
PUBLISHED_ENUM(TdxBarItemStyleChangeKind, sckDrawing, sckStructure, sckNone)

using TdxBarItemStyleChangeEvent = TClosure<void(TObject* Sender, TdxBarItemStyleChangeKind AKind)>;

class TdxBarItemStylesData : public TcxInterfacedPersistent, public IcxStyleChangeListener {
  DECLARE_CLASS(TdxBarItemStylesData, TcxInterfacedPersistent)
 public:
  explicit TdxBarItemStylesData(Integer AStyleCount = 1) : TcxInterfacedPersistent(nullptr), FStyleCount(AStyleCount) {}

  Integer GetStyleCount() const { return FStyleCount; }
  TcxStyle* GetStyle(Integer AIndex) const;
  void SetStyle(Integer AIndex, TcxStyle* AStyle);
  // How many slots hold the style.
  Integer GetStyleReferenceCount(TcxStyle* AStyle) const;
  // Changes heard while locked come out as one notice of the heaviest kind at the last unlock.
  void LockChangeEvent(bool ALock);
  bool IsChangeEventLocked() const { return FLockCount > 0; }
  void DoChange(TdxBarItemStyleChangeKind AKind);

  TdxBarItemStyleChangeEvent OnChange;

  // IcxStyleChangeListener
  void StyleChanged(TcxCustomStyle* AStyle) override;
  void StyleRemoved(TcxCustomStyle* AStyle) override;

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  // The values a slot's style had when the slot last looked at it.
  struct TStyleCache {
    TcxStyleValues AssignedValues;
    TColor Color = clDefault;
    Integer FontHeight = 0;
    Integer FontPitch = 0;
    Integer FontStyle = 0;
    Integer FontCharset = 0;
    String FontName;  // at most 31 characters, as a logical font keeps it
    TColor TextColor = clDefault;
  };
  struct TStyleSlot {
    TcxStyle* Style = nullptr;
    TStyleCache Cache;
  };
  void CheckIndex(Integer AIndex) const;
  void InternalStyleChanged(Integer AIndex);
  static TStyleCache CacheOf(TcxStyle* AStyle);

  Integer FStyleCount;
  std::vector<TStyleSlot> FSlots;
  Integer FLockCount = 0;
  TdxBarItemStyleChangeKind FPendingKind = sckNone;
  bool FDestroying = false;
};

}  // namespace dxBar

using namespace dxBar;
