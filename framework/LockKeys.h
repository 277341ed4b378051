#pragma once

#include <optional>

// The state of the lock key that an indicator pane shows, where the platform tells it.
std::optional<bool> LockKeyOn(int indicatorId);
