// The framework image list: the system list and the collection of image infos kept in step through
// adds, inserts, moves and deletes; alpha images read back whole; the form-stream entries and their
// round trip, plain and run-length packed, and a form resource naming the list; drawing enabled and
// disabled.
#include <gtest/gtest.h>

#include <vector>

#include "Filer.h"
#include "Forms.h"
#include "ImgList.h"
#include "ObjectText.h"
#include "Streams.h"
#include "WinImageList.h"
#include "cxGraphicsBitmaps.h"
#include "cxGraphicsFunctions.h"
#include "cxGraphicsImageList.h"

namespace {

constexpr COLORREF kColors[] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(200, 200, 0), RGB(0, 200, 200)};

// A strip of `count` 16 x 16 images, image i filled with kColors[first + i], fully opaque 32-bit.
TOwnedPtr<TcxBitmap> Strip(int count, int first = 0) {
  auto bitmap = NewOwned<TcxBitmap>(16 * count, 16);
  std::vector<RGBQUAD> colors(static_cast<size_t>(16 * count * 16));
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16 * count; ++x) {
      COLORREF c = kColors[first + x / 16];
      colors[static_cast<size_t>(y * 16 * count + x)] = {GetBValue(c), GetGValue(c), GetRValue(c), 255};
    }
  bitmap->SetBitmapColors(colors);
  return bitmap;
}

// The colour at the centre of an image, as the system list holds it.
COLORREF SystemColor(TcxImageList* list, int index) {
  auto image = NewOwned<TcxBitmap>(16, 16);
  TcxImageList::GetImageInfo(list->GetHandle(), index, image.get(), nullptr);
  return image->GetCanvas()->GetPixel(8, 8) & 0xFFFFFF;
}

// The colour at the centre of an image, as the collection holds it.
COLORREF ItemColor(TcxImageList* list, int index) {
  TBitmap* image = list->GetImageInfoCollection()->GetItems(index)->GetImage();
  return image->GetCanvas()->GetPixel(8, 8) & 0xFFFFFF;
}

void ExpectOrder(TcxImageList* list, std::initializer_list<int> colorIndexes) {
  ASSERT_EQ(list->GetCount(), static_cast<Integer>(colorIndexes.size()));
  ASSERT_EQ(list->GetImageInfoCollection()->Count(), list->GetCount());
  int i = 0;
  for (int c : colorIndexes) {
    EXPECT_EQ(SystemColor(list, i), kColors[c]) << "system image " << i;
    EXPECT_EQ(ItemColor(list, i), kColors[c]) << "item " << i;
    ++i;
  }
}

TEST(TcxImageList, AStripAddsOneImageAndOneItemPerTile) {
  auto list = NewOwned<TcxImageList>();
  int changes = 0;
  list->OnChange = [&](TObject*) { ++changes; };
  EXPECT_EQ(list->Add(Strip(3).get(), nullptr), 0);
  EXPECT_EQ(changes, 1);  // one notification per public call
  ExpectOrder(list.get(), {0, 1, 2});
  EXPECT_EQ(TcxImageList::GetPixelFormat(list->GetHandle()), 32);
}

TEST(TcxImageList, InsertPutsTheNewImagesAtTheIndexInBothLists) {
  auto list = NewOwned<TcxImageList>();
  list->Add(Strip(3).get(), nullptr);
  list->Insert(0, Strip(2, 3).get(), nullptr);
  ExpectOrder(list.get(), {3, 4, 0, 1, 2});
  list->Insert(9, Strip(1).get(), nullptr);  // outside 0 .. count: nothing
  list->Insert(-1, Strip(1).get(), nullptr);
  EXPECT_EQ(list->GetCount(), 5);
}

