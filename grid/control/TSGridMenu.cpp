// Printing through the attached report component, and the grid menu with its preview, print and
// export items that the grid offers on a right click.
#include "Controls.h"
#include "Menus.h"
#include "TSGridImpl.h"
#include "TSGridReport.h"

namespace TSGrid {

namespace {

TMenuItem* FindGridItem(TPopupMenu* Menu) {
  TMenuItem* items = Menu->GetItems();
  for (Integer i = 0; i < items->GetCount(); ++i)
    if (items->GetItem(i)->GetTag() == TtsBaseGrid::GridMenuTag) return items->GetItem(i);
  return nullptr;
}

}  // namespace

TosCustomGridReport* RequiredReport(TtsBaseGrid* Grid) {
  if (TosCustomGridReport* report = Grid->GetGridReport()) return report;
  throw Exception("Gridoak requires a GridReport component to be associated to this grid to support printing !");
}

// ---- Printing ----------------------------------------------------------------------------------------------
void TtsCustomGrid::Print() { RequiredReport(this)->Print(this); }
void TtsCustomGrid::PrintPreview() { RequiredReport(this)->PrintPreview(this); }

// ---- The grid menu ---------------------------------------------------------------------------------------
void TtsBaseGrid::SetGridReport(TosCustomGridReport* Value) {
  if (FGridReport == Value) return;
  if (FGridReport) FGridReport->RemoveFreeNotification(this);
  FGridReport = Value;
  if (!Value) return;
  Value->FreeNotification(this);
  // The items carry the captions of the report they were added for: the next showing adds them anew.
  if (FLoadingLayout || ComponentState().Contains(csReading)) return;
  auto* menu = dynamic_cast<TPopupMenu*>(GetPopupMenu());
  if (!menu) menu = FGridMenu;
  if (!menu) return;
  while (TMenuItem* item = FindGridItem(menu)) item->Free();
}

void TtsBaseGrid::ShowGridMenu(Integer X, Integer Y) {
  auto* menu = dynamic_cast<TPopupMenu*>(GetPopupMenu());
  if (menu)
    AddGridMenuItems(menu);
  else {
    if (!FGridMenu) ConfigureGridMenu();
    menu = FGridMenu;
  }
  TPoint at = ClientToScreen(TPoint(X, Y));
  menu->Popup(at.x, at.y);
}

void TtsBaseGrid::ConfigureGridMenu() {
  FreeAndNil(FGridMenu);
  FGridMenu = New<TPopupMenu>(this);
  FGridMenu->SetPopupComponent(this);
  AddGridMenuItems(FGridMenu);
}

void TtsBaseGrid::AddGridMenuItems(TPopupMenu* Menu) {
  if (FindGridItem(Menu)) return;
  auto add = [this, Menu](const String& Caption, TNotifyEvent OnClick) {
    auto* item = New<TMenuItem>(this);
    item->SetTag(GridMenuTag);
    item->SetCaption(Caption);
    item->SetOnClick(OnClick);
    Menu->GetItems()->Add(item);
  };
  // The application's own menu gets a line between its items and the grid's.
  if (Menu == GetPopupMenu()) add("-", nullptr);
  // With a report, its captions; an empty one leaves its item out.
  auto caption = [this](String (TosCustomGridReport::*Own)() const, const char* Default) {
    return FGridReport ? (FGridReport->*Own)() : String(Default);
  };
  const String preview = caption(&TosCustomGridReport::GetPreviewCaption, "Preview Grid...");
  const String print = caption(&TosCustomGridReport::GetPrintCaption, "Print Grid...");
  const String exportGrid = caption(&TosCustomGridReport::GetExportCaption, "Export Grid...");
  if (!preview.empty()) add(preview, TNotifyEvent(this, &TtsBaseGrid::OnPreviewGridClick));
  if (!print.empty()) add(print, TNotifyEvent(this, &TtsBaseGrid::OnPrintGridClick));
  if (!exportGrid.empty()) add(exportGrid, TNotifyEvent(this, &TtsBaseGrid::OnExportGridClick));
}

void TtsBaseGrid::OnPreviewGridClick(TObject*) { PrintPreview(); }
void TtsBaseGrid::OnPrintGridClick(TObject*) { Print(); }
void TtsBaseGrid::OnExportGridClick(TObject*) { ExportGrid(); }

}  // namespace TSGrid
