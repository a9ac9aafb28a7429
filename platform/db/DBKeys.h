// Ordering keys of records: strings of base-62 digits ('0'-'9', 'A'-'Z', 'a'-'z', in byte order)
// read as a fraction, never ending in '0'. Byte order of the strings is the order of the fractions,
// and a key strictly between any two others always exists, so an inserted record takes a key
// between its neighbours and no other key ever changes.
#pragma once

#include <vector>

#include "System.h"

namespace DB::Keys {

// The digits needed for keys of Count fetched records.
size_t FetchKeyWidth(size_t Count);
// The key of the Index-th fetched record (0-based), Width digits and a closing digit.
String FetchKey(size_t Index, size_t Width);
// A key strictly between Low and High; an empty Low is below every key, an empty High above.
String Between(const String& Low, const String& High);
// Keys for records in their new order, where Kept[i] is the key record i had before (empty for a
// record new to the store). As many kept keys as can stay in order stay; every other record gets a
// new key between its neighbours, so the result is strictly ascending.
std::vector<String> Reassign(const std::vector<String>& Kept);

}  // namespace DB::Keys
