#pragma once
// Spawn settings for a program that starts clean: default handling for every signal, nothing
// blocked, and none of our descriptors beyond the standard three (no window-system
// connection, no locks). Callers add their own flags and file actions.
#include <spawn.h>

namespace norvane {

// Owns the settings for the duration of one start.
struct CleanSpawn {
  posix_spawnattr_t attributes;
  posix_spawn_file_actions_t actions;

  // `extraFlags` are further POSIX_SPAWN_* flags, e.g. POSIX_SPAWN_SETSID.
  explicit CleanSpawn(short extraFlags = 0);
  ~CleanSpawn();
  CleanSpawn(const CleanSpawn&) = delete;
  CleanSpawn& operator=(const CleanSpawn&) = delete;
};

}  // namespace norvane
