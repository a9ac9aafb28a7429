// Screen tips: small cards of up to three bands (header, description, footer), each with a text and an
// optional picture, kept as components in a screen-tip repository that items point to.
#pragma once

#include "Graphics.h"
#include "cxClassesComponentCollection.h"
#include "dxBarTypes.h"

namespace dxBar {

PUBLISHED_ENUM(TdxBarScreenTipBandType, stbHeader, stbDescription, stbFooter)
PUBLISHED_ENUM(TdxBarScreenTipBandTextAlign, stbtaLeft, stbtaRight)
using TdxBarScreenTipBandTypes = TSet<TdxBarScreenTipBandType, 3>;

class TdxBarScreenTipRepository;

// One band: its text, its picture and where the text goes beside the picture.
class TdxBarCustomScreenTipBand : public TPersistent {
  DECLARE_CLASS(TdxBarCustomScreenTipBand, TPersistent)
 public:
  explicit TdxBarCustomScreenTipBand(TdxBarScreenTipBandType ABandType = stbHeader) : FBandType(ABandType) {}
  void Assign(TPersistent* Source) override;
  virtual void Changed();
  virtual TFont* GetFont() = 0;
  // Shown when it has a text or a picture; a bare header shows the item's hint when there is one.
  bool IsVisible(const String& AHintText);

  TdxBarScreenTipBandType GetBandType() const { return FBandType; }
  TBitmap* GetGlyph() const { return FGlyph; }
  void SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }
  const String& GetText() const { return FText; }
  void SetText(const String& Value);
  TdxBarScreenTipBandTextAlign GetTextAlign() const { return FTextAlign; }
  void SetTextAlign(TdxBarScreenTipBandTextAlign Value);

  TNotifyEvent OnChange;

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  void GlyphChanged(TObject* Sender);

  TdxBarScreenTipBandType FBandType;
  TBitmap* FGlyph = nullptr;
  String FText;
  TdxBarScreenTipBandTextAlign FTextAlign = stbtaRight;
};

class TdxBarScreenTip;

// A band of one screen tip, drawn in its repository's font for the band.
class TdxBarScreenTipBand : public TdxBarCustomScreenTipBand {
  DECLARE_CLASS(TdxBarScreenTipBand, TdxBarCustomScreenTipBand)
 public:
  explicit TdxBarScreenTipBand(TdxBarScreenTip* AScreenTip = nullptr, TdxBarScreenTipBandType ABandType = stbHeader)
      : TdxBarCustomScreenTipBand(ABandType), FScreenTip(AScreenTip) {}
  TFont* GetFont() override;

 protected:
  TPersistent* GetOwner() override;

 private:
  TdxBarScreenTip* FScreenTip;
};

// The repository's footer that tips with UseStandardFooter show.
class TdxBarScreenTipFooterBand : public TdxBarCustomScreenTipBand {
  DECLARE_CLASS(TdxBarScreenTipFooterBand, TdxBarCustomScreenTipBand)
 public:
  explicit TdxBarScreenTipFooterBand(TdxBarScreenTipRepository* ARepository = nullptr)
      : TdxBarCustomScreenTipBand(stbFooter), FRepository(ARepository) {}
  TFont* GetFont() override;

 protected:
  TPersistent* GetOwner() override;

 private:
  TdxBarScreenTipRepository* FRepository;
};

class TdxBarScreenTip : public cxClasses::TcxComponentCollectionItem {
  DECLARE_CLASS(TdxBarScreenTip, cxClasses::TcxComponentCollectionItem)
 public:
  explicit TdxBarScreenTip(TComponent* AOwner = nullptr) : TcxComponentCollectionItem(AOwner) {}
  void Assign(TPersistent* Source) override;
  cxClasses::TcxComponentCollection* GetCollectionFromParent(TComponent* AParent) override;
  String GetDisplayName() override;
  void SetName(const String& NewName) override;
  virtual cxClasses::TcxComponentCollection* GetCollection();
  // Width when set, else 210 pixels, or 318 with a description picture, at 96 dpi scaled to the screen.
  virtual Integer GetWidth();

  // The band laid out for ABandType: the repository's standard footer replaces the tip's own.
  TdxBarCustomScreenTipBand* GetBandForCalculation(TdxBarScreenTipBandType ABandType);
  TdxBarScreenTipRepository* GetRepository();

