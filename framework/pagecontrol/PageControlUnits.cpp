// The page-control layer's registration routine: the layers below, the page control's string table,
// then its units with start-up code.
#include "ResStrings.h"
#include "Resources.h"
#include "Units.h"
#include "cxPCPageControl.h"
#include "cxPCPainters.h"
#include "cxPCPaintersFactory.h"
#include "cxPCRoutines.h"

DECLARE_RESOURCE_TABLE(framework_pagecontrol, STRING)

namespace Units {

void RegisterUnits_framework_editors();

void RegisterUnits_framework_pagecontrol() {
  RegisterUnits_framework_editors();
  RegisterResourceTable(ResourceTable_framework_pagecontrol_STRING());
  RegisterStringTable("CXPCSTRINGS");
  RegisterUnit("cxPC", &cxPC::InitPC, &cxPC::DonePC);
  // Form resources name them.
  RegisterClasses({cxPC::TcxTabControl::StaticClass(), cxPC::TcxPageControl::StaticClass(),
                   cxPC::TcxTabSheet::StaticClass()});
  RegisterUnit("cxPCPaintersFactory", nullptr, &cxPCPaintersFactory::DonePaintersFactory);
  RegisterUnit("cxPCPainters", &cxPCPainters::InitPCPainters, &cxPCPainters::DonePCPainters);
}

}  // namespace Units
