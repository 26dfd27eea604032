#include "sound/alsa_quiet.h"

#include <dlfcn.h>

namespace {

extern "C" void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

using ErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
using SetErrorHandler = int (*)(ErrorHandler);

}  // namespace

void SilenceAlsaErrors()
{
    // Kept loaded for the program's life: the handler must stay installed while SDL uses it.
    static void* const library = dlopen("libasound.so.2", RTLD_LAZY);
    if (library == nullptr)
        return;
    if (auto set = reinterpret_cast<SetErrorHandler>(dlsym(library, "snd_lib_error_set_handler")))
        set(IgnoreAlsaError);
}
