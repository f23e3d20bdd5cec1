#include "fontwarmup.h"

#if __has_include(<fontconfig/fontconfig.h>)
#include <fontconfig/fontconfig.h>
#define VARNELO_HAVE_FONTCONFIG 1
#endif

FontWarmUp::FontWarmUp()
{
#ifdef VARNELO_HAVE_FONTCONFIG
    // Fontconfig is thread-safe and keeps its configuration for the process: when Qt asks for
    // it, it is there already.
    m_thread = std::thread([] { FcInit(); });
#endif
}

FontWarmUp::~FontWarmUp()
{
    wait();
}

void FontWarmUp::wait()
{
    if (m_thread.joinable()) {
        m_thread.join();
    }
}
