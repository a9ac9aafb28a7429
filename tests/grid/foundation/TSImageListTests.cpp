#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "Exceptions.h"
#include "GdiPng.h"
#include "PixelSurface.h"
#include "StringLists.h"
#include "Strings.h"
#include "Streams.h"
#include "TSImageList.h"
#include "Variants.h"

using namespace PixelSurface;

namespace {

TBitmap* Filled(Integer Width, Integer Height, TColor Color) {
  TBitmap* b = New<TBitmap>();
  b->SetSize(Width, Height);
  b->GetCanvas()->GetBrush()->SetColor(Color);
  b->GetCanvas()->FillRect(TRect(0, 0, Width, Height));
  return b;
}

class TRecordingLink : public TtsImageLink {
  DECLARE_CLASS(TRecordingLink, TtsImageLink)
 public:
  std::vector<String>* Log = nullptr;
  String Name;
  void ImageChanged(TtsImage* Image) override { Log->push_back(Name + " changed " + (Image ? Image->GetName() : "*")); }
  void ImageListDeleted() override { Log->push_back(Name + " deleted"); }
};
IMPLEMENT_CLASS(TRecordingLink)

struct TImageListFixture : ::testing::Test {
  TtsImageList* List = New<TtsImageList>(nullptr);
  TtsImageCollection* Images = List->GetImages();
  ~TImageListFixture() override { FreeObject(List); }
  std::vector<String> Names() {
    std::vector<String> names;
    for (Integer i = 0; i < Images->Count(); ++i)
      names.push_back(Images->GetItem(i)->GetName() + "#" + IntToStr(Images->GetItem(i)->GetID()));
    return names;
  }
};

TEST_F(TImageListFixture, NewImagesGetFreshIdsAndFreeNames) {
  for (int i = 0; i < 3; ++i) Images->Add();
  EXPECT_EQ(Names(), (std::vector<String>{"Image1#1", "Image2#2", "Image3#3"}));
  Images->Delete(1);
  Images->Add();
  EXPECT_EQ(Names(), (std::vector<String>{"Image1#1", "Image3#3", "Image2#4"}));
  Images->Insert(0);
  EXPECT_EQ(Names(), (std::vector<String>{"Image4#5", "Image1#1", "Image3#3", "Image2#4"})) << "an inserted image too";
  Images->GetItem(0)->SetRefName("image9x");
  Images->Add();
  EXPECT_EQ(Images->GetItem(4)->GetName(), "Image4");
  EXPECT_EQ(Images->IdIndex(4), 3);
  EXPECT_EQ(Images->IdIndex(99), -1);
}

TEST_F(TImageListFixture, NamesAreUniquePerSetAndStepThroughTheSets) {
  TtsImage* small = Images->Add();
  TtsImage* large = Images->Add();
  TtsImage* other = Images->Add();
  small->SetRefName("Small.Logo");
  large->SetRefName("Large. Logo ");
  other->SetRefName("Logo2");
  EXPECT_EQ(large->GetSetName(), "Large");
  EXPECT_EQ(large->GetName(), "Logo");
  EXPECT_EQ(Images->NameIndex("large.logo"), 1);
  EXPECT_EQ(Images->NameIndex("Logo"), -1) << "the main set has no Logo";
  EXPECT_EQ(Images->NameIndex("Logo2"), 2);
  EXPECT_EQ(List->NextIndex("Small.Logo").ToInteger(), 1);
  EXPECT_EQ(List->NextIndex("Large.Logo").ToInteger(), 0);
  EXPECT_EQ(List->PrevIndex("Logo2").ToInteger(), 2) << "no other image of that name";
  EXPECT_TRUE(VarIsEmpty(List->NextIndex("Missing")));
  EXPECT_EQ(List->NextIndex(2).ToInteger(), 0);
  EXPECT_EQ(List->PrevIndex(0).ToInteger(), 2);
  EXPECT_EQ(List->NextIndex("").ToInteger(), 0);
  EXPECT_EQ(List->PrevIndex("").ToInteger(), 2);
  EXPECT_TRUE(VarIsEmpty(List->NextIndex(1.5)));

  try {
    other->SetRefName("LOGO2 ");
    other->SetRefName("small.LOGO");
    FAIL() << "a name of the set raises";
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "Name 'LOGO' already exists in set 'small'.");
  }
  EXPECT_EQ(other->GetName(), "LOGO2");
  EXPECT_EQ(other->GetSetName(), "");
  TtsImage* plain = Images->Add();
  try {
    plain->SetRefName("logo2");
    FAIL() << "a name of the main set raises";
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "Name 'logo2' already exists in main set.");
  }
  EXPECT_THROW(small->SetSetName(" large "), EListError);
  EXPECT_EQ(small->GetSetName(), "Small");
  small->SetSetName("Medium");
  EXPECT_EQ(Images->NameIndex("Medium.Logo"), 0);
  EXPECT_GE(Images->SetNames()->IndexOf("Medium"), 0);
  EXPECT_GE(Images->SetNames()->IndexOf("Large"), 0);
}

