#include "platform/posix/clean_spawn.h"

#include <signal.h>

namespace norvane {

CleanSpawn::CleanSpawn(short extraFlags) {
  posix_spawnattr_init(&attributes);
  posix_spawn_file_actions_init(&actions);
  sigset_t none;
  sigset_t all;
  sigemptyset(&none);
  sigfillset(&all);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &all);
  posix_spawnattr_setflags(&attributes, static_cast<short>(POSIX_SPAWN_SETSIGMASK |
                                                           POSIX_SPAWN_SETSIGDEF | extraFlags));
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);
}

CleanSpawn::~CleanSpawn() {
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
}

}  // namespace norvane
