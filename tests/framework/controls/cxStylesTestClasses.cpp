#include "cxStylesTestClasses.h"

#include "TypInfo.h"

namespace cxStylesTest {

IMPLEMENT_CLASS_PUBLISHED(TTestStyles) {
  d.IndexedProperty("Background", BackgroundSlot, &TcxStyles::GetValues, &TcxStyles::SetValues);
  d.IndexedProperty("Content", ContentSlot, &TcxStyles::GetValues, &TcxStyles::SetValues);
  d.IndexedProperty("Header", HeaderSlot, &TcxStyles::GetValues, &TcxStyles::SetValues);
  d.Property("StyleSheet", &TTestStyles::GetSheet, &TTestStyles::SetSheet);
}
IMPLEMENT_CLASS_PUBLISHED(TTestStyleSheet) {
  d.Property("Styles", &TTestStyleSheet::GetTestStyles, &TTestStyleSheet::SetTestStyles);
}
IMPLEMENT_CLASS_PUBLISHED(TOtherStyles) {
  d.IndexedProperty("Content", ContentSlot, &TcxStyles::GetValues, &TcxStyles::SetValues);
}
IMPLEMENT_CLASS(TOtherStyleSheet)
IMPLEMENT_CLASS_PUBLISHED(TTestControl) {
  d.Property("Styles", &TTestControl::GetStyles, &TTestControl::SetStyles);
}
IMPLEMENT_CLASS(TTestRoot)

void TTestStyles::Construct() {
  inherited::Construct();
  FDefaultFont = New<TFont>();
  FDefaultFont->SetName("Tahoma");
}

void TTestStyles::Destroy() {
  inherited::Destroy();
  FreeAndNil(FDefaultFont);
}

void TTestStyles::GetDefaultViewParams(Integer AIndex, TObject* AData, TcxViewParams& AParams) {
  inherited::GetDefaultViewParams(AIndex, AData, AParams);
  ++DefaultRequests;
  AParams.Color = clWindow;
  AParams.TextColor = clWindowText;
  AParams.Font = DefaultFont();
}

void TTestControl::Construct() {
  inherited::Construct();
  FStyles = static_cast<TTestStyles*>(TcxInterfacedPersistent::Create(TTestStyles::StaticClass(), this));
}

void TTestControl::Destroy() {
  FreeAndNil(FStyles);
  inherited::Destroy();
}

void TTestRoot::GetChildren(TGetChildProc Proc, TComponent*) {
  for (Integer i = 0; i < ComponentCount(); ++i)
    if (!GetComponent(i)->HasParent()) Proc(GetComponent(i));
}

void RegisterTestClasses() {
  RegisterClasses({TTestRoot::StaticClass(), TTestControl::StaticClass(), TTestStyleSheet::StaticClass(),
                   TcxStyleRepository::StaticClass()});
}

}  // namespace cxStylesTest
