#pragma once
// The windows of Varcanto and what outside tools call on them (a
// QApplication must exist): start-up and the screen flow.
#include "varcanto_core.h"

#include "gui/Startup.h"
#include "gui/kit/Navigator.h"
#include "gui/fleet/VehicleSheetReport.h"
