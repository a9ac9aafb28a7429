// The font keeps the whole logical font it was given (rotation, weight, precisions) through property
// changes and assignment, and renews its handle before its listeners hear of a change.
#include <gtest/gtest.h>

#include <cstring>

#include "Controls.h"
#include "Graphics.h"
#include "WinGdi.h"

namespace {

LOGFONTA LogFontOf(HGDIOBJ Font) {
  LOGFONTA lf;
  EXPECT_GT(GetObjectA(Font, sizeof lf, &lf), 0);
  return lf;
}

LOGFONTA RotatedLogFont(LONG Escapement) {
  LOGFONTA lf;
  lf.lfHeight = -15;
  lf.lfEscapement = Escapement;
  lf.lfOrientation = Escapement;
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = GB2312_CHARSET;
  lf.lfOutPrecision = OUT_TT_ONLY_PRECIS;
  lf.lfQuality = NONANTIALIASED_QUALITY;
  lf.lfPitchAndFamily = FF_SWISS | VARIABLE_PITCH;
  std::strcpy(lf.lfFaceName, "Tahoma");
  return lf;
}

TEST(FontLogFont, RotationAndTheRestOfTheLogicalFontStayWithTheFont) {
  TOwnedPtr<TFont> font = NewOwned<TFont>();
  font->AssignLogFont(RotatedLogFont(900));
  EXPECT_EQ(font->GetEscapement(), 900);
  EXPECT_EQ(font->GetOrientation(), 900);
  EXPECT_EQ(font->GetPitch(), fpVariable);

  // Each way a font can be changed or copied keeps what no property shows.
  struct TCase {
    const char* Step;
    void (*Change)(TFont* Font);
  };
  const TCase cases[] = {
      {"as given", [](TFont*) {}},
      {"a new size", [](TFont* f) { f->SetSize(14); }},
      {"a new style", [](TFont* f) { f->SetStyle({fsItalic}); }},
      {"a new face", [](TFont* f) { f->SetName("Arial"); }},
      {"described by its own handle", [](TFont* f) { f->SetHandle(f->GetHandle()); }},
      {"copied", [](TFont* f) {
         TOwnedPtr<TFont> copy = NewOwned<TFont>();
         copy->Assign(f);
         f->SetHandle(copy->GetHandle());
       }},
  };
  for (const TCase& c : cases) {
    c.Change(font.get());
    const LOGFONTA lf = LogFontOf(font->GetHandle());
    EXPECT_EQ(lf.lfEscapement, 900) << c.Step;
    EXPECT_EQ(lf.lfOrientation, 900) << c.Step;
    EXPECT_EQ(lf.lfOutPrecision, OUT_TT_ONLY_PRECIS) << c.Step;
    EXPECT_EQ(lf.lfQuality, NONANTIALIASED_QUALITY) << c.Step;
    EXPECT_EQ(lf.lfPitchAndFamily, FF_SWISS | VARIABLE_PITCH) << c.Step;
    EXPECT_EQ(lf.lfHeight, font->GetHeight()) << c.Step;
  }

  TOwnedPtr<TFont> plain = NewOwned<TFont>();
  EXPECT_NE(plain->GetHandle(), font->GetHandle()) << "a rotated font never shares an upright font's handle";
  font->Assign(plain.get());
  EXPECT_EQ(font->GetEscapement(), 0) << "assigning an upright font makes it upright again";
  EXPECT_EQ(LogFontOf(font->GetHandle()).lfEscapement, 0);
}

TEST(FontLogFont, AGivenWeightStaysWhileTheStyleAgreesWithIt) {
  struct TCase {
    LONG Given;
    TFontStyles Style;  // set after the font was given
    LONG Drawn;
  };
  const TCase cases[] = {
      {FW_LIGHT, {}, FW_LIGHT},          {FW_LIGHT, {fsBold}, FW_BOLD},
      {FW_HEAVY, {fsBold}, FW_HEAVY},    {FW_HEAVY, {}, FW_NORMAL},
      {FW_DONTCARE, {}, FW_NORMAL},      {FW_DONTCARE, {fsBold}, FW_BOLD},
      {FW_SEMIBOLD, {}, FW_SEMIBOLD},
  };
  for (const TCase& c : cases) {
    LOGFONTA lf = RotatedLogFont(0);
    lf.lfWeight = c.Given;
    TOwnedPtr<TFont> font = NewOwned<TFont>();
    font->AssignLogFont(lf);
    font->SetStyle(c.Style);
    EXPECT_EQ(LogFontOf(font->GetHandle()).lfWeight, c.Drawn) << c.Given << (c.Style.Contains(fsBold) ? " bold" : "");
  }
}

// A listener that measures with the font's handle sees the new description, while the handle it had
// before is still alive (a canvas deselects it then) and is freed once every listener has heard.
TEST(FontChange, ListenersSeeTheRenewedHandleWhileTheOldOneStillLives) {
  TOwnedPtr<TFont> font = NewOwned<TFont>();
  font->SetHeight(-37);  // a description no other font uses: its handle is this font's alone
  HFONT old = font->GetHandle();
  const Integer cached = GraphicsCacheCount();

  LONG seenHeight = 0;
  bool oldAlive = false;
  font->OnChange = [&](TObject*) {
    seenHeight = LogFontOf(font->GetHandle()).lfHeight;
    LOGFONTA lf;
    oldAlive = GetObjectA(old, sizeof lf, &lf) > 0;
  };
  font->SetHeight(-41);
  EXPECT_EQ(seenHeight, -41);
  EXPECT_TRUE(oldAlive);
  EXPECT_EQ(GraphicsCacheCount(), cached) << "the old handle left the cache after the listeners";
  LOGFONTA lf;
  EXPECT_EQ(GetObjectA(old, sizeof lf, &lf), 0);
}

class TFontMeasuringControl : public TGraphicControl {
  DECLARE_CLASS(TFontMeasuringControl, TGraphicControl)
 public:
  using TGraphicControl::TGraphicControl;
  Integer MeasuredHeight = 0;

 protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == CM_FONTCHANGED) {
      HDC dc = CreateCompatibleDC(nullptr);
      HGDIOBJ old = SelectObject(dc, GetFont()->GetHandle());
      TEXTMETRICA tm;
      GetTextMetricsA(dc, &tm);
      MeasuredHeight = tm.tmHeight;
      SelectObject(dc, old);
      DeleteDC(dc);
    }
    inherited::WndProc(Message);
  }
};
IMPLEMENT_CLASS(TFontMeasuringControl)

TEST(FontChange, AControlMeasuresItsNewFontOnFontChanged) {
  TOwnedPtr<TFontMeasuringControl> control = NewOwned<TFontMeasuringControl>();
  TFont* font = control->GetFont();
  font->SetHeight(-14);
  const Integer small = control->MeasuredHeight;
  EXPECT_GE(small, 14);
  // Each time the control has drawn with its font (so a handle of the old size exists) before the
  // size changes.
  font->GetHandle();
  font->SetHeight(-30);
  EXPECT_GE(control->MeasuredHeight, 30);
  font->GetHandle();
  font->SetHeight(-14);
  EXPECT_EQ(control->MeasuredHeight, small);
}

}  // namespace
