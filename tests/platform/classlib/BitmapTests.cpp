// Bitmaps: pixel formats through BMP files, damaged files refused cleanly, shared pixels copied on
// change, dormant bitmaps, scan lines, transparency, form data, resources; icons and pictures.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "Components.h"
#include "Exceptions.h"
#include "Filer.h"
#include "Graphics.h"
#include "Resources.h"
#include "Streams.h"
#include "WinGdi.h"
#include "WinIcons.h"

namespace {

// Three columns: red, white, black; on two rows.
void Paint(TBitmap* b) {
  b->SetSize(3, 2);
  for (Integer y = 0; y < 2; ++y) {
    b->GetCanvas()->SetPixel(0, y, clRed);
    b->GetCanvas()->SetPixel(1, y, clWhite);
    b->GetCanvas()->SetPixel(2, y, clBlack);
  }
}

std::vector<uint8_t> Bytes(TBitmap* b) {
  TOwnedPtr<TMemoryStream> s = NewOwned<TMemoryStream>();
  b->SaveToStream(s.get());
  auto* p = static_cast<const uint8_t*>(s->GetMemory());
  return std::vector<uint8_t>(p, p + s->GetSize());
}

void Load(TBitmap* b, const std::vector<uint8_t>& bytes) {
  TOwnedPtr<TMemoryStream> s = NewOwned<TMemoryStream>();
  if (!bytes.empty()) s->WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
  s->SetPosition(0);
  b->LoadFromStream(s.get());
}

void Put32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
  for (int i = 0; i < 4; ++i) v[at + i] = static_cast<uint8_t>(x >> (8 * i));
}
void Put16(std::vector<uint8_t>& v, size_t at, uint16_t x) {
  v[at] = static_cast<uint8_t>(x);
  v[at + 1] = static_cast<uint8_t>(x >> 8);
}

TEST(Bitmaps, EachPixelFormatSurvivesABmpFile) {
  struct TCase {
    TPixelFormat Format, Loaded;
    TColor Red;  // what red becomes in the format
  };
  const TCase cases[] = {{pf1bit, pf1bit, clBlack},   {pf4bit, pf4bit, clRed},   {pf8bit, pf8bit, clRed},
                         {pf15bit, pf15bit, clRed}, {pf24bit, pf24bit, clRed}, {pf32bit, pf32bit, clRed},
                         {pfDevice, pf24bit, clRed}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Format);
    TOwnedPtr<TBitmap> b = NewOwned<TBitmap>();
    b->SetPixelFormat(c.Format);
    Paint(b.get());
    TOwnedPtr<TBitmap> copy = NewOwned<TBitmap>();
    Load(copy.get(), Bytes(b.get()));
    EXPECT_EQ(copy->GetPixelFormat(), c.Loaded);
    EXPECT_EQ(copy->GetWidth(), 3);
    EXPECT_EQ(copy->GetHeight(), 2);
    for (Integer y = 0; y < 2; ++y) {
      EXPECT_EQ(copy->GetCanvas()->GetPixel(0, y), c.Red);
      EXPECT_EQ(copy->GetCanvas()->GetPixel(1, y), clWhite);
      EXPECT_EQ(copy->GetCanvas()->GetPixel(2, y), clBlack);
    }
    if (c.Format != pfDevice) EXPECT_EQ(Bytes(copy.get()), Bytes(b.get())) << "read and written again unchanged";
  }
}

TEST(Bitmaps, ThirtyTwoBitsKeepTheirAlphaAndScanLinesAreTopRowFirst) {
  TOwnedPtr<TBitmap> b = NewOwned<TBitmap>();
  b->SetPixelFormat(pf32bit);
  b->SetSize(2, 2);
  auto* top = static_cast<uint32_t*>(b->GetScanLine(0));
  top[0] = 0x80102030;
  top[1] = 0xFFFF0000;  // red, opaque
  EXPECT_EQ(b->GetCanvas()->GetPixel(1, 0), clRed) << "the canvas sees what the scan line wrote";
  TOwnedPtr<TBitmap> copy = NewOwned<TBitmap>();
  Load(copy.get(), Bytes(b.get()));
  EXPECT_EQ(static_cast<uint32_t*>(copy->GetScanLine(0))[0], 0x80102030u);
  EXPECT_THROW(b->GetScanLine(2), EInvalidGraphicOperation);
  EXPECT_THROW(b->GetScanLine(-1), EInvalidGraphicOperation);

  // An indexed scan line holds indexes into the bitmap's colour table.
  TOwnedPtr<TBitmap> mono = NewOwned<TBitmap>();
  mono->SetPixelFormat(pf1bit);
  mono->SetSize(8, 2);
  static_cast<uint8_t*>(mono->GetScanLine(1))[0] = 0x0F;  // left half black, right half white
  EXPECT_EQ(mono->GetCanvas()->GetPixel(0, 1), clBlack);
  EXPECT_EQ(mono->GetCanvas()->GetPixel(7, 1), clWhite);
  EXPECT_EQ(mono->GetCanvas()->GetPixel(0, 0), clWhite) << "a new bitmap is white";
}

