#include "cxClassesLinks.h"

#include <algorithm>
#include <vector>

namespace cxClasses {

IMPLEMENT_CLASS(TcxObjectLink)
IMPLEMENT_CLASS(TcxFreeNotificator)

namespace {

// The live links of the process. It exists while links exist: made by the first link added,
// freed when the last one is released.
class TcxObjectLinkController {
 public:
  std::vector<TcxObjectLink*> Links;  // not yet emptied
  Integer LinkCount = 0;              // not yet released, emptied ones included
};

TcxObjectLinkController* Controller = nullptr;

}  // namespace

TcxObjectLink* cxAddObjectLink(TObject* AObject) {
  if (!AObject) return nullptr;
  if (!Controller) Controller = new TcxObjectLinkController;
  TcxObjectLink* link = New<TcxObjectLink>();
  link->Ref = AObject;
  Controller->Links.push_back(link);
  ++Controller->LinkCount;
  return link;
}

void cxRemoveObjectLink(TcxObjectLink* ALink) {
  if (!ALink || !Controller) return;
  if (ALink->Ref) {
    auto& links = Controller->Links;
    links.erase(std::remove(links.begin(), links.end(), ALink), links.end());
  }
  ALink->Free();
  if (--Controller->LinkCount == 0) {
    delete Controller;
    Controller = nullptr;
  }
}

void cxClearObjectLinks(TObject* AObject) {
  if (!Controller || !AObject) return;
  auto& links = Controller->Links;
  for (size_t i = links.size(); i-- > 0;)
    if (links[i]->Ref == AObject) {
      links[i]->Ref = nullptr;
      links.erase(links.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

// ---- TcxFreeNotificator ------------------------------------------------------------------------------------

void TcxFreeNotificator::AddSender(TComponent* ASender) {
  if (ASender) ASender->FreeNotification(this);
}

void TcxFreeNotificator::RemoveSender(TComponent* ASender) {
  if (ASender) ASender->RemoveFreeNotification(this);
}

void TcxFreeNotificator::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && OnFreeNotification) OnFreeNotification(AComponent);
}

}  // namespace cxClasses
