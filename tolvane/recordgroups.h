// The three column groups of a record as the Java side sees them: one step of
// a walk, one store, and the number of positions of a group.
//
// Tech keys and data properties are the record's own walks. The base columns
// are CDDDiagObject's seven columns, reached through that class's own
// operations whatever the record's class overrides; a record that is not a
// CDDDiagObject has no base group (its walk yields nothing, stores are
// dropped, its size is 0).
#ifndef TOLVANE_RECORDGROUPS_H
#define TOLVANE_RECORDGROUPS_H

#include "objectbase.h"

enum class PropertyGroup;

// One step of the group's walk into value; false when the group has ended.
// A tech key arrives as an integer value.
bool StepGroup(CObjectBase& record, PropertyGroup group, bool reset, PropertyValue& value);

// Stores value at the record's place in the group (a tech key takes the
// value's integer).
void StoreGroup(CObjectBase& record, PropertyGroup group, bool reset, const PropertyValue& value);

// The number of positions of the group. Taken from the record's column table
// when it has one; otherwise counted by walking the group, after which the
// record's place in the group is put back to `place` (the number of steps
// taken since the group's start; -1 when the next step resets anyway).
int GroupSize(CObjectBase& record, PropertyGroup group, int place);

#endif
