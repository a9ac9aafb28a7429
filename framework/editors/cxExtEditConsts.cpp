#include "cxExtEditConsts.h"

#include "Resources.h"

namespace cxExtEditConsts {

const TResStringRec cxSEditRepositoryColorComboBoxItem = {&HInstance, 65520};
const TResStringRec cxSEditRepositoryFontNameComboBoxItem = {&HInstance, 65521};
const TResStringRec cxSEditRepositoryLabelItem = {&HInstance, 65522};
const TResStringRec cxSEditRepositoryProgressBarItem = {&HInstance, 65523};
const TResStringRec cxSEditRepositoryTrackBarItem = {&HInstance, 65524};
const TResStringRec cxSEditRepositorySpinButtonItem = {&HInstance, 65525};
const TResStringRec cxSEditRepositoryCheckComboBoxItem = {&HInstance, 65526};
const TResStringRec cxSEditRepositoryShellComboBoxItem = {&HInstance, 65527};
const TResStringRec cxSEditRepositoryCheckGroupItem = {&HInstance, 65528};
const TResStringRec cxSEditRepositoryRichEditItem = {&HInstance, 65488};

const TResStringRec cxSEditIsAlreadyAssociated = {&HInstance, 65529};
const TResStringRec cxSEditMediaPlayer9 = {&HInstance, 65530};
const TResStringRec cxSEditMediaPlayer8 = {&HInstance, 65531};
const TResStringRec cxSEditXPTaskBar = {&HInstance, 65532};
const TResStringRec cxSEditSimple = {&HInstance, 65533};
const TResStringRec cxSEditLoading = {&HInstance, 65534};
const TResStringRec cxSEditColonSeparator = {&HInstance, 65535};
const TResStringRec cxSEditSemicolonSeparator = {&HInstance, 65504};

const TResStringRec cxSEditCheckStateChecked = {&HInstance, 65505};
const TResStringRec cxSEditCheckStateGrayed = {&HInstance, 65506};
const TResStringRec cxSEditCheckStateUnchecked = {&HInstance, 65507};
const TResStringRec cxSEditCheckComboBoxStatesEditorCaption = {&HInstance, 65508};
const TResStringRec cxSEditCheckGroupStatesEditorCaption = {&HInstance, 65509};
const TResStringRec cxSEditCheckNoneSelected = {&HInstance, 65510};
const TResStringRec cxSEditColorNotSelected = {&HInstance, 65511};

const TResStringRec cxSEditRichEditLibraryError = {&HInstance, 65512};
const TResStringRec cxSEditRichEditLineInsertionError = {&HInstance, 65513};
const TResStringRec cxSEditRichEditLoadFail = {&HInstance, 65514};
const TResStringRec cxSEditRichEditSaveFail = {&HInstance, 65515};
const TResStringRec cxSEditRichEditSelectionSaveFail = {&HInstance, 65516};
const TResStringRec cxSEditRichEditOleInterfaceFail = {&HInstance, 65517};
const TResStringRec cxSEditRichEditCallBackFail = {&HInstance, 65518};
const TResStringRec cxSEditRichEditLinkFail = {&HInstance, 65519};
const TResStringRec cxSEditRichEditUndoCaption = {&HInstance, 65489};
const TResStringRec cxSEditRichEditRedoCaption = {&HInstance, 65490};
const TResStringRec cxSEditRichEditCutCaption = {&HInstance, 65491};
const TResStringRec cxSEditRichEditCopyCaption = {&HInstance, 65492};
const TResStringRec cxSEditRichEditPasteCaption = {&HInstance, 65493};
const TResStringRec cxSEditRichEditDeleteCaption = {&HInstance, 65494};
const TResStringRec cxSEditRichEditSelectAllCaption = {&HInstance, 65495};

}  // namespace cxExtEditConsts
