#include "core/storage/CardEditorModel.h"

ArrowStep StepOf(Arrow arrow, int count, int shown)
{
    ArrowStep step;
    // Back from the first card goes nowhere, whatever the archive holds.
    if (arrow == Arrow::Previous && shown == 1)
        return step;
    if (count == 0) {
        step.emptyArchive = true;
        step.clearPosition = arrow == Arrow::Next;
        return step;
    }
    switch (arrow) {
    case Arrow::First:
        step.showIndex = 0;
        break;
    case Arrow::Last:
        step.showIndex = count - 1;
        break;
    case Arrow::Next:
        if (shown == 0) {
            step.zeroPosition = true;
            step.showIndex = 0;
        } else if (shown < count) {
            step.showIndex = shown;
        }
        break;
    case Arrow::Previous:
        step.showIndex = shown == 0 ? 0 : shown - 2;
        break;
    }
    return step;
}
