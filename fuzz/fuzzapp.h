#pragma once

#include <QCoreApplication>

// Qt's plugins (the SQL driver) and code that asks for the application need
// one to exist; the fuzz targets make it once.
inline void ensureCoreApplication()
{
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "fuzz";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
    }
}
