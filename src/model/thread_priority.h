#pragma once
// The scheduling priority a component asks for its worker thread, as documents store it.

#include "model/enum_type.h"

TELVO_ENUM(TThreadPriority, tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical)
