#pragma once

#include "camera/CRS232C_OM.h"

// The program's report of a failed serial exchange: a message box with the
// exclamation icon, titled with the application's name.
class SerialMessageBox : public SerialErrorReporter {
public:
    void ReportSerialError(const std::string& text) override;
};
