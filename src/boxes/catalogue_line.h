#pragma once

#include <string>

// A line of a picture text looked up in the catalogues installed in the application, in UTF-8;
// the English line itself where none has it. A LineTranslator of help/help_texts.h.
std::string CatalogueLine(const char* context, const std::string& english);
