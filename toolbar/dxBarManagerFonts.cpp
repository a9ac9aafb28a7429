// The bar manager's fonts: Font follows the system's menu font while UseSystemFont is set (or only its
// height, with Scaled), the edit and bar-caption fonts are derived from it, and the handlers of the
// system-font-changed collection hear of every change.
#include "Graphics.h"
#include "WinMetrics.h"
#include "cxClassesUtils.h"
#include "cxLookAndFeels.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "dxThemeManager.h"

namespace dxBar {

namespace {
// Small system fonts are drawn at least 11 pixels high on bars, where smaller text looks cramped.
Integer AtLeastSmallestHeight(Integer AHeight) { return AHeight >= -10 ? -11 : AHeight; }

// Sets a flag for a scope and puts its value back however the scope ends.
template <typename T>
class TScopedValue {
 public:
  TScopedValue(T& AValue, T ANewValue) : FValue(AValue), FSaved(AValue) { AValue = ANewValue; }
  ~TScopedValue() { FValue = FSaved; }
  TScopedValue(const TScopedValue&) = delete;
  TScopedValue& operator=(const TScopedValue&) = delete;

 private:
  T& FValue;
  T FSaved;
};
}  // namespace

void TdxBarManager::CreateLookObjects() {
  FFont->OnChange = TNotifyEvent(this, &TdxBarManager::FontChanged);
  FLookAndFeel->OnChanged = [this](TcxLookAndFeel*, TcxLookAndFeelValues) { LFChanged(); };
  FThemeChangedNotificator = New<TdxThemeChangedNotificator>();
  FThemeChangedNotificator->OnThemeChanged = [this] { ThemeChanged(); };
  CreateToolbarsBrushes();
  InitPainter();
  {
    TScopedValue<bool> internal(FInternalFontChange, true);
    AssignFont();
  }
  DeriveFonts();
}

void TdxBarManager::DestroyLookObjects() {
  if (FFont) FFont->OnChange = nullptr;
  FreeAndNil(FThemeChangedNotificator);
  FreeAndNil(FDefaultPainter);
  DestroyToolbarsBrushes();
}

void TdxBarManager::AssignFont() {
  NONCLIENTMETRICS metrics;
  if (!SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return;
  if (FUseSystemFont) {
    TScopedValue<bool> internal(FInternalFontChange, true);
    FFont->AssignLogFont(metrics.lfMenuFont);
  } else if (FScaled) {
    FFont->SetHeight(metrics.lfMenuFont.lfHeight);
  }
}

void TdxBarManager::FontChanged(TObject*) {
  if (!FInternalFontChange) FUseSystemFont = false;
  if (FScaled) {
    // AssignFont changes Font again; that change must not come back here.
    TScopedValue<TNotifyEvent> detached(FFont->OnChange, TNotifyEvent());
    AssignFont();
  }
  DeriveFonts();
}

// The edit font keeps Font's face with the icon-title height (with Scaled), the bar-caption font is the
// system's small-caption font, in Font's face unless the system's fonts are used.
void TdxBarManager::DeriveFonts() {
  FEditFont->Assign(FFont);
  if (FScaled) {
    LOGFONTA iconTitle{};
    if (SystemParametersInfo(SPI_GETICONTITLELOGFONT, sizeof(iconTitle), &iconTitle, 0))
      FEditFont->SetHeight(AtLeastSmallestHeight(iconTitle.lfHeight));
  }
  NONCLIENTMETRICS metrics;
  if (SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    FBarCaptionFont->AssignLogFont(metrics.lfSmCaptionFont);
  if (!FUseSystemFont) {
    FBarCaptionFont->SetName(FFont->GetName());
    FBarCaptionFont->SetHeight(AtLeastSmallestHeight(FBarCaptionFont->GetHeight()));
  }
  FSystemFontChangedHandlers->CallEvents(this, nullptr);
}

// Turning the system font on reads it again, as a change of the system's metrics would.
void TdxBarManager::SetUseSystemFont(bool Value) {
  if (FUseSystemFont == Value) return;
  FUseSystemFont = Value;
  if (!Value) return;
  {
    TScopedValue<bool> internal(FInternalFontChange, true);
    AssignFont();
  }
  DeriveFonts();
}

void TdxBarManager::SetScaled(bool Value) {
  if (FScaled == Value) return;
  FScaled = Value;
  if (Value && !FUseSystemFont) AssignFont();
}

}  // namespace dxBar
