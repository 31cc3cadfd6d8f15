#include "run_cli.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

constexpr auto kLongestRun = std::chrono::minutes(1);

void makePipe(int fds[2])
{
    if (pipe(fds) != 0) {
        throw std::runtime_error("pipe failed");
    }
}

void makeNonBlocking(int fd)
{
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
}

} // namespace

CliResult runCli(const std::vector<std::string> &args, const CliSetup &setup)
{
    signal(SIGPIPE, SIG_IGN);
    int in[2], out[2], err[2];
    makePipe(in);
    makePipe(out);
    makePipe(err);
    if (setup.nonBlocking) {
        // The flag belongs to the open pipe, which the child shares.
        makeNonBlocking(in[0]);
        makeNonBlocking(out[1]);
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (setup.inputFile.empty()) {
        posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, setup.inputFile.c_str(), O_RDONLY,
                                         0);
    }
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) {
        posix_spawn_file_actions_addclose(&actions, fd);
    }

    // TINTARA_FADE names another build to test, such as the Windows one, and
    // TINTARA_FADE_RUNNER a program to run it with, such as wine.
    std::vector<std::string> words;
    if (const char *runner = std::getenv("TINTARA_FADE_RUNNER"); runner != nullptr && *runner) {
        words.emplace_back(runner);
    }
    const char *other = std::getenv("TINTARA_FADE");
    words.emplace_back(other != nullptr && *other ? other : TINTARA_FADE_BIN);
    words.insert(words.end(), args.begin(), args.end());
    const std::string program = words.front();
    std::vector<char *> argv;
    for (auto &word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    pid_t pid;
    const int spawned =
        posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    close(err[1]);
    if (spawned != 0) {
        throw std::runtime_error("cannot start " + program);
    }
    if (setup.dataLimit) {
        // Set before any input is written, so the process has allocated little yet.
        const rlimit limit{*setup.dataLimit, *setup.dataLimit};
        prlimit(pid, RLIMIT_DATA, &limit, nullptr);
    }

    CliResult result;
    const std::string &input = setup.input;
    std::size_t written = 0;
    // A blocking write of a large input would wait for the child, while the
    // child waits for us to drain its output.
    fcntl(in[1], F_SETFL, fcntl(in[1], F_GETFL) | O_NONBLOCK);
    bool writing = true;
    if (input.empty()) {
        writing = false;
        if (!setup.keepInputOpen) {
            close(in[1]);
            in[1] = -1;
        }
    }
    const auto deadline = std::chrono::steady_clock::now() + kLongestRun;
    // Feed stdin and drain both outputs together, so large inputs and outputs
    // cannot deadlock on full pipes.
    while (true) {
        pollfd fds[3] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}, {in[1], POLLOUT, 0}};
        const nfds_t count = writing ? 3 : 2;
        if (fds[0].fd < 0 && fds[1].fd < 0) {
            break;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            break;
        }
        if (poll(fds, count, 1000) < 0 && errno != EINTR) {
            break;
        }
        char buffer[65536];
        for (int k = 0; k < 2; ++k) {
            if (fds[k].fd >= 0 && (fds[k].revents & (POLLIN | POLLHUP))) {
                const ssize_t got = read(fds[k].fd, buffer, sizeof buffer);
                if (got > 0) {
                    (k == 0 ? result.out : result.err)
                        .append(buffer, static_cast<std::size_t>(got));
                } else {
                    close(fds[k].fd);
                    (k == 0 ? out[0] : err[0]) = -1;
                }
            }
        }
        if (writing && (fds[2].revents & (POLLOUT | POLLERR | POLLHUP))) {
            const ssize_t put = write(in[1], input.data() + written, input.size() - written);
            if (put > 0) {
                written += static_cast<std::size_t>(put);
            }
            const bool wouldBlock = put < 0 && (errno == EAGAIN || errno == EINTR);
            if ((put <= 0 && !wouldBlock) || written == input.size()) {
                writing = false;
                if (!setup.keepInputOpen) {
                    close(in[1]);
                    in[1] = -1;
                }
            }
        }
    }
    for (int fd : {in[1], out[0], err[0]}) {
        if (fd >= 0) {
            close(fd);
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

bool cliRunsThroughRunner()
{
    const char *runner = std::getenv("TINTARA_FADE_RUNNER");
    return runner != nullptr && *runner != '\0';
}
