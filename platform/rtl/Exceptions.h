#pragma once
// The exception family of the class library. Every exception carries the
// message text the operator sees, as a byte string in the ANSI code page.
#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// A text that is not a number where a number is required.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// An index outside a list.
class EListError : public Exception {
 public:
  using Exception::Exception;
};

// An INI file that cannot be written.
class EIniFileException : public Exception {
 public:
  using Exception::Exception;
};

// A failed call of the operating system, with the system's own error text.
class EOSError : public Exception {
 public:
  using Exception::Exception;
};