// A valid 2 x 2 8-bit file to damage: two colours, rows of indexes 1 0.
std::vector<uint8_t> Valid8Bit() {
  std::vector<uint8_t> f(14 + 40 + 8 + 8, 0);
  f[0] = 'B';
  f[1] = 'M';
  Put32(f, 2, static_cast<uint32_t>(f.size()));
  Put32(f, 10, 14 + 40 + 8);
  Put32(f, 14, 40);
  Put32(f, 18, 2);
  Put32(f, 22, 2);
  Put16(f, 26, 1);
  Put16(f, 28, 8);
  Put32(f, 46, 2);       // two colours
  f[54 + 4 + 2] = 0xFF;  // colour 1: red
  for (int r = 0; r < 2; ++r) f[62 + 4 * r] = 1;
  return f;
}

TEST(Bitmaps, DamagedFilesAreRefusedAndLeaveTheBitmapAsItWas) {
  {
    TOwnedPtr<TBitmap> b = NewOwned<TBitmap>();
    Load(b.get(), Valid8Bit());
    EXPECT_EQ(b->GetPixelFormat(), pf8bit);
    EXPECT_EQ(b->GetCanvas()->GetPixel(0, 0), clRed);
    EXPECT_EQ(b->GetCanvas()->GetPixel(1, 1), clBlack);
  }
  struct TCase {
    const char* Name;
    void (*Damage)(std::vector<uint8_t>&);
  };
  const TCase cases[] = {
      {"not a bitmap", [](std::vector<uint8_t>& f) { f[0] = 'X'; }},
      {"cut in the file header", [](std::vector<uint8_t>& f) { f.resize(10); }},
      {"cut in the info header", [](std::vector<uint8_t>& f) { f.resize(30); }},
      {"cut in the colour table", [](std::vector<uint8_t>& f) { f.resize(57); }},
      {"cut in the pixels", [](std::vector<uint8_t>& f) { f.resize(f.size() - 1); }},
      {"unknown header size", [](std::vector<uint8_t>& f) { Put32(f, 14, 20); }},
      {"zero width", [](std::vector<uint8_t>& f) { Put32(f, 18, 0); }},
      {"negative width", [](std::vector<uint8_t>& f) { Put32(f, 18, 0xFFFFFFFE); }},
      {"huge sides", [](std::vector<uint8_t>& f) { Put32(f, 18, 1u << 20), Put32(f, 22, 1u << 20); }},
      {"three bits per pixel", [](std::vector<uint8_t>& f) { Put16(f, 28, 3); }},
      {"two planes", [](std::vector<uint8_t>& f) { Put16(f, 26, 2); }},
      {"unknown compression", [](std::vector<uint8_t>& f) { Put32(f, 30, 9); }},
      {"run-length of the wrong depth", [](std::vector<uint8_t>& f) { Put32(f, 30, 2); }},
      {"top-down run-length", [](std::vector<uint8_t>& f) { Put32(f, 30, 1), Put32(f, 22, 0xFFFFFFFE); }},
      {"run-length too large", [](std::vector<uint8_t>& f) { Put32(f, 30, 1), Put32(f, 18, 30000), Put32(f, 22, 30000); }},
      {"pixels past the end", [](std::vector<uint8_t>& f) { Put32(f, 10, 0x7FFFFFFF); }},
      {"pixels inside the header", [](std::vector<uint8_t>& f) { Put32(f, 10, 20); }},
      {"more colours than the format", [](std::vector<uint8_t>& f) { Put32(f, 46, 100000), f.resize(64); }},
  };
  for (const TCase& c : cases) {
    std::vector<uint8_t> f = Valid8Bit();
    c.Damage(f);
    TOwnedPtr<TBitmap> b = NewOwned<TBitmap>();
    Paint(b.get());
    EXPECT_THROW(Load(b.get(), f), EInvalidGraphic) << c.Name;
    EXPECT_EQ(b->GetWidth(), 3) << c.Name;
    EXPECT_EQ(b->GetCanvas()->GetPixel(0, 0), clRed) << c.Name;
  }
  TOwnedPtr<TBitmap> b = NewOwned<TBitmap>();
  Paint(b.get());
  Load(b.get(), {});
  EXPECT_TRUE(b->GetEmpty()) << "an empty stream is an empty bitmap";
}

