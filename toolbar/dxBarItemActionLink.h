// The link between a bar item and an action of the class library: the action's caption, enabled
// state, help context, hint, image, shortcut, visibility and execute handler flow into the item for
// as long as the item still shows the action's value.
#pragma once

#include "ActnList.h"

namespace dxBar {

class TdxBarItem;

class TdxBarItemActionLink : public TActionLink {
  DECLARE_CLASS(TdxBarItemActionLink, TActionLink)
 public:
  explicit TdxBarItemActionLink(TObject* AClient = nullptr) : TActionLink(AClient) {}

  bool IsCaptionLinked() override;
  bool IsCheckedLinked() override;
  bool IsEnabledLinked() override;
  bool IsHelpContextLinked() override;
  bool IsHintLinked() override;
  bool IsImageIndexLinked() override;
  bool IsShortCutLinked() override;
  bool IsVisibleLinked() override;
  bool IsOnExecuteLinked() override;
  void SetCaption(const String& Value) override;
  void SetChecked(bool Value) override;
  void SetEnabled(bool Value) override;
  void SetHelpContext(Integer Value) override;
  void SetHint(const String& Value) override;
  void SetImageIndex(Integer Value) override;
  void SetShortCut(Word Value) override;
  void SetVisible(bool Value) override;
  void SetOnExecute(TNotifyEvent Value) override;

  TdxBarItem* GetClient() const { return FClientItem; }

 protected:
  void AssignClient(TObject* AClient) override;

 private:
  TCustomAction* Action() const;
  TdxBarItem* FClientItem = nullptr;
};

}  // namespace dxBar

using namespace dxBar;
