// Extra buttons in a toolbar's caption (next to the close button of a floating bar): each with its
// glyph, hint and click event; the collection tracks their normal, hot, pressed and disabled states
// as the bar window reports the mouse.
#pragma once

#include "Closures.h"
#include "Collections.h"
#include "Graphics.h"

namespace dxBar {

class TdxBar;
class TdxBarCaptionButtons;

// The states of a caption button.
constexpr Integer dxbcbsNormal = 0, dxbcbsDisabled = 1, dxbcbsHot = 2, dxbcbsPressed = 4;

class TdxBarCaptionButton : public TCollectionItem {
  DECLARE_CLASS(TdxBarCaptionButton, TCollectionItem)
 public:
  explicit TdxBarCaptionButton(TCollection* ACollection = nullptr) : TCollectionItem(ACollection) {}
  void Assign(TPersistent* Source) override;
  void Click();

  bool GetEnabled() const { return FState != dxbcbsDisabled; }
  void SetEnabled(bool Value);
  TBitmap* GetGlyph() const { return FGlyph; }
  void SetGlyph(TBitmap* Value);
  String GetHint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  String GetKeyTip() const { return FKeyTip; }
  void SetKeyTip(const String& Value) { FKeyTip = Value; }
  TRect GetRect() const { return FRect; }
  void SetRect(const TRect& Value) { FRect = Value; }
  Integer GetState() const { return FState; }
  void SetState(Integer Value);
  TNotifyEvent GetOnClick() const { return FOnClick; }
  void SetOnClick(TNotifyEvent Value);
  TdxBarCaptionButtons* GetCaptionButtons() const;
  // The hint shows only while the button is hot; otherwise no hint and empty texts.
  bool DoHint(bool& AShowHint, String& AHintText, String& AShortCut);
  // Keyboard navigation's selection of the button (its accessibility helper); no helper selects yet.
  virtual bool IsSelectedByKeyboard() const { return false; }

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  void GlyphChanged(TObject* Sender);

  bool FEnabled = true;
  TBitmap* FGlyph = nullptr;  // owned
  String FHint;
  String FKeyTip;
  TRect FRect;
  Integer FState = dxbcbsNormal;
  TNotifyEvent FOnClick;
};

// Told of a changed button, or of the whole collection (null).
using TdxBarCaptionButtonsChangedEvent = TClosure<void(TdxBarCaptionButton* AButton)>;

class TdxBarCaptionButtons : public TCollection {
  DECLARE_CLASS(TdxBarCaptionButtons, TCollection)
 public:
  explicit TdxBarCaptionButtons(TdxBar* ABar = nullptr)
      : TCollection(TdxBarCaptionButton::StaticClass()), FBar(ABar) {}

  TdxBarCaptionButton* Add() { return static_cast<TdxBarCaptionButton*>(TCollection::Add()); }
  TdxBarCaptionButton* GetItem(Integer AIndex) const {
    return static_cast<TdxBarCaptionButton*>(TCollection::GetItem(AIndex));
  }
  void SetItem(Integer AIndex, TdxBarCaptionButton* Value) { TCollection::SetItem(AIndex, Value); }
  TdxBar* GetBar() const { return FBar; }
  // The first enabled button whose rectangle holds the point; -1 when none.
  Integer GetButtonIndex(const TPoint& P) const;
  // The union of the buttons' non-empty rectangles.
  TRect GetRect() const;
  // As the mouse moves or is pressed over the caption: hot or pressed under the point, normal
  // elsewhere (unless keyboard navigation selects the button); disabled buttons keep their state.
  void UpdateButtonStates(const TPoint& P, bool APressed);

  // The bar's notification (its CaptionButtonsNotification).
  TdxBarCaptionButtonsChangedEvent OnChanged;

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  TdxBar* FBar;
};

}  // namespace dxBar

using namespace dxBar;
