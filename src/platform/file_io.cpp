#include "file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "cp1251.h"

namespace lumera {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int close()
    {
        int result = 0;
        if (fd_ >= 0) result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

mode_t defaultFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Where the bytes really go: through a symbolic link to the file it names.
std::filesystem::path resolvedTarget(const std::filesystem::path& name)
{
    std::error_code error;
    if (std::filesystem::is_symlink(name, error)) {
        const auto target = std::filesystem::canonical(name, error);
        if (!error) return target;
    }
    return name;
}

} // namespace

std::filesystem::path gamePath(std::string_view cp1251Name)
{
    std::string name = cp1251ToUtf8(cp1251Name);
    for (char& c : name)
        if (c == '\\') c = '/';
    return std::filesystem::path(name);
}

std::string fullPathText(const std::filesystem::path& name)
{
    std::error_code error;
    const auto absolute = std::filesystem::absolute(name, error);
    return (error ? name : absolute.lexically_normal()).string();
}

std::string systemErrorText(int errorNumber)
{
    return trimmedSystemText(std::strerror(errorNumber));
}

std::string trimmedSystemText(std::string text)
{
    while (!text.empty()) {
        const auto last = static_cast<unsigned char>(text.back());
        if (last <= ' ' || last == '.' || last == 0x7F) text.pop_back();
        else break;
    }
    return text;
}

GameError cannotOpenFile(const std::filesystem::path& name, int errorNumber)
{
    return GameError("Cannot open file \"" + fullPathText(name) + "\". " + systemErrorText(errorNumber));
}

GameError cannotCreateFile(const std::filesystem::path& name, int errorNumber)
{
    return GameError("Cannot create file \"" + fullPathText(name) + "\". " + systemErrorText(errorNumber));
}

namespace {

// Non-blocking, so that a pipe put in a file's place cannot hang the game.
FileDescriptor openForReading(const std::filesystem::path& name, struct stat& status)
{
    FileDescriptor file(::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!file.valid()) throw cannotOpenFile(name, errno);
    if (::fstat(file.get(), &status) != 0) throw cannotOpenFile(name, errno);
    if (S_ISDIR(status.st_mode)) throw cannotOpenFile(name, EISDIR);
    return file;
}

void readPieces(const FileDescriptor& file, const std::function<bool(std::string_view)>& take)
{
    char piece[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), piece, sizeof piece);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw GameError("Stream read error");
        if (got == 0 || !take(std::string_view(piece, static_cast<std::size_t>(got)))) return;
    }
}

} // namespace

void readFileInPieces(const std::filesystem::path& name, const std::function<bool(std::string_view)>& take)
{
    struct stat status {};
    const FileDescriptor file = openForReading(name, status);
    readPieces(file, take);
}

WholeFile readWholeFile(const std::filesystem::path& name, std::size_t limit)
{
    struct stat status {};
    const FileDescriptor file = openForReading(name, status);
    WholeFile result;
    if (S_ISREG(status.st_mode)) {
        if (static_cast<std::uint64_t>(status.st_size) > limit) {
            result.tooLarge = true;
            return result;
        }
        result.bytes.reserve(static_cast<std::size_t>(status.st_size));
    }
    readPieces(file, [&](std::string_view piece) {
        if (result.bytes.size() + piece.size() > limit) {
            result.bytes.clear();
            result.bytes.shrink_to_fit();
            result.tooLarge = true;
            return false;
        }
        result.bytes.append(piece);
        return true;
    });
    return result;
}

void replaceFile(const std::filesystem::path& name, std::string_view bytes)
{
    const std::filesystem::path target = resolvedTarget(name);
    mode_t mode = defaultFileMode();
    struct stat status {};
    if (::stat(target.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) throw cannotCreateFile(name, EISDIR);
        // A file without any write permission is read-only for everybody,
        // root included, as the player meant it.
        if ((status.st_mode & 0222) == 0) throw cannotCreateFile(name, EACCES);
        FileDescriptor probe(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK));
        if (!probe.valid()) throw cannotCreateFile(name, errno);
        mode = status.st_mode & 07777;
    } else if (errno != ENOENT) {
        throw cannotCreateFile(name, errno);
    }

    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    FileDescriptor file(::mkstemp(temporary.data()));
    if (!file.valid()) throw cannotCreateFile(name, errno);

    const auto discard = [&] {
        file.close();
        ::unlink(temporary.c_str());
    };
    if (::fchmod(file.get(), mode) != 0) {
        const int error = errno;
        discard();
        throw cannotCreateFile(name, error);
    }
    if (!writeAll(file.get(), bytes) || ::fsync(file.get()) != 0 || file.close() != 0) {
        discard();
        throw GameError("Stream write error");
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throw cannotCreateFile(name, error);
    }
    FileDescriptor folderHandle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderHandle.valid()) ::fsync(folderHandle.get());
}

} // namespace lumera
