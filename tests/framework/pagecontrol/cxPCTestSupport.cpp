#include "cxPCTestSupport.h"

#include "Format.h"
#include "Strings.h"

namespace cxPCTest {

IMPLEMENT_CLASS(TcxPCTestPainter)

Integer TcxPCTestPainter::CalculateTabNormalWidth(TcxTab* ATab) {
  const Integer length = StrToIntDef(ATab->GetCaption(), 42);
  return std::max(length, MinTabWidth);
}

void TcxPCTestPainter::PaintTabShape(Integer AIndex) {
  GetCanvas()->FillRect(GetTab(AIndex)->GetFullRect(), IsMainTab(AIndex) ? clWhite : clSilver);
}

void TPCFixture::SetUp() {
  TControlsFixture::SetUp();
  TcxPCTestPainter::TabGap = TcxPCTestPainter::RowGap = 0;
  TcxPCTestPainter::ButtonWidth = 25;
  TcxPCTestPainter::MinTabWidth = 0;
  TcxPCTestPainter::Pressable = false;
  RegisterPCPainterClass(TcxPCPainterClass::Of<TcxPCTestPainter>());
}

void TPCFixture::TearDown() {
  TControlsFixture::TearDown();
  UnregisterPCPainterClass(TcxPCPainterClass::Of<TcxPCTestPainter>());
}

TcxTabControl* TPCFixture::AddTabControl(std::initializer_list<Integer> ALengths, Integer AWidth, Integer AHeight,
                                         TcxTabPosition APosition) {
  auto* control = Add<TcxTabControl>(0, 0, AWidth, AHeight);
  control->SetStyle(TcxPCTestPainter::StyleID);
  control->SetTabPosition(APosition);
  for (Integer length : ALengths) control->GetTabs()->Add(IntToStr(length));
  return control;
}

TcxPageControl* TPCFixture::AddPageControl(Integer APageCount, Integer AWidth, Integer AHeight) {
  auto* control = Add<TcxPageControl>(0, 0, AWidth, AHeight);
  control->SetStyle(TcxPCTestPainter::StyleID);
  for (Integer i = 0; i < APageCount; ++i) {
    auto* page = CreateComponent<TcxTabSheet>(Form);
    page->SetCaption(IntToStr(60));
    page->SetPageControl(control);
  }
  return control;
}

TRect TPCFixture::FullRect(TcxCustomTabControl* AControl, Integer ATabIndex) {
  return AControl->GetTabs()->GetTab(ATabIndex)->GetFullRect();
}

std::vector<Integer> RowsOf(TcxCustomTabControl* AControl) {
  std::vector<Integer> rows;
  TcxVisibleTabList* visible = AControl->GetVisibleTabList();
  for (Integer i = 0; i < visible->GetCount(); ++i) rows.push_back(visible->GetTab(i)->GetLineIndex());
  return rows;
}

}  // namespace cxPCTest
