// Screen cursor identifiers of the grid and pivot-grid families.
#pragma once

namespace cxLibraryConsts {

constexpr int crcxGridHorzSize = 4001;
constexpr int crcxGridVertSize = 4002;
constexpr int crcxGridRemove = 4003;
constexpr int crcxGridNoDrop = 4004;
constexpr int crcxGridDrag = 4005;
constexpr int crcxGridMultiDrag = 4006;
constexpr int crcxGridSelectRow = 4007;

constexpr int crcxPivotGridArrow = 4301;
constexpr int crcxPivotGridHorzSize = 4302;
constexpr int crcxPivotGridNoDrop = 4303;
constexpr int crcxPivotGridRemove = 4304;

}  // namespace cxLibraryConsts

using namespace cxLibraryConsts;
