// The report component base and its page margins.
#include "TSGridReport.h"

#include "Graphics.h"
#include "TSGridImpl.h"
#include "TypInfo.h"

namespace TSGrid {

IMPLEMENT_CLASS_PUBLISHED(TosReportPageMargins) {
  using M = TosReportPageMargins;
  d.Property("RightMargin", &M::GetRightMargin, &M::SetRightMargin);
  d.Property("LeftMargin", &M::GetLeftMargin, &M::SetLeftMargin);
  d.Property("BottomMargin", &M::GetBottomMargin, &M::SetBottomMargin);
  d.Property("TopMargin", &M::GetTopMargin, &M::SetTopMargin);
}

IMPLEMENT_CLASS_PUBLISHED(TosCustomGridReport) {
  using R = TosCustomGridReport;
  d.Property("TitleFont", &R::GetTitleFont, &R::SetTitleFont);
  d.Property("ProvideGridMenu", &R::GetProvideGridMenu, &R::SetProvideGridMenu).Default(false);
  d.Property("TitleImage", &R::GetTitleImage, &R::SetTitleImage);
  d.Property("MenuOptionsText", &R::GetMenuOptionsText, &R::SetMenuOptionsText);
  d.Property("Margins", &R::GetMargins, &R::SetMargins);
}

void TosReportPageMargins::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TosReportPageMargins*>(Source)) {
    FRightMargin = source->FRightMargin;
    FLeftMargin = source->FLeftMargin;
    FBottomMargin = source->FBottomMargin;
    FTopMargin = source->FTopMargin;
    return;
  }
  inherited::Assign(Source);
}

void TosCustomGridReport::Construct() {
  inherited::Construct();
  FTitleFont = New<TFont>();
  FTitleImage = New<TPicture>();
  FMargins = New<TosReportPageMargins>();
}

void TosCustomGridReport::Destroy() {
  FreeAndNil(FTitleImage);
  FreeAndNil(FTitleFont);
  FreeAndNil(FMargins);
  inherited::Destroy();
}

void TosCustomGridReport::Print(TtsBaseGrid*) {}
void TosCustomGridReport::PrintPreview(TtsBaseGrid*) {}

void TosCustomGridReport::SetTitleFont(TFont* Value) { FTitleFont->Assign(Value); }
void TosCustomGridReport::SetTitleImage(TPicture* Value) { FTitleImage->Assign(Value); }
void TosCustomGridReport::SetMargins(TosReportPageMargins* Value) { FMargins->Assign(Value); }

void TosCustomGridReport::SetMenuOptionsText(const String& Value) {
  FMenuOptionsText = Value;
  if (Value.empty()) {
    FPreviewCaption.clear();
    FPrintCaption.clear();
    FExportCaption.clear();
    return;
  }
  // Each caption takes the text up to the next bar; the captions past the last part stay.
  const size_t first = Value.find('|');
  FPreviewCaption = Value.substr(0, first);
  if (first == String::npos) return;
  const String rest = Value.substr(first + 1);
  const size_t second = rest.find('|');
  FPrintCaption = rest.substr(0, second);
  if (second == String::npos) return;
  FExportCaption = rest.substr(second + 1);
}

}  // namespace TSGrid
