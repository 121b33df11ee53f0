// Kept apart: <asm/termbits.h> (termios2) cannot share a unit with <termios.h>.
#include <asm/termbits.h>
#include <sys/ioctl.h>

#include "PosixIo.h"

namespace nq {

bool setSerialRaw(int fd, int baud) {
  struct termios2 t {};
  if (ioctl(fd, TCGETS2, &t) != 0) return false;
  t.c_iflag = 0;
  t.c_oflag = 0;
  t.c_lflag = 0;
  t.c_cflag = CS8 | CREAD | CLOCAL | BOTHER | (BOTHER << IBSHIFT);
  t.c_ispeed = unsigned(baud);
  t.c_ospeed = unsigned(baud);
  t.c_cc[VMIN] = 0;
  t.c_cc[VTIME] = 0;
  if (ioctl(fd, TCSETS2, &t) != 0) return false;
  ioctl(fd, TCFLSH, TCIOFLUSH);
  return true;
}

int serialSpeed(int fd) {
  struct termios2 t {};
  if (ioctl(fd, TCGETS2, &t) != 0) return -1;
  return int(t.c_ospeed);
}

}  // namespace nq
