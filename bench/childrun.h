#pragma once
// Runs tav2-cli (found next to the benchmark) as a child process and
// measures it: wall-clock seconds, processor seconds and peak memory.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace bench {

struct ChildRun {
  int status = -1;
  double seconds = 0;     // wall clock
  double cpuSeconds = 0;  // user and system
  long peakKilobytes = 0;
};

inline std::filesystem::path BinDir() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

// Runs tav2-cli with `args`, its standard output going to `output`.
inline ChildRun RunCli(const std::vector<std::string>& args, const std::string& output = "/dev/null") {
  const std::string cli = (BinDir() / "tav2-cli").string();
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(cli.c_str()));
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ChildRun run;
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, cli.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
    std::perror(cli.c_str());
    return run;
  }
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                   static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  run.peakKilobytes = usage.ru_maxrss;
  return run;
}

}  // namespace bench