TEST(TcxImageList, MoveDeleteAndReplaceKeepTheCollectionInStep) {
  auto list = NewOwned<TcxImageList>();
  list->Add(Strip(5).get(), nullptr);
  list->Move(3, 0);
  ExpectOrder(list.get(), {3, 0, 1, 2, 4});
  list->Move(0, 4);
  ExpectOrder(list.get(), {0, 1, 2, 4, 3});
  list->Delete(1);
  ExpectOrder(list.get(), {0, 2, 4, 3});
  list->Replace(0, Strip(1, 1).get(), nullptr);
  ExpectOrder(list.get(), {1, 2, 4, 3});
  list->Move(7, 0);  // out of range: nothing
  list->Delete(9);
  ExpectOrder(list.get(), {1, 2, 4, 3});
  list->Clear();
  EXPECT_EQ(list->GetCount(), 0);
  EXPECT_EQ(list->GetImageInfoCollection()->Count(), 0);
}

TEST(TcxImageList, MaskedImagesAndAddMaskedWithoutColour) {
  auto list = NewOwned<TcxImageList>();
  auto image = Strip(1);
  image->GetCanvas()->SetPixel(0, 0, clFuchsia);
  EXPECT_EQ(list->AddMasked(image.get(), clFuchsia), 0);
  EXPECT_EQ(list->GetImageInfoCollection()->GetItems(0)->GetMaskColor(), clFuchsia);
  EXPECT_EQ(list->AddMasked(image.get(), clNone), 1);  // like Add without a mask
  EXPECT_EQ(list->GetImageInfoCollection()->GetItems(1)->GetMaskColor(), clNone);
  auto mask = NewOwned<TcxBitmap>(16, 16);
  list->GetMask(0, mask.get());
  EXPECT_EQ(mask->GetCanvas()->GetPixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);  // transparent
  EXPECT_EQ(mask->GetCanvas()->GetPixel(5, 5) & 0xFFFFFF, 0u);
  list->GetMask(1, mask.get());
  EXPECT_EQ(mask->GetCanvas()->GetPixel(0, 0) & 0xFFFFFF, 0u);
}

TEST(TcxImageList, AlphaImagesReadBackWhole) {
  auto list = NewOwned<TcxImageList>();
  auto image = NewOwned<TcxBitmap>(16, 16);
  std::vector<RGBQUAD> colors(256, RGBQUAD{10, 20, 30, 40});
  image->SetBitmapColors(colors);
  list->Add(image.get(), nullptr);
  auto read = NewOwned<TcxBitmap>(1, 1);
  list->GetImage(0, read.get());
  ASSERT_EQ(read->GetWidth(), 16);
  for (const RGBQUAD& q : read->GetBitmapColors()) {
    EXPECT_EQ(q.rgbBlue, 10);
    EXPECT_EQ(q.rgbReserved, 40);
  }
  // Reading outside the list leaves the bitmap as it was, or empties an image info.
  list->GetImage(5, read.get());
  EXPECT_EQ(read->GetWidth(), 16);
  auto info = NewOwned<TcxImageInfo>();
  info->SetMaskColor(clRed);
  list->GetImageInfo(5, info.get());
  EXPECT_TRUE(info->GetImage()->GetEmpty());
  EXPECT_EQ(info->GetMaskColor(), clNone);
}

TEST(TcxImageList, CopiesFromPlatformAndFrameworkLists) {
  auto platform = NewOwned<TImageList>();
  platform->Add(Strip(3).get(), nullptr);
  auto list = NewOwned<TcxImageList>();
  list->Assign(platform.get());
  ExpectOrder(list.get(), {0, 1, 2});
  auto other = NewOwned<TcxImageList>();
  EXPECT_EQ(other->AddImage(list.get(), 1), 0);
  EXPECT_EQ(other->AddImage(list.get(), 3), -1);
  EXPECT_EQ(other->AddImage(nullptr, 0), -1);
  other->AddImages(list.get());
  ExpectOrder(other.get(), {1, 0, 1, 2});
  other->CopyImages(list.get(), 2, 99);
  ExpectOrder(other.get(), {1, 0, 1, 2, 2});
  auto font = NewOwned<TFont>();
  other->Assign(font.get());  // not an image list: ignored
  EXPECT_EQ(other->GetCount(), 5);
}

