#pragma once
// Everything of Varcanto that needs no window: text rules, code page, record
// files, the two record kinds and their archives, cipher and password store,
// identifier checks, the spreadsheet writer and the export grids.
#include "storage/Environment.h"
#include "storage/TextRules.h"
#include "storage/Cp1252.h"
#include "storage/AnsiField.h"
#include "storage/RecordLayout.h"
#include "storage/RecordFile.h"
#include "storage/ArchiveScan.h"
#include "storage/SpreadsheetExport.h"
#include "storage/CardGridModel.h"
#include "storage/ListRules.h"
#include "register/VisitRecord.h"
#include "register/YearArchive.h"
#include "register/RegisterExport.h"
#include "register/RegisterLists.h"
#include "fleet/VehicleRecord.h"
#include "fleet/FleetArchive.h"
#include "app/Crypt.h"
#include "app/PasswordStore.h"
#include "checks/IdentifierChecks.h"
