// Running a loop over many rows on the machine's cores, in contiguous parts kept in order.
#pragma once

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdlib>
#include <exception>
#include <string_view>
#include <thread>
#include <vector>

namespace velmora::query {

// Rows below this are not worth a thread.
inline constexpr std::size_t kRowsPerThread = 16384;

// The most threads a loop may use: VELMORA_QUERY_THREADS when it holds a whole number from 1 to
// 64 (so that a test, or a user sharing the machine, fixes it), otherwise the machine's cores, at
// most 8. Read on every call, so that it is the one place deciding it.
inline std::size_t ThreadLimit() {
    if (const char* given = std::getenv("VELMORA_QUERY_THREADS")) {
        const std::string_view text(given);
        std::size_t threads = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), threads);
        if (error == std::errc() && end == text.data() + text.size() && threads >= 1 &&
            threads <= 64) {
            return threads;
        }
    }
    return std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
}

// How many parts InParallel splits count rows into.
inline std::size_t PartCount(std::size_t count) {
    return std::clamp<std::size_t>(count / kRowsPerThread, 1, ThreadLimit());
}

// Calls work(begin, end, part) for PartCount(count) contiguous parts of [0, count), part 0 on this
// thread and the others on threads of their own, and returns when all are done. An exception
// from any part is rethrown here.
template <typename Work>
void InParallel(std::size_t count, Work&& work) {
    const std::size_t parts = PartCount(count);
    const auto bounds = [&](std::size_t part) { return count * part / parts; };
    std::vector<std::exception_ptr> errors(parts);
    std::vector<std::thread> threads;
    for (std::size_t part = 1; part < parts; ++part) {
        threads.emplace_back([&, part] {
            try {
                work(bounds(part), bounds(part + 1), part);
            } catch (...) {
                errors[part] = std::current_exception();
            }
        });
    }
    try {
        work(bounds(0), bounds(1), std::size_t{0});
    } catch (...) {
        errors[0] = std::current_exception();
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (const std::exception_ptr& error : errors) {
        if (error) {
            std::rethrow_exception(error);
        }
    }
}

}  // namespace velmora::query
