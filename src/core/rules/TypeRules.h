#pragma once
// What choosing a zone or relay type does to the rest of its settings; the editor
// applies it when a type is chosen and again to every zone and relay before a save.
#include <cstdint>

#include "model/Device.h"

namespace travo {

bool IsDelayZoneType(std::int32_t code);  // 1 and 16: the delay is edited
bool IsNoPartZoneType(std::int32_t code); // 7 and 14: the zone takes part in no partition
bool HasReleTime(std::int32_t code);      // every type but 0 and 10

// Type := code; a delay type gets the default delay for a zero delay, any other type
// delay 0; types 7 and 14 leave every partition, the others without one join partition 1.
void ApplyShleifType(T_Command_DEVICE& device, int zone, std::int32_t code);

// Type := code; a timed type gets the default time for a zero time, types 0 and 10
// time 0; type 0 has no partitions, the others at least {1}, type 10 exactly one.
void ApplyReleType(T_Command_DEVICE& device, int rele, std::int32_t code);

// Re-applies the current type of every zone and relay, as the unload before a save.
void ApplyUnloadRules(T_Command_DEVICE& device);

} // namespace travo
