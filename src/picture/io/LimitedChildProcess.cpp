#include "picture/io/LimitedChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

namespace pictavo {
namespace {

constexpr std::size_t kMaxErrorBytes = 512;

struct Fd {
  int fd = -1;
  ~Fd() { reset(); }
  void reset() {
    if (fd >= 0) close(fd);
    fd = -1;
  }
};

// Only async-signal-safe calls between fork and exec.
[[noreturn]] void startChild(const char* program, int in, int out, int err, const ChildLimits& limits) {
  dup2(in, STDIN_FILENO);
  dup2(out, STDOUT_FILENO);
  dup2(err, STDERR_FILENO);
  // Nothing else of the editor's (open files, display connection) reaches the child.
  close_range(3, ~0u, 0);
  const rlimit cpu{static_cast<rlim_t>(limits.cpuSeconds), static_cast<rlim_t>(limits.cpuSeconds + 1)};
  const rlimit memory{static_cast<rlim_t>(limits.memoryBytes), static_cast<rlim_t>(limits.memoryBytes)};
  const rlimit noCore{0, 0};
  setrlimit(RLIMIT_CPU, &cpu);
  setrlimit(RLIMIT_AS, &memory);
  setrlimit(RLIMIT_CORE, &noCore);
  char* const argv[] = {const_cast<char*>(program), nullptr};
  execv(program, argv);
  _exit(127);
}

bool drain(int fd, std::string& into, std::size_t keep) {
  char chunk[65536];
  const ssize_t got = read(fd, chunk, sizeof chunk);
  if (got <= 0) return got < 0 && (errno == EINTR || errno == EAGAIN);
  const std::size_t room = keep > into.size() ? keep - into.size() : 0;
  into.append(chunk, std::min(room, static_cast<std::size_t>(got)));
  return true;
}

}  // namespace

ChildResult runLimited(const std::string& program, const std::string& input, const ChildLimits& limits) {
  ChildResult result;
  // A socket for the input, so writing to a child that has died gives an error rather than SIGPIPE.
  int inPair[2], outPipe[2], errPipe[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, inPair) != 0) return result;
  Fd inParent{inPair[0]}, inChild{inPair[1]};
  if (pipe2(outPipe, O_CLOEXEC) != 0) return result;
  Fd outParent{outPipe[0]}, outChild{outPipe[1]};
  if (pipe2(errPipe, O_CLOEXEC) != 0) return result;
  Fd errParent{errPipe[0]}, errChild{errPipe[1]};

  const pid_t pid = fork();
  if (pid < 0) return result;
  if (pid == 0) startChild(program.c_str(), inChild.fd, outChild.fd, errChild.fd, limits);
  inChild.reset();
  outChild.reset();
  errChild.reset();
  fcntl(inParent.fd, F_SETFL, O_NONBLOCK);

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limits.timeoutMs);
  std::size_t written = 0;
  if (input.empty()) inParent.reset();
  result.outcome = ChildResult::Outcome::Exited;
  while (outParent.fd >= 0 || errParent.fd >= 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      result.outcome = ChildResult::Outcome::TimedOut;
      break;
    }
    pollfd fds[3] = {{outParent.fd, POLLIN, 0}, {errParent.fd, POLLIN, 0}, {inParent.fd, POLLOUT, 0}};
    if (poll(fds, 3, static_cast<int>(left.count())) < 0 && errno != EINTR) break;
    if (fds[0].revents && !drain(outParent.fd, result.output, limits.maxOutputBytes + 1)) outParent.reset();
    if (fds[1].revents && !drain(errParent.fd, result.errors, kMaxErrorBytes)) errParent.reset();
    if (result.output.size() > limits.maxOutputBytes) {
      result.outcome = ChildResult::Outcome::OutputTooLarge;
      break;
    }
    if (fds[2].revents) {
      const ssize_t sent = send(inParent.fd, input.data() + written, input.size() - written, MSG_NOSIGNAL);
      if (sent > 0) written += static_cast<std::size_t>(sent);
      if ((sent < 0 && errno != EAGAIN && errno != EINTR) || written == input.size()) inParent.reset();
    }
  }
  int status = 0;
  // A child that closed its outputs may still linger; it gets until the deadline.
  while (result.outcome == ChildResult::Outcome::Exited) {
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid || (done < 0 && errno != EINTR)) break;
    if (std::chrono::steady_clock::now() >= deadline)
      result.outcome = ChildResult::Outcome::TimedOut;
    else
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (result.outcome != ChildResult::Outcome::Exited) {
    kill(pid, SIGKILL);
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }
  if (result.outcome == ChildResult::Outcome::Exited) {
    if (WIFEXITED(status)) {
      result.exitCode = WEXITSTATUS(status);
    } else {
      result.outcome = ChildResult::Outcome::Crashed;
      result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    }
  }
  return result;
}

}  // namespace pictavo
