#include "dxBarTestSupport.h"

#include "ObjectText.h"
#include "Streams.h"

namespace dxBarTests {

IMPLEMENT_CLASS(TRecordingBarComponent)
IMPLEMENT_CLASS(TdxBarTestSubItem)

void TdxBarTestSubItem::Construct() {
  inherited::Construct();
  Menu = New<TdxBarSubMenuControlItemLinks>(GetBarManager(), nullptr);
}

void TdxBarTestSubItem::Destroy() {
  FreeAndNil(Menu);
  inherited::Destroy();
}

TForm* NewTestForm() { return TCustomForm::CreateNew<TForm>(nullptr); }

void ReadFormText(TComponent* ARoot, const String& AText) {
  const String binary = ObjectTextToBinaryString(AText);
  auto stream = NewOwned<TMemoryStream>();
  stream->WriteBuffer(binary.data(), static_cast<Integer>(binary.size()));
  stream->SetPosition(0);
  stream->ReadComponent(ARoot);
}

String WriteFormText(TComponent* ARoot) {
  auto stream = NewOwned<TMemoryStream>();
  stream->WriteComponent(ARoot);
  return ObjectBinaryToTextString(
      String(static_cast<const char*>(stream->GetMemory()), static_cast<size_t>(stream->GetSize())));
}

}  // namespace dxBarTests
