#pragma once

// Where the tests send the serial channel's error reports.

#include "camera/CRS232C_OM.h"

#include <string>
#include <vector>

// Any serial channel error fails the test.
class FailOnSerialError : public SerialErrorReporter {
public:
    void ReportSerialError(const std::string& text) override;
};

// Keeps every error text, for tests that provoke them.
class CapturedReports : public SerialErrorReporter {
public:
    void ReportSerialError(const std::string& text) override { texts.push_back(text); }

    std::vector<std::string> texts;
};
