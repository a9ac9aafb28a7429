// Scopes that hold a data controller's update lock and release it on the way out, also when an
// exception passes (a release that raises then does not replace the exception on its way).
#pragma once

#include <exception>

#include "cxCustomData.h"

namespace cxCustomDataGuards {

template <bool AFull>
class TcxControllerUpdate {
 public:
  explicit TcxControllerUpdate(TcxCustomDataController* AController)
      : FController(AController), FExceptions(std::uncaught_exceptions()) {
    if (AFull)
      FController->BeginFullUpdate();
    else
      FController->BeginUpdate();
  }
  TcxControllerUpdate(const TcxControllerUpdate&) = delete;
  TcxControllerUpdate& operator=(const TcxControllerUpdate&) = delete;
  ~TcxControllerUpdate() noexcept(false) {
    if (std::uncaught_exceptions() > FExceptions) {
      try {
        End();
      } catch (...) {
      }
    } else {
      End();
    }
  }

 private:
  void End() {
    if (AFull)
      FController->EndFullUpdate();
    else
      FController->EndUpdate();
  }
  TcxCustomDataController* FController;
  int FExceptions;
};

using TcxUpdateScope = TcxControllerUpdate<false>;
using TcxFullUpdateScope = TcxControllerUpdate<true>;

}  // namespace cxCustomDataGuards

using namespace cxCustomDataGuards;