TEST(Bitmaps, AssignedBitmapsSharePixelsUntilOneChanges) {
  TOwnedPtr<TBitmap> a = NewOwned<TBitmap>(), b = NewOwned<TBitmap>();
  Paint(a.get());
  int changes = 0;
  b->OnChange = [&](TObject*) { ++changes; };
  b->Assign(a.get());
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(b->GetWidth(), 3);
  EXPECT_EQ(b->GetCanvas()->GetPixel(0, 0), clRed);
  b->GetCanvas()->SetPixel(0, 0, clBlue);
  EXPECT_EQ(changes, 2) << "drawing on the canvas changes the bitmap";
  EXPECT_EQ(b->GetCanvas()->GetPixel(0, 0), clBlue);
  EXPECT_EQ(a->GetCanvas()->GetPixel(0, 0), clRed) << "the source keeps its pixels";
  EXPECT_NE(a->GetHandle(), b->GetHandle());

  b->SetSize(4, 4);
  EXPECT_EQ(b->GetCanvas()->GetPixel(0, 0), clBlue) << "resizing keeps the pixels at the top left";
  EXPECT_EQ(b->GetCanvas()->GetPixel(3, 3), clWhite);
  b->Assign(nullptr);
  EXPECT_TRUE(b->GetEmpty());

  TOwnedPtr<TFont> font = NewOwned<TFont>();
  EXPECT_THROW(b->Assign(font.get()), EAssignError);
}

TEST(Bitmaps, DormantBitmapsComeBackWithTheirFormatAndColours) {
  TOwnedPtr<TBitmap> b = NewOwned<TBitmap>();
  Load(b.get(), Valid8Bit());
  TOwnedPtr<TBitmap> shared = NewOwned<TBitmap>();
  shared->Assign(b.get());
  b->Dormant();
  EXPECT_FALSE(b->HandleAllocated());
  EXPECT_FALSE(b->GetEmpty());
  EXPECT_EQ(shared->GetCanvas()->GetPixel(0, 0), clRed);
  EXPECT_EQ(b->GetPixelFormat(), pf8bit);
  EXPECT_EQ(b->GetCanvas()->GetPixel(1, 0), clBlack);
  PALETTEENTRY e[2];
  ASSERT_EQ(GetPaletteEntries(b->GetPalette(), 0, 2, e), 2u);
  EXPECT_EQ(e[1].peRed, 255);

  TOwnedPtr<TBitmap> device = NewOwned<TBitmap>();
  Paint(device.get());
  device->Dormant();
  EXPECT_EQ(device->GetPixelFormat(), pfDevice);
  EXPECT_EQ(device->GetHandleType(), bmDDB);
  EXPECT_EQ(device->GetCanvas()->GetPixel(0, 1), clRed);
  HBITMAP released = device->ReleaseHandle();
  ASSERT_NE(released, nullptr);
  EXPECT_TRUE(DeleteObject(released)) << "a released handle is the caller's";
  EXPECT_EQ(device->GetCanvas()->GetPixel(0, 1), clRed) << "the bitmap kept its pixels";
}

