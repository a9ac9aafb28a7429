// The framework bitmaps: always 32-bit, clearing, the update lock, the per-pixel effects with their
// transparent colours, hatching and masks, and the bitmap data written plain or run-length packed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include "Exceptions.h"
#include "Streams.h"
#include "WinUserDraw.h"
#include "cxGraphicsBitmaps.h"
#include "cxGraphicsFunctions.h"
#include "raster/PixelBlend.h"

namespace {

RGBQUAD Quad(int b, int g, int r, int a) {
  RGBQUAD q;
  q.rgbBlue = static_cast<BYTE>(b);
  q.rgbGreen = static_cast<BYTE>(g);
  q.rgbRed = static_cast<BYTE>(r);
  q.rgbReserved = static_cast<BYTE>(a);
  return q;
}

uint32_t Value(const RGBQUAD& q) {
  return q.rgbBlue | q.rgbGreen << 8 | q.rgbRed << 16 | static_cast<uint32_t>(q.rgbReserved) << 24;
}

// A bitmap whose stream entry can be written and read directly.
class TStreamedBitmap : public TcxBitmap {
 public:
  using TcxBitmap::TcxBitmap;
  using TcxCustomBitmap::ReadData;
  using TcxCustomBitmap::WriteData;
};

TEST(TcxBitmap, IsAlways32BitAndClearsToItsClearColour) {
  for (TPixelFormat format : {Graphics::pf1bit, Graphics::pf24bit, Graphics::pfDevice}) {
    auto bitmap = NewOwned<TcxBitmap>(3, 2, format);
    EXPECT_EQ(bitmap->GetPixelFormat(), Graphics::pf32bit);
    for (const RGBQUAD& q : bitmap->GetBitmapColors()) EXPECT_EQ(Value(q) & 0xFFFFFF, 0u);
  }
  auto tinted = NewOwned<TcxBitmap>(2, 2, Quad(1, 2, 3, 4));
  for (const RGBQUAD& q : tinted->GetBitmapColors()) EXPECT_EQ(Value(q), 0x04030201u);
  // A clear colour without alpha clears to black.
  auto plain = NewOwned<TcxBitmap>(2, 2, Quad(9, 9, 9, 0));
  for (const RGBQUAD& q : plain->GetBitmapColors()) EXPECT_EQ(Value(q) & 0xFFFFFF, 0u);
  plain->SetSize(4, 3);
  EXPECT_EQ(plain->GetBitmapColors().size(), 12u);
}

TEST(TcxBitmap, ChangesInsideTheUpdateLockNotifyOnce) {
  auto bitmap = NewOwned<TcxBitmap>(4, 4);
  int changes = 0;
  bitmap->OnChange = [&](TObject*) { ++changes; };
  bitmap->BeginUpdate();
  bitmap->BeginUpdate();
  bitmap->TransformBitmap(btmSetOpaque);
  bitmap->TransformBitmap(btmGrayScale);
  bitmap->EndUpdate(false);
  EXPECT_EQ(changes, 0);
  EXPECT_TRUE(bitmap->ChangeLocked());
  bitmap->EndUpdate(false);
  EXPECT_EQ(changes, 1);
  bitmap->BeginUpdate();
  bitmap->EndUpdate(false);  // nothing changed, nothing forced
  EXPECT_EQ(changes, 1);
  bitmap->BeginUpdate();
  bitmap->EndUpdate(true);
  EXPECT_EQ(changes, 2);
  bitmap->EndUpdate(true);  // an unbalanced end does nothing
  EXPECT_EQ(changes, 2);
}

struct TEffectCase {
  const char* Name;
  TcxBitmapTransformationMode Mode;
  RGBQUAD Before, After;
};

TEST(TcxBitmap, EffectsChangeEachPixelAndMostSpareTheTransparentColour) {
  const RGBQUAD transparent = Quad(0xFF, 0x00, 0xFF, 0x80);  // listed as clFuchsia, any alpha
  const TEffectCase cases[] = {
      {"grayscale averages", btmGrayScale, Quad(30, 60, 90, 255), Quad(60, 60, 60, 255)},
      {"disable weighs", btmDisable, Quad(30, 60, 90, 255), Quad(56, 56, 56, 255)},
      {"fade weighs", btmFade, Quad(30, 60, 90, 200), Quad(66, 66, 66, 200)},
      {"dingy lightens opaque", btmDingy, Quad(30, 60, 90, 255), Quad(98, 119, 140, 255)},
      {"dingy darkens translucent", btmDingy, Quad(255, 100, 51, 128), Quad(200, 78, 40, 100)},
      {"set opaque", btmSetOpaque, Quad(1, 2, 3, 0), Quad(1, 2, 3, 255)},
      {"correct blend fills a missing alpha", btmCorrectBlend, Quad(1, 2, 3, 0), Quad(1, 2, 3, 255)},
      {"correct blend keeps an alpha", btmCorrectBlend, Quad(1, 2, 3, 7), Quad(1, 2, 3, 7)},
      {"mask is black for opaque", btmMakeMask, Quad(1, 2, 3, 255), Quad(0, 0, 0, 0)},
  };
  for (const TEffectCase& c : cases) {
    auto bitmap = NewOwned<TcxBitmap>(2, 1);
    bitmap->GetTransparentBkColors()->Add(clFuchsia);
    bitmap->SetBitmapColors({c.Before, transparent});
    bitmap->TransformBitmap(c.Mode);
    std::vector<RGBQUAD> after = bitmap->GetBitmapColors();
    EXPECT_EQ(Value(after[0]), Value(c.After)) << c.Name;
    // Masks make transparent pixels white; opacity applies to every pixel.
    uint32_t expectedTransparent = c.Mode == btmMakeMask    ? 0xFFFFFFFF
                                   : c.Mode == btmSetOpaque ? Value(transparent) | 0xFF000000
                                                            : Value(transparent);
    EXPECT_EQ(Value(after[1]), expectedTransparent) << c.Name;
  }
}

// The row forms of the effects give the pixels of the per-pixel functions at every vector width.
// The weighted greys of the disabled and faded looks are single-precision sums rounded to the nearest
// integer, halves to even: they are tried on every colour whose sum with the decimal weights lies
// within a thousandth of a half, where a sum rounded differently (fused, or in another order) would
// show, and on random colours; the average grey on every sum of channels; dingy on every channel with
// every alpha. Rows of odd lengths, so that each width also ends rows pixel by pixel.
TEST(TcxBitmap, RowEffectsGiveThePixelsOfThePerPixelFunctions) {
  struct TRowCase {
    const char* Name;
    void (*Row)(const uint32_t*, uint32_t*, Integer);
    void (*Pixel)(RGBQUAD&);
    std::vector<uint32_t> Colours;  // blue in the low byte, alpha in the high one
  };
  // Colours near a half with the weights in ten-thousandths, with alphas cycling through every byte.
  auto nearHalves = [](int red, int green, int blue) {
    std::vector<uint32_t> colours;
    for (uint32_t c = 0; c < (1u << 24); ++c) {
      const int sum = static_cast<int>(c >> 16) * red + static_cast<int>(c >> 8 & 0xFF) * green +
                      static_cast<int>(c & 0xFF) * blue;
      if (std::abs(sum % 10000 - 5000) <= 10) colours.push_back(c | (c * 13 & 0xFF) << 24);
    }
    std::mt19937 random(5);
    for (int i = 0; i < 20000; ++i) colours.push_back(static_cast<uint32_t>(random()));
    return colours;
  };
  // Every 16-bit number spread over a colour and an alpha, the alpha of every fourth pixel opaque.
  std::vector<uint32_t> channels;
  for (uint32_t n = 0; n < (1u << 16); ++n)
    channels.push_back(((n & 0xFF) * 0x010101u ^ (n >> 8) << 8) | (n % 4 ? n >> 8 : 255) << 24);
  TRowCase cases[] = {
      {"disable", [](const uint32_t* s, uint32_t* d, Integer n) { TcxBitmap::ScaleRow(s, d, n, DisableMap); },
       [](RGBQUAD& c) { TcxBitmap::Scale(c, DisableMap); }, nearHalves(729, 7146, 2125)},
      {"fade", [](const uint32_t* s, uint32_t* d, Integer n) { TcxBitmap::ScaleRow(s, d, n, FadeMap); },
       [](RGBQUAD& c) { TcxBitmap::Scale(c, FadeMap); }, nearHalves(2990, 5870, 1140)},
      {"grayscale", &TcxBitmap::GrayScaleRow, &TcxBitmap::GrayScaleColor, channels},
      {"dingy", &TcxBitmap::DingyRow, &TcxBitmap::DingyColor, channels},
  };
  for (const TRowCase& c : cases) {
    // RGBQUAD and the pixel words share their layout: blue first in memory.
    std::vector<RGBQUAD> expected(c.Colours.size()), row(c.Colours.size());
    std::memcpy(static_cast<void*>(expected.data()), c.Colours.data(), c.Colours.size() * 4);
    for (RGBQUAD& q : expected) c.Pixel(q);
    for (int width : {4, 8, 16}) {
      LimitVectorWidth(width);
      for (size_t first = 0; first < c.Colours.size(); first += 4093) {
        const Integer count = static_cast<Integer>(std::min<size_t>(4093, c.Colours.size() - first));
        c.Row(c.Colours.data() + first, reinterpret_cast<uint32_t*>(row.data() + first), count);
      }
      if (std::memcmp(row.data(), expected.data(), row.size() * 4) == 0) continue;
      for (size_t i = 0; i < row.size(); ++i)
        ASSERT_EQ(Value(row[i]), Value(expected[i]))
            << c.Name << " of " << std::hex << c.Colours[i] << std::dec << ", " << width << " pixels at a time";
    }
  }
  LimitVectorWidth(16);
}

// Over its shadow a glyph keeps its pixels; where it is transparent black the shadow shows where the
// casting pixel is not.
TEST(TcxBitmap, ShadowRowCastsFromEveryPixelButTransparentBlack) {
  const uint32_t shadow = 0xFF808080;
  const uint32_t glyph[] = {0, 0, 0x01000000, 0x00000001, 0, 0x80402010, 0};
  const uint32_t caster[] = {0, 0x00000001, 0, 0x80402010, 0x01000000, 0xFFFFFFFF, 0};
  const uint32_t expected[] = {0, shadow, 0x01000000, 0x00000001, shadow, 0x80402010, 0};
  for (int width : {4, 16}) {
    LimitVectorWidth(width);
    uint32_t row[7];
    TcxBitmap::ShadowRow(glyph, caster, row, 7, shadow);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(row[i], expected[i]) << i << ", " << width << " pixels at a time";
  }
  LimitVectorWidth(16);
}

TEST(TcxBitmap, DirtyGreysAndShadesTowardTheButtonShadow) {
  auto bitmap = NewOwned<TcxBitmap>(1, 1);
  bitmap->SetBitmapColors({Quad(30, 60, 90, 255)});
  bitmap->TransformBitmap(btmDirty);
  RGBQUAD shadow = cxColorToRGBQuad(clBtnShadow, 0xC0);
  RGBQUAD expected = Quad(66, 66, 66, 255);  // the grey of the fade weights
  cxBlendFunction(shadow, expected, 238);
  EXPECT_EQ(Value(bitmap->GetBitmapColors()[0]), Value(expected));
}

TEST(TcxBitmap, ClearColourCountsAsTransparentOnAllFourBytes) {
  auto bitmap = NewOwned<TcxBitmap>(2, 1, Quad(5, 5, 5, 9));
  bitmap->SetBitmapColors({Quad(5, 5, 5, 9), Quad(5, 5, 5, 10)});
  EXPECT_TRUE(bitmap->IsColorTransparent(Quad(5, 5, 5, 9)));
  EXPECT_FALSE(bitmap->IsColorTransparent(Quad(5, 5, 5, 10)));
  bitmap->TransformBitmap(btmMakeMask);
  std::vector<RGBQUAD> after = bitmap->GetBitmapColors();
  EXPECT_EQ(Value(after[0]), 0xFFFFFFFFu);
  EXPECT_EQ(Value(after[1]), 0u);
}

TEST(TcxBitmap, HatchAlternatesCellsOfTheStep) {
  auto bitmap = NewOwned<TcxBitmap>(4, 4);
  bitmap->DrawHatch(clRed, clBlue, 2);
  std::vector<RGBQUAD> colors = bitmap->GetBitmapColors();  // bottom-up rows
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      bool second = (x / 2 + y / 2) % 2 == 1;
      EXPECT_EQ(Value(colors[y * 4 + x]), second ? 0xFF0000FFu : 0xFFFF0000u) << x << "," << y;
    }
  // A step of 0 hatches single pixels instead of dividing by zero.
  bitmap->DrawHatch(clRed, clBlue, 0);
  colors = bitmap->GetBitmapColors();
  EXPECT_NE(Value(colors[0]), Value(colors[1]));
  EXPECT_EQ(Value(colors[0]), Value(colors[5]));
}

