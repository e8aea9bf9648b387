#include "app/ProductVersion.h"

#include <QCoreApplication>

ProductVersion LumivexProductVersion()
{
    return {LUMIVEX_VERSION_MAJOR, LUMIVEX_VERSION_MINOR, LUMIVEX_VERSION_PATCH, LUMIVEX_VERSION_TWEAK};
}

QString LegalNotice()
{
    return QCoreApplication::translate("ProductVersion", "Copyright (C) Norvane. All rights reserved.");
}