TEST(Bitmaps, FormatHandleTypeAndPaletteChangesKeepThePicture) {
  TOwnedPtr<TBitmap> b = NewOwned<TBitmap>();
  Paint(b.get());
  EXPECT_EQ(b->GetHandleType(), bmDDB);
  b->SetHandleType(bmDIB);
  EXPECT_EQ(b->GetPixelFormat(), pf32bit);
  EXPECT_EQ(b->GetCanvas()->GetPixel(0, 0), clRed);
  b->SetMonochrome(true);
  EXPECT_TRUE(b->GetMonochrome());
  EXPECT_EQ(b->GetPixelFormat(), pf1bit);
  EXPECT_EQ(b->GetCanvas()->GetPixel(1, 0), clWhite);
  EXPECT_EQ(b->GetCanvas()->GetPixel(2, 0), clBlack);
  EXPECT_THROW(b->SetPixelFormat(pfCustom), EInvalidGraphic);

  // A new palette gives the indexes new colours.
  TOwnedPtr<TBitmap> indexed = NewOwned<TBitmap>();
  Load(indexed.get(), Valid8Bit());
  std::vector<uint8_t> buffer(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY));
  auto* lp = reinterpret_cast<LOGPALETTE*>(buffer.data());
  lp->palVersion = 0x300;
  lp->palNumEntries = 2;
  lp->palPalEntry[0] = PALETTEENTRY{0, 0, 255, 0};
  lp->palPalEntry[1] = PALETTEENTRY{0, 255, 0, 0};
  int changes = 0;
  indexed->OnChange = [&](TObject*) { ++changes; };
  indexed->SetPalette(CreatePalette(lp));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(indexed->GetCanvas()->GetPixel(0, 0), clLime);
  EXPECT_EQ(indexed->GetCanvas()->GetPixel(1, 0), clBlue);
  // A copy made on change keeps the indexes, even of colours the table holds twice.
  lp->palPalEntry[1] = PALETTEENTRY{0, 0, 255, 0};
  indexed->SetPalette(CreatePalette(lp));
  TOwnedPtr<TBitmap> twin = NewOwned<TBitmap>();
  twin->Assign(indexed.get());
  EXPECT_EQ(static_cast<uint8_t*>(twin->GetScanLine(0))[0], 1) << "the scan line asks for a copy";
  HPALETTE released = indexed->ReleasePalette();
  EXPECT_TRUE(DeleteObject(released));
}

TEST(Bitmaps, TransparentBitmapsDrawWithoutTheirTransparentColour) {
  TOwnedPtr<TBitmap> b = NewOwned<TBitmap>();
  Paint(b.get());
  b->GetCanvas()->SetPixel(0, 1, clFuchsia);
  EXPECT_EQ(b->GetTransparentMode(), tmAuto);
  EXPECT_EQ(b->GetTransparentColor(), clFuchsia) << "the bottom-left pixel";
  b->SetTransparent(true);
  TOwnedPtr<TBitmap> target = NewOwned<TBitmap>();
  target->SetSize(6, 4);
  target->GetCanvas()->GetBrush()->SetColor(clLime);
  target->GetCanvas()->FillRect(TRect(0, 0, 6, 4));
  target->GetCanvas()->Draw(1, 1, b.get());
  EXPECT_EQ(target->GetCanvas()->GetPixel(1, 2), clLime);
  EXPECT_EQ(target->GetCanvas()->GetPixel(1, 1), clRed);
  EXPECT_EQ(target->GetCanvas()->GetPixel(3, 1), clBlack);

  b->SetTransparentColor(clBlack);
  EXPECT_EQ(b->GetTransparentMode(), tmFixed);
  target->GetCanvas()->FillRect(TRect(0, 0, 6, 4));
  target->GetCanvas()->StretchDraw(TRect(0, 0, 6, 4), b.get());
  EXPECT_EQ(target->GetCanvas()->GetPixel(5, 3), clLime);
  EXPECT_EQ(target->GetCanvas()->GetPixel(0, 3), clFuchsia);
  b->SetTransparentMode(tmAuto);
  EXPECT_EQ(b->GetTransparentColor(), clFuchsia);

  // BrushCopy: the brush shows where the bitmap has the given colour.
  target->GetCanvas()->GetBrush()->SetColor(clYellow);
  target->GetCanvas()->BrushCopy(TRect(0, 0, 3, 2), b.get(), TRect(0, 0, 3, 2), clWhite);
  EXPECT_EQ(target->GetCanvas()->GetPixel(1, 0), clYellow);
  EXPECT_EQ(target->GetCanvas()->GetPixel(0, 0), clRed);
}

// A component with a bitmap, to keep one in a form resource.
class TGlyphHolder : public TComponent {
  DECLARE_CLASS(TGlyphHolder, TComponent)
 public:
  TBitmap* GetGlyph() const { return FGlyph; }
  void SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }

 protected:
  void Construct() override {
    inherited::Construct();
    FGlyph = New<TBitmap>();
  }
  void Destroy() override {
    FGlyph->Free();
    inherited::Destroy();
  }

 private:
  TBitmap* FGlyph = nullptr;
};

IMPLEMENT_CLASS_PUBLISHED(TGlyphHolder) { d.Property("Glyph", &TGlyphHolder::GetGlyph, &TGlyphHolder::SetGlyph); }

