#include "boxes/catalogue_line.h"

#include <QCoreApplication>

std::string CatalogueLine(const char* context, const std::string& english)
{
    return QCoreApplication::translate(context, english.c_str()).toStdString();
}
