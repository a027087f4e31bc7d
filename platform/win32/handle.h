#pragma once

#include <windows.h>

namespace dirnal::win32 {

// An open file handle, closed when it goes out of scope or on request.
class Handle {
public:
    explicit Handle(HANDLE value) : value_(value) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return value_; }
    bool valid() const { return value_ != INVALID_HANDLE_VALUE; }
    void close()
    {
        if (valid())
            ::CloseHandle(value_);
        value_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE value_;
};

}  // namespace dirnal::win32
