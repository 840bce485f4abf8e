// The floor karoskop-batch is measured against: reads lines the same way
// (a named file or standard input) and writes each line back with a fixed
// suffix as long as a decoded result's JSON, with no decoding at all.
// Usage: karoskop_copy_floor SUFFIX_BYTES [FILE]
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

bool writeAll(const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(STDOUT_FILENO, data, size);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs("usage: karoskop_copy_floor SUFFIX_BYTES [FILE]\n", stderr);
        return 2;
    }
    const std::string suffix(static_cast<std::size_t>(std::atol(argv[1])), 'x');
    const int in = argc > 2 ? ::open(argv[2], O_RDONLY) : STDIN_FILENO;
    if (in < 0) {
        return 1;
    }
    constexpr std::size_t kBlock = std::size_t{256} * 1024;
    std::vector<char> input(kBlock);
    std::string pending;
    std::string out;
    out.reserve(kBlock * 2);
    for (;;) {
        const ssize_t n = ::read(in, input.data(), input.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        pending.append(input.data(), static_cast<std::size_t>(n));
        std::size_t start = 0;
        for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos;
             start = end + 1) {
            out.append(pending, start, end - start).append(suffix).push_back('\n');
        }
        pending.erase(0, start);
        if (out.size() >= kBlock) {
            if (!writeAll(out.data(), out.size())) {
                return 1;
            }
            out.clear();
        }
    }
    if (!pending.empty()) {
        out.append(pending).append(suffix).push_back('\n');
    }
    return writeAll(out.data(), out.size()) ? 0 : 1;
}
