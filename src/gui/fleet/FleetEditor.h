#pragma once
// What the fleet windows hand to the vehicle card editor: the fleet search
// and the list of available vehicles load a stored vehicle. Reached through
// Navigator::As<FleetEditor>(ScreenId::Fleet).
class FleetEditor
{
public:
    virtual ~FleetEditor() = default;
    // Card cardNumber (1-based) of the fleet archive is loaded into the
    // editor's fields, availability mark, attachments and lblPosizione. False,
    // with the editor as it was and the failure told to the user, when the
    // card cannot be read.
    virtual bool LoadVehicle(int cardNumber) = 0;
};