TEST_F(TImageListFixture, LookupsByKey) {
  EXPECT_EQ(List->GetImage(0), nullptr) << "an empty list answers nil";
  Images->Add();
  Images->Add();
  EXPECT_EQ(List->GetImage("Image2"), Images->GetItem(1));
  EXPECT_EQ(List->GetImage(0), Images->GetItem(0));
  try {
    List->GetImage("Nope");
    FAIL();
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "Index 'Nope' not found in imagelist.");
  }
  try {
    List->GetImage(9);
    FAIL();
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "Index (9) out of bounds.");
  }
  EXPECT_THROW(List->GetImage(Null()), EListError);
  EXPECT_FALSE(List->IndexExists(Variant()));
  EXPECT_FALSE(List->IndexExists(Null()));
  EXPECT_TRUE(List->IndexExists("image1"));
  EXPECT_TRUE(List->IndexExists(1));
  EXPECT_FALSE(List->IndexExists(2));
}

TEST_F(TImageListFixture, BitmapsAndTransparency) {
  TtsImage* image = Images->Add();
  TOwnedPtr<TBitmap> red(Filled(4, 3, clRed));
  red->GetCanvas()->SetPixel(0, 2, clLime);
  image->SetBitmap(red.get());
  EXPECT_NE(image->GetBitmap(), red.get()) << "the image keeps a copy";
  EXPECT_EQ(image->GetBitmap()->GetWidth(), 4);
  TOwnedPtr<TBitmap> empty(New<TBitmap>());
  image->SetBitmap(empty.get());
  EXPECT_EQ(image->GetBitmap()->GetWidth(), 4) << "an empty bitmap is ignored";
  EXPECT_EQ(image->GetTransparentMode(), tmAuto);
  EXPECT_EQ(image->GetTransparentColor() & 0xFFFFFF, static_cast<TColor>(clLime)) << "the bottom-left pixel";
  image->SetTransparentColor(clBlue);
  EXPECT_EQ(image->GetTransparentMode(), tmFixed);
  EXPECT_EQ(image->GetTransparentColor(), static_cast<TColor>(clBlue));
  image->SetTransparent(true);
  EXPECT_TRUE(image->GetBitmap()->GetTransparent());

  TtsImage* copy = Images->Add();
  copy->Assign(image);
  EXPECT_EQ(copy->GetID(), image->GetID());
  EXPECT_NE(copy->GetBitmap(), image->GetBitmap());
  EXPECT_EQ(copy->GetTransparentColor(), static_cast<TColor>(clBlue));
}

TEST_F(TImageListFixture, LinksHearChangesAndTheListsEnd) {
  std::vector<String> log;
  List->OnChange = [&log](TObject*, TtsImage* Image) { log.push_back("event " + (Image ? Image->GetName() : String("*"))); };
  TOwnedPtr<TRecordingLink> a(New<TRecordingLink>()), b(New<TRecordingLink>());
  a->Log = b->Log = &log;
  a->Name = "a";
  b->Name = "b";
  a->SetImageList(List);
  b->SetImageList(List);
  TtsImage* image = Images->Add();
  log.clear();
  image->SetRefName("Logo");
  EXPECT_EQ(log, (std::vector<String>{"event Logo", "a changed Logo", "b changed Logo"}));
  EXPECT_EQ(a->GetTsImage("Logo"), image);

  a->SetImageList(nullptr);
  EXPECT_EQ(List->LinkCount(), 1);
  EXPECT_EQ(a->GetTsImage("Logo"), nullptr);
  a->SetImageList(List);
  log.clear();
  FreeAndNil(List);
  EXPECT_EQ(log, (std::vector<String>{"a deleted", "b deleted"})) << "last registered first";
  EXPECT_EQ(a->GetImageList(), nullptr);
  EXPECT_EQ(b->GetImageList(), nullptr);
}