// ---- Form stream ----------------------------------------------------------------------------------------

String AsText(TComponent* component) {
  auto binary = NewOwned<TMemoryStream>();
  WriteComponent(binary.get(), component);
  binary->SetPosition(0);
  auto text = NewOwned<TStringStream>();
  ObjectBinaryToText(binary.get(), text.get());
  return text->GetDataString();
}

TEST(TcxImageList, AnEmptyListWritesItsFormatVersionOnly) {
  auto list = NewOwned<TcxImageList>();
  String text = AsText(list.get());
  EXPECT_NE(text.find("FormatVersion = 1"), String::npos) << text;
  EXPECT_NE(text.find("DesignInfo"), String::npos) << text;
  EXPECT_EQ(text.find("ImageInfo"), String::npos) << text;
  EXPECT_EQ(text.find("Bitmap"), String::npos) << text;
  EXPECT_EQ(list->GetFormatVersion(), 1);
}

TEST(TcxImageList, StreamRoundTripRebuildsTheSystemList) {
  for (bool compress : {false, true}) {
    auto list = NewOwned<TcxImageList>();
    list->SetDesignInfo(0x00200010);
    list->SetCompressData(compress);
    list->Add(Strip(3).get(), nullptr);
    auto masked = Strip(1, 4);
    masked->GetCanvas()->SetPixel(0, 0, clFuchsia);
    list->AddMasked(masked.get(), clFuchsia);
    auto stream = NewOwned<TMemoryStream>();
    WriteComponent(stream.get(), list.get());
    stream->SetPosition(0);
    auto read = NewOwned<TcxImageList>();
    ReadComponent(stream.get(), read.get());
    SCOPED_TRACE(compress ? "compressed" : "plain");
    ExpectOrder(read.get(), {0, 1, 2, 4});
    EXPECT_EQ(read->GetDesignInfo(), 0x00200010);
    EXPECT_EQ(read->GetCompressData(), compress);
    EXPECT_EQ(read->GetImageInfoCollection()->GetItems(3)->GetMaskColor(), clFuchsia);
    auto mask = NewOwned<TcxBitmap>(16, 16);
    read->GetMask(3, mask.get());
    EXPECT_EQ(mask->GetCanvas()->GetPixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
  }
}

TEST(TcxImageList, CompressedEntriesOfMostlyTransparentGlyphsAreSmaller) {
  Int64 sizes[2];
  for (bool compress : {false, true}) {
    auto list = NewOwned<TcxImageList>();
    list->SetCompressData(compress);
    auto glyphs = NewOwned<TcxBitmap>(64, 16);  // transparent black but for one pixel each
    for (int i = 0; i < 4; ++i) glyphs->GetCanvas()->SetPixel(16 * i + 8, 8, static_cast<TColor>(kColors[i]));
    list->Add(glyphs.get(), nullptr);
    auto stream = NewOwned<TMemoryStream>();
    WriteComponent(stream.get(), list.get());
    sizes[compress] = stream->GetSize();
  }
  EXPECT_LT(sizes[1] * 4, sizes[0]);
}

TEST(TcxImageList, AResourceWithThePlatformDataOnlyFillsTheCollection) {
  auto platform = NewOwned<TImageList>();
  platform->Add(Strip(2).get(), nullptr);
  auto stream = NewOwned<TMemoryStream>();
  WriteComponent(stream.get(), platform.get());
  stream->SetPosition(0);
  auto read = NewOwned<TcxImageList>();
  ReadComponent(stream.get(), read.get());
  ExpectOrder(read.get(), {0, 1});
}

TEST(TcxImageList, AnAncestorWithEqualImagesWritesNoImageInfo) {
  auto ancestor = NewOwned<TcxImageList>();
  ancestor->Add(Strip(2).get(), nullptr);
  auto list = NewOwned<TcxImageList>();
  list->Add(Strip(2).get(), nullptr);
  auto stream = NewOwned<TMemoryStream>();
  WriteDescendent(stream.get(), list.get(), ancestor.get());
  stream->SetPosition(0);
  auto text = NewOwned<TStringStream>();
  ObjectBinaryToText(stream.get(), text.get());
  EXPECT_EQ(text->GetDataString().find("ImageInfo"), String::npos) << text->GetDataString();
  EXPECT_EQ(text->GetDataString().find("DesignInfo"), String::npos) << text->GetDataString();

  list->Add(Strip(1, 3).get(), nullptr);
  stream->SetSize(0);
  WriteDescendent(stream.get(), list.get(), ancestor.get());
  stream->SetPosition(0);
  text->SetSize(0);
  ObjectBinaryToText(stream.get(), text.get());
  EXPECT_NE(text->GetDataString().find("ImageInfo"), String::npos);
}

// A form resource names the list by its class: it is found by name, its images are read back in order
// with their masks, and the form writes back the text it was read from.
TEST(TcxImageList, AFormResourceWithTwoImagesReadsAndWritesBackEqual) {
  ASSERT_EQ(GetClass("TcxImageList"), TcxImageList::StaticClass()) << "registered for streaming";
  auto* form = TCustomForm::CreateNew<TForm>(nullptr);
  form->SetName("ImagesForm");
  auto* list = New<TcxImageList>(form);
  list->SetName("cxImageList1");
  list->Add(Strip(1, 0).get(), nullptr);
  auto masked = Strip(1, 2);
  masked->GetCanvas()->SetPixel(0, 0, clFuchsia);
  list->AddMasked(masked.get(), clFuchsia);
  const String text = AsText(form);
  form->Free();
  ASSERT_NE(text.find("object cxImageList1: TcxImageList"), String::npos) << text;
  ASSERT_NE(text.find("ImageInfo = <"), String::npos) << text;

  auto source = NewOwned<TStringStream>(text);
  auto binary = NewOwned<TMemoryStream>();
  ObjectTextToBinary(source.get(), binary.get());
  binary->SetPosition(0);
  auto* read = TCustomForm::CreateNew<TForm>(nullptr);
  ReadComponent(binary.get(), read);
  auto* readList = As<TcxImageList>(read->FindComponent("cxImageList1"));
  ASSERT_NE(readList, nullptr);
  ExpectOrder(readList, {0, 2});
  EXPECT_EQ(readList->GetImageInfoCollection()->GetItems(1)->GetMaskColor(), clFuchsia);
  EXPECT_EQ(AsText(read), text);
  read->Free();
}

// ---- Drawing --------------------------------------------------------------------------------------------

TEST(TcxImageList, DrawsEnabledAndWithTheDisabledEffect) {
  auto list = NewOwned<TcxImageList>();
  list->Add(Strip(1).get(), nullptr);  // opaque red
  auto canvas = NewOwned<TcxBitmap>(40, 20);
  canvas->GetCanvas()->GetBrush()->SetColor(clWhite);
  canvas->GetCanvas()->FillRect(TRect(0, 0, 40, 20));
  list->Draw(canvas->GetCanvas(), TRect(0, 0, 20, 20), 0, false, false, true);
  list->Draw(canvas->GetCanvas(), TRect(20, 0, 40, 20), 0, false, false, false);
  EXPECT_EQ(canvas->GetCanvas()->GetPixel(1, 1) & 0xFFFFFF, 0xFFFFFFu);  // outside the centred image
  EXPECT_EQ(canvas->GetCanvas()->GetPixel(10, 10) & 0xFFFFFF, static_cast<uint32_t>(kColors[0]));
  // Disabled: the disable weights turn red (200, 0, 0) grey, drawn at alpha 151 over white.
  RGBQUAD grey{0, 0, 200, 255};
  TcxBitmap::Scale(grey, DisableMap);
  RGBQUAD expected{255, 255, 255, 255};
  cxBlendFunction(grey, expected, DisableMap.SrcConstantAlpha);
  EXPECT_EQ(canvas->GetCanvas()->GetPixel(30, 10) & 0xFFFFFF,
            static_cast<uint32_t>(RGB(expected.rgbRed, expected.rgbGreen, expected.rgbBlue)));
}

}  // namespace