TEST(Bitmaps, FormResourcesKeepTheBitmapAsItsDataEntry) {
  TOwnedPtr<TGlyphHolder> holder = NewOwned<TGlyphHolder>();
  holder->GetGlyph()->SetPixelFormat(pf24bit);
  Paint(holder->GetGlyph());
  TOwnedPtr<TMemoryStream> stream = NewOwned<TMemoryStream>();
  WriteComponent(stream.get(), holder.get());
  stream->SetPosition(0);
  TOwnedPtr<TGlyphHolder> read = NewOwned<TGlyphHolder>();
  ReadComponent(stream.get(), read.get());
  EXPECT_EQ(read->GetGlyph()->GetPixelFormat(), pf24bit);
  EXPECT_EQ(read->GetGlyph()->GetCanvas()->GetPixel(0, 1), clRed);
  EXPECT_TRUE(read->GetGlyph()->Equals(holder->GetGlyph()));

  // An empty bitmap writes no entry at all.
  TOwnedPtr<TGlyphHolder> empty = NewOwned<TGlyphHolder>();
  TOwnedPtr<TMemoryStream> small = NewOwned<TMemoryStream>();
  WriteComponent(small.get(), empty.get());
  EXPECT_LT(small->GetSize() + 40, stream->GetSize());
}

TEST(Bitmaps, ResourcesLoadAsFilesOrPackedBitmaps) {
  static std::vector<uint8_t> file = Valid8Bit();
  static std::vector<uint8_t> packed(file.begin() + 14, file.end());
  static const TResourceEntry entries[] = {{"#2", "TESTGLYPHFILE", file.data(), file.size()},
                                           {"#2", "TESTGLYPHPACKED", packed.data(), packed.size()}};
  static const TResourceTable table{entries, 2};
  RegisterResourceTable(table);
  for (const char* name : {"TestGlyphFile", "TestGlyphPacked"}) {
    TOwnedPtr<TBitmap> b = NewOwned<TBitmap>();
    b->LoadFromResourceName(HInstance, name);
    EXPECT_EQ(b->GetPixelFormat(), pf8bit) << name;
    EXPECT_EQ(b->GetCanvas()->GetPixel(0, 0), clRed) << name;
  }
  TOwnedPtr<TBitmap> b = NewOwned<TBitmap>();
  EXPECT_THROW(b->LoadFromResourceName(HInstance, "NoSuchGlyph"), EResNotFound);
}

// A component with a picture, to keep one in a form resource.
class TPictureHolder : public TComponent {
  DECLARE_CLASS(TPictureHolder, TComponent)
 public:
  TPicture* GetPicture() const { return FPicture; }
  void SetPicture(TPicture* Value) { FPicture->Assign(Value); }

 protected:
  void Construct() override {
    inherited::Construct();
    FPicture = New<TPicture>();
  }
  void Destroy() override {
    FPicture->Free();
    inherited::Destroy();
  }

 private:
  TPicture* FPicture = nullptr;
};

IMPLEMENT_CLASS_PUBLISHED(TPictureHolder) {
  d.Property("Picture", &TPictureHolder::GetPicture, &TPictureHolder::SetPicture);
}

TEST(Pictures, FormResourcesKeepTheGraphicWithItsClass) {
  TOwnedPtr<TPictureHolder> holder = NewOwned<TPictureHolder>();
  Paint(holder->GetPicture()->GetBitmap());
  TOwnedPtr<TMemoryStream> stream = NewOwned<TMemoryStream>();
  WriteComponent(stream.get(), holder.get());
  stream->SetPosition(0);
  TOwnedPtr<TPictureHolder> read = NewOwned<TPictureHolder>();
  read->GetPicture()->GetIcon();  // a graphic of another kind, to be replaced
  ReadComponent(stream.get(), read.get());
  auto* bitmap = dynamic_cast<TBitmap*>(read->GetPicture()->GetGraphic());
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap->GetCanvas()->GetPixel(0, 1), clRed);
  TOwnedPtr<TPicture> p = NewOwned<TPicture>();
  EXPECT_THROW(p->LoadFromFile("picture.xyz"), EInvalidGraphic);
}

