// Weak links to objects, emptied when the object is destroyed, and a component that passes on the
// free notifications of other components.
#pragma once

#include "Components.h"
#include "cxClassesBase.h"

namespace cxClasses {

// One weak reference. Keep it across code that may destroy the object, then test Ref.
class TcxObjectLink : public TObject {
  DECLARE_CLASS(TcxObjectLink, TObject)
 public:
  TObject* Ref = nullptr;
};

// A link to AObject (null for a null object); release it with cxRemoveObjectLink.
TcxObjectLink* cxAddObjectLink(TObject* AObject);
// Releases a link, emptied or not; null is ignored.
void cxRemoveObjectLink(TcxObjectLink* ALink);
// Empties every link to AObject. The framework's components call it when they are destroyed;
// other objects that hand out links call it from their destruction.
void cxClearObjectLinks(TObject* AObject);

// A link held for the length of a scope: taken on construction, released however the scope ends.
class TcxObjectLinkHolder {
 public:
  explicit TcxObjectLinkHolder(TObject* AObject) : FLink(cxAddObjectLink(AObject)) {}
  ~TcxObjectLinkHolder() { cxRemoveObjectLink(FLink); }
  TcxObjectLinkHolder(const TcxObjectLinkHolder&) = delete;
  TcxObjectLinkHolder& operator=(const TcxObjectLinkHolder&) = delete;
  // The object still exists (false for a null object).
  bool Alive() const { return FLink && FLink->Ref; }

 private:
  TcxObjectLink* FLink;
};

// Tells OnFreeNotification of every sender that is freed.
class TcxFreeNotificator : public TComponent {
  DECLARE_CLASS(TcxFreeNotificator, TComponent)
 public:
  explicit TcxFreeNotificator(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  void AddSender(TComponent* ASender);
  void RemoveSender(TComponent* ASender);

  TcxFreeNotificationEvent OnFreeNotification;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
};

}  // namespace cxClasses

using namespace cxClasses;
