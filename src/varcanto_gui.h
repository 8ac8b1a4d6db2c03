#pragma once
// The windows of Varcanto and what outside tools call on them (a
// QApplication must exist): start-up and the screen flow.
#include "varcanto_core.h"

#include "app/Startup.h"
#include "ui/Navigator.h"
#include "fleet/VehicleSheetReport.h"
