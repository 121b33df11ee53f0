#pragma once
// Result codes of the NQ_* link operations. 0 is success; the failures are positive; count-like
// queries return the code negated. A refusal by the controller carries the card's status:
// Refused + status (101..355). See README.md, "Result codes".

namespace nq {

enum Result : int {
  Ok = 0,
  NotConnected = 1,    // no link is open
  NoReply = 2,         // not one byte of a reply before the deadline
  WrongReply = 3,      // a reply to this request with another command code, or a malformed payload
  ChecksumError = 4,   // replies kept failing their checksum after the bounded retries
  Timeout = 5,         // a reply began but did not complete before the deadline
  ConnectFailed = 6,   // connect/open failed or took longer than 3 s
  LinkLost = 7,        // the peer closed the link or an I/O error happened; the link is closed
  UnreadableFile = 8,  // a bitmap, set.ini or firmware file is missing or cannot be read
  OutOfRange = 9,      // an argument is out of range (null pointer, count, path without NUL, ...)
  WriteFailed = 10,    // a fetch could not write its files into the home
  InternalError = 11,  // the library could not carry out the call (out of memory)
  Refused = 100,       // + card status: the controller refused the request
};

// GBK texts of the LinkStatusText values.
inline constexpr const char kTextNotConnected[] = "\xCE\xB4\xC1\xAC\xBD\xD3";  // 未连接
inline constexpr const char kTextNoReply[] =
    "\xCE\xB4\xCA\xD5\xB5\xBD\xBB\xD8\xC2\xEB";  // 未收到回码
inline constexpr const char kTextWrongReply[] = "\xBB\xD8\xC2\xEB\xB4\xED\xCE\xF3";  // 回码错误
inline constexpr const char kTextChecksum[] =
    "\xBA\xCD\xD0\xA3\xD1\xE9\xB4\xED\xCE\xF3";                   // 和校验错误
inline constexpr const char kTextTimeout[] = "\xB3\xAC\xCA\xB1";  // 超时

// The LinkStatusText a text read returns for a failure code.
inline const char* linkStatusText(int code) {
  switch (code) {
    case NoReply:
      return kTextNoReply;
    case ChecksumError:
      return kTextChecksum;
    case Timeout:
      return kTextTimeout;
    case NotConnected:
    case ConnectFailed:
    case LinkLost:
      return kTextNotConnected;
    default:
      return kTextWrongReply;  // wrong reply code, refusals, malformed replies
  }
}

}  // namespace nq
