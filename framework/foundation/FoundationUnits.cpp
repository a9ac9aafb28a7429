// The foundation's registration routine: the layers below, the framework's string table and bitmaps,
// and the units with start-up code.
#include "Resources.h"
#include "ResStrings.h"
#include "Units.h"
#include "cxClasses.h"
#include "cxDWMApi.h"
#include "cxDateUtils.h"
#include "cxFormats.h"
#include "cxGraphicsBrushCache.h"
#include "cxGraphicsImageList.h"
#include "cxGeometry.h"
#include "dxOffice11.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

DECLARE_RESOURCE_TABLE(framework_foundation, STRING)
DECLARE_RESOURCE_TABLE(framework_foundation, BITMAP)

namespace Units {

void RegisterUnits_platform_db();

void RegisterUnits_framework_foundation() {
  RegisterUnits_platform_db();
  RegisterResourceTable(ResourceTable_framework_foundation_STRING());
  RegisterStringTable("CXSTRINGS");
  RegisterResourceTable(ResourceTable_framework_foundation_BITMAP());
  RegisterUnit("cxGeometry", &cxGeometry::cxGeometryInitialization, &cxGeometry::cxGeometryFinalization);
  RegisterUnit("dxUxTheme", &dxUxTheme::dxUxThemeInitialization, &dxUxTheme::dxUxThemeFinalization);
  RegisterUnit("cxDWMApi", &cxDWMApi::cxDWMApiInitialization, &cxDWMApi::cxDWMApiFinalization);
  RegisterUnit("dxThemeManager", &dxThemeManager::dxThemeManagerInitialization,
               &dxThemeManager::dxThemeManagerFinalization);
  RegisterUnit("dxOffice11", &dxOffice11::dxOffice11Initialization, &dxOffice11::dxOffice11Finalization);
  RegisterUnit("cxClasses", nullptr, &cxClasses::cxClassesFinalization);
  RegisterUnit("cxGraphics", &cxGraphics::cxGraphicsInitialization, &cxGraphics::cxGraphicsFinalization);
  RegisterClass(cxGraphics::TcxImageList::StaticClass());  // form resources name it
  RegisterUnit("cxDateUtils", nullptr, &cxDateUtils::cxDateUtilsFinalization);
  RegisterUnit("cxFormats", nullptr, &cxFormats::cxFormatsFinalization);
}

}  // namespace Units
