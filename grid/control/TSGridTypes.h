// The vocabulary of the grid control: the property kinds that a cell, row or column override can
// carry, the enumerations of the grid's settings and states, the event types, the drawing records,
// and the unit's small routines (colour texts, the unset-value defaults of the property kinds, the
// legacy alignment reader).
//
// Unset values: a colour of 0x1FFFFFFF (clNone) and the enumeration members whose names end in
// Default hand a setting on to the next layer (cell, then row or column, then grid).
#pragma once

#include "ClassTypes.h"
#include "Closures.h"
#include "Controls.h"
#include "Graphics.h"
#include "Grids_ts.h"
#include "System.h"
#include "TSCommon.h"
#include "TypeInfoBase.h"
#include "Types.h"
#include "Variants.h"

namespace Filer {
class TFiler;
class TReader;
class TWriter;
}  // namespace Filer
namespace Streams {
class TStream;
}
namespace TSDateTimeDef {
class TtsDateTimeDefComponent;
}
namespace TSSetLib {
class TtsIntegerList;
class TtsIntegerSetList;
}  // namespace TSSetLib
namespace TSCommon {
enum TtsValueType : Byte;
}

namespace TSGrid {

using Graphics::TBitmap;
using Graphics::TColor;
using Graphics::TFont;
using TSDateTimeDef::TtsDateTimeDefComponent;
using TSCommon::TtsValueType;
using TSSetLib::TtsIntegerList;
using TSSetLib::TtsIntegerSetList;
using Variants::Variant;

// ---- Property value kinds ---------------------------------------------------------------------------
PUBLISHED_ENUM(TtsControlType, ctNone, ctText, ctCheck, ctPicture, ctDefault)
PUBLISHED_ENUM(TtsButtonType, btCombo, btNormal, btNone, btDefault, btVertSpin, btHorzSpin, btDateTimeDropDown,
               btDateTimePopup)
PUBLISHED_ENUM(TtsDropDownStyle, ddDropDown, ddDropDownList)
PUBLISHED_ENUM(TtsWordWrap, wwOn, wwOff, wwDefault)
PUBLISHED_ENUM(TtsReadOnly, roOn, roOff, roDefault)
PUBLISHED_ENUM(TtsDrawOption, dopOn, dopOff, dopDefault)
PUBLISHED_ENUM(TtsColHeadingButton, cbCell, cbButton, cbGrid, cbNone)
PUBLISHED_ENUM(TtsSortPicture, spUp, spDown, spBullet, spNone)
PUBLISHED_ENUM(TtsSpinOption, spoAutoRepeat, spoAutoIncrement, spoKeyEdit)
using TtsSpinOptions = TSet<TtsSpinOption, 8>;
inline const TtsSpinOptions AllSpinOptions{spoAutoRepeat, spoAutoIncrement, spoKeyEdit};
PUBLISHED_ENUM(TtsPropKind, pkGrid, pkCols, pkRows, pkCells)
using TtsPropKinds = TSet<TtsPropKind, 8>;
inline const TtsPropKinds AllPropKinds{pkGrid, pkCols, pkRows, pkCells};
PUBLISHED_ENUM(TtsDrawOverlap, doDrawColOnTop, doDrawRowOnTop)

// The 33 kinds of a reset, a stream filter or a property element.
PUBLISHED_ENUM(TtsProperty, prColor, prFont, prDisplayNumber, prWidth, prHeight, prReadOnly, prAlign, prAlignment,
               prIs3D, prSelected, prVisible, prChanged, prHeadingButton, prSortPicture, prMaxLength, prWordWrap,
               prButtonType, prDropDownStyle, prCellReadOnly, prAllowGrayed, prParentFont, prMask, prCombo,
               prParentCombo, prPicture, prControlType, prSpinOptions, prSpinIncrement, prHorzAlignment,
               prVertAlignment, prDateTime, prTag, prData)
constexpr Integer PropertyKindCount = 33;
// Five bytes in streams: bit n of byte n div 8 is kind n.
using TtsProperties = TSet<TtsProperty, 40>;
constexpr Integer PropertiesByteCount = 5;
TtsProperties AllProperties();
void PropertiesToBytes(const TtsProperties& Props, Byte (&Bytes)[PropertiesByteCount]);
// The first Count bytes (at most 5) set the kinds they cover; the rest stay clear.
TtsProperties PropertiesFromBytes(const Byte* Bytes, Integer Count);

// ---- Grid settings ------------------------------------------------------------------------------------
PUBLISHED_ENUM(TtsGridLines, glNone, glHorzLines, glVertLines, glBoth)
PUBLISHED_ENUM(TtsHeadingButton, hbCell, hbButton, hbNone)
PUBLISHED_ENUM(TtsSelectionType, sltDefault, sltInvert, sltColor)
PUBLISHED_ENUM(TtsFocusBorder, fbNone, fbDot, fbSingle, fbDouble)
PUBLISHED_ENUM(TtsRowChangedIndicator, riOff, riOn, riAutoReset)
PUBLISHED_ENUM(TtsCheckBoxStyle, stFlat, stCheck, stCross)
PUBLISHED_ENUM(TtsInactiveButtonState, ibsBackGround, ibsPicture, ibsNone)
PUBLISHED_ENUM(TtsGridMode, gmListBox, gmEdit, gmEditInsert, gmBrowse)
PUBLISHED_ENUM(TtsEditMode, emNone, emEdit, emEditInsert, emBrowse)
PUBLISHED_ENUM(TtsColSelectMode, csNone, csMulti)
PUBLISHED_ENUM(TtsRowSelectMode, rsNone, rsSingle, rsMulti)
PUBLISHED_ENUM(TtsCellSelectMode, cmNone, cmRange)
PUBLISHED_ENUM(TtsResizeCols, rcNone, rcSingle, rcAll)
PUBLISHED_ENUM(TtsResizeRows, rrNone, rrSingle, rrAll)
PUBLISHED_ENUM(TtsScrollSpeed, spLow, spVariable, spHigh)
PUBLISHED_ENUM(TtsPrintMode, pmPortrait, pmLandscape)
PUBLISHED_ENUM(TtsColMatch, cmaFieldName, cmaNone)

// ---- States -------------------------------------------------------------------------------------------
enum TtsGridStatus { grNormal, grColSelect, grRowSelect, grCellSelect };
enum TtsMouseStatus {
  msNormal, msRowSelect, msColSelect, msCellSelect, msAllRowSelect, msRowResize, msHeadingResize, msColResize,
  msRowBarResize, msRowMove, msColMove, msButtonDown, msHeadingDown
};
enum TtsSelectType { stRowSelect, stColSelect, stCellSelect };
enum TtsScrollMode { smWindow, smGridControl, smRowSelect };
enum TtsTextSelectMode { tsAll, tsCurrent, tsNone, tsDefault };
enum TtsGridAction { gacCheckTopLeft, gacTopLeftChanged };
using TtsGridActions = TSet<TtsGridAction, 8>;
enum TtsIndexType { itRow, itCol };
enum TtsInvert { ivHead, ivData, ivBoth };
enum TtsSpinButton { spbNone, spbIncrement, spbDecrement };
using TtsSpinButtons = TSet<TtsSpinButton, 8>;
// How a cell button is drawn: resting, raised under the mouse, pressed.
enum TtsButtonMode { bmFlat, bmUp, bmDown };
enum TtsClickPosition { cpHeading, cpRowBar, cpUpperLeft, cpCell, cpNone };
enum TtsResetOrder { roNone, roCols, roRows, roBoth };
enum TtsResetPosition { rpNone, rpLeft, rpTop, rpTopLeft };
enum TtsViewPosition { vpNone, vpBottom, vpRight, vpBoth };
enum TtsChangeTopLeft { ctlNone, ctlLeft, ctlTop, ctlBoth };
enum TtsMoveDirection { mdLeft, mdRight, mdUp, mdDown };
enum TtsPaintCellStateItem { psCurrent, psSelected, psFixed };
using TtsPaintCellState = TSet<TtsPaintCellStateItem, 8>;
PUBLISHED_ENUM(TtsComboCompareType, ctCaseSensitive, ctCaseInsensitive, ctOwn)
PUBLISHED_ENUM(TtsComboAutoSearchType, asNone, asTop, asBottom, asCenter)
PUBLISHED_ENUM(TtsConvertCase, afcOnEdit, afcOnExit, afcNone)

// ---- Drawing records ----------------------------------------------------------------------------------
// Everything needed to paint one cell.
struct TtsDrawData {
  Integer DisplayCol = 0, DisplayRow = 0;
  Integer DataCol = 0, DataRow = 0;
  TtsControlType ControlType = ctNone;
  TRect CellRect, PaintRect, ContentRect, ButtonRect;
  bool HasButton = false;
  TFont* Font = nullptr;
  bool Is3D = false;
  TAlignment Alignment = taLeftJustify;
  TSCommon::TtsVertAlignment VertAlignment = TSCommon::vtaTop;
  TColor Color = Graphics::clNone;
  bool AsEditor = false;
  TtsWordWrap WordWrap = wwDefault;
  TtsButtonType ButtonType = btNone;
  TtsDropDownStyle DropDownStyle = ddDropDown;
  TColor TransparentColor = Graphics::clDefault;
};

// The looks that the draw-info event may change.
struct TtsDrawInfo {
  TFont* Font = nullptr;
  TColor Color = Graphics::clNone;
  TtsWordWrap WordWrap = wwDefault;
  TColor TransparentColor = Graphics::clDefault;
  TSCommon::TtsVertAlignment VertAlignment = TSCommon::vtaDefault;
  TSCommon::TtsHorzAlignment Alignment = TSCommon::htaLeft;
};

// ---- Events ------------------------------------------------------------------------------------------
using TtsCanStartDragEvent = TClosure<void(TObject* Sender)>;
using TtsColChangedEvent = TClosure<void(TObject* Sender, Integer OldCol, Integer NewCol)>;
using TtsCountChangedEvent = TClosure<void(TObject* Sender, Integer OldCount, Integer NewCount)>;
using TtsColMovedEvent = TClosure<void(TObject* Sender, Integer ToDisplayCol, Integer Count, bool ByUser)>;
using TtsRowMovedEvent = TClosure<void(TObject* Sender, Integer ToDisplayRow, Integer Count, bool ByUser)>;
using TtsResizedEvent = TClosure<void(TObject* Sender, Integer RowColnr)>;
using TtsComboCompareValueEvent =
    TClosure<void(TObject* Sender, const String& ComboString, const String& CurrentCellString, Integer& CompareRes)>;
using TtsComboLCompareValueEvent = TClosure<void(TObject* Sender, const String& ComboString,
                                                 const String& CurrentCellString, Integer Len, Integer& CompareRes)>;
using TtsDeleteColEvent = TClosure<void(TObject* Sender, Integer DataCol, bool ByUser)>;
using TtsInsertColEvent = TClosure<void(TObject* Sender, Integer DataCol, bool ByUser)>;
using TtsGridStatusChangedEvent = TClosure<void(TObject* Sender, TtsGridStatus OldStatus, TtsGridStatus NewStatus)>;
using TtsHeadingClickEvent = TClosure<void(TObject* Sender, Integer DataCol)>;
using TtsMouseStatusChangedEvent =
    TClosure<void(TObject* Sender, TtsMouseStatus OldStatus, TtsMouseStatus NewStatus)>;
using TtsSelectChangedEvent = TClosure<void(TObject* Sender, TtsSelectType SelectType, bool ByUser)>;
using TtsEditTextResizedEvent = TClosure<void(TObject* Sender, bool ByUser)>;
using TtsPrintGridEvent = TClosure<void(TObject* Sender, bool& Cancel, String& Title, String& EndOfReportText,
                                        TtsPrintMode& Orientation)>;
// Hooks of the in-place controls.
using TtsNotifyChangedEvent = TClosure<void(TObject* Sender, bool DataChanged)>;
using TtsChangedEvent = TClosure<void(TObject* Sender, bool Edit, bool ByUser, bool TextAdded)>;
using TtsUndoChangedEvent = TClosure<void(TObject* Sender, bool ByUser, bool& Cancel)>;
using TtsEditEvent = TClosure<void(TObject* Sender, bool& Cancel)>;
using TtsChangeEvent = TClosure<void(TObject* Sender, bool Edit, bool& Cancel)>;
using TtsWantKeyEvent = TClosure<void(TObject* Sender, Word Key, bool& WantKey)>;
using TtsInvalidEditEvent = TClosure<void(TObject* Sender, const String& Keys, bool& Accept)>;

// ---- Unit routines ------------------------------------------------------------------------------------
// The colour's three low bytes as six upper-case hexadecimal digits, red first.
String ColorToHex(TColor Color);
// A system colour clBackground .. clInfoBk as its current RGB value, for output that cannot show
// system colours; every other value unchanged.
TColor TranslateColor(TColor Color);
using TSCommon::BitmapToVariant;
using TSCommon::VariantToBitmap;
TGridRect MakeGridRect(Integer Left, Integer Top, Integer Right, Integer Bottom);
// The kind's default value, Unassigned for the kinds that only columns or rows carry.
void DefaultPropValue(TtsProperty Kind, Variant& V);
// One identifier of a legacy "Alignment" entry; an unknown name is the left alignment.
TAlignment ReadAlignmentIdent(Filer::TReader* Reader);
// The platform's error for a call of an operation that the class leaves to its descendants.
[[noreturn]] void AbstractCall();

}  // namespace TSGrid

using namespace TSGrid;
