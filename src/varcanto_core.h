#pragma once
// Everything of Varcanto that needs no window: text rules, code page, record
// files, the two record kinds and their archives, cipher and password store.
#include "Environment.h"
#include "TextRules.h"
#include "Cp1252.h"
#include "AnsiField.h"
#include "RecordLayout.h"
#include "RecordFile.h"
#include "VisitRecord.h"
#include "YearArchive.h"
#include "VehicleRecord.h"
#include "FleetArchive.h"
#include "Crypt.h"
#include "PasswordStore.h"
