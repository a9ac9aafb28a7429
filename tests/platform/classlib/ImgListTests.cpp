// Image lists: masked and 32-bit images drawn enabled and disabled, change links and update
// brackets, insertion order, assignment, form resources, bitmap resources and the drag image.
#include <gtest/gtest.h>

#include "ClasslibTestSupport.h"

#include <vector>

#include "Exceptions.h"
#include "Filer.h"
#include "Graphics.h"
#include "ImgList.h"
#include "WinImageList.h"
#include "Resources.h"
#include "Streams.h"
#include "WinGdi.h"
#include "WinPaint.h"
#include "WinUserDraw.h"

namespace {

// A strip of 2 x 2 images, image i filled with colours[i], its top-left pixel fuchsia.
TOwnedPtr<TBitmap> Strip(const std::vector<TColor>& colours) {
  TOwnedPtr<TBitmap> b = NewOwned<TBitmap>();
  b->SetPixelFormat(pf24bit);
  b->SetSize(2 * static_cast<Integer>(colours.size()), 2);
  for (size_t i = 0; i < colours.size(); ++i)
    for (Integer y = 0; y < 2; ++y)
      for (Integer x = 0; x < 2; ++x)
        b->GetCanvas()->SetPixel(2 * static_cast<Integer>(i) + x, y, x == 0 && y == 0 ? clFuchsia : colours[i]);
  return b;
}

TOwnedPtr<TCustomImageList> List2x2() {
  return TOwnedPtr<TCustomImageList>(TCustomImageList::CreateSize(2, 2));
}

// A canvas of w x h filled with one colour.
TOwnedPtr<TBitmap> Target(Integer w, Integer h, TColor fill) {
  TOwnedPtr<TBitmap> t = NewOwned<TBitmap>();
  t->SetSize(w, h);
  t->GetCanvas()->GetBrush()->SetColor(fill);
  t->GetCanvas()->FillRect(TRect(0, 0, w, h));
  return t;
}

TColor At(TBitmap* b, Integer x, Integer y) { return b->GetCanvas()->GetPixel(x, y); }
TColor Sys(int index) { return static_cast<TColor>(GetSysColor(index)); }

TEST(ImageLists, MaskedImagesDrawEnabledAndDisabled) {
  TOwnedPtr<TCustomImageList> list = List2x2();
  TOwnedPtr<TBitmap> strip = Strip({clNavy, clYellow});
  EXPECT_EQ(list->AddMasked(strip.get(), clFuchsia), 0);
  EXPECT_EQ(list->GetCount(), 2);

  TOwnedPtr<TBitmap> t = Target(8, 4, clLime);
  list->Draw(t->GetCanvas(), 0, 0, 0);
  EXPECT_EQ(At(t.get(), 0, 0), clLime) << "the mask colour lets the background through";
  EXPECT_EQ(At(t.get(), 1, 1), clNavy);

  // Disabled: a dark image's shape in the shadow colour, its highlight one pixel down and right;
  // a light image leaves nothing; the transparent pixel stays the background.
  list->Draw(t->GetCanvas(), 4, 0, 0, false);
  EXPECT_EQ(At(t.get(), 4, 0), clLime);
  EXPECT_EQ(At(t.get(), 5, 0), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(At(t.get(), 5, 1), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(At(t.get(), 6, 2), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(At(t.get(), 6, 1), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(At(t.get(), 6, 0), clLime) << "beside the image, above its highlight";
  TOwnedPtr<TBitmap> light = Target(4, 4, clLime);
  list->Draw(light->GetCanvas(), 0, 0, 1, false);
  for (Integer y = 0; y < 4; ++y)
    for (Integer x = 0; x < 4; ++x) EXPECT_EQ(At(light.get(), x, y), clLime) << x << "," << y;

  // The background colour fills the masked pixels; the mask type draws the mask itself.
  list->SetBkColor(clWhite);
  list->Draw(t->GetCanvas(), 0, 0, 0);
  EXPECT_EQ(At(t.get(), 0, 0), clWhite);
  list->Draw(t->GetCanvas(), 0, 0, 0, dsNormal, itMask);
  EXPECT_EQ(At(t.get(), 0, 0), clWhite);
  EXPECT_EQ(At(t.get(), 1, 0), clBlack);
  // A selected image is blended with the blend colour.
  list->SetBkColor(clNone);
  list->SetBlendColor(clBlue);
  list->Draw(t->GetCanvas(), 0, 0, 1, dsSelected, itImage);
  TColor blended = At(t.get(), 1, 1);
  EXPECT_NE(blended, clYellow);
  EXPECT_GT(blended & 0xFF0000, 0x400000) << "towards blue";
}

TEST(ImageLists, ThirtyTwoBitImagesBlendByTheirAlpha) {
  TOwnedPtr<TCustomImageList> list = List2x2();
  TOwnedPtr<TBitmap> b = NewOwned<TBitmap>();
  b->SetPixelFormat(pf32bit);
  b->SetSize(2, 2);
  auto* top = static_cast<uint32_t*>(b->GetScanLine(0));
  auto* bottom = static_cast<uint32_t*>(b->GetScanLine(1));
  top[0] = 0x00000000;     // fully transparent
  top[1] = 0x80FF0000;     // red covering half
  bottom[0] = 0xFF000000;  // opaque black
  bottom[1] = 0xFF0000FF;  // opaque blue
  ASSERT_EQ(list->Add(b.get(), nullptr), 0);
  TOwnedPtr<TBitmap> t = Target(4, 4, clWhite);
  list->Draw(t->GetCanvas(), 0, 0, 0);
  EXPECT_EQ(At(t.get(), 0, 0), clWhite);
  TColor half = At(t.get(), 1, 0);
  EXPECT_EQ(half & 0xFF, 0xFF) << "red stays full";
  EXPECT_GT((half >> 8) & 0xFF, 0x60);
  EXPECT_LT((half >> 8) & 0xFF, 0xA0) << "white shows through by half";
  EXPECT_EQ(At(t.get(), 0, 1), clBlack);
  EXPECT_EQ(At(t.get(), 1, 1), clBlue);
  TOwnedPtr<TCustomImageList> copy = List2x2();
  copy->Assign(list.get());
  TOwnedPtr<TBitmap> again = Target(4, 4, clWhite);
  copy->Draw(again->GetCanvas(), 0, 0, 0);
  EXPECT_EQ(At(again.get(), 1, 0), half) << "a copied list keeps the alpha";
  EXPECT_EQ(At(again.get(), 0, 0), clWhite);

  TOwnedPtr<TBitmap> d = Target(4, 4, clLime);
  list->Draw(d->GetCanvas(), 0, 0, 0, false);
  EXPECT_EQ(At(d.get(), 0, 0), clLime) << "a transparent pixel stays transparent when disabled";
  EXPECT_EQ(At(d.get(), 0, 1), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(At(d.get(), 1, 1), Sys(COLOR_BTNSHADOW));
}

TEST(ImageLists, ChangeLinksHearOnceOfEachChangeOrUpdate) {
  TOwnedPtr<TCustomImageList> list = List2x2();
  std::vector<String> heard;
  TOwnedPtr<TChangeLink> link = NewOwned<TChangeLink>();
  link->OnChange = [&](TObject* sender) { heard.push_back(sender == list.get() ? "link" : "link?"); };
  list->OnChange = [&](TObject*) { heard.push_back("list"); };
  list->RegisterChanges(link.get());
  list->RegisterChanges(link.get());
  EXPECT_EQ(link->GetSender(), list.get());
  TOwnedPtr<TBitmap> strip = Strip({clRed, clGreen});
  list->Add(strip.get(), nullptr);
  EXPECT_EQ(heard, (std::vector<String>{"link", "list"})) << "registered once, told once";
  heard.clear();
  list->BeginUpdate();
  list->Add(strip.get(), nullptr);
  list->Delete(0);
  list->SetDrawingStyle(dsFocus);
  EXPECT_TRUE(heard.empty());
  list->EndUpdate();
  EXPECT_EQ(heard, (std::vector<String>{"link", "list"}));
  heard.clear();
  list->BeginUpdate();
  list->EndUpdate();
  EXPECT_TRUE(heard.empty()) << "an update without change tells nobody";

  list->UnRegisterChanges(link.get());
  EXPECT_EQ(link->GetSender(), nullptr);
  list->Clear();
  EXPECT_EQ(heard, (std::vector<String>{"list"}));

  // A link freed before its list unregisters itself; a list freed first lets its links go.
  TChangeLink* early = New<TChangeLink>();
  list->RegisterChanges(early);
  early->Free();
  list->Clear();
  TOwnedPtr<TCustomImageList> other = List2x2();
  other->RegisterChanges(link.get());
  other.reset();
  EXPECT_EQ(link->GetSender(), nullptr);
}

TEST(ImageLists, InsertMoveAndDeleteKeepTheOrder) {
  TOwnedPtr<TCustomImageList> list = List2x2();
  TOwnedPtr<TBitmap> abc = Strip({clRed, clGreen, clBlue});
  list->AddMasked(abc.get(), clFuchsia);
  TOwnedPtr<TBitmap> two = Strip({clYellow, clAqua});
  list->InsertMasked(0, two.get(), clFuchsia);
  auto order = [&] {
    std::vector<TColor> out;
    TOwnedPtr<TBitmap> t = Target(2, 2, clWhite);
    for (Integer i = 0; i < list->GetCount(); ++i) {
      list->Draw(t->GetCanvas(), 0, 0, i);
      out.push_back(At(t.get(), 1, 1));
    }
    return out;
  };
  EXPECT_EQ(order(), (std::vector<TColor>{clYellow, clAqua, clRed, clGreen, clBlue}));
  list->Move(4, 0);
  EXPECT_EQ(order(), (std::vector<TColor>{clBlue, clYellow, clAqua, clRed, clGreen}));
  list->Move(0, 2);
  EXPECT_EQ(order(), (std::vector<TColor>{clYellow, clAqua, clBlue, clRed, clGreen}));
  list->Delete(1);
  EXPECT_EQ(order(), (std::vector<TColor>{clYellow, clBlue, clRed, clGreen}));
  TOwnedPtr<TBitmap> one = Strip({clNavy});
  list->ReplaceMasked(0, one.get(), clFuchsia);
  EXPECT_EQ(order(), (std::vector<TColor>{clNavy, clBlue, clRed, clGreen}));
  TOwnedPtr<TBitmap> t = Target(2, 2, clLime);
  list->Draw(t->GetCanvas(), 0, 0, 0);
  EXPECT_EQ(At(t.get(), 0, 0), clLime) << "a replaced image keeps its transparent colour";
  EXPECT_EQ(At(one.get(), 0, 0), clFuchsia) << "the caller's bitmap is left as it was";

  struct TCase {
    const char* Name;
    void (*Run)(TCustomImageList*);
  };
  const TCase errors[] = {
      {"delete past the end", [](TCustomImageList* l) { l->Delete(4); }},
      {"move from outside", [](TCustomImageList* l) { l->Move(-1, 0); }},
      {"move to outside", [](TCustomImageList* l) { l->Move(0, 9); }},
      {"insert past the end", [](TCustomImageList* l) { l->Insert(5, nullptr, nullptr); }},
      {"replace outside", [](TCustomImageList* l) { l->Replace(4, nullptr, nullptr); }},
  };
  for (const TCase& e : errors) EXPECT_THROW(e.Run(list.get()), EInvalidOperation) << e.Name;
  EXPECT_EQ(list->GetCount(), 4);
  EXPECT_EQ(list->Add(nullptr, nullptr), -1);
  TOwnedPtr<TBitmap> narrow = NewOwned<TBitmap>();
  narrow->SetSize(1, 2);
  EXPECT_EQ(list->Add(narrow.get(), nullptr), -1) << "narrower than one image";
}

TEST(ImageLists, AssignAndFormResourcesCopyEveryImage) {
  TOwnedPtr<TImageList> list = NewOwned<TImageList>();
  list->SetWidth(2);
  list->SetHeight(2);
  TOwnedPtr<TBitmap> strip = Strip({clRed, clGreen});
  list->AddMasked(strip.get(), clFuchsia);
  list->SetBkColor(clSilver);

  TOwnedPtr<TImageList> copy = NewOwned<TImageList>();
  copy->SetMasked(false);
  copy->GetHandle();
  copy->Assign(list.get());
  EXPECT_TRUE(copy->GetMasked());
  EXPECT_EQ(copy->GetCount(), 2);
  EXPECT_EQ(copy->GetWidth(), 2);
  EXPECT_EQ(copy->GetBkColor(), clSilver);
  TOwnedPtr<TBitmap> t = Target(4, 2, clLime);
  copy->SetBkColor(clNone);
  copy->Draw(t->GetCanvas(), 0, 0, 0);
  copy->Draw(t->GetCanvas(), 2, 0, 1);
  EXPECT_EQ(At(t.get(), 0, 0), clLime) << "masks are copied too";
  EXPECT_EQ(At(t.get(), 1, 1), clRed);
  EXPECT_EQ(At(t.get(), 3, 1), clGreen);

  TOwnedPtr<TMemoryStream> stream = NewOwned<TMemoryStream>();
  WriteComponent(stream.get(), list.get());
  stream->SetPosition(0);
  TOwnedPtr<TImageList> read = NewOwned<TImageList>();
  int changes = 0;
  read->OnChange = [&](TObject*) { ++changes; };
  ReadComponent(stream.get(), read.get());
  EXPECT_EQ(changes, 1) << "reading tells the users once, when loaded";
  EXPECT_EQ(read->GetCount(), 2);
  EXPECT_EQ(read->GetWidth(), 2);
  TOwnedPtr<TBitmap> image = NewOwned<TBitmap>();
  ASSERT_TRUE(read->GetBitmap(1, image.get()));
  EXPECT_EQ(At(image.get(), 1, 1), clGreen);
  EXPECT_EQ(At(image.get(), 0, 0), clSilver) << "the background colour was kept";
  EXPECT_FALSE(read->GetBitmap(2, image.get()));

  // An empty list writes no "Bitmap" entry.
  TOwnedPtr<TImageList> empty = NewOwned<TImageList>();
  TOwnedPtr<TMemoryStream> small = NewOwned<TMemoryStream>();
  WriteComponent(small.get(), empty.get());
  EXPECT_LT(small->GetSize() + 16, stream->GetSize());
}

TEST(ImageLists, BitmapResourcesBecomeImages) {
  static std::vector<uint8_t> file;
  {
    TOwnedPtr<TBitmap> strip = Strip({clRed, clGreen, clBlue});
    TOwnedPtr<TMemoryStream> s = NewOwned<TMemoryStream>();
    strip->SaveToStream(s.get());
    auto* p = static_cast<const uint8_t*>(s->GetMemory());
    file.assign(p, p + s->GetSize());
  }
  static const TResourceEntry entries[] = {{"#2", "TESTSTRIP", file.data(), file.size()}};
  static const TResourceTable table{entries, 1};
  RegisterResourceTable(table);
  TOwnedPtr<TImageList> list = NewOwned<TImageList>();
  ASSERT_TRUE(list->GetResource(rtBitmap, "TestStrip", 0, {}, clDefault));
  EXPECT_EQ(list->GetWidth(), 2) << "as wide as the bitmap is high";
  EXPECT_EQ(list->GetCount(), 3);
  TOwnedPtr<TBitmap> t = Target(2, 2, clLime);
  list->Draw(t->GetCanvas(), 0, 0, 2);
  EXPECT_EQ(At(t.get(), 0, 0), clLime) << "clDefault: the top-left colour is transparent";
  EXPECT_EQ(At(t.get(), 1, 1), clBlue);
  ASSERT_TRUE(list->ResourceLoad(rtBitmap, "TestStrip", clNone));
  EXPECT_EQ(list->GetCount(), 6);
  EXPECT_FALSE(list->GetResource(rtBitmap, "NoSuchStrip", 0, {}, clNone));
  EXPECT_FALSE(list->ResourceLoad(rtBitmap, "NoSuchStrip", clNone));
  EXPECT_EQ(list->GetCount(), 6);
}

TEST(ImageLists, SharedHandlesOutliveTheListAndOwnedListsGoWithTheirOwner) {
  HIMAGELIST handle = ImageList_Create(3, 5, ILC_COLOR32 | ILC_MASK, 1, 1);
  TOwnedPtr<TComponent> owner = NewOwned<TComponent>();
  auto* list = New<TImageList>(owner.get());
  list->SetShareImages(true);
  list->SetHandle(handle);
  EXPECT_EQ(list->GetWidth(), 3);
  EXPECT_EQ(list->GetHeight(), 5);
  EXPECT_EQ(owner->ComponentCount(), 1);
  owner.reset();
  EXPECT_TRUE(ImageList_Destroy(handle)) << "a shared handle is not the list's to destroy";
}

TEST(ImageLists, IconsGoInAndComeOut) {
  TOwnedPtr<TCustomImageList> list = List2x2();
  TOwnedPtr<TBitmap> strip = Strip({clRed});
  list->AddMasked(strip.get(), clFuchsia);
  TOwnedPtr<TIcon> icon = NewOwned<TIcon>();
  list->GetIcon(0, icon.get());
  EXPECT_EQ(icon->GetWidth(), 2);
  EXPECT_EQ(list->AddIcon(icon.get()), 1);
  TOwnedPtr<TBitmap> t = Target(2, 2, clLime);
  list->Draw(t->GetCanvas(), 0, 0, 1);
  EXPECT_EQ(At(t.get(), 0, 0), clLime);
  EXPECT_EQ(At(t.get(), 1, 1), clRed);
  EXPECT_THROW(list->GetIcon(5, icon.get()), EInvalidOperation);
}

TEST(ImageLists, TheDragImageFollowsTheMouseAndPutsBackWhatItCovered) {
  TOwnedPtr<TDragImageList> list = NewOwned<TDragImageList>();
  list->SetWidth(2);
  list->SetHeight(2);
  TOwnedPtr<TBitmap> strip = Strip({clRed});
  list->AddMasked(strip.get(), clFuchsia);
  HDC screen = GetDC(nullptr);
  ASSERT_NE(screen, nullptr);
  auto pixel = [&](int x, int y) { return GetPixel(screen, x, y); };
  COLORREF before = pixel(101, 101);
  COLORREF beforeMoved = pixel(201, 51);
  ASSERT_TRUE(list->SetDragImage(0, 0, 0));
  ASSERT_TRUE(list->BeginDrag(nullptr, 100, 100));
  EXPECT_TRUE(list->GetDragging());
  EXPECT_EQ(pixel(101, 101), RGB(255, 0, 0));
  list->HideDragImage();
  EXPECT_EQ(pixel(101, 101), before);
  list->ShowDragImage();
  EXPECT_EQ(pixel(101, 101), RGB(255, 0, 0));
  ASSERT_TRUE(list->DragMove(200, 50));
  EXPECT_EQ(pixel(101, 101), before) << "the old place is restored";
  EXPECT_EQ(pixel(201, 51), RGB(255, 0, 0));
  EXPECT_TRUE(list->EndDrag());
  EXPECT_EQ(pixel(201, 51), beforeMoved);
  EXPECT_FALSE(list->GetDragging());
  EXPECT_FALSE(list->DragMove(10, 10)) << "no drag, nothing to move";
  ReleaseDC(nullptr, screen);
}

class DragImageOverAWindow : public ClasslibTest::TClasslibFixture {};

TEST_F(DragImageOverAWindow, ItIsDrawnInTheWindowsCoordinatesAndTakenAwayAgain) {
  auto* form = TCustomForm::CreateNew<TForm>(nullptr);
  form->SetBounds(100, 100, 200, 150);
  form->SetColor(clWhite);
  form->Show();
  Application->ProcessMessages();
  TOwnedPtr<TDragImageList> list = NewOwned<TDragImageList>();
  list->SetWidth(2);
  list->SetHeight(2);
  TOwnedPtr<TBitmap> strip = Strip({clRed});
  list->AddMasked(strip.get(), clFuchsia);
  HWND window = form->GetHandle();
  HDC dc = GetWindowDC(window);
  COLORREF before = GetPixel(dc, 61, 41);
  COLORREF corner = GetPixel(dc, 60, 40);
  ASSERT_TRUE(list->SetDragImage(0, 1, 1));
  ASSERT_TRUE(list->BeginDrag(window, 61, 41));
  EXPECT_EQ(GetPixel(dc, 61, 41), RGB(255, 0, 0)) << "the hot spot stands at the mouse";
  EXPECT_EQ(GetPixel(dc, 60, 40), corner) << "the image's transparent corner";
  list->EndDrag();
  EXPECT_EQ(GetPixel(dc, 61, 41), before);
  ReleaseDC(window, dc);
  form->Free();
}

}  // namespace