  TdxBarScreenTipBand* GetHeader() const { return FHeader; }
  void SetHeader(TdxBarScreenTipBand* Value) { FHeader->Assign(Value); }
  TdxBarScreenTipBand* GetDescription() const { return FDescription; }
  void SetDescription(TdxBarScreenTipBand* Value) { FDescription->Assign(Value); }
  TdxBarScreenTipBand* GetFooter() const { return FFooter; }
  void SetFooter(TdxBarScreenTipBand* Value) { FFooter->Assign(Value); }
  bool GetUseHintAsHeader() const { return FUseHintAsHeader; }
  void SetUseHintAsHeader(bool Value) { FUseHintAsHeader = Value; }
  bool GetUseStandardFooter() const { return FUseStandardFooter; }
  void SetUseStandardFooter(bool Value) { FUseStandardFooter = Value; }
  Integer GetWidthValue() const { return FWidth; }
  void SetWidth(Integer Value) { FWidth = std::max<Integer>(Value, 0); }

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  TdxBarScreenTipBand* FHeader = nullptr;
  TdxBarScreenTipBand* FDescription = nullptr;
  TdxBarScreenTipBand* FFooter = nullptr;
  bool FUseHintAsHeader = false;
  bool FUseStandardFooter = false;
  Integer FWidth = 0;
};

class TdxBarScreenTipCollection : public cxClasses::TcxComponentCollection {
  DECLARE_CLASS(TdxBarScreenTipCollection, cxClasses::TcxComponentCollection)
 public:
  explicit TdxBarScreenTipCollection(TComponent* AParentComponent = nullptr)
      : TcxComponentCollection(AParentComponent, TdxBarScreenTip::StaticClass()) {}
  TdxBarScreenTip* Add() { return static_cast<TdxBarScreenTip*>(TcxComponentCollection::Add()); }
  TdxBarScreenTip* GetItem(Integer AIndex) const {
    return static_cast<TdxBarScreenTip*>(TcxComponentCollection::GetItem(AIndex));
  }
  void SetItem(Integer AIndex, TdxBarScreenTip* AValue) { TcxComponentCollection::SetItem(AIndex, AValue); }

 protected:
  void SetItemName(cxClasses::TcxComponentCollectionItem* AItem) override;
};

class TdxBarScreenTipRepository : public TComponent {
  DECLARE_CLASS(TdxBarScreenTipRepository, TComponent)
 public:
  explicit TdxBarScreenTipRepository(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  void Assign(TPersistent* Source) override;
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  // The band's own font once it was changed, else the screen's hint font in grey, bold for header and
  // footer.
  virtual TFont* GetBandFont(TdxBarScreenTipBandType ABandType);

  TdxBarScreenTipCollection* GetItems() const { return FItems; }
  void SetItems(TdxBarScreenTipCollection* Value) { FItems->Assign(Value); }
  TdxBarScreenTipFooterBand* GetStandardFooter() const { return FStandardFooter; }
  void SetStandardFooter(TdxBarScreenTipFooterBand* Value) { FStandardFooter->Assign(Value); }
  bool GetShowDescription() const { return FShowDescription; }
  void SetShowDescription(bool Value) { FShowDescription = Value; }
  TFont* GetHeaderFont() const { return FFonts[stbHeader]; }
  void SetHeaderFont(TFont* Value) { FFonts[stbHeader]->Assign(Value); }
  TFont* GetDescriptionFont() const { return FFonts[stbDescription]; }
  void SetDescriptionFont(TFont* Value) { FFonts[stbDescription]->Assign(Value); }
  TFont* GetFooterFont() const { return FFonts[stbFooter]; }
  void SetFooterFont(TFont* Value) { FFonts[stbFooter]->Assign(Value); }
  TdxBarScreenTipBandTypes GetAssignedFonts() const { return FAssignedFonts; }
  void SetAssignedFonts(TdxBarScreenTipBandTypes Value) { FAssignedFonts = Value; }
  bool IsHeaderFontStored() { return FAssignedFonts.Contains(stbHeader); }
  bool IsDescriptionFontStored() { return FAssignedFonts.Contains(stbDescription); }
  bool IsFooterFontStored() { return FAssignedFonts.Contains(stbFooter); }

 protected:
  void Construct() override;
  void Destroy() override;
  virtual TdxBarScreenTipCollection* CreateScreenTips();

 private:
  void FontChanged(TObject* Sender);
  void SetDefaultFont(TdxBarScreenTipBandType ABandType, TFont* AFont);

  TdxBarScreenTipCollection* FItems = nullptr;
  TdxBarScreenTipFooterBand* FStandardFooter = nullptr;
  bool FShowDescription = true;
  TFont* FFonts[3] = {};
  TdxBarScreenTipBandTypes FAssignedFonts;
  TFont* FSystemFont = nullptr;  // scratch: the default font of the band asked for
};

}  // namespace dxBar

using namespace dxBar;
