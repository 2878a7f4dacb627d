// The companion program's executable, included byte for byte into the program that hands
// over to it. NORVANE_UPGRADER_IMAGE names the file at build time.
#include "core/update/embedded_upgrader.h"

#ifndef NORVANE_UPGRADER_IMAGE
#error "NORVANE_UPGRADER_IMAGE must name the companion executable"
#endif

asm(".pushsection .rodata.norvane_upgrader, \"a\", @progbits\n"
    ".balign 16\n"
    ".globl norvane_upgrader_begin\n"
    ".hidden norvane_upgrader_begin\n"
    "norvane_upgrader_begin:\n"
    ".incbin \"" NORVANE_UPGRADER_IMAGE
    "\"\n"
    ".globl norvane_upgrader_end\n"
    ".hidden norvane_upgrader_end\n"
    "norvane_upgrader_end:\n"
    ".popsection\n");

extern "C" const char norvane_upgrader_begin[];
extern "C" const char norvane_upgrader_end[];

namespace norvane {

std::string_view embeddedUpgraderImage() {
  return std::string_view(norvane_upgrader_begin,
                          static_cast<std::size_t>(norvane_upgrader_end - norvane_upgrader_begin));
}

}  // namespace norvane
