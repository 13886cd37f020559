#pragma once
// Faults of the file system that a test can raise for a while and that undo themselves: a disk
// that fills up and a folder nobody may write into, both working when the tests run as root.
// Linux only: elsewhere they are never Active(), and the tests that need them skip.
#if defined(__linux__)
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <string>

// While it lives, no file of this process may grow past `bytes`: writes beyond fail with EFBIG,
// as on a disk that fills up.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the process
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool Active() const { return active_; }

private:
    rlimit previous_{};
    void (*previousSignal_)(int) = SIG_DFL;
    bool active_ = false;
};

// While it lives, nothing can be created in `folder`: its write permission is taken away, and where
// that stops nothing (root) the folder is made immutable. Active() tells whether either worked,
// Error() what a creation in it fails with.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::string folder) : folder_(std::move(folder))
    {
        struct stat info {};
        stat(folder_.c_str(), &info);
        mode_ = info.st_mode & 07777;
        chmod(folder_.c_str(), S_IRUSR | S_IXUSR);
        if (refusesCreation())
            return;
        immutable_ = setImmutable(true);
        if (!immutable_ || !refusesCreation())
            error_ = 0;
    }
    ~ReadOnlyFolder()
    {
        if (immutable_)
            setImmutable(false);
        chmod(folder_.c_str(), mode_);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool Active() const { return error_ != 0; }
    int Error() const { return error_; }

private:
    bool refusesCreation()
    {
        const std::string probe = folder_ + "/probe";
        const int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0) {
            error_ = errno;
            return true;
        }
        close(fd);
        unlink(probe.c_str());
        return false;
    }
    bool setImmutable(bool on)
    {
        const int fd = open(folder_.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = done && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        close(fd);
        return done;
    }

    std::string folder_;
    mode_t mode_ = 0700;
    bool immutable_ = false;
    int error_ = 0;
};

#else
#include <string>

class FileSizeLimit {
public:
    explicit FileSizeLimit(unsigned long long) {}
    bool Active() const { return false; }
};

class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::string) {}
    bool Active() const { return false; }
    int Error() const { return 0; }
};
#endif
