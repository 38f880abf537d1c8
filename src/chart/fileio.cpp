#include "chart/fileio.h"

#include "chart/error.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zentrel {
namespace {

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

void writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throwIoError(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

} // namespace

std::string openErrorText(int err, const std::filesystem::path& path)
{
    if (err == ENOENT) {
        std::error_code ec;
        const auto parent = path.parent_path();
        if (path.empty() || (!parent.empty() && !std::filesystem::is_directory(parent, ec)))
            return "Invalid filename";
    }
    return ioErrorText(err);
}

std::string readWholeFile(const std::filesystem::path& path)
{
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        throw IoError(openErrorText(errno, path));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        throwIoError(errno);
    if (S_ISDIR(st.st_mode))
        throw IoError("File access denied");
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throwIoError(errno);
        }
        if (n == 0)
            break;
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    return bytes;
}

void writeFileAtomically(const std::filesystem::path& path, const std::vector<std::string_view>& chunks,
                         const WriteProbe& probe, bool flush)
{
    if (path.empty() || !path.has_filename())
        throw IoError("Invalid filename");
    std::string hidden = ".";
    hidden += path.filename().string();
    hidden += ".XXXXXX";
    std::string tmpl = (path.parent_path() / hidden).string();
    Fd fd(::mkstemp(tmpl.data()));
    if (fd.get() < 0)
        throw IoError(openErrorText(errno, path));
    const std::filesystem::path tmp = tmpl;
    try {
        // Keep the old file's permissions; a new file gets the usual ones.
        struct stat st {};
        mode_t mode = 0666;
        if (::stat(path.c_str(), &st) == 0) {
            mode = st.st_mode & 07777;
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode &= ~mask;
        }
        ::fchmod(fd.get(), mode);
        int chunk = 0;
        for (std::string_view c : chunks) {
            if (probe)
                probe(chunk);
            ++chunk;
            writeAll(fd.get(), c);
        }
        if (flush && ::fsync(fd.get()) != 0)
            throwIoError(errno);
        if (::close(fd.release()) != 0)
            throwIoError(errno);
        if (::rename(tmp.c_str(), path.c_str()) != 0)
            throwIoError(errno);
    } catch (...) {
        ::unlink(tmp.c_str());
        throw;
    }
}

} // namespace zentrel
