// The texts of the extended editors (the label, colour and font combo boxes, progress and track
// bars, check groups, the rich edit, ...), read from the editors' string table through
// cxGetResourceString.
#pragma once

#include "ResStrings.h"

namespace cxExtEditConsts {

// Registration texts of the editor kinds ("name|description").
extern const TResStringRec cxSEditRepositoryColorComboBoxItem;
extern const TResStringRec cxSEditRepositoryFontNameComboBoxItem;
extern const TResStringRec cxSEditRepositoryLabelItem;
extern const TResStringRec cxSEditRepositoryProgressBarItem;
extern const TResStringRec cxSEditRepositoryTrackBarItem;
extern const TResStringRec cxSEditRepositorySpinButtonItem;
extern const TResStringRec cxSEditRepositoryCheckComboBoxItem;
extern const TResStringRec cxSEditRepositoryShellComboBoxItem;
extern const TResStringRec cxSEditRepositoryCheckGroupItem;
extern const TResStringRec cxSEditRepositoryRichEditItem;

extern const TResStringRec cxSEditIsAlreadyAssociated;
extern const TResStringRec cxSEditMediaPlayer9;
extern const TResStringRec cxSEditMediaPlayer8;
extern const TResStringRec cxSEditXPTaskBar;
extern const TResStringRec cxSEditSimple;
extern const TResStringRec cxSEditLoading;
extern const TResStringRec cxSEditColonSeparator;
extern const TResStringRec cxSEditSemicolonSeparator;

// Check states and the check-state editors.
extern const TResStringRec cxSEditCheckStateChecked;
extern const TResStringRec cxSEditCheckStateGrayed;
extern const TResStringRec cxSEditCheckStateUnchecked;
extern const TResStringRec cxSEditCheckComboBoxStatesEditorCaption;
extern const TResStringRec cxSEditCheckGroupStatesEditorCaption;
extern const TResStringRec cxSEditCheckNoneSelected;
extern const TResStringRec cxSEditColorNotSelected;

// The rich edit's errors and the commands of its menu.
extern const TResStringRec cxSEditRichEditLibraryError;
extern const TResStringRec cxSEditRichEditLineInsertionError;
extern const TResStringRec cxSEditRichEditLoadFail;
extern const TResStringRec cxSEditRichEditSaveFail;
extern const TResStringRec cxSEditRichEditSelectionSaveFail;
extern const TResStringRec cxSEditRichEditOleInterfaceFail;
extern const TResStringRec cxSEditRichEditCallBackFail;
extern const TResStringRec cxSEditRichEditLinkFail;
extern const TResStringRec cxSEditRichEditUndoCaption;
extern const TResStringRec cxSEditRichEditRedoCaption;
extern const TResStringRec cxSEditRichEditCutCaption;
extern const TResStringRec cxSEditRichEditCopyCaption;
extern const TResStringRec cxSEditRichEditPasteCaption;
extern const TResStringRec cxSEditRichEditDeleteCaption;
extern const TResStringRec cxSEditRichEditSelectAllCaption;

}  // namespace cxExtEditConsts

using namespace cxExtEditConsts;
