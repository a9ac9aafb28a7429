// Rect, image and list helpers, light colours, colour names and the object-data queries of the
// graphics unit.
#include "cxGraphicsFunctions.h"

#include <algorithm>

#include "Components.h"
#include "RtlMath.h"
#include "ImgList.h"
#include "Strings.h"
#include "WinUserDraw.h"
#include "cxGraphics.h"

namespace cxGraphics {

namespace {

// A CSS colour written as #RRGGBB, stored the system's way (0x00BBGGRR).
constexpr TColor Css(uint32_t rgb) {
  return static_cast<TColor>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}
constexpr TColor Sys(int index) { return static_cast<TColor>(0x80000000u | static_cast<uint32_t>(index)); }

}  // namespace

const UINT SystemAlignmentsHorz[3] = {DT_LEFT, DT_RIGHT, DT_CENTER};
const UINT SystemAlignmentsVert[3] = {DT_TOP, DT_BOTTOM, DT_VCENTER};
const Integer cxAlignmentsHorz[3] = {cxtfAlignLeft, cxtfAlignRight, cxtfAlignHCenter};
const Integer cxAlignmentsVert[3] = {cxtfAlignTop, cxtfAlignBottom, cxtfAlignVCenter};

TcxDrawImageProc CustomDrawImageProc = nullptr;

// Sized by its rows, so that the declared count is checked against them.
const TcxColorInfo cxColorsByName[] = {
    {"aliceblue", Css(0xF0F8FF)},
    {"antiquewhite", Css(0xFAEBD7)},
    {"aqua", Css(0x00FFFF)},
    {"aquamarine", Css(0x7FFFD4)},
    {"azure", Css(0xF0FFFF)},
    {"beige", Css(0xF5F5DC)},
    {"bisque", Css(0xFFE4C4)},
    {"black", Css(0x000000)},
    {"blanchedalmond", Css(0xFFEBCD)},
    {"blue", Css(0x0000FF)},
    {"blueviolet", Css(0x8A2BE2)},
    {"brown", Css(0xA52A2A)},
    {"burlywood", Css(0xDEB887)},
    {"cadetblue", Css(0x5F9EA0)},
    {"chartreuse", Css(0x7FFF00)},
    {"chocolate", Css(0xD2691E)},
    {"coral", Css(0xFF7F50)},
    {"cornflowerblue", Css(0x6495ED)},
    {"cornsilk", Css(0xFFF8DC)},
    {"crimson", Css(0xDC143C)},
    {"cyan", Css(0x00FFFF)},
    {"darkblue", Css(0x00008B)},
    {"darkcyan", Css(0x008B8B)},
    {"darkgoldenrod", Css(0xB8860B)},
    {"darkgray", Css(0xA9A9A9)},
    {"darkgreen", Css(0x006400)},
    {"darkkhaki", Css(0xBDB76B)},
    {"darkmagenta", Css(0x8B008B)},
    {"darkolivegreen", Css(0x556B2F)},
    {"darkorange", Css(0xFF8C00)},
    {"darkorchid", Css(0x9932CC)},
    {"darkred", Css(0x8B0000)},
    {"darksalmon", Css(0xE9967A)},
    {"darkseagreen", Css(0x8FBC8F)},
    {"darkslateblue", Css(0x483D8B)},
    {"darkslategray", Css(0x2F4F4F)},
    {"darkturquoise", Css(0x00CED1)},
    {"darkviolet", Css(0x9400D3)},
    {"deeppink", Css(0xFF1493)},
    {"deepskyblue", Css(0x00BFFF)},
    {"dimgray", Css(0x696969)},
    {"dodgerblue", Css(0x1E90FF)},
    {"firebrick", Css(0xB22222)},
    {"floralwhite", Css(0xFFFAF0)},
    {"forestgreen", Css(0x228B22)},
    {"fuchsia", Css(0xFF00FF)},
    {"gainsboro", Css(0xDCDCDC)},
    {"ghostwhite", Css(0xF8F8FF)},
    {"gold", Css(0xFFD700)},
    {"goldenrod", Css(0xDAA520)},
    {"gray", Css(0x808080)},
    {"green", Css(0x008000)},
    {"greenyellow", Css(0xADFF2F)},
    {"honeydew", Css(0xF0FFF0)},
    {"hotpink", Css(0xFF69B4)},
    {"indianred", Css(0xCD5C5C)},
    {"indigo", Css(0x4B0082)},
    {"ivory", Css(0xFFFFF0)},
    {"khaki", Css(0xF0E68C)},
    {"lavender", Css(0xE6E6FA)},
    {"lavenderblush", Css(0xFFF0F5)},
    {"lawngreen", Css(0x7CFC00)},
    {"lemonchiffon", Css(0xFFFACD)},
    {"lightblue", Css(0xADD8E6)},
    {"lightcoral", Css(0xF08080)},
    {"lightcyan", Css(0xE0FFFF)},
    {"lightgoldenrodyellow", Css(0xFAFAD2)},
    {"lightgreen", Css(0x90EE90)},
    {"lightgrey", Css(0xD3D3D3)},
    {"lightpink", Css(0xFFB6C1)},
    {"lightsalmon", Css(0xFFA07A)},
    {"lightseagreen", Css(0x20B2AA)},
    {"lightskyblue", Css(0x87CEFA)},
    {"lightslategray", Css(0x778899)},
    {"lightsteelblue", Css(0xB0C4DE)},
    {"lightyellow", Css(0xFFFFE0)},
    {"lime", Css(0x00FF00)},
    {"limegreen", Css(0x32CD32)},
    {"linen", Css(0xFAF0E6)},
    {"magenta", Css(0xFF00FF)},
    {"maroon", Css(0x800000)},
    {"mediumaquamarine", Css(0x66CDAA)},
    {"mediumblue", Css(0x0000CD)},
    {"mediumorchid", Css(0xBA55D3)},
    {"mediumpurple", Css(0x9370DB)},
    {"mediumseagreen", Css(0x3CB371)},
    {"mediumpurple", Css(0x9370DB)},
    {"mediumslateblue", Css(0x7B68EE)},
    {"mediumspringgreen", Css(0x00FA9A)},
    {"mediumturquoise", Css(0x48D1CC)},
    {"mediumvioletred", Css(0xC71585)},
    {"midnightblue", Css(0x191970)},
    {"mintcream", Css(0xF5FFFA)},
    {"mistyrose", Css(0xFFE4E1)},
    {"moccasin", Css(0xFFE4B5)},
    {"navajowhite", Css(0xFFDEAD)},
    {"navy", Css(0x000080)},
    {"oldlace", Css(0xFDF5E6)},
    {"olive", Css(0x808000)},
    {"olivedrab", Css(0x6B8E23)},
    {"orange", Css(0xFFA500)},
    {"orangered", Css(0xFF4500)},
    {"orchid", Css(0xDA70D6)},
    {"palegoldenrod", Css(0xEEE8AA)},
    {"palegreen", Css(0x98FB98)},
    {"paleturquoise", Css(0xAFEEEE)},
    {"palevioletred", Css(0xDB7093)},
    {"papayawhip", Css(0xFFEFD5)},
    {"peachpuff", Css(0xFFDAB9)},
    {"peru", Css(0xCD853F)},
    {"pink", Css(0xFFC0CB)},
    {"plum", Css(0xDDA0DD)},
    {"powderblue", Css(0xB0E0E6)},
    {"purple", Css(0x800080)},
    {"red", Css(0xFF0000)},
    {"rosybrown", Css(0xBC8F8F)},
    {"royalblue", Css(0x4169E1)},
    {"saddlebrown", Css(0x8B4513)},
    {"salmon", Css(0xFA8072)},
    {"sandybrown", Css(0xF4A460)},
    {"seagreen", Css(0x2E8B57)},
    {"seashell", Css(0xFFF5EE)},
    {"sienna", Css(0xA0522D)},
    {"silver", Css(0xC0C0C0)},
    {"skyblue", Css(0x87CEEB)},
    {"slateblue", Css(0x6A5ACD)},
    {"slategray", Css(0x708090)},
    {"snow", Css(0xFFFAFA)},
    {"springgreen", Css(0x00FF7F)},
    {"steelblue", Css(0x4682B4)},
    {"tan", Css(0xD2B48C)},
    {"teal", Css(0x008080)},
    {"thistle", Css(0xD8BFD8)},
    {"tomato", Css(0xFF6347)},
    {"turquoise", Css(0x40E0D0)},
    {"violet", Css(0xEE82EE)},
    {"wheat", Css(0xF5DEB3)},
    {"white", Css(0xFFFFFF)},
    {"whitesmoke", Css(0xF5F5F5)},
    {"yellow", Css(0xFFFF00)},
    {"yellowgreen", Css(0x9ACD32)},
    {"activeborder", Sys(10)},
    {"activecaption", Sys(2)},
    {"appworkspace", Sys(12)},
    {"background", Sys(1)},
    {"buttonface", Sys(15)},
    {"buttonhighlight", Sys(20)},
    {"buttonshadow", Sys(16)},
    {"buttontext", Sys(18)},
    {"captiontext", Sys(9)},
    {"graytext", Sys(17)},
    {"highlight", Sys(13)},
    {"highlighttext", Sys(14)},
    {"inactiveborder", Sys(11)},
    {"inactivecaption", Sys(3)},
    {"inactivecaptiontext", Sys(19)},
    {"infobackground", Sys(24)},
    {"infotext", Sys(23)},
    {"menu", Sys(4)},
    {"menutext", Sys(7)},
    {"scrollbar", Sys(0)},
    {"threeddarkshadow", Sys(21)},
    {"threedface", Sys(15)},
    {"threedhighlight", Sys(20)},
    {"threedlightshadow", Sys(22)},
    {"threedshadow", Sys(16)},
    {"window", Sys(5)},
    {"windowframe", Sys(6)},
    {"windowtext", Sys(8)},
};

// ---- Rect, image and list helpers -----------------------------------------------------------------------

void ExtendRect(TRect& Rect, const TRect& AExtension) {
  Rect.left += AExtension.left;
  Rect.top += AExtension.top;
  Rect.right -= AExtension.right;
  Rect.bottom -= AExtension.bottom;
}

bool IsGlyphAssigned(TBitmap* AGlyph) { return AGlyph != nullptr && !AGlyph->GetEmpty(); }

bool IsImageAssigned(TCustomImageList* AImageList, Integer AImageIndex) {
  return AImageList != nullptr && AImageIndex >= 0 && AImageIndex < AImageList->GetCount();
}

void cxSetImageList(TCustomImageList* ANewImageList, TCustomImageList*& AImageListField, TChangeLink* AChangeLink,
                    Components::TComponent* ANotifyComponent) {
  if (ANewImageList == AImageListField) return;
  if (AImageListField != nullptr) {
    if (ANotifyComponent != nullptr) AImageListField->RemoveFreeNotification(ANotifyComponent);
    if (AChangeLink != nullptr) AImageListField->UnRegisterChanges(AChangeLink);
  }
  AImageListField = ANewImageList;
  if (ANewImageList != nullptr) {
    if (AChangeLink != nullptr) ANewImageList->RegisterChanges(AChangeLink);
    if (ANotifyComponent != nullptr) ANewImageList->FreeNotification(ANotifyComponent);
  }
  if (AChangeLink != nullptr) AChangeLink->Change();
}

// The platform's common controls are those of the designed-on desktop with its visual styles.
constexpr DWORD cxCommonControlsVersion = 0x00060000;  // 6.0

bool IsXPManifestEnabled() { return cxCommonControlsVersion > 0x5FFFF; }

// ---- Colours ----------------------------------------------------------------------------------------------

TColor GetLightSelColor() { return static_cast<TColor>(GetRealColor(GetLightColor(-2, 30, 72))); }
TColor GetLightDownedSelColor() { return static_cast<TColor>(GetRealColor(GetLightColor(14, 44, 40))); }
TColor GetLightDownedColor() { return static_cast<TColor>(GetRealColor(GetLightColor(11, 9, 73))); }

TColor GetLightBtnFaceColor() {
  COLORREF face = GetRealColor(ColorToRGB(clBtnFace));
  auto raise = [](BYTE c) { return static_cast<BYTE>(std::min(255, c + RtlMath::MulDiv(255 - c, 16, 100))); };
  return static_cast<TColor>(RGB(raise(GetRValue(face)), raise(GetGValue(face)), raise(GetBValue(face))));
}

RGBQUAD cxColorToRGBQuad(TColor AColor, BYTE AReserved) {
  COLORREF c = ColorToRGB(AColor);
  RGBQUAD q;
  q.rgbBlue = GetBValue(c);
  q.rgbGreen = GetGValue(c);
  q.rgbRed = GetRValue(c);
  q.rgbReserved = AReserved;
  return q;
}

bool cxColorByName(const String& AName, TColor& AColor) {
  for (const TcxColorInfo& info : cxColorsByName)
    if (SameText(AName, info.Name)) {
      AColor = info.Color;
      return true;
    }
  return false;
}

bool cxNameByColor(TColor AColor, String& AName) {
  for (const TcxColorInfo& info : cxColorsByName)
    if (info.Color == AColor) {
      AName = info.Name;
      return true;
    }
  return false;
}

// ---- Object data ------------------------------------------------------------------------------------------

bool cxGetBitmapData(HBITMAP ABitmapHandle, BITMAP& ABitmapData) {
  return GetObject(ABitmapHandle, sizeof(BITMAP), &ABitmapData) != 0;
}

bool cxGetBrushData(HBRUSH ABrushHandle, LOGBRUSH& ALogBrush) {
  return GetObject(ABrushHandle, sizeof(LOGBRUSH), &ALogBrush) != 0;
}

LOGBRUSH cxGetBrushData(HBRUSH ABrushHandle) {
  LOGBRUSH result;
  cxGetBrushData(ABrushHandle, result);
  return result;
}

bool cxGetFontData(HFONT AFontHandle, LOGFONTA& ALogFont) {
  return GetObject(AFontHandle, sizeof(LOGFONTA), &ALogFont) != 0;
}

bool cxGetPenData(HPEN APenHandle, LOGPEN& ALogPen) { return GetObject(APenHandle, sizeof(LOGPEN), &ALogPen) != 0; }

}  // namespace cxGraphics
