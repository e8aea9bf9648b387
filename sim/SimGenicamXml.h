#pragma once

#include "SimFeatureTable.h"

#include <string>

// The GenICam description of a simulated camera: every feature of the table
// except those the options leave out, in categories under "Root". The
// registers of left-out features stay, so the formulas that read them work.
std::string BuildSimGenicamXml(const SimFeatureTable& table, const SimOptions& options);
