// Reading a FIFO must never wait for a writer. A reader that does would hang
// the test for good, so the read runs on its own thread: when it has not
// come back within a few seconds, a writer is opened to set it free and the
// check reports the wait.
#pragma once

#include <chrono>
#include <future>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace testfifo {

inline bool make(const std::string& path)
{
    return ::mkfifo(path.c_str(), 0600) == 0;
}

// True when read() returned by itself; result gets what it returned.
template <class Read, class Result>
bool returnsWithoutAWriter(const std::string& fifo, Read read, Result& result)
{
    auto done = std::async(std::launch::async, read);
    if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready) {
        result = done.get();
        return true;
    }
    while (done.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
        int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }
    result = done.get();
    return false;
}

} // namespace testfifo
