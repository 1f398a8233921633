#pragma once
// The status timer: identifier 1, every 5000 ms.
inline constexpr unsigned kStatusTimerId = 1;
inline constexpr unsigned kStatusTimerPeriodMs = 5000;
