// kwitola-convert: converts a folder's Paradox tables to the program's own.
#include "kwitola/legacy/converttool.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    const QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return kwitola::legacy::runConvertTool(QCoreApplication::arguments(), out, err);
}
