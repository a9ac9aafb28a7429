// Styles in form streams: the repository writes its styles and sheets as its children, a sheet its
// "BuiltIn" entry, the repository the resolution it was written at; a collection being written
// stores only its own styles; fonts read at another resolution are scaled when the repository is
// scalable.
#include <gtest/gtest.h>

#include "Filer.h"
#include "Graphics.h"
#include "ObjectText.h"
#include "Streams.h"
#include "cxStylesTestClasses.h"

using namespace cxStylesTest;

namespace {

String StreamText(TComponent* ARoot, TComponent* AAncestor = nullptr) {
  auto stream = NewOwned<TMemoryStream>();
  if (AAncestor)
    WriteDescendent(stream.get(), ARoot, AAncestor);
  else
    stream->WriteComponent(ARoot);
  return ObjectBinaryToTextString(String(static_cast<const char*>(stream->GetMemory()), stream->GetSize()));
}

TOwnedPtr<TTestRoot> ReadRoot(const String& AText) {
  RegisterTestClasses();
  const String binary = ObjectTextToBinaryString(AText);
  auto stream = NewOwned<TMemoryStream>();
  stream->WriteBuffer(binary.data(), static_cast<Integer>(binary.size()));
  stream->SetPosition(0);
  auto root = NewOwned<TTestRoot>(nullptr);
  stream->ReadComponent(root.get());
  return root;
}

template <class T>
T* Find(TComponent* ARoot, const char* AName) {
  return As<T>(ARoot->FindComponent(AName));
}

// A root with a repository holding two styles and a sheet, and a control inheriting from the sheet.
TOwnedPtr<TTestRoot> MakeRoot() {
  auto root = NewOwned<TTestRoot>(nullptr);
  root->SetName("Root");
  auto* repository = New<TcxStyleRepository>(root.get());
  repository->SetName("Repository");
  auto* red = As<TcxStyle>(repository->CreateItemEx(TcxStyle::StaticClass(), root.get()));
  red->SetName("Red");
  red->SetColor(clRed);
  red->GetFont()->SetStyle({fsBold});
  auto* header = As<TcxStyle>(repository->CreateItemEx(TcxStyle::StaticClass(), root.get()));
  header->SetName("HeaderText");
  header->SetTextColor(clBlue);
  auto* sheet = As<TTestStyleSheet>(repository->CreateStyleSheetEx(TTestStyleSheet::StaticClass(), root.get()));
  sheet->SetName("Sheet");
  sheet->SetCaption("Ocean");
  sheet->GetStyles()->SetValue(HeaderSlot, header);
  auto* control = New<TTestControl>(root.get());
  control->SetName("Control");
  control->GetStyles()->SetStyleSheet(sheet);
  control->GetStyles()->SetValue(ContentSlot, red);
  return root;
}

TEST(cxStylesStreaming, ARootWithARepositoryReadsBackAsItWasWritten) {
  auto original = MakeRoot();
  const String text = StreamText(original.get());
  EXPECT_NE(text.find("PixelsPerInch = 96"), String::npos) << text;
  EXPECT_NE(text.find("BuiltIn = False"), String::npos) << text;
  EXPECT_NE(text.find("Caption = 'Ocean'"), String::npos) << text;
  EXPECT_NE(text.find("Styles.Content = Red"), String::npos) << text;
  // The control's header comes from the sheet and is stored with the sheet only.
  EXPECT_EQ(text.find("Styles.Header = HeaderText"), text.rfind("Styles.Header = HeaderText")) << text;

  auto copy = ReadRoot(text);
  auto* repository = Find<TcxStyleRepository>(copy.get(), "Repository");
  auto* red = Find<TcxStyle>(copy.get(), "Red");
  auto* header = Find<TcxStyle>(copy.get(), "HeaderText");
  auto* sheet = Find<TTestStyleSheet>(copy.get(), "Sheet");
  auto* control = Find<TTestControl>(copy.get(), "Control");
  EXPECT_EQ(repository->Count(), 2);
  EXPECT_EQ(repository->StyleSheetCount(), 1);
  EXPECT_EQ(red->GetStyleRepository(), repository);
  EXPECT_EQ(sheet->GetStyleRepository(), repository);
  EXPECT_EQ(repository->GetPixelsPerInch(), 96);
  EXPECT_EQ(red->GetColor(), clRed);
  EXPECT_EQ(red->GetFont()->GetStyle(), TFontStyles{fsBold});
  EXPECT_EQ(red->GetAssignedValues(), (TcxStyleValues{svColor, svFont}));
  EXPECT_EQ(header->GetAssignedValues(), TcxStyleValues{svTextColor});
  EXPECT_EQ(sheet->GetCaption(), "Ocean");
  EXPECT_EQ(control->GetStyles()->GetStyleSheet(), sheet);
  EXPECT_EQ(control->GetStyles()->GetValue(ContentSlot), red);
  EXPECT_EQ(control->GetStyles()->GetValue(HeaderSlot), header);
  EXPECT_EQ(control->GetStyles()->Count(), 1);
}

TEST(cxStylesStreaming, AnInheritedFormKeepsItsAncestorsResolution) {
  auto ancestor = MakeRoot();
  auto descendant = MakeRoot();
  EXPECT_EQ(StreamText(descendant.get(), ancestor.get()).find("PixelsPerInch"), String::npos);
}

TEST(cxStylesStreaming, FontsReadAtAnotherResolutionAreScaledWhenTheRepositoryIsScalable) {
  struct TCase {
    const char* Entries;
    Integer AssignedHeight, UnassignedHeight;
  };
  const TCase cases[] = {
      {"Scalable = True\n PixelsPerInch = 120", -12, -10},
      {"Scalable = False\n PixelsPerInch = 120", -15, -12},
      {"Scalable = True", -15, -12},
      {"Scalable = True\n PixelsPerInch = 96", -15, -12},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Entries);
    auto root = ReadRoot(String("object Root: TTestRoot\n object Repository: TcxStyleRepository\n ") + c.Entries +
                         "\n object Sized: TcxStyle\n AssignedValues = [svFont]\n Font.Height = -15\n end\n"
                         " object Plain: TcxStyle\n AssignedValues = [svColor]\n Color = clRed\n end\n end\nend\n");
    auto* sized = Find<TcxStyle>(root.get(), "Sized");
    auto* plain = Find<TcxStyle>(root.get(), "Plain");
    EXPECT_EQ(sized->GetFont()->GetHeight(), c.AssignedHeight);
    EXPECT_EQ(plain->GetFont()->GetHeight(), c.UnassignedHeight);
    // Scaling does not make an unassigned font part of the style.
    EXPECT_EQ(plain->GetAssignedValues(), TcxStyleValues{svColor});
  }
}

}  // namespace
