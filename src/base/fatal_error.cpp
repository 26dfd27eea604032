#include "base/fatal_error.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/product.h"

namespace {

void WriteToStandardError(const char* text, const char* caption)
{
    std::fprintf(stderr, "%s\n%s\n", caption, text);
}

FatalErrorPresenter g_presenter = WriteToStandardError;

}  // namespace

void SetFatalErrorPresenter(FatalErrorPresenter presenter)
{
    g_presenter = presenter ? presenter : WriteToStandardError;
}

const char* FatalErrorCaption()
{
    static const std::string caption = std::string("  G i m m e r j i g  ") + kContactEmail;
    return caption.c_str();
}

void FatalError(const char* text)
{
    g_presenter(text ? text : "", FatalErrorCaption());
    fcloseall();
    std::exit(1);
}
