// The manager's layout store on the owner's side: where the layout goes when the owner's window is
// destroyed. The layout format itself comes with the bars it describes; until then nothing is written.
#include "dxBarManager.h"

namespace dxBar {

void TdxBarManager::SaveToIniFile(const String&) {}

void TdxBarManager::SaveToRegistry(const String&) {}

}  // namespace dxBar