TEST(Icons, AnIconFileKeepsImageAndMask) {
  HBITMAP color = CreateBitmap(4, 4, 1, 32, nullptr);
  HBITMAP mask = CreateBitmap(4, 4, 1, 1, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, color);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) SetPixel(dc, x, y, x + y ? RGB(0, 0, 255) : RGB(0, 0, 0));
  SelectObject(dc, mask);
  PatBlt(dc, 0, 0, 4, 4, BLACKNESS);
  SetPixel(dc, 0, 0, RGB(255, 255, 255));  // the top-left pixel is transparent
  SelectObject(dc, old);
  DeleteDC(dc);
  ICONINFO ii;
  ii.hbmColor = color;
  ii.hbmMask = mask;
  TOwnedPtr<TIcon> icon = NewOwned<TIcon>();
  icon->SetHandle(CreateIconIndirect(&ii));
  DeleteObject(color);
  DeleteObject(mask);
  EXPECT_EQ(icon->GetWidth(), 4);

  TOwnedPtr<TMemoryStream> s = NewOwned<TMemoryStream>();
  icon->SaveToStream(s.get());
  s->SetPosition(0);
  TOwnedPtr<TIcon> copy = NewOwned<TIcon>();
  copy->LoadFromStream(s.get());
  EXPECT_EQ(copy->GetHeight(), 4);
  TOwnedPtr<TBitmap> target = NewOwned<TBitmap>();
  target->SetSize(4, 4);
  target->GetCanvas()->GetBrush()->SetColor(clLime);
  target->GetCanvas()->FillRect(TRect(0, 0, 4, 4));
  target->GetCanvas()->Draw(0, 0, copy.get());
  EXPECT_EQ(target->GetCanvas()->GetPixel(0, 0), clLime);
  EXPECT_EQ(target->GetCanvas()->GetPixel(1, 0), clBlue);

  std::vector<uint8_t> bytes(static_cast<const uint8_t*>(s->GetMemory()),
                             static_cast<const uint8_t*>(s->GetMemory()) + s->GetSize());
  for (size_t cut : {size_t(0), size_t(5), size_t(21), size_t(40), bytes.size() - 1}) {
    TOwnedPtr<TMemoryStream> damaged = NewOwned<TMemoryStream>();
    if (cut) damaged->WriteBuffer(bytes.data(), static_cast<Integer>(cut));
    damaged->SetPosition(0);
    TOwnedPtr<TIcon> other = NewOwned<TIcon>();
    EXPECT_THROW(other->LoadFromStream(damaged.get()), EInvalidGraphic) << cut;
  }
}

TEST(Pictures, APictureHoldsACopyOfOneGraphic) {
  TOwnedPtr<TBitmap> b = NewOwned<TBitmap>();
  Paint(b.get());
  TOwnedPtr<TPicture> p = NewOwned<TPicture>();
  int changes = 0;
  p->OnChange = [&](TObject*) { ++changes; };
  p->SetGraphic(b.get());
  EXPECT_EQ(changes, 1);
  EXPECT_NE(p->GetGraphic(), b.get());
  EXPECT_EQ(p->GetWidth(), 3);
  p->GetBitmap()->GetCanvas()->SetPixel(0, 0, clBlue);
  EXPECT_EQ(changes, 2) << "a change of the graphic is a change of the picture";
  EXPECT_EQ(b->GetCanvas()->GetPixel(0, 0), clRed);
  EXPECT_EQ(p->GetIcon()->GetWidth(), 0) << "asking for an icon replaces the bitmap";
  EXPECT_EQ(p->GetBitmap()->GetWidth(), 0);
  TOwnedPtr<TPicture> q = NewOwned<TPicture>();
  p->SetBitmap(b.get());
  q->Assign(p.get());
  EXPECT_EQ(q->GetBitmap()->GetCanvas()->GetPixel(0, 1), clRed);
  q->Assign(nullptr);
  EXPECT_EQ(q->GetGraphic(), nullptr);
}

TEST(Pictures, PatternBitmapsAreSharedPerColourPair) {
  TBitmap* a = AllocPatternBitmap(clWhite, clBlack);
  EXPECT_EQ(AllocPatternBitmap(clWhite, clBlack), a);
  EXPECT_NE(AllocPatternBitmap(clBlack, clWhite), a);
  EXPECT_EQ(a->GetCanvas()->GetPixel(0, 0), clWhite);
  EXPECT_EQ(a->GetCanvas()->GetPixel(1, 0), clBlack);
  TOwnedPtr<TBrush> b1 = NewOwned<TBrush>(), b2 = NewOwned<TBrush>();
  b1->SetBitmap(a);
  b2->SetBitmap(a);
  EXPECT_EQ(b1->GetHandle(), b2->GetHandle()) << "brushes of one pattern share a handle";
}

}  // namespace
