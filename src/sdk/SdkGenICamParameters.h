#pragma once

// Private to the SDK layer: the camera's features as SDK parameters.

#include "sdk/SdkGenParameter.h"

#include <arv.h>

// Adds one parameter per typed feature node of the camera's GenICam document,
// in document order and whatever the selectors select. Nodes are typed in
// this order: command, enumeration, boolean, float, integer, string; register
// and category nodes are skipped, and so are the "Arv..." aliases that
// Aravis adds for its own use. The parameters point into the document, so
// they must be cleared before the device that owns it goes away.
void AddGenICamParameters(ArvGc* genicam, SdkGenParameterArray& parameters);
