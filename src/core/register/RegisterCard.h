#pragma once
// The rule of the register card editor that needs no window: the checks a
// card must pass before it is saved.
#include "core/register/VisitRecord.h"
#include "core/storage/CardEditorModel.h"

#include <QString>
#include <optional>

// The first check the card fails, in the order the operator is told about
// them; nothing when the card can be saved. The card's texts are trimmed.
std::optional<SaveRefusal> CheckCardForSave(const VisitRecord &card);
