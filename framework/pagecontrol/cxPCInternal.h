// What the page-control sources share among themselves: a finally block.
#pragma once

namespace cxPC {

// Runs its action when the scope is left, also by an exception.
template <class F>
struct TFinally {
  F Action;
  ~TFinally() { Action(); }
};
template <class F>
TFinally(F) -> TFinally<F>;

}  // namespace cxPC
