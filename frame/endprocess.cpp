// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/endprocess.h"

#include <cstdio>
#include <cstdlib>

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(leak_sanitizer)
#define ARCADE_LEAK_CHECK 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define ARCADE_LEAK_CHECK 1
#endif
#ifdef ARCADE_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

namespace frame {

void EndProcess(int code) {
    std::fflush(nullptr);
#ifdef ARCADE_LEAK_CHECK
    // Ends the process with the sanitizer's exit code when it finds a leak.
    __lsan_do_leak_check();
#endif
    std::_Exit(code);
}

}  // namespace frame