TEST(TcxBitmap, AlphaUseAndRecoveryFromATransparentColour) {
  auto bitmap = NewOwned<TcxBitmap>(2, 1);
  bitmap->SetBitmapColors({Quad(0, 255, 0, 0), Quad(10, 20, 30, 0)});
  EXPECT_FALSE(bitmap->GetIsAlphaUsed());
  bitmap->RecoverAlphaChannel(clLime);
  std::vector<RGBQUAD> after = bitmap->GetBitmapColors();
  EXPECT_EQ(after[0].rgbReserved, 0);    // the transparent colour stays transparent
  EXPECT_EQ(after[1].rgbReserved, 255);  // everything else becomes opaque
  EXPECT_TRUE(bitmap->GetIsAlphaUsed());
}

TEST(TcxBitmap, FilterClearsWhereTheMaskIsWhite) {
  auto image = NewOwned<TcxBitmap>(2, 1);
  image->SetBitmapColors({Quad(10, 20, 30, 255), Quad(40, 50, 60, 255)});
  auto mask = NewOwned<TcxBitmap>(2, 1);
  mask->SetBitmapColors({Quad(255, 255, 255, 255), Quad(0, 0, 0, 0)});
  image->Filter(mask.get());
  std::vector<RGBQUAD> after = image->GetBitmapColors();
  EXPECT_EQ(Value(after[0]), 0u);
  EXPECT_EQ(Value(after[1]), Value(Quad(40, 50, 60, 255)));
}

