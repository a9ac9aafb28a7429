// The buttons an editor may carry inside its frame (an ellipsis, a drop-down arrow, a glyph or a
// text), held as a collection in its settings, and the painting state of one button as the view
// data lays it out.
#pragma once

#include "Collections.h"
#include "Graphics.h"
#include "cxEditStyles.h"

namespace cxGraphics {
class TcxRegion;
}

namespace cxEdit {

PUBLISHED_ENUM(TcxEditButtonKind, bkEllipsis, bkDown, bkGlyph, bkText)
enum TcxEditButtonState { ebsDisabled, ebsNormal, ebsPressed, ebsSelected };

class TcxEditButtons;

class TcxEditButton : public TCollectionItem {
  DECLARE_CLASS(TcxEditButton, TCollectionItem)
 public:
  explicit TcxEditButton(TCollection* Collection = nullptr) : TCollectionItem(Collection) {}

  void Assign(TPersistent* Source) override;

  String GetCaption() const { return FCaption; }
  void SetCaption(const String& Value);
  // The caption without its accelerator marks.
  String GetCaptionWithoutAccelChars() const { return FCaptionWithoutAccelChars; }
  TAlignment GetContentAlignment() const { return FContentAlignment; }
  void SetContentAlignment(TAlignment Value);
  bool GetDefault() const { return FDefault; }
  // Set to true, it clears Default on every other button of the collection first.
  void SetDefault(bool Value);
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // Made on first read.
  TBitmap* GetGlyph();
  bool HasGlyph() const { return FGlyph != nullptr; }
  // A copy of Value, or none (the own bitmap freed); always notifies.
  void SetGlyph(TBitmap* Value);
  String GetHint() const { return FHint; }
  void SetHint(const String& Value);
  TcxEditButtonKind GetKind() const { return FKind; }
  void SetKind(TcxEditButtonKind Value);
  bool GetLeftAlignment() const { return FLeftAlignment; }
  void SetLeftAlignment(bool Value);
  bool GetStretchable() const { return FStretchable; }
  void SetStretchable(bool Value);
  NativeInt GetTag() const { return FTag; }
  void SetTag(NativeInt Value);
  TColor GetTextColor() const { return FTextColor; }
  void SetTextColor(TColor Value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  Integer GetWidth() const { return FWidth; }
  // Ignored while the current width is negative.
  void SetWidth(Integer Value);
  bool IsTagStored() const { return FTag != 0; }
  bool IsGlyphStored() const { return FGlyph && !FGlyph->GetEmpty(); }

 protected:
  void Destroy() override;

 private:
  TcxEditButtons* GetButtons() const;
  void GlyphChanged(TObject* Sender) { Changed(false); }
  template <class T>
  void SetField(T& AField, const T& AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed(false);
  }

  String FCaption;
  String FCaptionWithoutAccelChars;
  TAlignment FContentAlignment = taCenter;
  bool FDefault = false;
  bool FEnabled = true;
  TBitmap* FGlyph = nullptr;
  String FHint;
  TcxEditButtonKind FKind = bkDown;
  bool FLeftAlignment = false;
  bool FStretchable = true;
  NativeInt FTag = 0;
  TColor FTextColor = clBtnText;
  bool FVisible = true;
  Integer FWidth = 0;
};

class TcxEditButtons : public TCollection {
  DECLARE_CLASS(TcxEditButtons, TCollection)
 public:
  // A descendant names its own button class here and in GetButtonClass.
  explicit TcxEditButtons(TPersistent* AOwner = nullptr, TClass AButtonClass = TcxEditButton::StaticClass())
      : TCollection(AButtonClass), FOwner(AOwner) {}
  // Virtual construction from a class reference with the owner; the buttons are of the class's
  // button class.
  static TcxEditButtons* Create(TClass AClass, TPersistent* AOwner);
  // The class of the buttons (a class operation).
  virtual TClass GetButtonClass() { return TcxEditButton::StaticClass(); }

  TcxEditButton* Add() { return static_cast<TcxEditButton*>(TCollection::Add()); }
  TcxEditButton* GetItem(Integer Index) const { return static_cast<TcxEditButton*>(TCollection::GetItem(Index)); }
  void SetItem(Integer Index, TcxEditButton* Value) { TCollection::SetItem(Index, Value); }
  TcxEditButton* operator[](Integer Index) const { return GetItem(Index); }
  Integer GetVisibleCount() const;

  TNotifyEvent OnChange;

 protected:
  TPersistent* GetOwner() override { return FOwner; }
  void Update(TCollectionItem* Item) override;

 private:
  TPersistent* FOwner;
};

// The painting state of one button.
class TcxEditButtonViewInfo : public TPersistent {
  DECLARE_CLASS(TcxEditButtonViewInfo, TPersistent)
 public:
  // The native state, background colour, bounds, drawing style and state only.
  void Assign(TPersistent* Source) override;
  // An empty region when the other looks alike, else the bounds' region; the caller frees it.
  virtual TcxRegion* GetUpdateRegion(TcxEditButtonViewInfo* AViewInfo);
  // Invalidates the bounds moved by AOffset when the other looks different; true then.
  virtual bool Repaint(TWinControl* AControl, TcxEditButtonViewInfo* AViewInfo, const TPoint& AOffset);

  // Whether the other view info draws differently (drawing style, state, background, native state).
  bool LooksDifferent(TcxEditButtonViewInfo* AViewInfo) const;

  TColor BackgroundColor = clBtnFace;
  TRect Bounds;
  String Caption;
  String CaptionWithoutAccelChars;
  TAlignment ContentAlignment = taCenter;
  bool Default = false;
  bool Gradient = false;
  bool IsInplace = false;
  TcxEditButtonKind Kind = bkDown;
  bool LeftAlignment = false;
  bool LeftEnd = false;
  bool RightEnd = false;
  bool NativeStyle = false;
  TcxEditButtonState State = ebsNormal;
  TcxEditButtonStyle ButtonStyle = btsDefault;
  TColor TextColor = clBtnText;
  bool Transparent = false;
  bool BackgroundPartiallyTransparent = false;
  bool ComboBoxStyle = false;
  Integer NativePart = 0;
  Integer NativeState = 0;
  TBitmap* Glyph = nullptr;
  bool HasBackground = false;
  Integer ButtonIndex = 0;
  bool Stretchable = true;
  TRect VisibleBounds;
  Integer Width = 0;
};

}  // namespace cxEdit

using namespace cxEdit;
