// The editors layer's registration routine: the layers below, the editors' string tables, then its
// units with start-up code.
#include "ResStrings.h"
#include "cxButtons.h"
#include "cxDropDownEdit.h"
#include "cxCheckBox.h"
#include "Resources.h"
#include "Units.h"
#include "cxEditPaintUtils.h"
#include "cxEditRegistry.h"
#include "cxEditUtils.h"
#include "cxLabel.h"
#include "cxMaskEdit.h"
#include "cxTextEditProperties.h"

DECLARE_RESOURCE_TABLE(framework_editors, STRING)

namespace Units {

void RegisterUnits_framework_controls();

void RegisterUnits_framework_editors() {
  RegisterUnits_framework_controls();
  RegisterResourceTable(ResourceTable_framework_editors_STRING());
  RegisterStringTable("CXEXTEDITSTRINGS");
  RegisterStringTable("CXEDITSTRINGS");
  RegisterStringTable("CXMASKEDITSTRINGS");
  RegisterUnit("cxEditPaintUtils", &cxEditPaintUtils::InitEditPaintUtils, &cxEditPaintUtils::DoneEditPaintUtils);
  RegisterUnit("cxEditUtils", &cxEditUtils::InitEditUtils, nullptr);
  RegisterUnit("cxEdit", &cxEdit::InitEdit, &cxEdit::DoneEdit);
  RegisterUnit("cxTextEdit", &cxTextEdit::InitTextEdit, &cxTextEdit::DoneTextEdit);
  RegisterUnit("cxMaskEdit", &cxMaskEdit::InitMaskEdit, nullptr);
  RegisterUnit("cxDropDownEdit", &cxDropDownEdit::InitDropDownEdit, nullptr);
  RegisterUnit("cxButtons", &cxButtons::InitButtons, nullptr);
  RegisterUnit("cxLabel", &cxLabel::InitLabel, &cxLabel::DoneLabel);
  RegisterUnit("cxCheckBox", &cxCheckBox::InitCheckBox, &cxCheckBox::DoneCheckBox);
}

}  // namespace Units
