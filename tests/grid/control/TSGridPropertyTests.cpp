// The property model: the 33 kinds with their defaults and stream bytes, sparse cell overrides
// against a map model (an element exists exactly while one of its values differs from its default,
// the two cell indexes agree with the set), row objects made and dropped on demand, and the index
// checks of the accessors.
#include <map>
#include <random>

#include "GridControlTestSupport.h"
#include "Exceptions.h"
#include "TSSetLib.h"

using namespace GridControlTest;

namespace {

TEST(PropertyKinds, DefaultsAndVariantKinds) {
  struct Case {
    TtsProperty Kind;
    TVarType Type;
    Integer Value;
  };
  const Case cases[] = {
      {prColor, varInteger, 0x1FFFFFFF}, {prReadOnly, varBoolean, 0},   {prAlign, varBoolean, 0},
      {prAlignment, varByte, 0},         {prIs3D, varBoolean, 0},       {prSelected, varBoolean, 0},
      {prWordWrap, varByte, 2},          {prButtonType, varByte, 3},    {prDropDownStyle, varByte, 0},
      {prCellReadOnly, varByte, 2},      {prParentFont, varBoolean, 1}, {prParentCombo, varBoolean, 1},
      {prPicture, varByte, 2},           {prControlType, varByte, 4},   {prSpinOptions, varByte, 7},
      {prSpinIncrement, varByte, 1},     {prHorzAlignment, varByte, 3}, {prVertAlignment, varByte, 3},
      {prTag, varByte, 0},
  };
  for (const Case& c : cases) {
    Variant v;
    DefaultPropValue(c.Kind, v);
    EXPECT_EQ(VarType(v), c.Type) << Integer(c.Kind);
    if (c.Type == varBoolean)
      EXPECT_EQ(v.ToBoolean(), c.Value != 0) << Integer(c.Kind);
    else
      EXPECT_EQ(v.ToInteger(), c.Value) << Integer(c.Kind);
  }
  for (TtsProperty kind : {prDisplayNumber, prWidth, prHeight, prVisible, prChanged, prHeadingButton, prSortPicture,
                           prMaxLength, prAllowGrayed}) {
    Variant v = 5;
    DefaultPropValue(kind, v);
    EXPECT_TRUE(VarIsEmpty(v)) << Integer(kind);
  }
  Variant mask = 1;
  DefaultPropValue(prMask, mask);
  EXPECT_EQ(VarToStr(mask), "");
  for (TtsProperty kind : {prFont, prCombo, prDateTime, prData}) {
    Variant v;
    DefaultPropValue(kind, v);
    EXPECT_EQ(VarToPointer(v), nullptr) << Integer(kind);
  }
}

TEST(PropertyKinds, BytesCarryBitNOfByteNDiv8) {
  TtsProperties props{prFont, prMaxLength, prData};
  Byte bytes[PropertiesByteCount];
  PropertiesToBytes(props, bytes);
  EXPECT_EQ(bytes[0], 0x02);  // prFont = 1
  EXPECT_EQ(bytes[1], 0x40);  // prMaxLength = 14
  EXPECT_EQ(bytes[4], 0x01);  // prData = 32
  EXPECT_EQ(PropertiesFromBytes(bytes, PropertiesByteCount), props);
  // Fewer bytes cover fewer kinds; the rest stay clear.
  EXPECT_EQ(PropertiesFromBytes(bytes, 2), (TtsProperties{prFont, prMaxLength}));
  Byte all[PropertiesByteCount];
  PropertiesToBytes(AllProperties(), all);
  EXPECT_EQ(all[4], 0x01);  // nothing beyond the 33 kinds
}

// ---- Cell overrides against a map model --------------------------------------------------------------
struct CellKind {
  const char* Name;
  std::function<Integer(TtsBaseGrid*, Integer, Integer)> Get;
  std::function<void(TtsBaseGrid*, Integer, Integer, Integer)> Set;
  Integer Default;
  std::vector<Integer> Values;
};

std::vector<CellKind> CellKinds() {
  using G = TtsBaseGrid;
  return {
      {"Color", [](G* g, Integer c, Integer r) { return Integer(g->GetCellColor(c, r)); },
       [](G* g, Integer c, Integer r, Integer v) { g->SetCellColor(c, r, v); }, Graphics::clNone,
       {Graphics::clRed, Graphics::clBlue}},
      {"WordWrap", [](G* g, Integer c, Integer r) { return Integer(g->GetCellWordWrap(c, r)); },
       [](G* g, Integer c, Integer r, Integer v) { g->SetCellWordWrap(c, r, TtsWordWrap(v)); }, wwDefault,
       {wwOn, wwOff}},
      {"ReadOnly", [](G* g, Integer c, Integer r) { return Integer(g->IsCellReadOnly(c, r)); },
       [](G* g, Integer c, Integer r, Integer v) { g->SetCellReadOnly(c, r, TtsReadOnly(v)); }, roDefault,
       {roOn, roOff}},
      {"ButtonType", [](G* g, Integer c, Integer r) { return Integer(g->GetCellButtonType(c, r)); },
       [](G* g, Integer c, Integer r, Integer v) { g->SetCellButtonType(c, r, TtsButtonType(v)); }, btDefault,
       {btNormal, btVertSpin}},
      {"ControlType", [](G* g, Integer c, Integer r) { return Integer(g->GetCellControlType(c, r)); },
       [](G* g, Integer c, Integer r, Integer v) { g->SetCellControlType(c, r, TtsControlType(v)); }, ctDefault,
       {ctText, ctCheck}},
      {"Is3D", [](G* g, Integer c, Integer r) { return Integer(g->GetCellIs3D(c, r)); },
       [](G* g, Integer c, Integer r, Integer v) { g->SetCellIs3D(c, r, v != 0); }, 0, {1}},
      {"VertAlignment", [](G* g, Integer c, Integer r) { return Integer(g->GetCellVertAlignment(c, r)); },
       [](G* g, Integer c, Integer r, Integer v) { g->SetCellVertAlignment(c, r, TSCommon::TtsVertAlignment(v)); },
       TSCommon::vtaDefault, {TSCommon::vtaTop, TSCommon::vtaCenter}},
      {"Tag", [](G* g, Integer c, Integer r) { return g->GetCellTag(c, r); },
       [](G* g, Integer c, Integer r, Integer v) { g->SetCellTag(c, r, v); }, 0, {7, -3}},
      {"Stretch", [](G* g, Integer c, Integer r) { return Integer(g->GetCellStretchPicture(c, r)); },
       [](G* g, Integer c, Integer r, Integer v) { g->SetCellStretchPicture(c, r, TtsDrawOption(v)); }, dopDefault,
       {dopOn, dopOff}},
      {"DropDownStyle", [](G* g, Integer c, Integer r) { return Integer(g->GetCellDropDownStyle(c, r)); },
       [](G* g, Integer c, Integer r, Integer v) { g->SetCellDropDownStyle(c, r, TtsDropDownStyle(v)); }, ddDropDown,
       {ddDropDownList}},
  };
}

bool IndexHolds(TtsIntegerSetList* Index, Integer Entry, Integer Value) {
  if (Entry < 0 || Entry >= Index->GetCount() || !Index->GetItem(Entry)) return false;
  return Index->GetItem(Entry)->Get(Value) != nullptr;
}

class CellOverrides : public GridTest {};

TEST_F(CellOverrides, ElementsExistExactlyWhileAValueDiffersFromItsDefault) {
  const Integer cols = 6, rows = 5;
  Grid->SetGridColCount(cols);
  Grid->SetGridRowCount(rows);
  std::vector<CellKind> kinds = CellKinds();
  std::map<std::tuple<Integer, Integer, size_t>, Integer> model;
  std::mt19937 random(4711);
  for (int step = 0; step < 3000; ++step) {
    Integer c = 1 + random() % cols, r = 1 + random() % rows;
    size_t k = random() % kinds.size();
    const CellKind& kind = kinds[k];
    bool toDefault = random() % 3 == 0;
    Integer value = toDefault ? kind.Default : kind.Values[random() % kind.Values.size()];
    kind.Set(Grid, c, r, value);
    if (value == kind.Default)
      model.erase({c, r, k});
    else
      model[{c, r, k}] = value;
    if (step % 50 != 49) continue;
    Integer elements = 0;
    for (Integer cc = 1; cc <= cols; ++cc)
      for (Integer rr = 1; rr <= rows; ++rr) {
        bool overridden = false;
        for (size_t kk = 0; kk < kinds.size(); ++kk) {
          auto found = model.find({cc, rr, kk});
          overridden |= found != model.end();
          ASSERT_EQ(kinds[kk].Get(Grid, cc, rr), found == model.end() ? kinds[kk].Default : found->second)
              << kinds[kk].Name << " at " << cc << "," << rr;
        }
        bool element = Grid->GetCellPropSet()->GetCell(cc, rr) != nullptr;
        ASSERT_EQ(element, overridden) << cc << "," << rr;
        ASSERT_EQ(IndexHolds(Grid->GetColCellIndex(), cc, rr), overridden);
        ASSERT_EQ(IndexHolds(Grid->GetRowCellIndex(), rr, cc), overridden);
        elements += element;
      }
    ASSERT_EQ(Grid->GetCellPropSet()->GetCount(), elements);
  }
}

TEST_F(CellOverrides, IndexChecksGuardEveryAccessor) {
  // Reading column 0 first once let a later set at the same address pass unchecked (cached answer).
  EXPECT_EQ(Grid->GetCellColor(0, 1), Graphics::clNone);
  EXPECT_THROW(Grid->SetCellColor(0, 1, Graphics::clRed), EInvalidGridOperation);
  EXPECT_THROW(Grid->SetCellColor(1, 5, Graphics::clRed), EInvalidGridOperation);
  EXPECT_EQ(Grid->GetCellPropSet()->GetCount(), 0);
  // With the error switch off a failing check only answers false, and sets nothing.
  Grid->SetRaiseErrors(false);
  Grid->SetCellColor(0, 1, Graphics::clRed);
  Grid->SetCellTag(9, 9, 3);
  EXPECT_EQ(Grid->GetCellPropSet()->GetCount(), 0);
  EXPECT_FALSE(Grid->CheckIndex(itCol, 0, 4, 1));
  Grid->SetRaiseErrors(true);
  try {
    Grid->CheckIndex(itRow, 7, 4, 1);
    FAIL();
  } catch (const EInvalidGridOperation& e) {
    EXPECT_NE(String(e.Message()).find("Row index 7 out of range"), String::npos) << e.Message();
  }
}

TEST_F(CellOverrides, SetPropertyHandsBackTheElementThatHoldsTheValues) {
  TtsCellPropSet* set = Grid->GetCellPropSet();
  const TVarRec key[2] = {2, 3};
  TtsCustomPropElement* element = nullptr;
  EXPECT_TRUE(set->SetProperty(key, 1, element, Integer{Graphics::clRed}, prColor, 0, false));
  ASSERT_NE(element, nullptr);
  EXPECT_EQ(element, set->GetCell(2, 3));
  EXPECT_EQ(element->Color, Graphics::clRed);
  // Back to the default: the element goes and none holds the key's values.
  Variant standard;
  DefaultPropValue(prColor, standard);
  EXPECT_TRUE(set->SetProperty(key, 1, element, standard, prColor, 0, false));
  EXPECT_EQ(element, nullptr);
  EXPECT_EQ(set->GetCell(2, 3), nullptr);
  // Setting a default on a cell without element makes none.
  EXPECT_FALSE(set->SetProperty(key, 1, element, standard, prColor, 0, false));
  EXPECT_EQ(set->GetCount(), 0);
}

// ---- Row objects --------------------------------------------------------------------------------------
TEST_F(CellOverrides, RowObjectsExistOnlyWhileTheRowDiffersFromADefaultRow) {
  Grid->SetGridRowCount(6);
  std::mt19937 random(99);
  std::map<Integer, std::pair<TColor, bool>> model;  // colour, read-only
  for (int step = 0; step < 600; ++step) {
    Integer row = 1 + random() % 6;
    auto& entry = model[row];
    if (entry.first == 0) entry.first = Graphics::clNone;
    if (random() % 2) {
      entry.first = random() % 2 ? Graphics::clNone : Graphics::clLime;
      Grid->SetRowColor(row, entry.first);
    } else {
      entry.second = random() % 2;
      Grid->SetRowReadOnly(row, entry.second);
    }
    for (auto& [r, values] : model) {
      bool differs = values.first != Graphics::clNone || values.second;
      ASSERT_EQ(Grid->GetRows()->GetItem(r) != nullptr, differs) << r;
      ASSERT_EQ(Grid->GetRowColor(r), values.first);
      ASSERT_EQ(Grid->IsRowReadOnly(r), values.second);
    }
  }
  EXPECT_EQ(Grid->GetRowColor(0), Graphics::clNone);
  EXPECT_THROW(Grid->SetRowColor(7, Graphics::clRed), EInvalidGridOperation);
}

}  // namespace
