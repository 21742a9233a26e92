#include "file_io.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <cstring>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/xattr.h>
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

namespace {

std::filesystem::path folderOf(const std::filesystem::path& file)
{
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// A name beside `target` for a new file: "." + its name + a random suffix.
std::string temporaryNameBeside(const std::filesystem::path& target)
{
    std::uint64_t random = 0;
    if (::getrandom(&random, sizeof random, GRND_NONBLOCK) != sizeof random)
        random = static_cast<std::uint64_t>(::getpid()) * 0x9E3779B97F4A7C15u ^ static_cast<std::uint64_t>(::time(nullptr));
    char suffix[17];
    std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(random));
    return (folderOf(target) / ("." + target.filename().string() + "." + suffix)).string();
}

// Extended attributes other than the security label (an access control
// list, say) would not pass to a new file.
bool hasExtendedAttributes(const std::filesystem::path& file)
{
    std::array<char, 4096> names{};
    const ssize_t size = ::listxattr(file.c_str(), names.data(), names.size());
    if (size < 0) return errno == ERANGE;
    for (std::size_t at = 0; at < static_cast<std::size_t>(size);) {
        const std::string_view name(names.data() + at);
        if (!name.starts_with("security.")) return true;
        at += name.size() + 1;
    }
    return false;
}

// A new file in the target's folder, made with 0666 for the kernel to apply
// the umask (and the folder's default access list) to, as to any new file.
FileDescriptor createTemporary(const std::filesystem::path& target, std::string& temporary)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = temporaryNameBeside(target);
        FileDescriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (file.valid() || errno != EEXIST) return file;
    }
    return FileDescriptor(-1);
}

// Gives the new file the old one's owner, group and mode; false where it
// cannot (only root may give a file away).
bool takeOverOwnerAndMode(int file, const struct stat& old)
{
    struct stat now {};
    if (::fstat(file, &now) != 0) return false;
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) && ::fchown(file, old.st_uid, old.st_gid) != 0) return false;
    return ::fchmod(file, old.st_mode & 07777) == 0;
}

enum class Replaced { Done, NotHere };

// Writes the bytes to a new file and renames it over the target, so a write
// that fails half way (a full disk) leaves the old file whole. NotHere when
// the folder takes no new file or the new one cannot be what the old one
// was; nothing is then left behind.
Replaced replaceThroughNewFile(const std::filesystem::path& target, std::string_view bytes, const struct stat* old)
{
    std::string temporary;
    FileDescriptor file = createTemporary(target, temporary);
    if (!file.valid()) return Replaced::NotHere;
    const auto discard = [&] {
        file.close();
        ::unlink(temporary.c_str());
    };
    if (old != nullptr && !takeOverOwnerAndMode(file.get(), *old)) {
        discard();
        return Replaced::NotHere;
    }
    if (!writeAll(file.get(), bytes) || ::fsync(file.get()) != 0 || file.close() != 0) {
        discard();
        throw GameError("Stream write error");
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return Replaced::NotHere;
    }
    FileDescriptor folderHandle(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderHandle.valid()) ::fsync(folderHandle.get());
    return Replaced::Done;
}

// Writes the bytes over the file's own content, as the game always saved:
// the file keeps its owner, group, mode, links and attributes.
void writeInPlace(FileDescriptor& file, std::string_view bytes, bool regular)
{
    if (!writeAll(file.get(), bytes) || (regular && ::ftruncate(file.get(), static_cast<off_t>(bytes.size())) != 0) ||
        (regular && ::fsync(file.get()) != 0) || file.close() != 0)
        throw GameError("Stream write error");
}

} // namespace

void replaceFile(const std::filesystem::path& name, std::string_view bytes)
{
    const std::filesystem::path target = resolvedTarget(name);
    struct stat status {};
    if (::stat(target.c_str(), &status) != 0) {
        if (errno != ENOENT) throw cannotCreateFile(name, errno);
        if (replaceThroughNewFile(target, bytes, nullptr) == Replaced::Done) return;
        FileDescriptor created(::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!created.valid()) throw cannotCreateFile(name, errno);
        writeInPlace(created, bytes, true);
        return;
    }
    if (S_ISDIR(status.st_mode)) throw cannotCreateFile(name, EISDIR);
    // A file without any write permission is read-only for everybody, root
    // included, as the player meant it.
    if ((status.st_mode & 0222) == 0) throw cannotCreateFile(name, EACCES);
    FileDescriptor file(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK));
    if (!file.valid()) throw cannotCreateFile(name, errno);

    const bool regular = S_ISREG(status.st_mode);
    const bool replaceable = regular && status.st_nlink == 1 && !hasExtendedAttributes(target);
    if (replaceable && replaceThroughNewFile(target, bytes, &status) == Replaced::Done) return;
    writeInPlace(file, bytes, regular);
}

} // namespace lumera