TEST(TcxBitmap, RotatesAQuarterTurnCounterClockwise) {
  auto bitmap = NewOwned<TcxBitmap>(2, 1);
  bitmap->SetBitmapColors({Quad(1, 1, 1, 255), Quad(2, 2, 2, 255)});  // left, right
  bitmap->Rotate(raPlus90);
  ASSERT_EQ(bitmap->GetWidth(), 1);
  ASSERT_EQ(bitmap->GetHeight(), 2);
  std::vector<RGBQUAD> colors = bitmap->GetBitmapColors();  // bottom-up: bottom, top
  EXPECT_EQ(colors[0].rgbRed, 1);  // the left pixel goes down
  EXPECT_EQ(colors[1].rgbRed, 2);
  EXPECT_EQ(bitmap->GetPixelFormat(), Graphics::pf32bit);
}

// ---- Stream entry ---------------------------------------------------------------------------------------

TOwnedPtr<TStreamedBitmap> Fixture() {
  auto bitmap = NewOwned<TStreamedBitmap>(5, 3);
  std::vector<RGBQUAD> colors(15, Quad(0x11, 0x22, 0x33, 0xFF));
  colors[7] = Quad(0xAA, 0xBB, 0xCC, 0x80);
  bitmap->SetBitmapColors(colors);
  return bitmap;
}

