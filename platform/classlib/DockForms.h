// The form a control floats in when it leaves its dock site: a tool window that docks the control
// filling it and goes away when its last client leaves.
#pragma once

#include "Forms.h"

namespace Forms {

class TCustomDockForm : public TCustomForm {
  DECLARE_CLASS(TCustomDockForm, TCustomForm)
 public:
  explicit TCustomDockForm(TComponent* AOwner = nullptr) : TCustomForm(AOwner) {}

 protected:
  void Construct() override;
  void DoAddDockClient(TControl* Client, const TRect& ARect) override;
  void DoRemoveDockClient(TControl* Client) override;
};

}  // namespace Forms

using namespace Forms;
