#include "dxBarTestSupport.h"

#include "ObjectText.h"
#include "Streams.h"
#include "WinUser.h"
#include "WinUserDraw.h"

namespace dxBarTests {

IMPLEMENT_CLASS(TRecordingBarComponent)
IMPLEMENT_CLASS(TdxBarTestSubItem)

void TdxBarTestSubItem::Construct() {
  inherited::Construct();
  Menu = New<TdxBarSubMenuControlItemLinks>(GetBarManager(), nullptr);
}

void TdxBarTestSubItem::Destroy() {
  FreeAndNil(Menu);
  inherited::Destroy();
}

TForm* NewTestForm() { return TCustomForm::CreateNew<TForm>(nullptr); }

void ReadFormText(TComponent* ARoot, const String& AText) {
  const String binary = ObjectTextToBinaryString(AText);
  auto stream = NewOwned<TMemoryStream>();
  stream->WriteBuffer(binary.data(), static_cast<Integer>(binary.size()));
  stream->SetPosition(0);
  stream->ReadComponent(ARoot);
}

String WriteFormText(TComponent* ARoot) {
  auto stream = NewOwned<TMemoryStream>();
  stream->WriteComponent(ARoot);
  return ObjectBinaryToTextString(
      String(static_cast<const char*>(stream->GetMemory()), static_cast<size_t>(stream->GetSize())));
}

// ---- The test bar window ----------------------------------------------------------------------------------
namespace {
class TTestBarWindowViewInfo : public TCustomdxBarControlViewInfo {
  DECLARE_CLASS(TTestBarWindowViewInfo, TCustomdxBarControlViewInfo)
 public:
  void Calculate() override {
    Clear();
    TdxBarItemLinks* links = GetBarControl()->GetItemLinks();
    for (Integer i = 0; i < links->GetVisibleItemCount(); ++i) {
      TdxBarItemLink* link = links->GetVisibleItem(i);
      if (!link->GetControl()) continue;
      const TRect R(i * 40, 0, i * 40 + 40, 22);
      link->SetItemRect(R);
      link->GetControl()->GetViewInfo()->SetBounds(R);
      link->GetControl()->DoCalculateParts();
      AddItemControlViewInfo(link->GetControl()->GetViewInfo());
    }
  }
};
IMPLEMENT_CLASS(TTestBarWindowViewInfo)
}  // namespace

IMPLEMENT_CLASS(TTestBarWindow)
IMPLEMENT_CLASS(TTestBarLinks)

TClass TTestBarWindow::GetViewInfoClass() { return TTestBarWindowViewInfo::StaticClass(); }

void TTestBarWindow::UpdateItem(TdxBarItemControl* AControl) {
  Repaints.push_back(AControl);
  Invalidate();
}

void TTestBarWindow::FillBackground(HDC DC, const TRect& ADestR, const TRect&, HBRUSH ABrush, TColor AColor) {
  if (!PaintsBackground) return;
  if (AColor != clDefault && AColor != clNone) {
    HBRUSH brush = CreateSolidBrush(ColorToRGB(AColor));
    FillRect(DC, &ADestR, brush);
    DeleteObject(brush);
  } else if (ABrush) {
    FillRect(DC, &ADestR, ABrush);
  }
}

// Enter clicks the key-selected control, as a toolbar window does.
void TTestBarWindow::WndProc(TMessage& Message) {
  TCustomdxBarControl::WndProc(Message);
  if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_RETURN && ActiveBarControl() == this)
    if (TdxBarItemControl* selected = GetSelectedControl()) selected->Click(false);
}

void TTestBarWindow::FocusItemControl(TdxBarItemControl* AItemControl) {
  SetIsActive(true);
  TCustomdxBarControl::FocusItemControl(AItemControl);
}

void TTestBarWindow::DoHideAll() {
  ++HideAllCount;
  if (OnHideAll) OnHideAll(this);
  TCustomdxBarControl::DoHideAll();
}

TCustomdxBarControl* TTestBarLinks::CreateBarControl() {
  TTestBarWindow* bar = NewBar ? NewBar(Manager) : New<TTestBarWindow>(Manager);
  bar->SetItemLinks(Links);
  return bar;
}

TTestBarWindow* TTestBarLinks::MakeBar(TdxBarManager* AManager, TWinControl* AParent,
                                       const std::vector<TdxBarItem*>& AItems) {
  Manager = AManager;
  Links = New<TdxBarControlItemLinks>(AManager, this);
  for (TdxBarItem* item : AItems) Links->Add(item);
  Links->CreateBarControl();
  auto* bar = static_cast<TTestBarWindow*>(Links->GetBarControl());
  bar->SetParent(AParent);
  bar->SetBounds(10, 10, 40 * static_cast<Integer>(AItems.size()), 22);
  bar->SetVisible(true);
  bar->HandleNeeded();
  bar->CalcLayout();
  return bar;
}

void TTestBarLinks::Destroy() {
  FreeAndNil(Links);
  inherited::Destroy();
}

}  // namespace dxBarTests
