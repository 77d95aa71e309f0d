// The Linux program, started with posix_spawn: its arguments are the bytes given.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "run_cli.h"

extern char** environ;

namespace macrange::test {

Outcome RunCli(const std::vector<std::string>& args, Stdout stdout_to) {
  int out_pipe[2];
  int err_pipe[2];
  if (pipe(out_pipe) != 0 || pipe(err_pipe) != 0) return {};
  if (stdout_to == Stdout::kPipeWithoutReader) {
    // Nobody will read: the child's first write meets a closed pipe.
    close(out_pipe[0]);
    out_pipe[0] = open("/dev/null", O_RDONLY);
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (stdout_to == Stdout::kDevFull) {
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/full", O_WRONLY, 0);
  } else {
    posix_spawn_file_actions_adddup2(&actions, out_pipe[1], 1);
  }
  posix_spawn_file_actions_adddup2(&actions, err_pipe[1], 2);
  for (int fd : {out_pipe[0], out_pipe[1], err_pipe[0], err_pipe[1]}) {
    posix_spawn_file_actions_addclose(&actions, fd);
  }
  std::vector<char*> argv;
  std::string program = MACRANGE_CLI;
  argv.push_back(program.data());
  std::vector<std::string> copies = args;
  for (std::string& a : copies) argv.push_back(a.data());
  argv.push_back(nullptr);
  // The child starts with SIGPIPE at its default, whatever the runner ignores.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t default_signals;
  sigemptyset(&default_signals);
  sigaddset(&default_signals, SIGPIPE);
  posix_spawnattr_setsigdefault(&attributes, &default_signals);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
  pid_t pid = 0;
  const int spawned =
      posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  close(out_pipe[1]);
  close(err_pipe[1]);
  Outcome outcome;
  if (spawned == 0) {
    pollfd fds[2] = {{out_pipe[0], POLLIN, 0}, {err_pipe[0], POLLIN, 0}};
    std::string* sinks[2] = {&outcome.out, &outcome.err};
    int open_fds = 2;
    while (open_fds > 0 && poll(fds, 2, -1) > 0) {
      for (int i = 0; i < 2; ++i) {
        if (fds[i].fd < 0 || fds[i].revents == 0) continue;
        char buffer[4096];
        const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
        if (n > 0) {
          sinks[i]->append(buffer, static_cast<std::size_t>(n));
        } else {
          fds[i].fd = -1;
          --open_fds;
        }
      }
    }
    int wait_status = 0;
    waitpid(pid, &wait_status, 0);
    if (WIFEXITED(wait_status)) outcome.status = WEXITSTATUS(wait_status);
  }
  close(out_pipe[0]);
  close(err_pipe[0]);
  return outcome;
}

}  // namespace macrange::test
