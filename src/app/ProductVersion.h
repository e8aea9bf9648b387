#pragma once

#include <QString>

// The program's version information, taken from the build's project version
// and the legal notice compiled in; the about box shows both.
struct ProductVersion {
    int major = 0;
    int minor = 0;
    int patch = 0;
    int build = 0;
};

ProductVersion LumivexProductVersion();
QString LegalNotice();
