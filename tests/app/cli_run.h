// Runs the built sorafumi-cli and collects what it printed.
#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct CliRun {
  int status = -1;  // exit status, -1 when it did not exit normally
  std::string out;
  std::string err;
};

inline std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// platform_unset: the child starts without QT_QPA_PLATFORM, so the program
// must choose the offscreen platform itself.
inline CliRun run_cli(const std::vector<std::string>& args, bool platform_unset = false) {
  char out_path[] = "/tmp/sorafumi-cli-out-XXXXXX";
  char err_path[] = "/tmp/sorafumi-cli-err-XXXXXX";
  const int out_fd = mkstemp(out_path);
  const int err_fd = mkstemp(err_path);
  CliRun run;
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(out_fd, STDOUT_FILENO);
    dup2(err_fd, STDERR_FILENO);
    if (platform_unset) {
      unsetenv("QT_QPA_PLATFORM");
      unsetenv("DISPLAY");
      unsetenv("WAYLAND_DISPLAY");
    }
    std::vector<char*> argv{const_cast<char*>(SORAFUMI_CLI_PATH)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(SORAFUMI_CLI_PATH, argv.data());
    _exit(127);
  }
  int wait_status = 0;
  waitpid(pid, &wait_status, 0);
  if (WIFEXITED(wait_status)) run.status = WEXITSTATUS(wait_status);
  close(out_fd);
  close(err_fd);
  run.out = slurp(out_path);
  run.err = slurp(err_path);
  unlink(out_path);
  unlink(err_path);
  return run;
}
