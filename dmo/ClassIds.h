#pragma once
// Class identifiers of the objects the program creates.
#include "dmo/Guid.h"

namespace dmo {

inline constexpr Guid kClsidApplication = Guid::Parse("{10020100-E260-11CF-AE68-00AA004A34D5}");
inline constexpr Guid kClsidServer = Guid::Parse("{10020200-E260-11CF-AE68-00AA004A34D5}");
inline constexpr Guid kClsidBackup = Guid::Parse("{10021F00-E260-11CF-AE68-00AA004A34D5}");
inline constexpr Guid kClsidRestore = Guid::Parse("{10023200-E260-11CF-AE68-00AA004A34D5}");

}  // namespace dmo
