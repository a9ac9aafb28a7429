// A form resource naming the framework image list: its class is found by name, its images are read
// back in order with their masks, and the form writes back the text it was read from.
#include <gtest/gtest.h>

#include <vector>

#include "Filer.h"
#include "Forms.h"
#include "ObjectText.h"
#include "Streams.h"
#include "cxGraphicsBitmaps.h"
#include "cxGraphicsImageList.h"

namespace {

// A 16 x 16 opaque 32-bit image of one colour.
TOwnedPtr<TcxBitmap> Filled(COLORREF AColor) {
  auto bitmap = NewOwned<TcxBitmap>(16, 16);
  std::vector<RGBQUAD> colors(16 * 16, RGBQUAD{GetBValue(AColor), GetGValue(AColor), GetRValue(AColor), 255});
  bitmap->SetBitmapColors(colors);
  return bitmap;
}

String FormText(TComponent* AForm) {
  auto binary = NewOwned<TMemoryStream>();
  WriteComponent(binary.get(), AForm);
  binary->SetPosition(0);
  auto text = NewOwned<TStringStream>();
  ObjectBinaryToText(binary.get(), text.get());
  return text->GetDataString();
}

COLORREF ItemPixel(TcxImageList* AList, int AIndex, int X, int Y) {
  auto image = NewOwned<TcxBitmap>(16, 16);
  AList->GetImage(AIndex, image.get());
  return image->GetCanvas()->GetPixel(X, Y) & 0xFFFFFF;
}

TEST(TcxImageListStream, AFormResourceWithTwoImagesReadsAndWritesBackEqual) {
  ASSERT_EQ(GetClass("TcxImageList"), TcxImageList::StaticClass()) << "registered for streaming";

  auto* form = TCustomForm::CreateNew<TForm>(nullptr);
  form->SetName("ImagesForm");
  auto* list = New<TcxImageList>(form);
  list->SetName("cxImageList1");
  list->Add(Filled(RGB(200, 0, 0)).get(), nullptr);
  auto masked = Filled(RGB(0, 0, 200));
  masked->GetCanvas()->SetPixel(0, 0, clFuchsia);
  list->AddMasked(masked.get(), clFuchsia);
  const String text = FormText(form);
  form->Free();
  ASSERT_NE(text.find("object cxImageList1: TcxImageList"), String::npos) << text;
  ASSERT_NE(text.find("ImageInfo = <"), String::npos) << text;

  auto binary = NewOwned<TMemoryStream>();
  auto source = NewOwned<TStringStream>(text);
  ObjectTextToBinary(source.get(), binary.get());
  binary->SetPosition(0);
  auto* read = TCustomForm::CreateNew<TForm>(nullptr);
  ReadComponent(binary.get(), read);
  auto* readList = As<TcxImageList>(read->FindComponent("cxImageList1"));
  ASSERT_NE(readList, nullptr);
  ASSERT_EQ(readList->GetCount(), 2);
  ASSERT_EQ(readList->GetImageInfoCollection()->Count(), 2);
  EXPECT_EQ(ItemPixel(readList, 0, 8, 8), RGB(200, 0, 0));
  EXPECT_EQ(ItemPixel(readList, 1, 8, 8), RGB(0, 0, 200));
  EXPECT_EQ(readList->GetImageInfoCollection()->GetItems(1)->GetMaskColor(), clFuchsia);
  EXPECT_EQ(FormText(read), text);
  read->Free();
}

}  // namespace
