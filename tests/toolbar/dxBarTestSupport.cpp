#include "dxBarTestSupport.h"

namespace dxBarTests {

IMPLEMENT_CLASS(TRecordingBarComponent)

TForm* NewTestForm() { return TCustomForm::CreateNew<TForm>(nullptr); }

}  // namespace dxBarTests
