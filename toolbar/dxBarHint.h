// The bar manager's hint window and what it shows: a plain hint (the item's hint with its shortcut), a
// plain hint drawn like a screen tip, or a screen tip of up to three bands. A view info measures and
// paints the content; the object under the mouse decides which one is made.
#pragma once

#include <vector>

#include "Interfaces.h"
#include "cxControlsHintWindow.h"
#include "dxBarTypes.h"

namespace cxGraphics {
class TcxCanvas;
}

namespace dxBar {

class TdxBarCustomScreenTipBand;
class TdxBarCustomHintViewInfo;
class TdxBarHintWindow;

// What an object under the mouse answers when the manager shows its hint (item controls, caption buttons).
class IdxBarHintKeeper : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IdxBarHintKeeper, "{587A00C4-A7E0-4032-98E5-4DB8F3918ADF}")
 public:
  // True with a hint; without one, ANeedDeactivate asks that a shown hint go.
  virtual bool DoHint(bool& ANeedDeactivate, String& AHintText, String& AShortCut) = 0;
  virtual TdxBarCustomHintViewInfo* CreateHintViewInfo(const String& AHintText, const String& AShortCut) = 0;
  virtual bool GetEnabled() = 0;
  virtual TPoint GetHintPosition(const TPoint& ACursorPos, Integer AHeight) = 0;
};

class TdxBarCustomHintViewInfo : public TObject {
  DECLARE_CLASS(TdxBarCustomHintViewInfo, TObject)
 public:
  explicit TdxBarCustomHintViewInfo(TdxBarManager* ABarManager = nullptr) : FBarManager(ABarManager) {}
  virtual void Calculate(cxGraphics::TcxCanvas* ACanvas) = 0;
  virtual bool IsScreenTip() { return false; }
  virtual void Paint(cxGraphics::TcxCanvas* ACanvas) = 0;
  virtual void SetWindowDrawParams(TdxBarHintWindow* AWindow);

  TdxBarManager* GetBarManager() const { return FBarManager; }
  const TRect& GetBounds() const { return FBounds; }

 protected:
  TdxBarManager* FBarManager;
  TRect FBounds;
};

// A plain hint: word-wrapped text in a raised frame, in the status-bar font or the manager's font.
class TdxBarHintViewInfo : public TdxBarCustomHintViewInfo {
  DECLARE_CLASS(TdxBarHintViewInfo, TdxBarCustomHintViewInfo)
 public:
  TdxBarHintViewInfo(TdxBarManager* ABarManager = nullptr, const String& AHintText = String(),
                     const String& AShortCut = String(), const TPoint& APosition = TPoint());
  void Calculate(cxGraphics::TcxCanvas* ACanvas) override;
  void Paint(cxGraphics::TcxCanvas* ACanvas) override;
  void SetWindowDrawParams(TdxBarHintWindow* AWindow) override;

  const String& GetText() const { return FText; }

 protected:
  virtual TSize CorrectMinSize(const TSize& ASize);
  virtual TRect GetTextRect();
  void DrawText(cxGraphics::TcxCanvas* ACanvas);
  void SetWindowFont(TdxBarHintWindow* AWindow);

 private:
  String FText;
  TPoint FPosition;
};

// A plain hint drawn on the painter's screen-tip background.
class TdxBarLikeHintScreenTipViewInfo : public TdxBarHintViewInfo {
  DECLARE_CLASS(TdxBarLikeHintScreenTipViewInfo, TdxBarHintViewInfo)
 public:
  TdxBarLikeHintScreenTipViewInfo(TdxBarManager* ABarManager = nullptr, const String& AHintText = String(),
                                  const String& AShortCut = String(), TdxBarPainter* APainter = nullptr)
      : TdxBarHintViewInfo(ABarManager, AHintText, AShortCut), FPainter(APainter) {}
  bool IsScreenTip() override { return true; }
  void Paint(cxGraphics::TcxCanvas* ACanvas) override;

 protected:
  TSize CorrectMinSize(const TSize& ASize) override;
  TRect GetTextRect() override;

 private:
  TdxBarPainter* FPainter;
};

