#include "SerialReports.h"

#include <gtest/gtest.h>

void FailOnSerialError::ReportSerialError(const std::string& text)
{
    ADD_FAILURE() << "serial error: " << text;
}