namespace {

TEST(TcxImageList, TakesASystemListHandleAndLoadsABitmapFile) {
  auto source = NewOwned<TImageList>();
  source->Add(Strip(2).get(), nullptr);
  HIMAGELIST handle = ImageList_Duplicate(source->GetHandle());
  auto list = NewOwned<TcxImageList>();
  list->SetHandle(handle);  // the list copies the images and destroys the handle
  ExpectOrder(list.get(), {0, 1});
  EXPECT_EQ(TcxImageList::GetPixelFormat(list->GetHandle()), 32);

  const std::string file = testing::TempDir() + "cxImageListStrip.bmp";
  Strip(3, 2)->SaveToFile(file);
  auto loaded = NewOwned<TcxImageList>();
  EXPECT_TRUE(loaded->LoadImage(nullptr, file, clNone, 16, TLoadResources{lrFromFile}));
  ExpectOrder(loaded.get(), {2, 3, 4});
  EXPECT_FALSE(loaded->LoadImage(nullptr, testing::TempDir() + "missing.bmp", clNone, 16, TLoadResources{lrFromFile}));
  EXPECT_EQ(loaded->GetCount(), 3);
}

TEST(TcxImageList, StoredImagesStayDormant) {
  auto list = NewOwned<TcxImageList>();
  list->Add(Strip(2).get(), nullptr);
  auto read = NewOwned<TcxBitmap>(16, 16);
  list->GetImage(1, read.get());
  for (int i = 0; i < 2; ++i) EXPECT_FALSE(list->GetImageInfoCollection()->GetItems(i)->GetImage()->HandleAllocated());
}

TEST(TcxImageList, StretchedDrawingWithoutAlphaBlending) {
  auto list = NewOwned<TcxImageList>();
  list->SetAlphaBlending(false);
  // The drawer keys the rendered image on its bottom-left pixel: that one is of another colour.
  auto image = Strip(1, 1);
  image->GetCanvas()->SetPixel(0, 15, clWhite);
  list->Add(image.get(), nullptr);
  auto canvas = NewOwned<TcxBitmap>(48, 48);
  list->Draw(canvas->GetCanvas(), TRect(0, 0, 48, 48), 0, true);
  EXPECT_EQ(canvas->GetCanvas()->GetPixel(2, 2) & 0xFFFFFF, static_cast<uint32_t>(kColors[1]));
  EXPECT_EQ(canvas->GetCanvas()->GetPixel(45, 45) & 0xFFFFFF, static_cast<uint32_t>(kColors[1]));
  auto plain = NewOwned<TcxBitmap>(48, 48);
  list->Draw(plain->GetCanvas(), TRect(0, 0, 48, 48), 0, false);  // centred at its own size
  EXPECT_EQ(plain->GetCanvas()->GetPixel(2, 2) & 0xFFFFFF, 0u);
  EXPECT_EQ(plain->GetCanvas()->GetPixel(24, 24) & 0xFFFFFF, static_cast<uint32_t>(kColors[1]));
}

}  // namespace