// The layout of one band of a screen tip.
class TdxBarScreenTipBandViewInfo : public TObject {
  DECLARE_CLASS(TdxBarScreenTipBandViewInfo, TObject)
 public:
  TdxBarScreenTipBandViewInfo(TdxBarCustomScreenTipBand* ABand = nullptr, const String& AHintText = String(),
                              const String& AShortCut = String())
      : FBand(ABand), FHintText(AHintText), FShortCut(AShortCut) {}
  // Measures the band for AWidth: 0 without a text and a picture.
  Integer GetHeight(cxGraphics::TcxCanvas* ACanvas, Integer AWidth, TdxBarPainter* APainter);
  void Calculate(Integer AWidth, Integer ATop, Integer AHeight, TdxBarPainter* APainter);
  void Paint(cxGraphics::TcxCanvas* ACanvas, TdxBarPainter* APainter);
  // The header shows the item's hint instead of its own text when there is one, with the shortcut.
  String GetText();

  Integer GetTop() const { return FTop; }
  const TRect& GetTextBounds() const { return FTextBounds; }
  const TRect& GetGlyphBounds() const { return FGlyphBounds; }
  const TSize& GetGlyphSize() const { return FGlyphSize; }

 private:
  Integer GetHorizontalIndent();
  Integer GetVerticalIndent(TdxBarPainter* APainter);
  Integer GetAvailableGlyphWidth();
  bool HasGlyph();

  TdxBarCustomScreenTipBand* FBand;
  String FHintText;
  String FShortCut;
  Integer FTop = 0;
  Integer FWidth = 0;
  TRect FTextBounds;
  TRect FGlyphBounds;
  TSize FGlyphSize;
  TSize FTextSize;
};

class TdxBarScreenTipViewInfo : public TdxBarCustomHintViewInfo {
  DECLARE_CLASS(TdxBarScreenTipViewInfo, TdxBarCustomHintViewInfo)
 public:
  TdxBarScreenTipViewInfo(TdxBarManager* ABarManager = nullptr, TdxBarScreenTip* AScreenTip = nullptr,
                          TdxBarPainter* APainter = nullptr, const String& AHintText = String(),
                          const String& AShortCut = String());
  bool IsScreenTip() override { return true; }
  void Calculate(cxGraphics::TcxCanvas* ACanvas) override;
  void Paint(cxGraphics::TcxCanvas* ACanvas) override;

  Integer GetBandViewInfoCount() const { return static_cast<Integer>(FBandViewInfos.size()); }
  TdxBarScreenTipBandViewInfo* GetBandViewInfo(Integer AIndex) const { return FBandViewInfos[AIndex]; }

 protected:
  void Destroy() override;
  virtual TdxBarScreenTipBandViewInfo* CreateBandViewInfo(TdxBarCustomScreenTipBand* ABand);

 private:
  void ClearBandViewInfos();

  TdxBarScreenTip* FScreenTip;
  TdxBarPainter* FPainter;
  String FHintText;
  String FShortCut;
  std::vector<TdxBarScreenTipBandViewInfo*> FBandViewInfos;
};

class TdxBarHintWindow : public cxControls::TcxBaseHintWindow {
  DECLARE_CLASS(TdxBarHintWindow, cxControls::TcxBaseHintWindow)
 public:
  explicit TdxBarHintWindow(TComponent* AOwner = nullptr) : TcxBaseHintWindow(AOwner) {}
  void Dispatch(TMessage& Message) override;
  // How long it stays shown, and the delay before it shows (ms).
  virtual Integer GetHideHintTime();
  virtual Integer GetShowHintTime();
  virtual void RecreateWindow();
  // Shows the manager's hint for its hint object; false when there is nothing to show.
  virtual bool ActivateHint(TdxBarManager* ABarManager, const String& AHintText, const String& AShortCut);
  using TcxBaseHintWindow::ActivateHint;

  bool GetIsScreenTipWindow() const { return FIsScreenTipWindow; }
  void SetIsScreenTipWindow(bool Value);
  TdxBarCustomHintViewInfo* GetViewInfo() const { return FViewInfo; }

 protected:
  void Construct() override;
  void Destroy() override;
  void Paint() override;

 private:
  TdxBarCustomHintViewInfo* CreateViewInfo(TdxBarManager* ABarManager, const String& AHintText,
                                           const String& AShortCut);
  TPoint GetPosition(TdxBarManager* ABarManager, const TPoint& ACursorPos);

  TdxBarCustomHintViewInfo* FViewInfo = nullptr;
  bool FIsScreenTipWindow = false;
};

// The shared hint window of the managers, null while none is made.
TdxBarHintWindow* BarHintWindow();

}  // namespace dxBar

using namespace dxBar;