TEST(TcxCustomBitmap, CompressedDataIsAnXdbmStreamThatReadsBack) {
  auto source = Fixture();
  source->SetCompressData(true);
  auto stream = NewOwned<TMemoryStream>();
  stream->WriteBuffer("pre", 3);  // the entry need not start at the stream's beginning
  source->WriteData(stream.get());
  const BYTE* bytes = static_cast<const BYTE*>(stream->GetMemory()) + 3;
  Integer packed = 0;
  std::memcpy(&packed, bytes, 4);
  EXPECT_EQ(packed, stream->GetSize() - 3 - 10);
  EXPECT_EQ(std::memcmp(bytes + 4, "XDBM", 4), 0);
  EXPECT_EQ(bytes[8], 1);
  EXPECT_EQ(bytes[9], 0);
  EXPECT_EQ(stream->GetPosition(), stream->GetSize());

  auto plain = NewOwned<TMemoryStream>();
  source->SetCompressData(false);
  source->WriteData(plain.get());
  EXPECT_LT(stream->GetSize() - 3, plain->GetSize());  // the uniform pixels pack well

  stream->SetPosition(3);
  auto read = NewOwned<TStreamedBitmap>();
  read->ReadData(stream.get());
  EXPECT_EQ(stream->GetPosition(), stream->GetSize());
  EXPECT_EQ(read->GetWidth(), 5);
  EXPECT_EQ(read->GetHeight(), 3);
  std::vector<RGBQUAD> expected = source->GetBitmapColors(), actual = read->GetBitmapColors();
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(Value(actual[i]), Value(expected[i])) << i;
}

