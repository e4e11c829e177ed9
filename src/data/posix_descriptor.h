// An open file descriptor that is closed when it goes out of scope, and the system's words for
// an error number. Used by the POSIX files of the safe output writer and the input reader only.
#pragma once

#include <unistd.h>

#include <string>
#include <system_error>
#include <utility>

namespace jw::posix {

class Descriptor {
  public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        if (this != &other) {
            Reset();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { Reset(); }

    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    // Closes now, for the error that a close can report (a network disk's delayed write):
    // 0 or the error number.
    int Close() {
        const int fd = std::exchange(fd_, -1);
        return fd >= 0 && ::close(fd) != 0 ? errno : 0;
    }

  private:
    void Reset() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    int fd_ = -1;
};

inline std::string Reason(int error) {
    return std::generic_category().message(error);
}

}  // namespace jw::posix
