// The published settings and controls of the drop-down editors: what a form stream reads and writes.
#include "cxDropDownEdit.h"
#include "cxTextEditPublished.h"

namespace cxDropDownEdit {

namespace {

// The settings both published drop-down settings classes have.
template <class P>
void DescribeDropDownEditProperties(TClassDescriber& d) {
  d.Property("Alignment", &P::GetAlignment, &P::SetAlignment).Stored(&P::IsAlignmentStored);
  d.Property("AssignedValues", &P::GetAssignedValues, &P::SetAssignedValues);
  d.Property("AutoSelect", &P::GetAutoSelect, &P::SetAutoSelect).Default(true);
  d.Property("BeepOnError", &P::GetBeepOnError, &P::SetBeepOnError).Default(false);
  d.Property("ButtonGlyph", &P::GetButtonGlyph, &P::SetButtonGlyph);
  d.Property("CaseInsensitive", &P::GetCaseInsensitive, &P::SetCaseInsensitive).Default(true);
  d.Property("CharCase", &P::GetCharCase, &P::SetCharCase).Default(StdCtrls::ecNormal);
  d.Property("ClearKey", &P::GetClearKey, &P::SetClearKey).Default(0);
  d.Property("HideSelection", &P::GetHideSelection, &P::SetHideSelection).Default(true);
  d.Property("IgnoreMaskBlank", &P::GetIgnoreMaskBlank, &P::SetIgnoreMaskBlank).Default(false);
  d.Property("ImeMode", &P::GetImeMode, &P::SetImeMode).Default(imDontCare);
  d.Property("ImeName", &P::GetImeName, &P::SetImeName);
  d.Property("ImmediateDropDown", &P::GetImmediateDropDown, &P::SetImmediateDropDown).Default(true);
  d.Property("IncrementalSearch", &P::GetIncrementalSearch, &P::SetIncrementalSearch).Default(true);
  // The kind comes before the mask, so that a stream sets the kind first.
  d.Property("MaskKind", &P::GetMaskKind, &P::SetMaskKind).Default(emkStandard);
  d.Property("EditMask", &P::GetEditMaskValue, &P::SetEditMask);
  d.Property("MaxLength", &P::GetMaxLengthValue, &P::SetMaxLength).Stored(&P::IsMaxLengthStored);
  d.Property("OEMConvert", &P::GetOEMConvert, &P::SetOEMConvert).Default(false);
  d.Property("PopupAlignment", &P::GetPopupAlignment, &P::SetPopupAlignment).Default(taLeftJustify);
  d.Property("ReadOnly", &P::GetReadOnly, &P::SetReadOnly).Stored(&P::IsReadOnlyStored);
  d.Property("UseLeftAlignmentOnEditing", &P::GetUseLeftAlignmentOnEditing, &P::SetUseLeftAlignmentOnEditing)
      .Stored(&P::IsUseLeftAlignmentOnEditingStored);
  d.Property("ValidateOnEnter", &P::GetValidateOnEnter, &P::SetValidateOnEnter).Default(true);
  d.Property("OnChange", &P::GetOnChange, &P::SetOnChange);
  d.Property("OnCloseUp", &P::GetOnCloseUp, &P::SetOnCloseUp);
  d.Property("OnEditValueChanged", &P::GetOnEditValueChanged, &P::SetOnEditValueChanged);
  d.Property("OnInitPopup", &P::GetOnInitPopup, &P::SetOnInitPopup);
  d.Property("OnPopup", &P::GetOnPopup, &P::SetOnPopup);
  d.Property("OnValidate", &P::GetOnValidate, &P::SetOnValidate);
}

}  // namespace

IMPLEMENT_CLASS_PUBLISHED(TcxComboBoxProperties) {
  using P = TcxComboBoxProperties;
  DescribeDropDownEditProperties<P>(d);
  d.Property("DropDownAutoWidth", &P::GetDropDownAutoWidth, &P::SetDropDownAutoWidth).Default(true);
  d.Property("DropDownListStyle", &P::GetDropDownListStyle, &P::SetDropDownListStyle).Default(lsEditList);
  d.Property("DropDownRows", &P::GetDropDownRows, &P::SetDropDownRows).Default(8);
  d.Property("DropDownSizeable", &P::GetDropDownSizeable, &P::SetDropDownSizeable).Default(false);
  d.Property("DropDownWidth", &P::GetDropDownWidth, &P::SetDropDownWidth).Default(0);
  d.Property("ImmediatePost", &P::GetImmediatePost, &P::SetImmediatePost).Default(false);
  d.Property("ImmediateUpdateText", &P::GetImmediateUpdateText, &P::SetImmediateUpdateText).Default(false);
  d.Property("ItemHeight", &P::GetItemHeight, &P::SetItemHeight).Default(0);
  d.Property("Items", &P::GetItems, &P::SetItems);
  d.Property("PostPopupValueOnTab", &P::GetPostPopupValueOnTab, &P::SetPostPopupValueOnTab).Default(false);
  d.Property("Revertable", &P::GetRevertable, &P::SetRevertable).Default(false);
  d.Property("Sorted", &P::GetSorted, &P::SetSorted).Default(false);
  d.Property("OnDrawItem", &P::GetOnDrawItem, &P::SetOnDrawItem);
  d.Property("OnMeasureItem", &P::GetOnMeasureItem, &P::SetOnMeasureItem);
  d.Property("OnNewLookupDisplayText", &P::GetOnNewLookupDisplayText, &P::SetOnNewLookupDisplayText);
}

IMPLEMENT_CLASS_PUBLISHED(TcxPopupEditProperties) {
  using P = TcxPopupEditProperties;
  DescribeDropDownEditProperties<P>(d);
  d.Property("EchoMode", &P::GetEchoMode, &P::SetEchoMode).Default(eemNormal);
  d.Property("ImmediatePopup", &P::GetImmediatePopup, &P::SetImmediatePopup).Default(true);
  d.Property("LookupItems", &P::GetLookupItems, &P::SetLookupItems);
  d.Property("LookupItemsSorted", &P::GetLookupItemsSorted, &P::SetLookupItemsSorted).Default(false);
  d.Property("PasswordChar", &P::GetPasswordChar, &P::SetPasswordChar).Default(0);
  d.Property("PopupAutoSize", &P::GetPopupAutoSize, &P::SetPopupAutoSize).Default(true);
  d.Property("PopupClientEdge", &P::GetPopupClientEdge, &P::SetPopupClientEdge).Default(false);
  d.Property("PopupControl", &P::GetPopupControl, &P::SetPopupControl);
  d.Property("PopupHeight", &P::GetPopupHeight, &P::SetPopupHeight).Default(200);
  d.Property("PopupMinHeight", &P::GetPopupMinHeight, &P::SetPopupMinHeight).Default(100);
  d.Property("PopupMinWidth", &P::GetPopupMinWidth, &P::SetPopupMinWidth).Default(100);
  d.Property("PopupSizeable", &P::GetPopupSizeable, &P::SetPopupSizeable).Default(true);
  d.Property("PopupSysPanelStyle", &P::GetPopupSysPanelStyle, &P::SetPopupSysPanelStyle).Default(false);
  d.Property("PopupWidth", &P::GetPopupWidth, &P::SetPopupWidth).Default(250);
  d.Property("OnCloseQuery", &P::GetOnCloseQuery, &P::SetOnCloseQuery);
}

IMPLEMENT_CLASS_PUBLISHED(TcxComboBox) {
  cxTextEdit::DescribeTextEditControl<TcxComboBox>(d, true);
  d.Property("ItemIndex", &TcxComboBox::GetItemIndex, &TcxComboBox::SetItemIndex).Default(-1);
}

IMPLEMENT_CLASS_PUBLISHED(TcxPopupEdit) { cxTextEdit::DescribeTextEditControl<TcxPopupEdit>(d, true); }

}  // namespace cxDropDownEdit
