#pragma once

#include "analysis/AxisLabel.h"

#include <vector>

// The values of a row of axis labels, in order.
inline std::vector<int64_t> LabelValues(const auto& labels)
{
    std::vector<int64_t> values;
    for (const AxisLabel& label : labels)
        values.push_back(label.value);
    return values;
}
