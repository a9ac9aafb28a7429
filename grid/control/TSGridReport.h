// The report component a grid prints and previews through. Only its base is part of the grid: it
// keeps the report's texts, title font and image, page margins and the captions of the grid menu's
// items; a report engine outside the grid derives from it and does the printing.
#pragma once

#include <array>

#include "Components.h"
#include "Persistent.h"
#include "System.h"
#include "TypeInfoBase.h"

namespace Graphics {
class TFont;
class TPicture;
}  // namespace Graphics

namespace TSGrid {

class TtsBaseGrid;

PUBLISHED_ENUM(TosPrintLineMode, lmNone, lmBanded, lmLine)

class TosReportPageMargins : public TPersistent {
  DECLARE_CLASS(TosReportPageMargins, TPersistent)
 public:
  void Assign(TPersistent* Source) override;

  Integer GetRightMargin() const { return FRightMargin; }
  void SetRightMargin(Integer Value) { FRightMargin = Value; }
  Integer GetLeftMargin() const { return FLeftMargin; }
  void SetLeftMargin(Integer Value) { FLeftMargin = Value; }
  Integer GetBottomMargin() const { return FBottomMargin; }
  void SetBottomMargin(Integer Value) { FBottomMargin = Value; }
  Integer GetTopMargin() const { return FTopMargin; }
  void SetTopMargin(Integer Value) { FTopMargin = Value; }

 protected:
  TosReportPageMargins() = default;

 private:
  Integer FRightMargin = 7;
  Integer FLeftMargin = 7;
  Integer FBottomMargin = 15;
  Integer FTopMargin = 7;
};

class TosCustomGridReport : public TComponent {
  DECLARE_CLASS(TosCustomGridReport, TComponent)
 public:
  explicit TosCustomGridReport(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

  // The report engine prints or previews the grid; the base does nothing.
  virtual void Print(TtsBaseGrid* Grid);
  virtual void PrintPreview(TtsBaseGrid* Grid);

  String GetDateTimeCaption() const { return FDateTimeCaption; }
  void SetDateTimeCaption(const String& Value) { FDateTimeCaption = Value; }
  String GetPageCaption() const { return FPageCaption; }
  void SetPageCaption(const String& Value) { FPageCaption = Value; }
  String GetEndOfReportText() const { return FEndOfReportText; }
  void SetEndOfReportText(const String& Value) { FEndOfReportText = Value; }
  String GetRecordCaption() const { return FRecordCaption; }
  void SetRecordCaption(const String& Value) { FRecordCaption = Value; }
  // The title font, image and margins are the report's own objects: the setters copy into them.
  Graphics::TFont* GetTitleFont() const { return FTitleFont; }
  void SetTitleFont(Graphics::TFont* Value);
  Graphics::TPicture* GetTitleImage() const { return FTitleImage; }
  void SetTitleImage(Graphics::TPicture* Value);
  TosReportPageMargins* GetMargins() const { return FMargins; }
  void SetMargins(TosReportPageMargins* Value);
  // The grid shows its popup menu on a right click.
  bool GetProvideGridMenu() const { return FProvideGridMenu; }
  void SetProvideGridMenu(bool Value) { FProvideGridMenu = Value; }
  // The captions of the grid menu's preview, print and export items, separated by "|". An empty
  // caption leaves its item out of the menu.
  String GetMenuOptionsText() const { return FMenuOptionsText; }
  void SetMenuOptionsText(const String& Value);
  String GetPreviewCaption() const { return FPreviewCaption; }
  String GetPrintCaption() const { return FPrintCaption; }
  String GetExportCaption() const { return FExportCaption; }

 protected:
  void Construct() override;
  void Destroy() override;

  // Settings whose meaning belongs to the report engine.
  std::array<bool, 5> FEngineSwitches{true, true, true, true, true};
  TosPrintLineMode FLineMode = lmBanded;
  Integer FEngineCount = 2;
  Byte FEngineOption = 0;
  Integer FEngineColor = 0x1FFFFFFF;  // unset

 private:
  String FDateTimeCaption = "DateTime:";
  String FPageCaption = "Page:";
  String FEndOfReportText = "*** END OF REPORT ***";
  String FRecordCaption = "Records";
  Graphics::TFont* FTitleFont = nullptr;
  bool FProvideGridMenu = false;
  Graphics::TPicture* FTitleImage = nullptr;
  // Stored as it stands: the captions are split from it only when it is assigned.
  String FMenuOptionsText = "Preview...|Print...|Export...";
  String FPreviewCaption, FPrintCaption, FExportCaption;
  TosReportPageMargins* FMargins = nullptr;
};

// The report component attached to the grid; without one printing is refused with an exception.
TosCustomGridReport* RequiredReport(TtsBaseGrid* Grid);

}  // namespace TSGrid
