#pragma once
// Small POSIX helpers shared by the link libraries and the virtual card.

#include <chrono>
#include <cstdint>
#include <span>
#include <string>

#include "Limits.h"

namespace nq {

using Clock = std::chrono::steady_clock;

// Serial lines (termios2, so that 14400 and 28800 work): raw 8N1 at `baud`.
bool setSerialRaw(int fd, int baud);
// The line speed the tty (or a pty master, which shares its slave's settings) is set to; -1.
int serialSpeed(int fd);

bool isListedBaud(int baud);

void setNonBlocking(int fd);
// Writes everything before the deadline (poll on writability); false on error or deadline.
bool writeAll(int fd, std::span<const uint8_t> data, Clock::time_point deadline);
// Waits for readability up to the deadline: 1 readable, 0 deadline, -1 error/hang-up.
int waitReadable(int fd, Clock::time_point deadline, int wakeFd = -1);

// Milliseconds from an environment variable, or def when unset or not a positive number.
int envMillis(const char* name, int def);

}  // namespace nq
