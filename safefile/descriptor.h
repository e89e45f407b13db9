// A POSIX file descriptor closed when it goes out of scope.
#pragma once

#include <cerrno>
#include <unistd.h>

namespace safefile {

class Descriptor {
public:
    explicit Descriptor(int fd = -1)
        : m_fd(fd)
    { }
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    Descriptor(Descriptor &&other) noexcept
        : m_fd(other.release())
    { }
    Descriptor &operator=(Descriptor &&other) noexcept
    {
        if (this != &other) {
            reset();
            m_fd = other.release();
        }
        return *this;
    }

    bool isOpen() const { return m_fd >= 0; }
    int get() const { return m_fd; }
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    // Closes now; the errno of a failed close, else 0 (a close can report a
    // write the system delayed).
    int reset()
    {
        const int fd = release();
        return fd >= 0 && ::close(fd) != 0 ? errno : 0;
    }

private:
    int m_fd;
};

} // namespace safefile
