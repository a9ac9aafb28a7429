// The database layer's units, after those of the class library. Its classes are registered for the
// object stream here, once, since they need no start-up or shut-down work of their own.
#include "ADODB.h"
#include "DB.h"

namespace Units {

void RegisterUnits_platform_classlib();

void RegisterUnits_platform_db() {
  RegisterUnits_platform_classlib();
  RegisterClasses({TDataSource::StaticClass(), TStringField::StaticClass(), TIntegerField::StaticClass(),
                   TSmallintField::StaticClass(), TWordField::StaticClass(), TAutoIncField::StaticClass(),
                   TFloatField::StaticClass(), TCurrencyField::StaticClass(), TBCDField::StaticClass(),
                   TBooleanField::StaticClass(), TDateTimeField::StaticClass(), TDateField::StaticClass(),
                   TTimeField::StaticClass(), TBytesField::StaticClass(), TVarBytesField::StaticClass(),
                   TBlobField::StaticClass(), TMemoField::StaticClass(), TGraphicField::StaticClass(),
                   TADOConnection::StaticClass(), TADOQuery::StaticClass()});
}

}  // namespace Units
