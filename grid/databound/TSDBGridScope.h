// A step that must run however a block ends ("try ... finally"): the data-bound grid restores the
// active record, the link's buffer size, the dataset's controls and its own counters this way. When
// the block is left by an exception, an exception from the step itself is dropped so that the first
// one goes on.
#pragma once

#include <exception>
#include <utility>

namespace TSDBGrid {

template <class F>
class TtsFinally {
 public:
  explicit TtsFinally(F Step) : FStep(std::move(Step)), FUnwinding(std::uncaught_exceptions()) {}
  ~TtsFinally() noexcept(false) {
    if (std::uncaught_exceptions() == FUnwinding) {
      FStep();
      return;
    }
    try {
      FStep();
    } catch (...) {
    }
  }
  TtsFinally(const TtsFinally&) = delete;
  TtsFinally& operator=(const TtsFinally&) = delete;

 private:
  F FStep;
  int FUnwinding;
};

}  // namespace TSDBGrid
