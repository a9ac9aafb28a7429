// The one hidden window per process that hears of system colour changes and passes them on to the
// palette notifiers: primary ones (shared painter resources) first, so that controls repaint with
// resources already rebuilt.
#include <vector>

#include "ExtCtrls.h"
#include "Messages.h"
#include "WinDefProc.h"
#include "cxLookAndFeels.h"
#include "dxOffice11.h"

namespace cxLookAndFeels {

namespace {

class TcxSystemPaletteChangedListener : public TObject {
 public:
  void Construct() override {
    CreateOffice11Colors();
    FWindowHandle = AllocateHWnd(TWndMethod(this, &TcxSystemPaletteChangedListener::WndProc));
  }
  void Destroy() override {
    DeallocateHWnd(FWindowHandle);
    ReleaseOffice11Colors();
  }
  void Add(TcxSystemPaletteChangedNotifier* ANotifier) { List(ANotifier).push_back(ANotifier); }
  void Remove(TcxSystemPaletteChangedNotifier* ANotifier) { std::erase(List(ANotifier), ANotifier); }
  HWND Handle() const { return FWindowHandle; }

 private:
  std::vector<TcxSystemPaletteChangedNotifier*>& List(TcxSystemPaletteChangedNotifier* ANotifier) {
    return ANotifier->IsPrimary() ? FPrimary : FOrdinary;
  }
  // From the end: a notifier freed by its own event leaves the ones before it in place.
  static void Notify(std::vector<TcxSystemPaletteChangedNotifier*>& AList) {
    for (size_t I = AList.size(); I-- > 0;)
      if (I < AList.size()) AList[I]->DoChanged();
  }
  void WndProc(TMessage& Message) {
    if (Message.Msg == WM_SYSCOLORCHANGE) {
      RefreshOffice11Colors();
      Notify(FPrimary);
      Notify(FOrdinary);
    }
    Message.Result = DefWindowProc(FWindowHandle, Message.Msg, Message.WParam, Message.LParam);
  }

  HWND FWindowHandle = nullptr;
  std::vector<TcxSystemPaletteChangedNotifier*> FPrimary, FOrdinary;
};

TcxSystemPaletteChangedListener* FListener = nullptr;
Integer FListenerRefCount = 0;

}  // namespace

void TcxSystemPaletteChangedNotifier::Construct() {
  inherited::Construct();
  if (FListenerRefCount++ == 0) FListener = New<TcxSystemPaletteChangedListener>();
  FListener->Add(this);
}

void TcxSystemPaletteChangedNotifier::Destroy() {
  FListener->Remove(this);
  if (--FListenerRefCount == 0) {
    FreeAndNil(FListener);
  }
  inherited::Destroy();
}

void TcxSystemPaletteChangedNotifier::DoChanged() {
  if (OnSystemPaletteChanged) OnSystemPaletteChanged();
}

HWND cxSystemPaletteChangedWindow() { return FListener ? FListener->Handle() : nullptr; }

}  // namespace cxLookAndFeels
