// What a benchmark program runs as a process of its own: the program's standard output, once it
// has ended with status 0.
#pragma once
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

extern char** environ;

// A started program whose `fd` (1 or 2) is a pipe this process reads from.
struct SpawnedProcess {
    pid_t pid = -1;
    int output = -1; // the pipe's reading end
};

// Starts `arguments` (the program's path first); nothing when it could not start. `spawning` runs
// just before the process is spawned.
inline std::optional<SpawnedProcess> SpawnReadingFrom(std::vector<std::string> arguments, int fd,
                                                      const std::function<void()>& spawning = {})
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], fd);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    if (spawning)
        spawning();
    SpawnedProcess process;
    const int spawned = posix_spawn(&process.pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return std::nullopt;
    }
    process.output = pipeFds[0];
    return process;
}

// Runs `arguments` (the program's path first) to its end; nothing when it could not start or did
// not end with status 0. `spawning` runs just before the process is spawned.
inline std::optional<std::string> RunForOutput(std::vector<std::string> arguments,
                                               const std::function<void()>& spawning = {})
{
    const std::optional<SpawnedProcess> child = SpawnReadingFrom(std::move(arguments), STDOUT_FILENO, spawning);
    if (!child)
        return std::nullopt;
    std::string output;
    char buffer[4096];
    for (ssize_t n; (n = read(child->output, buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<size_t>(n));
    close(child->output);
    int status = 0;
    if (waitpid(child->pid, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return output;
}