namespace {

// A 16 x 16 24-bit bitmap keyed on fuchsia with a red 8 x 8 square in the middle.
TOwnedPtr<TBitmap> KeyedBitmap() {
  auto bitmap = NewOwned<TBitmap>();
  bitmap->SetPixelFormat(Graphics::pf24bit);
  bitmap->SetSize(16, 16);
  bitmap->GetCanvas()->GetBrush()->SetColor(clFuchsia);
  bitmap->GetCanvas()->FillRect(TRect(0, 0, 16, 16));
  bitmap->GetCanvas()->GetBrush()->SetColor(clRed);
  bitmap->GetCanvas()->FillRect(TRect(4, 4, 12, 12));
  return bitmap;
}

TEST(TcxImageList, MaskedImagesOfEitherListDrawWithTheirTransparency) {
  auto cxList = NewOwned<TcxImageList>();
  cxList->AddMasked(KeyedBitmap().get(), clFuchsia);
  auto platform = NewOwned<TImageList>();
  platform->AddMasked(KeyedBitmap().get(), clFuchsia);
  for (TCustomImageList* list : {static_cast<TCustomImageList*>(cxList.get()), static_cast<TCustomImageList*>(platform.get())}) {
    auto canvas = NewOwned<TcxBitmap>(16, 16, RGBQUAD{0, 255, 0, 255});  // lime
    cxDrawImage(canvas->GetCanvas()->GetHandle(), TRect(0, 0, 16, 16), TRect(0, 0, 16, 16), nullptr, list, 0,
                idmNormal);
    EXPECT_EQ(canvas->GetCanvas()->GetPixel(1, 1) & 0xFFFFFF, static_cast<uint32_t>(clLime)) << list->ClassName();
    EXPECT_EQ(canvas->GetCanvas()->GetPixel(8, 8) & 0xFFFFFF, static_cast<uint32_t>(clRed)) << list->ClassName();
  }
}

}  // namespace

