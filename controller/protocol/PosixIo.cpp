#include "PosixIo.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace nq {

bool isListedBaud(int baud) {
  for (int b : kBaudRates)
    if (b == baud) return true;
  return false;
}

void setNonBlocking(int fd) {
  int fl = fcntl(fd, F_GETFL, 0);
  if (fl >= 0) fcntl(fd, F_SETFL, fl | O_NONBLOCK);
}

static int msUntil(Clock::time_point deadline) {
  auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  if (left < 0) return 0;
  return left > 60000 ? 60000 : int(left) + 1;
}

bool writeAll(int fd, std::span<const uint8_t> data, Clock::time_point deadline) {
  size_t done = 0;
  while (done < data.size()) {
    // send() keeps a closed peer from raising SIGPIPE; ttys and pipes take write().
    ssize_t n = ::send(fd, data.data() + done, data.size() - done, MSG_NOSIGNAL);
    if (n < 0 && errno == ENOTSOCK) n = ::write(fd, data.data() + done, data.size() - done);
    if (n > 0) {
      done += size_t(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return false;
    if (Clock::now() >= deadline) return false;
    pollfd p{fd, POLLOUT, 0};
    int r = ::poll(&p, 1, msUntil(deadline));
    if (r < 0 && errno != EINTR) return false;
    if (r > 0 && (p.revents & (POLLERR | POLLNVAL))) return false;
  }
  return true;
}

int waitReadable(int fd, Clock::time_point deadline, int wakeFd) {
  for (;;) {
    pollfd p[2] = {{fd, POLLIN, 0}, {wakeFd, POLLIN, 0}};
    int r = ::poll(p, wakeFd >= 0 ? 2 : 1, msUntil(deadline));
    if (r < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (wakeFd >= 0 && p[1].revents) return -1;
    if (r == 0) {
      if (Clock::now() >= deadline) return 0;
      continue;
    }
    if (p[0].revents & POLLIN) return 1;
    if (p[0].revents & (POLLERR | POLLHUP | POLLNVAL)) return -1;
  }
}

int envMillis(const char* name, int def) {
  const char* v = std::getenv(name);
  if (!v || !*v) return def;
  char* end = nullptr;
  long x = std::strtol(v, &end, 10);
  if (*end || x <= 0 || x > 600000) return def;
  return int(x);
}

}  // namespace nq
