// The window-manager calls that programs look up at run time in the system's USER32 library rather
// than bind to (monitors, layered windows, window animation, scroll-bar information): installed in
// the table of optional system functions at start-up, so that code looking them up finds them.
#pragma once

namespace WinUser32 {

void InstallUser32Library();
void RemoveUser32Library();

}  // namespace WinUser32

using namespace WinUser32;