namespace {

TEST(TcxImageList, TheCollectionFollowsChangesMadeByTheClassLibrary) {
  auto list = NewOwned<TcxImageList>();
  list->Add(Strip(2).get(), nullptr);
  static_cast<TCustomImageList*>(list.get())->Add(Strip(1, 2).get(), nullptr);  // the base class's add
  ExpectOrder(list.get(), {0, 1, 2});
  list->SetWidth(8);  // a new size removes every image
  EXPECT_EQ(list->GetCount(), 0);
  EXPECT_EQ(list->GetImageInfoCollection()->Count(), 0);
}

}  // namespace

namespace {

TEST(TcxImageList, SystemListPicturesOfOneImageOrTheWholeStrips) {
  auto list = NewOwned<TcxImageList>();
  EXPECT_EQ(TcxImageList::GetPixelFormat(list->GetHandle()), 0);  // no image to ask about
  EXPECT_EQ(TcxImageList::GetPixelFormat(nullptr), 0);
  list->Add(Strip(3).get(), nullptr);
  auto whole = NewOwned<TcxBitmap>(1, 1), mask = NewOwned<TcxBitmap>(1, 1);
  TcxImageList::GetImageInfo(list->GetHandle(), -1, whole.get(), mask.get());
  EXPECT_GE(whole->GetWidth() * whole->GetHeight(), 3 * 16 * 16);  // every image of the strip
  EXPECT_EQ(mask->GetWidth(), whole->GetWidth());
  auto one = NewOwned<TcxBitmap>(1, 1);
  TcxImageList::GetImageInfo(list->GetHandle(), 2, one.get(), nullptr);
  EXPECT_EQ(one->GetWidth(), 16);
  EXPECT_EQ(one->GetCanvas()->GetPixel(0, 0) & 0xFFFFFF, static_cast<uint32_t>(kColors[2]));
  TcxImageList::GetImageInfo(list->GetHandle(), 7, one.get(), nullptr);  // outside: untouched
  EXPECT_EQ(one->GetCanvas()->GetPixel(0, 0) & 0xFFFFFF, static_cast<uint32_t>(kColors[2]));
}

}  // namespace
