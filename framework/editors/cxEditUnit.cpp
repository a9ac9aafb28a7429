// The editor unit's shared objects and its start and end: the registry of editor kinds, the default
// repository, the list of live settings objects, the default edit style controller (which is also
// the containers' default), the drawing-emulation switch and the mouse-wheel cursor.
#include <algorithm>
#include <cstring>

#include "Forms.h"
#include "Resources.h"
#include "WinCursor.h"
#include "cxClassesRegistry.h"
#include "cxEditProperties.h"
#include "cxEditRegistry.h"
#include "cxEditInternal.h"
#include "cxEditStyles.h"

namespace cxEdit {

namespace {

TcxRegisteredClasses* FRegisteredEditProperties = nullptr;
TcxEditRepository* FDefaultEditRepository = nullptr;
std::vector<TcxCustomEditProperties*>* FEditPropertiesList = nullptr;
TcxEditStyleController* FDefaultEditStyleController = nullptr;
bool FEmulateStandardControlDrawing = false;
Integer FUnitStartCount = 0;

// The mouse-wheel cursor: a dot with arrows up and down, black with a white halo, 32 x 32.
void RegisterMouseWheelCursor() {
  constexpr int Size = 32;
  char pixels[Size][Size];
  std::memset(pixels, ' ', sizeof pixels);
  auto set = [&](int x, int y) {
    if (x >= 0 && x < Size && y >= 0 && y < Size) pixels[y][x] = '#';
  };
  for (int y = -2; y <= 2; ++y)
    for (int x = -2; x <= 2; ++x)
      if (x * x + y * y <= 5) set(15 + x, 15 + y);
  for (int i = 0; i < 5; ++i)
    for (int j = -(4 - i); j <= 4 - i; ++j) {
      set(15 + j, 8 - i);
      set(15 + j, 22 + i);
    }
  for (int y = 0; y < Size; ++y)
    for (int x = 0; x < Size; ++x) {
      if (pixels[y][x] != ' ') continue;
      for (int dy = -1; dy <= 1 && pixels[y][x] == ' '; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx, ny = y + dy;
          if (nx >= 0 && nx < Size && ny >= 0 && ny < Size && pixels[ny][nx] == '#') {
            pixels[y][x] = 'o';
            break;
          }
        }
    }
  BYTE andMask[Size * Size / 8], xorMask[Size * Size / 8];
  std::memset(andMask, 0xFF, sizeof andMask);
  std::memset(xorMask, 0, sizeof xorMask);
  for (int y = 0; y < Size; ++y)
    for (int x = 0; x < Size; ++x) {
      if (pixels[y][x] == ' ') continue;
      const int index = y * Size / 8 + x / 8;
      const BYTE bit = static_cast<BYTE>(0x80 >> (x % 8));
      andMask[index] &= static_cast<BYTE>(~bit);
      if (pixels[y][x] == 'o') xorMask[index] |= bit;
    }
  RegisterCursorResource("CXEDIT_MOUSEWHEEL", 15, 15, andMask, xorMask);
}

}  // namespace

TcxRegisteredClasses* GetRegisteredEditProperties() {
  if (!FRegisteredEditProperties) {
    FRegisteredEditProperties = New<TcxRegisteredClasses>();
    FRegisteredEditProperties->SetSorted(true);
  }
  return FRegisteredEditProperties;
}

TcxEditRepository* GetDefaultEditRepository() {
  if (!FDefaultEditRepository) FDefaultEditRepository = New<TcxEditRepository>(nullptr);
  return FDefaultEditRepository;
}

TcxEditStyleController* DefaultEditStyleController() { return FDefaultEditStyleController; }

const std::vector<TcxCustomEditProperties*>& EditPropertiesList() {
  static const std::vector<TcxCustomEditProperties*> none;
  return FEditPropertiesList ? *FEditPropertiesList : none;
}

void AddEditProperties(TcxCustomEditProperties* AProperties) {
  if (FEditPropertiesList) FEditPropertiesList->push_back(AProperties);
}

void RemoveEditProperties(TcxCustomEditProperties* AProperties) {
  if (!FEditPropertiesList) return;
  auto at = std::find(FEditPropertiesList->begin(), FEditPropertiesList->end(), AProperties);
  if (at != FEditPropertiesList->end()) FEditPropertiesList->erase(at);
}

bool EmulateStandardControlDrawing() { return FEmulateStandardControlDrawing; }

void SetStandardControlDrawingEmulationMode(bool AValue) {
  if (FEmulateStandardControlDrawing == AValue) return;
  FEmulateStandardControlDrawing = AValue;
  if (TcxLookAndFeel* root = RootLookAndFeel()) root->NotifyChanged();
}

void InitEdit() {
  if (FUnitStartCount++ > 0) return;
  RegisterMouseWheelCursor();
  Screen->SetCursors(crcxEditMouseWheel, LoadCursor(HInstance, "CXEDIT_MOUSEWHEEL"));
  FDefaultEditStyleController = New<TcxEditStyleController>(nullptr);
  cxContainerDefaultStyleController = FDefaultEditStyleController;
  FEditPropertiesList = new std::vector<TcxCustomEditProperties*>;
}

void DoneEdit() {
  if (FUnitStartCount == 0 || --FUnitStartCount > 0) return;
  FreeAndNil(FRegisteredEditProperties);
  FreeAndNil(FDefaultEditRepository);
  delete FEditPropertiesList;
  FEditPropertiesList = nullptr;
  cxContainerDefaultStyleController = nullptr;
  FreeAndNil(FDefaultEditStyleController);
}

}  // namespace cxEdit