TEST(TcxCustomBitmap, PlainDataReadsAsThePlatformBitmapReadsIt) {
  auto source = Fixture();
  auto stream = NewOwned<TMemoryStream>();
  source->WriteData(stream.get());
  stream->SetPosition(0);
  auto read = NewOwned<TStreamedBitmap>();
  read->ReadData(stream.get());
  EXPECT_EQ(Value(read->GetBitmapColors()[7]), Value(Quad(0xAA, 0xBB, 0xCC, 0x80)));
  EXPECT_EQ(stream->GetPosition(), stream->GetSize());
}

TEST(TcxCustomBitmap, DamagedCompressedDataRaises) {
  auto source = Fixture();
  source->SetCompressData(true);
  auto stream = NewOwned<TMemoryStream>();
  source->WriteData(stream.get());
  BYTE* bytes = static_cast<BYTE*>(stream->GetMemory());
  struct TDamage {
    const char* Name;
    size_t Offset;
    BYTE Value;
  } damages[] = {
      {"count beyond the stream", 3, 0x40},
      {"negative count", 3, 0x80},
  };
  for (const TDamage& d : damages) {
    BYTE saved = bytes[d.Offset];
    bytes[d.Offset] = d.Value;
    stream->SetPosition(0);
    auto read = NewOwned<TStreamedBitmap>();
    EXPECT_THROW(read->ReadData(stream.get()), EReadError) << d.Name;
    bytes[d.Offset] = saved;
  }
  // Packets cut off at the end.
  stream->SetSize(stream->GetSize() - 1);
  bytes = static_cast<BYTE*>(stream->GetMemory());
  Integer packed = static_cast<Integer>(stream->GetSize() - 10);
  std::memcpy(bytes, &packed, 4);
  stream->SetPosition(0);
  auto read = NewOwned<TStreamedBitmap>();
  EXPECT_THROW(read->ReadData(stream.get()), EReadError);
}

}  // namespace
