#include "app/gui_entry.h"

#include <cstdio>

namespace brelt::app {

int runGui(int, char**) {
    std::fputs("brelt: the calculator window is not built yet; use --eval\n", stderr);
    return 2;
}

} // namespace brelt::app
