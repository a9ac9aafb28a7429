// The go dialog of a tab control.
#include "cxPCInternal.h"
#include "cxPCGoDialog.h"

#include <algorithm>
#include <vector>

#include "Strings.h"
#include "WinMenus.h"
#include "cxClassesLinks.h"
#include "cxControlsUtils.h"
#include "cxPCPainter.h"
#include "cxPCTabControl.h"

namespace cxPCGoDialog {

IMPLEMENT_CLASS(TcxPCGoDialog)

void TcxPCGoDialog::Destroy() {
  cxClearObjectLinks(this);
  inherited::Destroy();
}

TcxCustomTabControl* TcxPCGoDialog::GetTabControl() const { return static_cast<TcxCustomTabControl*>(Owner()); }

void TcxPCGoDialog::InitializeItems(bool ASorted) {
  struct TEntry {
    String SortKey;
    TcxTab* Tab;
  };
  TcxCustomTabControl* control = GetTabControl();
  TcxVisibleTabList* visible = control->GetVisibleTabList();
  std::vector<TEntry> entries;
  for (Integer i = 0; i < visible->GetCount(); ++i) {
    TcxTab* tab = visible->GetTab(i);
    if (tab->GetRealEnabled()) entries.push_back({RemoveAccelChars(tab->GetCaption(), false), tab});
  }
  if (ASorted)
    std::stable_sort(entries.begin(), entries.end(),
                     [](const TEntry& a, const TEntry& b) { return AnsiCompareText(a.SortKey, b.SortKey) < 0; });
  GetItems()->Clear();
  for (const TEntry& entry : entries) {
    auto* item = New<TMenuItem>(this);
    item->SetCaption(entry.Tab->GetCaption());
    item->SetTag(entry.Tab->GetIndex());
    item->OnClick = TNotifyEvent(this, &TcxPCGoDialog::ItemClick);
    GetItems()->Add(item);
  }
}

TPoint TcxPCGoDialog::GetDialogPosition() {
  TPoint p(0, 0);
  GetTabControl()->GetPainter()->GetGoDialogPosition(TSize(0, 0), p);
  return GetTabControl()->ClientToScreen(p);
}

// The menu's size is known only once the window layer lays it out, so the painter's placement is
// handed on as alignment: a corner that moves with the menu's size is the menu's right or bottom edge.
UINT TcxPCGoDialog::GetDialogAlignment() {
  TcxPCCustomPainter* painter = GetTabControl()->GetPainter();
  TPoint atZero(0, 0), atOne(0, 0);
  painter->GetGoDialogPosition(TSize(0, 0), atZero);
  painter->GetGoDialogPosition(TSize(1, 1), atOne);
  return (atOne.x < atZero.x ? TPM_RIGHTALIGN : TPM_LEFTALIGN) | (atOne.y < atZero.y ? TPM_BOTTOMALIGN : TPM_TOPALIGN);
}

void TcxPCGoDialog::Popup(bool ASorted) {
  InitializeItems(ASorted);
  const TPoint p = GetDialogPosition();
  if (OnPopup) OnPopup(this);
  const UINT flags = GetDialogAlignment() | TPM_LEFTBUTTON | TPM_RETURNCMD;
  TcxObjectLink* link = cxAddObjectLink(this);
  TFinally release([link] { cxRemoveObjectLink(link); });
  const UINT command =
      static_cast<UINT>(TrackPopupMenu(GetItems()->GetHandle(), flags, p.x, p.y, 0, GetWindowHandle(), nullptr));
  // The chosen item runs once the menu window is gone, unless the dialog went meanwhile.
  if (command && link->Ref) DispatchCommand(static_cast<Word>(command));
}

void TcxPCGoDialog::ItemClick(TObject* Sender) { DoClick(static_cast<Integer>(static_cast<TMenuItem*>(Sender)->GetTag())); }

void TcxPCGoDialog::DoClick(Integer ATabIndex) {
  if (OnClick) OnClick(ATabIndex);
}

}  // namespace cxPCGoDialog