TEST_F(TImageListFixture, StreamKeepsIdsNamesSetsAndTheGuid) {
  RegisterClass(TtsImageList::StaticClass());
  Images->Add();
  TtsImage* logo = Images->Add();
  Images->Delete(0);
  TtsImage* big = Images->Add();
  logo->SetRefName("Logo");
  big->SetRefName("Big.Logo");
  TOwnedPtr<TBitmap> green(Filled(2, 2, clGreen));
  big->SetBitmap(green.get());

  TOwnedPtr<TMemoryStream> stream(New<TMemoryStream>());
  stream->WriteComponent(List);
  stream->SetPosition(0);
  TOwnedPtr<TtsImageList> read(New<TtsImageList>(nullptr));
  EXPECT_NE(read->GetGUID(), List->GetGUID());
  stream->ReadComponent(read.get());
  EXPECT_EQ(read->GetGUID(), List->GetGUID());
  ASSERT_EQ(read->GetImages()->Count(), 2);
  EXPECT_EQ(read->GetImages()->GetItem(1)->GetID(), 3);
  EXPECT_EQ(read->NameIndex("Big.Logo"), 1);
  EXPECT_EQ(read->GetImages()->GetItem(1)->GetBitmap()->GetWidth(), 2);
  EXPECT_EQ(read->GetImages()->SetNames()->GetCommaText(), "Big");
}

TEST(tsStretchDraw, FitsShrinksCentresAndKeepsTheAspect) {
  TSurface surface(260, 200);
  surface.Canvas->GetBrush()->SetColor(clWhite);
  TOwnedPtr<TBitmap> square(Filled(10, 10, clRed));
  TOwnedPtr<TBitmap> wide(Filled(40, 10, clBlue));
  wide->GetCanvas()->GetBrush()->SetColor(clLime);
  wide->GetCanvas()->FillRect(TRect(0, 0, 20, 10));  // left half green, right half blue

  struct Case {
    TRect Cell;
    TBitmap* Bitmap;
    bool Center, Enlarge, Shrink, KeepAspect;
    TRect Ink;
  } cases[] = {
      {TRect(0, 0, 100, 50), square.get(), true, true, false, true, TRect(25, 0, 75, 50)},
      {TRect(110, 0, 210, 50), square.get(), false, true, false, true, TRect(110, 0, 160, 50)},
      {TRect(0, 60, 100, 110), square.get(), true, false, false, false, TRect(45, 80, 55, 90)},
      {TRect(110, 60, 210, 110), square.get(), false, true, true, false, TRect(110, 60, 210, 110)},
      {TRect(0, 120, 20, 140), wide.get(), false, false, false, false, TRect(0, 120, 20, 130)},
      {TRect(30, 120, 50, 140), wide.get(), true, false, true, true, TRect(30, 127, 50, 132)},
  };
  for (const Case& c : cases) {
    tsStretchDraw(surface.Canvas, c.Cell, c.Bitmap, clNone, c.Center, c.Enlarge, c.Shrink, c.KeepAspect);
    TRect ink = surface.InkBox(c.Cell, kWhite);
    EXPECT_EQ(ink.left, c.Ink.left) << c.Cell.left << "," << c.Cell.top;
    EXPECT_EQ(ink.top, c.Ink.top) << c.Cell.left << "," << c.Cell.top;
    EXPECT_EQ(ink.right, c.Ink.right) << c.Cell.left << "," << c.Cell.top;
    EXPECT_EQ(ink.bottom, c.Ink.bottom) << c.Cell.left << "," << c.Cell.top;
  }
  EXPECT_EQ(surface.At(5, 125), RGBOf(clLime)) << "a wide picture not shrunk shows its left part";
  EXPECT_EQ(surface.Count(TRect(0, 120, 20, 130), RGBOf(clBlue)), 0);

  // A transparent colour lets the brush through; the unset colour draws opaque.
  surface.Canvas->GetBrush()->SetColor(clYellow);
  tsStretchDraw(surface.Canvas, TRect(110, 120, 150, 130), wide.get(), clBlue, false, false, false, false);
  EXPECT_EQ(surface.At(140, 125), RGBOf(clYellow));
  EXPECT_EQ(surface.At(115, 125), RGBOf(clLime));
  tsStretchDraw(surface.Canvas, TRect(160, 120, 200, 130), wide.get(), clNone, false, false, false, false);
  EXPECT_EQ(surface.At(190, 125), RGBOf(clBlue));
  tsStretchDraw(surface.Canvas, TRect(210, 120, 250, 130), nullptr, clNone, false, false, false, false);
  EXPECT_EQ(surface.At(230, 125), RGBOf(clYellow)) << "no picture: the cell is filled";

  const std::string file = testing::TempDir() + "tsStretchDraw.png";
  ASSERT_TRUE(SaveDCToPng(surface.DC, file));
  EXPECT_GT(std::filesystem::file_size(file), 0u);
}

}  // namespace
