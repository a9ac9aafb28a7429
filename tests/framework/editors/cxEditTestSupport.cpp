#include "cxEditTestSupport.h"

namespace cxEditTest {

IMPLEMENT_CLASS(TEditTestProperties)
IMPLEMENT_CLASS(TEditTestCharProvider)
IMPLEMENT_CLASS(TEditTestDataBinding)
IMPLEMENT_CLASS(TEditTestEdit)
IMPLEMENT_CLASS(TEditTestRepositoryItem)

TClass TEditTestProperties::GetContainerClass() { return TEditTestEdit::StaticClass(); }

}  // namespace cxEditTest
