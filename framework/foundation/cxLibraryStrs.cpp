#include "cxLibraryStrs.h"

#include "Resources.h"

namespace cxLibraryStrs {

const TResStringRec scxCantCreateRegistryKey{&HInstance, 65118};
const TResStringRec scxCantOpenRegistryKey{&HInstance, 65119};
const TResStringRec scxErrorStoreObject{&HInstance, 65088};
const TResStringRec scxInvalidPropertyElement{&HInstance, 65089};
const TResStringRec scxConverterCantCreateStyleRepository{&HInstance, 65090};

const TResStringRec cxSDateToday{&HInstance, 65091};
const TResStringRec cxSDateYesterday{&HInstance, 65092};
const TResStringRec cxSDateTomorrow{&HInstance, 65093};
const TResStringRec cxSDateSunday{&HInstance, 65094};
const TResStringRec cxSDateMonday{&HInstance, 65095};
const TResStringRec cxSDateTuesday{&HInstance, 65096};
const TResStringRec cxSDateWednesday{&HInstance, 65097};
const TResStringRec cxSDateThursday{&HInstance, 65098};
const TResStringRec cxSDateFriday{&HInstance, 65099};
const TResStringRec cxSDateSaturday{&HInstance, 65100};
const TResStringRec cxSDateFirst{&HInstance, 65101};
const TResStringRec cxSDateSecond{&HInstance, 65102};
const TResStringRec cxSDateThird{&HInstance, 65103};
const TResStringRec cxSDateFourth{&HInstance, 65072};
const TResStringRec cxSDateFifth{&HInstance, 65073};
const TResStringRec cxSDateSixth{&HInstance, 65074};
const TResStringRec cxSDateSeventh{&HInstance, 65075};
const TResStringRec cxSDateBOM{&HInstance, 65076};
const TResStringRec cxSDateEOM{&HInstance, 65077};
const TResStringRec cxSDateNow{&HInstance, 65078};

}  // namespace cxLibraryStrs
